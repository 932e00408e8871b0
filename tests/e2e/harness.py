"""Drives the real program under Xvfb with real X input (xdotool) and reads
the screen back, as a person would see it."""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

BUILD = os.environ.get("QVX_BUILD_DIR", os.path.join(os.path.dirname(__file__), "..", "..", "build"))
PROGRAM = os.path.join(BUILD, "qvx-installer")
SCREEN_W, SCREEN_H = 1024, 768


class Screen:
    """One Xvfb server for a test case."""

    def __init__(self):
        # Xvfb picks a free display number itself and writes it to the pipe
        # once it accepts connections, so parallel tests never collide.
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24",
             "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {args} failed: {result.stderr}")
        return result.stdout.strip()

    def visible_windows(self):
        """Mapped windows with a name (the unnamed root window is left out)."""
        out = self.xdotool("search", "--onlyvisible", "--name", ".*", check=False)
        return [w for w in out.split() if w and self.window_name(w)]

    def window_name(self, window):
        return self.xdotool("getwindowname", window, check=False)

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def wait_for_window(self, name, timeout=10.0, gone=False):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = [w for w in self.visible_windows() if self.window_name(w) == name]
            if gone and not found:
                return None
            if found and not gone:
                return found[0]
            time.sleep(0.05)
        raise AssertionError(f"window {name!r} {'still there' if gone else 'did not appear'}")

    def wait_for_title(self, pattern, timeout=10.0):
        """Polls quickly (one xdotool call a turn) for a visible window whose
        name matches the pattern; for moments that pass fast."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            out = self.xdotool("search", "--onlyvisible", "--name", pattern, check=False)
            if out:
                return out.split()[0]
            time.sleep(0.005)
        raise AssertionError(f"no window matching {pattern!r}")

    def move(self, x, y):
        self.xdotool("mousemove", str(x), str(y))

    def click(self, x, y, button=1):
        self.xdotool("mousemove", str(x), str(y))
        time.sleep(0.05)
        self.xdotool("click", str(button))

    def key(self, *keys):
        self.xdotool("key", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)

    def grab(self):
        """The whole screen as an RGB image (width, height, bytes)."""
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                              env=self.env(), capture_output=True, check=True).stdout
        return Image(SCREEN_W, SCREEN_H, data)

    def save(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env(), check=True)

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()


class Image:
    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def count(self, rect, predicate):
        x0, y0, w, h = rect
        return sum(1 for y in range(y0, y0 + h) for x in range(x0, x0 + w) if predicate(self.pixel(x, y)))


class ReleaseCase(unittest.TestCase):
    """A test case with its own X screen and a release folder holding a copy
    of the real program."""

    def setUp(self):
        self.screen = Screen()
        self.folder = tempfile.mkdtemp(prefix="qvx-e2e-")
        self.release = os.path.join(self.folder, "release")
        os.makedirs(self.release)
        shutil.copy(PROGRAM, self.release)
        self.proc = None

    def tearDown(self):
        if self.proc is not None and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.screen.close()
        if os.environ.get("QVX_KEEP_E2E"):
            print("kept", self.folder)
        else:
            shutil.rmtree(self.folder, ignore_errors=True)

    def write(self, name, data):
        path = os.path.join(self.release, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data if isinstance(data, bytes) else data.encode())
        return path

    def start(self, **env):
        """Starts the program from the test folder (its current directory),
        with extra environment variables if given."""
        self.log = open(os.path.join(self.folder, "program.log"), "ab")
        self.proc = subprocess.Popen([os.path.join(self.release, "qvx-installer")], cwd=self.folder,
                                     env={**self.screen.env(), **env}, stdout=self.log, stderr=self.log)
        try:
            self.main = self.screen.wait_for_window("QVX-Installer v1.0")
        except AssertionError:
            with open(os.path.join(self.folder, "program.log"), "rb") as f:
                raise AssertionError(f"main window did not appear; exit {self.proc.poll()}; "
                                     f"output {f.read()[-2000:]!r}")
        # Let the first paint land before anyone looks.
        time.sleep(0.3)
        self.origin = self.screen.geometry(self.main)[:2]
        return self.main

    def at(self, x, y):
        """Screen position of a point of the main window's client area."""
        return self.origin[0] + x, self.origin[1] + y

    def wait_exit(self, timeout=10):
        return self.proc.wait(timeout)
