"""The harness's own verdict on the programs' failure trace, which every other
module relies on: a failure report that a test did not declare fails it."""

import unittest

from harness import WineTestCase, failure_reports

# Lines as Wine 8 writes them with WINEDEBUG=warn+seh: only the programs' own
# debugger output counts, with or without its closing line break.
WINE_LOG = "\n".join([
    r'0024:warn:seh:OutputDebugStringA "Zelvane renderer: failure: wglMakeCurrent: '
    r'\x83t\x83@ (error 2000)\n"',
    r'0024:warn:seh:dispatch_exception "Zelvane renderer: failure: wglMakeCurrent\n"',
    r'0030:warn:seh:OutputDebugStringA "another program\n"',
    r'0030:warn:seh:OutputDebugStringA "Zelvane shell: failure: errors-suppressed step: x"',
])


class LoggedProcess:
    name = "ゼルヴェイン.scr"

    def failure_reports(self):
        return failure_reports(WINE_LOG)


class HarnessTest(unittest.TestCase):
    def test_a_failure_report_fails_the_test_unless_declared(self):
        self.assertEqual(failure_reports(WINE_LOG), [
            r"renderer: wglMakeCurrent: \x83t\x83@ (error 2000)",
            "shell: errors-suppressed step: x",
        ])
        for expected, fails in (((r"^renderer: wglMakeCurrent",), True),
                                ((r"^renderer: wglMakeCurrent", r"errors-suppressed"), False)):
            case = WineTestCase()
            case._started, case._expected_failures = [LoggedProcess()], []
            case.expect_failures(*expected)
            try:
                case._check_failure_reports()
            except AssertionError:
                self.assertTrue(fails, expected)
            else:
                self.assertFalse(fails, expected)
