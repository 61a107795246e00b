#!/usr/bin/python3
# The real program in a home that holds what real disks hold: damaged and
# hostile packages in its Applications folder (a NUL inside an Info.plist
# string, plists nested thousands deep, a 4 MB plist whose one string is
# referred to 50,000 times, a 1 GiB PkgInfo without a line end) and, in a
# searched folder, the same packages, a link farm whose folders are reached
# through 2^30 paths and links to the kernel's own file systems. An auto-get
# and then a search, both started from the toolbar as a user does, must end
# with each hit listed once, and the program's peak memory must stay under
# 300 MB: the program is stopped as soon as it passes that.
#
# Usage: hostile_home_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import os
import struct
import sys
import threading
import time

sys.dont_write_bytecode = True  # no cache files in the source tree
from real_window import Atspi, Failure, run_test

TITLE = "KELDO アンインストーラ"
AUTO_GET = "自動で取得"
SEARCH = "指定場所を探す…"
STOP = "中止"
PRODUCT = "Tolvenade II"
HOSTILE = ("Tolvenade deep binary.app", "Tolvenade deep XML.app", "Tolvenade NUL.app", "Tolvenade shared.app")
FARM_LEVELS = 30
PEAK_MEMORY_MB = 300


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def binary_plist(objects):
    """A binary property list of objects given as (marker byte, payload, refs);
    the first object is the top. Object references take two bytes."""
    body, offsets = bytearray(b"bplist00"), []
    for marker, payload, refs in objects:
        offsets.append(len(body))
        if refs is None:
            count = len(payload) // (2 if marker == 0x60 else 1)
        else:
            count = len(refs) // (2 if marker == 0xD0 else 1)
        body.append(marker | min(count, 15))
        if count >= 15:
            body += bytes([0x12]) + struct.pack(">I", count)
        body += payload if refs is None else b"".join(struct.pack(">H", r) for r in refs)
    table = len(body)
    body += b"".join(struct.pack(">I", o) for o in offsets)
    return bytes(body) + struct.pack(">6xBBQQQ", 4, 2, len(objects), 0, table)


def icon_plist(value_objects):
    """{"CFBundleIconFile": value}, the value's objects starting at index 2."""
    key = (0x50, b"CFBundleIconFile", None)
    return binary_plist([(0xD0, b"", [1, 2]), key] + value_objects)


def nul_plist():
    return icon_plist([(0x60, "App\0Icon".encode("utf-16-be"), None)])


def deep_binary_plist(depth=9000):
    arrays = [(0xA0, b"", [3 + i]) for i in range(depth - 1)] + [(0xA0, b"", [])]
    return icon_plist(arrays)


def shared_plist(length=3900000, references=50000):
    """4 MB that libplist would make into 195 GB: one string, referred to
    from an array 50,000 times."""
    return icon_plist([(0xA0, b"", [3] * references), (0x50, b"x" * length, None)])


def deep_xml_plist(depth=15000):
    return (b'<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict><key>CFBundleIconFile</key>'
            + b"<array>" * depth + b"</array>" * depth + b"</dict></plist>\n")


def apple_double(type_creator):
    """A "._name" companion file holding only Finder info."""
    data = struct.pack(">II16sH", 0x00051607, 0x00020000, b"", 2)
    data += struct.pack(">III", 9, 50, 32) + struct.pack(">III", 2, 82, 0)
    return data + bytes(50 - len(data)) + type_creator + bytes(24)


def make_packages(folder):
    """The hostile packages, each with the code of the catalogue's first
    application, and one whose PkgInfo is 1 GiB of nothing."""
    for name, info in zip(HOSTILE, (deep_binary_plist(), deep_xml_plist(), nul_plist(), shared_plist())):
        write(os.path.join(folder, name, "Contents", "PkgInfo"), b"APPLwTq1")
        write(os.path.join(folder, name, "Contents", "Info.plist"), info)
    huge = os.path.join(folder, "Huge.app", "Contents", "PkgInfo")
    write(huge, b"")
    os.truncate(huge, 1 << 30)  # sparse: no disk space


