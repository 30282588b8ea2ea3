#!/usr/bin/python3
"""Turns Google Benchmark's JSON report on standard input into Markdown table rows."""

import json
import sys

for run in json.load(sys.stdin)["benchmarks"]:
    name = run["name"].split("/")[0]
    if run.get("label"):
        name += " (" + run["label"] + ")"
    print("| %s | %.1f %s | | |" % (name, run["real_time"], run["time_unit"]))
