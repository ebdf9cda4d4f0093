# SPDX-License-Identifier: GPL-3.0-or-later
"""A real X session for end-to-end tests: its own Xvfb with a window manager
(openbox, so focus and activation behave as on a desktop), session bus and
accessibility bus, the program under test, and helpers to type, click and
read the controls back the way a screen reader does."""

import os
import shutil
import subprocess
import tempfile
import time

TIMEOUT = 30.0


def wait_for(predicate, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


class Session:
    def __init__(self, program, extra_env=None):
        self.program = program
        self.extra_env = extra_env or {}
        self.processes = []

    def __enter__(self):
        try:
            return self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise

    def _start(self):
        self.runtime = tempfile.mkdtemp(prefix="dreieck-x-")
        os.chmod(self.runtime, 0o700)
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                    pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end) as display_pipe:
            display = display_pipe.readline().strip()
        self.env = dict(os.environ, DISPLAY=f":{display}", XDG_RUNTIME_DIR=self.runtime)
        self.env.pop("QT_QPA_PLATFORM", None)
        wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                        capture_output=True).returncode == 0, f"the X server on :{display}")
        self._start_window_manager()
        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             env=self.env, check=True, capture_output=True, text=True).stdout.split()
        self.bus_pid = int(bus[1])
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus[0]
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self._before_program()
        self.app_log = open(os.path.join(self.runtime, "program.log"), "w+")
        self.app = subprocess.Popen([self.program], stdout=self.app_log, stderr=subprocess.STDOUT,
                                    env=dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **self.extra_env))
        self.processes.append(self.app)
        try:
            self.window = wait_for(self._find_window, "the program's window")
        except AssertionError:
            self.app_log.seek(0)
            raise AssertionError(f"no window; the program said:\n{self.app_log.read()}") from None
        self.focus_window()
        return self

    def _before_program(self):
        """What a session needs running before the program starts."""

    def _start_window_manager(self):
        def managed():
            return "window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                                 capture_output=True, text=True).stdout

        log = os.path.join(self.runtime, "openbox.log")
        for _ in range(5):  # it can lose a race with the new X server and quit: start it again
            with open(log, "w") as output:
                window_manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, start_new_session=True,
                                                  stdout=output, stderr=subprocess.STDOUT)
            self.processes.append(window_manager)
            wait_for(lambda: managed() or window_manager.poll() is not None, "the window manager")
            if window_manager.poll() is None:
                return
            time.sleep(0.5)
        with open(log) as output:
            raise AssertionError(f"the window manager does not start:\n{output.read()}")

    def focus_window(self):
        """Gives the main window the keyboard, as a click on it would."""
        self.xdotool("windowactivate", "--sync", self.window)

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
            try:  # the accessibility launcher's own bus runs in its group
                os.killpg(process.pid, 15)
            except (ProcessLookupError, PermissionError):
                pass
        if getattr(self, "bus_pid", None):
            try:
                os.kill(self.bus_pid, 15)
            except ProcessLookupError:
                pass
        if getattr(self, "runtime", None) and not os.environ.get("XSESSION_KEEP"):
            shutil.rmtree(self.runtime, ignore_errors=True)

    def _spawn(self, argv, env=None, pass_fds=()):
        process = subprocess.Popen(argv, env=env or getattr(self, "env", None), pass_fds=pass_fds,
                                   start_new_session=True,
                                   stdout=subprocess.DEVNULL, stderr=None if os.environ.get("XSESSION_DEBUG") else subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def _windows(self):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
                              env=self.env, capture_output=True, text=True).stdout.split()

    def _find_window(self):
        found = self._windows()
        return found[0] if found else None

    def wait_popup(self):
        """Waits until a popup menu of the program shows: Qt's menus are not on
        the accessibility bus, but each is a window of its own."""
        wait_for(lambda: len(self._windows()) > 1, "the popup menu")

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True).stdout.strip()

    # Input, as real X events.
    def type(self, text):
        self.xdotool("type", "--delay", "30", "--", text)

    def key(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def click(self, accessible, button=1):
        extents = accessible.queryComponent().getExtents(0)  # desktop coordinates
        x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
        # A --sync move onto the pointer's own place waits for a motion that never comes.
        here = self.xdotool("getmouselocation", "--shell").split()
        if here[:2] == [f"X={x}", f"Y={y}"]:
            self.xdotool("click", str(button))
        else:
            self.xdotool("mousemove", "--sync", str(x), str(y), "click", str(button))

    # What a screen reader sees.
    def application(self):
        import pyatspi

        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for index in range(desktop.childCount):
                child = desktop.getChildAtIndex(index)
                if child is not None and child.get_process_id() == self.app.pid:
                    return child
            return None

        return wait_for(find, "the program on the accessibility bus")

    def top_levels(self):
        app = self.application()
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    @staticmethod
    def has_role(accessible, role):
        """Whether an accessible has a role ("push button", "text", ...), by the
        role itself: its spoken name differs between AT-SPI releases."""
        import pyatspi
        return accessible.getRole() == getattr(pyatspi, "ROLE_" + role.upper().replace(" ", "_"))

    def control(self, name, role=None):
        import pyatspi

        def find():
            for window in self.top_levels():
                match = pyatspi.findDescendant(
                    window, lambda a: a.name == name and (role is None or Session.has_role(a, role)))
                if match is not None:
                    return match
            return None

        return wait_for(find, f"the control {name!r}")

    @staticmethod
    def text_of(accessible):
        return accessible.queryText().getText(0, -1)

    def record_focus(self):
        """From now on, keeps what screen readers are told gets the focus."""
        import pyatspi
        self._focus_events = []
        pyatspi.Registry.registerEventListener(self._focus_events.append, "focus:")

    def focus_events(self):
        """The focus events recorded so far, as they arrived: their sources."""
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return [event.source for event in self._focus_events]

    @staticmethod
    def enabled(accessible):
        import pyatspi
        return accessible.getState().contains(pyatspi.STATE_SENSITIVE)

    @staticmethod
    def focused(accessible):
        import pyatspi
        return accessible.getState().contains(pyatspi.STATE_FOCUSED)
