#!/usr/bin/env python3
"""Starts the demo with accessibility on and lists its tree over AT-SPI, as a
screen reader sees it. The Home tab and the Paste button must be found by
name and role."""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

DEMO_NAME = "tarnwick"


def find_application(timeout):
    deadline = time.monotonic() + timeout
    seen = set()
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None:
                continue
            seen.add((app.name, app.childCount))
            if app.name.lower() == DEMO_NAME and app.childCount > 0:
                return app, seen
        time.sleep(0.2)
    return None, seen


def walk(node, depth, out):
    if node is None or depth > 40:
        return
    try:
        role, name, count = node.getRoleName(), node.name, node.childCount
    except Exception:  # the node went away while we looked
        return
    out.append((depth, role, name, node))
    for i in range(count):
        walk(node.getChildAtIndex(i), depth + 1, out)


def main():
    # The demo's messages go to a file: a pipe nobody reads would block it.
    log = tempfile.TemporaryFile()
    demo = subprocess.Popen([sys.argv[1], "--size", "1400x900"],
                            stdout=subprocess.DEVNULL, stderr=log)
    try:
        app, seen = find_application(30)
        if app is None:
            print("the demo never appeared on the accessibility bus; seen: %s; demo %s"
                  % (sorted(seen), "exited with %s" % demo.poll()
                     if demo.poll() is not None else "still running"), file=sys.stderr)
            log.seek(0)
            sys.stderr.write(log.read().decode(errors="replace")[-4000:])
            return 1
        # The window fills in after the application registers.
        nodes = []
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            nodes = []
            walk(app, 0, nodes)
            if any(n[2] == "Paste" for n in nodes):
                break
            time.sleep(0.3)
        for depth, role, name, _ in nodes:
            if name:
                print("%s%s '%s'" % ("  " * depth, role, name))

        def has(role, name):
            return any(r == role and n == name for _, r, n, _ in nodes)

        checks = {
            "Home tab": has("page tab", "Home"),
            "Paste button": has("push button", "Paste"),
        }
        for what, ok in checks.items():
            print("%s: %s" % (what, "found" if ok else "MISSING"))
        home = [n for _, r, name, n in nodes if r == "page tab" and name == "Home"]
        if home and not home[0].getState().contains(pyatspi.STATE_SELECTED):
            print("Home tab: not selected", file=sys.stderr)
            return 1
        return 0 if all(checks.values()) else 1
    finally:
        demo.terminate()
        try:
            demo.wait(10)
        except subprocess.TimeoutExpired:
            demo.kill()
            demo.wait()


if __name__ == "__main__":
    sys.exit(main())
