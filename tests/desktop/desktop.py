"""A throw-away desktop for the real game: Xvfb, openbox and the accessibility bus, each test
on its own display, with the game started as a player starts it.

The test process itself runs under dbus-run-session (desktop_test.py re-executes itself there),
so the accessibility bus, pyatspi and the game share one private session bus. Every process
started here is ended by its id when the session closes, whatever happened in between.
"""

import ctypes
import os
import select
import signal
import subprocess
import tempfile
import time

import pyatspi

# Generous: the machine that runs the tests has two cores and builds beside them.
START_TIMEOUT = 30.0
SETTLE_TIMEOUT = 15.0
POLL = 0.1


class DesktopError(AssertionError):
    pass


_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _end_with_parent():
    """Run in each child before it starts: should the test itself be killed outright, its
    processes get SIGTERM from the kernel, so none outlives it."""
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def wait_for(what, predicate, timeout=SETTLE_TIMEOUT, interval=POLL):
    """Polls predicate until it returns something true and returns that, or fails saying what."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        try:
            last = predicate()
        except Exception as error:  # the tree or a window may be in the middle of changing
            last = error
        else:
            if last:
                return last
        if time.monotonic() > deadline:
            raise DesktopError(f"timed out after {timeout:.0f} s waiting for {what} (last: {last!r})")
        time.sleep(interval)


def wake_accessibility_bus():
    """Starts the AT-SPI bus on the session bus, as a desktop does before any program starts."""
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.a11y.Bus.GetAddress"], check=True, timeout=START_TIMEOUT,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def _stop(process, grace=10.0):
    if process is None or process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(timeout=grace)


class Desktop:
    """One X screen of the given size with openbox managing it, and the folders of a session:
    a private 0700 XDG_RUNTIME_DIR, a home for the desktop's own programs and an empty home for
    the game, which nothing else writes to."""

    def __init__(self, width, height, root=None):
        self.width, self.height = width, height
        if root is None:
            root = tempfile.mkdtemp(prefix="melvane-desktop-")
        else:
            os.makedirs(root)
        self.root = root
        self.runtime = self._folder("runtime", 0o700)
        self.session_home = self._folder("session-home")
        self.home = self._folder("home")
        self.settings = self._folder("settings")
        self.logs = self._folder("logs")
        self.display = None
        self._processes = []
        self.game = None

    def _folder(self, name, mode=0o755):
        path = os.path.join(self.root, name)
        os.makedirs(path)
        os.chmod(path, mode)
        return path

    def _log(self, name):
        return open(os.path.join(self.logs, name), "wb")

    def _spawn(self, args, env, log):
        with self._log(log) as out:
            process = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                                       preexec_fn=_end_with_parent)
        self._processes.append(process)
        return process

    def session_env(self):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.session_home,
            "XDG_RUNTIME_DIR": self.runtime,
            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
            "LANG": "C.UTF-8",
        }
        if self.display is not None:
            env["DISPLAY"] = self.display
        return env

    # The session

    def start(self):
        # Xvfb picks a free display itself and writes its number to the pipe when it is ready.
        read_end, write_end = os.pipe()
        try:
            with self._log("xvfb.log") as out:
                xvfb = subprocess.Popen(
                    ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.width}x{self.height}x24",
                     "-nolisten", "tcp"],
                    env=self.session_env(), pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=out,
                    stderr=subprocess.STDOUT, preexec_fn=_end_with_parent)
            self._processes.append(xvfb)
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + START_TIMEOUT
            while not number.endswith(b"\n"):
                ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
                chunk = os.read(read_end, 16) if ready else b""
                if not chunk:
                    raise DesktopError(f"Xvfb gave no display number; see {self.logs}/xvfb.log")
                number += chunk
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        self.display = ":" + number.decode().strip()

        self.openbox = self._spawn(["openbox", "--sm-disable"], self.session_env(), "openbox.log")
        wait_for("openbox to manage the screen", self._window_manager_running, START_TIMEOUT)
        return self

    def _window_manager_running(self):
        if self.openbox.poll() is not None:
            raise DesktopError(f"openbox exited; see {self.logs}/openbox.log")
        out = self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id #" in out

    def close(self):
        """Ends every process started here, the game first, latest first."""
        for process in reversed(self._processes):
            _stop(process)
        self._processes.clear()

    def x(self, args, check=True):
        """Runs an X client on this display and returns what it printed."""
        done = subprocess.run(args, env=self.session_env(), stdin=subprocess.DEVNULL, capture_output=True,
                              text=True, timeout=SETTLE_TIMEOUT)
        if check and done.returncode != 0:
            raise DesktopError(f"{' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout

    # The game

    def start_game(self, binary, *options, desktop_settings=None):
        """Starts the game as a player does, with the only variables a desktop session would
        give it (no XDG_* folder but the runtime one), and returns its process.
        `desktop_settings` adds what a player's desktop may set for its programs."""
        env = self.session_env()
        env.update({
            "HOME": self.home,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        env.update(desktop_settings or {})
        self.game = self._spawn([binary, *options], env, "melvane.log")
        return self.game

    def game_log(self):
        with open(os.path.join(self.logs, "melvane.log"), errors="replace") as f:
            return f.read()

    def game_window(self):
        """The id of the game's main window once openbox manages it: the client of the game's
        process in the manager's list (Qt's hidden helper windows are never in it)."""
        def find():
            if self.game.poll() is not None:
                raise DesktopError(f"the game exited with {self.game.returncode}: {self.game_log()}")
            out = self.x(["xprop", "-root", "_NET_CLIENT_LIST"], check=False)
            if "#" not in out:
                return None
            for window in (int(w, 16) for w in out.split("#", 1)[1].replace(",", " ").split()):
                pid = self.x(["xprop", "-id", str(window), "_NET_WM_PID"], check=False)
                if pid.strip().endswith(f"= {self.game.pid}"):
                    return window
            return None
        return wait_for("the game's window under openbox", find, START_TIMEOUT)

    def geometry(self, window):
        """The client area (x, y, width, height) on the screen, as xwininfo reports it."""
        fields = {}
        for line in self.x(["xwininfo", "-id", str(window)]).splitlines():
            key, _, value = line.strip().partition(":")
            fields[key] = value.strip()
        return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                int(fields["Width"]), int(fields["Height"]))

    def frame_extents(self, window):
        """(left, right, top, bottom) of the frame openbox draws around the window."""
        out = self.x(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"], check=False)
        if "=" not in out:
            return (0, 0, 0, 0)
        return tuple(int(v) for v in out.split("=", 1)[1].split(","))

    def settled_geometry(self, window, quiet=0.6, timeout=SETTLE_TIMEOUT):
        """The client geometry once it has not changed for `quiet` seconds."""
        deadline = time.monotonic() + timeout
        last, since = None, time.monotonic()
        while True:
            now = self.geometry(window)
            if now != last:
                last, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return now
            if time.monotonic() > deadline:
                return now
            time.sleep(POLL)

    def activate(self, window):
        self.x(["xdotool", "windowactivate", "--sync", str(window)], check=False)
        wait_for("the game's window to take the keyboard",
                 lambda: self.x(["xdotool", "getwindowfocus"]).strip() == str(window))

    def key(self, *keys):
        self.x(["xdotool", "key", "--clearmodifiers", *keys])

    def click(self, x, y):
        # mousemove --sync waits for a motion, which never comes when the pointer is there already.
        if self.x(["xdotool", "getmouselocation"]).split()[:2] != [f"x:{x}", f"y:{y}"]:
            self.x(["xdotool", "mousemove", "--sync", str(x), str(y)])
        self.x(["xdotool", "click", "1"])

    # Pictures

    def screenshot(self, name):
        """The whole screen: its PNG is kept under the session's folder and its pixels returned as
        an Image."""
        png = os.path.join(self.root, name + ".png")
        self.x(["/usr/bin/import", "-window", "root", png])
        rgb = subprocess.run(["/usr/bin/convert", png, "-depth", "8", "rgb:-"], capture_output=True, check=True,
                             timeout=SETTLE_TIMEOUT).stdout
        if len(rgb) != 3 * self.width * self.height:
            raise DesktopError(f"{png} is not a {self.width}x{self.height} screen")
        return Image(self.width, self.height, rgb, png)


class Image:
    def __init__(self, width, height, rgb, path):
        self.width, self.height, self.rgb, self.path = width, height, rgb, path

    def colours(self, left, top, width, height):
        """How often each colour appears in the rectangle (clipped to the picture)."""
        counts = {}
        for y in range(max(0, top), min(self.height, top + height)):
            row = 3 * y * self.width
            for x in range(max(0, left), min(self.width, left + width)):
                c = self.rgb[row + 3 * x:row + 3 * x + 3]
                counts[c] = counts.get(c, 0) + 1
        return counts


# The accessibility tree

def application(pid, timeout=START_TIMEOUT):
    """The game's accessible application, found by its process id."""
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                return app
        return None
    return wait_for(f"process {pid} on the accessibility bus", find, timeout)


def walk(node, depth=0, limit=30):
    """Every accessible under node, node first."""
    if node is None or depth > limit:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1, limit)


def has_state(node, state):
    return node.getState().contains(state)


def plain(text):
    """An accessible name as a player reads it: captions fitted to a button break across lines."""
    return " ".join(text.replace("&", "").split())


def find(root, name=None, role_name=None, predicate=None):
    """The accessibles under root with that name (as plain() reads it) and role."""
    found = []
    for node in walk(root):
        try:
            if name is not None and plain(node.name) != name:
                continue
            if role_name is not None and node.getRoleName() != role_name:
                continue
            if predicate is not None and not predicate(node):
                continue
        except Exception:
            continue
        found.append(node)
    return found


def find_one(root, what, timeout=SETTLE_TIMEOUT, **criteria):
    return wait_for(what, lambda: (find(root, **criteria) or [None])[0], timeout)


def act(node, *names):
    """Runs the node's first action with one of the given names (any action if none given)."""
    action = node.queryAction()
    available = [action.getName(i) for i in range(action.nActions)]
    for i, n in enumerate(available):
        if not names or n in names:
            action.doAction(i)
            return n
    raise DesktopError(f"{node.name!r} ({node.getRoleName()}) has no action {names}; it has {available}")


def extents(node):
    """(x, y, width, height) of the accessible on the screen."""
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def focused(root):
    """The name and role of the accessible holding the keyboard focus, or None."""
    for node in walk(root):
        try:
            if has_state(node, pyatspi.STATE_FOCUSED):
                return (plain(node.name), node.getRoleName())
        except Exception:
            continue
    return None


def dump(root, limit=6):
    """The tree as text, for a failure's message and for finding names."""
    lines = []

    def visit(node, depth):
        if depth > limit:
            return
        try:
            states = [pyatspi.stateToString(s) for s in node.getState().getStates()]
            lines.append(f"{'  ' * depth}{node.getRoleName()} {node.name!r} {extents(node) if depth else ''} "
                         f"[{' '.join(s for s in states if s in ('focused', 'checked', 'showing', 'sensitive'))}]")
            for i in range(node.childCount):
                visit(node.getChildAtIndex(i), depth + 1)
        except Exception as error:
            lines.append(f"{'  ' * depth}<{error}>")
    visit(root, 0)
    return "\n".join(lines)


class Announcements:
    """What a screen reader is told without the player moving: the notifications of one
    application that are shown, as the events on the accessibility bus bring them, in order."""

    EVENTS = ("object:state-changed:showing", "object:property-change:accessible-name")

    def __init__(self, pid):
        from gi.repository import GLib
        self._context = GLib.MainContext.default()
        self.pid = pid
        self.heard = []
        self.log = []
        self._consumed = 0
        pyatspi.Registry.registerEventListener(self._event, *self.EVENTS)

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._event, *self.EVENTS)

    def _event(self, event):
        try:
            source = event.source
            if source.get_process_id() != self.pid:
                return
            role, name = source.getRoleName(), plain(source.name)
        except Exception:
            return
        self.log.append(f"{event.type} detail1={event.detail1} role={role} name={name!r}")
        if role != "notification":
            return
        # A notification shown is what a screen reader presents.
        if event.type.startswith("object:state-changed:showing") and event.detail1 == 1 and name:
            self.heard.append(name)

    def pump(self):
        while self._context.pending():
            self._context.iteration(False)
        return list(self.heard)

    def wait(self, what, predicate, timeout=SETTLE_TIMEOUT):
        """Waits for a sentence, heard after the one the last wait returned, that predicate
        accepts; returns it."""
        def heard():
            sentences = self.pump()
            for i in range(self._consumed, len(sentences)):
                if predicate(sentences[i]):
                    self._consumed = i + 1
                    return sentences[i]
            return None
        try:
            return wait_for(what, heard, timeout)
        except DesktopError as error:
            raise DesktopError(f"{error}; heard {self.heard[self._consumed:]}") from None
