#!/usr/bin/env bash
# Kills Railvane with SIGKILL in the middle of unsaved work and starts it again, as a crash or a
# power cut would: the next start must offer the work back, Yes must restore it under the
# layout's own name as unsaved work, and Ctrl+S must then write it into the layout's own file.
# Keys are pressed through the X server (xdotool), as a user would press them.
# usage: kill_restart_test.sh PROGRAM LAYOUT
set -euo pipefail
program=$1
layout=$2

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  if [[ -n "$app_pid" ]]; then
    { kill -9 "$app_pid" && wait "$app_pid"; } 2>/dev/null || true
  fi
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  if [[ -n "$xvfb_pid" ]] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "  the display ${DISPLAY:-} is gone" >&2
  fi
  [[ -s "$work/run.log" ]] && sed 's/^/  program: /' "$work/run.log" >&2
  exit 1
}

# Polls a condition every 0.1 s for at most two minutes (a loaded machine starts slowly); never
# waits a fixed time.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 1200); do
    if "$@" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  fail "timed out waiting for $what"
}

# A private display, so the keys go nowhere else; Xvfb picks a free number itself and writes it
# out once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
wait_for "the display" test -s "$work/display"
# No session bus: the program must not wait on one being started for it.
export DISPLAY=:$(head -1 "$work/display") NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory \
  DBUS_SESSION_BUS_ADDRESS=disabled:

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME/.railvane" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
# A user who has answered the first-run question and chose no splash: this test is about the
# restart, and a fresh build folder has no preferences of its own.
printf 'playful=0\nasked=1\nunits=0\n' >"$HOME/.railvane/prefs.cfg"
file=$work/Harbour.tdl
cp "$layout" "$file"
pieces_before=$(grep -c "<piece " "$file")
name=$(sed -n 's/.*<layout name="\([^"]*\)".*/\1/p' "$file" | head -1)
copy=$XDG_DATA_HOME/railvane/recovery.tdl

window_named() { xdotool search --onlyvisible --name "$1" | head -1; }
start() {
  "$program" "$@" >"$work/run.log" 2>&1 &
  app_pid=$!
}
press() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window"
  xdotool key --delay 20 "$@"
}

start "$file"
wait_for "the main window" window_named " - $name\$"
main=$(window_named " - $name\$")
# Select all, copy, and paste twenty times: twenty edits make a recovery copy due.
press "$main" ctrl+a ctrl+c
for _ in $(seq 20); do
  press "$main" ctrl+v
done
wait_for "the recovery copy" test -s "$copy"
wait_for "the unsaved mark" window_named " - $name \*\$"
copied=$(grep -c "<piece " "$copy")
[[ $copied -eq $((pieces_before * 21)) ]] || fail "the copy holds $copied pieces, not $((pieces_before * 21))"

kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
[[ $(grep -c "<piece " "$file") -eq $pieces_before ]] || fail "the layout file changed without a save"

start
wait_for "the restore question" window_named "Restore Unsaved Work"
press "$(window_named "Restore Unsaved Work")" Return
wait_for "the restored layout, marked unsaved" window_named " - $name \*\$"
press "$(window_named " - $name \*\$")" ctrl+s
wait_for "the save" bash -c "[[ \$(grep -c '<piece ' '$file') -eq $copied ]]"
wait_for "the saved title" window_named " - $name\$"
wait_for "the copy to go" test ! -e "$copy"
echo "restored $copied pieces after SIGKILL and saved them into $(basename "$file")"
