#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then runs the
# Qt-free tests again under the address and undefined-behaviour checks, and
# fuzzes the readers of data, settings and serial number files for a while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
cd ..
scripts/sanitized_tests.sh
scripts/fuzz.sh
