#!/usr/bin/env python3
"""Which test function (and data row) catches which mutant.

mutate stops a mutant's run at the first failing test, so it tells how many faults the
suite catches but not which test earns its lines. This runs the same mutants (mutate's
own scanner and sampler, so `--seed S --max N` picks the same ones) through every test
to the end, records the QTest functions and rows that fail, and then says which functions
are the only ones to catch some fault. Resumable: results go to OUT as they come.

    scripts/kill_matrix.py MUTATE PROJECT WORK OUT SEEDS [MAX]   # SEEDS: 1,2
    scripts/kill_matrix.py --report OUT
"""
import collections
import glob
import importlib.machinery
import json
import os
import re
import subprocess
import sys


def unique_name(test):
    """A ctest entry's program: the offscreen, _hidpi and _xcb runs are one test."""
    return re.sub(r"_(hidpi|xcb)$", "", test)


def report(path):
    results = json.load(open(path))
    killed = [r for r in results if r["status"] == "killed"]
    print(f"{len(results)} mutants: {len(killed)} killed, "
          f"{sum(r['status'] == 'survived' for r in results)} survived")
    catchers = collections.defaultdict(set)
    for i, r in enumerate(killed):
        for k in r["kills"]:
            test, what = k.split("::", 1)
            catchers[unique_name(test) + "::" + what.split("(")[0]].add(i)
    sole = collections.Counter()
    for i in range(len(killed)):
        names = [f for f, caught in catchers.items() if i in caught]
        if len(names) == 1:
            sole[names[0]] += 1
    for name in sorted(catchers):
        print(f"  {name}: catches {len(catchers[name])}, alone {sole[name]}")
    print(f"{sum(1 for n in catchers if sole[n])} of {len(catchers)} functions catch a fault no other does")


def run(mutate_path, project, work, out, seeds, count):
    mut = importlib.machinery.SourceFileLoader("mutate", mutate_path).load_module()
    paths = sorted({p for p in mut.default_files(project) if p not in mut.DEFAULT_SKIP
                    and p.split(os.sep)[0] not in mut.EXCLUDED_DIRS})
    chosen = {}
    for seed in seeds:  # fresh scans per seed: mutate shares its mutant objects between samples
        per_file, sizes = {}, {}
        for p in paths:
            per_file[p], sizes[p] = mut.scan_file(project, p)
        per_file = {p: m for p, m in per_file.items() if m}
        for m in mut.sample(per_file, sizes, count, seed):
            chosen.setdefault((m.where(), m.after), (m, seed))
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    src, build, _, build_cmd, _, _ = mut.prepare(project, work, 2, ["-LE", "package"], env)
    listing = subprocess.run(["ctest", "--show-only=json-v1", "-LE", "package"], cwd=build,
                             capture_output=True, text=True, check=True).stdout
    tests = json.loads(listing)["tests"]
    log = os.path.join(work, "qtest.txt")

    def failures():
        caught = []
        for t in tests:
            test_env = dict(env)
            for prop in t.get("properties", []):
                if prop["name"] == "ENVIRONMENT":
                    test_env.update(kv.split("=", 1) for kv in prop["value"])
            if os.path.exists(log):
                os.remove(log)
            try:
                rc = subprocess.run(t["command"] + ["-o", log + ",txt"], env=test_env, cwd=work,
                                    capture_output=True, timeout=120).returncode
            except subprocess.TimeoutExpired:
                caught.append(t["name"] + "::timeout")
                continue
            text = open(log, errors="replace").read() if os.path.exists(log) else ""
            failed = sorted(set(re.findall(r"^FAIL!  : \w+::(\w+\(.*?\)) ", text, re.M)))
            caught += [t["name"] + "::" + f for f in failed]
            if rc != 0 and not failed:  # a crash, or a program that is not a QTest
                caught.append(f"{t['name']}::exit({rc})")
        return caught

    results = json.load(open(out)) if os.path.exists(out) else []
    done = {(r["where"], r["after"]) for r in results}
    for n, (key, (m, seed)) in enumerate(chosen.items(), 1):
        if key in done:
            continue
        target = os.path.join(src, m.path)
        original = open(target, encoding="utf-8", newline="").read()
        lines = original.split("\n")
        lines[m.lineno - 1] = m.after
        try:
            open(target, "w", encoding="utf-8", newline="").write("\n".join(lines))
            built = mut.run(build_cmd, build)[0] == 0
            caught = failures() if built else []
        finally:
            open(target, "w", encoding="utf-8", newline="").write(original)
        status = "did not build" if not built else "killed" if caught else "survived"
        results.append(dict(seed=seed, where=m.where(), op=m.op, before=m.before.strip(), after=m.after,
                            status=status, kills=caught))
        json.dump(results, open(out, "w"), indent=1)
        print(f"[{n}/{len(chosen)}] {m.where()} {status}: {' '.join(caught)}", flush=True)
    mut.run(build_cmd, build)  # leave the build as the sources are


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--report":
        report(sys.argv[2])
    elif len(sys.argv) in (6, 7):
        run(sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3]), sys.argv[4],
            [int(s) for s in sys.argv[5].split(",")], int(sys.argv[6]) if len(sys.argv) == 7 else 60)
    else:
        sys.exit(__doc__)
