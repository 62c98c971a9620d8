"""Drives the real screen saver under Wine for the end-to-end tests.

Each test gets a fresh virtual X display of the size it needs and a fresh Wine session on it
(the prefix's wineserver is ended before and after, so the desktop takes the new display's size).
Input is real X input through xdotool; screenshots are real X screenshots through ImageMagick.
"""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

# The Wine of the build's architecture, so that Wine's own programs (reg) see what the saver sees.
WINE = os.environ.get("MR_WINE", "wine")
SAVER = os.environ.get("MR_SAVER", "")
E2E_HOST = os.environ.get("MR_E2E_HOST", "")
FAKE_PASSWORD_CPL = os.environ.get("MR_FAKE_PASSWORD_CPL", "")
FAKE_MPR = os.environ.get("MR_FAKE_MPR", "")
SCENE_PROBE = os.environ.get("MR_SCENE_PROBE", "")


def wine_env(extra=None):
    env = dict(os.environ)
    env.setdefault("WINEDEBUG", "-all")
    env.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")
    if extra:
        env.update(extra)
    return env


def end_wine_session(env=None):
    subprocess.run(["wineserver", "-k"], env=env or wine_env(), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=30, check=False)
    subprocess.run(["wineserver", "-w"], env=env or wine_env(), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=30, check=False)


def is_64bit_program(path):
    """Whether the PE file is a 64-bit program: its optional header's magic is PE32+ (0x20B)."""
    with open(path, "rb") as program:
        header = program.read(4096)
    pe = int.from_bytes(header[0x3C:0x40], "little")
    return header[pe:pe + 4] == b"PE\0\0" and header[pe + 24:pe + 26] == b"\x0b\x02"


def system_directory():
    """Where the saver's GetSystemDirectoryW points inside the prefix: system32 for a 64-bit
    saver; for a 32-bit one, syswow64 of a 64-bit prefix, or system32 of a 32-bit prefix."""
    windows = os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows")
    wow = os.path.join(windows, "syswow64")
    if not is_64bit_program(SAVER) and os.path.isdir(wow):
        return wow
    return os.path.join(windows, "system32")


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


class Display:
    """An Xvfb display of the given size, with its own Wine session (extra_env, such as LANG,
    is the environment of every Wine process on it, so it shapes the session)."""

    def __init__(self, width, height, extra_env=None):
        self.width = width
        self.height = height
        self.extra_env = extra_env or {}
        self.number = None
        self.process = None

    def __enter__(self):
        number = 120
        while os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            number += 1
        self.number = number
        self.process = self.start_server(number)
        self.env = wine_env({"DISPLAY": f":{number}", **self.extra_env})
        deadline = time.monotonic() + 10
        while subprocess.run(["xdpyinfo"], env=self.env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL).returncode != 0:
            if time.monotonic() > deadline:
                raise RuntimeError("the X server did not start")
            time.sleep(0.05)
        self.set_up_screen()
        end_wine_session(self.env)
        return self

    def start_server(self, number):
        return subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", f"{self.width}x{self.height}x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def set_up_screen(self):
        pass

    def __exit__(self, *exc):
        end_wine_session(self.env)
        self.process.terminate()
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
        return False

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=10)

    def screenshot(self):
        raw = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"],
                             env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             check=True, timeout=30).stdout
        return Image(self.width, self.height, raw)

    def saver_window_shown(self):
        """Whether X shows a window of the saver's process (Wine names the X class after it)."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "memory-rhythms"],
                               env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               timeout=10, check=False).stdout
        return bool(found.strip())

    def save_png(self, path):
        subprocess.run(["import", "-silent", "-window", "root", path], env=self.env, check=True,
                       timeout=30)

    def wine(self, *args, extra_env=None, cwd=None):
        env = dict(self.env)
        if extra_env:
            env.update(extra_env)
        return subprocess.Popen([WINE, *args], env=env, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True, cwd=cwd,
                                start_new_session=True)

    def run_host(self, *args, timeout=60, extra_env=None):
        process = self.wine(E2E_HOST, *args, extra_env=extra_env)
        out, _ = process.communicate(timeout=timeout)
        return parse_facts(out)


class TwoMonitors(Display):
    """Two monitors side by side: the primary 1280x1024 at the origin, 800x600 to its right. Xvfb
    cannot: Wine takes the monitors from RandR, and Xvfb's Xinerama puts every screen at the
    origin. Xorg's dummy driver, given the outputs' modes through xrandr, can."""

    SECOND = (1280, 0, 2080, 600)
    CONF = ('Section "ServerFlags"\n Option "AutoAddDevices" "false"\n'
            ' Option "AutoAddGPU" "false"\nEndSection\n'
            'Section "Device"\n Identifier "d"\n Driver "dummy"\n VideoRam 256000\nEndSection\n'
            'Section "Monitor"\n Identifier "m"\n HorizSync 5.0 - 1000.0\n'
            ' VertRefresh 5.0 - 200.0\nEndSection\n'
            'Section "Screen"\n Identifier "s"\n Device "d"\n Monitor "m"\n DefaultDepth 24\n'
            ' SubSection "Display"\n  Depth 24\n  Virtual 3200 1200\n EndSubSection\nEndSection\n')
    XRANDR = ("--newmode 800x600_60 38.25 800 832 912 1024 600 603 607 624 -hsync +vsync",
              "--addmode DUMMY1 800x600_60",
              "--output DUMMY0 --mode 1280x1024 --pos 0x0 --output DUMMY1 --mode 800x600_60 "
              "--right-of DUMMY0",
              # A query probes the outputs anew. Without it the server's current configuration,
              # which Wine reads, still shows one monitor (seen under 64-bit Wine 8.0).
              "--query")

    def __init__(self):
        super().__init__(2080, 1024)
        self.folder = tempfile.mkdtemp(prefix="mr-xorg-")

    def start_server(self, number):
        config = os.path.join(self.folder, "xorg.conf")
        with open(config, "w", encoding="ascii") as out:
            out.write(self.CONF)
        return subprocess.Popen(["Xorg", f":{number}", "-noreset", "-nolisten", "tcp", "-config",
                                 config, "-logfile", os.path.join(self.folder, "xorg.log")],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def set_up_screen(self):
        for args in self.XRANDR:
            subprocess.run(["xrandr", *args.split()], env=self.env, check=True, timeout=30,
                           stdout=subprocess.DEVNULL)

    def __exit__(self, *exc):
        super().__exit__(*exc)
        shutil.rmtree(self.folder, ignore_errors=True)
        return False


class Image:
    def __init__(self, width, height, raw):
        assert len(raw) == width * height * 3, (len(raw), width, height)
        self.width = width
        self.height = height
        self.raw = raw

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.raw[i:i + 3])

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def count_where(self, box, predicate):
        left, top, right, bottom = box
        count = 0
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                if predicate(self.pixel(x, y)):
                    count += 1
        return count


def parse_facts(text):
    facts = {}
    for line in (text or "").splitlines():
        parts = line.strip().split()
        if parts:
            facts[parts[0]] = parts[1:]
    return facts


def wait_for_saver_window(display, timeout=30, alive=lambda: True):
    """The saver window's facts (e2e_host window-info) once it exists; None if it never does or
    the saver is gone first."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline and alive():
        facts = display.run_host("window-info")
        if facts.get("FOUND") == ["1"]:
            return facts
        time.sleep(0.2)
    return None


