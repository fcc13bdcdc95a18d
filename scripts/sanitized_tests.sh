#!/usr/bin/env bash
# Builds the logic, q7cli, q7sim and the Qt-free tests (the end-to-end tests
# among them) with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs them; the first fault found ends the run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
      -DQ7_GUI=OFF -DQ7_SANITIZE=ON >/dev/null
cmake --build build-asan --target q7core_tests q7cli q7sim q7data
cd build-asan
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --output-on-failure -j2
