#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks what a screen reader sees of a running Quillet over AT-SPI and counts the
controls, named and unnamed; then presses each control of the given names (the Options
label, the Game item ...) and walks the windows and menus they open as well.

Needs Debian's python3-pyatspi. Run the program with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
on the same session bus:
    dbus-run-session -- sh -c 'QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/bin/quillet & \
        sleep 3; tools/accessibility/walk.py --press Options'
Exit status 0 when every control is named, 1 otherwise, 2 when no Quillet is found."""

import argparse
import sys
import time

import pyatspi

# The roles a user reaches, presses, types into or picks from.
CONTROLS = {
    "push button", "toggle button", "radio button", "check box", "combo box", "text",
    "password text", "entry", "list", "list box", "table", "tree table", "tree", "menu", "popup menu",
    "menu item", "check menu item", "radio menu item", "link", "slider", "spin button",
    "page tab", "push button menu", "button drop down",
}


def find_application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and name.lower() in (app.name or "").lower():
                return app
        time.sleep(0.5)
    return None


def walk(node, path, seen, found):
    """Every node under node, depth first, each once."""
    try:
        key = (node.path if hasattr(node, "path") else None, id(node))
    except Exception:
        key = id(node)
    if key in seen:
        return
    seen.add(key)
    role = node.getRoleName()
    name = (node.name or "").strip()
    found.append((path, role, name, node))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None and role not in ("list", "table", "tree table", "list box"):
            walk(child, path + [f"{role}:{name}" if name else role], seen, found)


def report(title, found):
    controls = [(p, r, n) for p, r, n, _ in found if r in CONTROLS]
    unnamed = [(p, r) for p, r, n in controls if not n]
    print(f"{title}: {len(found)} nodes, {len(controls)} controls, {len(unnamed)} unnamed")
    by_role = {}
    for _, role, name in controls:
        by_role.setdefault(role, []).append(name or "(unnamed)")
    for role in sorted(by_role):
        print(f"  {role} ({len(by_role[role])}): " + "; ".join(by_role[role]))
    for path, role in unnamed:
        print(f"  UNNAMED {role} under {' / '.join(path)}")
    return len(unnamed)


def press(found, name):
    for _, role, node_name, node in found:
        if node_name == name and role in CONTROLS:
            actions = node.queryAction()
            for i in range(actions.nActions):
                if actions.getName(i) in ("press", "Press", "click", "showMenu", "toggle"):
                    actions.doAction(i)
                    return True
    return False


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--application", default="quillet")
    parser.add_argument("--press", action="append", default=[],
                        help="a control to press after the first walk (repeatable, in order)")
    arguments = parser.parse_args()

    app = find_application(arguments.application)
    if app is None:
        print(f"no application named {arguments.application} on the accessibility bus", file=sys.stderr)
        return 2
    found = []
    walk(app, [], set(), found)
    unnamed = report("windows", found)
    for name in arguments.press:
        if not press(found, name):
            print(f"no control named {name!r} to press", file=sys.stderr)
            unnamed += 1
            continue
        time.sleep(1.5)
        found = []
        walk(app, [], set(), found)
        unnamed += report(f"after pressing {name!r}", found)
    return 0 if unnamed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
