"""A child at the real classroom: finds controls by their accessible names through AT-SPI, clicks and
types at their real screen positions with xdotool, hears through the disk audio driver's output file
and sees through screenshots of the root window. Needs Debian's python3 with gir1.2-atspi-2.0."""
import array
import os
import subprocess
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


class SessionFailure(Exception):
    pass


def plain(name):
    """Captions carry padding spaces for the old screen layout; the child reads only the words."""
    return " ".join((name or "").split())


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True, timeout=10)


def wait_until(what, condition, seconds=10.0, step=0.1):
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise SessionFailure("timed out waiting for " + what)
        time.sleep(step)


class AudioTap:
    """Follows the disk audio driver's output file. The program closes its sound output after a quiet
    spell and the driver starts the file afresh when it opens again, so the file alone cannot say what
    was played since a moment: the tap keeps counting across restarts and remembers the loudest
    sample of each piece it read."""

    def __init__(self, path):
        self.path = path
        self.read_to = 0  # bytes of the current file already read
        self.total = 0  # bytes read across every restart of the file
        self.pieces = []  # (total after the piece, loudest sample in it)
        self.lock = threading.Lock()
        threading.Thread(target=self._follow, daemon=True).start()

    def _follow(self):
        while True:
            self.poll()
            time.sleep(0.01)

    def poll(self):
        with self.lock:
            try:
                size = os.path.getsize(self.path)
                if size < self.read_to:  # the file was started afresh
                    self.read_to = 0
                with open(self.path, "rb") as f:
                    f.seek(self.read_to)
                    data = f.read(size - self.read_to)
            except OSError:  # not written yet
                return
            data = data[: len(data) - len(data) % 4]
            if not data:
                return
            self.read_to += len(data)
            self.total += len(data)
            samples = array.array("h", data)
            self.pieces.append((self.total, max(abs(x) for x in samples)))

    def mark(self):
        self.poll()
        with self.lock:
            return self.total

    def loudest_since(self, mark):
        self.poll()
        with self.lock:
            return max((loudest for end, loudest in self.pieces if end > mark), default=0)


