#!/usr/bin/python3
"""Reads what the stages of `make test` left in the build folder and prints
one summary line: counts of passed and failed tests per stage and in all.
A test binary that failed without a failing test case in its report (a
crash, a sanitizer report at exit, a time-out) counts as one failure."""
import glob
import os
import sys
import xml.etree.ElementTree as ET


def read_rc(path):
    try:
        with open(path) as f:
            return int(f.read().strip() or "1")
    except (OSError, ValueError):
        return None


def junit_counts(path):
    """(passed, failed, failing names) of a JUnit/GoogleTest XML report."""
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError):
        return None
    passed = failed = 0
    names = []
    for case in root.iter("testcase"):
        if case.get("status") == "notrun" or case.find("skipped") is not None:
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
            names.append("%s.%s" % (case.get("classname"), case.get("name")))
        else:
            passed += 1
    return passed, failed, names


def ctest_stage(build, tree, status):
    rc = read_rc(os.path.join(status, tree + ".rc"))
    if rc is None:
        return None
    passed = failed = 0
    names = []
    per_binary = {}
    for report in glob.glob(os.path.join(build, tree, "test-results", "*.xml")):
        counts = junit_counts(report)
        binary = os.path.splitext(os.path.basename(report))[0]
        if counts is None:
            continue
        per_binary[binary] = counts
        passed += counts[0]
        failed += counts[1]
        names += counts[2]
    failed_log = os.path.join(build, tree, "Testing", "Temporary", "LastTestsFailed.log")
    binaries_failed = []
    if rc != 0 and os.path.exists(failed_log):
        with open(failed_log) as f:
            for line in f:
                binary = line.strip().split(":", 1)[-1]
                if binary and per_binary.get(binary, (0, 0, []))[1] == 0:
                    binaries_failed.append(binary)
    failed += len(binaries_failed)
    names += ["%s (whole binary: crash, sanitizer report or time-out)" % b for b in binaries_failed]
    if rc != 0 and failed == 0:
        failed, names = 1, ["ctest exited with %d" % rc]
    return passed, failed, names


def main():
    build, seconds = sys.argv[1], sys.argv[2]
    status = os.path.join(build, "test-status")
    logs = os.path.join(build, "logs")
    stages = []

    for tree in ("native", "win64"):
        stages.append((tree, ctest_stage(build, tree, status), os.path.join(logs, "test-%s.log" % tree)))

    e2e_rc = read_rc(os.path.join(status, "e2e.rc"))
    e2e = None
    if e2e_rc is not None:
        counts = junit_counts(os.path.join(build, "test-results-e2e.xml"))
        passed, failed, names = counts if counts else (0, 0, [])
        if e2e_rc not in (0, 5) and failed == 0:
            failed, names = 1, ["pytest exited with %d" % e2e_rc]
        e2e = (passed, failed, names)
    stages.append(("e2e", e2e, os.path.join(logs, "test-e2e.log")))

    fuzz = None
    fuzz_rc = read_rc(os.path.join(status, "fuzz.rc"))
    if fuzz_rc is not None:
        passed = failed = 0
        names = []
        try:
            with open(os.path.join(status, "fuzz.txt")) as f:
                for line in f:
                    parts = line.split()
                    if len(parts) == 2 and parts[1] == "0":
                        passed += 1
                    elif len(parts) == 2:
                        failed += 1
                        names.append(parts[0])
        except OSError:
            pass
        if fuzz_rc != 0 and failed == 0:
            failed, names = 1, ["fuzz runner exited with %d" % fuzz_rc]
        fuzz = (passed, failed, names)
    stages.append(("fuzz", fuzz, os.path.join(logs, "fuzz.log")))

    total_passed = total_failed = 0
    parts = []
    for name, counts, log in stages:
        if counts is None:
            total_failed += 1
            parts.append("%s did not run" % name)
            print("FAILED stage %s did not run" % name)
            continue
        passed, failed, names = counts
        total_passed += passed
        total_failed += failed
        parts.append("%s %d/%d" % (name, passed, passed + failed))
        for failing in names:
            print("FAILED %s: %s (log: %s)" % (name, failing, log))
    print("make test: %d passed, %d failed (%s) in %s s"
          % (total_passed, total_failed, ", ".join(parts), seconds))
    return 1 if total_failed else 0


if __name__ == "__main__":
    sys.exit(main())
