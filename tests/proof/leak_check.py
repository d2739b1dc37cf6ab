#!/usr/bin/env python3
"""Plays one scripted game of the real program under valgrind's memcheck and fails on any
definitely lost block, or any memory error, outside what the suppressions name.

Usage: leak_check.py MORLUNE_EXECUTABLE PICTURES_DIR SUPPRESSIONS
The game is the end-to-end test's: started by keyboard, played with real clicks until the
game-over box, the box closed, and the program ended with Esc.
"""

import glob
import os
import re
import shutil
import stat
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import play_morlune  # noqa: E402


class PatientTime:
    """The time module, with every pause made longer."""

    def __getattr__(self, name):
        return getattr(time, name)

    def sleep(self, seconds):
        time.sleep(seconds * 4)


def main():
    executable, pictures_dir, suppressions = (os.path.abspath(arg) for arg in sys.argv[1:4])
    work_dir = tempfile.mkdtemp(prefix="morlune-leaks-")
    log = os.path.join(work_dir, "memcheck")
    # The end-to-end player starts whatever it is given: here, the program under memcheck.
    wrapper = os.path.join(work_dir, "morlune-under-memcheck")
    with open(wrapper, "w") as file:
        file.write("#!/bin/sh\nexec valgrind --tool=memcheck --leak-check=full "
                   "--errors-for-leak-kinds=definite --show-leak-kinds=definite "
                   "--error-exitcode=99 --num-callers=30 --suppressions=%s --log-file=%s.%%p.log %s\n"
                   % (suppressions, log, executable))
    os.chmod(wrapper, os.stat(wrapper).st_mode | stat.S_IEXEC)

    # Everything takes many times longer under memcheck: give every wait and pause more time.
    play_morlune.WHOLE_RUN_SECONDS = 600
    play_morlune.time = PatientTime()
    original_wait_for = play_morlune.wait_for

    def patient_wait_for(what, predicate, timeout=10.0, interval=0.05):
        return original_wait_for(what, predicate, timeout=timeout * 8, interval=interval)

    play_morlune.wait_for = patient_wait_for
    failed = None
    try:
        play_morlune.play(wrapper, pictures_dir, work_dir, None)
    except play_morlune.Failure as failure:
        failed = str(failure)

    # One log for each process memcheck saw.
    logs = sorted(glob.glob(log + ".*.log"))
    report = ""
    for path in logs:
        with open(path) as file:
            report += file.read()
    lost = re.findall(r"definitely lost: ([\d,]+) bytes in ([\d,]+) blocks", report)
    errors = [int(count) for count in re.findall(r"ERROR SUMMARY: (\d+) errors", report)]
    suppressed = re.findall(r"suppressed: ([\d,]+) bytes in ([\d,]+) blocks", report)
    print("memcheck: %d process(es); definitely lost: %s; suppressed: %s; errors: %s" % (
        len(logs), lost or "none", suppressed or "none", errors))
    if failed or not errors or any(errors):
        print(report[-20000:])
        print("FAILED: %s (logs in %s)" % (failed or "memcheck found errors", work_dir))
        return 1
    shutil.rmtree(work_dir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
