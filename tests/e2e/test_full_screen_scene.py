"""The full-screen run at two screen sizes, and at 200 % display scale: a topmost window over the
whole desktop, and a screenshot that shows every element of the scene where the program's own layout
code (through scene_probe, for the moment of the screenshot) puts it, the rhythm figure pixel for
pixel."""

import math
import os
import struct
import time
import unittest

import harness

BACKGROUND = (0, 0, 30)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GRAY = (128, 128, 128)
WS_POPUP = 0x80000000
WS_EX_TOPMOST = 0x00000008


def is_gray_text(p):
    return abs(p[0] - p[1]) < 10 and abs(p[1] - p[2]) < 10 and p[0] > 60


def is_white_text(p):
    return min(p) > 200


def is_dark(p):
    return max(p) < 70


def rating_of_colour(p):
    """The rating picture's hue: 0 green (good), 1 yellow (normal), 2 red (bad)."""
    red, green, blue = p
    if green > 90 and red < 80 and blue < 80:
        return 0
    if red > 200 and green > 150:
        return 1
    if red > 140 and red - green > 80 and red - blue > 80:
        return 2
    return None


def ring_missing(image, scene, ring):
    """Where a ring (cx, cy, radius) is not white within a pixel, midway between the hour dots
    (points that something later covers are left out)."""
    cx, cy, radius = ring
    missing = []
    for k in range(24):
        angle = (k + 0.5) * math.pi / 12
        x = cx + round(math.cos(angle) * radius)
        y = cy + round(math.sin(angle) * radius)
        if scene.covered(x, y):
            continue
        near = [image.pixel(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
        if WHITE not in near:
            missing.append((x, y))
    return missing


class RatingPicture:
    """One of the 24-bit bottom-up bitmaps in resources/."""

    def __init__(self, name):
        path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources",
                            name + ".bmp")
        with open(path, "rb") as f:
            self.data = f.read()
        self.width, self.height = struct.unpack_from("<ii", self.data, 18)

    def pixel(self, x, y):
        row = (self.width * 3 + 3) // 4 * 4
        offset = 54 + (self.height - 1 - y) * row + 3 * x
        blue, green, red = self.data[offset:offset + 3]
        return red, green, blue


class FullScreenScene(unittest.TestCase):

    def check_size(self, width, height):
        with harness.Display(width, height) as display:
            saver = harness.Saver(display, ["/s"])
            try:
                info = saver.wait_for_window()
                self.assertIsNotNone(info, "no saver window appeared")
                self.check_window(info, width, height)
                time.sleep(2)  # the first paint
                image, moment = harness.settled_screenshot(display)
                scene = harness.probe_scene(display, width, height, False, moment)
                self.assertEqual(scene.face, "Tahoma", "the dial is not drawn in Tahoma")
                self.check_scene(image, scene, width, height, time.strftime("%H:%M", moment))
                display.xdotool("key", "space")
                self.assertTrue(saver.exited_within(10), "a key did not close the saver")
                self.assertEqual(saver.exit_code(), 0)
            finally:
                saver.stop()

    def check_window(self, info, width, height):
        style = int(info["STYLE"][0], 16)
        exstyle = int(info["EXSTYLE"][0], 16)
        print(f"{width}x{height}: window RECT {info['RECT']} DESKTOP {info['DESKTOP']} "
              f"STYLE {info['STYLE'][0]} EXSTYLE {info['EXSTYLE'][0]}")
        self.assertEqual(info["RECT"], ["0", "0", str(width), str(height)])
        self.assertEqual(info["DESKTOP"], info["RECT"])
        self.assertTrue(style & WS_POPUP, "not a pop-up window")
        self.assertTrue(exstyle & WS_EX_TOPMOST, "not topmost")
        self.assertEqual(info["VISIBLE"], ["1"])

    def check_scene(self, image, scene, width, height, clock):
        size = f"{width}x{height} at {clock}"
        # Border: the outermost rows and columns are black, the corners inside the background.
        border = [(x, 0) for x in range(width)] + [(x, height - 1) for x in range(width)]
        border += [(0, y) for y in range(height)] + [(width - 1, y) for y in range(height)]
        # (A long description line of a left-side badge may run over the left edge.)
        not_black = [p for p in border if image.pixel(*p) != BLACK and not scene.covered(*p)]
        self.assertEqual(not_black[:5], [], f"{size}: border pixels not black")
        for p in [(1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2),
                  (5, height // 2)]:
            self.assertEqual(image.pixel(*p), BACKGROUND, f"{size}: background at {p}")

        self.assertEqual(ring_missing(image, scene, scene.ring), [], f"{size}: ring not white there")

        # Hour dots: white discs, but where the hand's tip disc lies over one.
        hx, hy = scene.hand
        self.assertEqual(len(scene.dots), 24)
        for x, y in scene.dots:
            if abs(x - hx) <= 8 and abs(y - hy) <= 8:
                continue
            self.assertEqual(image.pixel(x, y), WHITE, f"{size}: hour dot at {(x, y)}")
        # The hand's tip: a gray disc ten pixels across.
        tip = [image.pixel(hx + dx, hy + dy) for dx in range(-2, 3) for dy in range(-2, 3)]
        self.assertEqual(set(tip), {GRAY}, f"{size}: hand tip at {(hx, hy)}")

        # Badges: the picture of the right rating at its centre, its percentage over it.
        self.assertEqual(len(scene.badges), 7)
        for slot, kind, x, y, activeness, rating in scene.badges:
            where = f"{size}: badge {slot} ({activeness}%) at {(x, y)}"
            self.assertEqual(image.pixel(x - 24, y - 24), BACKGROUND, where + ": margin")
            self.assertEqual(image.pixel(x + 23, y + 23), BACKGROUND, where + ": margin")
            hues = {rating_of_colour(image.pixel(x + dx, y + 15)) for dx in (-10, 0, 10)}
            self.assertEqual(hues, {rating}, where + ": picture of the wrong rating")
            box = scene.text_centred_on(x, y)
            self.assertIsNotNone(box, where + ": the probe has no percentage box")
            dark = image.count_where(box, is_dark)
            self.assertGreaterEqual(dark, 10, where + ": no percentage text")

        # Texts: gray title and subtitle, white date and time, where the probe measured them.
        hint, subtitle, title = scene.texts[0], scene.texts[1], scene.texts[2]
        date, clock_box = scene.texts[-2], scene.texts[-1]
        counts = {
            "close hint": image.count_where(hint, is_gray_text),
            "subtitle": image.count_where(subtitle, is_gray_text),
            "title": image.count_where(title, is_gray_text),
            "date": image.count_where(date, is_white_text),
            "time": image.count_where(clock_box, is_white_text),
        }
        for name, count in counts.items():
            self.assertGreaterEqual(count, 30, f"{size}: no {name} text ({count} pixels)")
        # Nothing gray above the title's box: the title is where the probe says.
        above = (title[0], title[1] - 15, title[2], title[1] - 1)
        self.assertEqual(image.count_where(above, is_gray_text), 0, f"{size}: title misplaced")

        # The rhythm figure, pixel for pixel, where nothing later covers it.
        compared = matched = 0
        mismatches = []
        for x, y, r, g, b in scene.figure:
            if scene.covered(x, y):
                continue
            compared += 1
            if image.pixel(x, y) == (r, g, b):
                matched += 1
            elif len(mismatches) < 5:
                mismatches.append(((x, y), (r, g, b), image.pixel(x, y)))
        share = matched / compared if compared else 0.0
        print(f"{size}: figure {matched}/{compared} uncovered pixels match "
              f"({100 * share:.2f} %, {len(scene.figure)} in all); text pixels {counts}")
        self.assertGreater(compared, 1000)
        self.assertEqual(mismatches, [], f"{size}: figure pixels differ (position, want, got)")

    def test_1920x1080(self):
        self.check_size(1920, 1080)

    def test_3840x2160_at_200_percent(self):
        """At 192 DPI the dial is that of 1920x1080 drawn natively at twice the size: the ring where
        twice the 96-DPI numbers put it, the title in Tahoma twice as wide, the rating pictures
        copied from their 96x96 versions."""
        with harness.Display(3840, 2160) as display:
            harness.set_log_pixels(display, 192)
            saver = harness.Saver(display, ["/s"])
            try:
                self.assertIsNotNone(saver.wait_for_window(), "no saver window appeared")
                time.sleep(3)  # the first paint
                image, moment = harness.settled_screenshot(display)
                scene = harness.probe_scene(display, 3840, 2160, False, moment)
                display.xdotool("key", "space")
                self.assertTrue(saver.exited_within(10), "a key did not close the saver")
            finally:
                saver.stop()
                harness.set_log_pixels(display, 96)
        self.assertEqual((scene.dpi, scene.face), (192, "Tahoma"))
        self.assertEqual(scene.ring, (2 * 960, 2 * 540, 2 * 310))
        self.assertEqual(ring_missing(image, scene, scene.ring), [], "ring not white there")
        self.assertGreater(len(ring_missing(image, scene, (960, 540, 310))), 20,
                           "a ring at the 96-DPI place")
        # The title at height 80: about twice the 851 pixels of the whole title at 40 in Tahoma
        # (hinted glyphs do not scale exactly: 1724 here), and its ink spans that box.
        title = scene.texts[2]
        print(f"200 %: title {title[2] - title[0]} pixels wide, ring {scene.ring}")
        self.assertAlmostEqual((title[2] - title[0]) / 851, 2, delta=0.04)
        self.assertEqual(title[1], 70)
        columns = [x for x in range(title[0], title[2])
                   if any(is_gray_text(image.pixel(x, y)) for y in range(title[1], title[3]))]
        self.assertGreater(columns[-1] - columns[0], 0.97 * (title[2] - title[0]))
        # Each picture is its 96x96 version, copied: the rows above its percentage match exactly.
        for slot, kind, x, y, activeness, rating in scene.badges:
            picture = RatingPicture(["good96", "normal96", "bad96"][rating])
            differ = [(dx, dy) for dy in range(0, 24) for dx in range(96)
                      if image.pixel(x - 48 + dx, y - 48 + dy) != picture.pixel(dx, dy)]
            self.assertEqual(differ[:5], [], f"badge {slot} ({activeness}%) at {(x, y)}")

    def test_1366x768(self):
        self.check_size(1366, 768)


if __name__ == "__main__":
    unittest.main(verbosity=2)
