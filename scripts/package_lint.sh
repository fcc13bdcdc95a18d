#!/usr/bin/env bash
# Builds the Debian packages from build/ (cpack) and runs lintian on each;
# fails on any error or warning. The infos that remain are named in the
# README's Installing section.
set -euo pipefail
cd "$(dirname "$0")/../build"
rm -f ./*.deb
cpack -G DEB >/dev/null
for deb in ./*.deb; do
  echo "lintian $deb"
  lintian --display-info --fail-on error,warning "$deb"
done
