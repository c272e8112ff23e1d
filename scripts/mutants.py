#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures what the tests catch: makes single-token mutants of the rules cores, rebuilds only what
each mutant touches, runs the test programs that cover it and counts killed, survived, timed out.

    python3 scripts/mutants.py                      # 200 mutants, seed 1, build-mutants/
    python3 scripts/mutants.py --count 50 --seed 7 --folders calc optics
    python3 scripts/mutants.py --list               # the candidate sites per folder, nothing built
    python3 scripts/mutants.py --replay before.json # the same mutants again, after a change
    python3 scripts/mutants.py --replay a.json b.json --json after.json
    python3 scripts/mutants.py --replay after.json --only killed --matrix --json matrix.json
    python3 scripts/mutants.py --killers matrix.json  # per test: mutants killed, and killed by it alone
    python3 scripts/mutants.py --replay matrix.json --killed-by 'Calculator\.'  # after changing those tests
    python3 scripts/mutants.py --targets 'orbeta_(frame|app)' --folders frame app --wide
    python3 scripts/mutants.py --targets '^orbeta_print$' --folders print/report --wide --programs 'report'

A mutant is one change: a comparison (== != < <= > >=), an arithmetic operator (+ - * /), && and ||,
true and false, a number one larger, a condition negated, a statement removed. A mutant that does
not compile is not counted. The tests that cover a mutant are the test programs of the same folder
under tests/ that link the changed file (--wide: every test program that links it), built and run
one by one until one fails. With --matrix every covering program runs whole and each mutant keeps the
names of the tests that failed on it, so --killers can tell which tests are a mutant's only killer.

A replay finds each earlier mutant again though its file moved or its lines shifted: the file by its
path, else by the one file of that name in the same top folder; the site by its line's text, on the
nearest line with the same text. A mutant whose file or line is no longer there is counted as gone.

The source tree is changed in place while a mutant runs and always restored; the object file built
from the original is put back too, so the next mutant relinks instead of recompiling. Run it on a
clean tree; it is slow (seconds per mutant), so it is run by hand, not in .ci/run.
"""

import argparse
import collections
import functools
import json
import os
import random
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORE_TARGETS = re.compile(r"^orbeta_(calc|optics|history|results|print|hint)_core$|^orbeta_formats$")
DEFAULT_FOLDERS = ["calc", "optics", "history", "results", "print", "formats"]


# --- Finding mutation sites -------------------------------------------------------------------

def mask_literals(line):
    """The line with string and character literals and the comment blanked out, same length."""
    out = []
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            # A digit separator (1'000) is not a character literal.
            if c == "'" and i > 0 and line[i - 1].isalnum() and i + 1 < len(line) and line[i + 1].isalnum():
                out.append(c)
            else:
                quote = c
                out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)].ljust(len(line))


BINARY_SWAPS = {
    " == ": " != ", " != ": " == ",
    " < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
    " + ": " - ", " - ": " + ", " * ": " / ", " / ": " * ",
    " && ": " || ", " || ": " && ",
    " += ": " -= ", " -= ": " += ",
}
KIND = {
    "==": "comparison", "!=": "comparison", "<": "comparison", "<=": "comparison",
    ">": "comparison", ">=": "comparison", "+": "arithmetic", "-": "arithmetic",
    "*": "arithmetic", "/": "arithmetic", "+=": "arithmetic", "-=": "arithmetic",
    "&&": "logic", "||": "logic",
}
NUMBER = re.compile(r"(?<![\w.])(\d+)(\.\d+)?(?![\w.'])")
BOOL = re.compile(r"\b(true|false)\b")
CONDITION = re.compile(r"\b(if|while) \(")
STATEMENT = re.compile(r"^\s*(?!return\b|case\b|default\b|using\b|const\b|auto\b|static\b|constexpr\b)"
                       r"[A-Za-z_][\w:]*(\.|->|\(|\s*(=|\+=|-=|\*=|/=)\s|\+\+|--).*;\s*$")
DECLARATION = re.compile(r"^\s*[A-Za-z_][\w:<>,]*[&*]?\s+[A-Za-z_]\w*\s*(=|\{|\()")


def matching_paren(text, start):
    depth = 0
    for i in range(start, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def sites_in(path):
    """Every mutation of one file as (line index, column, old text, new text, kind)."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    sites = []
    in_block = False
    for n, raw in enumerate(lines):
        stripped = raw.strip()
        if in_block:
            if "*/" in raw:
                in_block = False
            continue
        if stripped.startswith("/*"):
            in_block = "*/" not in stripped
            continue
        if not stripped or stripped.startswith("#") or stripped.startswith("//"):
            continue
        code = mask_literals(raw)
        if "static_assert" in code or "operator" in code or "template" in code:
            continue
        for old, new in BINARY_SWAPS.items():
            start = 0
            while (col := code.find(old, start)) >= 0:
                sites.append((n, col, old, new, KIND[old.strip()]))
                start = col + 1
        for m in NUMBER.finditer(code):
            whole, frac = m.group(1), m.group(2)
            if frac:
                new = str(int(whole) + 1) + frac
            else:
                new = str(int(whole) + 1)
            sites.append((n, m.start(), m.group(0), new, "constant"))
        for m in BOOL.finditer(code):
            sites.append((n, m.start(), m.group(0), "false" if m.group(0) == "true" else "true", "constant"))
        for m in CONDITION.finditer(code):
            open_at = m.end() - 1
            close_at = matching_paren(code, open_at)
            if close_at > open_at:
                inner = raw[open_at + 1 : close_at]
                sites.append((n, open_at, "(" + inner + ")", "(!(" + inner + "))", "negation"))
        if STATEMENT.match(code) and not DECLARATION.match(code) and code.count("(") == code.count(")"):
            body = raw.strip()
            sites.append((n, raw.index(body), body, ";", "removal"))
    return lines, sites


