#!/usr/bin/env bash
# Builds the fuzz targets of the text conversions natively with clang's
# libFuzzer and runs them one after another, each for the given seconds
# (default 60). New inputs are kept in FUZZ_BUILD_DIR/corpus for the next run;
# an input that gives a wrong result or crashes lands in FUZZ_BUILD_DIR/findings.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi
build=${FUZZ_BUILD_DIR:-${BUILD_DIR:-$root/build}/fuzz-native}
targets=(config_text decimal hex_bytes_file hex_bytes_variable)

"$root/scripts/setup.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
if ! output=$(cmake --build "$build" --parallel 2 2>&1); then
  echo "$output" >&2
  exit 1
fi

# The last value a libFuzzer log gives for a field such as "cov:".
field() { grep -o "$2 [0-9/a-z]*" "$1" | tail -n 1 | cut -d' ' -f2; }
stat() { sed -n "s/^stat::$2: *//p" "$1"; }

failed=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  log=$build/$target.log
  mkdir -p "$corpus" "$findings"
  seeds=()
  [ -d "$root/fuzz/corpus/$target" ] && seeds=("$root/fuzz/corpus/$target")
  echo "fuzz: $target for ${seconds} s"
  started=$(date +%s)
  if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    failed+=("$target")
    grep -E '^(WRONG RESULT|  for the text|==[0-9]+==ERROR|SUMMARY)|runtime error|Test unit written' "$log" >&2
    echo "fuzz: the whole report is in $log" >&2
  fi
  printf 'fuzz: %-18s %4d s %12s executions %8s/s  cov %s  corpus %s\n' "$target" \
    "$(($(date +%s) - started))" "$(stat "$log" number_of_executed_units)" \
    "$(stat "$log" average_exec_per_sec)" "$(field "$log" cov:)" "$(field "$log" corp:)"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: wrong results or crashes in ${failed[*]}; inputs in $build/findings" >&2
  exit 1
fi
