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
    # The Windows tests run until stopped, one test with them, after one
    # that failed, unless STUB_CTEST=quick; the other builds' tests pass at
    # once.
    "ctest": """case " $* " in
  *" --resource-spec-file "*)
    echo "$TMPDIR" >"$log/ctest-temp-folder"
    ls "$log"/ready.* | wc -l >"$log/keepers-ready"
    if [ "${STUB_CTEST:-}" != quick ]; then
      remember
      echo "      Start  1: Broken.Test"
      echo "      Start  2: MainCommands.AHangingTest"
      echo "1/9 Test  #1: Broken.Test ......................***Failed    0.10 sec"
      sleep 60 &
      : >"$log/pids/test.$!"
      : >"$log/windows-tests-running"
      wait
    fi ;;
esac
echo "100% tests passed, 0 tests failed out of 1"
""",
    "wine": """case "$1" in
  *desktop_keeper.exe) remember; sleep "${STUB_KEEPER_DELAY:-0}"; : >"$log/ready.$$"; echo ready; exec sleep 60 ;;
esac
""",
    "wineboot": 'mkdir -p "$WINEPREFIX"\n',
    # A persistent server: a process of its own session, found as Wine
    # finds it, below the temporary folder it started with.
    "wineserver": """server="${TMPDIR:-/tmp}/$(printf %s "$WINEPREFIX" | tr / _).server"
case "$1" in
  -p*)
    echo "$TMPDIR" >>"$log/server-temp-folders"
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


def server_record(temp, prefix):
    """Where the wineserver stand-in started with temp keeps the prefix's server."""
    return os.path.join(temp, prefix.replace("/", "_") + ".server")


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
        self.groups = []

    def tearDown(self):
        for group in self.groups:
            try:
                os.killpg(group, signal.SIGKILL)
            except ProcessLookupError:
                pass
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

    def leftover_group(self):
        """A process group as a ctest that runs a test: the leader and the
        id of the test it started."""
        leader = subprocess.Popen(["bash", "-c", "sleep 60 & echo $!; wait"], stdout=subprocess.PIPE, text=True,
                                  start_new_session=True)
        self.leftovers.append(leader)
        test = int(leader.stdout.readline())
        leader.stdout.close()
        self.groups.append(leader.pid)
        return leader, test

    @staticmethod
    def running_after_a_while(processes):
        deadline = time.monotonic() + 3
        while any(is_running(pid) for pid in processes.values()) and time.monotonic() < deadline:
            time.sleep(0.1)
        return sorted(name for name, pid in processes.items() if is_running(pid))

    def wait_for_the_windows_tests(self, run):
        deadline = time.monotonic() + 60
        while not os.path.exists(os.path.join(self.log, "windows-tests-running")):
            self.assertIsNone(run.poll(), run.stdout.read() if run.poll() is not None else "")
            self.assertLess(time.monotonic(), deadline, "the Windows tests never started")
            time.sleep(0.1)

    def test_a_run_stopped_while_the_windows_tests_run_leaves_nothing_behind(self):
        run = self.start()
        try:
            self.wait_for_the_windows_tests(run)
            self.assertEqual(len(self.desk_folders()), 1)
            os.kill(run.pid, signal.SIGTERM)
            output, _ = run.communicate(timeout=20)
        finally:
            if run.poll() is None:
                os.killpg(run.pid, signal.SIGKILL)
                run.wait()
            run.stdout.close()
        self.assertEqual(run.returncode, 143)
        self.assertEqual(still_running(self.log), [])
        self.assertEqual(self.desk_folders(), [])
        self.assertIn("Broken.Test ......................***Failed", output, "the failures so far")
        self.assertIn("tests still running:\n  MainCommands.AHangingTest\n", output)

    # They start once every desk's keeper, slow as it may be, is ready.
    def test_the_windows_tests_reach_the_wineservers_of_their_desks(self):
        run = self.start(STUB_CTEST="quick", STUB_KEEPER_DELAY="5")
        output, _ = run.communicate(timeout=60)
        self.assertEqual(run.returncode, 0, output)
        with open(os.path.join(self.log, "ctest-temp-folder")) as f:
            tests_temp = f.read().splitlines()
        with open(os.path.join(self.log, "server-temp-folders")) as f:
            servers_temp = f.read().splitlines()
        self.assertGreaterEqual(len(servers_temp), 3, "the shared desk and one per window test")
        self.assertEqual(set(servers_temp), set(tests_temp))
        with open(os.path.join(self.log, "keepers-ready")) as f:
            self.assertEqual(int(f.read()), len(servers_temp))
        self.assertEqual(still_running(self.log), [])

    def test_the_next_run_ends_the_windows_tests_of_a_run_killed_outright(self):
        killed = self.start()
        try:
            self.wait_for_the_windows_tests(killed)
            os.kill(killed.pid, signal.SIGKILL)
            killed.wait()
        finally:
            killed.stdout.close()
        self.assertNotEqual(still_running(self.log, settle=0), [])
        run = self.start(STUB_CTEST="quick")
        output, _ = run.communicate(timeout=60)
        self.assertEqual(run.returncode, 0, output)
        self.assertIn("left by a test run that did not end", output)
        self.assertEqual(still_running(self.log), [])
        self.assertEqual(self.desk_folders(), [])

    def test_the_next_run_clears_away_only_what_a_dead_run_left(self):
        ended = subprocess.Popen(["true"])
        ended.wait()
        dead = os.path.join(self.temp, "trellan-wine.dead00")
        display = self.leftover()
        server = self.leftover()
        ctest, test = self.leftover_group()
        prefix = os.path.join(dead, "desk0", "prefix")
        os.makedirs(prefix)
        os.makedirs(os.path.join(dead, "tmp"))
        for path, text in ((os.path.join(dead, "owner"), "%d 1" % ended.pid),
                           (os.path.join(dead, "processes"), tag(display.pid)),
                           (os.path.join(dead, "ctest"), tag(ctest.pid)),
                           (server_record(os.path.join(dead, "tmp"), prefix), str(server.pid))):
            with open(path, "w") as f:
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
        left = {"display": display.pid, "wineserver": server.pid, "ctest": ctest.pid, "test": test}
        self.assertEqual(self.running_after_a_while(left), [], "of the dead run")
        self.assertEqual(still_running(self.log), [])


if __name__ == "__main__":
    unittest.main()
