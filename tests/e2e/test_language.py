"""The interface language follows the system locale of the Wine session: Russian for Russian,
Ukrainian and Belarusian, English otherwise. Seen on the screen: the extent of the gray title
and of a badge's name matches the box the program measures for that language (scene_probe,
run under the same locale) and not the other language's."""

import time
import unittest

import harness

WIDTH, HEIGHT = 1366, 768
BACKGROUND = (0, 0, 30)
ENGLISH, RUSSIAN = 0, 1
SLACK = 3   # a glyph's ink may stop short of its cell


def is_gray_text(p):
    return abs(p[0] - p[1]) < 10 and abs(p[1] - p[2]) < 10 and p[0] > 60


def extent(image, box, predicate):
    """Leftmost and rightmost column of the pixels inside box that satisfy predicate."""
    left, top, right, bottom = box
    columns = [x for x in range(max(left, 1), min(right, image.width - 1))
               if any(predicate(image.pixel(x, y)) for y in range(max(top, 1), bottom))]
    return (columns[0], columns[-1] + 1) if columns else None


class Language(unittest.TestCase):

    def observe(self, locale):
        env = {"LANG": locale, "LC_ALL": locale}
        with harness.Display(WIDTH, HEIGHT, extra_env=env) as display:
            saver = harness.Saver(display, ["/s"])
            try:
                self.assertIsNotNone(saver.wait_for_window(), f"{locale}: no saver window")
                time.sleep(2)
                image, moment = harness.settled_screenshot(display)
                scene = harness.probe_scene(display, WIDTH, HEIGHT, False, moment)
            finally:
                saver.stop()
        title = scene.texts[2]
        # Slot 0 stands left of the ring: its name ends 30 pixels left of the picture's centre,
        # and nothing else is drawn left of it on the name's rows.
        _, _, badge_x, _, _, _ = scene.badges[0]
        name = scene.texts[4]
        seen_title = extent(image, (1, title[1], WIDTH - 1, title[3]), is_gray_text)
        seen_name = extent(image, (1, name[1], badge_x - 24, name[3]),
                           lambda p: p != BACKGROUND)
        print(f"{locale}: language {scene.language}; title box {title[0]}..{title[2]}, seen "
              f"{seen_title}; badge name box {name[0]}..{name[2]}, seen {seen_name}")
        return scene.language, title, name, seen_title, seen_name

    def assert_matches(self, locale, box, seen, other, what):
        self.assertIsNotNone(seen, f"{locale}: no {what} on the screen")
        self.assertLessEqual(abs(seen[0] - box[0]), SLACK, f"{locale}: {what} starts elsewhere")
        self.assertLessEqual(abs(seen[1] - box[2]), SLACK, f"{locale}: {what} ends elsewhere")
        self.assertTrue(abs(seen[0] - other[0]) > SLACK or abs(seen[1] - other[2]) > SLACK,
                        f"{locale}: the {what} has the other language's extent")

    def test_locales(self):
        observed = {locale: self.observe(locale) for locale in
                    ["de_DE.UTF-8", "ru_RU.UTF-8", "uk_UA.UTF-8", "be_BY.UTF-8"]}
        english = observed["de_DE.UTF-8"]
        russian = observed["ru_RU.UTF-8"]
        self.assertEqual(english[0], ENGLISH)
        for locale, (language, title, name, seen_title, seen_name) in observed.items():
            with self.subTest(locale=locale):
                expected = ENGLISH if locale.startswith("de_") else RUSSIAN
                self.assertEqual(language, expected)
                other = russian if expected == ENGLISH else english
                self.assert_matches(locale, title, seen_title, other[1], "title")
                self.assert_matches(locale, name, seen_name, other[2], "badge name")


if __name__ == "__main__":
    unittest.main(verbosity=2)
