# What the real-window tests share: the real program on a private X server,
# read through the window system (xdotool, xprop) or, with accessibility, on
# its own session and accessibility buses through the accessibility tree,
# and driven with synthetic mouse and key input.
#
#   def check(ui):
#       frame = ui.wait("the main window", lambda: ui.top_level(Atspi.Role.FRAME, title))
#   sys.exit(run_test(check))
#
# RealWindow stops every process it started, by PID, and leaves no file behind.
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
    NO_ACCESSIBILITY_CLIENT = None
except (ImportError, ValueError) as error:
    Atspi = Gio = GLib = None
    NO_ACCESSIBILITY_CLIENT = "%s (python3-gi, gir1.2-atspi-2.0)" % error

NEEDED = ("xdotool", "xprop")
NEEDED_FOR_ACCESSIBILITY = ("dbus-daemon", "/usr/libexec/at-spi-bus-launcher")


class Failure(Exception):
    pass


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


def missing_tools(accessibility):
    """What is missing of the tools beside Xvfb, or None."""
    needed = NEEDED + (NEEDED_FOR_ACCESSIBILITY if accessibility else ())
    missing = [tool for tool in needed if not shutil.which(tool)]
    if accessibility and NO_ACCESSIBILITY_CLIENT:
        missing.append(NO_ACCESSIBILITY_CLIENT)
    return "missing %s: scripts/install-deps installs them" % ", ".join(missing) if missing else None


def run_test(body, accessibility=True, make_home=None, program_env=None):
    """The whole of a real-window test of the program named on the command
    line: make_home(home) fills a fresh home before the program starts, then
    body(ui) acts on the running program. program_env sets variables of the
    program's environment (None leaves one out). Gives the exit status:
    0 passed, 1 failed (the logs are printed), 77 skipped (no Xvfb)."""
    if not shutil.which("Xvfb"):
        print("skipped: Xvfb is not installed")
        return 77
    if missing_tools(accessibility):
        print("FAIL:", missing_tools(accessibility))
        return 1
    home = tempfile.mkdtemp(prefix="keldo-home-")
    try:
        if make_home:
            make_home(home)
        with RealWindow(sys.argv[1], home, accessibility, program_env) as ui:
            try:
                body(ui)
                return 0
            except Exception as error:
                print("FAIL:", error if isinstance(error, Failure) else traceback.format_exc())
                print(ui.logs())
                return 1
    finally:
        shutil.rmtree(home, ignore_errors=True)