class HostRun:
    """A long-running e2e_host command, its "KEY value ..." lines read as they come."""

    def __init__(self, display, *args):
        self.process = display.wine(E2E_HOST, *args)
        self.facts = {}

    def read_until(self, key, timeout=60):
        deadline = time.monotonic() + timeout
        while key not in self.facts and time.monotonic() < deadline:
            line = self.process.stdout.readline()
            if not line:
                break
            parts = line.strip().split()
            if parts:
                self.facts[parts[0]] = parts[1:]
        return self.facts.get(key)

    def finish(self, last_key):
        self.read_until(last_key)
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:  # a host that hangs is ended; the test then fails
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(timeout=10)
        self.process.stdout.close()


class Saver:
    """One run of the saver: started with wine, ended by the test or by itself."""

    def __init__(self, display, args, extra_env=None, cwd=None, saver=None):
        self.display = display
        self.started = time.monotonic()
        self.process = display.wine(saver or SAVER, *args, extra_env=extra_env, cwd=cwd)

    def wait_for_window(self, timeout=30):
        return wait_for_saver_window(self.display, timeout, lambda: self.process.poll() is None)

    def exited_within(self, seconds):
        try:
            self.process.wait(timeout=seconds)
            return True
        except subprocess.TimeoutExpired:
            return False

    def running(self):
        return self.process.poll() is None

    def exit_code(self):
        return self.process.returncode

    def stop(self):
        if self.process.poll() is None:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(timeout=10)
        if self.process.stdout:
            self.process.stdout.close()


@contextlib.contextmanager
def installed_system_library(source, name):
    """Places a stand-in system library in the prefix's system directory for one test."""
    target = os.path.join(system_directory(), name)
    backup = None
    if os.path.exists(target):
        backup = target + ".e2e-backup"
        shutil.move(target, backup)
    shutil.copyfile(source, target)
    try:
        yield target
    finally:
        os.remove(target)
        if backup:
            shutil.move(backup, target)


