"""A Wine prefix of one end-to-end scenario: a copy of the build's template
prefix in a folder of the scenario's own, programs run in it with a time
limit, and the registry and files read back from the Linux side."""
import os
import re
import shutil
import subprocess
import time

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


class WineTimeout(AssertionError):
    pass


class WinePrefix:
    def __init__(self, template, folder):
        if not os.path.isfile(os.path.join(template, ".bx-ready")):
            raise RuntimeError("no template prefix at %s: run scripts/wine-prefix.sh" % template)
        self.path = os.path.join(folder, "prefix")
        subprocess.run(["cp", "-a", template, self.path], check=True)
        self.env = dict(os.environ)
        self.env.update(WINEPREFIX=self.path, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="winemenubuilder.exe=d")
        users = os.path.join(self.path, "drive_c", "users")
        self.user = next(u for u in sorted(os.listdir(users)) if u != "Public")

    # Paths -----------------------------------------------------------------
    def unix_path(self, windows_path):
        """C:\\x\\y -> <prefix>/drive_c/x/y (only drive C:)."""
        match = re.match(r"^[cC]:\\?(.*)$", windows_path)
        if not match:
            raise ValueError("not a C: path: %s" % windows_path)
        return os.path.join(self.path, "drive_c", *[p for p in match.group(1).split("\\") if p])

    def windows_path(self, unix_path):
        """A Linux path as Wine's Z: drive sees it."""
        return "Z:" + os.path.abspath(unix_path).replace("/", "\\")

    # Running ---------------------------------------------------------------
    def run(self, program, *args, timeout=60, check_exit=None, env=None, wait_server=True):
        """Runs a program (Linux path) under Wine, waits for the server to
        end so the registry files are written, and returns the exit code.
        A run over its time limit is killed and fails the scenario. env adds
        variables for this run only."""
        started = time.monotonic()
        # Output goes to a file: services that Wine starts on the program's
        # behalf inherit its handles and would hold a pipe open.
        output_path = os.path.join(os.path.dirname(self.path), "last-run-output.txt")
        with open(output_path, "wb") as output:
            try:
                proc = subprocess.run([WINE, program, *args], env=dict(self.env, **(env or {})),
                                      stdin=subprocess.DEVNULL, stdout=output, stderr=subprocess.STDOUT,
                                      timeout=timeout)
            except subprocess.TimeoutExpired:
                self.kill()
                raise WineTimeout("%s did not end within %d s" % (os.path.basename(program), timeout))
        with open(output_path, "rb") as output:
            self.last_output = output.read().decode("utf-8", "replace")
        if wait_server:
            self.wait_server(max(5, timeout - (time.monotonic() - started)))
        if check_exit is not None:
            assert proc.returncode == check_exit, "exit code %d, output:\n%s" % (proc.returncode, self.last_output)
        return proc.returncode

    def start(self, program, *args, env=None):
        """Starts a program in the background; wait on the returned process."""
        return subprocess.Popen([WINE, program, *args], env=dict(self.env, **(env or {})),
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def install_package(self, package, windows_folder="C:\\Package"):
        """Copies an assembled package into the prefix; returns its Linux path."""
        target = self.unix_path(windows_folder)
        shutil.copytree(package, target)
        return target

    def log_text(self):
        """The installer's log (the tools component's log file), or ""."""
        path = os.path.join(self.path, "drive_c", "users", self.user, "Temp", "Install Wizard.log")
        if not os.path.exists(path):
            return ""
        with open(path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def wine(self, *args, timeout=60):
        """Runs one of Wine's own programs (reg, winecfg, wineboot...)."""
        return self.run(args[0], *args[1:], timeout=timeout)

    def wait_server(self, timeout=30):
        try:
            subprocess.run([WINESERVER, "-w"], env=self.env, timeout=timeout)
        except subprocess.TimeoutExpired:
            self.kill()
            raise WineTimeout("wineserver did not end within %d s" % timeout)

    def kill(self):
        subprocess.run([WINESERVER, "-k"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # Reading back ------------------------------------------------------------
    def read_file(self, windows_path, encoding="utf-8"):
        with open(self.unix_path(windows_path), "rb") as f:
            return f.read().decode(encoding)

    def registry(self, root):
        """Every key of a root as {key path (lower case): {value name (lower
        case, "" for the default): value}}. root is HKLM, HKCU or HKU; HKCR
        is HKLM\\Software\\Classes under Wine."""
        name = {"HKLM": "system.reg", "HKCU": "user.reg", "HKU": "userdef.reg"}[root]
        with open(os.path.join(self.path, name), "rb") as f:
            return parse_reg(f.read().decode("utf-8", "replace"))

    def reg_value(self, root, key, name=""):
        """One value, or None when the key or the value is missing."""
        return self.registry(root).get(key.lower(), {}).get(name.lower())


_KEY = re.compile(r'^\[(.*)\]\s*\d*\s*$')
_VALUE = re.compile(r'^(@|"(?:[^"\\]|\\.)*")=(.*)$')


def _unescape(text):
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            n = text[i + 1]
            if n == "x":
                m = re.match(r"x([0-9a-fA-F]{1,4})", text[i + 1:])
                out.append(chr(int(m.group(1), 16)))
                i += 1 + len(m.group(0))
                continue
            out.append({"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(n, n))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def _decode_data(data):
    if data.startswith('"'):
        return _unescape(data[1:-1])
    if data.startswith("dword:"):
        return int(data[6:], 16)
    if data.startswith("str(2):"):
        return _unescape(data[8:-1])
    match = re.match(r"hex(?:\((\w+)\))?:(.*)", data)
    if match:
        raw = bytes(int(b, 16) for b in match.group(2).replace(" ", "").split(",") if b)
        kind = match.group(1)
        if kind == "7":  # REG_MULTI_SZ
            return [s for s in raw.decode("utf-16-le").split("\0") if s]
        if kind in ("2", "1"):
            return raw.decode("utf-16-le").rstrip("\0")
        if kind == "b":
            return int.from_bytes(raw, "little")
        return raw
    return data


def parse_reg(text):
    keys = {}
    current = None
    pending = ""
    for line in text.splitlines():
        if pending:
            line = pending + line.strip()
            pending = ""
        if line.endswith("\\") and current is not None and not line.startswith("["):
            pending = line[:-1]
            continue
        key = _KEY.match(line)
        if key:
            current = keys.setdefault(_unescape(key.group(1)).lower(), {})
            continue
        value = _VALUE.match(line)
        if value and current is not None:
            name = "" if value.group(1) == "@" else _unescape(value.group(1)[1:-1])
            current[name.lower()] = _decode_data(value.group(2))
    return keys