# --- The build ---------------------------------------------------------------------------------

def run(cmd, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)


def ensure_build(build):
    # Configured every time: files moved since the last run must be where compile_commands.json says.
    print(f"configuring {build} (Debug, no -Werror: a mutant that only warns still counts)")
    r = run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug", "-DORBETA_WERROR=OFF"])
    if r.returncode:
        sys.exit(r.stdout)


def in_folders(path, folders):
    """Whether a source lies in one of the folders, or in one of their rooms ("print/report")."""
    return any(path == f or path.startswith(f.rstrip(os.sep) + os.sep) for f in folders)


def core_sources(build, folders, targets=CORE_TARGETS):
    """Source file (relative) -> object file (relative to the build) for the chosen libraries."""
    with open(os.path.join(build, "compile_commands.json")) as f:
        commands = json.load(f)
    sources = {}
    for entry in commands:
        target = re.search(r"CMakeFiles/([^/]+)\.dir/", entry["command"])
        if not target or not targets.match(target.group(1)):
            continue
        rel = os.path.relpath(entry["file"], ROOT)
        if rel.startswith("..") or "autogen" in rel or not in_folders(rel, folders):
            continue
        args = shlex.split(entry["command"])
        sources[rel] = args[args.index("-o") + 1]
    return sources


class Graph:
    """Which test programs link an object, from ninja's own graph."""

    def __init__(self, build):
        self.build = build
        self.cache = {}

    def query(self, node):
        if node not in self.cache:
            r = run(["ninja", "-C", self.build, "-t", "query", node])
            found, section = collections.defaultdict(list), None
            for line in r.stdout.splitlines():
                if line.startswith("    ") and section:
                    found[section].append(line.strip().lstrip("| "))
                elif line.startswith("  "):
                    section, _, rule = line.strip().partition(":")
                    if rule.strip():
                        found["rule"].append(rule.strip())
            self.cache[node] = found
        return self.cache[node]

    def outputs(self, node):
        return self.query(node)["outputs"]

    def folder_of_test(self, test):
        """The tests/ folder whose sources make a test program."""
        for obj in self.query(test)["input"]:
            m = re.match(r"tests/([^/]+)/CMakeFiles/", obj)
            if m:
                return m.group(1)
        return None

    def is_program(self, node):
        """One of the build's own programs (orbeta-cli), built or not yet."""
        return not node.startswith("tests/") and any("EXECUTABLE_LINKER" in r for r in self.query(node)["rule"])

    def tests_linking(self, obj):
        seen, todo, found = set(), [obj], set()
        while todo:
            node = todo.pop()
            for out in self.outputs(node):
                if out in seen:
                    continue
                seen.add(out)
                if out.startswith("tests/") and not os.path.splitext(out)[1] and "CMakeFiles" not in out:
                    found.add(out)
                elif out.endswith(".a") or self.is_program(out):
                    # Through a program too: a test that runs orbeta-cli depends on it.
                    todo.append(out)
        return sorted(found)


