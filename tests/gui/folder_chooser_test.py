#!/usr/bin/python3
# The folder search as a user meets it: the real program's toolbar button
# clicked with the mouse, the chooser read through the accessibility tree,
# Escape pressed once (with no Documents folder the chooser opens in the
# home folder, its parent); then, with Documents made, the chooser opens there,
# a folder's path is typed and Enter pressed; the search rows must appear in
# the main window's list.
#
# Usage: folder_chooser_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import os
import struct
import sys

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Atspi, Failure, run_test

TITLE = "KELDO アンインストーラ"
SEARCH = "指定場所を探す…"
STOP = "中止"
PROMPT = "検索を開始するフォルダを指定して下さい。"
# What the search finds in the fake home's "Search" folder, in list order.
EXPECTED_ROWS = [("Plan", "Tolvenade II（書類）"), ("Tolvenade.app", "Tolvenade II（アプリ）")]


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def apple_double(type_creator):
    """A "._name" companion file holding only Finder info, as a foreign volume keeps it."""
    data = struct.pack(">II16sH", 0x00051607, 0x00020000, b"", 2)
    data += struct.pack(">III", 9, 50, 32) + struct.pack(">III", 2, 82, 0)
    return data + bytes(50 - len(data)) + type_creator + bytes(24)


def make_home(home):
    """No Documents (where the chooser is asked to open), and a folder "Search"
    holding an application of the catalogue (by its code), one of its documents
    (by type and creator), a file of no product, and packages whose PkgInfo
    begins with a catalogue code but whose first line is longer."""
    search = os.path.join(home, "Search")
    write(os.path.join(search, "Tools", "Tolvenade.app", "Contents", "PkgInfo"), b"APPLwTq1\n")
    for name, first_line in (("Pelmora.app", b"APPLwTq5EXTRA"), ("Zoruba.app", b"APPLwTq4 "),
                             ("Marlocane.app", b"APPLwTq2\0"), ("Board.app", b"PanlwTq4....")):
        write(os.path.join(search, "Tools", name, "Contents", "PkgInfo"), first_line)
    write(os.path.join(search, "Notes", "Plan"), b"plan\n")
    write(os.path.join(search, "Notes", "._Plan"), apple_double(b"Brd3wTq1"))
    write(os.path.join(search, "Notes", "Other"), b"not the maker's\n")


def use_search(ui):
    searched = os.path.join(ui.home, "Search")
    buttons, listing = ui.buttons_and_list(TITLE, (SEARCH, STOP))

    def enabled(name):
        return ui.has(buttons[name], Atspi.StateType.ENABLED)

    def rows():
        """Each row's name and kind."""
        return ui.cells(listing, 0, 2)

    def open_chooser(folder, inside):
        """Clicks the toolbar button; once the chooser's prompt, path field and
        folder list are all shown, the list in folder (its combo box names it,
        the list holds the folder inside), clicks the path field."""
        ui.wait("the search button", lambda: ui.shown(buttons[SEARCH]) and enabled(SEARCH))
        ui.click(buttons[SEARCH])
        dialog = ui.wait("the folder chooser", lambda: ui.top_level(Atspi.Role.DIALOG))
        views = (Atspi.Role.TREE, Atspi.Role.TREE_TABLE, Atspi.Role.TABLE, Atspi.Role.LIST)

        def path_field():
            nodes = [n for n in ui.walk(dialog) if ui.shown(n)]
            prompt = any(n.get_role() == Atspi.Role.LABEL and n.get_name() == PROMPT for n in nodes)
            at = any(n.get_role() == Atspi.Role.COMBO_BOX and n.get_name() == folder for n in nodes)
            listed = any(n.get_name() == inside and n.get_parent().get_role() in views
                         and ui.shown(n.get_parent()) for n in nodes)
            fields = [n for n in nodes if n.get_role() in (Atspi.Role.TEXT, Atspi.Role.ENTRY)
                      and ui.has(n, Atspi.StateType.EDITABLE)]
            return fields[0] if prompt and at and listed and fields else None

        field = ui.wait(lambda: "the chooser's prompt, path field and folder list, all shown, in %s; shown: %r" % (
            folder, [(n.get_role_name(), n.get_name()) for n in ui.walk(dialog) if ui.shown(n)]), path_field)
        if not enabled(STOP) or enabled(SEARCH):
            raise Failure("the commands are not those of a running search while the chooser is up")
        ui.click(field)

    def commands_restored():
        return enabled(SEARCH) and not enabled(STOP) and ui.top_level(Atspi.Role.DIALOG) is None

    # Escape: no search, nothing listed, the commands back.
    open_chooser(ui.home, "Search")
    ui.xdotool("key", "Escape")
    ui.wait("the chooser to close and the commands to come back after Escape", commands_restored)
    if rows():
        raise Failure("Escape listed rows: %r" % rows())
    print("Escape: no search")

    # A typed path and Enter: that folder is searched.
    os.makedirs(os.path.join(ui.home, "Documents", "Letters"))
    open_chooser(os.path.join(ui.home, "Documents"), "Letters")
    ui.xdotool("type", "--delay", "10", searched)
    ui.xdotool("key", "Return")
    ui.wait(lambda: "the search rows %r (the list holds %r)" % (EXPECTED_ROWS, rows()),
            lambda: commands_restored() and rows() == EXPECTED_ROWS)
    print("typed path and Enter: rows %r" % rows())


if __name__ == "__main__":
    sys.exit(run_test(use_search, make_home=make_home))
