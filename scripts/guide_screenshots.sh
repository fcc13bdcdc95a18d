#!/usr/bin/env bash
# Makes the user guide's screenshots from the running program, in each
# language, under a virtual display: data/help/<lang>/main.png (the channel
# grid with the sample data file) and pages.png (the Common Set page).
# Needs the built program (scripts/setup.sh) and xvfb, xdotool, imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/bin
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "guide_screenshots: $tool is missing" >&2; exit 1; }
done

shoot() {  # language index, folder name, x of the Common Set tab
  local work shots
  work=$(mktemp -d)
  shots=data/help/$2
  cp "$bin/q7cps" "$bin"/*.def "$bin"/*.html "$work/"
  cp -r "$bin/Data" "$work/"
  sed -i -e "s/^Language=.*/Language=$1/" -e "s/^FirRun=.*/FirRun=0/" "$work/corvane.def"
  mkdir -p "$shots"
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -e
    "$1/q7cps" "$1/Data/Sample.dat" &
    program=$!
    window=$(xdotool search --sync --onlyvisible --name "TARN Q7" | head -n1)
    xdotool windowmove "$window" 0 0 windowsize "$window" 1024 768
    sleep 2
    import -window root "$2/main.png"
    xdotool mousemove "$3" 492 click 1
    sleep 1
    import -window root "$2/pages.png"
    kill "$program"
  ' shoot "$work" "$PWD/$shots" "$3"
  rm -rf "$work"
}

shoot 1 zh_CN 118
shoot 2 zh_TW 118
shoot 3 en 145
for png in data/help/*/*.png; do
  convert "$png" -resize 85% -strip "$png"
done
echo "guide screenshots in data/help/"
