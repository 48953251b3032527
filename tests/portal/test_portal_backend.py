#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
"""A desktop portal backend of the tests' own, behind the real xdg-desktop-portal frontend.

It implements org.freedesktop.impl.portal.ScreenCast, .Screenshot (PickColor) and .Access on
the session bus it is started on, and answers as the JSON file named by
TESSAVUNDO_BACKEND_CONFIG says at the moment of each call:
  start           "ok", "refuse" (the user cancelled), "fail", or "hang" (never answers)
  reject_restore  answer Start with a failure whenever the frontend passed restore data
  no_close        requests and sessions know no Close, as xdg-desktop-portal-wlr's
  streams         [[node, x, y, width, height], ...]
  color           [red, green, blue], each 0 to 1, for PickColor; "hang" never answers
  stream_source   "mutter": Start records the primary monitor through mutter's own
                  org.gnome.Mutter.ScreenCast on the same bus, the pointer as metadata, and
                  answers with mutter's PipeWire node (streams is then not used)
Every call is appended to the file TESSAVUNDO_BACKEND_LOG, one JSON object a line.
TESSAVUNDO_BACKEND_CURSOR_MODES sets AvailableCursorModes (7 by default; wlroots offers 3).
"""
import json
import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

BUS_NAME = "org.freedesktop.impl.portal.desktop.tessavundo"
PATH = "/org/freedesktop/portal/desktop"
SCREEN_CAST = "org.freedesktop.impl.portal.ScreenCast"
SCREENSHOT = "org.freedesktop.impl.portal.Screenshot"
ACCESS = "org.freedesktop.impl.portal.Access"
REQUEST = "org.freedesktop.impl.portal.Request"
SESSION = "org.freedesktop.impl.portal.Session"
PROPERTIES = "org.freedesktop.DBus.Properties"
MUTTER_CAST = "org.gnome.Mutter.ScreenCast"
# Mutter's cursor mode for the pointer sent beside the frames.
MUTTER_CURSOR_METADATA = 2


def config():
    try:
        with open(os.environ["TESSAVUNDO_BACKEND_CONFIG"], encoding="utf-8") as file:
            return json.load(file)
    except (KeyError, OSError, ValueError):
        return {}


def plain(value):
    """D-Bus values as JSON can hold them."""
    if isinstance(value, (bool, dbus.Boolean)):
        return bool(value)
    if isinstance(value, (dbus.Dictionary, dict)):
        return {str(key): plain(item) for key, item in value.items()}
    if isinstance(value, (dbus.Array, dbus.Struct, list, tuple)):
        return [plain(item) for item in value]
    if isinstance(value, (dbus.String, dbus.ObjectPath)):
        return str(value)
    if isinstance(value, (dbus.Double,)):
        return float(value)
    if isinstance(value, (int,)):
        return int(value)
    return str(value)


def log(method, **fields):
    fields["method"] = method
    with open(os.environ["TESSAVUNDO_BACKEND_LOG"], "a", encoding="utf-8") as file:
        file.write(json.dumps(plain(fields)) + "\n")


def unknown_close():
    return dbus.exceptions.DBusException(
        "No such method Close", name="org.freedesktop.DBus.Error.UnknownMethod")


class Closable(dbus.service.Object):
    """A request or a session the frontend may close."""

    def __init__(self, bus, path, kind, on_close=None):
        super().__init__(bus, path)
        self.kind = kind
        self.on_close = on_close
        self.path = path

    def close(self):
        log(self.kind + ".Close", path=self.path)
        if self.on_close:
            self.on_close()
        self.remove_from_connection()

    @dbus.service.method(REQUEST, in_signature="", out_signature="")
    def Close(self):  # noqa: N802 (the D-Bus name)
        if config().get("no_close"):
            raise unknown_close()
        self.close()


class SessionObject(Closable):
    @dbus.service.method(SESSION, in_signature="", out_signature="")
    def Close(self):  # noqa: N802
        if config().get("no_close"):
            raise unknown_close()
        self.close()

    @dbus.service.signal(SESSION, signature="")
    def Closed(self):  # noqa: N802
        pass


