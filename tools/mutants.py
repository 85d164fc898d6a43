#!/usr/bin/env python3
"""Sample mutation testing: how many small, plausible faults do the tests catch?

Clones the project into a work folder (reused across runs), builds it once,
then for each sampled mutant changes one operator or number in one source
file, rebuilds, runs the tests and records whether they failed ("killed") or
still passed ("survived"). Mutants that do not compile are replaced by others.

    tools/mutants.py                 # 40 mutants, seed 1
    tools/mutants.py -n 80 --seed 7 --only src/sim
    tools/mutants.py --list          # the candidate sites, no runs

Data tables (generated files, and hand-compiled tables under a data/ folder)
are left out unless --with-data is given.

Run it from the project root. It never edits the tree you run it from.
The last line is the score: "mutants: K killed of N (P%)".
"""
import argparse, hashlib, json, os, re, shutil, subprocess, sys, tempfile, time

OPERATORS = [
    (" <= ", " < "), (" >= ", " > "), (" < ", " <= "), (" > ", " >= "),
    (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && "),
    (" + ", " - "), (" - ", " + "),
]
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
WORDS = [(re.compile(r"\btrue\b"), "false"), (re.compile(r"\bfalse\b"), "true")]


# Much faster than ctest, which starts one process per unit test.
FAST_TEST = ("export QT_QPA_PLATFORM=offscreen; "
             "timeout 300 build-mutants/tests/velmara_tests --gtest_brief=1 --gtest_fail_fast >/dev/null 2>&1 || exit 1; "
             "ls tests/replay/*.vrs | xargs -P 2 -I{} sh -c 'timeout 120 build-mutants/velmara-replay {} >/dev/null 2>&1 || exit 255'")


def code_part(line):
    """The line without its // comment; None for lines not worth mutating."""
    s = line.strip()
    if not s or s.startswith(("#", "//", "*", "/*")) or '"' in line or "'" in line:
        return None
    i = line.find("//")
    return line if i < 0 else line[:i]


def is_data(path, rel):
    """Data tables: generated files and the hand-compiled tables under a data/ folder.
    A changed coordinate there is a different map, not a fault a test should catch."""
    if "/data/" in "/" + rel:
        return True
    with open(path, encoding="utf-8", errors="replace") as f:
        return "GENERATED FILE" in f.readline()


def sites(root, only, with_data=False):
    out = []
    for base in only:
        for dirpath, _, files in os.walk(os.path.join(root, base)):
            for f in sorted(files):
                if not f.endswith(".cpp"):
                    continue
                path = os.path.join(dirpath, f)
                rel = os.path.relpath(path, root)
                if not with_data and is_data(path, rel):
                    continue
                for n, line in enumerate(open(path, encoding="utf-8", errors="replace"), 1):
                    code = code_part(line)
                    if code is None:
                        continue
                    for old, new in OPERATORS:
                        start = 0
                        while (i := code.find(old, start)) >= 0:
                            out.append((rel, n, i, old, new))
                            start = i + 1
                    for m in NUMBER.finditer(code):
                        v = int(m.group(1))
                        out.append((rel, n, m.start(), m.group(1), str(v + 1)))
                    for rx, new in WORDS:
                        for m in rx.finditer(code):
                            out.append((rel, n, m.start(), m.group(0), new))
    return sorted(set(out))


def sample_key(root, site, seed, _lines={}):
    """The order in which a seed draws the sites. It hangs on the mutated line's
    text and file name rather than on line numbers or the candidate count, so an
    edit elsewhere (or a moved file) leaves the other mutants of a sample in place
    and before-and-after runs of one seed compare the same faults."""
    rel, n, col, old, new = site
    if rel not in _lines:
        _lines[rel] = open(os.path.join(root, rel), encoding="utf-8", errors="replace").read().split("\n")
    lines = _lines[rel]
    text = lines[n - 1]
    nth = sum(1 for l in lines[:n - 1] if l.strip() == text.strip())  # the same line earlier in the file
    lead = len(text) - len(text.lstrip())
    tag = f"{seed}|{os.path.basename(rel)}|{text.strip()}|{nth}|{col - lead}|{old}|{new}"
    return hashlib.sha256(tag.encode()).hexdigest()


def run(cmd, cwd, timeout):
    try:
        p = subprocess.run(cmd, cwd=cwd, shell=True, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, text=True, errors="replace")
        return p.returncode, p.stdout
    except subprocess.TimeoutExpired:
        return 124, "timeout"


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("-n", type=int, default=40, help="mutants to run (default 40)")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--only", action="append", help="folder(s) to mutate (default src)")
    ap.add_argument("--work", default=os.path.join(tempfile.gettempdir(), "velmara-mutants"), help="work folder, reused across runs")
    ap.add_argument("--configure", default="cmake -S . -B build-mutants -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMARA_BENCH=OFF"
                    + (" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache" if shutil.which("ccache") else ""))
    ap.add_argument("--build", default="cmake --build build-mutants")
    ap.add_argument("--test", default=None,
                    help="test command run in the work copy (default: the unit test binary and every replay "
                         "script directly, stopping at the first failure; ctest when that binary is missing)")
    ap.add_argument("--list", action="store_true", help="print the candidate sites and stop")
    ap.add_argument("--with-data", action="store_true",
                    help="also mutate data tables (generated files and files under data/), left out by default")
    ap.add_argument("--json", help="also write the results here")
    a = ap.parse_args()
    only = a.only or ["src"]

    src = os.getcwd()
    if not os.path.exists(os.path.join(src, ".git")):  # a folder, or a file in a worktree
        sys.exit("run this from the project root (a git checkout)")
    work = a.work
    if not os.path.isdir(os.path.join(work, ".git")):
        shutil.rmtree(work, ignore_errors=True)
        subprocess.run(["git", "clone", "-q", src, work], check=True)
    # Bring the work copy to the tree as it stands now, committed or not.
    subprocess.run(f"git -C {work} fetch -q {src} HEAD && git -C {work} reset -q --hard FETCH_HEAD", shell=True, check=True)
    subprocess.run(f"git -C {src} diff HEAD --binary | git -C {work} apply --allow-empty -", shell=True, check=True)

    if a.test is None:
        if os.path.exists(os.path.join(work, "build-mutants/tests/velmara_tests")) or not os.path.isdir(os.path.join(work, "build-mutants")):
            a.test = FAST_TEST
        else:
            a.test = "ctest --test-dir build-mutants -j2 --stop-on-failure --timeout 120 -Q"

    cands = sites(work, only, a.with_data)
    if a.list:
        for rel, n, col, old, new in cands:
            print(f"{rel}:{n}:{col + 1}: {old.strip()} -> {new.strip()}")
        print(f"{len(cands)} candidate sites")
        return
    cands.sort(key=lambda c: sample_key(work, c, a.seed))

    rc, out = run(a.configure, work, 600)
    if rc == 0:
        rc, out = run(a.build, work, 3000)
    if rc != 0:
        sys.exit("the unmutated project does not build:\n" + out[-3000:])
    rc, out = run(a.test, work, 3000)
    if rc != 0:
        sys.exit("the unmutated project fails its tests:\n" + out[-3000:])

    results, killed = [], 0
    for rel, n, col, old, new in cands:
        if len(results) >= a.n:
            break
        path = os.path.join(work, rel)
        text = open(path, encoding="utf-8").read()
        lines = text.split("\n")
        line = lines[n - 1]
        lines[n - 1] = line[:col] + new + line[col + len(old):]
        open(path, "w", encoding="utf-8").write("\n".join(lines))
        t0 = time.time()
        try:
            rc, _ = run(a.build, work, 900)
            if rc != 0:
                continue  # does not compile: draw another
            rc, out = run(a.test, work, 1800)
        finally:
            open(path, "w", encoding="utf-8").write(text)
        verdict = "killed" if rc != 0 else "survived"
        killed += rc != 0
        r = {"site": f"{rel}:{n}", "from": old.strip(), "to": new.strip(), "line": line.strip(),
             "verdict": verdict, "seconds": round(time.time() - t0, 1)}
        results.append(r)
        print(f"{verdict:8} {r['site']}: {r['from']} -> {r['to']}   | {r['line'][:90]}", flush=True)
    run(a.build, work, 3000)  # leave the work copy built as the tree stands
    total = len(results)
    if a.json:
        json.dump({"seed": a.seed, "only": only, "killed": killed, "total": total, "mutants": results},
                  open(a.json, "w"), indent=1)
    print(f"mutants: {killed} killed of {total} ({100.0 * killed / max(total, 1):.0f}%)")


if __name__ == "__main__":
    main()
