#!/usr/bin/env bash
# Installs what is missing, builds, starts a simulated radio on port 1 and the
# desktop program. Set Q7_NO_SIM=1 to use a real programming cable instead.
set -euo pipefail
cd "$(dirname "$0")/.."
# True when the X display or the Wayland session named by the environment answers.
display_reachable() {
  [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
  local host="${DISPLAY%%:*}" number="${DISPLAY#*:}"
  number="${number%%.*}"
  if [ -z "$host" ] || [ "$host" = unix ]; then
    [ -S "/tmp/.X11-unix/X$number" ]
  else
    timeout 2 bash -c ">/dev/tcp/$host/$((6000 + number))" 2>/dev/null
  fi
}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "q7cps: no display found (DISPLAY is not set); start it from a desktop session, or run scripts/setup.sh (it installs xvfb) and then: xvfb-run scripts/run.sh"
  exit 1
fi
if ! display_reachable; then
  echo "q7cps: the display $DISPLAY does not answer; check DISPLAY, or run without one: xvfb-run scripts/run.sh"
  exit 1
fi
scripts/setup.sh
bin=build/bin
link="$PWD/$bin/q7sim-radio"
if [ -z "${Q7_NO_SIM:-}" ]; then
  # The simulated radio answers on a pseudo-terminal; port 1 of the program is
  # pointed at it through the "Ports" section of the settings file.
  "$bin/q7sim" --link "$link" --image data/Data/Sample.dat --save "$bin/Data/q7sim-memory.dat" >/dev/null &
  sim=$!
  trap 'kill $sim 2>/dev/null || true' EXIT
  for _ in $(seq 50); do [ -e "$bin/q7sim-radio" ] && break; sleep 0.1; done
  scripts/sim_port.sh point "$bin/corvane.def" "$link"
else
  # A real cable: port 1 no longer names the link of an earlier simulated radio.
  scripts/sim_port.sh forget "$bin/corvane.def" "$link"
fi
# A language change starts the program again in the same process, so the
# simulator stays until the program has really ended.
status=0
"$bin/q7cps" "$@" || status=$?
exit "$status"