class RealWindow:
    def __init__(self, program, home, accessibility=True, program_env=None):
        self.work = tempfile.mkdtemp(prefix="keldo-window-")
        self.program_env = program_env or {}
        self.processes = []
        self.pids = []  # started by others for us
        self.home = home
        self.program = program
        self.accessibility = accessibility
        self.app_process = None
        self.context = GLib.MainContext.default() if accessibility else None

    def __enter__(self):
        try:
            runtime_dir = os.path.join(self.work, "runtime")
            os.makedirs(runtime_dir, mode=0o700)
            # The fake home holds the Trash.
            left_out = ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "XDG_DATA_HOME") + (
                ("DBUS_SESSION_BUS_ADDRESS",) if self.accessibility else ())
            self.env = {k: v for k, v in os.environ.items() if k not in left_out}
            self.env.update(HOME=self.home, XDG_RUNTIME_DIR=runtime_dir, DISPLAY=self._start_display())
            if not self.accessibility:
                self.app_process = self._start([self.program], self._program_env(QT_QPA_PLATFORM="xcb"))
                return self
            a11y_address = self._start_buses()
            # Qt registers with the accessibility bus only when it finds it itself.
            self.app_process = self._start([self.program], self._program_env(
                QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
            os.environ.update(DISPLAY=self.env["DISPLAY"], AT_SPI_BUS_ADDRESS=a11y_address,
                              DBUS_SESSION_BUS_ADDRESS=self.env["DBUS_SESSION_BUS_ADDRESS"])
            Atspi.init()
            return self
        except BaseException:
            self.close()
            raise

    def __exit__(self, *exc):
        self.close()
        return False

    def logs(self):
        texts = []
        for name in sorted(os.listdir(self.work)):
            if name.endswith(".log"):
                with open(os.path.join(self.work, name), errors="replace") as log:
                    texts.append("--- %s\n%s" % (name, log.read()[-4000:]))
        return "\n".join(texts)

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
        self.processes, self.pids = [], []
        shutil.rmtree(self.work, ignore_errors=True)

    # Processes.

    def _start(self, argv, env, **kwargs):
        log = open(os.path.join(self.work, os.path.basename(argv[0]) + ".log"), "ab")
        process = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, **kwargs)
        log.close()
        self.processes.append(process)
        return process

    def _program_env(self, **settings):
        env = dict(self.env, **settings)
        for name, value in self.program_env.items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        return env

    def _start_display(self):
        read_end, write_end = os.pipe()
        self._start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                    self.env, pass_fds=[write_end])
        os.close(write_end)
        number = b""
        try:
            while not number.endswith(b"\n"):
                if not select.select([read_end], [], [], 10)[0]:
                    raise Failure("Xvfb gave no display number")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise Failure("Xvfb ended before it gave a display number")
                number += chunk
        finally:
            os.close(read_end)
        return ":" + number.decode().strip()

    def _start_buses(self):
        """A private session bus and the accessibility bus on it; gives the latter's address."""
        socket = os.path.join(self.work, "bus")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + socket
        self._start(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                     "--address=" + self.env["DBUS_SESSION_BUS_ADDRESS"]], self.env)
        until("the session bus", lambda: os.path.exists(socket))
        self._start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], self.env)

        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION

        def call(bus, name, path, interface, method, args, reply):
            return bus.call_sync(name, path, interface, method, args, GLib.VariantType(reply),
                                 Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]

        def ask_bus(bus, method, args, reply):
            return call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", method,
                        args, reply)

        session_bus = Gio.DBusConnection.new_for_address_sync(self.env["DBUS_SESSION_BUS_ADDRESS"], flags)
        # Asking org.a11y.Bus before it has an owner would start a second launcher.
        until("the accessibility bus",
              lambda: ask_bus(session_bus, "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), "(b)"))
        address = call(session_bus, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, "(s)")
        a11y_bus = Gio.DBusConnection.new_for_address_sync(address, flags)
        # The registry leaves its parent: it is stopped by its PID.
        registry = "org.a11y.atspi.Registry"
        ask_bus(a11y_bus, "StartServiceByName", GLib.Variant("(su)", (registry, 0)), "(u)")
        self.pids.append(ask_bus(a11y_bus, "GetConnectionUnixProcessID", GLib.Variant("(s)", (registry,)), "(u)"))
        a11y_bus.close_sync()
        session_bus.close_sync()
        return address

    # Reading the windows.

    def pump(self):
        """Lets the accessibility client take in what the program announced;
        fails once the program has ended."""
        while self.context and self.context.iteration(False):
            pass
        if self.app_process.poll() is not None:
            raise Failure("the program ended with status %d" % self.app_process.returncode)

    def wait(self, what, probe, timeout=15):
        return until(what, probe, timeout, self.pump)

    def application(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.app_process.pid:
                app.set_cache_mask(Atspi.Cache.NONE)  # states change under us
                return app
        return None

    def top_level(self, role, name=None):
        """The program's first window of that role (and name), or None."""
        app = self.application()
        for i in range(app.get_child_count() if app else 0):
            window = app.get_child_at_index(i)
            if window is not None and window.get_role() == role and name in (None, window.get_name()):
                return window
        return None

    def buttons_and_list(self, title, needed):
        """The push buttons (by name) and the list of the window of that
        title, once the buttons needed are among them."""
        frame = self.wait("the window " + title, lambda: self.top_level(Atspi.Role.FRAME, title), 30)

        def controls():
            nodes = list(self.walk(frame))
            buttons = {n.get_name(): n for n in nodes if n.get_role() == Atspi.Role.PUSH_BUTTON}
            lists = [n for n in nodes if n.get_role() in (Atspi.Role.TREE, Atspi.Role.TREE_TABLE)]
            return (buttons, lists[0]) if all(name in buttons for name in needed) and lists else None

        return self.wait("the buttons and the list of " + title, controls)

    @staticmethod
    def walk(node):
        yield node
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                yield from RealWindow.walk(child)

    @staticmethod
    def has(node, state):
        return node.get_state_set().contains(state)

    @staticmethod
    def shown(node):
        """Visible on the screen, with an area."""
        r = node.get_extents(Atspi.CoordType.SCREEN)
        return (RealWindow.has(node, Atspi.StateType.VISIBLE) and RealWindow.has(node, Atspi.StateType.SHOWING)
                and r.width > 0 and r.height > 0)

    @staticmethod
    def cells(listing, *columns):
        """Each row of the list as a tuple of the texts of those columns."""
        return [tuple(listing.get_accessible_at(row, column).get_name() for column in columns)
                for row in range(listing.get_n_rows())]

    def alert_reading(self, part):
        """The alert that is up and its texts, when one of them holds part; else None."""
        alert = self.top_level(Atspi.Role.ALERT)
        texts = [n.get_name() for n in self.walk(alert) if n.get_role() == Atspi.Role.LABEL and n.get_name()
                 ] if alert else []
        return (alert, texts) if any(part in text for text in texts) else None

    def answer_alert(self, part, button="OK"):
        """Clicks the button of the alert whose texts hold part, once it is up;
        gives the texts once the alert has closed."""
        alert, texts = self.wait('an alert reading "%s"' % part, lambda: self.alert_reading(part), 30)
        pressed = [n for n in self.walk(alert) if n.get_role() == Atspi.Role.PUSH_BUTTON and n.get_name() == button]
        if not pressed:
            raise Failure('the alert %r has no button "%s"' % (texts, button))
        self.click(pressed[0])
        self.wait('the alert reading "%s" to close' % part, lambda: not self.alert_reading(part))
        return texts

    # The window system's view.

    def x_window(self, title, timeout=30):
        """The program's window of that title, once there is one."""
        return self.wait('a window titled "%s"' % title, lambda: self.xdotool(
            "search", "--name", "^%s$" % title, check=False).split()[:1], timeout)[0]

    def x_windows(self):
        """The program's visible windows."""
        return self.xdotool("search", "--onlyvisible", "--pid", str(self.app_process.pid), check=False).split()

    def x_geometry(self, window):
        """x, y, width and height of a window."""
        fields = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell", window).split())
        return tuple(int(fields[name]) for name in ("X", "Y", "WIDTH", "HEIGHT"))

    def x_text_property(self, window, name):
        """The value of a text property of a window; None when it has none."""
        line = subprocess.run(["xprop", "-id", window, name], env=self.env, capture_output=True,
                              text=True).stdout.rstrip("\n")
        if " = " not in line:
            return None
        value = line.split(" = ", 1)[1]
        return value[1:-1] if value.startswith('"') and value.endswith('"') else value

    def quit_with_shortcut(self, window):
        """Ctrl+Q in the window: the program must end within ten seconds with status 0."""
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", "--clearmodifiers", "ctrl+q")
        try:
            status = self.app_process.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not quit")
        if status != 0:
            raise Failure("the program exited with status %d" % status)

    # Input, as a user gives it.

    def xdotool(self, *args, check=True):
        """Runs xdotool on the private display; gives what it wrote."""
        return subprocess.run(["xdotool", *args], env=self.env, check=check, capture_output=True,
                              text=True).stdout

    def click(self, node):
        r = node.get_extents(Atspi.CoordType.SCREEN)
        self.xdotool("mousemove", str(r.x + r.width // 2), str(r.y + r.height // 2), "click", "1")
