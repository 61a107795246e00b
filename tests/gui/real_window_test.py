#!/usr/bin/python3
# The real program on a private X server: its main window appears with its
# title, holds the 640 x 400 content with the menu bar and the toolbar above
# it, and the Quit shortcut ends the program cleanly.
#
# Usage: real_window_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import sys

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Failure, run_test

TITLE = "KELDO アンインストーラ"


def open_and_quit(ui):
    window = ui.x_window(TITLE)
    print("window %s: %s" % (window, ui.xdotool("getwindowname", window).strip()))
    _, _, width, height = ui.x_geometry(window)
    print("geometry %dx%d" % (width, height))
    if width < 640:
        raise Failure("window narrower than its content")
    if height < 460:
        raise Failure("no room for the menu bar and the toolbar above the content")
    ui.quit_with_shortcut(window)
    print("quit cleanly")


if __name__ == "__main__":
    sys.exit(run_test(open_and_quit, accessibility=False))
