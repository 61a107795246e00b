#!/usr/bin/python3
# The real program on a private X server: the About panel, opened from the
# menu bar with the keyboard, gives the window system an empty title, while
# the main window keeps its own; a click closes the panel.
#
# Usage: empty_title_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import sys
import time

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Failure, run_test

TITLE = "KELDO アンインストーラ"
PANEL_SIZE = (420, 260)


def about_panel_title(ui):
    main = ui.x_window(TITLE)
    if ui.x_text_property(main, "_NET_WM_NAME") != TITLE:
        raise Failure("main window title: %r" % ui.x_text_property(main, "_NET_WM_NAME"))

    # Alt opens the menu bar; the About item is the one enabled item of the second menu.
    ui.xdotool("windowfocus", "--sync", main)
    for key in ("alt", "Right", "Down", "Return"):
        ui.xdotool("key", "--clearmodifiers", key)
        time.sleep(0.3)
    panel = ui.wait("the About panel", lambda: next(
        (w for w in ui.x_windows() if w != main and ui.x_geometry(w)[2:] == PANEL_SIZE), None), 10)
    for name in ("WM_NAME", "_NET_WM_NAME"):
        value = ui.x_text_property(panel, name)
        if value != "":
            raise Failure("the About panel's %s is %r, not empty" % (name, value))
    print("About panel %s: no title" % panel)

    x, y, width, height = ui.x_geometry(panel)
    ui.xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
    ui.wait("the About panel to close", lambda: panel not in ui.x_windows(), 5)
    ui.quit_with_shortcut(main)


if __name__ == "__main__":
    sys.exit(run_test(about_panel_title, accessibility=False))
