"""The harness's own verdict on the programs' failure trace, which every other
module relies on: a failure report that a test did not declare fails it."""

import unittest
from types import SimpleNamespace

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


class HarnessTest(unittest.TestCase):
    def test_a_failure_report_fails_the_test_unless_declared(self):
        self.assertEqual(failure_reports(WINE_LOG), [
            r"renderer: wglMakeCurrent: \x83t\x83@ (error 2000)",
            "shell: errors-suppressed step: x",
        ])
        case = WineTestCase()
        case._expected_failures = []
        case._started = [SimpleNamespace(name="ゼルヴェイン.scr",
                                         failure_reports=lambda: failure_reports(WINE_LOG))]
        case.expect_failures(r"^renderer: wglMakeCurrent")
        with self.assertRaises(AssertionError):
            case._check_failure_reports()
        case.expect_failures(r"errors-suppressed")
        case._check_failure_reports()
