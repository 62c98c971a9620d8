"""Two monitors: the dial on the primary one, the dial's background colour over the other, and
mouse events over the other counted as over the dial."""

import time
import unittest

import harness

BACKGROUND = (0, 0, 30)


class Monitors(unittest.TestCase):

    def test_the_other_monitor_is_covered_and_its_mouse_events_count(self):
        with harness.TwoMonitors() as display:
            # The pointer rests over the second monitor: the move Wine sends when a window
            # appears under it is the first of the three counted events there.
            display.xdotool("mousemove", "1600", "300")
            saver = harness.Saver(display, ["/s"])
            self.addCleanup(saver.stop)
            facts = saver.wait_for_window()
            self.assertIsNotNone(facts, "no saver window appeared")
            self.assertEqual(facts["RECT"], ["0", "0", "1280", "1024"], "the dial's window")
            time.sleep(1.5)
            image = display.screenshot()
            left, top, right, bottom = harness.TwoMonitors.SECOND
            covered = image.count_where(harness.TwoMonitors.SECOND, lambda p: p == BACKGROUND)
            dial_colours = {image.pixel(x, y) for x in range(0, 1280, 8) for y in range(0, 1024, 8)}
            print(f"two monitors: {covered} of {(right - left) * (bottom - top)} pixels of the "
                  f"second are the background; {len(dial_colours)} colours on the first")
            self.assertEqual(covered, (right - left) * (bottom - top))
            self.assertGreater(len(dial_colours), 8, "no dial on the primary monitor")

            display.xdotool("mousemove", "1700", "400")
            time.sleep(1.5)
            self.assertTrue(saver.running(), "closed after the second event")
            started = time.monotonic()
            display.xdotool("click", "1")
            closed = saver.exited_within(10)
            took = time.monotonic() - started
            print(f"third event on the second monitor: closed={closed} after {took:.2f} s, "
                  f"exit code {saver.exit_code()}")
            self.assertTrue(closed)
            self.assertLess(took, 3.0)
            self.assertEqual(saver.exit_code(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
