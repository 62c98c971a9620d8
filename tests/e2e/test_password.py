"""The system's password services, played by stand-in libraries that log every call: the check
before the saver may close (PASSWORD.CPL in the system directory, when ScreenSaveUsePassword
says a password is in use) and the change-password run (MPR.DLL)."""

import os
import shutil
import tempfile
import time
import unittest

import harness

CLOSE_WITHIN = 3.0
WINE_DLLS = "mscoree,mshtml="


class PasswordCheck(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.display = harness.Display(1024, 768).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.display.__exit__(None, None, None)

    def setUp(self):
        self.log = harness.temp_log()
        self.addCleanup(lambda: os.path.exists(self.log) and os.remove(self.log))
        self.addCleanup(harness.remove_use_password, self.display)

    def start(self, answer, saver_path=None, cwd=None, modal_ms=None):
        self.display.xdotool("mousemove", "500", "400")
        env = {"MR_FAKE_LOG": harness.windows_path(self.log), "MR_FAKE_ANSWER": str(answer)}
        if modal_ms is not None:
            env["MR_FAKE_MODAL_MS"] = str(modal_ms)
        saver = harness.Saver(self.display, ["/s"], saver=saver_path, cwd=cwd, extra_env=env)
        self.addCleanup(saver.stop)
        info = saver.wait_for_window()
        self.assertIsNotNone(info, "no saver window appeared")
        time.sleep(1.5)  # the first paint and the system's own mouse move
        return saver, info["HANDLE"][0]

    def press_key(self, saver):
        started = time.monotonic()
        self.display.xdotool("key", "space")
        closed = saver.exited_within(CLOSE_WITHIN)
        return closed, time.monotonic() - started

    def test_failed_check_keeps_it_running_and_resets_the_tolerance(self):
        harness.set_use_password(self.display, "REG_DWORD", 1)
        with harness.installed_system_library(harness.FAKE_PASSWORD_CPL, "password.cpl"):
            saver, handle = self.start(answer=0)
            closed, _ = self.press_key(saver)
            lines = harness.wait_for_lines(self.log, 1, 5)
            print(f"answer 0, key: running={not closed}, log {lines}, saver window {handle}")
            self.assertFalse(closed, "closed although the password was not verified")
            self.assertEqual(lines, [f"VerifyScreenSavePwd owner={handle} answer=0"])
            # The check set the tolerance back to three: two mouse events do nothing.
            for n, position in enumerate([("600", "450"), ("300", "200")], start=1):
                self.display.xdotool("mousemove", *position)
                time.sleep(1.0)
                self.assertEqual(len(harness.read_log(self.log)), 1,
                                 f"mouse event {n} after the failed check ran a check")
            self.assertTrue(saver.running())
            self.display.xdotool("click", "1")
            lines = harness.wait_for_lines(self.log, 2, 5)
            time.sleep(CLOSE_WITHIN)
            print(f"answer 0, three mouse events: log {lines}, running={saver.running()}")
            self.assertEqual(lines[1:], [f"VerifyScreenSavePwd owner={handle} answer=0"])
            self.assertTrue(saver.running(), "closed although the password was not verified")

    def test_a_dialog_with_its_own_message_loop(self):
        # The system's dialog runs a loop of its own for as long as the person types; the refresh
        # thread goes on meanwhile. The saver keeps painting inside that loop, and closes once
        # the check has passed.
        harness.set_use_password(self.display, "REG_DWORD", 1)
        with harness.installed_system_library(harness.FAKE_PASSWORD_CPL, "password.cpl"):
            saver, handle = self.start(answer=1, modal_ms=2000)
            started = time.monotonic()
            self.display.xdotool("key", "space")
            closed = saver.exited_within(2.0 + CLOSE_WITHIN)
            took = time.monotonic() - started
            lines = harness.read_log(self.log)
            print(f"modal check: closed={closed} {took:.2f} s after the key, exit code "
                  f"{saver.exit_code()}, log {lines}")
            self.assertTrue(closed, "the saver did not close after the dialog's loop")
            self.assertEqual(saver.exit_code(), 0)
            self.assertEqual(len(lines), 2, lines)
            loop = dict(part.split("=") for part in lines[0].split()[4:])
            self.assertGreaterEqual(int(loop["paints"]), 1, "no paint inside the dialog's loop")
            self.assertEqual(loop["validated"], "1", "a paint left its region invalid")
            self.assertEqual(lines[1], f"VerifyScreenSavePwd owner={handle} answer=1")

    def test_verified_password_closes_on_a_key(self):
        harness.set_use_password(self.display, "REG_DWORD", 1)
        with harness.installed_system_library(harness.FAKE_PASSWORD_CPL, "password.cpl"):
            saver, handle = self.start(answer=1)
            closed, took = self.press_key(saver)
            lines = harness.read_log(self.log)
            print(f"answer 1, key: closed={closed} after {took:.2f} s, exit code "
                  f"{saver.exit_code()}, log {lines}")
            self.assertTrue(closed, "a verified password did not close the saver")
            self.assertEqual(saver.exit_code(), 0)
            self.assertEqual(lines, [f"VerifyScreenSavePwd owner={handle} answer=1"])

    def test_a_library_in_the_saver_folder_is_never_loaded(self):
        harness.set_use_password(self.display, "REG_DWORD", 1)
        folder = tempfile.mkdtemp(prefix="mr-e2e-")
        self.addCleanup(shutil.rmtree, folder, True)
        saver_copy = os.path.join(folder, "memory-rhythms.scr")
        shutil.copyfile(harness.SAVER, saver_copy)
        shutil.copyfile(harness.FAKE_PASSWORD_CPL, os.path.join(folder, "password.cpl"))
        self.assertFalse(os.path.exists(os.path.join(harness.system_directory(), "password.cpl")))
        # Were the planted library loaded, it would refuse the password and log the call.
        saver, _ = self.start(answer=0, saver_path=saver_copy, cwd=folder)
        closed, took = self.press_key(saver)
        lines = harness.read_log(self.log)
        print(f"password.cpl beside the saver only: closed={closed} after {took:.2f} s, "
              f"exit code {saver.exit_code()}, log {lines}")
        self.assertTrue(closed)
        self.assertEqual(saver.exit_code(), 0)
        self.assertEqual(lines, [])

    def test_the_setting_decides_whether_the_check_is_made(self):
        # (type, data or None for no value, whether a password is in use)
        cases = [
            ("REG_DWORD", 0, False),
            ("REG_DWORD", 4294967295, False),   # -1
            (None, None, False),
            ("REG_SZ", "1", True),              # "1" and its terminator read as 49
            ("REG_SZ", "0", True),              # 48
            ("REG_SZ", "10", False),            # six bytes: longer than the value read
            ("REG_DWORD", 2, True),
        ]
        with harness.installed_system_library(harness.FAKE_PASSWORD_CPL, "password.cpl"):
            for value_type, data, in_use in cases:
                with self.subTest(value_type=value_type, data=data):
                    harness.remove_use_password(self.display)
                    if value_type:
                        harness.set_use_password(self.display, value_type, data)
                    if os.path.exists(self.log):
                        os.remove(self.log)
                    saver, handle = self.start(answer=0)
                    closed, took = self.press_key(saver)
                    lines = harness.wait_for_lines(self.log, 1, 2 if in_use else 0)
                    saver.stop()
                    print(f"ScreenSaveUsePassword {value_type} {data!r}: closed={closed} "
                          f"({took:.2f} s, exit code {saver.exit_code()}), log {lines}")
                    if in_use:
                        self.assertFalse(closed)
                        self.assertEqual(lines, [f"VerifyScreenSavePwd owner={handle} answer=0"])
                    else:
                        self.assertTrue(closed)
                        self.assertEqual(saver.exit_code(), 0)
                        self.assertEqual(lines, [])


class ChangePassword(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.display = harness.Display(800, 600).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.display.__exit__(None, None, None)

    def run_change(self, args, dll_overrides):
        log = harness.temp_log()
        self.addCleanup(lambda: os.path.exists(log) and os.remove(log))
        started = time.monotonic()
        saver = harness.Saver(self.display, ["/a", *args], extra_env={
            "MR_FAKE_LOG": harness.windows_path(log), "WINEDLLOVERRIDES": dll_overrides})
        self.addCleanup(saver.stop)
        shown = False
        while saver.running() and time.monotonic() < started + 20:
            shown = shown or self.display.saver_window_shown()
            time.sleep(0.1)
        ended = saver.exited_within(0.5)
        lines = harness.read_log(log)
        print(f"/a {' '.join(args)} ({dll_overrides}): ended={ended} exit code "
              f"{saver.exit_code()} after {time.monotonic() - started:.2f} s, window "
              f"shown={shown}, log {lines}")
        self.assertTrue(ended, "still running after 20 s")
        self.assertEqual(saver.exit_code(), 0)
        self.assertFalse(shown)
        return lines

    def test_the_system_dialog_is_asked_for(self):
        native = WINE_DLLS + ";mpr=n"
        with harness.installed_system_library(harness.FAKE_MPR, "mpr.dll"):
            for args, owner in [(["1234"], 1234), ([], 0), (["12x"], 12)]:
                with self.subTest(args=args):
                    lines = self.run_change(args, native)
                    self.assertEqual(lines, [f"PwdChangePasswordA key=53435253415645 "
                                             f"owner={owner} reserved=0,0"])

    def test_missing_library_or_function_shows_nothing(self):
        self.assertEqual(self.run_change(["1234"], WINE_DLLS + ";mpr="), [])
        # A library of that name without the function: the password stand-in.
        with harness.installed_system_library(harness.FAKE_PASSWORD_CPL, "mpr.dll"):
            self.assertEqual(self.run_change(["1234"], WINE_DLLS + ";mpr=n"), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
