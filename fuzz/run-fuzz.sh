#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for FUZZ_SECONDS (default 600).
# Crashing inputs are written to build-fuzz/crashes/; keep each one in fuzz/regressions/<target>/
# once fixed, and it is replayed at every run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-600}
need=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
fi
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz -j "$(nproc)"
rm -rf build-fuzz/seeds && build-fuzz/make_fuzz_seeds build-fuzz/seeds
mkdir -p build-fuzz/crashes
status=0
for target in savegame recfile cp874 bidamount; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  regressions=()
  [ -d "fuzz/regressions/$target" ] && regressions=("fuzz/regressions/$target")
  echo "== $target: ${seconds}s"
  if ! build-fuzz/fuzz_$target "$corpus" "build-fuzz/seeds/$target" "${regressions[@]}" \
      -max_total_time="$seconds" -artifact_prefix="build-fuzz/crashes/$target-" -print_final_stats=1 2>&1 \
      | grep -E '^(Done|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)'; then
    status=1
  fi
  if ls build-fuzz/crashes/"$target"-* >/dev/null 2>&1; then
    echo "$target: crashing inputs in build-fuzz/crashes/"
    status=1
  fi
done
exit $status
