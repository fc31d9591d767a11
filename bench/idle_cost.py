#!/usr/bin/env python3
"""Idle cost: the processor time Velmora.exe takes under Wine with no controller,
set against a bare program that only waits on a 10 ms timer, armed again for each wait.

    bench/idle_cost.py [--build DIR] [--exe VELMORA.EXE] [--seconds S] [--rounds N] [--minimised]

Both programs run side by side in one Wine prefix (the end-to-end runner's,
with the fake devices and a scenario without pads) and are measured over the
same seconds: the time on the processor of each one's Linux process, read from
/proc before and after. Prints both times and their ratio for each round, and
beside them the same bare loop showing a plain window that never changes
(`bare-loop.exe SECONDS window`), set against the bare loop too: what Wine
costs any program for having a window on the waiting thread; and last that
windowed loop with a timer that comes round by itself, as Velmora's does
(`bare-loop.exe SECONDS window repeating`): the floor under Velmora.
The figures are what they are on the machine at that moment: other load
slows both programs alike but not exactly, so compare ratios of one run.
"""

import argparse
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "scripts"))
import e2e  # noqa: E402  (the prefix, the display and the tools of the end-to-end runner)

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


# The kernel's scheduler statistics count each thread's time on the processor
# in nanoseconds; the clock ticks of /proc/PID/stat are 10 ms, a tenth of what
# the bare loop takes in a second. One measure is chosen for the whole run.
SCHEDULER_STATISTICS = Path("/proc/self/schedstat").is_file()


def thread_nanoseconds(task):
    """0 for a thread that ended since its folder was listed."""
    try:
        return int((task / "schedstat").read_text().split()[0])
    except (FileNotFoundError, ProcessLookupError):
        return 0


def processor_seconds(pid):
    """Time on the processor of a process's threads, in seconds. A thread
    that ends between two readings takes its time with it; the idle programs
    measured here run one thread."""
    if SCHEDULER_STATISTICS:
        return sum(thread_nanoseconds(task) for task in Path(f"/proc/{pid}/task").iterdir()) / 1e9
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def prepare(env, folder, exe=None):
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    shutil.copy(exe or env.velmora_exe(), folder / "Velmora.exe")
    for tool in ("dinput8.dll", "xinput1_3.dll"):
        shutil.copy(env.tools / tool, folder)
    scenario = folder / "no-pads.scenario"
    scenario.write_text("# no controller at all\n")
    return scenario


def wait_for_window(env, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if env.window_open():
            return True
        time.sleep(0.2)
    return False


def measure(programs, seconds):
    before = {name: processor_seconds(p.pid) for name, p in programs.items()}
    time.sleep(seconds)
    return {name: processor_seconds(p.pid) - before[name] for name, p in programs.items()}


def run(env, args):
    folder = env.work / "idle-cost"
    scenario = prepare(env, folder, args.exe)
    wine_env = env.wine_env({"VELMORA_FAKE_SCENARIO": e2e.windows_path(scenario),
                             "VELMORA_FAKE_LOG": e2e.windows_path(folder / "devices.log")})
    velmora_args = ["/M"] if args.minimised else []
    velmora = subprocess.Popen(["wine", str(folder / "Velmora.exe")] + velmora_args, env=wine_env,
                               cwd=folder, **e2e.QUIET)
    # The bare loops run until they are ended (0 seconds), so that a slow start of
    # Velmora's window cannot make them end inside the last round.
    bare = subprocess.Popen(["wine", str(env.tools / "bare-loop.exe"), "0"], env=wine_env,
                            cwd=folder, **e2e.QUIET)
    windowed = subprocess.Popen(["wine", str(env.tools / "bare-loop.exe"), "0", "window"],
                                env=wine_env, cwd=folder, **e2e.QUIET)
    repeating = subprocess.Popen(["wine", str(env.tools / "bare-loop.exe"), "0", "window", "repeating"],
                                 env=wine_env, cwd=folder, **e2e.QUIET)
    try:
        if not wait_for_window(env):
            print("idle_cost: Velmora's window did not appear", file=sys.stderr)
            return 1
        time.sleep(args.settle)  # start-up and the window's first drawing are not idle
        state = subprocess.run(["wine", str(env.tools / "velmora-window.exe"), "state"], env=wine_env,
                               capture_output=True, text=True).stdout.strip()
        print(f"Velmora.exe {state}, no controller; {args.seconds} s per round; load {os.getloadavg()[0]:.2f}")
        print(f"{'round':>5} {'Velmora s':>10} {'bare loop s':>12} {'ratio':>6} {'with a window s':>16} {'ratio':>6}"
              f" {'and repeating s':>16} {'ratio':>6}")
        for number in range(1, args.rounds + 1):
            used = measure({"velmora": velmora, "bare": bare, "windowed": windowed, "repeating": repeating},
                           args.seconds)
            ratios = {name: used[name] / used["bare"] if used["bare"] > 0 else float("inf")
                      for name in ("velmora", "windowed", "repeating")}
            print(f"{number:>5} {used['velmora']:>10.3f} {used['bare']:>12.3f} {ratios['velmora']:>6.2f} "
                  f"{used['windowed']:>16.3f} {ratios['windowed']:>6.2f} "
                  f"{used['repeating']:>16.3f} {ratios['repeating']:>6.2f}", flush=True)
        print(f"load at the end {os.getloadavg()[0]:.2f}")
        return 0
    finally:
        subprocess.run(["wine", str(env.tools / "velmora-window.exe"), "close"], env=wine_env, **e2e.QUIET)
        for program in (bare, windowed, repeating):
            program.kill()
        for program in (velmora, bare, windowed, repeating):
            try:
                program.wait(timeout=20)
            except subprocess.TimeoutExpired:
                program.kill()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(e2e.ROOT / "build/windows"))
    parser.add_argument("--exe", help="another Velmora.exe to measure (an older build, say)")
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--settle", type=float, default=3)
    parser.add_argument("--minimised", action="store_true", help="start Velmora with /M")
    args = parser.parse_args()
    env = e2e.Environment(args.build)
    if not env.velmora_exe() or not (env.tools / "bare-loop.exe").is_file():
        print("idle_cost: build Velmora.exe and the end-to-end tools first", file=sys.stderr)
        return e2e.SKIP
    started_here = env.setup()
    try:
        return run(env, args)
    finally:
        if started_here:
            env.cleanup()


if __name__ == "__main__":
    sys.exit(main())
