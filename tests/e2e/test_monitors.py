"""Two monitors: the dial on the primary one, the background colour over the other, and the mouse
over the other counted as over the dial."""

import time
import unittest

import harness


class Monitors(unittest.TestCase):

    def test_the_other_monitor_is_covered_and_its_mouse_counts(self):
        with harness.TwoMonitors() as display:
            # Over the second monitor, the pointer gets the window's first counted move from Wine.
            display.xdotool("mousemove", "1600", "300")
            saver = harness.Saver(display, ["/s"])
            self.addCleanup(saver.stop)
            facts = saver.wait_for_window()
            self.assertEqual((facts or {}).get("RECT"), ["0", "0", "1280", "1024"])
            time.sleep(1.5)
            image = display.screenshot()
            left, top, right, bottom = harness.TwoMonitors.SECOND
            covered = image.count_where(harness.TwoMonitors.SECOND, lambda p: p == (0, 0, 30))
            colours = {image.pixel(x, y) for x in range(0, 1280, 8) for y in range(0, 1024, 8)}
            print(f"two monitors: second {covered} of {(right - left) * (bottom - top)} pixels "
                  f"background; first {len(colours)} colours")
            self.assertEqual(covered, (right - left) * (bottom - top))
            self.assertGreater(len(colours), 8, "no dial on the primary monitor")
            display.xdotool("mousemove", "1700", "400")
            time.sleep(1.5)
            self.assertTrue(saver.running(), "closed after the second event")
            started = time.monotonic()
            display.xdotool("click", "1")
            self.assertTrue(saver.exited_within(10), "the third event did not close it")
            print(f"third event over the second monitor: closed after "
                  f"{time.monotonic() - started:.2f} s, exit code {saver.exit_code()}")
            self.assertLess(time.monotonic() - started, 3.0)
            self.assertEqual(saver.exit_code(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
