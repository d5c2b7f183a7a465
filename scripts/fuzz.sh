#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 60), one after the other, from seeds taken from the
# committed corpora and the test fixtures. The grown corpora stay in build-fuzz/corpus, a crash
# in build-fuzz/findings; the run fails when a target finds one. A summary line per target
# gives its executions and coverage.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# VELLOWAY_FUZZ_TIMEOUT (default 30) is the seconds one input may take: a long run beside other
# work on a busy machine needs more, since the clock is the wall clock.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini registry conversions options xlsx sheet_xml xls ods xlsb import_xlsx import_xls)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DVELLOWAY_BUILD_FUZZ=ON -DVELLOWAY_SANITIZE=ON \
  -DVELLOWAY_BUILD_TESTS=OFF -DVELLOWAY_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target $(printf 'velloway_fuzz_%s ' "${targets[@]}")

# Seeds: the committed corpus of the target, and the fixtures that are inputs of its kind.
seed() {
  local target=$1 corpus=build-fuzz/corpus/$1
  mkdir -p "$corpus"
  [ -d "tests/fuzz/corpus/$target" ] && cp -n tests/fuzz/corpus/"$target"/* "$corpus"/
  case $target in
    import_xlsx) cp -n examples/*.xlsx tests/data/workbooks/*.xlsx "$corpus"/ ;;
    import_xls | xls) cp -n tests/data/workbooks/*.xls tests/data/workbooks/libreoffice/*.xls \
      tests/data/fuzz/*.xls "$corpus"/ ;;
    xlsx) cp -n tests/data/workbooks/*.xlsx "$corpus"/ ;;
    ini) cp -n share/Kestrion.ini "$corpus"/ ;;
  esac
}

mkdir -p build-fuzz/findings
status=0
for target in "${targets[@]}"; do
  seed "$target"
  options=(-max_total_time="$seconds" -rss_limit_mb=2048 -timeout="${VELLOWAY_FUZZ_TIMEOUT:-30}"
    -print_final_stats=1
    -artifact_prefix="build-fuzz/findings/$target-")
  [ "$target" = xlsx ] || [ "$target" = sheet_xml ] && options+=(-dict=tests/fuzz/xlsx.dict)
  [ "$target" = ods ] && options+=(-dict=tests/fuzz/ods.dict)
  log=build-fuzz/$target.log
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    nice build-fuzz/tests/fuzz/velloway_fuzz_"$target" "${options[@]}" "build-fuzz/corpus/$target" \
    >"$log" 2>&1; then
    status=1
    echo "$target: FAILED, see $log and build-fuzz/findings" >&2
    grep -E "ERROR|SUMMARY|Test unit written" "$log" >&2 || true
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  cov=$(echo "$last" | grep -o 'cov: [0-9]*' || true)
  ft=$(echo "$last" | grep -o 'ft: [0-9]*' || true)
  corpus=$(echo "$last" | grep -o 'corp: [0-9]*' || true)
  echo "$target: ${runs} executions in ${seconds} s, ${cov:-cov: ?}, ${ft:-ft: ?}, ${corpus:-corp: ?}"
done
exit $status
