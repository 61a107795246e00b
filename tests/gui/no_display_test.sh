#!/usr/bin/env bash
# Without a display the program says so in one line and exits with status 1.
set -uo pipefail
program=$1
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
echo "status $status: $output"
[ "$status" -eq 1 ] || { echo "expected exit status 1"; exit 1; }
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "expected one line"; exit 1; }
printf '%s' "$output" | grep -q "display" || { echo "the line does not name the display"; exit 1; }

output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4242 "$program" 2>&1)
status=$?
echo "status $status: $output"
[ "$status" -eq 1 ] && printf '%s' "$output" | grep -q ":4242" || { echo "an unreachable display is not told"; exit 1; }
