#!/usr/bin/python3
# The folder search as a user meets it: the real program on a private X
# server, its toolbar button clicked with the mouse, the chooser read through
# the accessibility tree, Escape pressed once, then a folder's path typed and
# Enter pressed; the search rows must appear in the main window's list.
#
# Usage: folder_chooser_test.py PROGRAM. Exit status 77: no Xvfb (skipped).
import os
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import traceback

TITLE = "KELDO アンインストーラ"
SEARCH = "指定場所を探す…"
STOP = "中止"
PROMPT = "検索を開始するフォルダを指定して下さい。"
# What the search finds in the fake home's "Search" folder, in list order.
EXPECTED_ROWS = [("Plan", "Tolvenade II（書類）"), ("Tolvenade.app", "Tolvenade II（アプリ）")]


class Failure(Exception):
    pass


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
    """Documents (where the chooser opens) and a folder holding an application
    of the catalogue (by its code) and one of its documents (by type and creator)."""
    os.makedirs(os.path.join(home, "Documents", "Letters"))
    search = os.path.join(home, "Search")
    write(os.path.join(search, "Tools", "Tolvenade.app", "Contents", "PkgInfo"), b"APPLwTq1\n")
    write(os.path.join(search, "Notes", "Plan"), b"plan\n")
    write(os.path.join(search, "Notes", "._Plan"), apple_double(b"Brd3wTq1"))
    write(os.path.join(search, "Notes", "Other"), b"not the maker's\n")
    return search


class Session:
    """The processes of one run; close() stops each one it started, by PID."""

    def __init__(self, work):
        self.work = work
        self.processes = []
        self.pids = []

    def start(self, argv, env, **kwargs):
        log = open(os.path.join(self.work, os.path.basename(argv[0]) + ".log"), "ab")
        process = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def close(self):
        for pid in reversed(self.pids):
            try:
                os.kill(pid, 15)
            except ProcessLookupError:
                pass
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def start_xvfb(session, env):
    read_end, write_end = os.pipe()
    session.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                  env, pass_fds=[write_end])
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        if not select.select([read_end], [], [], 10)[0]:
            raise Failure("Xvfb gave no display number")
        chunk = os.read(read_end, 16)
        if not chunk:
            raise Failure("Xvfb ended before it gave a display number")
        number += chunk
    os.close(read_end)
    return ":" + number.decode().strip()


def until(what, probe, timeout=15, pump=None):
    """Polls probe() until it gives something true, and returns that; what
    (a text, or a function giving one) names it when time runs out."""
    deadline = time.monotonic() + timeout
    while True:
        if pump:
            pump()
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.05)


def start_accessibility(session, env):
    """A private session bus and the accessibility bus on it; gives its address."""
    from gi.repository import Gio, GLib
    bus_address = "unix:path=" + os.path.join(session.work, "bus")
    session.start(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + bus_address], env)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus_address
    until("the session bus", lambda: os.path.exists(os.path.join(session.work, "bus")))
    session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)

    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    session_bus = Gio.DBusConnection.new_for_address_sync(bus_address, flags, None, None)

    def call(bus, name, path, interface, method, args, reply):
        return bus.call_sync(name, path, interface, method, args, GLib.VariantType(reply),
                             Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]

    def bus_call(bus, method, name, reply):
        return call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", method,
                    GLib.Variant("(s)", (name,)), reply)

    # Asking org.a11y.Bus before it has an owner would start a second launcher.
    until("the accessibility bus", lambda: bus_call(session_bus, "NameHasOwner", "org.a11y.Bus", "(b)"))
    address = call(session_bus, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, "(s)")
    a11y_bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
    # The registry is started on that bus and leaves its parent: stop it by its PID.
    call(a11y_bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "StartServiceByName",
         GLib.Variant("(su)", ("org.a11y.atspi.Registry", 0)), "(u)")
    session.pids.append(bus_call(a11y_bus, "GetConnectionUnixProcessID", "org.a11y.atspi.Registry", "(u)"))
    a11y_bus.close_sync(None)
    session_bus.close_sync(None)
    return address


