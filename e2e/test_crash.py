"""Crash handler of the application framework: its test program crashes, the
handler logs the crash, fills the crash-information block and starts the
reporter stand-in once; the system's handling then ends the process."""
import os
import re
import shutil

import pytest

PROGRAMS = [("installer", "BXCrashTest.exe"), ("platform/product", "BXCrashHandler.exe"),
            ("platform/bxtools", "BXTools.dll")]


@pytest.fixture
def crash_folder(prefix, build):
    folder = prefix.unix_path("C:\\CrashTest")
    os.makedirs(folder)
    for sub, name in PROGRAMS:
        shutil.copy(os.path.join(build, "win64", sub, name), folder)
    return folder


def journal_lines(path):
    if not os.path.exists(path):
        return []
    with open(path, "rb") as f:
        return f.read().decode("utf-8").splitlines()


@pytest.mark.parametrize("mode", ["/Crash", "/CrashTwice"])
def test_crash_logs_and_starts_the_reporter_once(prefix, crash_folder, tmp_path, mode):
    journal = str(tmp_path / "journal.txt")
    code = prefix.run(os.path.join(crash_folder, "BXCrashTest.exe"), mode, timeout=120,
                      env={"BX_PRODUCT_JOURNAL": prefix.windows_path(journal)})
    assert code != 0  # the system ended the crashed process

    log = prefix.log_text()
    crash_lines = [line for line in log.splitlines() if "TopLevelExceptionFilter:" in line]
    texts = [line.split("TopLevelExceptionFilter: ", 1)[1] for line in crash_lines]
    # One crash report even when a second thread crashed while the reporter ran.
    assert texts[0] == "Unhandled exception -- program crashing"
    assert texts.count("Unhandled exception -- program crashing") == 1
    assert re.fullmatch(r"Message: 33769, wParam: -?\d+, lParam: 0", texts[1]), texts
    assert texts[2] == "CAC: 7, Param: 42"
    assert "Unable to call crash handler" not in log

    reporter = [line for line in journal_lines(journal) if line.startswith("BXCrashHandler.exe\t")]
    assert len(reporter) == 1, journal_lines(journal)
    # The reporter found the block of the crashed process: ids, pointers and the access violation.
    match = re.fullmatch(r"BXCrashHandler.exe\tBXCrashInfo(\d+) pid=(\d+) tid=\d+ pointers=set code=0xC0000005",
                         reporter[0])
    assert match, reporter[0]
    assert match.group(1) == match.group(2)
