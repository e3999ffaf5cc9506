#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# host (native, sanitizers), each fuzzer briefly, win64 (under wine) and win32
# (under a 32-bit wine, emulated where this machine cannot run 32-bit code). Ends with one
# summary line and a non-zero status on any failure. Where 32-bit programs
# cannot run at all, the win32 tests count as skipped, with the reason. In
# the 32-bit wine session it also checks the release zip (package-check.sh).
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

tools/setup.sh || exit 1

failed_steps=()
step() {  # step NAME COMMAND...: runs a command, remembers a failure
  local name=$1; shift
  echo "== $name (at $SECONDS s)"
  "$@" || failed_steps+=("$name")
}

fuzz_pid= win32_build_pid=
cleanup() {
  for pid in $fuzz_pid $win32_build_pid; do pkill -P "$pid" 2>/dev/null; kill "$pid" 2>/dev/null; done
  balls_wine_slots_stop 64
  balls_wine_slots_stop 32
  balls_binfmt_release
  balls_display_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

for preset in host win64 win32; do
  step "configure $preset" cmake --preset "$preset" --log-level=WARNING >/dev/null
done
step "build host" cmake --build --preset host
step "build win64" cmake --build --preset win64
# The benchmarks are not part of the default build; building them here keeps
# them compiling (they are run by hand: bench/).
step "build benchmarks" bash -c "cmake --build --preset host --target numeric_bench &&
  cmake --build --preset win64 --target basic_bench scene_bench made_bench circle_limits composition_bench"

# The 32-bit build and the fuzzers go on beside the host and win64 tests,
# which leave the processor idle much of the time (waiting for windows and
# processes); their output is shown when they are done. Each fuzzer runs
# briefly, its kept findings first (tools/fuzz.sh SECONDS runs them for
# longer).
results=$(mktemp -d)
echo "== fuzz (beside the tests, at $SECONDS s)"
tools/fuzz.sh "${BALLS_FUZZ_SECONDS:-20}" >"$results/fuzz" 2>&1 &
fuzz_pid=$!
echo "== build win32 (beside the host and win64 tests, at $SECONDS s)"
cmake --build --preset win32 >"$results/build-win32" 2>&1 &
win32_build_pid=$!

step "test host" bash -c "ctest --preset host 2>&1 | tee $results/host"

# The Windows suites run two tests at a time, each in a wine slot of its own
# (a prefix, server and display: see tools/wine-env.sh).
balls_display_start
rm -rf build/win64/test-results
if balls_wine_use 64 && balls_wine_slots_start 64; then
  step "test win64" bash -c "ctest --preset win64 2>&1 | tee $results/win64"
else
  failed_steps+=("win64: ${BALLS_WINE_MISSING:-the wine session did not start}")
fi
balls_wine_slots_stop 64

wait "$win32_build_pid" || failed_steps+=("build win32")
win32_build_pid=
tail -n 5 "$results/build-win32"

# The 32-bit suite, like the 64-bit one: each test executable runs once and
# writes its results as XML, counted below.
win32_skipped_reason=
rm -rf build/win32/test-results
if balls_wine_use 32 && balls_binfmt_hold && balls_wine_slots_start 32; then
  [ "$BALLS_WINE_EMULATED" = yes ] &&
    echo "win32: 32-bit wine emulated by qemu-i386 (binfmt_misc entry balls-i386, removed afterwards), server: $WINESERVER"
  # Under the emulator every process start costs seconds: there the load
  # tests repeat a few times only.
  [ "$BALLS_WINE_EMULATED" = yes ] && export BALLS_LOAD_RUNS=${BALLS_LOAD_RUNS:-3}
  step "test win32" bash -c "ctest --preset win32 2>&1 | tee $results/win32"
  # In the first slot's running session, as a test would be.
  step "package win32" env CTEST_RESOURCE_GROUP_0_WINE=id:0,slots:1 tools/package-check.sh win32
else
  win32_skipped_reason=${BALLS_WINE_MISSING:-the 32-bit wine session did not start}
fi
balls_wine_slots_stop 32
balls_binfmt_release
balls_display_stop
wait "$fuzz_pid" || failed_steps+=("fuzz")
fuzz_pid=
cat "$results/fuzz"

# A per-executable suite's tests, from the XML each executable wrote. A test
# that left no XML counts as one test, passed only if CTest saw it pass: a
# script, or an executable that crashed or timed out. Prints "PASSED FAILED".
count_suite() {  # count_suite PRESET CTEST_LOG
  local preset=$1 log=$2 passed=0 failed=0 name xml tests bad
  for name in $(ctest --preset "$preset" -N 2>/dev/null | sed -nE 's/^ *Test +#[0-9]+: (.*)$/\1/p'); do
    xml=build/$preset/test-results/$name.xml
    if [ ! -f "$xml" ]; then
      if grep -qE "Test +#[0-9]+: $name \.* +Passed" "$log"; then
        passed=$((passed + 1))
      else
        failed=$((failed + 1))
      fi
      continue
    fi
    tests=$(grep -m1 -oE '<testsuites tests="[0-9]+"' "$xml" | grep -oE '[0-9]+')
    bad=$(awk '/<testcase /{f=0} /<failure/{f=1} /<\/testcase>/{if(f)n++; f=0} END{print n+0}' "$xml")
    passed=$((passed + tests - bad)); failed=$((failed + bad))
  done
  echo "$passed $failed"
}

passed=0 failed=0 skipped=0
line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$results/host" 2>/dev/null | tail -n 1)
if [ -z "$line" ]; then
  failed_steps+=("no result from host")
else
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
  echo "host: $line"
fi

# Each fuzzer counts as one test: clean, or a finding.
fuzz_clean=$(grep -cE '^fuzz [^ ]+: .* clean$' "$results/fuzz" 2>/dev/null)
fuzz_found=$(grep -cE '^fuzz [^ ]+: (FINDING|a kept regression)' "$results/fuzz" 2>/dev/null)
echo "fuzz: ${fuzz_clean:-0} targets clean, ${fuzz_found:-0} with findings"
passed=$((passed + ${fuzz_clean:-0})); failed=$((failed + ${fuzz_found:-0}))

read -r w64_passed w64_failed < <(count_suite win64 "$results/win64")
echo "win64: $w64_passed tests passed, $w64_failed failed (each executable once)"
passed=$((passed + w64_passed)); failed=$((failed + w64_failed))
if [ -z "$win32_skipped_reason" ]; then
  read -r w32_passed w32_failed < <(count_suite win32 "$results/win32")
  echo "win32: $w32_passed tests passed, $w32_failed failed (each executable once)"
  passed=$((passed + w32_passed)); failed=$((failed + w32_failed))
else
  # The same tests as on win64, none of them run.
  skipped=$((w64_passed + w64_failed))
  echo "win32: $skipped tests skipped: $win32_skipped_reason"
fi
rm -rf "$results"

[ ${#failed_steps[@]} -eq 0 ] || echo "failed steps: ${failed_steps[*]}"
echo "time: $SECONDS s"
echo "tests: $passed passed, $failed failed, $skipped skipped"
[ ${#failed_steps[@]} -eq 0 ] && [ "$failed" -eq 0 ]
