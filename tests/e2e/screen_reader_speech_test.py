#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
"""What the Orca screen reader says while a user tabs through the picker and samples a color.

Run on an X server of its own (with-xvfb) inside a D-Bus session of its own (dbus-run-session):
it starts the accessibility bus, the picker with its accessibility always on and Orca with its
debug log, all with a private home, then moves through the window by the keyboard alone. Orca
needs no speech synthesizer for this: it writes each utterance into its debug log as
"SPEECH OUTPUT: '...'" whether or not a synthesizer speaks it. Exits with 77 (a skip) where Orca
or the accessibility bus is missing.

usage: screen_reader_speech_test.py PICKER_BINARY
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

from accessibility_session import skip, start_accessibility_bus, wait_for, xdotool

ORCA = "/usr/bin/orca"
# An utterance in Orca's log: the text in quotes, then the voice it would be said in.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\{.*\})?$")
# How long a step waits for what Orca is to say; the whole log is judged once Orca has ended.
STEP_SECONDS = 5.0

# Orca as it starts itself, but with its debug log written line by line: through the buffer
# Python gives a file, an utterance would show only some thousand characters later, and the
# test could not wait for it.
LINE_BUFFERED_ORCA = """
import builtins, runpy, sys
log_path, open_file = sys.argv[1], builtins.open
def open_log_by_lines(file, mode="r", buffering=-1, *arguments, **options):
    if file == log_path:
        buffering = 1
    return open_file(file, mode, buffering, *arguments, **options)
builtins.open = open_log_by_lines
sys.argv = [sys.argv[2], "--debug-file=" + log_path]
runpy.run_path(sys.argv[0], run_name="__main__")
"""

# The desktop the eyedropper samples, outside the window.
DESKTOP = "#3366CC"
DESKTOP_POINT = ("1000", "600")

# Each key, and what Orca is to say after it, in order.
STEPS = [
    (None, "Shade field slider 255."),
    ("Tab", "rgb field text."),
    ("Tab", "Copy rgb text push button."),
    ("Tab", "hex field text."),
    ("Tab", "Copy hex text push button."),
    ("Tab", "Eyedropper check box not checked."),
    ("Tab", "Rainbow bar slider 0."),
    ("shift+Tab", "Eyedropper check box not checked."),
    ("space", "checked"),
    ("space", "not checked"),
    # The color sampling leaves, as a notification, said last so that nothing cuts it short.
    (None, "notification Took rgb(51,102,204), #3366CC."),
]


def utterances(log_path):
    try:
        with open(log_path, errors="replace") as log:
            return [match.group(1) for match in map(UTTERANCE.search, log) if match]
    except FileNotFoundError:
        return []


def said_in_order(said, expected):
    """The expected utterances found one after another in what was said; returns how many."""
    position = 0
    for found, utterance in enumerate(expected):
        try:
            position = said.index(utterance, position) + 1
        except ValueError:
            return found
    return len(expected)


def private_environment(root):
    """A home and XDG folders of the test's own, so that neither Orca nor the picker reads or
    writes the user's settings."""
    folders = {name: os.path.join(root, name.lower())
               for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                            "XDG_RUNTIME_DIR")}
    for folder in folders.values():
        os.makedirs(folder, mode=0o700)
    # No speech synthesizer: Orca's speech client finds no server at an address of the test's
    # own and no command to start one, and Orca logs what it would have said.
    speech = {"SPEECHD_ADDRESS": "unix_socket:" + os.path.join(root, "no-speech-server"),
              "SPEECHD_CMD": os.path.join(root, "no-speech-dispatcher")}
    return dict(os.environ, **folders, **speech)


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    if not os.access(ORCA, os.X_OK):
        skip("Orca is not installed (package orca)")
    # Orca refuses to start beside another of the same user, and the user's own is never
    # replaced for a test.
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                      stdout=subprocess.DEVNULL).returncode == 0:
        skip("another Orca of this user is running")
    root = tempfile.mkdtemp()
    processes = []
    try:
        environment = private_environment(root)
        processes.append(start_accessibility_bus(environment))
        picker = subprocess.Popen([sys.argv[1]], env=dict(
            environment, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        processes.append(picker)
        window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(picker.pid),
                         "--name", "^Tessavundo$").split("\n")[0]
        if not window:
            print("FAIL: the picker's window never appeared", flush=True)
            return 1
        # Nothing of the window stands where the eyedropper is to sample.
        xdotool("windowmove", "--sync", window, "0", "0")
        subprocess.run(["xsetroot", "-solid", DESKTOP], check=True)

        log_path = os.path.join(root, "orca-debug.log")
        orca = subprocess.Popen(["/usr/bin/python3", "-c", LINE_BUFFERED_ORCA, log_path, ORCA],
                                env=environment,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes.append(orca)
        if not wait_for(lambda: "Screen reader on." in utterances(log_path)
                        or orca.poll() is not None, 20) or orca.poll() is not None:
            print("FAIL: Orca never said it was on (exit code %s)" % orca.poll(), flush=True)
            return 1

        # With no window manager, the window is active once it has the focus.
        xdotool("windowfocus", "--sync", window)
        expected = []
        for key, utterance in STEPS:
            if key == "space" and not expected.count("checked"):
                # The eyedropper reads the pixel under the pointer: the desktop's.
                xdotool("mousemove", "--sync", *DESKTOP_POINT)
            if key:
                xdotool("key", key)
            expected.append(utterance)
            wait_for(lambda: said_in_order(utterances(log_path), expected) == len(expected),
                     STEP_SECONDS)
        stop(orca)

        said = utterances(log_path)
        heard = said_in_order(said, expected)
        if heard < len(expected):
            print("FAIL: Orca did not say %r after %r" % (expected[heard], expected[:heard]),
                  flush=True)
            print("It said:", *("  " + line for line in said), sep="\n", flush=True)
            return 1
        print("Orca said, in order:", *("  " + line for line in expected), sep="\n", flush=True)
        return 0
    finally:
        for process in reversed(processes):
            stop(process)
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