class Classroom:
    def __init__(self, pid, audio_file, shots_dir):
        self.pid = pid
        self.audio = AudioTap(audio_file)
        self.shots_dir = shots_dir
        self.pointer = None

    # --- finding things -------------------------------------------------------------------------
    def app(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(i)
            try:
                if child is not None and child.get_process_id() == self.pid:
                    return child
            except Exception:  # an application that left the bus while being asked
                continue
        return None

    @staticmethod
    def showing(acc):
        try:
            return acc.get_state_set().contains(Atspi.StateType.SHOWING)
        except Exception:  # a control that went away between two queries
            return False

    def showing_windows(self):
        app = self.app()
        if app is None:
            return []
        windows = []
        for i in range(app.get_child_count()):
            window = app.get_child_at_index(i)
            if window is not None and self.showing(window):
                windows.append(window)
        return windows

    def walk(self, acc, depth=0):
        yield acc
        if depth > 12:
            return
        try:
            count = acc.get_child_count()
        except Exception:
            return
        for i in range(count):
            child = acc.get_child_at_index(i)
            if child is not None and self.showing(child):
                yield from self.walk(child, depth + 1)

    def board(self):
        """The caption of the one board in front (the title screen stays showing behind the boards)."""
        boards = self.boards_showing()
        return plain(boards[0].get_name()) if len(boards) == 1 else None

    def boards_showing(self):
        return [w for w in self.showing_windows()
                if plain(w.get_name()).startswith("Pipkin's") and plain(w.get_name()) != "ABCs by Tobble"]

    def board_has_keys(self, caption):
        """The board is in front and the window manager has given it the keyboard: the program shows a
        window a moment before it is mapped and focused, and a child cannot type into that moment."""
        boards = self.boards_showing()
        if len(boards) != 1 or plain(boards[0].get_name()) != plain(caption):
            return False
        try:
            if not boards[0].get_state_set().contains(Atspi.StateType.ACTIVE):
                return False
        except Exception:  # the window went away between two queries
            return False
        # Asked of the X server too: the program can call a board active while the focus is still
        # on a window behind it.
        focused = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True,
                                 timeout=10)
        return plain(focused.stdout) == plain(caption)

    def controls(self, name=None, role=None):
        found = []
        for window in self.showing_windows():
            for acc in self.walk(window):
                if acc is window:
                    continue
                if name is not None and plain(acc.get_name()) != plain(name):
                    continue
                if role is not None and acc.get_role_name() != role:
                    continue
                found.append(acc)
        return found

    def find(self, name, role=None, seconds=5.0):
        return wait_until(f'a control named "{name}"', lambda: (self.controls(name, role) or [None])[0], seconds)

    @staticmethod
    def centre(acc):
        r = acc.get_extents(Atspi.CoordType.SCREEN)
        if r.width <= 0 or r.height <= 0:
            raise SessionFailure(f'"{acc.get_name()}" has no area on the screen')
        return r.x + r.width // 2, r.y + r.height // 2

    @staticmethod
    def text_of(acc):
        return acc.get_text(0, acc.get_character_count())

    # --- doing things ---------------------------------------------------------------------------
    def move_to(self, x, y):
        # xdotool waits forever for a move to where the pointer already is: skip that move.
        if self.pointer != (x, y):
            xdotool("mousemove", x, y)
            self.pointer = (x, y)
            time.sleep(0.1)

    def click(self, name, role=None, double=False):
        self.click_at(*self.centre(self.find(name, role)), double=double)

    def click_at(self, x, y, double=False):
        self.move_to(x, y)
        if double:
            xdotool("click", "--repeat", 2, "--delay", 120, 1)
        else:
            xdotool("click", 1)
            time.sleep(0.6)  # two clicks on one spot closer than this are a double click

    def drag(self, from_xy, to_xy, steps=12):
        self.move_to(*from_xy)
        xdotool("mousedown", 1)
        (x0, y0), (x1, y1) = from_xy, to_xy
        for i in range(1, steps + 1):
            self.move_to(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        xdotool("mouseup", 1)
        time.sleep(0.3)

    def type(self, text):
        xdotool("type", "--delay", 80, text)
        time.sleep(0.3)

    def go_to(self, control, board_caption, role=None):
        self.click(control, role)
        wait_until(f'the board "{board_caption}" after "{control}"', lambda: self.board_has_keys(board_caption))

    def choose_menu(self, menu, item):
        self.click(menu, "menu item")
        self.click(item, "menu item")

    # --- hearing and seeing ---------------------------------------------------------------------
    def audio_mark(self):
        return self.audio.mark()

    def loudest_since(self, mark, seconds=1.5):
        """The largest sample (16-bit, both channels) the program sent to the sound device since mark."""
        time.sleep(seconds)
        return self.audio.loudest_since(mark)

    def screenshot(self, name):
        os.makedirs(self.shots_dir, exist_ok=True)
        path = os.path.join(self.shots_dir, name + ".png")
        subprocess.run(["import", "-window", "root", path], check=True, timeout=30)
        return path

    @staticmethod
    def changed_pixels(before, after, x, y, w, h):
        """How many pixels differ between two screenshots inside one rectangle."""
        crop = f"{w}x{h}+{x}+{y}"
        result = subprocess.run(
            ["compare", "-metric", "AE", "(", before, "-crop", crop, "+repage", ")",
             "(", after, "-crop", crop, "+repage", ")", "null:"],
            capture_output=True, text=True, timeout=30)
        return int(float(result.stderr.split()[0]))

    def ended(self):
        try:
            with open(f"/proc/{self.pid}/stat") as f:
                return f.read().split(") ")[1].startswith("Z")
        except FileNotFoundError:
            return True
