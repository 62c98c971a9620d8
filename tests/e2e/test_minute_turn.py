"""Left running across a minute boundary, the saver repaints for the new minute within about
two seconds of second 0 (the time caption and the hand move), and leaves the screen alone for
the rest of the minute."""

import time
import unittest

import harness

WIDTH, HEIGHT = 1920, 1080  # the hand's tip moves about a pixel a minute here
GRAY = (128, 128, 128)


def wait_until_second(target):
    """Sleeps until the wall clock shows second `target` (float) of a minute (the next one to
    come), and returns the time it woke at."""
    now = time.time()
    into = now % 60
    delay = (target - into) % 60
    time.sleep(delay + 0.02)  # a sleep may end a hair early
    return time.localtime()


def region(image, box):
    left, top, right, bottom = box
    return [image.pixel(x, y) for y in range(max(top, 0), min(bottom, image.height))
            for x in range(max(left, 0), min(right, image.width))]


class MinuteTurn(unittest.TestCase):

    def test_repaints_at_the_minute_only(self):
        with harness.Display(WIDTH, HEIGHT) as display:
            saver = harness.Saver(display, ["/s"])
            try:
                self.assertIsNotNone(saver.wait_for_window(), "no saver window")
                time.sleep(2)
                before_moment = wait_until_second(58.3)
                before = display.screenshot()
                after_moment = wait_until_second(2.3)
                after = display.screenshot()
                # Later in the same minute, away from its start: the screen does not change.
                first_moment = wait_until_second(6.0)
                first = display.screenshot()
                time.sleep(3)
                second = display.screenshot()
                second_moment = time.localtime()
                self.assertTrue(saver.running())
            finally:
                saver.stop()
            old = harness.probe_scene(display, WIDTH, HEIGHT, False, before_moment)
            new = harness.probe_scene(display, WIDTH, HEIGHT, False, after_moment)

        changed = sum(a != b for a, b in zip(first.raw, second.raw))
        print(f"screenshots at {time.strftime('%H:%M:%S', first_moment)} and "
              f"{time.strftime('%H:%M:%S', second_moment)}: {changed} bytes differ")
        self.assertEqual(first_moment[:5], second_moment[:5])
        self.assertEqual(changed, 0, "the screen changed within a minute")

        old_time, new_time = old.texts[-1], new.texts[-1]
        box = (min(old_time[0], new_time[0]), min(old_time[1], new_time[1]),
               max(old_time[2], new_time[2]), max(old_time[3], new_time[3]))
        differing = sum(a != b for a, b in zip(region(before, box), region(after, box)))
        hx, hy = new.hand
        tip = {after.pixel(hx + dx, hy + dy) for dx in range(-2, 3) for dy in range(-2, 3)}
        old_tip = {before.pixel(old.hand[0] + dx, old.hand[1] + dy)
                   for dx in range(-2, 3) for dy in range(-2, 3)}
        print(f"{time.strftime('%H:%M:%S', before_moment)} -> "
              f"{time.strftime('%H:%M:%S', after_moment)}: {differing} pixels of the time box "
              f"changed; hand tip {old.hand} -> {new.hand}, colours there after {tip}")
        self.assertNotEqual(before_moment[:5], after_moment[:5])
        self.assertEqual(old_tip, {GRAY}, "the hand's tip was not where the old minute puts it")
        self.assertGreater(differing, 20, "the time caption did not change at second 0")
        self.assertEqual(tip, {GRAY}, "no hand tip where the new minute puts it")


if __name__ == "__main__":
    unittest.main(verbosity=2)
