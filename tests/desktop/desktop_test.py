#!/usr/bin/python3
"""The real game on a real desktop: its own start-up, openbox managing its windows, keys and
clicks from xdotool, and what it shows read back from screenshots and the accessibility bus.

Run it as ctest does (`ctest --preset dev -L desktop`), or by hand:
    MELVANE_GAME_BINARY=build/dev/src/platform/qt/melvane /usr/bin/python3 tests/desktop/desktop_test.py [-v] [TEST]
Each test keeps its session folder (logs, screenshots, the game's home and settings) under
MELVANE_DESKTOP_ARTIFACTS, or a folder of the temporary directory, until the next run.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

# The accessibility bus, pyatspi and the game share one private session bus: the whole run
# goes on under dbus-run-session, without the caller's display or buses, and with a runtime
# folder and a home of its own, where the accessibility bus puts its socket (two runs side by
# side would otherwise take each other's).
if os.environ.get("MELVANE_DESKTOP_SESSION") != "1":
    private = tempfile.mkdtemp(prefix="melvane-desktop-bus-")
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")
           and not k.startswith("XDG_")}
    env.update({"MELVANE_DESKTOP_SESSION": "1", "XDG_RUNTIME_DIR": private, "HOME": private})
    session = subprocess.Popen(["dbus-run-session", "--", sys.executable, *sys.argv], env=env)
    # ctest ends a test that runs too long with a signal: the run inside ends its own processes.
    for caught in (signal.SIGTERM, signal.SIGINT):
        signal.signal(caught, lambda number, _: session.send_signal(number))
    code = session.wait()
    shutil.rmtree(private, ignore_errors=True)
    sys.exit(code)

# The helper is imported from the source tree, which stays free of compiled files.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop  # noqa: E402
from desktop import DesktopError, plain, wait_for  # noqa: E402
import pyatspi  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
GAME = os.environ.get("MELVANE_GAME_BINARY",
                      os.path.join(HERE, "..", "..", "build", "dev", "src", "platform", "qt", "melvane"))
ARTIFACTS = os.environ.get("MELVANE_DESKTOP_ARTIFACTS",
                           os.path.join(tempfile.gettempdir(), "melvane-desktop-tests"))

# A spin, its roll-up and the landing of its reels take a few seconds; a loaded machine, more.
SPIN_TIMEOUT = 40.0
WINDOW_TIMEOUT = 10.0

# A reel cell showing a symbol picture has thousands of colours (gradients, shading, edges); an
# empty one has the background, a frame and at most the lines of a cover. The reels of the main
# window are measured the same way, so the measure is shown to pass on real symbols.
SYMBOL_COLOURS = 64


class GameTest(unittest.TestCase):
    """Starts a session of the given screen size and the game in it, and ends them after the test."""

    def start_session(self, width, height, label=""):
        root = os.path.join(ARTIFACTS, self.id().rsplit(".", 1)[-1] + label)
        shutil.rmtree(root, ignore_errors=True)
        os.makedirs(ARTIFACTS, exist_ok=True)
        self.desktop = desktop.Desktop(width, height, root)
        self.addCleanup(self.desktop.close)
        self.desktop.start()
        return self.desktop

    def start_game(self, *options):
        """The game as a player starts it; its window once openbox manages it, and its accessible."""
        d = self.desktop
        self.game = d.start_game(os.path.abspath(GAME), *options)
        self.window = d.game_window()
        self.app = desktop.application(self.game.pid)
        self.frame = desktop.find_one(self.app, "the main window's frame", role_name="frame")
        return self.window

    def seen(self):
        """What a failure message shows of the session: where the game's window is and what
        holds the focus, and where the files are."""
        d = self.desktop
        lines = [f"session folder: {d.root}"]
        try:
            lines.append(f"client geometry {d.geometry(self.window)}, frame extents {d.frame_extents(self.window)}")
            lines.append("window state: " + d.x(["xprop", "-id", str(self.window), "_NET_WM_STATE"]).strip())
        except Exception as error:
            lines.append(f"no geometry: {error}")
        try:
            lines.append(f"focused: {desktop.focused(self.app)}")
        except Exception as error:
            lines.append(f"no focus read: {error}")
        return "\n".join(lines)

    # Playing

    def button(self, name, root=None):
        return desktop.find_one(root or self.frame, f"the button {name!r}", name=name, role_name="push button")

    def click(self, node):
        """A left click in the middle of the control, as a player's mouse gives it."""
        x, y, w, h = desktop.extents(node)
        self.assertTrue(w > 0 and h > 0, f"{plain(node.name)!r} is not on the screen: {(x, y, w, h)}")
        self.desktop.click(x + w // 2, y + h // 2)

    def showing_texts(self):
        return [plain(n.name) for n in desktop.find(self.frame, role_name="label")
                if n.name.strip() and desktop.has_state(n, pyatspi.STATE_SHOWING)]

    def spin(self, bet_name="Bet 1 Coin"):
        """Clicks the bet button and waits for the reels to land: the bet buttons are dead while
        the reels turn and the win rolls up, and come back once the machine is idle."""
        bet = self.button(bet_name)
        self.click(bet)
        try:
            wait_for(f"{bet_name!r} to start a spin", lambda: not desktop.has_state(bet, pyatspi.STATE_SENSITIVE),
                     timeout=WINDOW_TIMEOUT, interval=0.03)
            wait_for("the reels to land", lambda: desktop.has_state(bet, pyatspi.STATE_SENSITIVE),
                     timeout=SPIN_TIMEOUT)
        except DesktopError as error:
            self.fail(f"{error}\nshowing: {self.showing_texts()}\n{self.seen()}")

    def menu_item(self, name):
        return desktop.find_one(self.frame, f"the menu entry {name!r}", name=name, role_name="menu item")

    def full_screen_ticked(self):
        item = desktop.find_one(self.frame, "View > Full Screen", role_name="menu item",
                                predicate=lambda n: plain(n.name).startswith("Full Screen"))
        return desktop.has_state(item, pyatspi.STATE_CHECKED)


def cell_colours(image, view):
    """The distinct colours inside each of the 5 x 3 reel cells of a reel area (x, y, w, h), by
    reel then row, leaving out the edges where frames and gaps are drawn."""
    x, y, w, h = view
    counts = []
    for reel in range(5):
        for row in range(3):
            left, top = x + reel * w // 5, y + row * h // 3
            cw, ch = w // 5, h // 3
            counts.append(len(image.colours(left + cw // 6, top + ch // 6, cw * 2 // 3, ch * 2 // 3)))
    return counts


class HistoryTest(GameTest):
    def test_recall_draws_the_symbols_of_the_chosen_game(self):
        # The recall window is larger than an 800 x 600 screen; this one holds it whole.
        self.start_session(1280, 1024)
        self.start_game("--settings", self.desktop.settings)

        # Three credits pay one spin at 243 ways, where every cell is in play; two cheap ones follow.
        for _ in range(3):
            self.click(self.button("Click For Credit"))
            time.sleep(0.3)
        self.click(self.button("Play 243 Lines"))
        self.spin()
        self.click(self.button("Play 3 Lines"))
        self.spin()
        self.spin()

        # The measure, on the reels of the machine itself: every cell shows a symbol there.
        shot = self.desktop.screenshot("machine")
        reels = [desktop.extents(n) for n in desktop.find(self.frame, role_name="filler")
                 if desktop.extents(n)[3] == 3 * desktop.extents(n)[2] > 0]
        self.assertEqual(len(reels), 5, f"reels found: {reels}\n{self.seen()}")
        reels.sort()
        machine = (reels[0][0], reels[0][1], reels[-1][0] + reels[-1][2] - reels[0][0], reels[0][3])
        on_machine = cell_colours(shot, machine)
        self.assertGreaterEqual(min(on_machine), SYMBOL_COLOURS,
                                f"the machine's own reels at {machine} measure {on_machine}; see {shot.path}")

        history = wait_for("the History window", lambda: self.open_history(), timeout=SPIN_TIMEOUT, interval=1.0)
        # The game at 243 ways: the row whose Ways cell says so.
        headers = {plain(h.name): desktop.extents(h) for h in desktop.find(history, role_name="table column header")}
        self.assertIn("Ways", headers, desktop.dump(history))
        ways_x = headers["Ways"][0]
        rows = [c for c in desktop.find(history, name="243", role_name="table cell")
                if desktop.extents(c)[0] == ways_x]
        self.assertTrue(rows, f"no game at 243 ways listed:\n{desktop.dump(history)}")
        self.click(rows[0])
        wait_for("the recall of the game at 243 ways",
                 lambda: any("243 ways" in plain(n.name) for n in desktop.find(history, role_name="label")),
                 timeout=WINDOW_TIMEOUT)

        view = self.recall_view(history)
        time.sleep(0.5)  # one paint after the choice
        shot = self.desktop.screenshot("recall")
        recalled = cell_colours(shot, view)
        weak = [(1 + i // 3, 1 + i % 3, n) for i, n in enumerate(recalled) if n < SYMBOL_COLOURS]
        self.assertFalse(weak, f"recall view at {view}: cells (reel, row, colours) without a symbol: {weak}; "
                               f"all: {recalled}; the machine's reels measured {on_machine}; see {shot.path}")

    def open_history(self):
        """History from the menu bar; it opens only while the machine is idle, so ask again."""
        for node in desktop.find(pyatspi.Registry.getDesktop(0), name="History", role_name="dialog"):
            if desktop.has_state(node, pyatspi.STATE_SHOWING):
                return node
        desktop.act(self.menu_item("History"), "Press")
        return None

    def recall_view(self, history):
        return desktop.extents(desktop.find_one(history, "the recall view", name="Recall"))


class FullScreenTest(GameTest):
    def test_full_screen_and_back_under_the_window_manager(self):
        d = self.start_session(1024, 768)
        window = self.start_game("--settings", d.settings)
        # A known normal place, away from the corner full screen takes.
        d.x(["xdotool", "windowsize", str(window), "700", "520"])
        d.x(["xdotool", "windowmove", str(window), "90", "70"])
        normal = d.settled_geometry(window)
        self.assertEqual(normal[2:], (700, 520), self.seen())
        self.assert_whole_on_screen(window, "before full screen")
        self.assertFalse(self.full_screen_ticked(), self.seen())
        d.activate(window)

        for way in ("F11 then Escape", "F11 then F11"):
            d.key("F11")
            self.expect(full=True, normal=normal, when=f"{way}: after the first F11")
            d.key("Escape" if way.endswith("Escape") else "F11")
            self.expect(full=False, normal=normal, when=f"{way}: back")
            self.assert_whole_on_screen(window, f"{way}: back")

    def expect(self, full, normal, when):
        d = self.desktop
        screen = (0, 0, d.width, d.height)
        target = screen if full else normal

        def reached():
            return d.geometry(self.window) == target and self.full_screen_ticked() == full
        try:
            wait_for(f"{'full screen' if full else 'the normal window'} ({when})", reached, timeout=WINDOW_TIMEOUT)
        except DesktopError as error:
            shot = d.screenshot("".join(c if c.isalnum() else "-" for c in when))
            self.fail(f"{when}: expected client geometry {target} with Full Screen "
                      f"{'ticked' if full else 'clear'}; saw {d.geometry(self.window)}, ticked: "
                      f"{self.full_screen_ticked()}\n{error}\n{self.seen()}\nshot: {shot.path}")

    def assert_whole_on_screen(self, window, when):
        d = self.desktop
        x, y, w, h = d.geometry(window)
        left, right, top, bottom = d.frame_extents(window)
        frame = (x - left, y - top, w + left + right, h + top + bottom)
        self.assertTrue(top > 0, f"{when}: the window has no title bar; frame extents {(left, right, top, bottom)}")
        self.assertTrue(frame[0] >= 0 and frame[1] >= 0 and frame[0] + frame[2] <= d.width and
                        frame[1] + frame[3] <= d.height,
                        f"{when}: the framed window {frame} is not whole on the {d.width}x{d.height} screen\n"
                        f"{self.seen()}")


class SettingsFolderTest(GameTest):
    def test_settings_folder_keeps_everything_out_of_home(self):
        d = self.start_session(1024, 768)
        window = self.start_game("--settings", d.settings)
        self.click(self.button("Click For Credit"))
        self.click(self.button("Play 3 Lines"))
        self.spin()
        # Closed with the window manager's close box key, as a player closes it.
        d.activate(window)
        d.key("alt+F4")
        try:
            code = self.game.wait(timeout=SPIN_TIMEOUT)
        except Exception:
            self.fail(f"the game did not end after alt+F4\n{self.seen()}")
        self.assertEqual(code, 0, d.game_log())

        in_home = sorted(os.path.relpath(os.path.join(folder, name), d.home)
                         for folder, folders, files in os.walk(d.home) for name in folders + files)
        self.assertEqual(in_home, [], f"the game wrote under its HOME ({d.home}) despite --settings")

        kept = {os.path.relpath(os.path.join(folder, name), d.settings): os.path.getsize(os.path.join(folder, name))
                for folder, _, files in os.walk(d.settings) for name in files}
        profiles = [f for f, size in kept.items() if f.endswith(".conf") and size > 0]
        journals = [f for f, size in kept.items() if os.path.basename(f).startswith("journal") and
                    f.endswith(".sqlite") and size > 0]
        self.assertTrue(profiles and journals, f"the settings folder {d.settings} should hold the profile and the "
                                               f"journal; it holds {sorted(kept)}")


class FocusTest(GameTest):
    def test_tab_moves_the_focus_and_it_stays(self):
        d = self.start_session(1024, 768)
        window = self.start_game("--settings", d.settings)
        first = wait_for("a control with the focus", lambda: desktop.focused(self.app), timeout=WINDOW_TIMEOUT)
        d.activate(window)
        d.key("Tab", "Tab")
        try:
            moved = wait_for("Tab to move the focus",
                             lambda: (lambda now: now if now and now != first else None)(desktop.focused(self.app)),
                             timeout=WINDOW_TIMEOUT, interval=0.02)
        except DesktopError as error:
            self.fail(f"the focus stayed on {first} after Tab, Tab: {error}\n{self.seen()}")
        # The game refreshes its window every second; the focus must outlast a few of them.
        seen = []
        deadline = time.monotonic() + 2.5
        while time.monotonic() < deadline:
            seen.append(desktop.focused(self.app))
            time.sleep(0.1)
        strays = sorted({str(s) for s in seen if s != moved})
        self.assertFalse(strays, f"Tab moved the focus from {first} to {moved}, and within 2.5 s it went to "
                                 f"{strays}\n{self.seen()}")


class ScreenCheckTest(GameTest):
    def test_a_screen_the_game_refuses_leaves_nothing_behind(self):
        d = self.start_session(1024, 768)
        # A desktop set to large type without scaling: the game says it cannot run there, and ends.
        self.game = d.start_game(os.path.abspath(GAME), "--settings", d.settings,
                                 desktop_settings={"QT_ENABLE_HIGHDPI_SCALING": "0", "QT_FONT_DPI": "120"})
        app = desktop.application(self.game.pid)
        notice = desktop.find_one(app, "the large-fonts notice", role_name="alert")
        desktop.act(desktop.find_one(notice, "its OK button", name="OK", role_name="push button"), "Press")
        self.assertEqual(self.game.wait(timeout=SPIN_TIMEOUT), 0, d.game_log())

        left = sorted(os.path.relpath(os.path.join(folder, name), root) for root in (d.home, d.settings)
                      for folder, folders, files in os.walk(root) for name in folders + files)
        self.assertEqual(left, [], "a game that ended at its screen check wrote files")


class TwoCopiesTest(GameTest):
    def test_a_second_copy_on_the_same_settings_says_so_and_changes_nothing(self):
        d = self.start_session(1024, 768)
        self.start_game("--settings", d.settings)
        first = self.game
        self.click(self.button("Click For Credit"))
        time.sleep(1.0)

        def files():
            stats = {os.path.relpath(os.path.join(folder, name), d.settings): os.stat(os.path.join(folder, name))
                     for folder, _, names in os.walk(d.settings) for name in names}
            return {name: (st.st_size, st.st_mtime_ns) for name, st in stats.items()}
        before = files()
        second = d.start_game(os.path.abspath(GAME), "--settings", d.settings)
        notice = desktop.find_one(desktop.application(second.pid), "the already-running notice", role_name="alert")
        desktop.act(desktop.find_one(notice, "its OK button", name="OK", role_name="push button"), "Press")

        self.assertEqual(second.wait(timeout=SPIN_TIMEOUT), 1, d.game_log())
        self.assertIsNone(first.poll(), "the first copy plays on")
        self.assertEqual(files(), before, "the second copy changed the settings folder")

    def test_two_copies_started_at_once_leave_exactly_one_playing(self):
        d = self.start_session(1024, 768)
        games = [d.start_game(os.path.abspath(GAME), "--settings", d.settings) for _ in range(2)]

        def refused():
            for game in games:
                try:
                    app = desktop.application(game.pid, timeout=0.5)
                except DesktopError:
                    continue
                if next(iter(desktop.find(app, role_name="alert")), None) is not None:
                    return game, app
            return None
        loser, app = wait_for("one copy to say the game is already running", refused, timeout=WINDOW_TIMEOUT * 3)
        notice = desktop.find_one(app, "the already-running notice", role_name="alert")
        desktop.act(desktop.find_one(notice, "its OK button", name="OK", role_name="push button"), "Press")
        self.assertEqual(loser.wait(timeout=SPIN_TIMEOUT), 1, d.game_log())
        winner = games[1 - games.index(loser)]
        time.sleep(1.0)
        self.assertIsNone(winner.poll(), "the other copy plays")
        winner_app = desktop.application(winner.pid)
        self.assertIsNone(next(iter(desktop.find(winner_app, role_name="alert")), None), "and says nothing")
        frame = desktop.find_one(winner_app, "its main window", role_name="frame")
        self.click(self.button("Click For Credit", root=frame))
        wait_for("the credit on the playing copy's window",
                 lambda: "Credit: 10 coins, $ 0.1" in [plain(n.name) for n in desktop.find(frame, role_name="label")],
                 timeout=WINDOW_TIMEOUT)


class AccessibilityTest(GameTest):
    def test_a_screen_reader_hears_every_button_meter_and_reel_cell(self):
        d = self.start_session(1024, 768)
        self.start_game("--settings", d.settings)
        for _ in range(3):
            self.click(self.button("Click For Credit"))
        desktop.find_one(self.frame, "the credit meter with its value", role_name="label",
                         name="Credit: 30 coins, $ 0.3")
        self.spin()
        with open(os.path.join(d.root, "accessible-tree.txt"), "w") as out:
            out.write(desktop.dump(self.frame, limit=10))
        shown = [n for n in desktop.find(self.frame, role_name="push button")
                 if desktop.has_state(n, pyatspi.STATE_SHOWING)]
        self.assertGreater(len(shown), 10, desktop.dump(self.frame))
        self.assertEqual([desktop.extents(n) for n in shown if not plain(n.name)], [],
                         "shown buttons without a name, at these places")
        cells = [plain(n.name) for n in desktop.find(self.frame, role_name="image")
                 if plain(n.name).startswith("Reel ")]
        self.assertEqual(len(cells), 15, cells)
        self.assertFalse([c for c in cells if c.endswith("turning")], cells)


class KeyboardTest(GameTest):
    """A whole session without the mouse: Tab and Shift+Tab to a control, Enter to press it,
    Space to spin, Alt and a letter for the menu, Escape to close a side window."""

    def tab_to(self, name, backwards=False):
        for _ in range(60):
            if desktop.focused(self.app) == (name, "push button"):
                return
            self.desktop.key("shift+Tab" if backwards else "Tab")
            time.sleep(0.05)
        self.fail(f"Tab never reached {name!r}; the focus is on {desktop.focused(self.app)}\n{self.seen()}")

    def press(self, name, backwards=False):
        self.tab_to(name, backwards)
        self.desktop.key("Return")

    def side_windows(self):
        return [plain(w.name) for w in (self.app.getChildAtIndex(i) for i in range(self.app.childCount))
                if w is not None and w.getRoleName() in ("dialog", "alert", "frame") and w != self.frame
                and desktop.has_state(w, pyatspi.STATE_SHOWING)]

    def open_and_close(self, keys, closing="Escape"):
        self.desktop.key(keys)
        opened = wait_for(f"{keys} to open a side window", self.side_windows, timeout=WINDOW_TIMEOUT)
        self.desktop.screenshot("side-window-" + keys.replace("+", "-"))
        self.desktop.key(closing)
        wait_for(f"{opened} to close on {closing}", lambda: not self.side_windows(), timeout=WINDOW_TIMEOUT)
        return opened

    def credit(self):
        return desktop.find_one(self.frame, "the credit meter", role_name="label",
                                predicate=lambda n: plain(n.name).startswith("Credit: ") and "coin" in n.name).name

    def test_a_whole_session_from_the_keyboard_alone(self):
        d = self.start_session(1024, 768)
        window = self.start_game("--settings", d.settings)
        told = desktop.Announcements(self.game.pid)
        self.addCleanup(told.close)
        d.activate(window)
        # With no credit, Enter on fast money is refused by the game's keys and presses it still.
        self.press("Fast money, 50 dollars")
        told.wait("the fast money", lambda t: t.startswith("Credit put on: 5000"), timeout=WINDOW_TIMEOUT)
        self.press("Click For Credit", backwards=True)
        told.wait("the credit", lambda t: t == "Credit put on: 10 coins", timeout=WINDOW_TIMEOUT)
        self.press("Play 9 Lines")
        # 9 ways cost 3 coins a coin.
        wait_for("9 ways in force", lambda: any(t.startswith("Stake: 3 coins") for t in self.showing_texts()),
                 timeout=WINDOW_TIMEOUT)
        self.press("Bet 2 Coins")
        told.wait("the spin of the bet button", lambda t: t == "No win" or t.startswith("Win "), timeout=SPIN_TIMEOUT)

        # Space spins until a win; Enter gambles it on red; a won card is collected. A round of
        # free spins that comes meanwhile plays itself out and its total is collected.
        collected = False
        for _ in range(150):
            d.key("space")
            result = told.wait("a spin's result", lambda t: t.startswith("No win") or t.startswith("Win "),
                               timeout=SPIN_TIMEOUT)
            if "free spins won" in result or "free spin won" in result:
                told.wait("the round's end", lambda t: "Free spins over" in t, timeout=12 * SPIN_TIMEOUT)
                self.press("Collect")
                told.wait("the round total collected", lambda t: t.startswith("Collected "), timeout=WINDOW_TIMEOUT)
                continue
            if result == "No win":
                continue
            self.press("Click to double or lose win")
            told.wait("the gamble opened", lambda t: t.startswith("Gamble "), timeout=WINDOW_TIMEOUT)
            self.press("Red")
            card = told.wait("the card", lambda t: t.startswith("Card: "), timeout=WINDOW_TIMEOUT)
            if "Won" in card:
                self.press("Collect")
                told.wait("the gamble collected", lambda t: t.startswith("Gamble collected"), timeout=WINDOW_TIMEOUT)
                collected = True
                break
        self.assertTrue(collected, "no gamble won in 150 spins")

        opened = [self.open_and_close(keys) for keys in ("alt+o", "alt+p", "alt+a", "alt+h")]
        # The first autoplay tells how autoplay works in a message box, then offers its window.
        self.press("Auto play")
        wait_for("the autoplay notice", lambda: [w for w in self.side_windows()], timeout=WINDOW_TIMEOUT)
        d.key("Return")
        opened.append(wait_for("the autoplay window", self.side_windows, timeout=WINDOW_TIMEOUT))
        # Enter starts autoplay; the space bar stops it, and the reader is told why it stopped.
        d.key("Return")
        wait_for("the autoplay window to close", lambda: not self.side_windows(), timeout=WINDOW_TIMEOUT)
        told.wait("an autoplay spin", lambda t: t.startswith("No win") or t.startswith("Win "), timeout=SPIN_TIMEOUT)
        d.key("space")
        told.wait("autoplay stopping", lambda t: t == "Autoplay stopped as asked", timeout=12 * SPIN_TIMEOUT)
        with open(os.path.join(d.root, "announcements.txt"), "w") as out:
            out.write("\n".join(told.log))
        self.assertEqual(len(opened), 5, opened)

        # The books in the store: every step of the session, in the order it was played.
        self.game.terminate()
        self.game.wait(timeout=WINDOW_TIMEOUT)
        import sqlite3
        with sqlite3.connect(os.path.join(d.settings, "Melvane", "journal.sqlite")) as db:
            kinds = [k for (k,) in db.execute("SELECT kind FROM steps ORDER BY serial")]
        fast_money, credit, spin, gamble_open, card, gamble_collect = 9, 8, 1, 4, 5, 6
        self.assertEqual(kinds[:3], [fast_money, credit, spin])
        last_collect = len(kinds) - 1 - kinds[::-1].index(gamble_collect)
        self.assertEqual(kinds[last_collect - 2:last_collect + 1], [gamble_open, card, gamble_collect])
        self.assertIn(spin, kinds[last_collect + 1:], "the autoplay's spins")
        with open(os.path.join(d.settings, "Melvane", "keys.conf")) as f:
            profile = f.read()
        self.assertIn("amountinvested=5010", profile)


def translation(code, source, context="GameText"):
    """What the translators' source of a language says for a text; the text itself in English."""
    if code == "en":
        return source
    import xml.etree.ElementTree as ET
    root = ET.parse(os.path.join(HERE, "..", "..", "translations", f"melvane_{code}.ts")).getroot()
    for ctx in root.iter("context"):
        if ctx.find("name").text == context:
            for m in ctx.iter("message"):
                if m.find("source").text == source:
                    return m.find("translation").text
    raise KeyError(f"{source!r} is not in the {code} translation")


class LanguageTest(GameTest):
    def test_the_game_speaks_the_language_asked_for(self):
        for code in ("en", "de", "fr", "es"):
            with self.subTest(code):
                d = self.start_session(1024, 768, label="-" + code)
                self.start_game("--settings", d.settings, "--language", code)
                for menu in ("&Paytable", "&Options", "&History"):
                    self.menu_item(plain(translation(code, menu)))
                self.button(plain(translation(code, "Click For Credit")))
                self.button(plain(translation(code, "Bet 1 Coin")))
                d.screenshot("main-window-" + code)
                d.close()


class FullDiskTest(GameTest):
    messages_seen = 0

    def dismiss_alerts(self, quiet=2.0, first=None):
        """Presses OK on every message box the game shows until none comes for `quiet` seconds
        (`first` seconds for the first one, when one is due: a loaded machine is slow to show it);
        returns their texts in the order they came."""
        texts = []
        while True:
            try:
                alert = wait_for("a message box", lambda: next(iter(desktop.find(self.app, role_name="alert")), None),
                                 timeout=first if first is not None and not texts else quiet)
            except DesktopError:
                return texts
            texts.append(" ".join(plain(n.name) for n in desktop.find(alert, role_name="label") if n.name.strip()))
            self.desktop.screenshot(f"message-{self.messages_seen}")
            self.messages_seen += 1
            desktop.act(desktop.find_one(alert, "its OK button", name="OK", role_name="push button"), "Press")
            time.sleep(0.3)

    def test_a_save_the_disk_refuses_is_told_holds_paid_spins_and_loses_nothing_saved(self):
        d = self.start_session(1024, 768)
        # The settings on a small disk of their own, which only root can mount.
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=4m", "tmpfs", d.settings],
                          stderr=subprocess.DEVNULL).returncode != 0:
            self.skipTest("mounting a small filesystem needs root")
        self.addCleanup(subprocess.run, ["umount", "-l", d.settings])
        window = self.start_game("--settings", d.settings)
        for _ in range(2):
            self.click(self.button("Click For Credit"))
        self.click(self.button("Play 3 Lines"))
        self.spin()
        profile = os.path.join(d.settings, "Melvane", "keys.conf")
        with open(profile) as f:
            saved = f.read()

        filler = os.path.join(d.settings, "filler")
        subprocess.run(["dd", "if=/dev/zero", "of=" + filler, "bs=64k"], stderr=subprocess.DEVNULL)
        self.click(self.button("Bet 1 Coin"))
        told = self.dismiss_alerts(first=SPIN_TIMEOUT)
        lost = [t for t in told if "could not be saved" in t]
        self.assertEqual(len(lost), 1, f"one message of the lost save, naming the file; the game said {told}")
        self.assertIn(profile, lost[0])
        with open(profile) as f:
            self.assertEqual(f.read(), saved, "the last save on disk was overwritten")
        d.screenshot("after-the-failed-save")

        bet = self.button("Bet 1 Coin")
        self.click(bet)
        told = self.dismiss_alerts(first=SPIN_TIMEOUT)
        self.assertEqual(len([t for t in told if "could not be saved" in t]), 1,
                         f"a press of a bet button while the profile cannot be saved says why: {told}")
        self.assertTrue(desktop.has_state(bet, pyatspi.STATE_SENSITIVE), "no spin started")

        os.remove(filler)
        self.spin()
        self.assertEqual(self.dismiss_alerts(quiet=1.0), [], "the save succeeds again without a word")
        with open(profile) as f:
            now = f.read()
        self.assertNotEqual(now, saved, "the press saved the profile and the spin after it")
        d.activate(window)
        d.key("alt+F4")
        self.assertEqual(self.game.wait(timeout=SPIN_TIMEOUT), 0, d.game_log())


class FirstStartTest(GameTest):
    def test_window_opens_whole_on_small_and_wide_screens(self):
        for width, height in ((800, 600), (1366, 768)):
            with self.subTest(screen=f"{width}x{height}"):
                self.doCleanups()
                d = self.start_session(width, height, f"-{width}x{height}")
                window = self.start_game("--settings", d.settings)
                x, y, w, h = d.settled_geometry(window)
                left, right, top, bottom = d.frame_extents(window)
                frame = (x - left, y - top, w + left + right, h + top + bottom)
                self.assertTrue(top > 0 and frame[0] >= 0 and frame[1] >= 0 and frame[0] + frame[2] <= width and
                                frame[1] + frame[3] <= height,
                                f"the framed window {frame} is not whole on the {width}x{height} screen\n"
                                f"{self.seen()}\nshot: {d.screenshot(f'start-{width}x{height}').path}")


def main():
    # ctest ends a test that runs too long with SIGTERM: the cleanups still end every process.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    if not os.access(GAME, os.X_OK):
        print(f"no game at {GAME}; set MELVANE_GAME_BINARY", file=sys.stderr)
        return 2
    desktop.wake_accessibility_bus()
    return 0 if unittest.main(exit=False, verbosity=2).result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
