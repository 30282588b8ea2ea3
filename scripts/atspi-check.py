#!/usr/bin/python3
"""Reads Velmora's window from outside, as a screen reader does, over the AT-SPI bus:
lists the accessible tree, calculates M = 2 through the accessible actions and texts,
prints what the result boxes and the chart then say, and opens the About window, which
must appear as a frame named as its caption. The names it looks for come from the
program's own table (velmora-layout-table, in the file VELMORA_LAYOUT_TABLE names); every
wait polls, with a limit."""

import os
import sys
import time

import pyatspi


def read_table(path):
    """The accessible names by control, and the system's texts by name."""
    names, texts = {}, {}
    with open(path, encoding="utf-8") as table:
        for line in table.read().splitlines():
            what, _, rest = line.partition(" ")
            key, _, value = rest.partition(" ")
            if what == "accessible":
                names[key] = value
            elif what == "text":
                texts[key] = value
    return names, texts


def wait_for(what, seconds, found):
    """found() once it is not None, polled every 0.1 s; gives up after seconds."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        result = found()
        if result is not None:
            return result
        time.sleep(0.1)  # the period of the poll
    sys.exit(f"waited {seconds} s for {what}, in vain")


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app is not None and app.name.lower() == name), None)


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


names, texts = read_table(os.environ["VELMORA_LAYOUT_TABLE"])
results = ["Text_FLD4", "Text_TTstar", "Text_PPstar", "Text_RoRostar", "Text_PoPostar"]

app = wait_for("Velmora on the accessibility bus", 20, lambda: application(texts["applicationTitle"].lower()))
print("== accessible tree at start ==")
controls = walk(app)
before = text_of(controls[names["Text_FLD4"]])

act(controls[names["Option_M"]], {"press", "toggle", "click"})
# Choosing the mode renames the button to ask for input.
button = wait_for("the button to ask for input", 10,
                  lambda: walk(app, show=False).get(texts["inputValueThenClick"]))
controls = walk(app, show=False)
controls[names["Text_Msub"]].queryEditableText().setTextContents("2")
act(button, {"press", "click"})
wait_for("the results of M = 2", 10,
         lambda: True if text_of(walk(app, show=False)[names["Text_FLD4"]]) != before else None)

print("== after M = 2 ==")
controls = walk(app)
for control in results:
    print(f"{names[control]}: {text_of(controls[names[control]])}")
chart = controls[names["Picture1"]]
print(f"chart ({chart.getRoleName()}): {chart.description}")

act(controls[texts["aboutCaption"]], {"press", "click", "toggle", "trigger"})
about = wait_for("a top-level window named 'About'", 10,
                 lambda: next((w for w in app if w is not None and w.name == texts["aboutCaption"]), None))
print("== the About window ==")
walk(about)
if about.getRoleName() != "frame":
    sys.exit(f"the About window is a {about.getRoleName()!r}, not a 'frame'")
