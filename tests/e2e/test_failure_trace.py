"""The failure trace in Wine's log: the programs' failure reports are read from
it, and a test fails on the ones it did not declare. (Every test of the
product, a saver run with /s among them, fails on an unexpected report.)"""

import unittest

from harness import WineTestCase, failure_reports

# Lines as Wine 8 writes them with WINEDEBUG=warn+seh.
WINE_LOG = "\n".join([
    r'0024:warn:seh:OutputDebugStringA "Zelvane renderer: failure: wglMakeCurrent: '
    r'\x83t\x83@ (error 2000)\n"',
    r'0024:warn:seh:dispatch_exception "Zelvane renderer: failure: wglMakeCurrent\n"',
    r'0030:warn:seh:OutputDebugStringA "another program\n"',
    r'0030:warn:seh:OutputDebugStringA "Zelvane shell: failure: errors-suppressed step: x"',
])


class FakeProcess:
    name = "ゼルヴェイン.scr"

    def failure_reports(self):
        return failure_reports(WINE_LOG)


class FailureTraceTest(unittest.TestCase):
    def test_reports_are_read_from_the_programs_debugger_output_only(self):
        self.assertEqual(failure_reports(WINE_LOG), [
            r"renderer: wglMakeCurrent: \x83t\x83@ (error 2000)",
            "shell: errors-suppressed step: x",
        ])

    def test_a_report_the_test_did_not_expect_fails_it(self):
        for expected, fails in (((), True), ((r"^renderer: wglMakeCurrent",), True),
                                ((r"^renderer: wglMakeCurrent", r"errors-suppressed"), False)):
            case = WineTestCase()
            case._started, case._expected_failures = [FakeProcess()], []
            case.expect_failures(*expected)
            if fails:
                with self.assertRaises(AssertionError, msg=expected):
                    case._check_failure_reports()
            else:
                case._check_failure_reports()


if __name__ == "__main__":
    unittest.main()
