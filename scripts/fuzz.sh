#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang's libFuzzer (and the address and
# undefined-behaviour checks) into build-fuzz/ and runs each for a bounded
# time from a seed corpus of the shipped files. FUZZ_SECONDS sets the time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-45}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DQ7_GUI=OFF -DQ7_SANITIZE=ON -DQ7_FUZZ=ON \
      -DBUILD_TESTING=OFF >/dev/null
targets=(data_file_fuzz profile_file_fuzz serial_numbers_fuzz fleet_table_fuzz)
cmake --build build-fuzz --target "${targets[@]}"

# Seeds: the shipped images and settings file, a serial number file, and a
# fleet file and channel table exported from the sample image.
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{data_file_fuzz,profile_file_fuzz,serial_numbers_fuzz,fleet_table_fuzz}
cp data/Data/*.dat data/*.def "$seeds/data_file_fuzz/"
cp data/*.def "$seeds/profile_file_fuzz/"
cp fuzz/seeds/serial_numbers/* data/*.def "$seeds/serial_numbers_fuzz/"
cp fuzz/seeds/fleet_table/* "$seeds/fleet_table_fuzz/"

for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzzing $target for ${seconds}s"
  (cd build-fuzz && ./bin/"$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$target-" "../$corpus" "../$seeds/$target" 2>&1 | tail -n 12)
done