class Backend(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.sessions = {}
        # Whether each session's sources were selected with restore data.
        self.restored = {}
        # Answers never given, kept so the calls stay pending.
        self.hanging = []

    def request(self, handle):
        return Closable(self.bus, handle, "Request")

    def answer(self, request, ok, response, results):
        try:
            request.remove_from_connection()
        except LookupError:
            pass  # closed meanwhile
        ok(dbus.UInt32(response), dbus.Dictionary(results, signature="sv"))

    # Properties of the screen cast, as the frontend reads them when it starts.
    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):  # noqa: N802
        return self.GetAll(interface)[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):  # noqa: N802
        if interface != SCREEN_CAST:
            return dbus.Dictionary({}, signature="sv")
        modes = int(os.environ.get("TESSAVUNDO_BACKEND_CURSOR_MODES", "7"))
        return dbus.Dictionary({"AvailableSourceTypes": dbus.UInt32(3),
                                "AvailableCursorModes": dbus.UInt32(modes),
                                "version": dbus.UInt32(4)}, signature="sv")

    @dbus.service.method(ACCESS, in_signature="osssssa{sv}", out_signature="ua{sv}")
    def AccessDialog(self, handle, app_id, parent, title, subtitle, body, options):  # noqa: N802
        log("AccessDialog", title=title)
        return dbus.UInt32(0), dbus.Dictionary({}, signature="sv")

    @dbus.service.method(SCREENSHOT, in_signature="ossa{sv}", out_signature="ua{sv}",
                         async_callbacks=("ok", "error"))
    def PickColor(self, handle, app_id, parent, options, ok, error):  # noqa: N802
        log("PickColor", parent=parent)
        request = self.request(handle)
        color = config().get("color", [1.0, 0.0, 0.0])
        if color == "hang":
            self.hanging.append(ok)
            return
        self.answer(request, ok, 0, {"color": dbus.Struct([dbus.Double(c) for c in color],
                                                          signature="ddd")})

    @dbus.service.method(SCREENSHOT, in_signature="ossa{sv}", out_signature="ua{sv}")
    def Screenshot(self, handle, app_id, parent, options):  # noqa: N802
        return dbus.UInt32(2), dbus.Dictionary({}, signature="sv")

    @dbus.service.method(SCREEN_CAST, in_signature="oosa{sv}", out_signature="ua{sv}")
    def CreateSession(self, handle, session, app_id, options):  # noqa: N802
        log("CreateSession", session=session)
        self.sessions[str(session)] = SessionObject(
            self.bus, session, "Session", lambda: self.sessions.pop(str(session), None))
        return dbus.UInt32(0), dbus.Dictionary({}, signature="sv")

    @dbus.service.method(SCREEN_CAST, in_signature="oosa{sv}", out_signature="ua{sv}")
    def SelectSources(self, handle, session, app_id, options):  # noqa: N802
        # The frontend swaps the program's restore token for the data this backend gave it.
        restored = "restore_data" in options
        log("SelectSources", session=session, options=options, restored=restored)
        self.restored[str(session)] = restored
        return dbus.UInt32(0), dbus.Dictionary({}, signature="sv")

    @dbus.service.method(SCREEN_CAST, in_signature="oossa{sv}", out_signature="ua{sv}",
                         async_callbacks=("ok", "error"))
    def Start(self, handle, session, app_id, parent, options, ok, error):  # noqa: N802
        settings = config()
        restored = self.restored.pop(str(session), False)
        log("Start", session=session, parent=parent, restored=restored)
        request = self.request(handle)
        mode = settings.get("start", "ok")
        if mode == "hang":
            self.hanging.append(ok)
            return
        if mode == "refuse":
            self.answer(request, ok, 1, {})
            return
        if mode == "fail" or (restored and settings.get("reject_restore")):
            self.answer(request, ok, 2, {})
            return
        if settings.get("stream_source") == "mutter":
            self.start_mutter(str(session), lambda streams: self.started(request, ok, streams))
            return
        self.started(request, ok, settings.get("streams", [[57, 0, 0, 1280, 800]]))

    def started(self, request, ok, stream_list):
        streams = dbus.Array([
            dbus.Struct([dbus.UInt32(node), dbus.Dictionary({
                "position": dbus.Struct([dbus.Int32(x), dbus.Int32(y)], signature="ii"),
                "size": dbus.Struct([dbus.Int32(w), dbus.Int32(h)], signature="ii"),
                "source_type": dbus.UInt32(1)}, signature="sv")], signature="ua{sv}")
            for node, x, y, w, h in stream_list
        ], signature="(ua{sv})")
        # What the desktop needs to share the same monitors again without asking.
        restore = dbus.Struct(["tessavundo-test", dbus.UInt32(1),
                               dbus.String("monitors", variant_level=1)], signature="suv")
        self.answer(request, ok, 0, {"streams": streams, "persist_mode": dbus.UInt32(2),
                                     "restore_data": restore})

    def start_mutter(self, session, answer):
        """Records mutter's primary monitor; answers once mutter names the PipeWire node."""
        cast = self.bus.get_object(MUTTER_CAST, "/org/gnome/Mutter/ScreenCast")
        cast_path = cast.CreateSession(dbus.Dictionary({}, signature="sv"),
                                       dbus_interface=MUTTER_CAST)
        cast_session = self.bus.get_object(MUTTER_CAST, cast_path)
        stream_path = cast_session.RecordMonitor(
            "", dbus.Dictionary({"cursor-mode": dbus.UInt32(MUTTER_CURSOR_METADATA)},
                                signature="sv"), dbus_interface=MUTTER_CAST + ".Session")
        stream = self.bus.get_object(MUTTER_CAST, stream_path)

        def added(node):
            parameters = stream.Get(MUTTER_CAST + ".Stream", "Parameters",
                                    dbus_interface=PROPERTIES)
            x, y = parameters.get("position", (0, 0))
            width, height = parameters.get("size", (0, 0))
            log("mutter.PipeWireStreamAdded", node=node)
            answer([[int(node), int(x), int(y), int(width), int(height)]])

        self.bus.add_signal_receiver(added, "PipeWireStreamAdded", MUTTER_CAST + ".Stream",
                                     MUTTER_CAST, stream_path)
        portal_session = self.sessions.get(session)
        if portal_session is not None:
            portal_session.on_close = lambda: (
                cast_session.Stop(dbus_interface=MUTTER_CAST + ".Session"),
                log("mutter.Stop"), self.sessions.pop(session, None))
        cast_session.Start(dbus_interface=MUTTER_CAST + ".Session")


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    backend = Backend(bus)
    name = dbus.service.BusName(BUS_NAME, bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name, backend


if __name__ == "__main__":
    sys.exit(main())