def registered_tests():
    """The test programs, as orbeta_test() declares them under tests/."""
    programs = set()
    for folder, _, files in os.walk(os.path.join(ROOT, "tests")):
        if "CMakeLists.txt" in files:
            with open(os.path.join(folder, "CMakeLists.txt")) as f:
                programs.update("tests/" + name for name in re.findall(r"^orbeta_test\((\w+)", f.read(), re.M))
    return programs


def chosen_tests(graph, source, obj, wide, registered, programs=None):
    tests = [t for t in graph.tests_linking(obj) if t in registered and (not programs or programs.search(os.path.basename(t)))]
    if not wide:
        folder = source.split(os.sep)[0]
        same = [t for t in tests if graph.folder_of_test(t) == folder]
        tests = same or tests
    return tests


def test_env(build):
    # What ctest gives every test program.
    return dict(os.environ, QT_QPA_PLATFORM="offscreen", ORBETA_MESSAGEBOX="ok", ORBETA_SOURCE_DIR=ROOT,
                ORBETA_BUILD_DIR=build)


FAILED = re.compile(r"^\[  FAILED  \] (\S+?)(?:,| \(|$)", re.M)


def failing_tests(build, test, timeout):
    """The names of the tests of one program that fail, run whole; a crash or a timeout names the program."""
    path = os.path.join(build, test)
    try:
        r = subprocess.run([path, "--gtest_brief=1"], cwd=os.path.dirname(path), env=test_env(build),
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace",
                           timeout=timeout[test], start_new_session=True)
    except subprocess.TimeoutExpired:
        return [f"{os.path.basename(test)}: timed out"]
    names = sorted(set(FAILED.findall(r.stdout)))
    if r.returncode and not names:
        names = [f"{os.path.basename(test)}: exit {r.returncode}"]
    return names


def run_tests(build, tests, timeout):
    """'pass', 'fail' or 'timeout' for the whole set, stopping at the first that fails."""
    env = test_env(build)
    for test in tests:
        path = os.path.join(build, test)
        try:
            r = subprocess.run([path, "--gtest_brief=1", "--gtest_fail_fast=1"], cwd=os.path.dirname(path), env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               timeout=timeout[test], start_new_session=True)
        except subprocess.TimeoutExpired:
            return "timeout"
        if r.returncode:
            return "fail"
    return "pass"


# --- One mutant ----------------------------------------------------------------------------------

