#!/usr/bin/python3
"""Reads Velmora's window from outside, as a screen reader does, over the AT-SPI bus:
lists the accessible tree, calculates M = 2 through the accessible actions and texts,
prints what the result boxes and the chart then say, checks the boxes against the
scenario mach-2 of data/scenarios.tsv (which the page tests and the Windows program's
check read too), and opens the About window, which must appear as a frame named as its
caption. The names it looks for come from the program's own table (velmora-layout-table,
in the file VELMORA_LAYOUT_TABLE names); every wait polls, with a limit."""

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


SCENARIOS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "scenarios.tsv")
COLUMNS = ["name", "locale", "gamma", "option", "typed", "message", "boxes"]


def read_scenario(path, wanted):
    """The scenario named wanted, its columns by name; its boxes as a list of
    (control, text) in the file's order."""
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table.read().splitlines(), 1):
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < len(COLUMNS):
                sys.exit(f"{path}:{number}: {len(fields)} columns, not {len(COLUMNS)}")
            row = dict(zip(COLUMNS, fields))
            if row["name"] != wanted:
                continue
            pairs = [] if row["boxes"] == "-" else row["boxes"].split(" ")
            if not all("=" in pair for pair in pairs):
                sys.exit(f"{path}:{number}: boxes that are not ControlName=text: {row['boxes']}")
            row["boxes"] = [tuple(pair.split("=", 1)) for pair in pairs]
            return row
    sys.exit(f"no scenario {wanted} in {path}")


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
scenario = read_scenario(SCENARIOS, "mach-2")
# What this check can do: the program runs in the session's locale, with no locale of its
# own, and a message would be a window this check does not look for.
if scenario["locale"] != "C" or scenario["option"] != "M" or scenario["typed"] == "-" \
        or scenario["message"] != "-" or not scenario["boxes"]:
    sys.exit(f"{SCENARIOS}: mach-2 is no longer a calculation in option M, in C, with results")
unknown = [control for control, _ in scenario["boxes"] if control not in names]
if unknown:
    sys.exit(f"{SCENARIOS}: mach-2 expects boxes the program does not have: {unknown}")
first = scenario["boxes"][0][0]

app = wait_for("Velmora on the accessibility bus", 20, lambda: application(texts["applicationTitle"].lower()))
print("== accessible tree at start ==")
controls = walk(app)
before = text_of(controls[names[first]])

gamma = controls[names["Text_gama"]]
if text_of(gamma) != scenario["gamma"]:
    gamma.queryEditableText().setTextContents(scenario["gamma"])
act(controls[names["Option_M"]], {"press", "toggle", "click"})
# Choosing the mode renames the button to ask for input.
button = wait_for("the button to ask for input", 10,
                  lambda: walk(app, show=False).get(texts["inputValueThenClick"]))
controls = walk(app, show=False)
controls[names["Text_Msub"]].queryEditableText().setTextContents(scenario["typed"])
act(button, {"press", "click"})
wait_for("the results of M = 2", 10,
         lambda: True if text_of(walk(app, show=False)[names[first]]) != before else None)

print("== after M = 2 ==")
controls = walk(app)
wrong = []
for control, expected in scenario["boxes"]:
    shown = text_of(controls[names[control]])
    print(f"{names[control]}: {shown}")
    if shown != expected:
        wrong.append(f"{names[control]} reads {shown!r}, not {expected!r}")
chart = controls[names["Picture1"]]
print(f"chart ({chart.getRoleName()}): {chart.description}")

act(controls[texts["aboutCaption"]], {"press", "click", "toggle", "trigger"})
about = wait_for("a top-level window named 'About'", 10,
                 lambda: next((w for w in app if w is not None and w.name == texts["aboutCaption"]), None))
print("== the About window ==")
walk(about)
if about.getRoleName() != "frame":
    sys.exit(f"the About window is a {about.getRoleName()!r}, not a 'frame'")
if wrong:
    sys.exit("after M = 2: " + "; ".join(wrong))