def main(program):
    if not shutil.which("Xvfb"):
        print("skipped: Xvfb is not installed")
        return 77
    missing = [tool for tool in ("xdotool", "dbus-daemon", "/usr/libexec/at-spi-bus-launcher")
               if not shutil.which(tool)]
    if missing:
        print("FAIL: missing %s (scripts/install-deps installs them)" % ", ".join(missing))
        return 1
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib

    work = tempfile.mkdtemp(prefix="keldo-chooser-")
    session = Session(work)
    try:
        home = os.path.join(work, "home")
        searched = make_home(home)
        runtime_dir = os.path.join(work, "runtime")
        os.makedirs(runtime_dir, mode=0o700)

        env = {k: v for k, v in os.environ.items()
               if k not in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        env["DISPLAY"] = start_xvfb(session, env)
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime_dir)
        a11y_address = start_accessibility(session, env)
        app_process = session.start(
            [program], dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

        os.environ.update(DISPLAY=env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"],
                          AT_SPI_BUS_ADDRESS=a11y_address)
        Atspi.init()
        context = GLib.MainContext.default()

        def pump():
            while context.iteration(False):
                pass
            if app_process.poll() is not None:
                raise Failure("the program ended with status %d" % app_process.returncode)

        def wait(what, probe, timeout=15):
            return until(what, probe, timeout, pump)

        def xdotool(*args):
            subprocess.run(["xdotool", *args], env=env, check=True)

        def walk(node):
            yield node
            for i in range(node.get_child_count()):
                child = node.get_child_at_index(i)
                if child is not None:
                    yield from walk(child)

        def states(node):
            return node.get_state_set()

        def shown(node):
            s = states(node)
            r = node.get_extents(Atspi.CoordType.SCREEN)
            return (s.contains(Atspi.StateType.VISIBLE) and s.contains(Atspi.StateType.SHOWING)
                    and r.width > 0 and r.height > 0)

        def click(node):
            r = node.get_extents(Atspi.CoordType.SCREEN)
            xdotool("mousemove", str(r.x + r.width // 2), str(r.y + r.height // 2), "click", "1")

        def program_app():
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == app_process.pid:
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            return None

        def top_level(role, name=None):
            app = program_app()
            if app is None:
                return None
            for i in range(app.get_child_count()):
                window = app.get_child_at_index(i)
                if window is not None and window.get_role() == role and name in (None, window.get_name()):
                    return window
            return None

        frame = wait("the main window", lambda: top_level(Atspi.Role.FRAME, TITLE), 30)

        def controls():
            nodes = list(walk(frame))
            buttons = {n.get_name(): n for n in nodes if n.get_role() == Atspi.Role.PUSH_BUTTON}
            lists = [n for n in nodes if n.get_role() in (Atspi.Role.TREE, Atspi.Role.TREE_TABLE)]
            return (buttons, lists[0]) if SEARCH in buttons and STOP in buttons and lists else None

        buttons, listing = wait("the toolbar and the list", controls)

        def enabled(name):
            return states(buttons[name]).contains(Atspi.StateType.ENABLED)

        def rows():
            """Each row's name and kind (columns 0 and 2)."""
            return [(listing.get_accessible_at(row, 0).get_name(), listing.get_accessible_at(row, 2).get_name())
                    for row in range(listing.get_n_rows())]

        def open_chooser():
            """Clicks the toolbar button; gives the chooser's path field once the
            prompt, the field and the folder list (showing Documents) are all shown."""
            wait("the search button", lambda: shown(buttons[SEARCH]) and enabled(SEARCH))
            click(buttons[SEARCH])
            dialog = wait("the folder chooser", lambda: top_level(Atspi.Role.DIALOG))
            views = (Atspi.Role.TREE, Atspi.Role.TREE_TABLE, Atspi.Role.TABLE, Atspi.Role.LIST)

            def path_field():
                nodes = [n for n in walk(dialog) if shown(n)]
                prompt = any(n.get_role() == Atspi.Role.LABEL and n.get_name() == PROMPT for n in nodes)
                listed = any(n.get_name() == "Letters" and n.get_parent().get_role() in views
                             and shown(n.get_parent()) for n in nodes)
                fields = [n for n in nodes if n.get_role() in (Atspi.Role.TEXT, Atspi.Role.ENTRY)
                          and states(n).contains(Atspi.StateType.EDITABLE)]
                return fields[0] if prompt and listed and fields else None

            field = wait("the chooser's prompt, path field and folder list, all shown", path_field)
            if not enabled(STOP) or enabled(SEARCH):
                raise Failure("the commands are not those of a running search while the chooser is up")
            click(field)
            return field

        def commands_restored():
            return enabled(SEARCH) and not enabled(STOP) and top_level(Atspi.Role.DIALOG) is None

        # Escape: no search, nothing listed, the commands back.
        open_chooser()
        xdotool("key", "Escape")
        wait("the chooser to close and the commands to come back after Escape", commands_restored)
        if rows():
            raise Failure("Escape listed rows: %r" % rows())
        print("Escape: no search")

        # A typed path and Enter: that folder is searched.
        open_chooser()
        xdotool("type", "--delay", "10", searched)
        xdotool("key", "Return")
        wait(lambda: "the search rows %r (the list holds %r)" % (EXPECTED_ROWS, rows()),
             lambda: commands_restored() and rows() == EXPECTED_ROWS)
        print("typed path and Enter: rows %r" % rows())
        return 0
    except Exception as error:
        print("FAIL:", error if isinstance(error, Failure) else traceback.format_exc())
        for name in sorted(os.listdir(work)):
            if name.endswith(".log"):
                with open(os.path.join(work, name), errors="replace") as log:
                    print("--- %s\n%s" % (name, log.read()[-4000:]))
        return 1
    finally:
        session.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
