"""scripts/run over stand-ins for cmake, Wine and Xvfb: it builds with the
jobs asked for, says at once why it cannot start, leaves no build, display
or editor running however it ends, returns only when the editor ended, and
leaves a Wine prefix of the user's own as it found it."""
import os
import signal
import subprocess
import time
import unittest

from stub_tools import StubbedTest, calls, is_running, make_stubs, recorded_pids, still_running, stub_environment

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
  # STUB_STEP=build: a build that runs a compiler until stopped.
  if [ "${STUB_STEP:-}" = build ]; then
    remember
    sleep 60 &
    : >"$log/pids/compiler.$!"
    : >"$log/step-running"
    wait
  fi
  mkdir -p "$build/app" "$build/tests"
  touch "$build/app/TrellanEditor.exe" "$build/tests/run_driver.exe"
fi
""",
    # STUB_EDITOR=runs keeps the editor open until the driver closes it;
    # =ends lets it end at once, as a program that failed to start;
    # =restarts ends it at once after starting it again, as a snapshot
    # restore does, and the new one, which Wine names by its Windows path,
    # runs two seconds. As Wine's, the editor goes on after a Ctrl-C.
    # STUB_STEP=editor: the step is the editor's run, or the run of the one
    # started again.
    "wine": """case "$1" in
  TrellanEditor.exe)
    echo "$DISPLAY" >"$log/editor-display"
    [ "$STUB_EDITOR" = ends ] && exit 1
    if [ "$STUB_EDITOR" = restarts ]; then
      setsid bash -c 'exec -a "Z:\\\\build\\\\run\\\\TrellanEditor.exe" bash "$0"' "$(dirname "$0")/restarted-editor" \\
        </dev/null >/dev/null 2>&1 &
      # As Wine's, the start returns once the new process runs.
      until compgen -G "$log/pids/restarted-editor.*" >/dev/null; do sleep 0.05; done
      exit 0
    fi
    remember
    echo $$ >"$log/editor.pid"
    [ "${STUB_STEP:-}" = editor ] && : >"$log/step-running"
    trap '' INT
    exec sleep 60 ;;
  *run_driver.exe)
    if [ "$2" = close ]; then kill "$(cat "$log/editor.pid")"; exit 0; fi
    if [ "$STUB_EDITOR" = runs ]; then echo "10 20 800 600"; exit 0; fi
    remember
    exec sleep 10 ;;
esac
""",
    "restarted-editor": """remember
[ "${STUB_STEP:-}" = editor ] && : >"$log/step-running"
sleep 2
: >"$log/restarted-editor-ended"
""",
    # STUB_STEP=prefix: a prefix's creation that, as Wine's, goes on after
    # a Ctrl-C.
    "wineboot": """if [ "${STUB_STEP:-}" = prefix ]; then
  remember
  : >"$log/step-running"
  trap '' INT
  sleep 10
