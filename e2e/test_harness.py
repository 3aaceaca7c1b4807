"""The harness itself: a program of ours runs in a copied prefix, and what it
wrote to the registry and the disk, and its exit code, are read back."""
import os

import pytest

from wineprefix import WineTimeout, parse_reg


def probe(build):
    return os.path.join(build, "win64", "e2e", "programs", "e2e_probe.exe")


def test_probe_writes_registry_and_files_read_back_from_linux(prefix, build):
    documents = "C:\\users\\%s\\Documents" % prefix.user
    prefix.run(probe(build),
               "/reg", "HKLM", "Software\\Brenix Tests\\Probe", "Machine", "Grüße \"quoted\" \\ end",
               "/reg", "HKCU", "Software\\Brenix Tests\\Probe", "", "default value",
               "/file", documents + "\\probe.txt", "written by the probe",
               "/exit", "7", check_exit=7)
    assert prefix.reg_value("HKLM", "Software\\Brenix Tests\\Probe", "Machine") == "Grüße \"quoted\" \\ end"
    assert prefix.reg_value("HKCU", "Software\\Brenix Tests\\Probe") == "default value"
    assert prefix.reg_value("HKCU", "Software\\Brenix Tests\\Probe", "Missing") is None
    assert prefix.read_file(documents + "\\probe.txt") == "written by the probe"
    # User folders are real folders of the prefix, not links into the Linux home.
    assert not os.path.islink(prefix.unix_path(documents))


def test_manifest_lets_the_program_see_the_true_windows_version(prefix, build):
    out = "C:\\osver.txt"
    prefix.run(probe(build), "/osver", out, check_exit=0)
    assert prefix.read_file(out).startswith("6.1.")
    prefix.wine("winecfg", "-v", "win10")
    prefix.run(probe(build), "/osver", out, check_exit=0)
    # Without the supportedOS list of the embedded manifest this reads 6.2.
    assert prefix.read_file(out).startswith("10.0.")


def test_bad_arguments_give_an_error_exit(prefix, build):
    assert prefix.run(probe(build), "/unknown") == 1


def test_time_limit_kills_a_program_that_does_not_end(prefix, build):
    with pytest.raises(WineTimeout):
        prefix.run(probe(build), "/sleep", "600000", timeout=3)


@pytest.mark.parametrize("text,expected", [
    ('[Software\\\\A] 1\n"S"="x\\\\y"\n', {"software\\a": {"s": "x\\y"}}),
    ('[K] 1\n"D"=dword:0000002a\n@="def"\n', {"k": {"d": 42, "": "def"}}),
    ('[K] 1\n"M"=hex(7):61,00,00,00,62,00,00,00,00,00\n', {"k": {"m": ["a", "b"]}}),
    ('[K] 1\n"E"=str(2):"%PATH%\\\\x"\n', {"k": {"e": "%PATH%\\x"}}),
    ('[K] 1\n"U"="\\x20ac"\n', {"k": {"u": "\u20ac"}}),
    ('[K] 1\n"B"=hex:01,\\\n  02\n', {"k": {"b": b"\x01\x02"}}),
])
def test_reg_file_parser(text, expected):
    assert parse_reg(text) == expected
