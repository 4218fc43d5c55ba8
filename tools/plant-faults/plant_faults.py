#!/usr/bin/env python3
"""Plants faults in the program one at a time and records which tests catch each.

For every fault of faults.py: the source file's bytes are kept, the fault is
written in, the build directory is built incrementally, ctest runs, and the
file gets its original bytes back (also on an error or Ctrl-C; a run that was
killed outright is mended by the next one from the copy it left in the build
directory). The result is a Markdown table of fault -> failing tests, and the
same as JSON for comparing two runs.

  tools/plant-faults/plant_faults.py                       # every fault
  tools/plant-faults/plant_faults.py bead-limit ini-64000  # some faults
  tools/plant-faults/plant_faults.py -R 'test_readforms|test_buildforms' bead-limit
  tools/plant-faults/plant_faults.py --list                # check the anchors only
  tools/plant-faults/plant_faults.py --compare tools/plant-faults/baseline.json
  tools/plant-faults/plant_faults.py --first --compare tools/plant-faults/baseline.json  # sooner

Only the Python standard library; no test that CI runs.
"""

import argparse
import datetime
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.dont_write_bytecode = True  # no __pycache__ beside the fault list
from faults import FAULTS  # noqa: E402


def git(root, *args):
    return subprocess.run(["git", "-C", str(root), *args], capture_output=True, text=True).stdout.strip()


def run_niced(cmd, **kwargs):
    """Runs cmd at the lowest priority, in a process group of its own, so that
    a stop ends the compilers and test programs it started too."""
    proc = subprocess.Popen(["nice", "-n", "19", *cmd], stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                            errors="replace", start_new_session=True, **kwargs)
    try:
        out, err = proc.communicate()
    except BaseException:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        raise
    return subprocess.CompletedProcess(cmd, proc.returncode, out, err)


# --- keeping the source tree whole -----------------------------------------

class Planted:
    """One fault written into its file; `restore` puts the original bytes back.

    The original is also copied into the build directory first, so that a run
    killed before it could restore leaves a way back (see mend_killed_run).
    The file's time stamp is left new on purpose: the next build must compile
    it again, since the objects hold the fault.
    """

    def __init__(self, root, backup_dir, fault):
        self.path = root / fault["file"]
        self.backup = backup_dir / fault["file"]
        self.original = self.path.read_bytes()
        self.fault = fault

    def plant(self):
        text = self.original.decode("utf-8")
        self.backup.parent.mkdir(parents=True, exist_ok=True)
        self.backup.write_bytes(self.original)
        self.path.write_bytes(text.replace(self.fault["find"], self.fault["replace"], 1).encode("utf-8"))

    def restore(self):
        self.path.write_bytes(self.original)
        if self.backup.exists():
            self.backup.unlink()


def mend_killed_run(root, backup_dir):
    if not backup_dir.is_dir():
        return
    for kept in sorted(p for p in backup_dir.rglob("*") if p.is_file()):
        source = root / kept.relative_to(backup_dir)
        print(f"a previous run was stopped with a fault planted: {source.relative_to(root)} restored", flush=True)
        source.write_bytes(kept.read_bytes())
        kept.unlink()


def anchor_state(root, fault):
    path = root / fault["file"]
    if not path.is_file():
        return "file not found"
    count = path.read_text(encoding="utf-8").count(fault["find"])
    if count == 0:
        return "anchor not found"
    if count > 1:
        return f"anchor found {count} times"
    return "ok"


def dirty_files(root, files):
    if not files:
        return []
    out = subprocess.run(["git", "-C", str(root), "status", "--porcelain", "--", *sorted(files)],
                         capture_output=True, text=True).stdout
    return [line[3:] for line in out.splitlines() if line.strip()]


# --- build and test ----------------------------------------------------------

def configure(root, build):
    if (build / "CMakeCache.txt").exists():
        return
    cmd = ["cmake", "-S", str(root), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug", "-DORTIX_BUILD_BENCH=OFF",
           "-DORTIX_SANITIZE=OFF"]
    if shutil.which("ccache"):
        cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    # Every fault relinks every test program: lld does it several times faster.
    if shutil.which("ld.lld"):
        cmd.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)


