#!/usr/bin/python3
# The real program on a private X server: the About panel, opened from the
# menu bar with the keyboard, gives the window system an empty title, while
# the main window keeps its own; it has a fixed size and a close button only,
# its credits name the compiler as its users know it; a click closes it.
#
# Usage: empty_title_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Atspi, Failure, run_test

TITLE = "KELDO アンインストーラ"
PANEL_SIZE = (420, 260)
# _MOTIF_WM_HINTS: flags, functions, decorations.
MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE, MWM_FUNC_CLOSE = 0x08, 0x10, 0x20
MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 0x20, 0x40
CREDITS_TOOLS = re.compile(r"\nMade with (GCC|Clang) \d+\.\d+\.\d+ and Qt 6\.\d+\.\d+\n")


def check_frame(ui, panel):
    """Equal minimum and maximum size at the panel's size, and of the buttons only close."""
    hints = subprocess.run(["xprop", "-id", panel, "WM_NORMAL_HINTS"], env=ui.env, capture_output=True,
                           text=True).stdout
    sizes = {kind: tuple(map(int, size)) for kind, *size in
             re.findall(r"program specified (minimum|maximum) size: (\d+) by (\d+)", hints)}
    if sizes != {"minimum": PANEL_SIZE, "maximum": PANEL_SIZE}:
        raise Failure("the About panel can be resized: %s" % hints.strip())
    _, functions, decorations = (int(v, 16) for v in ui.x_text_property(panel, "_MOTIF_WM_HINTS").split(", ")[:3])
    if (not functions & MWM_FUNC_CLOSE or functions & (MWM_FUNC_MINIMIZE | MWM_FUNC_MAXIMIZE)
            or decorations & (MWM_DECOR_MINIMIZE | MWM_DECOR_MAXIMIZE)):
        raise Failure("the About panel's buttons are not close only: functions %#x, decorations %#x"
                      % (functions, decorations))


def check_credits(ui):
    frame = ui.wait("the About panel's labels", lambda: ui.top_level(Atspi.Role.FRAME, ""))
    labels = [n.get_name() for n in ui.walk(frame) if n.get_role() == Atspi.Role.LABEL]
    credits = next((text for text in labels if "Made with" in text), None)
    if not credits or not CREDITS_TOOLS.search(credits):
        raise Failure("the credits do not name the compiler by its name: %r" % credits)
    print("credits: %s" % CREDITS_TOOLS.search(credits).group(0).strip())


def about_panel(ui):
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
    check_frame(ui, panel)
    print("About panel: fixed size, close button only")
    check_credits(ui)

    x, y, width, height = ui.x_geometry(panel)
    ui.xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
    ui.wait("the About panel to close", lambda: panel not in ui.x_windows(), 5)
    ui.quit_with_shortcut(main)


if __name__ == "__main__":
    sys.exit(run_test(about_panel))