def make_home(home):
    make_packages(os.path.join(home, "Applications"))
    search = os.path.join(home, "Search")
    make_packages(os.path.join(search, "Packages"))
    farm = os.path.join(search, "Farm")
    for level in range(FARM_LEVELS + 1):
        os.makedirs(os.path.join(farm, str(level)))
    for level in range(FARM_LEVELS):
        for link in ("a", "b"):
            os.symlink(os.path.join(farm, str(level + 1)), os.path.join(farm, str(level), link))
    write(os.path.join(farm, str(FARM_LEVELS), "Plan"), b"plan\n")
    write(os.path.join(farm, str(FARM_LEVELS), "._Plan"), apple_double(b"Brd3wTq1"))
    os.makedirs(os.path.join(search, "System"))
    for system in ("/proc", "/sys", "/dev"):
        os.symlink(system, os.path.join(search, "System", system[1:]))


def peak_memory_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    raise Failure("no peak memory in /proc/%d/status" % pid)


def stop_past_the_bound(process):
    """Watches the program's peak memory and ends the program once it passes
    the bound, so that a list asking for gigabytes fails the test instead of
    filling the machine; gives a list that then holds the peak seen."""
    seen = []

    def watch():
        while process.poll() is None and not seen:
            try:
                peak = peak_memory_mb(process.pid)
            except (OSError, Failure):
                return
            if peak >= PEAK_MEMORY_MB:
                seen.append(peak)
                process.kill()
            time.sleep(0.05)

    threading.Thread(target=watch, daemon=True).start()
    return seen


def live_through_it(ui):
    over = stop_past_the_bound(ui.app_process)
    try:
        live_through(ui)
    except Exception:
        if over:
            raise Failure("peak memory %.0f MB, not under %d MB: the program was stopped"
                          % (over[0], PEAK_MEMORY_MB)) from None
        raise


def live_through(ui):
    buttons, listing = ui.buttons_and_list(TITLE, (AUTO_GET, SEARCH, STOP))

    def enabled(name):
        return ui.has(buttons[name], Atspi.StateType.ENABLED)

    def rows():
        return ui.cells(listing, 0, 2)

    def ended():
        return enabled(SEARCH) and not enabled(STOP) and ui.top_level(Atspi.Role.DIALOG) is None

    ui.click(buttons[AUTO_GET])
    expected = [(PRODUCT, "")] + [(name, "アプリケーション（単体）") for name in HOSTILE]
    ui.wait(lambda: "the auto-get rows %r (the list holds %r)" % (expected, rows()),
            lambda: ended() and rows() == expected, 120)
    print("auto-get: %d rows, peak memory %.0f MB" % (len(rows()), peak_memory_mb(ui.app_process.pid)))

    ui.click(buttons[SEARCH])
    ui.answer_alert("自動取得リストはクリアされます")
    dialog = ui.wait("the folder chooser", lambda: ui.top_level(Atspi.Role.DIALOG))
    field = ui.wait("the chooser's path field", lambda: next(
        (n for n in ui.walk(dialog) if n.get_role() in (Atspi.Role.TEXT, Atspi.Role.ENTRY) and ui.shown(n)
         and ui.has(n, Atspi.StateType.EDITABLE)), None))
    ui.click(field)
    ui.xdotool("type", "--delay", "10", os.path.join(ui.home, "Search"))
    ui.xdotool("key", "Return")
    expected = [("Plan", "Tolvenade II（書類）")] + [(name, "Tolvenade II（アプリ）") for name in HOSTILE]
    ui.wait(lambda: "the search rows %r (the list holds %r)" % (expected, rows()),
            lambda: ended() and rows() == expected, 120)
    peak = peak_memory_mb(ui.app_process.pid)
    print("search: %d rows, peak memory %.0f MB" % (len(rows()), peak))
    if peak >= PEAK_MEMORY_MB:
        raise Failure("peak memory %.0f MB, not under %d MB" % (peak, PEAK_MEMORY_MB))


if __name__ == "__main__":
    sys.exit(run_test(live_through_it, make_home=make_home))
