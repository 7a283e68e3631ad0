#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window on a private X server, used as a person would: it starts on
# the simulated controller and reads it, shrugs off Escape, opens an option
# list from the keyboard and closes it with Escape, and ends through the File
# menu's E&xit, having kept the read in its history. Exits 77 (skipped) where
# no X server can be started here.
set -u
program=${1:?usage: window_smoke.sh PATH/TO/vuriru-link}
skip() { echo "skipped: $*"; exit 77; }
fail() { echo "FAILED: $*"; [ -f "$work/program.err" ] && sed 's/^/  program: /' "$work/program.err"; exit 1; }

command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v xdotool >/dev/null || skip "xdotool is not installed"
command -v xwd >/dev/null || skip "xwd is not installed"

work=$(mktemp -d)
server=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number of its own, chosen by the server.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xvfb could not start: $(head -c 300 "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# The history goes to the scratch folder, not the user's.
export XDG_DATA_HOME="$work/data"

"$program" --simulate full --verbose 2>"$work/program.err" &
app=$!
for _ in $(seq 200); do
  grep -q "controller read" "$work/program.err" && break
  kill -0 "$app" 2>/dev/null || fail "the program ended before reading the controller"
  sleep 0.1
done
grep -q "controller read" "$work/program.err" || fail "no read within 20 s"
# The read is kept in the history, under XDG_DATA_HOME.
[ -s "$work/data/vuriru-link/library.sqlite3" ] || fail "the read was not kept in \$XDG_DATA_HOME/vuriru-link"

window=$(xdotool search --name "Vuriru USB Link V11 Beta" | head -n1)
[ -n "$window" ] || fail "no window titled 'Vuriru USB Link V11 Beta'"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
snapshot() { xwd -silent -id "$window" | md5sum | cut -d' ' -f1; }

# Escape by habit: the program goes on.
xdotool key --clearmodifiers Escape
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "Escape ended the program"

# The General page, by its button; then an option list from the keyboard.
xdotool mousemove --window "$window" 104 56 click 1
sleep 0.5
xdotool key --clearmodifiers Tab
sleep 0.3
before=$(snapshot)
xdotool key --clearmodifiers space
sleep 0.5
opened=$(snapshot)
[ "$opened" != "$before" ] || fail "Space on a value label opened no list"
xdotool key --clearmodifiers Escape
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "Escape in an open list ended the program"
closed=$(snapshot)
[ "$closed" != "$opened" ] || fail "Escape left the list open"

# E&xit from the File menu: nothing was changed, so it closes without asking.
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key --clearmodifiers x
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then fail "E&xit did not end the program within 5 s"; fi
wait "$app"
status=$?
app=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "window smoke test passed"