def build_tree(build, jobs, targets=()):
    cmd = ["cmake", "--build", str(build), "-j", str(jobs)]
    if targets:
        cmd += ["--target", *targets]
    done = run_niced(cmd)
    if done.returncode == 0:
        return None
    errors = [line for line in done.stdout.splitlines() + done.stderr.splitlines() if "error" in line]
    return "\n".join(errors[:5]) or done.stderr[-600:]


STATUS_LINE = re.compile(r"Test\s+#\d+: (\S+) \.+")
FAILED_LINE = re.compile(r"^\s*\d+ - (\S+) \((.+)\)\s*$")
QTEST_FAIL = re.compile(r"^FAIL!\s*:\s*([\w:]+)\((.*)\)")


def earlier_catchers_first(build, args, fault_id, earlier_catchers):
    """With --first and --compare: builds and runs only the tests that caught the
    fault before. {} when none of them (still) fails, and the whole suite must say."""
    names = sorted(earlier_catchers.get(fault_id, ()))
    if not names:
        return {}
    # A test that is no program of its own (a script) runs the program. The
    # build's own list of targets says which is which: on a fresh build
    # directory no test program exists yet.
    programs = build_targets(build)
    targets = sorted({n if n in programs else "ortix" for n in names})
    if build_tree(build, args.jobs, targets):
        return {}
    return run_ctest(build, args.jobs, args.timeout, "^(" + "|".join(map(re.escape, names)) + ")$", True)


def build_targets(build):
    listed = run_niced(["cmake", "--build", str(build), "--target", "help"]).stdout
    return set(re.findall(r"^\.\.\. (\S+)", listed, re.M))


def run_ctest(build, jobs, timeout, regex, first=False):
    # The tests' own TIMEOUT property wins over ctest --timeout; QtTest's
    # watchdog ends a test function that hangs after the same time.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QTEST_FUNCTION_TIMEOUT=str(timeout * 1000))
    cmd = ["ctest", "--output-on-failure", "--timeout", str(timeout), "-j", str(jobs)]
    if regex:
        cmd += ["-R", regex]
    if first:
        cmd.append("--stop-on-failure")
    done = run_niced(cmd, cwd=build, env=env)
    return parse_ctest(done.stdout + done.stderr)


def parse_ctest(output):
    """{ctest name: {"status": ..., "functions": [Class::function, ...]}} of the tests that failed."""
    failed = {}
    functions = {}
    current = None
    in_summary = False
    for line in output.splitlines():
        if line.startswith("The following tests FAILED:"):
            in_summary = True
            continue
        if in_summary:
            m = FAILED_LINE.match(line)
            if m:
                failed[m.group(1)] = m.group(2)
            continue
        m = STATUS_LINE.search(line)
        if m:
            current = m.group(1)
            continue
        m = QTEST_FAIL.match(line)
        if m and current:
            names = functions.setdefault(current, [])
            if m.group(1) not in names:
                names.append(m.group(1))
    # A test whose program was not there did not catch anything: that is a
    # fault of the run, never a catch.
    not_run = [name for name, status in failed.items() if "Not Run" in status]
    if not_run:
        raise RuntimeError("tests not run (their programs are missing): " + ", ".join(not_run))
    return {name: {"status": status, "functions": functions.get(name, [])} for name, status in failed.items()}


# --- the run -------------------------------------------------------------------

