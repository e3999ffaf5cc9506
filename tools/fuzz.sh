#!/usr/bin/env bash
# Builds every fuzzer (each fuzz/NAME/ folder with a CMakeLists.txt) with
# clang's libFuzzer and runs each for SECONDS (default 60): first its kept
# regression inputs (fuzz/NAME/regressions/), then a fuzzing session on a
# scratch copy of its seed corpus, so the repository never fills up, with
# the words of fuzz/NAME/NAME.dict when there is one.
#
# Prints one line per target (runs executed, outcome) and exits non-zero on
# any finding. A crashing input is left in build/fuzz/findings/NAME/, beside
# the binaries, and its path printed; libFuzzer's whole output for a target
# is in build/fuzz/logs/NAME.log.
set -uo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: tools/fuzz.sh [SECONDS]" >&2
  exit 2
fi
for tool in clang clang++ cmake ninja; do
  if ! command -v "$tool" >/dev/null; then
    echo "fuzz: $tool is missing (Debian packages: clang libclang-rt-14-dev cmake ninja-build)" >&2
    exit 2
  fi
done

build=build/fuzz
mkdir -p "$build/logs"
# Line tables are all a finding's stack needs.
if ! CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DBALLS_FUZZ=ON --log-level=WARNING >"$build/logs/configure.log" 2>&1 ||
  ! cmake --build "$build" --target fuzzers -j 2 >"$build/logs/build.log" 2>&1; then
  tail -n 40 "$build/logs/configure.log" "$build/logs/build.log" 2>/dev/null
  echo "fuzz: the build failed" >&2
  exit 1
fi

# Sanitizer reports with their stacks; the first one ends the run.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=abort_on_error=0:detect_leaks=1

findings=0
report() {  # report NAME LOG: the end of the report, where it was kept
  local name=$1 log=$2 artifact
  grep -E 'ERROR|runtime error|invariant broken|SUMMARY' "$log" | head -n 5 | sed 's/^/    /'
  for artifact in "$build/findings/$name"/*; do echo "    input kept: $artifact"; done
  echo "    log: $log"
}

for list in fuzz/*/CMakeLists.txt; do
  name=$(basename "$(dirname "$list")")
  binary=$build/bin/fuzz_$name
  folder=fuzz/$name
  log=$build/logs/$name.log
  rm -rf "$build/findings/$name" "$build/corpus/$name"
  mkdir -p "$build/findings/$name" "$build/corpus/$name"

  regressions=("$folder"/regressions/*)
  if [ "${#regressions[@]}" -gt 0 ]; then
    if ! "$binary" "${regressions[@]}" >"$log" 2>&1; then
      echo "fuzz $name: a kept regression input fails again"
      report "$name" "$log"
      findings=$((findings + 1))
      continue
    fi
  fi

  [ -d "$folder/corpus" ] && cp -r "$folder/corpus/." "$build/corpus/$name/"
  dict=()
  [ -f "$folder/$name.dict" ] && dict=(-dict="$folder/$name.dict")
  "$binary" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "${dict[@]}" \
    -artifact_prefix="$build/findings/$name/" "$build/corpus/$name" >>"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    echo "fuzz $name: ${runs:-?} runs in ${seconds} s, ${#regressions[@]} regression input(s), clean"
  else
    echo "fuzz $name: FINDING after ${runs:-?} runs (exit status $status)"
    report "$name" "$log"
    findings=$((findings + 1))
  fi
done

echo "fuzz: $findings target(s) with findings"
[ "$findings" -eq 0 ]
