#!/usr/bin/python3
"""Stands in for Plasma's shell where KWin runs alone: KWin hands the Meta key pressed by itself to
org.kde.plasmashell's activateLauncherMenu (its default modifier-only shortcut); this answers under that
name and touches MARKER_DIR/super when KWin calls, so a Meta press that reached KWin is seen.
Usage: kwin_plasmashell.py MARKER_DIR"""
import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)


class PlasmaShell(dbus.service.Object):
    @dbus.service.method("org.kde.PlasmaShell")
    def activateLauncherMenu(self):
        open(os.path.join(sys.argv[1], "super"), "a").close()
        print("launcher", flush=True)


bus = dbus.SessionBus()
name = dbus.service.BusName("org.kde.plasmashell", bus)
shell = PlasmaShell(bus, "/PlasmaShell")
print("ready", flush=True)
GLib.MainLoop().run()
