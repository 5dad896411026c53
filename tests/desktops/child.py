#!/usr/bin/python3
"""Finds the classroom's controls through AT-SPI, as a screen reader would, and tells where they are.
Usage: child.py PID showing CAPTION [SECONDS]   exits 0 once a window of PID with that caption shows
       child.py PID where NAME ROLE             prints the centre of the control "X Y" (screen pixels)
Captions and names are compared by their words: the boards pad them with spaces."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def plain(name):
    return " ".join((name or "").split())


def showing(acc):
    try:
        return acc.get_state_set().contains(Atspi.StateType.SHOWING)
    except Exception:  # gone between two questions
        return False


def windows(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        return [w for w in (app.get_child_at_index(j) for j in range(app.get_child_count())) if w and showing(w)]
    return []


def walk(acc, depth=0):
    yield acc
    if depth > 12:
        return
    try:
        count = acc.get_child_count()
    except Exception:
        return
    for i in range(count):
        child = acc.get_child_at_index(i)
        if child is not None and showing(child):
            yield from walk(child, depth + 1)


def where(pid, name, role):
    for window in windows(pid):
        for acc in walk(window):
            if acc is not window and plain(acc.get_name()) == plain(name) and acc.get_role_name() == role:
                r = acc.get_extents(Atspi.CoordType.SCREEN)
                if r.width > 0 and r.height > 0:
                    return r.x + r.width // 2, r.y + r.height // 2
    return None


def until(seconds, condition):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    return None


def main():
    pid, command = int(sys.argv[1]), sys.argv[2]
    if command == "showing":
        caption, seconds = plain(sys.argv[3]), float(sys.argv[4]) if len(sys.argv) > 4 else 20
        return 0 if until(seconds, lambda: caption in [plain(w.get_name()) for w in windows(pid)]) else 1
    if command == "where":
        point = until(5, lambda: where(pid, sys.argv[3], sys.argv[4]))
        if not point:
            return 1
        print(*point)
        return 0
    return 2


if __name__ == "__main__":
    sys.exit(main())
