"""Drives Tintwick under Wine on the test's Xvfb display, as a user would.

The session (DISPLAY, WINEPREFIX, a warm wineserver) comes from tools/wine/with-session.sh.
Every process started here is stopped by its own PID. Wine's output always goes to files, never
pipes: background Wine processes may hold a pipe open for ever.
"""
import os
import subprocess
import tempfile
import time


class Failure(Exception):
    pass


def wait_until(what, condition, timeout=10.0, interval=0.05):
    """Polls condition() until it returns something true; returns that or raises Failure."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(interval)


class Desktop:
    def __init__(self, exe, probe):
        self.exe = os.path.abspath(exe)
        self.probe_exe = os.path.abspath(probe)
        self.workdir = tempfile.mkdtemp(prefix="tintwick-e2e-")
        self.processes = []

    # --- processes -------------------------------------------------------------------------
    def start(self, args, cwd=None):
        log = open(os.path.join(self.workdir, f"proc{len(self.processes)}.log"), "wb")
        process = subprocess.Popen(["wine"] + [str(a) for a in args], stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, cwd=cwd or self.workdir)
        self.processes.append(process)
        return process

    def stop_all(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()
        self.processes.clear()

    def probe(self, *args, check=True):
        """Runs the probe once and returns its standard output."""
        with tempfile.TemporaryFile(dir=self.workdir) as out:
            code = subprocess.call(["wine", self.probe_exe] + [str(a) for a in args],
                                   stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL,
                                   timeout=30)
            out.seek(0)
            text = out.read().decode("latin-1").replace("\r\n", "\n")
        if check and code != 0:
            raise Failure(f"probe {args} failed ({code}): {text}")
        return text

    # --- the program -----------------------------------------------------------------------
    def start_tintwick(self, exe=None):
        exe = exe or self.exe
        process = self.start([exe], cwd=os.path.dirname(exe))
        return process

    def wait_for_frame(self):
        return wait_until("the Tintwick frame", lambda: self.window_info().get("visible") == "1", timeout=20)

    def window_info(self):
        text = self.probe("windowinfo", check=False)
        return dict(line.split("=", 1) for line in text.splitlines() if "=" in line)

    def fields(self):
        text = self.probe("fields")
        return dict(line.split("=", 1) for line in text.splitlines() if "=" in line)

    def wait_for_fields(self, what, **expected):
        def matches():
            current = self.fields()
            return current if all(current.get(k) == v for k, v in expected.items()) else None
        try:
            return wait_until(what, matches, timeout=10, interval=0.1)
        except Failure:
            raise Failure(f"{what}: expected {expected}, fields are {self.fields()}")

    def control_rect(self, control_id):
        text = self.probe("controlrect", control_id)
        return [int(v) for v in text.split("=", 1)[1].split(",")]

    def boxes(self):
        """Message boxes on screen, oldest first: (caption, owner caption, text) each."""
        text = self.probe("boxes")
        boxes = []
        for line in text.splitlines():
            parts = line.split("\t")
            if len(parts) == 4 and parts[0] == "box":
                boxes.append((parts[1], parts[2], parts[3].replace("\\n", "\n").replace("\\r", "\r")))
        return boxes

    def close_box(self):
        self.probe("closebox")

    def show_patch(self, x, y, w, h, color):
        process = self.start([self.probe_exe, "patch", x, y, w, h, color])
        time.sleep(0.1)
        wait_until(f"patch {color}", lambda: self.pixel_is_shown(process), timeout=15)
        time.sleep(0.3)  # let the patch paint
        return process

    def pixel_is_shown(self, process):
        log = os.path.join(self.workdir, f"proc{self.processes.index(process)}.log")
        return os.path.exists(log) and b"ready" in open(log, "rb").read()

    # --- X input ---------------------------------------------------------------------------
    def xdotool(self, *args):
        subprocess.check_call(["xdotool"] + [str(a) for a in args], stdin=subprocess.DEVNULL)

    def pointer(self):
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True).stdout
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"])

    def move_pointer(self, x, y):
        # --sync waits for the pointer to move, so it would wait for ever when it is there already.
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def focus_tintwick(self):
        self.probe("foreground")
        windows = subprocess.run(["xdotool", "search", "--name", "^Tintwick$"], capture_output=True,
                                 text=True).stdout.split()
        if not windows:
            raise Failure("no X window named Tintwick")
        for window in windows:
            subprocess.call(["xdotool", "windowfocus", "--sync", window], stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
        time.sleep(0.2)

    def press(self, *keys):
        """Presses the keys in order and releases them in reverse order, as real X key events,
        so that modifiers stay held across the release of the last key."""
        args = []
        for key in keys:
            args += ["keydown", key]
        for key in reversed(keys):
            args += ["keyup", key]
        self.xdotool(*args)

    # --- clipboard -------------------------------------------------------------------------
    def put_clipboard(self, text):
        process = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        process.stdin.write(text.encode())
        process.stdin.close()
        self.processes.append(process)
        wait_until("the sentinel on the clipboard", lambda: self.clipboard() == text, timeout=5)

    def clipboard(self):
        try:
            result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, timeout=5)
        except subprocess.TimeoutExpired:
            return None
        return result.stdout.decode("latin-1") if result.returncode == 0 else None

    def wait_for_clipboard_change(self, sentinel):
        return wait_until("the clipboard to change", lambda: (self.clipboard() or sentinel) != sentinel and
                          self.clipboard(), timeout=10)


class TestRun:
    """A tiny runner: each test is a function taking a Desktop; prints 'N passed, N failed'."""

    def __init__(self, argv):
        self.exe, self.probe = argv[1], argv[2]
        self.extra = argv[3:]
        self.passed = 0
        self.failed = 0

    def run(self, tests):
        for test in tests:
            desktop = Desktop(self.exe, self.probe)
            started = time.monotonic()
            try:
                test(desktop)
                self.passed += 1
                print(f"PASS {test.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
            except Exception as error:  # a failed check or a broken step alike
                self.failed += 1
                print(f"FAIL {test.__name__}: {error}", flush=True)
            finally:
                desktop.stop_all()
                time.sleep(0.3)
        print(f"{self.passed} passed, {self.failed} failed")
        return 0 if self.failed == 0 else 1


def expect_equal(what, actual, expected):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")