def measure(root, build, args, faults, write_out, earlier):
    backup_dir = build / "plant-faults-originals"
    results = list(earlier)
    clean = {}
    if not args.no_clean_run:
        print("clean tree: building and testing", flush=True)
        error = build_tree(build, args.jobs)
        if error:
            sys.exit("the clean tree does not build:\n" + error)
        clean = run_ctest(build, args.jobs, args.timeout, args.tests_regex)
        if clean:
            print("failing without any fault (not counted as catches): " + ", ".join(clean), flush=True)
    earlier_catchers = {}
    if args.first and args.compare:
        earlier_catchers = {r["id"]: r["caught_by"] for r in json.loads(Path(args.compare).read_text())["faults"]}
    for n, fault in enumerate(faults, 1):
        started = time.time()
        result = {"id": fault["id"], "file": fault["file"], "what": fault["what"], "caught_by": {}}
        state = anchor_state(root, fault)
        if state != "ok":
            result["outcome"] = state
        else:
            planted = Planted(root, backup_dir, fault)
            try:
                planted.plant()
                quick = earlier_catchers_first(build, args, fault["id"], earlier_catchers)
                quick = {k: v for k, v in quick.items() if k not in clean}
                error = None if quick else build_tree(build, args.jobs)
                if quick:
                    result["caught_by"], result["outcome"] = quick, "caught"
                elif error:
                    result["outcome"] = "does not compile"
                    result["error"] = error
                else:
                    failed = run_ctest(build, args.jobs, args.timeout, args.tests_regex, args.first)
                    result["caught_by"] = {k: v for k, v in failed.items() if k not in clean}
                    result["outcome"] = "caught" if result["caught_by"] else "caught by nothing"
            finally:
                planted.restore()
        result["seconds"] = round(time.time() - started)
        results.append(result)
        print(f"[{n + len(earlier)}/{len(faults) + len(earlier)}] {fault['id']}: {result['outcome']}"
              + (" - " + ", ".join(result["caught_by"]) if result["caught_by"] else "")
              + f" ({result['seconds']} s)", flush=True)
        write_out(results, clean)
    return results


def markdown(results, clean, header):
    lines = ["# Planted faults and the tests that catch them", "", *header, ""]
    lines += ["| Fault | File | What it breaks | Caught by (ctest) | Failed test functions |",
              "|---|---|---|---|---|"]
    for r in results:
        if r["outcome"] == "caught":
            tests = ", ".join(f"{name} ({info['status']})" for name, info in sorted(r["caught_by"].items()))
            functions = ", ".join(f for info in r["caught_by"].values() for f in info["functions"])
        else:
            tests = f"**{r['outcome']}**"
            functions = ""
        what = r["what"].replace("|", "\\|")
        lines.append(f"| `{r['id']}` | `{r['file'].removeprefix('src/')}` | {what} | {tests} | {functions} |")
    lines.append("")
    uncaught = [r for r in results if r["outcome"] == "caught by nothing"]
    lines.append(f"## Caught by nothing ({len(uncaught)})")
    lines.append("")
    lines += [f"- `{r['id']}`: {r['what']}" for r in uncaught] or ["None."]
    other = [r for r in results if r["outcome"] not in ("caught", "caught by nothing")]
    if other:
        lines += ["", "## Not measured (re-anchor or mend the fault in faults.py)", ""]
        lines += [f"- `{r['id']}`: {r['outcome']}" for r in other]
    if clean:
        lines += ["", "## Failing on the clean tree (not counted as catches)", ""]
        lines += [f"- {name} ({info['status']})" for name, info in sorted(clean.items())]
    return "\n".join(lines) + "\n"