fi
mkdir -p "$WINEPREFIX"
""",
    # -w waits while a program of the prefix runs, -k ends them: the
    # stubs', and those the prefix's file "programs" lists.
    "wineserver": """programs=("$log"/pids/*)
[ -f "$WINEPREFIX/programs" ] && mapfile -t -O "${#programs[@]}" programs <"$WINEPREFIX/programs"
for pid in "${programs[@]}"; do
  pid="${pid##*.}"
  if [ "$1" = -k ]; then kill "$pid" 2>/dev/null; fi
  if [ "$1" = -w ]; then
    while [ -e "/proc/$pid" ] && ! grep -q '^[^ ]* ([^)]*) Z' "/proc/$pid/stat"; do sleep 0.1; done
  fi
done
""",
    "xwininfo": '[ "${DISPLAY:-}" = :7 ]\n',
    # Writes its display number a digit at a time, as a loaded machine may.
    "Xvfb": """remember
sleep 0.3
printf 4 >&3 2>/dev/null
sleep 0.5
echo 2 >&3 2>/dev/null
exec sleep 60
""",
    "import": 'for last; do :; done; touch "$last"\n',
}


class RunTest(StubbedTest):
    STUBS = STUBS

    def setUp(self):
        super().setUp()
        self.build = os.path.join(self.scratch, "build")

    def environment(self, editor, **extra):
        return stub_environment(self.stubs, self.log, TR_BUILD_DIR=self.build, STUB_EDITOR=editor, **extra)

    def run_script(self, editor, **extra):
        started = time.monotonic()
        done = subprocess.run([SCRIPT], env=self.environment(editor, **extra), stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, text=True, timeout=60)
        return done, time.monotonic() - started

    def stop_during(self, step, stop, editor="runs", **extra):
        """Starts the script as from a terminal of its own, calls stop with
        it once the step runs, and returns its exit code and the seconds it
        took to end after."""
        run = subprocess.Popen([SCRIPT], env=self.environment(editor, STUB_STEP=step, **extra),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            deadline = time.monotonic() + 30
            while not os.path.exists(os.path.join(self.log, "step-running")):
                self.assertIsNone(run.poll(), "the script ended before the " + step)
                self.assertLess(time.monotonic(), deadline, "the %s never started" % step)
                time.sleep(0.1)
            stopped = time.monotonic()
            stop(run)
            code = run.wait(timeout=30)
            return code, time.monotonic() - stopped
        finally:
            if run.poll() is None:
                os.killpg(run.pid, signal.SIGKILL)
                run.wait()

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
        self.assertIn("rm -rf %s && scripts/run" % os.path.join(self.build, "run", "Database"), done.stdout,
                      "the user's league scripts stay")
        self.assertLess(seconds, 8)
        self.assertEqual(calls(self.log, "Xvfb"), [])
        self.assertFalse(any("TrellanEditor" in call for call in calls(self.log, "wine")))

    def test_the_advice_for_a_working_folder_without_a_database_pasted_removes_only_the_database(self):
        self.build = os.path.join(self.scratch, "my builds", "build")
        os.makedirs(os.path.join(self.build, "run", "Database"))
        # What the words of an unquoted path would name.
        mine = os.path.join(self.scratch, "my")
        os.makedirs(mine)
        checkout = os.path.join(self.scratch, "checkout")
        make_stubs(os.path.join(checkout, "scripts"), {"run": ': >"$STUB_LOG/run-again"\n'})
        done, _ = self.run_script("runs")
        self.assertNotEqual(done.returncode, 0)
        advice = [line for line in done.stdout.splitlines() if line.startswith("To start again")]
        self.assertEqual(len(advice), 1, done.stdout)
        pasted = subprocess.run(["bash", "-c", advice[0].split("stay): ", 1)[1]], cwd=checkout,
                                env=self.environment("runs"), timeout=30)
        self.assertEqual(pasted.returncode, 0)
        self.assertFalse(os.path.exists(os.path.join(self.build, "run", "Database")))
        self.assertTrue(os.path.isdir(os.path.join(self.build, "run", "Script")), "the user's league scripts stay")
        self.assertTrue(os.path.isdir(mine))
        self.assertTrue(os.path.exists(os.path.join(self.log, "run-again")))

    def test_a_prefix_of_the_users_own_keeps_its_programs_and_settings_however_the_script_ends(self):
        prefix = os.path.join(self.scratch, "user prefix")
        os.makedirs(prefix)
        notepad = subprocess.Popen(["sleep", "300"])
        self.addCleanup(notepad.wait)
        self.addCleanup(notepad.kill)
        # Editors of another run and of the user's own, with the same name.
        editors = [subprocess.Popen(["C:\\Trellan\\TrellanEditor.exe", "300"], executable="sleep", env=env)
                   for env in (dict(os.environ, TR_RUN_TAG="1 2"),
                               {name: value for name, value in os.environ.items() if name != "TR_RUN_TAG"})]
        for editor in editors:
            self.addCleanup(editor.wait)
            self.addCleanup(editor.kill)
        with open(os.path.join(prefix, "programs"), "w") as f:
            f.writelines("%d\n" % program.pid for program in [notepad] + editors)

        def empty_database():
            os.makedirs(os.path.join(self.build, "run", "Database"))
            return self.run_script("runs", WINEPREFIX=prefix)[0].returncode

        def ctrl_c_in_the_build():
            return self.stop_during("build", lambda run: os.killpg(run.pid, signal.SIGINT), WINEPREFIX=prefix)[0]

        ends = (("the empty-database advice", empty_database, 1),
                ("a Ctrl-C during the build", ctrl_c_in_the_build, 130),
                ("a run on a display", lambda: self.run_script("restarts", WINEPREFIX=prefix, DISPLAY=":7")[0]
                 .returncode, 0))
        for name, end, code in ends:
            with self.subTest(end=name):
                self.build = os.path.join(self.scratch, name, "build")
                self.assertEqual(end(), code)
                self.assertTrue(is_running(notepad.pid), "the user's program was ended")
                self.assertTrue(all(is_running(editor.pid) for editor in editors), "an editor not of this run was ended")
                self.assertEqual(still_running(self.log), [])
                self.assertEqual(calls(self.log, "wineboot"), [])
                self.assertFalse(any(call.startswith("reg ") for call in calls(self.log, "wine")))
                self.assertEqual(calls(self.log, "wineserver"), [])
                if os.path.exists(os.path.join(self.log, "step-running")):
                    os.remove(os.path.join(self.log, "step-running"))

    def test_with_a_display_a_stop_ends_the_editor_and_the_script(self):
        # The last stops the script while the editor started again runs, in a
        # prefix of the user's own, where no wineserver -k ends it.
        for editor, stop, code in (("runs", signal.SIGTERM, 143), ("runs", signal.SIGHUP, 129),
                                   ("runs", signal.SIGINT, 130), ("restarts", signal.SIGTERM, 143)):
            with self.subTest(editor=editor, stop=stop.name):
                os.makedirs(self.log, exist_ok=True)
                # Ctrl-C reaches the terminal's whole group, a signal the script.
                send = (lambda run: os.killpg(run.pid, stop)) if stop == signal.SIGINT else (
                    lambda run: os.kill(run.pid, stop))
                prefix = {"WINEPREFIX": self.scratch} if editor == "restarts" else {}
                exit_code, seconds = self.stop_during("editor", send, editor, DISPLAY=":7", **prefix)
                os.remove(os.path.join(self.log, "step-running"))
                self.assertEqual(exit_code, code)
                self.assertLess(seconds, 8)
                self.assertEqual(still_running(self.log), [])
                self.assertFalse(os.path.exists(os.path.join(self.log, "restarted-editor-ended")),
                                 "the editor started again outlived the script")

    def test_a_stop_during_the_build_ends_the_build_with_its_compilers(self):
        for stop, code in ((signal.SIGTERM, 143), (signal.SIGINT, 130)):
            with self.subTest(stop=stop.name):
                os.makedirs(self.log, exist_ok=True)
                exit_code, _ = self.stop_during("build", lambda run: os.kill(run.pid, stop))
                self.assertEqual(still_running(self.log), [])
                self.assertEqual(exit_code, code)
                os.remove(os.path.join(self.log, "step-running"))

    def test_a_ctrl_c_while_the_prefix_is_made_stops_the_script_before_the_editor(self):
        exit_code, seconds = self.stop_during("prefix", lambda run: os.killpg(run.pid, signal.SIGINT))
        self.assertEqual(exit_code, 130)
        self.assertLess(seconds, 8, "not after the prefix was made")
        self.assertEqual(still_running(self.log), [])
        self.assertFalse(any("TrellanEditor" in call for call in calls(self.log, "wine")))

    def test_a_start_reads_the_number_of_its_own_display_whole(self):
        os.makedirs(os.path.join(self.build, "run"))
        with open(os.path.join(self.build, "run", "display"), "w") as f:
            f.write("99\n")
        done, _ = self.run_script("runs")
        self.assertEqual(done.returncode, 0, done.stdout)
        with open(os.path.join(self.log, "editor-display")) as f:
            self.assertEqual(f.read(), ":42\n")

    def test_with_a_display_the_script_returns_when_the_editor_started_again_has_ended(self):
        done, seconds = self.run_script("restarts", DISPLAY=":7")
        self.assertEqual(done.returncode, 0, done.stdout)
        restarted = [pid for name, pid in recorded_pids(self.log).items() if name.startswith("restarted-editor.")]
        self.assertEqual(len(restarted), 1)
        self.assertFalse(is_running(restarted[0]), "the editor started again still runs")
        self.assertTrue(os.path.exists(os.path.join(self.log, "restarted-editor-ended")), "it was ended, not waited for")
        self.assertEqual(calls(self.log, "Xvfb"), [])


if __name__ == "__main__":
    unittest.main()
