"""The preview run inside a host window, as the display settings run it: the saver's child
window covers the host's client area, shows only the background, ring and figure (the ring's
filled inside covers the background rectangle's border at this size),
ignores the mouse, and the process ends with exit code 0 when the host window goes away."""

import os
import signal
import time
import unittest

import harness

WIDTH, HEIGHT = 152, 112
BACKGROUND = (0, 0, 30)
HOST_WHITE = (255, 255, 255)


class Host(harness.HostRun):
    """e2e_host preview, read line by line while it runs."""

    def __init__(self, display, form, hold_ms):
        super().__init__(display, "preview", str(WIDTH), str(HEIGHT),
                         harness.windows_path(harness.SAVER), form, str(hold_ms))

    def finish(self):
        super().finish("EXIT")


class Preview(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.display = harness.Display(640, 480).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.display.__exit__(None, None, None)

    def run_preview(self, form, hold_ms, during=None):
        host = Host(self.display, form, hold_ms)
        try:
            self.assertIsNotNone(host.read_until("READY"), f"{form}: host not ready: {host.facts}")
            origin = tuple(int(v) for v in host.facts["CLIENT_ORIGIN"])
            self.assertEqual(host.facts.get("CHILD"), ["1"], f"{form}: no saver child window")
            expected = [origin[0], origin[1], origin[0] + WIDTH, origin[1] + HEIGHT]
            self.assertEqual([int(v) for v in host.facts["CHILD_RECT"]], expected,
                             f"{form}: the child does not cover the host's client area")
            # WS_CHILD, WS_VISIBLE and WS_DISABLED: the system gives it no input.
            self.assertEqual(host.facts.get("CHILD_STYLE"), ["0x58000000"], form)
            # Equal, the parent's unaware (0), the child's: a DPI-unaware host's awareness.
            self.assertEqual(host.facts.get("AWARENESS"), ["1", "0", "0"], form)
            if during:
                during(origin)
            alive = host.read_until("ALIVE")
            exit_facts = host.read_until("EXIT")
        finally:
            host.finish()
        print(f"/p in form {form}: CHILD_RECT {host.facts.get('CHILD_RECT')} "
              f"ALIVE {alive} EXIT (waited, code, ms) {exit_facts}")
        self.assertEqual(alive, ["1", "1"], f"{form}: the saver had gone before the host closed")
        self.assertIsNotNone(exit_facts)
        self.assertEqual(exit_facts[:2], ["1", "0"], f"{form}: did not end with exit code 0")
        self.assertLess(int(exit_facts[2]), 5000)

    def test_printed_forms_of_the_handle(self):
        # Hexadecimal, and the decimal forms of a 64-bit handle with its upper half set.
        for form in ["dollar", "x", "X", "0x", "0X", "unsigned64", "negative"]:
            with self.subTest(form=form):
                self.run_preview(form, 300)

    def test_scene_and_mouse(self):
        def during(origin):
            ox, oy = origin
            moment = time.localtime()
            image = self.display.screenshot()
            scene = harness.probe_scene(self.display, WIDTH, HEIGHT, True, moment)
            self.assertEqual(scene.covers, [], "the preview draws nothing after the figure")
            self.assertEqual(scene.texts, [], "the preview draws no text")
            host_white = image.count_where((ox, oy, ox + WIDTH, oy + HEIGHT),
                                           lambda p: p == HOST_WHITE)
            if host_white == WIDTH * HEIGHT:
                # Wine gives a child window of another process no X window of its own, and
                # what the saver draws into it never reaches the screen: the host's own white
                # stays. Then the child's placement, its life and its end are what shows.
                print("preview pixels: not observable under Wine (the host's client area "
                      f"stays white, {host_white} pixels); pixels not compared")
            else:
                self.check_pixels(image, scene, ox, oy)
            # Moves and clicks over the child: nothing may close it.
            for i in range(4):
                self.display.xdotool("mousemove", str(ox + 20 + 25 * i), str(oy + 30 + 15 * i))
                self.display.xdotool("click", "1")
                self.display.xdotool("click", "3")
            time.sleep(1.5)

        self.run_preview("dec", 7000, during)

    def test_the_preview_ends_when_its_host_process_dies(self):
        # No WM_DESTROY comes when the process that owns the parent is killed.
        host = Host(self.display, "dec", 60000)
        self.addCleanup(host.finish)
        self.assertIsNotNone(host.read_until("READY"), f"host not ready: {host.facts}")
        self.assertTrue(harness.saver_processes(), "no saver process")
        killed = time.monotonic()
        os.kill(host.process.pid, signal.SIGKILL)
        host.process.wait(timeout=10)
        while harness.saver_processes() and time.monotonic() - killed < 10:
            time.sleep(0.05)
        took = time.monotonic() - killed
        print(f"preview after its host was killed: gone after {took:.2f} s")
        # The refresh thread looks for the parent once a second (gone after 0.5 s here).
        self.assertLess(took, 2.0)

    def check_pixels(self, image, scene, ox, oy):
        inside = {}
        for x, y, r, g, b in scene.figure:
            if 0 <= x < WIDTH and 0 <= y < HEIGHT:
                inside[(x, y)] = (r, g, b)
        figure_match = sum(image.pixel(ox + x, oy + y) == c for (x, y), c in inside.items())
        # At this size the ring is drawn with a negative radius around (76, 56); its filled inside
        # covers the whole window, the background rectangle's black border included. Everything
        # but the figure is the background: no border, text, hour dot, hand or badge.
        stray = [(x, y) for y in range(HEIGHT) for x in range(WIDTH)
                 if (x, y) not in inside and image.pixel(ox + x, oy + y) != BACKGROUND]
        print(f"preview pixels: figure {figure_match}/{len(inside)} match, "
              f"{len(stray)} other pixels not background")
        self.assertEqual(figure_match, len(inside), "figure pixels differ")
        self.assertEqual(stray[:5], [], "pixels that are neither figure nor background")


if __name__ == "__main__":
    unittest.main(verbosity=2)
