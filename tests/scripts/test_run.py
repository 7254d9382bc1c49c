"""scripts/run without a display, over stand-ins for cmake, Wine and Xvfb:
it builds with the jobs asked for, says at once why it cannot start, and
leaves no display or editor running however the editor ends."""
import os
import subprocess
import time
import unittest

from stub_tools import StubbedTest, calls, still_running, stub_environment

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(ROOT, "scripts", "run")

STUBS = {
    "dpkg-query": 'echo "install ok installed"\n',
    "cmake": """build=""
previous=""
for argument in "$@"; do
  [ "$previous" = "--build" ] && build="$argument"
  previous="$argument"
done
echo "CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-}" >>"$log/cmake.calls"
if [ -n "$build" ]; then
  mkdir -p "$build/app" "$build/tests"
  touch "$build/app/TrellanEditor.exe" "$build/tests/run_driver.exe"
fi
""",
    # STUB_EDITOR=runs keeps the editor open until the driver closes it;
    # =ends lets it end at once, as a program that failed to start.
    "wine": """case "$1" in
  TrellanEditor.exe)
    [ "$STUB_EDITOR" = ends ] && exit 1
    remember
    echo $$ >"$log/editor.pid"
    exec sleep 60 ;;
  *run_driver.exe)
    if [ "$2" = close ]; then kill "$(cat "$log/editor.pid")"; exit 0; fi
    if [ "$STUB_EDITOR" = runs ]; then echo "10 20 800 600"; exit 0; fi
    remember
    exec sleep 10 ;;
esac
""",
    "wineboot": 'mkdir -p "$WINEPREFIX"\n',
    "wineserver": "",
    "xwininfo": "exit 1\n",
    "Xvfb": """remember
echo 99 >&3 2>/dev/null
exec sleep 60
""",
    "import": 'for last; do :; done; touch "$last"\n',
}


class RunTest(StubbedTest):
    STUBS = STUBS

    def setUp(self):
        super().setUp()
        self.build = os.path.join(self.scratch, "build")

    def run_script(self, editor, **extra):
        environment = stub_environment(self.stubs, self.log, TR_BUILD_DIR=self.build, STUB_EDITOR=editor, **extra)
        started = time.monotonic()
        done = subprocess.run([SCRIPT], env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              text=True, timeout=60)
        return done, time.monotonic() - started

    def test_a_run_takes_its_screenshot_with_the_jobs_asked_for_and_leaves_nothing_running(self):
        done, _ = self.run_script("runs", CMAKE_BUILD_PARALLEL_LEVEL="2")
        self.assertEqual(done.returncode, 0, done.stdout)
        self.assertIn("screenshot: " + os.path.join(self.build, "run", "screenshot.png"), done.stdout)
        builds = [call for call in calls(self.log, "cmake") if call.startswith("--build")]
        self.assertEqual(len(builds), 1)
        self.assertIn("-j 2 ", builds[0] + " ")
        self.assertEqual(still_running(self.log), [])

    def test_an_editor_that_ends_before_its_main_window_is_told_at_once_and_leaves_no_display(self):
        done, seconds = self.run_script("ends")
        self.assertEqual(still_running(self.log), [])
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("the editor ended before its main window appeared", done.stdout)
        self.assertLess(seconds, 8, "not after the driver's wait")

    def test_a_working_folder_without_a_database_is_told_before_anything_starts(self):
        os.makedirs(os.path.join(self.build, "run", "Database"))
        done, seconds = self.run_script("runs")
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("Database holds no database: Countries.sav is missing", done.stdout)
        self.assertIn("rm -rf", done.stdout)
        self.assertLess(seconds, 8)
        self.assertEqual(calls(self.log, "Xvfb"), [])
        self.assertFalse(any("TrellanEditor" in call for call in calls(self.log, "wine")))


if __name__ == "__main__":
    unittest.main()
