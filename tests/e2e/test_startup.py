import time
import unittest

from harness import SCREEN_H, SCREEN_W, ReleaseCase


class StartUp(ReleaseCase):
    def test_without_install_ini_main_window_alone_centred_and_escape_ends(self):
        window = self.start()
        x, y, w, h = self.screen.geometry(window)
        self.assertEqual((w, h), (511, 462))
        self.assertEqual((x, y), ((SCREEN_W - 511) // 2, (SCREEN_H - 462) // 2))
        # Only the main window is up: no message, no other window of the set.
        self.assertEqual([self.screen.window_name(v) for v in self.screen.visible_windows()],
                         ["QVX-Installer v1.0"])
        # Both title lines are empty: no dark text pixels in the title area.
        shot = self.screen.grab()
        dark = shot.count((x + 115, y + 6, 300, 26), lambda p: max(p) < 60)
        self.assertEqual(dark, 0)
        # Keys go to the window under the pointer (no window manager runs).
        self.screen.move(*self.at(60, 300))
        self.screen.key("Escape")
        self.assertEqual(self.wait_exit(), 0)

    def test_title_lines_come_from_install_ini(self):
        self.write("install.ini", "[FLAGS]\nTITLEMAIN=Main Title Line\nTITLESUB=Sub Title Line\n")
        self.start()
        shot = self.screen.grab()
        x, y = self.origin
        self.assertGreater(shot.count((x + 115, y + 6, 120, 12), lambda p: max(p) < 60), 20)
        self.assertGreater(shot.count((x + 115, y + 18, 120, 12), lambda p: max(p) < 60), 20)
        self.screen.move(*self.at(60, 300))
        self.screen.key("shift+Escape")
        self.assertEqual(self.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
