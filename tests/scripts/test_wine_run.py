"""scripts/wine-run over a stand-in for Wine: a test program's output goes
on as it comes, a start that printed nothing is tried again, and what the
program leaves holding its output holds no test and is named."""
import os
import subprocess
import time
import unittest

from stub_tools import StubbedTest, calls, end_all, is_running, recorded_pids, stub_environment

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(ROOT, "scripts", "wine-run")

# The first start prints nothing when STUB_SILENT_FIRST is set; a started
# program prints its first line and then hangs until it is ended. With
# STUB_LEAVE_CHILDREN, it passes and ends at once, leaving a child of its
# own and one named as Wine's desktop, both holding its output.
STUBS = {
    "wineboot": 'mkdir -p "$WINEPREFIX"\n',
    "wine": """if [ -n "${STUB_SILENT_FIRST:-}" ] && [ ! -e "$log/started" ]; then : >"$log/started"; exit 0; fi
if [ -n "${STUB_LEAVE_CHILDREN:-}" ]; then
  echo "[  PASSED  ] 1 test. (3 ms total)"
  sleep 30 &
  : >"$log/pids/child.$!"
  (exec -a 'C:\\windows\\system32\\explorer.exe' sleep 30) &
  : >"$log/pids/desktop.$!"
  exit 0
fi
remember
echo "[ RUN      ] MainCommands.AHangingTest"
exec sleep 30
""",
}


class WineRunTest(StubbedTest):
    STUBS = STUBS

    def setUp(self):
        super().setUp()
        prefix = os.path.join(self.scratch, "prefix")
        os.makedirs(prefix)
        open(os.path.join(prefix, ".trellan-ready"), "w").close()
        self.environment = stub_environment(self.stubs, self.log, WINEPREFIX=prefix, TMPDIR=self.scratch)

    def first_line(self, **extra):
        run = subprocess.Popen([SCRIPT, "tests.exe", "--gtest_filter=MainCommands.*"], stdout=subprocess.PIPE,
                               text=True, env=dict(self.environment, **extra))
        started = time.monotonic()
        line = run.stdout.readline()
        seconds = time.monotonic() - started
        self.assertIsNone(run.poll(), "the program still runs")
        end_all(self.log)
        run.wait()
        run.stdout.close()
        return line, seconds

    def test_a_hanging_test_shows_its_output_while_it_runs(self):
        line, seconds = self.first_line()
        self.assertEqual(line, "[ RUN      ] MainCommands.AHangingTest\n")
        self.assertLess(seconds, 10)

    def test_a_start_that_printed_nothing_is_tried_again(self):
        line, _ = self.first_line(STUB_SILENT_FIRST="1")
        self.assertIn("MainCommands.AHangingTest", line)
        self.assertEqual(len(calls(self.log, "wine")), 2)

    def test_children_left_holding_the_output_hold_no_test_and_are_named(self):
        run = subprocess.run([SCRIPT, "tests.exe", "--gtest_filter=MainCommands.APassingTest"], capture_output=True,
                             text=True, timeout=10, env=dict(self.environment, STUB_LEAVE_CHILDREN="1"))
        self.assertEqual(run.returncode, 0)
        pids = {name.split(".")[0]: pid for name, pid in recorded_pids(self.log).items()}
        held = "MainCommands.APassingTest was held after its program ended by process %d"
        self.assertIn(held % pids["child"] + " (sleep 30): ended", run.stderr)
        self.assertFalse(is_running(pids["child"]), "the test's own child ends with it")
        self.assertTrue(is_running(pids["desktop"]), "Wine's desktop serves the other tests")

    def test_a_desk_prefix_cleared_away_is_not_made_again(self):
        desks = os.path.join(self.scratch, "trellan-wine.abcdef")
        prefix = os.path.join(desks, "shared", "prefix")
        run = subprocess.run([SCRIPT, "tests.exe", "--gtest_list_tests"], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, text=True, timeout=30,
                             env=dict(self.environment, TR_WINE_DESKS=desks, WINEPREFIX=prefix))
        self.assertNotEqual(run.returncode, 0)
        self.assertIn(prefix + " is gone", run.stdout)
        self.assertFalse(os.path.exists(desks))
        self.assertEqual(calls(self.log, "wine") + calls(self.log, "wineboot"), [])


if __name__ == "__main__":
    unittest.main()