def saver_processes():
    """The process ids of running savers of this build in any Wine session. Wine shows the
    program's path, as the Unix or the Windows path; other builds' savers, and other programs that
    merely name one (such as another build's test scripts), are left out."""
    found = subprocess.run(["pgrep", "-f", "memory-rhythms.scr"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True, timeout=10, check=False).stdout
    paths = (os.path.abspath(SAVER).lower(), windows_path(SAVER).lower())
    ours = []
    for pid in found.split():
        with contextlib.suppress(OSError):
            with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                text = cmdline.read().replace(b"\0", b" ").decode(errors="replace").lower()
            if any(path in text for path in paths):
                ours.append(pid)
    return ours


def read_log(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="ascii", errors="replace") as log:
        return [line.strip() for line in log if line.strip()]


def temp_log():
    handle, path = tempfile.mkstemp(prefix="mr-e2e-", suffix=".log")
    os.close(handle)
    os.remove(path)
    return path


def parse_fact_lists(text):
    """Like parse_facts, but keeps every line of a key, in order: {key: [[value, ...], ...]}."""
    facts = {}
    for line in (text or "").splitlines():
        parts = line.strip().split()
        if parts:
            facts.setdefault(parts[0], []).append(parts[1:])
    return facts


class Scene:
    """What scene_probe says about one moment: where each element must be, in screen pixels."""

    def __init__(self, text):
        facts = parse_fact_lists(text)
        if "GEOMETRY" not in facts:
            raise RuntimeError("scene_probe printed no geometry:\n" + (text or ""))
        self.geometry = [int(v) for v in facts["GEOMETRY"][0]]
        self.language = int(facts["LANGUAGE"][0][0])
        self.ring = tuple(int(v) for v in facts["RING"][0])
        self.dots = [(int(x), int(y)) for _, x, y in facts.get("DOT", [])]
        self.hand = tuple(int(v) for v in facts["HAND"][0])
        self.badges = [tuple(int(v) for v in b) for b in facts.get("BADGE", [])]
        self.figure = [tuple(int(v) for v in f) for f in facts.get("FIGURE", [])]
        self.covers = [tuple(int(v) for v in c) for c in facts.get("COVER", [])]
        self.texts = [tuple(int(v) for v in t) for t in facts.get("TEXT", [])]
        self.face = " ".join(facts.get("FACE", [[]])[0])
        self.dpi = int(facts["DPI"][0][0])

    def covered(self, x, y):
        return any(left <= x < right and top <= y < bottom
                   for left, top, right, bottom in self.covers)

    def text_centred_on(self, x, y):
        """The text box centred on (x, y) within a pixel: a badge's percentage."""
        for box in self.texts:
            left, top, right, bottom = box
            if abs((left + right) // 2 - x) <= 1 and abs((top + bottom) // 2 - y) <= 1:
                return box
        return None


def probe_scene(display, width, height, preview, moment, extra_env=None):
    """Runs scene_probe for the moment (a time.struct_time) in the display's Wine session."""
    process = display.wine(SCENE_PROBE, str(width), str(height), "1" if preview else "0",
                           str(moment.tm_year), str(moment.tm_mon), str(moment.tm_mday),
                           str(moment.tm_hour), str(moment.tm_min), extra_env=extra_env)
    out, _ = process.communicate(timeout=60)
    return Scene(out)


def settled_screenshot(display, margin=3, attempts=4):
    """A screenshot taken within one minute, away from its start (where the saver repaints):
    returns (image, moment). Waits for the next minute when the clock is too near a boundary."""
    for _ in range(attempts):
        before = time.localtime()
        if before.tm_sec < margin or before.tm_sec > 57:
            time.sleep((60 - before.tm_sec + margin) % 60 + 0.2)
            continue
        image = display.screenshot()
        after = time.localtime()
        if before[:5] == after[:5]:
            return image, before
    raise RuntimeError("no screenshot within a single minute")


DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def set_log_pixels(display, dpi):
    """Sets the display scale of the display's Wine session (96 is 100 %): every program started
    afterwards gets it as the system DPI, and nothing is stretched."""
    process = display.wine("reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD",
                           "/d", str(dpi), "/f")
    process.communicate(timeout=60)


def set_use_password(display, value_type, data):
    """Sets ScreenSaveUsePassword in the display's Wine session (value_type REG_DWORD, REG_SZ)."""
    process = display.wine("reg", "add", DESKTOP_KEY, "/v", "ScreenSaveUsePassword", "/t",
                           value_type, "/d", str(data), "/f")
    process.communicate(timeout=60)
    if process.returncode != 0:
        raise RuntimeError(f"reg add {value_type} {data} failed: {process.returncode}")


def remove_use_password(display):
    process = display.wine("reg", "delete", DESKTOP_KEY, "/v", "ScreenSaveUsePassword", "/f")
    process.communicate(timeout=60)


def wait_for_lines(path, count, timeout):
    """The log's lines once it has at least count of them, or what it has after timeout."""
    deadline = time.monotonic() + timeout
    lines = read_log(path)
    while len(lines) < count and time.monotonic() < deadline:
        time.sleep(0.1)
        lines = read_log(path)
    return lines
