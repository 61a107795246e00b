#!/usr/bin/python3
# A move to the Trash that leaves items behind, as a user meets it: the
# auto-get and the move started from the real program's toolbar, the
# confirmation answered with the mouse; the items of a Preferences folder that
# cannot be changed stay, and so does the Application Support folder that holds
# the Trash, the application goes, and one message read through the
# accessibility tree names what stayed under every reason why.
#
# Usage: trash_failure_test.py PROGRAM. Exit status 77: no Xvfb, or no folder
# can be made immutable here (skipped).
import os
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Atspi, Failure, run_test

TITLE = "KELDO アンインストーラ"
GET, MOVE = "自動で取得", "ゴミ箱に移動"
PREFERENCES = os.path.join("Library", "Preferences")
PLISTS = ["com.keldo.Tolvenade.%02d.plist" % n for n in range(1, 12)]
NOT_WRITABLE = ["Tolvenade初期設定"] + PLISTS  # in the list's order
HOLDS_TRASH = os.path.join("Library", "Application Support", "Tolvenade II")
STAYED = NOT_WRITABLE + [HOLDS_TRASH]
MOVED = os.path.join("Applications", "Tolvenade.app")
homes, immutable = [], []  # what make_home made, to be freed and removed whatever happens


def chattr(flag, path):
    return subprocess.run(["chattr", flag, path], capture_output=True).returncode == 0


def can_make_immutable():
    probe = tempfile.mkdtemp(prefix="keldo-immutable-")
    try:
        return shutil.which("chattr") and chattr("+i", probe) and chattr("-i", probe)
    finally:
        os.rmdir(probe)


def free_folders():
    while immutable:
        chattr("-i", immutable.pop())


def make_home(home):
    """Tolvenade II's application, which can go; its Application Support
    folder, which holds the Trash (~/.local leads into it); and its
    preferences folder and plists in a Preferences folder whose entries cannot
    be renamed, even by root."""
    homes.append(home)
    os.makedirs(os.path.join(home, MOVED, "Contents"))
    with open(os.path.join(home, MOVED, "Contents", "PkgInfo"), "w") as f:
        f.write("APPLwTq1\n")
    os.makedirs(os.path.join(home, HOLDS_TRASH, "local"))
    os.symlink(os.path.join(home, HOLDS_TRASH, "local"), os.path.join(home, ".local"))
    preferences = os.path.join(home, PREFERENCES)
    os.makedirs(os.path.join(preferences, NOT_WRITABLE[0]))
    for name in PLISTS:
        with open(os.path.join(preferences, name), "w") as f:
            f.write("<plist/>\n")
    if not chattr("+i", preferences):
        raise Failure("cannot make %s immutable" % preferences)
    immutable.append(preferences)


def move_to_trash(ui):
    buttons, listing = ui.buttons_and_list(TITLE, (GET, MOVE))

    def ready(name):
        return ui.shown(buttons[name]) and ui.has(buttons[name], Atspi.StateType.ENABLED)

    def names():
        return [name for name, in ui.cells(listing, 0)]

    ui.wait("the auto-get command", lambda: ready(GET))
    ui.click(buttons[GET])
    found = ["Tolvenade II", "Tolvenade.app"] + NOT_WRITABLE + ["Tolvenade II"]
    ui.wait(lambda: "the found items %r (the list holds %r)" % (found, names()),
            lambda: ready(MOVE) and names() == found)

    ui.click(buttons[MOVE])
    ui.answer_alert("本当にゴミ箱に移動しますか？")
    texts = ui.answer_alert("ゴミ箱に移動できませんでした")
    free_folders()  # at once: a test killed later leaves nothing that cannot be removed
    print("message: %r" % texts)
    # Ten names, dealt among the reasons in turn.
    message = "%d個の項目をゴミ箱に移動できませんでした。" % len(STAYED)
    explanation = "\n".join(["次の項目は元の場所に残っています。", "", "項目、または項目の入っているフォルダを変更できません："] +
                            ["・" + n for n in NOT_WRITABLE[:9]] + ["ほか3個の項目も残っています。", "",
                            "ディスクやゴミ箱、ゴミ箱を含むフォルダは移動できません：", "・Tolvenade II"])
    if texts != [message, explanation]:
        raise Failure("the message reads %r, not %r" % (texts, [message, explanation]))

    trash = os.path.join(ui.home, ".local", "share", "Trash", "files")
    if os.path.exists(os.path.join(ui.home, MOVED)) or not os.path.exists(
            os.path.join(trash, os.path.basename(MOVED))):
        raise Failure("%s did not go to the Trash" % MOVED)
    for stayed in [os.path.join(PREFERENCES, name) for name in NOT_WRITABLE] + [HOLDS_TRASH]:
        if not os.path.exists(os.path.join(ui.home, stayed)):
            raise Failure("%s is gone" % stayed)
    if names() != found:
        raise Failure("the list changed: %r" % names())


if __name__ == "__main__":
    if not can_make_immutable():
        print("skipped: no folder can be made immutable here (chattr +i needs root and a file system that has it)")
        sys.exit(77)
    try:
        status = run_test(move_to_trash, make_home=make_home)
    finally:
        free_folders()
        for home in homes:
            shutil.rmtree(home, ignore_errors=True)
    sys.exit(status)
