#!/usr/bin/python3
# The help documents and the home page where the desktop has nothing to open
# them with (no opener or browser on the PATH, no desktop session): each Help
# menu command, chosen with the mouse in the real program, says so in an alert
# read through the accessibility tree, and the program goes on.
#
# Usage: no_opener_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import os
import sys
import tempfile

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Atspi, Failure, run_test

TITLE = "KELDO アンインストーラ"
HOME_PAGE = "https://www.keldo.example/KELDO/"
NOT_FOUND = "この書類を開くアプリケーションが見つかりません。書類は次の場所にあります：\n"
# What the desktop services look at to find an opener, a browser or a desktop.
DESKTOP = ("BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
           "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID")


def open_help(ui):
    frame = ui.wait("the main window", lambda: ui.top_level(Atspi.Role.FRAME, TITLE), 30)
    documents = os.path.join(os.path.dirname(os.path.dirname(os.path.realpath(sys.argv[1]))), "Resources",
                             "Japanese.lproj")

    def menu_item(name):
        return next((n for n in ui.walk(frame) if n.get_role() == Atspi.Role.MENU_ITEM and n.get_name() == name
                     and ui.shown(n)), None)

    def choose(item):
        ui.click(ui.wait("the Help menu", lambda: menu_item("Help")))
        ui.click(ui.wait('the menu item "%s"' % item, lambda: menu_item(item)))

    for item, document in (("お読み下さい", "お読み下さい.rtf"), ("簡易マニュアル", "簡易マニュアル.rtf")):
        choose(item)
        texts = ui.answer_alert("を開けませんでした。")
        wanted = ["「%s」を開けませんでした。" % item, NOT_FOUND + os.path.join(documents, document)]
        if texts != wanted:
            raise Failure("%s: the alert reads %r, not %r" % (item, texts, wanted))
        print("%s: %r" % (item, texts))

    choose("ホームページに接続...")
    ui.answer_alert("アンインストーラのホームページに接続しますか？", "接続する")
    texts = ui.answer_alert("ホームページに接続できませんでした。")
    wanted = ["ホームページに接続できませんでした。",
              "ブラウザを起動できません。お使いのブラウザで次のアドレスにアクセスして下さい：\n" + HOME_PAGE]
    if texts != wanted:
        raise Failure("home page: the alert reads %r, not %r" % (texts, wanted))
    print("home page: %r" % texts)


if __name__ == "__main__":
    with tempfile.TemporaryDirectory(prefix="keldo-no-openers-") as nothing:
        sys.exit(run_test(open_help, program_env=dict(dict.fromkeys(DESKTOP), PATH=nothing, XDG_DATA_DIRS=nothing)))
