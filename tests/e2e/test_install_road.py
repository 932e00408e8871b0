"""The whole road of an installation by real clicks and keys."""
import filecmp
import os
import random
import signal
import subprocess
import time
import unittest

from harness import ReleaseCase

ROW = 16  # item height of the folder list


def make_content(root):
    """A tree with sub-folders, an empty file, a non-ASCII name and enough
    data for extraction to take a visible moment."""
    rnd = random.Random(11)
    files = {
        "big/one.bin": rnd.randbytes(64 * 1024 * 1024),
        "big/two.bin": rnd.randbytes(64 * 1024 * 1024),
        "big/three.bin": rnd.randbytes(64 * 1024 * 1024),
        "docs/readme.txt": b"read me\r\n" * 50,
        "docs/Grüße/näme.txt": "grüße\n".encode() * 10,
        "empty.txt": b"",
    }
    for name, data in files.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    return sorted(files)


class InstallRoad(ReleaseCase):
    def setUp(self):
        super().setUp()
        self.content = os.path.join(self.folder, "content")
        self.names = make_content(self.content)
        subprocess.run(["rar", "a", "-ma5", "-m0", "-v80m", "-r", "-idq", "-y",
                        os.path.join(self.release, "data.rar"), "big", "docs", "empty.txt"],
                       cwd=self.content, check=True, stdout=subprocess.DEVNULL)
        self.target = os.path.join(self.folder, "target")
        os.makedirs(self.target)
        self.write("install.ini", "[FLAGS]\nTITLEMAIN=Road Test\nTITLESUB=three volumes\n"
                                  "SOURCE=data.part1.rar\nDEFAULTDIR=NewGame\n")

    # Places of the secondary windows relative to the main window.
    def selpath(self, x, y):
        return self.at(145 + x, 93 + y)

    def lower(self, x, y):
        return self.at(145 + x, 153 + y)

    def open_row(self, row):
        self.screen.click(*self.selpath(60, 64 + row * ROW + 8))
        self.screen.xdotool("click", "--repeat", "2", "--delay", "60", "1")
        time.sleep(0.3)

    def choose_target(self):
        """install, then open "target" below the start folder (the process's
        current folder): rows are /, tmp, the test folder, then its
        sub-folders content, release, target."""
        self.screen.click(*self.at(160, 442))
        self.screen.wait_for_window("Select installation directory..")
        time.sleep(0.3)
        depth = len([p for p in self.folder.split("/") if p])
        self.open_row(depth + 3)

    def snapshot_while_running(self, name):
        """Freezes the program for a moment to take a picture mid-way."""
        os.kill(self.proc.pid, signal.SIGSTOP)
        try:
            self.screen.save(os.path.join(self.folder, name))
            return self.screen.grab()
        finally:
            os.kill(self.proc.pid, signal.SIGCONT)

    def test_whole_road_with_new_folder(self):
        # Started in the C locale: non-ASCII names must still land as stored.
        self.start(LC_ALL="C", LANG="C")
        self.choose_target()
        self.screen.save(os.path.join(self.folder, "selpath.png"))
        # makedir: the new folder window, prefilled, takes a typed name.
        self.screen.click(*self.selpath(100, 284))
        self.screen.wait_for_window("Form5")
        time.sleep(0.2)
        self.screen.click(*self.lower(150, 58))
        self.screen.key("ctrl+a")
        self.screen.type("Fresh Game")
        self.screen.save(os.path.join(self.folder, "newfolder.png"))
        self.screen.click(*self.lower(38, 104))
        self.screen.wait_for_window("Form5", gone=True)
        time.sleep(0.3)
        fresh = os.path.join(self.target, "Fresh Game")
        self.assertTrue(os.path.isdir(fresh))
        self.screen.click(*self.selpath(38, 284))  # ok
        self.screen.wait_for_title("^Installing$")
        time.sleep(0.05)
        shot = self.snapshot_while_running("progress.png")
        ox, oy = self.lower(0, 0)
        # Entry name drawn in white after "Filename:", bar at its place.
        self.assertGreater(shot.count((ox + 69, oy + 44, 200, 15), lambda p: p == (255, 255, 255)), 10)
        self.screen.wait_for_window("Notify", timeout=60)
        time.sleep(0.3)
        self.screen.save(os.path.join(self.folder, "credits.png"))
        self.screen.click(*self.lower(290, 91))  # okie
        self.screen.wait_for_window("Notify", gone=True)

        for name in self.names:
            with self.subTest(name=name):
                self.assertTrue(filecmp.cmp(os.path.join(self.content, name),
                                            os.path.join(fresh, name), shallow=False))
        extracted = sorted(os.path.relpath(os.path.join(d, f), fresh)
                           for d, _, files in os.walk(fresh) for f in files)
        self.assertEqual(extracted, self.names)
        self.screen.move(*self.at(250, 200))
        self.screen.key("Escape")
        self.assertEqual(self.wait_exit(), 0)

    def test_abort_leaves_complete_entries_and_shows_credits(self):
        self.start()
        self.choose_target()
        self.screen.click(*self.selpath(38, 284))  # ok
        # Keys go to the window under the pointer: wait over the spot where the
        # progress window appears, and press Escape the moment it is up.
        self.screen.move(*self.lower(150, 30))
        self.screen.wait_for_title("^Installing$")
        os.kill(self.proc.pid, signal.SIGSTOP)
        try:
            self.screen.key("Escape")
        finally:
            os.kill(self.proc.pid, signal.SIGCONT)
        self.screen.wait_for_window("Notify", timeout=30)
        self.screen.click(*self.lower(290, 91))
        present = sorted(os.path.relpath(os.path.join(d, f), self.target)
                         for d, _, files in os.walk(self.target) for f in files)
        self.assertLess(len(present), len(self.names))
        for name in present:
            with self.subTest(name=name):
                self.assertTrue(filecmp.cmp(os.path.join(self.content, name),
                                            os.path.join(self.target, name), shallow=False))

    def dismiss_error_box(self, picture):
        """Waits for the "Error" box, keeps a picture of it, and presses its
        OK button with Enter (keys go to the window under the pointer)."""
        box = self.screen.wait_for_window("Error")
        time.sleep(0.3)
        self.screen.save(os.path.join(self.folder, picture))
        bx, by, bw, bh = self.screen.geometry(box)
        self.screen.move(bx + bw // 2, by + bh // 2)
        self.screen.key("Return")
        self.screen.wait_for_window("Error", gone=True)

    def test_missing_archive_then_missing_folder_messages(self):
        self.write("install.ini", "[FLAGS]\nSOURCE=absent.rar\n")
        self.start()
        self.choose_target()
        self.screen.click(*self.selpath(38, 284))
        self.dismiss_error_box("missing-archive.png")

        # No progress and no credits window after the message.
        names = [self.screen.window_name(w) for w in self.screen.visible_windows()]
        self.assertEqual(names, ["QVX-Installer v1.0"])
        self.screen.move(*self.at(250, 200))
        self.screen.key("Escape")
        self.assertEqual(self.wait_exit(), 0)

        # The folder vanishes between the selection and the check.
        self.write("install.ini", "[FLAGS]\nSOURCE=data.part1.rar\n")
        self.start()
        self.choose_target()
        os.rmdir(self.target)
        self.screen.click(*self.selpath(38, 284))
        self.dismiss_error_box("missing-folder.png")


if __name__ == "__main__":
    unittest.main()
