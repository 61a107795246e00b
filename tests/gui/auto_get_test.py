#!/usr/bin/python3
# The auto-get run as a user meets it in the real program: a lost location is
# asked for again in a chooser that says what it asks, opening in the home
# folder; then the list of what was found, whose columns fit the view, whose
# cut-short names show whole in a tooltip under the mouse (and whole ones
# show none), and which scrolls sideways once its name column is widened.
# An application is listed when its PkgInfo's first line is its code, and
# not when that line only begins with it.
#
# Usage: auto_get_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import os
import struct
import sys
import time

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Atspi, Failure, run_test

TITLE = "KELDO アンインストーラ"
AUTO_GET = "自動で取得"
STOP = "中止"
LOST_PATH = "Macintosh HD:gone away:seventeen:"
LOST_ALIAS = "「%s」が見つかりません。再指定して下さい。" % LOST_PATH
LOST_RECORD = "必要なファイルの所在が不明なので、処理を続行できません。"
# Property lists that differ only after the width of the name column.
PLISTS = ["com.keldo.Tolvenade.preferences.window-layout.%02d.plist" % i for i in range(30)]
# Applications by their PkgInfo: listed, and not listed.
APPLICATIONS = {"Zoruba.app": b"APPLwTq4\r\n", "Pelmora.app": b"APPLwTq5EXTRA"}
LISTED_APPLICATION = "Zoruba.app"


def make_home(home):
    """The preferences of a product: its property lists, and a record file
    (plain layout) whose first location record names a place that is gone."""
    preferences = os.path.join(home, "Library", "Preferences")
    os.makedirs(os.path.join(preferences, "Pelmora初期設定"))
    for name in PLISTS:
        with open(os.path.join(preferences, name), "wb") as f:
            f.write(b"<plist/>\n")

    def counted(data):
        return bytes([len(data)]) + data

    def location(data):
        return struct.pack(">i", len(data)) + data

    # The header, no leading values, twenty records: 0 to 16 counted, 17 to 19 locations.
    records = [counted(b"")] * 17 + [location(LOST_PATH.encode()), location(b""), location(b"")]
    with open(os.path.join(preferences, "Pelmora初期設定", "pref"), "wb") as f:
        f.write(counted(b"KELDO") + struct.pack(">ii", 0, len(records)) + b"".join(records))
    for name, pkg_info in APPLICATIONS.items():
        os.makedirs(os.path.join(home, "Applications", name, "Contents"))
        with open(os.path.join(home, "Applications", name, "Contents", "PkgInfo"), "wb") as f:
            f.write(pkg_info)


