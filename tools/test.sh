#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# host (native, sanitizers), win64 (under wine), and win32 (built only).
# Ends with one summary line and a non-zero status on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

tools/setup.sh || exit 1

failed_steps=()
step() {  # step NAME COMMAND...: runs a command, remembers a failure
  local name=$1; shift
  echo "== $name"
  "$@" || failed_steps+=("$name")
}

for preset in host win64 win32; do
  step "configure $preset" cmake --preset "$preset" --log-level=WARNING >/dev/null
  step "build $preset" cmake --build --preset "$preset"
done

results=$(mktemp -d)
step "test host" bash -c "ctest --preset host 2>&1 | tee $results/host"

balls_display_start
balls_wine_session_start
step "test win64" bash -c "ctest --preset win64 2>&1 | tee $results/win64"
balls_wine_session_stop
balls_display_stop

passed=0 failed=0
for f in "$results"/host "$results"/win64; do
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$f" 2>/dev/null | tail -n 1)
  if [ -z "$line" ]; then failed_steps+=("no result from $(basename "$f")"); continue; fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
  echo "$(basename "$f"): $line"
done
rm -rf "$results"

[ ${#failed_steps[@]} -eq 0 ] || echo "failed steps: ${failed_steps[*]}"
echo "tests: $passed passed, $failed failed"
[ ${#failed_steps[@]} -eq 0 ] && [ "$failed" -eq 0 ]
