#!/usr/bin/env bash
# Checks the Debian packages as a dealer would meet them (run as root on a Debian
# 12 test machine; CI does not run it): builds them with cpack, checks that the
# tools package alone would bring no Qt library, installs both, and as a fresh
# non-root user on a virtual display opens a data file the desktop's way (gio
# open, which follows the data-file type to the desktop entry), then starts
# q7cps with its desktop entry's command, reads a simulated radio (Ctrl+R,
# Enter) and saves the data file (Ctrl+S, Enter on the question whether to
# save, a name typed into Save As). Screenshots go to $OUT. The packages are
# removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${OUT:-/tmp/q7cps-package-check}
user=dealer
home=/home/$user

scripts/setup.sh
apt-get install -y -qq --no-install-recommends xdotool imagemagick >/dev/null
(cd build && rm -f ./*.deb && cpack -G DEB >/dev/null)
tools=$(ls "$PWD"/build/q7cps-tools_*_amd64.deb)
gui=$(ls "$PWD"/build/q7cps_*_amd64.deb)
if apt-get install --simulate "$tools" | grep -i '^Inst .*qt'; then
  echo "FAIL: the tools package alone brings Qt"
  exit 1
fi
echo "ok: the tools package alone brings no Qt ($(dpkg-deb -f "$tools" Depends))"
apt-get install -y -qq "$tools" "$gui" >/dev/null
trap 'pkill -u "$user" q7sim || true; apt-get remove -y -qq q7cps q7cps-tools >/dev/null' EXIT
id "$user" >/dev/null 2>&1 || useradd -m "$user"
rm -rf "$OUT" && mkdir -p "$OUT" && chmod 777 "$OUT"
as_user() { runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

# The first run of any of the programs seeds the user's settings file.
as_user q7cli ports >/dev/null
settings=$home/.config/q7cps/corvane.def
test -f "$settings" || { echo "FAIL: no settings file at $settings"; exit 1; }
printf '\r\n[Ports]\r\n1=%s\r\n' "$home/radio" >>"$settings"
sed -i 's/^COM=.*/COM=1\r/' "$settings"

as_user q7sim --link "$home/radio" --image /usr/share/q7cps/Data/Sample.dat >/dev/null &

for _ in $(seq 50); do [ -e "$home/radio" ] && break; sleep 0.1; done

# Opening a data file from the desktop starts q7cps on it.
cp /usr/share/q7cps/Data/Sample.dat "$home/radio-opened.dat"
chown "$user:" "$home/radio-opened.dat"
opened=$(as_user xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  gio open $home/radio-opened.dat
  for _ in \$(seq 100); do xdotool search --name 'TARN Q7' >/dev/null && break; sleep 0.1; done
  sleep 3; import -window root $OUT/0-opened-from-desktop.png
  pgrep -a -u $user q7cps; pkill -u $user q7cps")
echo "started: $opened"

command=$(sed -n 's/^Exec=//; s/ %f$//p' /usr/share/applications/org.q7cps.q7cps.desktop)
as_user xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  $command & app=\$!
  sleep 6; import -window root $OUT/1-started.png
  # No window manager runs on the virtual display: give the window the focus.
  focus() { xdotool search --name 'TARN Q7' | head -1 | xargs -I{} xdotool windowfocus --sync {}; }
  focus; xdotool key ctrl+r; sleep 2; import -window root $OUT/2-read-window.png
  xdotool key Return; sleep 8; import -window root $OUT/3-read-done.png
  xdotool key Escape; sleep 1; focus; xdotool key ctrl+s; sleep 2; import -window root $OUT/4-save-question.png
  # A data file not saved before goes to Save As, on the data folder with no name.
  xdotool key Return; sleep 3; import -window root $OUT/5-save-as.png
  xdotool type radio.dat; xdotool key Return; sleep 2; import -window root $OUT/6-saved.png
  kill \$app"

fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }
check "gio open started q7cps on the data file" "grep -q 'q7cps $home/radio-opened.dat' <<<'$opened'"
check "the settings were stored (FirRun 0)" "grep -q '^FirRun=0' '$settings'"
check "the data folder is in the user's documents" "test -d '$home/Documents/q7cps'"
check "the data file was saved" "test -s '$home/Documents/q7cps/radio.dat'"
check "the saved file holds the simulated radio's memory" \
  "cmp -s -i 16:16 '$home/Documents/q7cps/radio.dat' /usr/share/q7cps/Data/Sample.dat"
echo "screenshots: $OUT"
exit $fail
