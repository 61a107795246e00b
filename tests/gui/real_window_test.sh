#!/usr/bin/env bash
# Starts the real program on a private X server, waits for its main window,
# checks its title and that the toolbar and menu bar sit around the 640 x 400
# content, then quits it with the Quit shortcut and expects a clean exit.
set -euo pipefail
program=$1
title="KELDO アンインストーラ"

work=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number: the first without a socket or a lock file.
display_number=90
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
  display_number=$((display_number + 1))
done
Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.1; done

export DISPLAY=":$display_number" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$program" >"$work/app.log" 2>&1 &
app_pid=$!

window=
for _ in $(seq 150); do
  window=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$app_pid" 2>/dev/null || { echo "the program ended before its window appeared"; cat "$work/app.log"; exit 1; }
  sleep 0.2
done
[ -n "$window" ] || { echo "no window titled \"$title\" appeared"; cat "$work/app.log"; exit 1; }
echo "window $window: $(xdotool getwindowname "$window")"

# The window holds the 640 x 400 content plus the menu bar and the toolbar.
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "geometry ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -ge 640 ] || { echo "window narrower than its content"; exit 1; }
[ "$HEIGHT" -ge 460 ] || { echo "no room for the menu bar and the toolbar above the content"; exit 1; }

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then echo "the program did not quit"; cat "$work/app.log"; exit 1; fi
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || { echo "the program exited with status $status"; cat "$work/app.log"; exit 1; }
echo "quit cleanly"
