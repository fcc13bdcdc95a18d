#!/usr/bin/env bash
# scripts/sim_port.sh: a run with the simulator points port 1 at its link, a
# run without it takes that entry away again and keeps what the user chose.
#   tests/scripts/sim_port_test.sh SCRIPT SCRATCH_FOLDER
set -euo pipefail
script=$1 work=$2
mkdir -p "$work"
settings="$work/corvane.def"
link=/tmp/q7sim-radio
failures=0
expect() {  # what, file content expected
  local shown
  shown="$(tr -d '\r' < "$settings")"
  if [ "$shown" != "$2" ]; then
    printf 'FAIL %s\n--- expected\n%s\n--- shown\n%s\n' "$1" "$2" "$shown"
    failures=$((failures + 1))
  fi
}

printf '[Setting]\r\nCOM=4\r\n' > "$settings"
"$script" point "$settings" "$link"
expect "first run with the simulator" "$(printf '[Setting]\nCOM=1\n\n[Ports]\n1=%s' "$link")"
"$script" forget "$settings" "$link"
expect "then a run without it" "$(printf '[Setting]\nCOM=1\n\n[Ports]')"
"$script" point "$settings" "$link"
expect "the simulator again" "$(printf '[Setting]\nCOM=1\n\n[Ports]\n1=%s' "$link")"

printf '[Ports]\r\n1=/dev/ttyUSB3\r\n2=/dev/ttyS0\r\n[Setting]\r\nCOM=2\r\n' > "$settings"
"$script" forget "$settings" "$link"
expect "a cable the user chose stays" \
  "$(printf '[Ports]\n1=/dev/ttyUSB3\n2=/dev/ttyS0\n[Setting]\nCOM=2')"
"$script" point "$settings" "$link"
expect "the simulator takes port 1 only" \
  "$(printf '[Ports]\n1=%s\n2=/dev/ttyS0\n[Setting]\nCOM=1' "$link")"

rm -f "$work/none.def"
"$script" forget "$work/none.def" "$link"
[ ! -e "$work/none.def" ] || { echo "FAIL forget made a settings file"; failures=$((failures + 1)); }
exit "$failures"
