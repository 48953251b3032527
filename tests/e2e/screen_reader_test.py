#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
"""The picker as a screen reader meets it: through AT-SPI, with pyatspi, as Orca does.

Run on an X server of its own (with-xvfb) inside a D-Bus session of its own (dbus-run-session):
it starts the accessibility bus, the picker with its accessibility always on, walks the tree
and checks roles, names, descriptions, values and states, presses and toggles through the
actions, reads the text fields through the Text interface, and listens to the events while the
keyboard steps the rainbow bar. Exits with 77 (a skip) when the accessibility bus cannot start.

usage: screen_reader_test.py PICKER_BINARY
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from accessibility_session import skip, start_accessibility_bus, wait_for, xdotool

# Seeded swatches: the first holds rgb(200,100,50), the last one blue.
SETTINGS = "[position]\ncol1=3302600\ncol6=16711680\n"

RED = "rgb(255,0,0), #FF0000"
COPPER = "rgb(200,100,50), #C86432"
BLUE = "rgb(0,0,255), #0000FF"
WHITE = "rgb(255,255,255), #FFFFFF"
SYSTEM = "Window background color"

# The tree as a screen reader reads it: role, name, and the description where it is fixed.
EXPECTED_TREE = [
    ("slider", "Shade field", None),
    ("text", "rgb field", "The color as rgb(red,green,blue); type a color to go to it"),
    ("push button", "Copy rgb text", None),
    ("text", "hex field", "The color as #RRGGBB; type a color to go to it"),
    ("push button", "Copy hex text", None),
    ("check box", "Eyedropper", None),
    ("slider", "Rainbow bar", None),
    ("image", "Preview", RED),
    ("push button", "Swatch 1", COPPER),
    ("push button", "Swatch 2", SYSTEM),
    ("push button", "Swatch 3", SYSTEM),
    ("push button", "Swatch 4", SYSTEM),
    ("push button", "Swatch 5", SYSTEM),
    ("push button", "Swatch 6", BLUE),
    ("push button", "Help", None),
]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)


def state(accessible, name):
    import pyatspi
    return accessible.getState().contains(getattr(pyatspi, "STATE_" + name.upper()))


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    picker_binary = sys.argv[1]
    bus = start_accessibility_bus()
    try:
        import pyatspi
        from gi.repository import GLib
    except ImportError as error:
        bus.kill()
        skip("pyatspi cannot be loaded (package python3-pyatspi): %s" % error)

    config = tempfile.mkdtemp()
    with open(os.path.join(config, "ColorPicker.conf"), "w") as settings:
        settings.write(SETTINGS)
    environment = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    picker = subprocess.Popen([picker_binary], env=environment)
    context = GLib.MainContext.default()

    def pump():
        while context.pending():
            context.iteration(False)

    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def picker_application():
            return next((app for app in desktop if app is not None and app.name == "Tessavundo"),
                        None)

        check(wait_for(lambda: picker_application() is not None, 20),
              "the picker appears among the desktop's applications")
        application = picker_application()
        if application is None:
            return 1
        window_id = xdotool("search", "--sync", "--onlyvisible", "--pid", str(picker.pid),
                            "--name", "^Tessavundo$").split("\n")[0]
        xdotool("windowfocus", "--sync", window_id)
        # Over the shade field, where the eyedropper reads nothing.
        xdotool("mousemove", "--sync", "--window", window_id, "100", "100")

        window = application[0]
        check(window.getRoleName() == "frame" and window.name == "Tessavundo",
              "the window is a frame named Tessavundo")
        controls = {child.name: child for child in window}
        tree = [(child.getRoleName(), child.name, child.description) for child in window]
        print("The tree as a screen reader reads it:")
        for role, name, description in tree:
            print("  %s | %s | %s" % (role, name, description))
        check([(role, name) for role, name, _ in tree] ==
              [(role, name) for role, name, _ in EXPECTED_TREE],
              "the window's children, in tab order, with their roles; the render button is "
              "absent: %s" % [(role, name) for role, name, _ in tree])
        for (role, name, description), (_, _, expected) in zip(tree, EXPECTED_TREE):
            check(description, "%s has a description" % name)
            if expected is not None:
                check(description == expected,
                      "%s says %r, not %r" % (name, expected, description))
            child = controls[name]
            check(state(child, "focusable") and state(child, "showing"),
                  "%s can take the focus and is showing" % name)
        if failures:
            return 1

        field, bar = controls["Shade field"], controls["Rainbow bar"]
        preview, rgb, hex_field = controls["Preview"], controls["rgb field"], controls["hex field"]
        check(wait_for(lambda: state(field, "focused"), 5, pump),
              "the shade field holds the focus once the window is active")

        # The fields through the Text interface.
        check(text_of(rgb) == "rgb(255,0,0)" and text_of(hex_field) == "#FF0000",
              "the text fields read rgb(255,0,0) and #FF0000")

        # The bar and the field as values.
        bar_value, field_value = bar.queryValue(), field.queryValue()
        check((bar_value.minimumValue, bar_value.maximumValue, bar_value.minimumIncrement) ==
              (0, 1535, 1), "the bar's value runs 0..1535 in steps of 1")
        check(bar_value.currentValue == 0, "the bar stands at 0")
        check((field_value.minimumValue, field_value.maximumValue, field_value.currentValue) ==
              (0, 65535, 255), "the field's marker stands at row 0 * 256 + column 255")

        # Steps on the focused bar, heard as its value changing and the preview's color.
        heard = []

        def listen(event):
            heard.append((event.type, event.source))

        pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-value",
                                               "object:property-change:accessible-description")
        # Once the rgb field has had the focus and lost it, its writes locate nothing anew, so
        # each step moves the bar by exactly one.
        rgb.queryComponent().grabFocus()
        check(wait_for(lambda: state(rgb, "focused"), 5, pump), "the rgb field takes the focus")
        bar.queryComponent().grabFocus()
        check(wait_for(lambda: state(bar, "focused"), 5, pump), "the bar takes the focus")
        time.sleep(0.3)
        pump()
        heard.clear()
        xdotool("key", "plus")
        xdotool("key", "plus")

        def bar_events():
            return [source for kind, source in heard
                    if kind == "object:property-change:accessible-value" and source == bar]

        check(wait_for(lambda: len(bar_events()) >= 2, 5, pump),
              "each + on the focused bar is heard as a change of its value")
        time.sleep(0.3)
        pump()
        check(len(bar_events()) == 2, "each step is heard once: %d events" % len(bar_events()))
        check(bar_value.currentValue == 2, "two steps put the bar at 2, not %s" %
              bar_value.currentValue)
        check(any(kind == "object:property-change:accessible-description" and source == preview
                  for kind, source in heard), "the preview's new color is heard")
        check(preview.description == "%s, %s" % (text_of(rgb), text_of(hex_field)),
              "the preview says the color of the text fields: %r" % preview.description)

        # A swatch pressed through its action, then by the keyboard.
        swatch1, swatch6 = controls["Swatch 1"], controls["Swatch 6"]
        action = swatch1.queryAction()
        check(action.getName(0) == "Press", "a swatch's first action is Press")
        action.doAction(0)
        check(wait_for(lambda: preview.description == COPPER, 5, pump),
              "Press on swatch 1 makes its color current")
        check(text_of(rgb) == "rgb(200,100,50)", "the rgb field then reads rgb(200,100,50)")
        swatch6.queryComponent().grabFocus()
        check(wait_for(lambda: state(swatch6, "focused"), 5, pump), "swatch 6 takes the focus")
        xdotool("key", "space")
        check(wait_for(lambda: preview.description == BLUE, 5, pump),
              "Space on the focused swatch 6 takes its blue")
        xdotool("key", "shift+Return")
        check(wait_for(lambda: swatch6.description == WHITE, 5, pump),
              "Shift+Enter on swatch 6 resets the swatches to white")
        check(preview.description == RED and text_of(hex_field) == "#FF0000",
              "and the color to red")

        # The field by its keys and through its value: column and row in one number.
        field.queryComponent().grabFocus()
        check(wait_for(lambda: state(field, "focused"), 5, pump), "the field takes the focus")
        xdotool("key", "Left")
        check(wait_for(lambda: field_value.currentValue == 254, 5, pump),
              "Left moves the field point to column 254: %s" % field_value.currentValue)
        xdotool("key", "Next")
        check(wait_for(lambda: field_value.currentValue == 255 * 256 + 254, 5, pump),
              "Page Down moves it to the bottom row: %s" % field_value.currentValue)
        field_value.currentValue = 20 * 256 + 10
        check(wait_for(lambda: field_value.currentValue == 20 * 256 + 10, 5, pump),
              "setting 20 * 256 + 10 puts the point in column 10, row 20")

        # The eyedropper, a check box that is checked while it samples; Space checks it, and
        # the end is heard as "not checked" and the color it took.
        eyedropper = controls["Eyedropper"]
        toggle = eyedropper.queryAction()
        check(toggle.getName(0) == "Toggle", "the eyedropper's first action is Toggle")
        check(not state(eyedropper, "checked"),
              "the eyedropper starts not checked")
        toggle.doAction(0)
        check(wait_for(lambda: state(eyedropper, "checked"), 5, pump), "Toggle checks it")
        toggle.doAction(0)
        check(wait_for(lambda: not state(eyedropper, "checked"), 5, pump),
              "Toggle again unchecks it")

        checked_heard = []

        def listen_checked(event):
            checked_heard.append((event.type, event.source, event.detail1))

        pyatspi.Registry.registerEventListener(listen_checked, "object:state-changed:checked",
                                               "object:property-change:accessible-description")
        eyedropper.queryComponent().grabFocus()
        check(wait_for(lambda: state(eyedropper, "focused"), 5, pump),
              "the eyedropper takes the focus")
        xdotool("key", "space")
        check(wait_for(lambda: state(eyedropper, "checked"), 5, pump), "Space checks it")
        xdotool("key", "space")
        check(wait_for(lambda: not state(eyedropper, "checked"), 5, pump),
              "Space again ends sampling")

        def checked_events():
            return [detail for kind, source, detail in checked_heard
                    if kind.startswith("object:state-changed:checked") and source == eyedropper]

        check(wait_for(lambda: checked_events() == [1, 0], 5, pump),
              "Space is heard as checked, then not checked: %s" % checked_events())
        check(any(kind == "object:property-change:accessible-description" and
                  source == eyedropper for kind, source, _ in checked_heard),
              "the end of sampling is heard on the eyedropper")
        said = "Took %s, %s" % (text_of(rgb), text_of(hex_field))
        check(eyedropper.description == said,
              "the eyedropper says %r, not %r" % (said, eyedropper.description))
        pyatspi.Registry.deregisterEventListener(
            listen_checked, "object:state-changed:checked",
            "object:property-change:accessible-description")
        pyatspi.Registry.deregisterEventListener(
            listen, "object:property-change:accessible-value",
            "object:property-change:accessible-description")
    finally:
        picker.terminate()
        try:
            picker.wait(10)
        except subprocess.TimeoutExpired:
            picker.kill()
        bus.terminate()
        shutil.rmtree(config, ignore_errors=True)

    print("%d checks failed" % len(failures) if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
