#!/usr/bin/env bash
# Starts the real program on a private X server, opens the About panel from
# the menu bar with the keyboard and checks the title the window system is
# given: the main window's own, and none at all for the panel, whose title is
# empty.
set -euo pipefail
program=$1

work=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$1"; cat "$work/app.log" 2>/dev/null || true; exit 1; }

# The server picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"

export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$program" >"$work/app.log" 2>&1 &
app_pid=$!

# The value of a text property of a window; "absent" when it has none.
property() {
  local line
  line=$(xprop -id "$1" "$2" 2>/dev/null) || { echo absent; return; }
  case "$line" in *" = "*) value=${line#* = }; value=${value#\"}; echo "${value%\"}" ;; *) echo absent ;; esac
}

main=
for _ in $(seq 150); do
  main=$(xdotool search --name "^KELDO アンインストーラ\$" 2>/dev/null | head -n 1 || true)
  [ -n "$main" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window appeared"
  sleep 0.2
done
[ -n "$main" ] || fail "the main window did not appear"
[ "$(property "$main" _NET_WM_NAME)" = "KELDO アンインストーラ" ] || fail "main window title: $(property "$main" _NET_WM_NAME)"

# Alt opens the menu bar; the About item is the one enabled item of the
# second menu.
xdotool windowfocus --sync "$main"
for key in alt Right Down Return; do xdotool key --clearmodifiers "$key"; sleep 0.3; done

panel=
for _ in $(seq 50); do
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
    [ "$w" = "$main" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" = 420 ] && [ "$HEIGHT" = 260 ] && panel=$w
  done
  [ -n "$panel" ] && break
  sleep 0.2
done
[ -n "$panel" ] || fail "the About panel did not appear"
for name in WM_NAME _NET_WM_NAME; do
  value=$(property "$panel" "$name")
  [ -z "$value" ] || fail "the About panel's $name is \"$value\", not empty"
done
echo "About panel $panel: no title"

# A click closes the panel; the Quit shortcut ends the program.
eval "$(xdotool getwindowgeometry --shell "$panel")"
xdotool mousemove $((X + 210)) $((Y + 130)) click 1
for _ in $(seq 50); do xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -qx "$panel" || break; sleep 0.1; done
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not quit"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program exited with status $status"