def auto_get(ui):
    buttons, listing = ui.buttons_and_list(TITLE, (AUTO_GET, STOP))

    def shown_in(window, role, name=None):
        return next((n for n in ui.walk(window) if n.get_role() == role and name in (None, n.get_name())
                     and ui.shown(n)), None)

    ui.wait("the auto-get button", lambda: ui.shown(buttons[AUTO_GET]))
    ui.click(buttons[AUTO_GET])

    # The lost location: the message, then the chooser saying it again.
    ui.answer_alert(LOST_ALIAS)
    chooser = ui.wait("the chooser", lambda: ui.top_level(Atspi.Role.DIALOG))
    ui.wait(lambda: "the chooser's prompt and the home folder; shown: %r" % [
        (n.get_role_name(), n.get_name()) for n in ui.walk(chooser) if ui.shown(n)],
        lambda: shown_in(chooser, Atspi.Role.LABEL, LOST_ALIAS) and shown_in(chooser, Atspi.Role.COMBO_BOX, ui.home))
    ui.click(ui.wait("the path field", lambda: next((n for n in ui.walk(chooser) if n.get_role() in (
        Atspi.Role.TEXT, Atspi.Role.ENTRY) and ui.has(n, Atspi.StateType.EDITABLE) and ui.shown(n)), None)))
    ui.xdotool("key", "Escape")
    ui.answer_alert(LOST_RECORD)
    print("lost location: asked again in a chooser that says so, opening in the home folder")

    def row_of(name):
        for row in range(listing.get_n_rows()):
            if listing.get_accessible_at(row, 0).get_name() == name:
                return row
        return None

    ui.wait("the run to end with every property list listed", lambda: ui.has(
        buttons[AUTO_GET], Atspi.StateType.ENABLED) and not ui.has(buttons[STOP], Atspi.StateType.ENABLED)
        and all(row_of(name) is not None for name in PLISTS))
    listed = [name for name in APPLICATIONS if row_of(name) is not None]
    if listed != [LISTED_APPLICATION]:
        raise Failure("applications listed: %r, not only %r" % (listed, LISTED_APPLICATION))
    print("applications: listed by a PkgInfo line that is their code, only")

    # Tooltips show in the active window only. A property list's row on the
    # screen: its name is cut short, its kind ("plist") is whole.
    ui.xdotool("windowfocus", "--sync", ui.x_window(TITLE))
    row = next(r for r in map(row_of, PLISTS) if ui.shown(listing.get_accessible_at(r, 0)))
    name = listing.get_accessible_at(row, 0).get_name()

    def hover(column):
        r = listing.get_accessible_at(row, column).get_extents(Atspi.CoordType.SCREEN)
        ui.xdotool("mousemove", str(r.x + r.width // 2), str(r.y + r.height // 2))

    def tooltip():
        tip = ui.top_level(Atspi.Role.TOOL_TIP)
        return tip.get_name() if tip is not None and ui.has(tip, Atspi.StateType.SHOWING) else None

    hover(2)
    time.sleep(2)
    if tooltip():
        raise Failure("a whole text shows the tooltip %r" % tooltip())
    hover(0)
    ui.wait(lambda: "the tooltip %r (shown: %r)" % (name, tooltip()), lambda: tooltip() == name, 5)
    print("cut-short name: whole in a tooltip; whole text: none")

    # A click near the bottom right of the list, where a horizontal scroll
    # bar would be, lands on a row while the columns fit the view.
    box = listing.get_extents(Atspi.CoordType.SCREEN)
    bottom_right = (str(box.x + box.width * 3 // 4), str(box.y + box.height - 8))
    ui.xdotool("mousemove", *bottom_right, "click", "1")
    ui.wait("a click at the bottom of the list to select a row", lambda: any(
        ui.has(listing.get_accessible_at(r, 0), Atspi.StateType.SELECTED) for r in range(listing.get_n_rows())), 5)

    # The name column's right edge dragged 400 pixels to the right pushes the
    # kind column out of the view; a click on the scroll bar brings it back.
    # The name cell is made current first: the view keeps its current cell in
    # sight, and the click above made it a kind cell.
    selected = next(r for r in range(listing.get_n_rows())
                    if ui.has(listing.get_accessible_at(r, 0), Atspi.StateType.SELECTED))
    ui.click(listing.get_accessible_at(selected, 0))
    ui.wait("the name cell to be current", lambda: ui.has(listing.get_accessible_at(selected, 0),
                                                          Atspi.StateType.FOCUSED), 5)
    kind = listing.get_accessible_at(row, 2)
    heading = listing.get_column_header(0).get_extents(Atspi.CoordType.SCREEN)
    x, y = heading.x + heading.width - 1, heading.y + heading.height // 2
    ui.xdotool("mousemove", str(x), str(y), "mousedown", "1")
    for step in range(1, 9):
        ui.xdotool("mousemove", str(x + 50 * step), str(y))
    ui.xdotool("mouseup", "1")
    ui.wait("the kind column to leave the view", lambda: not ui.shown(kind), 10)
    ui.xdotool("mousemove", *bottom_right, "click", "1")

    def kind_in_view():
        r = kind.get_extents(Atspi.CoordType.SCREEN)
        return ui.shown(kind) and r.x >= box.x and r.x + r.width <= box.x + box.width
    ui.wait("the scroll bar to bring the kind column back into view", kind_in_view, 5)
    print("widened name column: the list scrolls sideways")

if __name__ == "__main__":
    sys.exit(run_test(auto_get, make_home=make_home))