class Restorer:
    """Puts a source file and its object back however the mutant ends."""

    def __init__(self, source, obj):
        self.source, self.obj = source, obj
        with open(source, "rb") as f:
            self.text = f.read()
        self.stat = os.stat(source)
        self.saved_obj = obj + ".mutants-original"
        shutil.copy2(obj, self.saved_obj)

    def restore(self):
        with open(self.source, "wb") as f:
            f.write(self.text)
        os.utime(self.source, ns=(self.stat.st_atime_ns, self.stat.st_mtime_ns))
        shutil.move(self.saved_obj, self.obj)
        # Newer than every library built from the mutant, so they relink from the original.
        os.utime(self.obj)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mutants"))
    parser.add_argument("--folders", nargs="+", default=DEFAULT_FOLDERS,
                        help="top folders or rooms (print/report) whose sources are mutated")
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--wide", action="store_true", help="run every test program that links the file")
    parser.add_argument("--programs", help="a regular expression: only the covering test programs whose name "
                        "(cli_report_tests) matches it run")
    parser.add_argument("--json", help="write every mutant and its outcome to this file, as the run goes")
    parser.add_argument("--list", action="store_true", help="count the candidate sites and stop")
    parser.add_argument("--replay", nargs="+", help="run the mutants of earlier --json files again, not a new sample")
    parser.add_argument("--made-at", help="the commit an older --json file without line texts was made on")
    parser.add_argument("--only", nargs="+", help="with --replay: only the mutants that had these outcomes")
    parser.add_argument("--killed-by", help="with --replay of --matrix files: only the mutants that a test whose "
                        "name matches this regular expression killed")
    parser.add_argument("--matrix", action="store_true", help="run every covering program whole and keep the killers")
    parser.add_argument("--targets", help="a regular expression for the libraries to mutate (default: the cores)")
    parser.add_argument("--killers", nargs="+", help="read --matrix files and print each test's kills; nothing built")
    args = parser.parse_args()
    if args.killers:
        print_killers(args.killers)
        return
    build = os.path.abspath(args.build)

    ensure_build(build)
    sources = core_sources(build, args.folders, re.compile(args.targets) if args.targets else CORE_TARGETS)
    candidates, text_of = [], {}
    for source in sorted(sources):
        text_of[source], sites = sites_in(os.path.join(ROOT, source))
        candidates += [(source,) + site for site in sites]
    if args.list:
        per = collections.Counter(c[0].split(os.sep)[0] for c in candidates)
        for folder in sorted(per):
            print(f"{folder:10} {per[folder]:6} sites")
        print(f"{'all':10} {len(candidates):6} sites in {len(sources)} files")
        return
    results, earlier, sample = [], [], []
    if args.replay:
        for path in args.replay:
            with open(path) as f:
                run_before = json.load(f)
            # A replay of some folders leaves the others' mutants out.
            run_before["mutants"] = [m for m in run_before["mutants"] if in_folders(m["file"], args.folders)
                                     and (not args.only or m["outcome"] in args.only)
                                     and (not args.killed_by
                                          or any(re.search(args.killed_by, k) for k in m.get("killers", [])))]
            earlier += run_before["mutants"]
            found, gone = replayed(run_before, candidates, text_of, args.made_at)
            sample += found
            results += gone
    else:
        sample = random.Random(args.seed).sample(candidates, min(args.count, len(candidates)))
    sample.sort()
    if args.replay:
        # In a seeded random order, so that a replay stopped early is still a fair part of it.
        random.Random(args.seed).shuffle(sample)
    commit = run(["git", "-C", ROOT, "rev-parse", "HEAD"]).stdout.strip()

    def save():
        if args.json:
            with open(args.json, "w") as f:
                json.dump({"seed": args.seed, "count": args.count, "folders": args.folders, "commit": commit,
                           "mutants": results}, f, indent=1)

    graph = Graph(build)
    registered = registered_tests()
    programs = re.compile(args.programs) if args.programs else None
    tests_of = {s: chosen_tests(graph, s, sources[s], args.wide, registered, programs) for s in {c[0] for c in sample}}
    all_tests = sorted({t for ts in tests_of.values() for t in ts})
    print(f"building {len(all_tests)} test programs in {build}")
    r = run(["ninja", "-C", build] + all_tests)
    if r.returncode:
        sys.exit(r.stdout[-4000:])
    timeout = {}
    for test in all_tests:
        started = time.monotonic()
        if run_tests(build, [test], collections.defaultdict(lambda: 600)) != "pass":
            sys.exit(f"{test} fails without any mutant: mend it first")
        timeout[test] = max(20.0, 5 * (time.monotonic() - started))

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    env = dict(os.environ, CCACHE_DISABLE="1")
    for number, (source, line, col, old, new, kind) in enumerate(sample, 1):
        path = os.path.join(ROOT, source)
        obj = os.path.join(build, sources[source])
        tests = tests_of[source]
        outcome = "untested" if not tests else None
        killers = []
        if tests:
            restorer = Restorer(path, obj)
            try:
                with open(path, encoding="utf-8") as f:
                    lines = f.read().split("\n")
                text = lines[line]
                lines[line] = text[:col] + new + text[col + len(old):]
                with open(path, "w", encoding="utf-8") as f:
                    f.write("\n".join(lines))
                # One program at a time: a mutant the first kills costs one link, not all of them.
                outcome = "survived"
                for test in tests:
                    if run(["ninja", "-C", build, test], env=env).returncode:
                        outcome = "uncompilable"
                        break
                    if args.matrix:
                        killers += failing_tests(build, test, timeout)
                        continue
                    verdict = run_tests(build, [test], timeout)
                    if verdict != "pass":
                        outcome = {"fail": "killed", "timeout": "timed out"}[verdict]
                        break
                if killers and outcome != "uncompilable":
                    # Only programs that ran out of time: the same verdict as without --matrix.
                    timed_out = all(k.endswith(": timed out") for k in killers)
                    outcome = "timed out" if timed_out else "killed"
            finally:
                restorer.restore()
        text = text_of[source][line]
        results.append({"file": source, "line": line + 1, "col": col - indent(text), "text": text.strip(),
                        "kind": kind, "old": old.strip(), "new": new.strip(), "outcome": outcome})
        if args.matrix:
            results[-1]["killers"] = killers
        print(f"[{number}/{len(sample)}] {outcome:12} {source}:{line + 1} {kind}: "
              f"{old.strip()} -> {new.strip()}", flush=True)
        save()

    r = run(["ninja", "-C", build] + all_tests)
    if r.returncode:
        print("warning: the restored tree does not build:\n" + r.stdout[-2000:])

    if earlier:
        print("\nthe earlier run:")
        report(earlier, survivors=False)
        print("\nthis run:")
    report(results)
    save()


