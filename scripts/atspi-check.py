#!/usr/bin/python3
"""Reads Velmora's window from outside, as a screen reader does, over the AT-SPI bus:
lists the accessible tree, calculates M = 2 through the accessible actions and texts,
prints what the result boxes and the chart then say, and opens the About window, which
must appear as a frame named "About"."""

import sys
import time

import pyatspi


def find_application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.5)
    sys.exit(f"no accessible application named {name!r} on the bus")


def walk(node, depth=0, found=None, show=True):
    """The named nodes below node, by name; prints the tree when show is true."""
    found = {} if found is None else found
    if show:
        states = node.getState()
        shown = "" if states.contains(pyatspi.STATE_SHOWING) else " (hidden)"
        print(f"{'  ' * depth}{node.getRoleName()}: {node.name!r}{shown}")
    if node.name:
        found.setdefault(node.name, node)
    for child in node:
        if child is not None:
            walk(child, depth + 1, found, show)
    return found


def act(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(names):
        if name.lower() in wanted:
            action.doAction(i)
            return
    sys.exit(f"{node.name!r} offers no action among {wanted}: {names}")


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


app = find_application("velmora")
print("== accessible tree at start ==")
controls = walk(app)

act(controls["M"], {"press", "toggle", "click"})
time.sleep(0.5)
controls = walk(app, show=False)  # the button now asks for input
controls["Mach number"].queryEditableText().setTextContents("2")
act(controls["Input value then CLICK"], {"press", "click"})
time.sleep(0.5)

print("== after M = 2 ==")
controls = walk(app)
for name in ["Friction parameter 4fL*/D", "Temperature ratio T/T*", "Pressure ratio p/p*",
             "Density ratio ρ/ρ*", "Stagnation pressure ratio p0/p0*"]:
    print(f"{name}: {text_of(controls[name])}")
chart = controls["4fL*/D against Mach number"]
print(f"chart ({chart.getRoleName()}): {chart.description}")

act(controls["About"], {"press", "click", "toggle", "trigger"})
deadline = time.time() + 10
about = None
while about is None and time.time() < deadline:
    time.sleep(0.5)
    about = next((w for w in app if w is not None and w.name == "About"), None)
if about is None:
    sys.exit("no top-level window named 'About' after choosing the menu entry")
print("== the About window ==")
walk(about)
if about.getRoleName() != "frame":
    sys.exit(f"the About window is a {about.getRoleName()!r}, not a 'frame'")
