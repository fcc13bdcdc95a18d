#!/usr/bin/env bash
# Port 1 of the desktop program and the simulated radio of scripts/run.sh:
#   scripts/sim_port.sh point  SETTINGS LINK   port 1 is LINK (the simulator), COM=1
#   scripts/sim_port.sh forget SETTINGS LINK   the entry "1=LINK" of [Ports] goes again
# "forget" keeps an entry that names something else (a cable the user chose),
# so without the simulator port 1 is again the system's first serial device.
set -euo pipefail
action=$1 settings=$2 link=$3

# Rewrites the settings file through awk: $1 is "point" or "forget".
edit_ports() {
  local kept
  kept="$(mktemp)"
  awk -v action="$1" -v entry="1=$link" '
    { line = $0; sub(/\r$/, "", line) }
    /^\[/ { ports = (line == "[Ports]") }
    ports && (action == "point" ? (line ~ /^1=/) : (line == entry)) { next }
    { print }
    action == "point" && line == "[Ports]" { printf "%s\r\n", entry; found = 1 }
    END { if (action == "point" && !found) printf "\r\n[Ports]\r\n%s\r\n", entry }
  ' "$settings" > "$kept"
  cat "$kept" > "$settings"
  rm -f "$kept"
}

case "$action" in
  point)
    edit_ports point
    sed -i 's/^COM=.*/COM=1\r/' "$settings"
    ;;
  forget)
    if [ -f "$settings" ]; then edit_ports forget; fi
    ;;
  *)
    echo "usage: $0 point|forget SETTINGS LINK" >&2
    exit 2
    ;;
esac
