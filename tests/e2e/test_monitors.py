"""Two monitors: the dial on the primary one, the background colour over the other, and the mouse
over the other counted as over the dial."""

import time
import unittest

import harness

PAINTED_WITHIN = 10


class Monitors(unittest.TestCase):

    def test_the_other_monitor_is_covered_and_its_mouse_counts(self):
        with harness.TwoMonitors() as display:
            # The session's desktop takes the monitors from X as it starts: wait for both.
            deadline = time.monotonic() + PAINTED_WITHIN
            while display.run_host("window-info").get("MONITORS") != ["2"]:
                self.assertLess(time.monotonic(), deadline, "Wine does not see two monitors")
                time.sleep(0.5)
            display.xdotool("mousemove", "1600", "300")
            saver = harness.Saver(display, ["/s"])
            self.addCleanup(saver.stop)
            facts = saver.wait_for_window()
            self.assertEqual((facts or {}).get("RECT"), ["0", "0", "1280", "1024"])
            left, top, right, bottom = harness.TwoMonitors.SECOND
            deadline = time.monotonic() + PAINTED_WITHIN
            while True:  # the dial's window is painted first, the other monitor's after it
                time.sleep(1.5)
                image = display.screenshot()
                covered = image.count_where(harness.TwoMonitors.SECOND, lambda p: p == (0, 0, 30))
                if covered == (right - left) * (bottom - top) or time.monotonic() > deadline:
                    break
            colours = {image.pixel(x, y) for x in range(0, 1280, 8) for y in range(0, 1024, 8)}
            print(f"two monitors: second {covered} of {(right - left) * (bottom - top)} pixels "
                  f"background; first {len(colours)} colours")
            self.assertEqual(covered, (right - left) * (bottom - top))
            self.assertGreater(len(colours), 8, "no dial on the primary monitor")
            # The move Wine makes up when the window appears under the pointer is at the
            # pointer's place and not counted: the person's third event there closes it.
            display.xdotool("mousemove", "1700", "400")
            display.xdotool("click", "1")
            time.sleep(1.5)
            self.assertTrue(saver.running(), "closed after two events")
            started = time.monotonic()
            display.xdotool("click", "3")
            saver.exited_within(3.0)
            print(f"over the second monitor: closed on the third event "
                  f"{time.monotonic() - started:.2f} s after it, exit code {saver.exit_code()}")
            self.assertFalse(saver.running(), "mouse events over the second monitor do not count")
            self.assertEqual(saver.exit_code(), 0)

if __name__ == "__main__":
    unittest.main(verbosity=2)
