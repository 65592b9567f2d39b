#!/usr/bin/env python3
"""Counts individual test cases of one ctest run and prints "PASSED FAILED".

Each GoogleTest program wrote an XML report into GTEST_DIR (GTEST_OUTPUT);
its cases count one by one. A ctest test without such a report (a plain
program, or one that crashed before writing it) counts as one case with
ctest's verdict, and so does a failed test whose report shows no failed case
(a crash after the last case, a sanitizer report at exit, a timeout).
Failures are listed on stderr.

usage: count_tests.py CTEST_JUNIT_XML CTEST_TESTS_JSON GTEST_DIR
"""
import glob
import json
import os
import re
import sys
import xml.etree.ElementTree as ET


def ctest_verdicts(junit_path):
    verdicts = {}
    try:
        root = ET.parse(junit_path).getroot()
    except (OSError, ET.ParseError):
        return verdicts
    for case in root.iter("testcase"):
        failed = case.get("status") not in ("run", "disabled", "notrun") or case.find("failure") is not None
        verdicts[case.get("name")] = not failed
    return verdicts


def program_of(test, emulator_names=("wine64", "wine")):
    command = test.get("command") or []
    if command and os.path.basename(command[0]) in emulator_names and len(command) > 1:
        command = command[1:]
    return os.path.splitext(os.path.basename(command[0]))[0] if command else test["name"]


def gtest_reports(gtest_dir, program):
    """Cases of every report a program wrote (gtest adds _1, _2 when reused)."""
    passed, failed = 0, []
    pattern = re.compile(re.escape(program) + r"(_\d+)?\.xml$")
    for path in glob.glob(os.path.join(gtest_dir, "*.xml")):
        if not pattern.match(os.path.basename(path)):
            continue
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError:
            continue
        for case in root.iter("testcase"):
            if case.get("status") == "notrun" or case.get("result") in ("skipped", "suppressed"):
                continue
            if case.find("failure") is not None or case.find("error") is not None:
                failed.append("%s.%s" % (case.get("classname"), case.get("name")))
            else:
                passed += 1
    return passed, failed


def main():
    junit, tests_json, gtest_dir = sys.argv[1:4]
    verdicts = ctest_verdicts(junit)
    with open(tests_json) as f:
        tests = json.load(f).get("tests", [])
    counted_programs = set()
    passed, failed = 0, []
    for test in tests:
        name = test["name"]
        ok = verdicts.get(name, False)
        program = program_of(test)
        cases_passed, cases_failed = (0, [])
        if program not in counted_programs:
            cases_passed, cases_failed = gtest_reports(gtest_dir, program)
        has_report = cases_passed + len(cases_failed) > 0
        if has_report:
            counted_programs.add(program)
            passed += cases_passed
            failed += cases_failed
            if not ok and not cases_failed:
                failed.append("%s (failed outside its test cases)" % name)
        elif ok:
            passed += 1
        else:
            failed.append(name)
    for name in failed:
        print("  FAILED: %s" % name, file=sys.stderr)
    print(passed, len(failed))


if __name__ == "__main__":
    main()
