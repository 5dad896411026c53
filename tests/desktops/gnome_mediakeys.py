#!/usr/bin/python3
"""Stands in for gnome-settings-daemon's media-keys plugin: under its bus name it asks GNOME Shell for
accelerators (org.gnome.Shell.GrabAccelerators, as the real one does for the terminal's Ctrl+Alt+T) and
touches MARKER_DIR/NAME whenever the shell reports one activated: then the key reached the desktop.
Usage: gnome_mediakeys.py MARKER_DIR NAME=ACCELERATOR...   Prints "grabbed NAME ACTION" (0: refused)."""
import os
import sys

import dbus
import dbus.mainloop.glib
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
markers, pairs = sys.argv[1], [a.split("=", 1) for a in sys.argv[2:]]
bus = dbus.SessionBus()
bus.request_name("org.gnome.SettingsDaemon.MediaKeys")
shell = dbus.Interface(bus.get_object("org.gnome.Shell", "/org/gnome/Shell"), "org.gnome.Shell")
NORMAL, OVERVIEW = 1, 2
actions = shell.GrabAccelerators([(accel, dbus.UInt32(NORMAL | OVERVIEW), dbus.UInt32(0)) for _, accel in pairs])
names = {}
for (name, _), action in zip(pairs, actions):
    print("grabbed", name, int(action), flush=True)
    names[int(action)] = name


def activated(action, _params):
    name = names.get(int(action))
    if name:
        open(os.path.join(markers, name), "a").close()
        print("activated", name, flush=True)


bus.add_signal_receiver(activated, "AcceleratorActivated", "org.gnome.Shell", None, "/org/gnome/Shell")
GLib.MainLoop().run()
