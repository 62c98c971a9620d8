"""Command lines that ask for nothing the saver shows: each run ends by itself with exit code 0
and never puts a saver window on the screen."""

import time
import unittest

import harness


class QuietCommandLines(unittest.TestCase):
    """Arguments whose mode letter is no run mode, and a preview parent that is no window."""

    CASES = [
        ("/1", ["/1"]),                 # the second character is the mode letter: a digit
        ("-9x", ["-9x"]),
        ("7 (one character)", ["7"]),
        ("/p $7FFFFFF1", ["/p", "$7FFFFFF1"]),   # hexadecimal forms of a handle that is no window
        ("/p 0x7ffffff1", ["/p", "0x7ffffff1"]),
        ("/p X7FFFFFF1", ["/p", "X7FFFFFF1"]),
        ("/p x", ["/p", "x"]),          # a hexadecimal prefix without digits reads as 0
    ]

    def test_each_ends_at_once_without_a_window(self):
        with harness.Display(800, 600) as display:
            for name, args in self.CASES:
                with self.subTest(args=name):
                    started = time.monotonic()
                    saver = harness.Saver(display, args)
                    shown = False
                    deadline = started + 20
                    while saver.running() and time.monotonic() < deadline:
                        shown = shown or display.saver_window_shown()
                        time.sleep(0.1)
                    ended = saver.exited_within(0.5)
                    took = time.monotonic() - started
                    saver.stop()
                    print(f"{name}: ended={ended} exit code={saver.exit_code()} "
                          f"after {took:.2f} s (Wine start-up included), window shown={shown}")
                    self.assertTrue(ended, f"{name}: still running after 20 s")
                    self.assertEqual(saver.exit_code(), 0)
                    self.assertFalse(shown, f"{name}: a saver window appeared")


if __name__ == "__main__":
    unittest.main(verbosity=2)
