"""Stand-ins for the tools the build and run scripts call (cmake, ctest,
Wine, Xvfb, ...): small shell scripts first on PATH that write what they were
asked into a log folder and record the processes they leave running, so
that a test can see what a script did and what it left behind."""
import os
import shutil
import signal
import stat
import tempfile
import time
import unittest

# Every stub logs its arguments to LOG/NAME.calls; one that stays calls
# remember, which records its process id as LOG/pids/NAME.PID.
PREAMBLE = """#!/usr/bin/env bash
log="$STUB_LOG"
mkdir -p "$log/pids"
printf '%s\\n' "$*" >>"$log/$(basename "$0").calls"
remember() { : >"$log/pids/$(basename "$0").$$"; }
"""


def make_stubs(folder, stubs):
    """Writes each stub (name: body after the preamble) into folder."""
    os.makedirs(folder, exist_ok=True)
    for name, body in stubs.items():
        path = os.path.join(folder, name)
        with open(path, "w") as f:
            f.write(PREAMBLE + body)
        os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR | stat.S_IXGRP | stat.S_IXOTH)


def stub_environment(stubs, log, **extra):
    environment = dict(os.environ, PATH=stubs + os.pathsep + os.environ["PATH"], STUB_LOG=log)
    for inherited in ("DISPLAY", "WINEPREFIX", "CMAKE_BUILD_PARALLEL_LEVEL"):
        environment.pop(inherited, None)
    environment.update(extra)
    return environment


def calls(log, name):
    path = os.path.join(log, name + ".calls")
    if not os.path.exists(path):
        return []
    with open(path) as f:
        return f.read().splitlines()


def is_running(pid):
    """True while the process lives (a zombie waiting for its parent does not)."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except (FileNotFoundError, ProcessLookupError):
        return False


def recorded_pids(log):
    folder = os.path.join(log, "pids")
    if not os.path.isdir(folder):
        return {}
    return {name: int(name.rsplit(".", 1)[1]) for name in os.listdir(folder)}


def still_running(log, settle=2.0):
    """The recorded stubs that still run once settle seconds have passed."""
    deadline = time.monotonic() + settle
    while True:
        running = sorted(name for name, pid in recorded_pids(log).items() if is_running(pid))
        if not running or time.monotonic() > deadline:
            return running
        time.sleep(0.1)


def end_all(log):
    """Ends what a failed test left running, so that the next test starts clean."""
    for pid in recorded_pids(log).values():
        if is_running(pid):
            os.kill(pid, signal.SIGKILL)


class StubbedTest(unittest.TestCase):
    """A scratch folder with the class's STUBS in scratch/bin and their log
    in scratch/log; whatever a stub left running ends with the test."""
    STUBS = {}

    def setUp(self):
        self.scratch = tempfile.mkdtemp()
        self.stubs = os.path.join(self.scratch, "bin")
        self.log = os.path.join(self.scratch, "log")
        make_stubs(self.stubs, self.STUBS)

    def tearDown(self):
        end_all(self.log)
        shutil.rmtree(self.scratch)
