#!/usr/bin/python3
"""CopyFolder against Wine's own xcopy /E /I /Y, in the same run and prefix.

A tree of 2,000 files (200 MB, 100,000 bytes each, in 40 folders two levels deep) is
generated once under /tmp and reached through Z:. Each run copies it to a fresh
destination, the two programs alternating, with a warm wine server; the
destination is removed outside the measurement. The median of each is reported.

Usage: bench/copyfolder.py [runs]   (after the win64 tree of BX_BUILD is built)"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.environ.get("BX_BUILD", os.path.join(ROOT, "build"))
WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
FILES = 2000
FILE_BYTES = 100 * 1000


def make_tree(source):
    payload = os.urandom(FILE_BYTES)
    for index in range(FILES):
        folder = os.path.join(source, "group %02d" % (index % 8), "set %d" % (index % 5))
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "file %04d.bin" % index), "wb") as out:
            out.write(payload[index % 251:] + payload[:index % 251])


def to_wine(path):
    return "Z:" + path.replace("/", "\\")


def count_files(folder):
    return sum(len(files) for _, _, files in os.walk(folder))


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    work = tempfile.mkdtemp(prefix="bx-copyfolder-")
    # A prefix of its own, so that stopping its server disturbs nobody.
    prefix = os.path.join(work, "prefix")
    templates = [os.path.join(base, "wine", "template") for base in (BUILD, os.path.join(ROOT, "build"))]
    template = next((path for path in templates if os.path.isdir(path)), None)
    if template:
        subprocess.run(["cp", "-a", template, prefix], check=True)
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="winemenubuilder.exe=d")
    program = os.path.join(BUILD, "win64", "e2e", "programs", "bx_copyfolder.exe")
    source = os.path.join(work, "source")
    destination = os.path.join(work, "destination")

    def run(*command):
        shutil.rmtree(destination, ignore_errors=True)
        subprocess.run(["sync"], check=True)
        started = time.perf_counter()
        result = subprocess.run([WINE, *command], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        elapsed = time.perf_counter() - started
        copied = count_files(destination)
        if result.returncode != 0 or copied != FILES:
            raise SystemExit("%s failed: exit %d, %d of %d files" % (command[0], result.returncode, copied, FILES))
        return elapsed

    try:
        make_tree(source)
        subprocess.run([WINESERVER, "-p"], env=env, check=True)
        commands = {
            "CopyFolder": [program, to_wine(source), to_wine(destination)],
            "xcopy /E /I /Y": ["xcopy", "/E", "/I", "/Y", to_wine(source), to_wine(destination)],
        }
        for command in commands.values():
            run(*command)  # warms the server, the page cache and both programs
        times = {name: [] for name in commands}
        for _ in range(runs):
            for name, command in commands.items():
                times[name].append(run(*command))
        ours = statistics.median(times["CopyFolder"]) * 1000
        peer = statistics.median(times["xcopy /E /I /Y"]) * 1000
        print("copy of %d files (%d MB) under Wine, median of %d runs (warm server):"
              % (FILES, FILES * FILE_BYTES // 1000000, runs))
        print("  bx_copyfolder.exe (CopyFolder)  %8.1f ms" % ours)
        print("  xcopy /E /I /Y (peer)           %8.1f ms" % peer)
        print("  ratio CopyFolder / xcopy        %8.2f" % (ours / peer))
    finally:
        subprocess.run([WINESERVER, "-k"], env=env)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
