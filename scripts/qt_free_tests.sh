#!/usr/bin/env bash
# Configures build-noqt/ with -DQ7_GUI=OFF while refusing to find Qt at all,
# builds the logic, q7cli, q7sim and the Qt-free tests, and runs them: the
# tools package's programs build and pass their tests without Qt. ccache
# gives back what build/ compiled with the same flags.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --no-warn-unused-cli -S . -B build-noqt -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQ7_GUI=OFF \
      -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build build-noqt
cd build-noqt
ctest --output-on-failure -j2
