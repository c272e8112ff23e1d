#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times a "1d" experiment of the calculation form in a real X server.

A pupil's path with xdotool: menu, task "1d", name, 3 examples, "Pokračuj",
then "Pokus". The program runs with ORBETA_FRAME_LOG=1 and reports every paint
of the scene on the steady clock (the clock of time.monotonic here too), so:

- open: from the click on "Pokračuj" to the first paint of the scene;
- frame error: paint n of the run against first paint + n x 50 ms (p50, p99);
- CPU: the program's processor time during the run over the wall time.

usage: scripts/frame-timing.py [BUILD_DIR]   (needs Xvfb and xdotool)
"""
import os
import statistics
import subprocess
import sys
import time

BUILD = sys.argv[1] if len(sys.argv) > 1 else "build"
DISPLAY = ":79"
FRAME_MS = 50
FRAMES = 81


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True, env={**os.environ, "DISPLAY": DISPLAY})


def click(x, y, pause=0.6):
    """Clicks at (x, y); the steady clock in microseconds just before the click."""
    xdo("mousemove", str(x), str(y))
    time.sleep(0.15)
    at = time.monotonic_ns() // 1000
    xdo("click", "1")
    time.sleep(pause)
    return at


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def paints(path):
    with open(path) as f:
        return [int(line.split()[1]) for line in f if line.startswith("scene-paint ")]


def main():
    xvfb = subprocess.Popen(["Xvfb", DISPLAY, "-screen", "0", "640x480x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    time.sleep(1)
    log = "/tmp/orbeta-frame-timing.err"
    env = {**os.environ, "DISPLAY": DISPLAY, "ORBETA_FRAME_LOG": "1", "QT_QPA_PLATFORM": "xcb"}
    with open(log, "w") as err:
        app = subprocess.Popen([os.path.join(BUILD, "orbeta"), "--no-splash", "--seed", "5"],
                               env=env, stderr=err, stdout=subprocess.DEVNULL)
    try:
        time.sleep(2.5)
        click(100, 110)            # Mechanika 1
        click(436, 284)            # "1d", the fourth task
        time.sleep(0.5)
        xdo("type", "--delay", "40", "Merac")
        click(366, 254, 1.0)       # 3 examples
        before = click(551, 428, 1.5)  # Pokračuj
        shown = [t for t in paints(log) if t > before]
        open_ms = (shown[0] - before) / 1000 if shown else float("nan")

        cpu0, wall0 = cpu_seconds(app.pid), time.monotonic()
        started = click(370, 442, 0)  # Pokus
        time.sleep(FRAMES * FRAME_MS / 1000 + 0.5)
        cpu1, wall1 = cpu_seconds(app.pid), time.monotonic()
        run = [t for t in paints(log) if t > started][:FRAMES]
        errors = [abs((t - run[0]) / 1000 - n * FRAME_MS) for n, t in enumerate(run)]
        errors.sort()
        p99 = errors[min(len(errors) - 1, int(0.99 * len(errors)))] if errors else float("nan")
        print(f"open {open_ms:.0f} ms from the click on Pokračuj to the first paint of the scene")
        print(f"frames {len(run)} of {FRAMES}; error p50 {statistics.median(errors):.2f} ms, p99 {p99:.2f} ms")
        print(f"cpu {100 * (cpu1 - cpu0) / (wall1 - wall0):.1f} % of one core during the run")
    finally:
        app.terminate()
        xvfb.terminate()


if __name__ == "__main__":
    main()
