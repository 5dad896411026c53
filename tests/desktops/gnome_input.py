#!/usr/bin/python3
"""Keys and pointer for a headless GNOME Shell through org.gnome.Mutter.RemoteDesktop, the way a remote
desktop client reaches it: mutter takes the events as a virtual device, so the shell's key bindings, hot
corner and focus rules see them as they would a real keyboard and mouse.
Usage: gnome_input.py STEP...   STEP: key:COMBO (super, alt+Tab, ctrl+alt+t), type:TEXT (lower-case
letters and digits), moveto:X,Y, click, dblclick, corner (the pointer pushed into the top-left corner)."""
import sys
import time

import dbus

CODES = {"super": 125, "alt": 56, "ctrl": 29, "shift": 42, "tab": 15, "backspace": 14, "escape": 1,
         "return": 28, "space": 57, **{f"f{i}": 58 + i for i in range(1, 11)}}
for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44), ("1234567890", 2)):
    CODES.update({ch: first + i for i, ch in enumerate(row)})
BTN_LEFT = 0x110
SCREEN = (1280, 800)

bus = dbus.SessionBus()
desk = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop"),
                      "org.gnome.Mutter.RemoteDesktop")
session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", desk.CreateSession()),
                         "org.gnome.Mutter.RemoteDesktop.Session")
session.Start()


def key(code, down):
    session.NotifyKeyboardKeycode(dbus.UInt32(code), dbus.Boolean(down))


def combo(keys):
    codes = [CODES[k.lower()] for k in keys.split("+")]
    for c in codes:
        key(c, True)
        time.sleep(0.03)
    for c in reversed(codes):
        key(c, False)
        time.sleep(0.03)


def move(dx, dy):
    session.NotifyPointerMotionRelative(dbus.Double(dx), dbus.Double(dy))


def click():
    session.NotifyPointerButton(dbus.Int32(BTN_LEFT), True)
    time.sleep(0.05)
    session.NotifyPointerButton(dbus.Int32(BTN_LEFT), False)


def moveto(x, y):
    # From the bottom-right corner: a path through the top-left one would open the overview.
    move(20000, 20000)
    time.sleep(0.05)
    move(x - (SCREEN[0] - 1), y - (SCREEN[1] - 1))


try:
    for step in sys.argv[1:]:
        kind, _, arg = step.partition(":")
        if kind == "key":
            combo(arg)
        elif kind == "type":
            for ch in arg:
                combo(ch)
                time.sleep(0.08)
        elif kind == "moveto":
            moveto(*map(float, arg.split(",")))
        elif kind == "click":
            click()
        elif kind == "dblclick":
            click()
            time.sleep(0.12)
            click()
        elif kind == "corner":
            move(300, 300)
            time.sleep(0.1)
            for _ in range(60):
                move(-15, -15)
                time.sleep(0.01)
        else:
            sys.exit(f"unknown step {step}")
        time.sleep(0.05)
finally:
    time.sleep(0.2)
    session.Stop()
