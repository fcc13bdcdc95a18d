#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; builds the Debian
# packages and checks them with lintian; builds and tests the Qt-free part
# without Qt; then runs the Qt-free tests again under the address and
# undefined-behaviour checks, and fuzzes the readers of data, settings and
# serial number files for a while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
cd ..
scripts/package_lint.sh
scripts/qt_free_tests.sh
scripts/sanitized_tests.sh
scripts/fuzz.sh
