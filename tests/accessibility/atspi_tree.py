#!/usr/bin/env python3
"""Starts the demo with accessibility on and walks its tree over AT-SPI, as a
screen reader sees it, once per tab: every control a user can act on that is
showing has a role, a name, at least one action while enabled, and bounds
inside its window; the Format tab's button strips show each member.

With --dump FILE, the tree of every tab (role, name, states) goes to FILE."""

import subprocess
import sys
import tempfile
import time

import pyatspi

DEMO_NAME = "tarnwick"

# Roles of the things a user presses, toggles or chooses from.
CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box",
    "page tab", "menu item", "check menu item", "radio menu item", "slider",
    "list item", "table cell", "spin button",
}

# The Format tab's strips: the character styles, the alignments, the colours.
FORMAT_STRIPS = {
    "Style": {"Bold", "Italic", "Underline", "Strikeout"},
    "Alignment": {"Align left", "Centre", "Align right", "Justify"},
    "Colours": {"Font colour", "Highlight"},
}


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


class Node:
    def __init__(self, acc, depth, parent):
        self.acc = acc
        self.depth = depth
        self.parent = parent
        self.role = acc.getRoleName()
        self.name = acc.name
        states = acc.getState()
        self.states = sorted(pyatspi.stateToString(s) for s in states.getStates())
        try:
            action = acc.queryAction()
            self.actions = [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            self.actions = []
        try:
            box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            self.bounds = (box.x, box.y, box.width, box.height)
        except NotImplementedError:
            self.bounds = None

    def window(self):
        node = self
        while node is not None and node.role not in ("frame", "window", "dialog"):
            node = node.parent
        return node


def walk(acc, depth=0, parent=None, out=None):
    out = [] if out is None else out
    if acc is None or depth > 40:
        return out
    try:
        node = Node(acc, depth, parent)
        count = acc.childCount
    except Exception:  # the node went away while we looked
        return out
    out.append(node)
    for i in range(count):
        walk(acc.getChildAtIndex(i), depth + 1, node, out)
    return out


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return w > 0 and h > 0 and x >= ox and y >= oy and x + w <= ox + ow and y + h <= oy + oh


def faults(nodes):
    """What a screen reader user could not use, one line per control."""
    found = []
    for node in nodes:
        if node.role not in CONTROL_ROLES and not node.actions:
            continue
        if "showing" not in node.states:
            continue
        where = "%s '%s'" % (node.role, node.name)
        if node.role in ("filler", "unknown", "panel"):
            found.append("%s: a control without a control's role" % where)
        if not node.name.strip():
            found.append("%s (under %s '%s'): no name"
                          % (where, node.parent.role, node.parent.name))
        if "enabled" in node.states and not node.actions and node.role != "slider":
            found.append("%s: enabled, but no action" % where)
        if "check box" == node.role and "checkable" in node.states and not node.actions:
            found.append("%s: a toggle without action" % where)
        window = node.window()
        if node.bounds is None or window is None or window.bounds is None:
            found.append("%s: no bounds" % where)
        elif not inside(node.bounds, window.bounds):
            found.append("%s: bounds %s outside its window %s" % (where, node.bounds,
                                                                 window.bounds))
    return found


def dump(nodes, out):
    for node in nodes:
        out.write("%s%s '%s' [%s]\n" % ("  " * node.depth, node.role, node.name,
                                         ", ".join(node.states)))


def tree_when(app, ready, timeout=20):
    deadline = time.monotonic() + timeout
    nodes = walk(app)
    while not ready(nodes) and time.monotonic() < deadline:
        time.sleep(0.3)
        nodes = walk(app)
    return nodes


def main():
    dump_file = None
    args = sys.argv[1:]
    if "--dump" in args:
        at = args.index("--dump")
        dump_file = open(args[at + 1], "w")
        del args[at:at + 2]
    # The demo's messages go to a file: a pipe nobody reads would block it.
    log = tempfile.TemporaryFile()
    demo = subprocess.Popen([args[0], "--size", "1400x900"],
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
        nodes = tree_when(app, lambda n: any(x.name == "Paste" for x in n))
        # The ribbon's tabs, not the document tabs of a tab strip.
        tabs = [n.name for n in nodes if n.role == "page tab" and "showing" in n.states
                and n.parent.role != "page tab list"]
        problems = []
        if "Home" not in tabs or "Format" not in tabs:
            problems.append("tabs Home and Format not found: %s" % tabs)
        for tab in tabs:
            # Select the tab as a screen reader does, through its action.
            node = next(n for n in walk(app) if n.role == "page tab" and n.name == tab)
            try:
                node.acc.queryAction().doAction(0)
            except Exception as error:  # no reply: the press blocked the demo
                problems.append("%s tab: its press failed: %s" % (tab, error))
                continue
            nodes = tree_when(app, lambda n: any(
                x.role == "page tab" and x.name == tab and "selected" in x.states for x in n))
            if dump_file:
                dump_file.write("=== tab %s ===\n" % tab)
                dump(nodes, dump_file)
            found = faults(nodes)
            problems += ["%s tab: %s" % (tab, f) for f in found]
            controls = sum(1 for n in nodes if "showing" in n.states and n.actions)
            print("%s tab: %d nodes, %d showing controls with actions, %d faults"
                  % (tab, len(nodes), controls, len(found)))
            if tab == "Format":
                for strip, members in FORMAT_STRIPS.items():
                    group = [n for n in nodes if n.name == strip and n.role in ("panel", "grouping")]
                    names = {n.name for n in nodes if group and n.parent is group[0]}
                    if not group or names != members:
                        problems.append("Format tab: strip %s has %s, expected %s"
                                        % (strip, sorted(names), sorted(members)))
        for problem in problems:
            print(problem, file=sys.stderr)
        print("%d tabs walked, %d faults" % (len(tabs), len(problems)))
        return 0 if not problems else 1
    finally:
        if dump_file:
            dump_file.close()
        demo.terminate()
        try:
            demo.wait(10)
        except subprocess.TimeoutExpired:
            demo.kill()
            demo.wait()


if __name__ == "__main__":
    sys.exit(main())
