#!/usr/bin/env python3
"""One GoogleTest executable under Wine: all its cases in one start.

A Wine start costs about a second, so the Windows build gives CTest one entry
per executable instead of one per case. The cases' results are read from
GoogleTest's XML report and printed one per line; a failed case is named on
the last line. The entry fails when a case failed, when the program exited
with an error, or when the report is missing or lists no case: a start that
came back empty never passes.

A start is made again only when it left nothing at all (no output, no
report) and Wine's own client said it lost its server ("wine client error");
each such retry is appended to RETRY-LOG, which scripts/windows-check counts.
    run-suite.py WINE EXE XML RETRY-LOG
"""

import os
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

WINE_FAULT = "wine client error"
STARTS = 3


def run(wine, exe, xml):
    if os.path.exists(xml):
        os.remove(xml)
    # Relative to the working folder: a Unix path means nothing to the program.
    return subprocess.run(
        [wine, exe, "--gtest_output=xml:" + os.path.basename(xml)],
        cwd=os.path.dirname(xml),
        stdin=subprocess.DEVNULL,
        capture_output=True,
        text=True,
        errors="replace",
    )


def wine_lost_it(result, xml):
    return (not result.stdout and not os.path.exists(xml)
            and WINE_FAULT in result.stderr)


def cases(xml):
    for case in ElementTree.parse(xml).getroot().iter("testcase"):
        name = f"{case.get('classname')}.{case.get('name')}"
        if case.find("failure") is not None:
            yield name, "FAIL"
        elif case.find("skipped") is not None or case.get("result") == "skipped":
            yield name, "SKIP"
        elif case.get("status") == "notrun" or case.get("result") == "suppressed":
            yield name, "NOT RUN"
        else:
            yield name, "ok"


def main():
    wine, exe, xml, retry_log = sys.argv[1:]
    xml = os.path.abspath(xml)
    name = os.path.basename(exe)
    for start in range(1, STARTS + 1):
        result = run(wine, exe, xml)
        if start == STARTS or not wine_lost_it(result, xml):
            break
        with open(retry_log, "a", encoding="utf-8") as log:
            log.write(f"{name}: start {start} exited {result.returncode} with nothing but "
                      f"{result.stderr.strip()!r}\n")
        print(f"run-suite: {name}: Wine lost its server, started again", flush=True)
    sys.stdout.write(result.stdout)
    sys.stdout.write(result.stderr)

    if not os.path.exists(xml):
        print(f"run-suite: {name} exited {result.returncode} and wrote no report")
        return 1
    results = list(cases(xml))
    width = max((len(status) for _, status in results), default=0)
    for case, status in results:
        print(f"{status:>{width}}  {case}")
    failed = [case for case, status in results if status == "FAIL"]
    ran = sum(1 for _, status in results if status in ("ok", "FAIL"))
    print(f"run-suite: {name}: {ran} cases run, {len(failed)} failed, exit {result.returncode}")
    if failed:
        print("run-suite: failed: " + " ".join(failed))
    if failed or result.returncode != 0 or ran == 0:
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
