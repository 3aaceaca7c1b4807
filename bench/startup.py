#!/usr/bin/python3
"""Start-up cost of InstallWizard.exe under Wine, against a trivial Win32
program that creates one window, measured in the same run and prefix.

Until the wizard exists the installer ends at the wizard call point, so its
whole run is the time from process start to that point. Both programs run
alternately with a warm wine server; the median of each is reported.

Usage: bench/startup.py [runs]     (after make test or make demo has built
                                    build/win64 and build/package)"""
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


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 15
    work = tempfile.mkdtemp(prefix="bx-startup-")
    prefix = os.path.join(work, "prefix")
    subprocess.run(["cp", "-a", os.path.join(BUILD, "wine", "template"), prefix], check=True)
    package = os.path.join(prefix, "drive_c", "Package")
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="winemenubuilder.exe=d",
               BXTOOLS_ANSWERS="")
    peer = os.path.join(BUILD, "win64", "e2e", "programs", "one_window.exe")
    installer = os.path.join(package, "InstallWizard.exe")
    launcher = os.path.join(package, "System", "Always Overwrite")

    def run(program, *args):
        started = time.perf_counter()
        subprocess.run([WINE, program, *args], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)
        return time.perf_counter() - started

    try:
        subprocess.run([WINESERVER, "-p"], env=env, check=True)
        run(peer)  # boots the prefix's services outside the measurement
        times = {"installer": [], "one_window": []}
        for _ in range(runs):
            # A fresh package each time: start-up renames the launcher in it.
            shutil.rmtree(package, ignore_errors=True)
            shutil.copytree(os.path.join(BUILD, "package"), package)
            assert os.path.exists(os.path.join(launcher, "Coravel Launcher.exe"))
            times["installer"].append(run(installer, "/Silent"))
            times["one_window"].append(run(peer))
        installer_ms = statistics.median(times["installer"]) * 1000
        peer_ms = statistics.median(times["one_window"]) * 1000
        print("start-up to the wizard call point, median of %d runs under Wine (warm server):" % runs)
        print("  InstallWizard.exe /Silent  %7.1f ms" % installer_ms)
        print("  one_window.exe (peer)      %7.1f ms" % peer_ms)
        print("  ratio installer / peer     %7.2f" % (installer_ms / peer_ms))
    finally:
        subprocess.run([WINESERVER, "-k"], env=env)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