def compare(before_path, results):
    before = {r["id"]: r for r in json.loads(Path(before_path).read_text())["faults"]}
    lost = [r for r in results
            if before.get(r["id"], {}).get("outcome") == "caught" and r["outcome"] != "caught"]
    for r in lost:
        print(f"LOST: {r['id']} was caught by {', '.join(before[r['id']]['caught_by'])}, now {r['outcome']}")
    return lost


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("ids", nargs="*", help="faults to plant (default: all)")
    parser.add_argument("-R", "--tests-regex", help="run only the ctest tests that match (ctest -R)")
    parser.add_argument("--build-dir", default="build-plant", help="build directory, relative to the checkout")
    parser.add_argument("-j", "--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=120,
                        help="seconds per test (ctest --timeout) and per QtTest function")
    parser.add_argument("-o", "--output", help="Markdown table (default: <build-dir>/plant-faults.md)")
    parser.add_argument("--no-clean-run", action="store_true",
                        help="skip building and testing the tree without faults first")
    parser.add_argument("--resume", metavar="JSON", help="an earlier run's JSON (e.g. one that was stopped): keep "
                                                         "the faults it measured, plant only the others")
    parser.add_argument("--first", action="store_true",
                        help="stop ctest at the first failing test: tells caught from not caught, and soon; "
                             "with --compare the tests that caught a fault before are built and run first. "
                             "The table then names the first catchers only")
    parser.add_argument("--list", action="store_true", help="list the faults and check their anchors, plant none")
    parser.add_argument("--compare", metavar="JSON", help="an earlier run's JSON: name every fault it caught that "
                                                           "this run does not (exit status 1 if any)")
    args = parser.parse_args()

    root = Path(git(HERE, "rev-parse", "--show-toplevel"))
    build = root / args.build_dir
    known = {f["id"]: f for f in FAULTS}
    unknown = [i for i in args.ids if i not in known]
    if unknown:
        sys.exit("unknown faults: " + ", ".join(unknown))
    faults = [known[i] for i in args.ids] if args.ids else FAULTS
    earlier, earlier_header = [], []
    if args.resume:
        kept = json.loads(Path(args.resume).read_text(encoding="utf-8"))
        wanted = {f["id"] for f in faults}
        earlier = [r for r in kept["faults"]
                   if r["id"] in wanted and r["outcome"] in ("caught", "caught by nothing")]
        faults = [f for f in faults if f["id"] not in {r["id"] for r in earlier}]
        earlier_header = [f"{len(earlier)} faults taken from an earlier run: {kept['header'][0]}"]

    if args.list:
        for f in faults:
            print(f"{f['id']:24} {anchor_state(root, f):18} {f['file']}: {f['what']}")
        return 0

    build.mkdir(parents=True, exist_ok=True)
    mend_killed_run(root, build / "plant-faults-originals")
    dirty = dirty_files(root, {f["file"] for f in faults})
    if dirty:
        sys.exit("uncommitted changes in files a fault would touch; commit or stash them first:\n  "
                 + "\n  ".join(dirty))
    # A kill by the session or a closed terminal restores the file as Ctrl-C does.
    def stop(*_):
        raise KeyboardInterrupt
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)

    output = Path(args.output) if args.output else build / "plant-faults.md"
    local = " (with uncommitted changes)" if git(root, "status", "--porcelain", "--untracked-files=no") else ""
    header = [
        f"Measured {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC on commit "
        f"{git(root, 'rev-parse', '--short', 'HEAD')} (\"{git(root, 'log', '-1', '--format=%s')}\"){local}.",
        f"Build: `{args.build_dir}` (Debug, no sanitizers); ctest `--timeout {args.timeout}`"
        + (f" `-R '{args.tests_regex}'`" if args.tests_regex else "")
        + (" `--stop-on-failure` (first catchers only)" if args.first else "") + ".",
        *earlier_header,
        "Re-run: `tools/plant-faults/plant_faults.py [fault ids] [-R regex]`; see DEVELOPERS.md.",
    ]

    def write_out(results, clean):
        output.write_text(markdown(results, clean, header), encoding="utf-8")
        output.with_suffix(".json").write_text(
            json.dumps({"header": header, "clean_failures": clean, "faults": results}, indent=1,
                       ensure_ascii=False) + "\n", encoding="utf-8")

    if not faults:
        write_out(earlier, kept.get("clean_failures", {}) if args.resume else {})
        print(f"nothing left to plant; table in {output}")
        return 0
    configure(root, build)
    try:
        results = measure(root, build, args, faults, write_out, earlier)
    except KeyboardInterrupt:
        sys.exit("stopped; the source files are as they were")
    caught = sum(r["outcome"] == "caught" for r in results)
    print(f"{caught} of {len(results)} faults caught; table in {output}")
    if args.compare:
        return 1 if compare(args.compare, results) else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
