import time
import unittest

from harness import SCREEN_H, SCREEN_W, ReleaseCase

GREY, IDLE, PINK, WHITE = (128, 128, 128), (130, 130, 130), (255, 190, 190), (255, 255, 255)
CAPTIONS = {"install": (144, 435, 34, 15), ".nfo": (249, 435, 21, 15),
            ".diz": (347, 435, 19, 15), "quit": (446, 435, 21, 15)}


class Skin(ReleaseCase):
    def caption_pixels(self, shot, name, colour):
        x, y, w, h = CAPTIONS[name]
        ox, oy = self.origin
        return shot.count((ox + x, oy + y, w, h), lambda p: p == colour)

    def test_captions_hover_reset_viewer_and_quit(self):
        self.write("install.ini", "[FLAGS]\nTITLEMAIN=Skin Test\nNFOFILE=info/rel.nfo\n")
        self.write("info/rel.nfo", "NFO LINE ONE\r\nline two\nline three\rline four\n" + "#" * 60 + "\n")
        self.start()
        x, y, w, h = self.screen.geometry(self.main)
        self.assertEqual((x, y, w, h), ((SCREEN_W - 511) // 2, (SCREEN_H - 462) // 2, 511, 462))
        self.screen.save(f"{self.folder}/main.png")
        shot = self.screen.grab()
        # Letters blend into the black plate, so they hold no pixel lighter than
        # their own colour: a caption in grey 128 has no pixel of grey 130.
        for name in CAPTIONS:
            self.assertGreater(self.caption_pixels(shot, name, GREY), 5, name)
            self.assertEqual(self.caption_pixels(shot, name, IDLE), 0, name)

        # Onto ".diz": pink; then onto the picture: idle grey, never 128 again.
        self.screen.move(*self.at(356, 442))
        time.sleep(0.3)
        shot = self.screen.grab()
        self.assertGreater(self.caption_pixels(shot, ".diz", PINK), 5)
        self.assertGreater(self.caption_pixels(shot, "install", GREY), 5)
        self.screen.move(*self.at(250, 200))
        time.sleep(0.3)
        shot = self.screen.grab()
        for name in CAPTIONS:
            self.assertGreater(self.caption_pixels(shot, name, IDLE), 5, name)

        # ".nfo" opens the viewer with the file's text.
        self.screen.click(*self.at(259, 442))
        viewer = self.screen.wait_for_window("Reading rel.nfo..")
        time.sleep(0.5)
        vx, vy, vw, vh = self.screen.geometry(viewer)
        self.screen.save(f"{self.folder}/viewer.png")
        shot = self.screen.grab()
        navy = shot.count((vx + 20, vy + 60, 200, 100), lambda p: p == (0, 0, 128))
        text = shot.count((vx + 2, vy + 25, 300, 80), lambda p: min(p) > 200)
        self.assertGreater(navy, 1000)
        self.assertGreater(text, 50)
        # Escape closes it (keys go to the window under the pointer).
        self.screen.move(vx + vw // 2, vy + vh // 2)
        self.screen.key("Escape")
        self.screen.wait_for_window("Reading rel.nfo..", gone=True)
        # ".nfo" stays white after its window has closed, until the pointer
        # moves over the main window.
        time.sleep(0.3)
        self.assertGreater(self.caption_pixels(self.screen.grab(), ".nfo", WHITE), 5)

        self.screen.click(*self.at(456, 442))
        self.assertEqual(self.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
