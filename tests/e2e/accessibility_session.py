# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
"""What the screen-reader tests share: the skip, a wait by the clock, xdotool, and the
accessibility bus started on the test's own session bus."""

import os
import subprocess
import sys
import time

SKIP = 77
BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")


def skip(reason):
    print("SKIP:", reason, flush=True)
    sys.exit(SKIP)


def wait_for(predicate, seconds=10.0, pump=None):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if pump:
            pump()
        if predicate():
            return True
        time.sleep(0.02)
    return predicate()


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True,
                          timeout=20).stdout.strip()


def start_accessibility_bus(environment=None):
    """Starts the accessibility bus and waits until the session bus can name it; skips the test
    where it cannot start."""
    launcher = next((path for path in BUS_LAUNCHERS if os.access(path, os.X_OK)), None)
    if not launcher:
        skip("at-spi-bus-launcher is not installed (package at-spi2-core)")
    process = subprocess.Popen([launcher, "--launch-immediately"], env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def bus_answers():
        return subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    if not wait_for(bus_answers, 10):
        process.kill()
        skip("the accessibility bus did not start on this session bus")
    return process
