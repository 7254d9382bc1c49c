"""scripts/test over stand-ins for cmake, ctest, Wine and Xvfb: stopped by a
signal while the Windows tests run, it leaves no process and no temporary
folder behind, and the next run clears away what a killed run left, but
never the desks of a run still going."""
import os
import signal
import subprocess
import time
import unittest

from stub_tools import StubbedTest, is_running, stub_environment, still_running

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(ROOT, "scripts", "test")

STUBS = {
    "dpkg-query": 'echo "install ok installed"\n',
    "cmake": """previous=""
for argument in "$@"; do
  [ "$previous" = "-B" ] && mkdir -p "$argument"
  previous="$argument"
done
""",
    # The Windows tests run until stopped, one test with them, unless
    # STUB_CTEST=quick; the other builds' tests pass at once.
    "ctest": """case " $* " in
  *" --resource-spec-file "*)
    if [ "${STUB_CTEST:-}" != quick ]; then
      remember
      sleep 60 &
      : >"$log/pids/test.$!"
      : >"$log/windows-tests-running"
      wait
    fi ;;
esac
echo "100% tests passed, 0 tests failed out of 1"
""",
    "wine": """case "$1" in
  *desktop_keeper.exe) remember; exec sleep 60 ;;
esac
""",
    "wineboot": 'mkdir -p "$WINEPREFIX"\n',
    # A persistent server: a process of its own session, as Wine's.
    "wineserver": """server="$WINEPREFIX/.server"
case "$1" in
  -p*)
    setsid sleep 60 </dev/null >/dev/null 2>&1 &
    echo $! >"$server"
    : >"$log/pids/wineserver.$!" ;;
  -k) [ -f "$server" ] && kill "$(cat "$server")" 2>/dev/null ;;
esac
exit 0
""",
    "Xvfb": """remember
echo 99 >&3 2>/dev/null
exec sleep 60
""",
}


def tag(pid):
    """The process's id and start time, as the test command records them."""
    with open("/proc/%d/stat" % pid) as f:
        return "%d %s" % (pid, f.read().rsplit(")", 1)[1].split()[19])


class TestCommandTest(StubbedTest):
    STUBS = STUBS

    def setUp(self):
        super().setUp()
        self.temp = os.path.join(self.scratch, "tmp")
        self.build = os.path.join(self.scratch, "build")
        os.makedirs(self.temp)
        os.makedirs(os.path.join(self.build, "windows", "tests"))
        open(os.path.join(self.build, "windows", "tests", "desktop_keeper.exe"), "w").close()
        self.leftovers = []

    def tearDown(self):
        for process in self.leftovers:
            process.kill()
            process.wait()
        super().tearDown()

    def start(self, **extra):
        environment = stub_environment(self.stubs, self.log, TR_BUILD_DIR=self.build, TMPDIR=self.temp, **extra)
        return subprocess.Popen([SCRIPT], env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                text=True, start_new_session=True)

    def desk_folders(self):
        return sorted(name for name in os.listdir(self.temp) if name.startswith("trellan-wine."))

    def leftover(self):
        process = subprocess.Popen(["sleep", "60"])
        self.leftovers.append(process)
        return process

    def test_a_run_stopped_while_the_windows_tests_run_leaves_nothing_behind(self):
        run = self.start()
        try:
            deadline = time.monotonic() + 60
            while not os.path.exists(os.path.join(self.log, "windows-tests-running")):
                self.assertIsNone(run.poll(), run.stdout.read() if run.poll() is not None else "")
                self.assertLess(time.monotonic(), deadline, "the Windows tests never started")
                time.sleep(0.1)
            self.assertEqual(len(self.desk_folders()), 1)
            os.kill(run.pid, signal.SIGTERM)
            run.wait(timeout=20)
        finally:
            if run.poll() is None:
                os.killpg(run.pid, signal.SIGKILL)
                run.wait()
            run.stdout.close()
        self.assertNotEqual(run.returncode, 0)
        self.assertEqual(still_running(self.log), [])
        self.assertEqual(self.desk_folders(), [])

    def test_the_next_run_clears_away_only_what_a_dead_run_left(self):
        ended = subprocess.Popen(["true"])
        ended.wait()
        dead = os.path.join(self.temp, "trellan-wine.dead00")
        display = self.leftover()
        server = self.leftover()
        os.makedirs(os.path.join(dead, "desk0", "prefix"))
        for name, text in (("owner", "%d 1" % ended.pid), ("processes", tag(display.pid)),
                           (os.path.join("desk0", "prefix", ".server"), str(server.pid))):
            with open(os.path.join(dead, name), "w") as f:
                f.write(text + "\n")
        alive = os.path.join(self.temp, "trellan-wine.alive0")
        os.makedirs(alive)
        with open(os.path.join(alive, "owner"), "w") as f:
            f.write(tag(os.getpid()) + "\n")
        being_made = os.path.join(self.temp, "trellan-wine.young0")
        os.makedirs(being_made)
        run = self.start(STUB_CTEST="quick")
        output, _ = run.communicate(timeout=60)
        self.assertEqual(run.returncode, 0, output)
        self.assertIn("clearing away " + dead, output)
        self.assertEqual(self.desk_folders(), ["trellan-wine.alive0", "trellan-wine.young0"])
        deadline = time.monotonic() + 2
        while (is_running(display.pid) or is_running(server.pid)) and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertFalse(is_running(display.pid), "the dead run's display")
        self.assertFalse(is_running(server.pid), "the dead run's wineserver")
        self.assertEqual(still_running(self.log), [])


if __name__ == "__main__":
    unittest.main()