def indent(text):
    return len(text) - len(text.lstrip())


@functools.lru_cache(maxsize=None)
def lines_at(commit, source):
    r = run(["git", "-C", ROOT, "show", f"{commit}:{source}"])
    return r.stdout.split("\n") if r.returncode == 0 else []


def moved_to(source, sources):
    """The file now: the same path, else the one file of the same name under the same top folder."""
    if source in sources:
        return source
    top, name = source.split(os.sep)[0], os.path.basename(source)
    same = [s for s in sources if s.split(os.sep)[0] == top and os.path.basename(s) == name]
    return same[0] if len(same) == 1 else None


def replayed(earlier, candidates, text_of, made_at):
    """The sites of an earlier run found again, and the results of those that are gone."""
    commit = earlier.get("commit") or made_at
    sample, gone = [], []
    for m in earlier["mutants"]:
        text = m.get("text")
        if text is None and commit:
            old_lines = lines_at(commit, m["file"])
            text = old_lines[m["line"] - 1].strip() if m["line"] <= len(old_lines) else None
        source = moved_to(m["file"], text_of)
        # Without the line's text (an older file) the same change nearest the old line stands in.
        same = [c for c in candidates
                if c[0] == source and c[3].strip() == m["old"] and c[4].strip() == m["new"] and c[5] == m["kind"]
                and (text is None or text_of[source][c[1]].strip() == text)
                and ("col" not in m or c[2] - indent(text_of[source][c[1]]) == m["col"])]
        if same:
            sample.append(min(same, key=lambda c: (abs(c[1] + 1 - m["line"]), c[2])))
        else:
            print(f"gone: {m['file']}:{m['line']} {m['old']} -> {m['new']}")
            gone.append(dict(m, outcome="gone"))
    return sample, gone


def print_killers(paths):
    """Per test: how many mutants it kills and how many no other test kills; the tests that are
    nobody's only killer are where the suite may repeat itself."""
    kills, sole = collections.Counter(), collections.Counter()
    mutants = [m for p in paths for m in json.load(open(p))["mutants"] if m.get("killers")]
    for m in mutants:
        # The instances of a parameterised test (Prefix/Suite.Name/Case) count as that one test.
        tests = {re.sub(r"^\w+/(\w+\.\w+)/.*$", r"\1", k) for k in m["killers"]}
        for k in tests:
            kills[k] += 1
        if len(tests) == 1:
            sole[next(iter(tests))] += 1
    print(f"{len(mutants)} killed mutants; {sum(sole.values())} of them killed by one test only")
    print(f"{'kills':>6}{'alone':>6}  test")
    for test in sorted(kills, key=lambda t: (-sole[t], -kills[t], t)):
        print(f"{kills[test]:6}{sole[test]:6}  {test}")


def report(results, survivors=True):
    table = collections.defaultdict(collections.Counter)
    for r in results:
        table[r["file"].split(os.sep)[0]][r["outcome"]] += 1
        table["all"][r["outcome"]] += 1
    columns = ["killed", "survived", "timed out", "uncompilable", "untested", "gone"]
    print()
    print(f"{'folder':10}" + "".join(f"{c:>14}" for c in columns) + f"{'killed share':>14}")
    for folder in sorted(table, key=lambda f: (f == "all", f)):
        counts = table[folder]
        judged = counts["killed"] + counts["survived"] + counts["timed out"]
        share = f"{100 * (counts['killed'] + counts['timed out']) / judged:.0f} %" if judged else "-"
        print(f"{folder:10}" + "".join(f"{counts[c]:>14}" for c in columns) + f"{share:>14}")
    left = [r for r in results if r["outcome"] == "survived"]
    if survivors and left:
        print("\nsurvivors:")
        for r in left:
            print(f"  {r['file']}:{r['line']} {r['kind']}: {r['old']} -> {r['new']}")


if __name__ == "__main__":
    main()
