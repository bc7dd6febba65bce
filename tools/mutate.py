#!/usr/bin/env python3
"""Mutation testing for geardim: applies the one-line faults of tools/mutants.txt one at a
time, rebuilds incrementally, runs the tests nearest the mutated file first and then all of
them, and prints the share of faults the tests catch, per folder.

A line of the list:  path | the line as it stands (stripped) | the line with the fault
and, for a fault that changes nothing the program does, a fourth field "equivalent: why".
Lines starting with # are comments. A line whose text is not found exactly once is reported
and not counted; so is a fault that does not compile.

Usage: tools/mutate.py [--build DIR] [--list FILE] [--only SUBSTRING] [--jobs N]
"""
import argparse
import collections
import os
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The tests nearest each folder, run first; a fault they miss goes to the whole suite.
NEAREST = [
    ("core/common", ["tst_text", "tst_numberparse", "tst_resulttext", "tst_sheet", "tst_spline", "tst_pair", "tst_batch", "tst_records"]),
    ("core/geometry", ["tst_involute", "tst_mvalue", "tst_sheet", "tst_pair"]),
    ("core/calc", ["tst_mvalue", "tst_pins", "tst_formz"]),
    ("core/solvers", ["tst_shift", "tst_solverwindows"]),
    ("core/gear", ["tst_sheet", "tst_records", "tst_pair"]),
    ("core/measure", ["tst_sheet", "tst_records"]),
    ("core/drawing", ["tst_drawing", "tst_sheet"]),
    ("core/sheet", ["tst_sheet", "tst_batch", "tst_records"]),
    ("core/spline", ["tst_spline", "tst_splinecommand"]),
    ("core/pair", ["tst_pair", "tst_paircommand"]),
    ("io", ["tst_records", "tst_files"]),
    ("app", ["tst_files", "tst_hostile", "tst_choice", "tst_splinecommand", "tst_paircommand", "tst_navigation"]),
    ("gui/sheet", ["tst_sheetwindow", "tst_sheetpdf"]),
    ("gui/spline", ["tst_splinewindow"]),
    ("gui/pair", ["tst_pairwindow"]),
    ("gui/calc", ["tst_formz"]),
    ("gui/solvers", ["tst_solverwindows"]),
    ("gui/painting", ["tst_sheetpdf", "tst_sheetwindow", "tst_splinewindow", "tst_pairwindow"]),
    ("gui", ["tst_layout", "tst_navigation"]),
]


def nearest(path):
    for folder, tests in NEAREST:
        if path.startswith(folder + "/"):
            return tests
    return []


def folder_of(path):
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] in ("core", "gui") else parts[0]


def read_list(name):
    mutants = []
    with open(name, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = [x.strip() for x in line.rstrip("\n").split(" | ")]
            if len(fields) < 3:
                sys.exit(f"{name}:{number}: needs path | original | fault")
            equivalent = fields[3][len("equivalent:"):].strip() if len(fields) > 3 and fields[3].startswith("equivalent:") else None
            mutants.append({"line": number, "path": fields[0], "original": fields[1], "fault": fields[2], "equivalent": equivalent})
    return mutants


def run(command, timeout=None):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout).returncode


def build(build_dir, targets):
    command = ["cmake", "--build", build_dir]
    if targets:
        command += ["--target"] + targets
    return run(command) == 0


def tests_pass(build_dir, names, jobs):
    command = ["ctest", "--test-dir", build_dir, "-j", str(jobs), "--timeout", "300", "--stop-on-failure"]
    if names:
        command += ["-R", "^(" + "|".join(names) + ")$"]
    try:
        return run(command, timeout=1800) == 0
    except subprocess.TimeoutExpired:
        return False


def main():
    # A run stopped with Ctrl-C or a kill's SIGTERM still puts the mutated file back.
    signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(KeyboardInterrupt()))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mutate"))
    parser.add_argument("--list", default=os.path.join(ROOT, "tools", "mutants.txt"))
    parser.add_argument("--only", default="")
    parser.add_argument("--jobs", type=int, default=4)
    args = parser.parse_args()

    if run(["cmake", "-S", ".", "-B", args.build, "-G", "Ninja"]) != 0 or not build(args.build, []):
        sys.exit("mutate: the unmutated tree does not build")
    mutants = [m for m in read_list(args.list) if args.only in m["path"] or args.only in m["original"]]
    score = collections.defaultdict(lambda: [0, 0])  # folder: killed, counted
    survivors, unusable = [], []
    started = time.time()
    for i, m in enumerate(mutants, 1):
        path = os.path.join(ROOT, m["path"])
        with open(path, encoding="utf-8") as f:
            text = f.read()
        lines = text.split("\n")
        at = [k for k, line in enumerate(lines) if line.strip() == m["original"]]
        if len(at) != 1:
            unusable.append((m, f"found {len(at)} times"))
            continue
        indent = lines[at[0]][: len(lines[at[0]]) - len(lines[at[0]].lstrip())]
        lines[at[0]] = indent + m["fault"]
        folder = folder_of(m["path"])
        verdict = "?"
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines))
            near = nearest(m["path"])
            if not build(args.build, near + ["geardim"]):
                verdict = "does not compile"
                unusable.append((m, verdict))
            elif m["equivalent"]:
                verdict = "equivalent"
            elif not tests_pass(args.build, near, args.jobs):
                verdict = "killed"
            elif not build(args.build, []) or not tests_pass(args.build, [], args.jobs):
                verdict = "killed (whole suite)"
            else:
                verdict = "SURVIVED"
                survivors.append(m)
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        if verdict.startswith("killed"):
            score[folder][0] += 1
        if verdict.startswith("killed") or verdict == "SURVIVED":
            score[folder][1] += 1
        print(f"[{i}/{len(mutants)} {time.time() - started:6.0f}s] {verdict:22} {m['path']}:{m['line']}  {m['fault']}", flush=True)
    build(args.build, [])  # the tree as it is again

    print("\nscore by folder (killed / counted):")
    killed = counted = 0
    for folder in sorted(score):
        k, c = score[folder]
        killed, counted = killed + k, counted + c
        print(f"  {folder:14} {k:4} / {c:<4} {100.0 * k / c:5.1f} %")
    for m in survivors:
        print(f"survived: {m['path']} (list line {m['line']}): {m['original']}  ->  {m['fault']}")
    for m, why in unusable:
        print(f"not counted ({why}): {m['path']} (list line {m['line']}): {m['original']}")
    equivalents = sum(1 for m in mutants if m["equivalent"])
    total = 100.0 * killed / counted if counted else 0.0
    print(f"\nmutants: {len(mutants)}, equivalent: {equivalents}, counted: {counted}, killed: {killed}: {total:.1f} %")
    return 0 if total >= 90.0 else 1


if __name__ == "__main__":
    sys.exit(main())
