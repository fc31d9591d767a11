#!/usr/bin/env python3
"""End-to-end runner: the real Velmora.exe under Wine, with fake controllers.

    e2e.py [--build DIR] setup            virtual display, Wine prefix, Wine server
    e2e.py [--build DIR] run SCENARIO...  play scenarios (sets up and cleans up when needed)
    e2e.py [--build DIR] probe            the fake devices on their own, read by fake-probe.exe
    e2e.py [--build DIR] all              setup, probe, every scenario, cleanup, figures
    e2e.py [--build DIR] cleanup          stop what setup started
    e2e.py [--build DIR] demo             the demonstration of scripts/run.sh (prints keys live)
    e2e.py [--build DIR] gui [CHECK...|module:NAME...]   the main window and the settings windows driven
                                          as a user would (e2e_gui.py; NAME: main or scripts/gui_windows/NAME)

Builds nothing: it takes Velmora.exe and the tools from the Windows build
(build/windows). Scenario and trace formats: tests/e2e/README.md.
Exit status: 0 passed, 1 failed, 77 skipped (no Velmora.exe yet).
"""

import argparse
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SKIP = 77
# The virtual display's size, width x height x depth.
SCREEN = "1024x768x24"
# Never a pipe for a Wine program's output: a Wine server started on the way
# keeps the pipe open, and reading it to its end would wait for minutes.
QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
PROBE_SCENARIO = ROOT / "tests/e2e/fakes/probe.scenario"
PROBE_EXPECTED = ROOT / "tests/e2e/fakes/probe.expected"


def windows_path(path):
    """Wine sees the Linux file system as drive Z:."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


class Environment:
    """The e2e prefix, display and tools of one Windows build folder."""

    def __init__(self, build, variant="", screen=None):
        """A variant (a prefix at another dpi) has a prefix, a folder and, given a screen size
        ("1280x1024x24"), a virtual display of its own."""
        self.build = Path(build).resolve()
        self.tools = self.build / "e2e-tools"
        suffix = f"-{variant}" if variant else ""
        self.work = self.build / f"e2e{suffix}"
        self.prefix = self.build / f"e2e-prefix{suffix}"
        self.screen = screen
        self.state_file = self.work / "state.json"

    def state(self):
        try:
            return json.loads(self.state_file.read_text())
        except (OSError, ValueError):
            return {}

    def wine_env(self, extra=None):
        env = dict(os.environ)
        env.update(WINEPREFIX=str(self.prefix), WINEDEBUG="-all", WINEARCH="win64",
                   WINEDLLOVERRIDES="dinput8,xinput1_3=n;mscoree,mshtml=")
        display = self.state().get("display")
        if display:
            env["DISPLAY"] = display
        env.update(extra or {})
        return env

    def velmora_exe(self):
        for candidate in (self.build / "Velmora.exe", self.build / "bin/Velmora.exe"):
            if candidate.is_file():
                return candidate
        found = [p for p in self.build.rglob("Velmora.exe") if self.work not in p.parents]
        return found[0] if found else None

    def window_open(self):
        """A Velmora window left over from an earlier run would take the new one's command line."""
        probe = subprocess.run(["wine", str(self.tools / "velmora-window.exe"), "find"], env=self.wine_env(),
                               **QUIET)
        return probe.returncode == 0

    def setup(self):
        self.work.mkdir(parents=True, exist_ok=True)
        state = self.state()
        if state.get("ready"):
            return False
        state = {"ready": True}
        if self.screen or not os.environ.get("DISPLAY"):
            state.update(start_xvfb(self.screen or SCREEN))
        self.state_file.write_text(json.dumps(state))
        env = self.wine_env()
        if not (self.prefix / "system.reg").exists():
            self.prefix.mkdir(parents=True, exist_ok=True)
            subprocess.run(["wine", "wineboot", "-i"], env=env, **QUIET)
            subprocess.run(["wineserver", "-w"], env=env)
            fonts = self.prefix / "drive_c/windows/Fonts"
            for font in Path("/usr/share/wine/fonts").glob("tahoma*.ttf"):
                shutil.copy(font, fonts)
        subprocess.run(["wineserver", "-p", "600"], env=env, **QUIET)
        # A crash (the crash scenario's) writes Wine's backtrace to the program's output and ends the
        # process, instead of waiting on a crash dialog that nobody answers.
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
                        "/t", "REG_DWORD", "/d", "0", "/f"], env=env, **QUIET)
        return True

    def cleanup(self):
        state = self.state()
        subprocess.run(["wineserver", "-k"], env=self.wine_env(), **QUIET)
        pid = state.get("xvfb_pid")
        if pid:
            try:
                os.kill(pid, 15)
            except OSError:
                pass
        self.state_file.unlink(missing_ok=True)


def start_xvfb(screen):
    """A virtual display of its own; its number comes back through -displayfd."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen,
                                "-nolisten", "tcp"], pass_fds=(write_end,), stdin=subprocess.DEVNULL, **QUIET,
                               start_new_session=True)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                break
            number += chunk
    return {"display": ":" + number.decode().strip(), "xvfb_pid": process.pid}


# ---------------------------------------------------------------- scenarios

class ScenarioFile:
    """The runner's lines of a scenario: profiles, files, options, expectations."""

    def __init__(self, path):
        self.path = Path(path).resolve()
        self.name = self.path.stem
        self.profiles, self.files, self.expect_events, self.expect_rumble = [], [], [], []
        self.expect_balloons = []
        self.options = {"timeout": "40"}
        for number, raw in enumerate(self.path.read_text().splitlines(), 1):
            words = raw.split("#", 1)[0].split()
            if not words:
                continue
            if words[0] == "end":
                break
            rest = words[1:]
            if words[0] == "profile":
                self.profiles.append(rest[0])
            elif words[0] == "file":
                self.files.append(rest[0])
            elif words[0] == "option":
                key, _, value = rest[0].partition("=")
                self.options[key] = value
            elif words[0] == "expect":
                target = {"rumble": self.expect_rumble, "balloon": self.expect_balloons}.get(
                    rest[0] if rest else "", self.expect_events)
                target.append((number, rest))

    def source(self, name):
        return self.path.parent / name


def events_of(lines):
    """(time_us, words) of every event line of a trace or a log."""
    result = []
    for line in lines:
        if not line.strip() or line.startswith("#"):
            continue
        stamp, _, text = line.partition(" ")
        try:
            result.append((int(stamp), text.split()))
        except ValueError:
            continue
    return result


# A key held on a pad repeats its key down after 50 passes, then every 4:
# only the last key pressed, and never Shift, Control, Alt or Alt Gr. How
# many repeats come while the runner acts (ends the session, closes the
# program) depends on how long it takes to start its helper, so they are left
# out. Any other second key down stays, and fails the comparison.
REPEAT_AFTER_US = 450_000
MODIFIER_KEYS = {("2A",), ("36",), ("1D",), ("1D", "ext"), ("38",), ("38", "ext"),
                 ("vk=10",), ("vk=11",), ("vk=12",), ("vk=A0",), ("vk=A1",), ("vk=A2",), ("vk=A3",),
                 ("vk=A4",), ("vk=A5",)}


def without_repeats(events):
    """The events without the repeats of the last key pressed while it is held."""
    held = {}  # key words -> time of its first down
    last = None  # the last key pressed that repeats
    kept = []
    for time_us, words in events:
        if words[:2] == ["key", "down"]:
            key = tuple(words[2:])
            if key in held:
                if key == last and time_us - held[key] >= REPEAT_AFTER_US:
                    continue
            else:
                held[key] = time_us
                if key not in MODIFIER_KEYS:
                    last = key
        elif words[:2] == ["key", "up"]:
            held.pop(tuple(words[2:]), None)
        kept.append((time_us, words))
    return kept


def matches(expected, actual):
    """An expected line matches when its words equal the first words of the actual one ("*": any word)."""
    if len(expected) > len(actual):
        return False
    return all(e == "*" or e == a for e, a in zip(expected, actual))


def compare(kind, expected, actual):
    """Expected lines against actual ones, in order, one for one. Returns the problems."""
    problems = []
    for i in range(max(len(expected), len(actual))):
        want = expected[i] if i < len(expected) else None
        got = actual[i] if i < len(actual) else None
        if want and got and matches(want[1], got[1]):
            continue
        want_text = " ".join(want[1]) + f"   (line {want[0]})" if want else "(nothing more)"
        got_text = " ".join(got[1]) if got else "(nothing more)"
        problems.append(f"{kind} #{i + 1}: expected {want_text}\n{' ' * (len(kind) + 4)}got      {got_text}")
        break
    return problems


START_UP_PASSES = 50


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(fraction * len(ordered)))]


def figures(log_events, trace_events, pass_lines, mark=None, within=None):
    """Pass period and the delay from a device change to its injected event, in milliseconds."""
    out = {}
    stamps = [int(w) for w in pass_lines if w.strip().isdigit()]  # "TIME WHAT" lines are notes
    periods = [(b - a) / 1000 for a, b in zip(stamps, stamps[1:])]
    if periods:
        out["passes"] = len(stamps)
        out["period_mean_ms"] = round(statistics.fmean(periods), 3)
        out["period_p99_ms"] = round(percentile(periods, 0.99), 3)
    # The longest time from one pass to the next once the window is up and the first scan is done.
    settled = periods[START_UP_PASSES:]
    if settled:
        out["period_max_ms"] = round(max(settled), 3)
    # The same from each line `mark MARK` (or whose first word is MARK) on, for WITHIN milliseconds
    # when given: every gap that ends after the line and begins before that time is up, the one that
    # holds the line included (passes log the clock of the device log).
    marked = [t for t, words in log_events if mark and (words == ["mark", mark] or words[:1] == [mark])]
    if marked:
        gaps = []
        for at in marked:
            until = at + float(within) * 1000 if within else float("inf")
            gaps += [(b - a) / 1000 for a, b in zip(stamps, stamps[1:]) if b > at and a < until]
        out["marks"] = len(marked)
        out["period_max_from_mark_ms"] = round(max(gaps), 3) if gaps else None
    injected = [t for t, words in trace_events]
    delays = []
    seen = [t for t, words in log_events if words and words[0] == "seen"]
    for i, t in enumerate(seen):
        limit = seen[i + 1] if i + 1 < len(seen) else float("inf")
        after = [e for e in injected if t <= e < limit]
        if after:
            delays.append((after[0] - t) / 1000)
    if delays:
        out["delays"] = len(delays)
        out["delay_mean_ms"] = round(statistics.fmean(delays), 3)
        out["delay_p99_ms"] = round(percentile(delays, 0.99), 3)
    return out


class Run:
    """One scenario: scratch folder, recorder, Velmora.exe, the fake devices' timeline."""

    def __init__(self, env, scenario):
        self.env, self.scenario = env, scenario
        self.dir = env.work / scenario.name
        self.trace, self.stop = self.dir / "trace.txt", self.dir / "recorder.stop"
        self.log, self.pass_log = self.dir / "devices.log", self.dir / "passes.log"
        self.children = []

    def prepare(self, exe):
        shutil.rmtree(self.dir, ignore_errors=True)
        self.dir.mkdir(parents=True)
        shutil.copy(exe, self.dir / "Velmora.exe")
        for tool in ("dinput8.dll", "xinput1_3.dll"):
            shutil.copy(self.env.tools / tool, self.dir)
        for name in self.scenario.profiles + self.scenario.files:
            shutil.copy(self.scenario.source(name), self.dir / Path(name).name)
        self.log.touch()

    def wine(self, args, **kwargs):
        env = self.env.wine_env({**getattr(self, "extra_env", {}),"VELMORA_FAKE_SCENARIO": windows_path(self.scenario.path),
                                 "VELMORA_FAKE_LOG": windows_path(self.log),
                                 "VELMORA_PASS_LOG": windows_path(self.pass_log),
                                 "VELMORA_BALLOON_LOG": windows_path(self.dir / "balloons.log")})
        return subprocess.Popen(["wine"] + args, env=env, cwd=self.dir, **kwargs)

    def start_recorder(self):
        recorder = self.wine([str(self.env.tools / "recorder.exe"), windows_path(self.trace),
                              windows_path(self.stop), "300"], **QUIET)
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            if self.trace.exists() and "# ready" in self.trace.read_text():
                return recorder
            time.sleep(0.05)
        raise RuntimeError("the recorder did not get ready")

    def velmora(self, args, name):
        out = open(self.dir / f"{name}.out", "wb")
        return self.wine([str(self.dir / "Velmora.exe")] + args, stdout=out, stderr=subprocess.STDOUT)

    def window(self, command):
        return self.wine([str(self.env.tools / "velmora-window.exe")] + command.split(),
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).wait(timeout=30)

    def follow(self, program, on_event=None):
        """Serves the timeline's requests until its end; returns the problems."""
        deadline = time.monotonic() + float(self.scenario.options["timeout"])
        done = 0
        while time.monotonic() < deadline:
            lines = self.log.read_text(errors="replace").splitlines()
            for line in lines[done:]:
                words = line.split()[1:]
                if words[:2] == ["action", "start-second"]:
                    second = self.velmora(words[2:], "second")
                    self.children.append(second)
                if words[:2] == ["action", "start-program"] and len(words) > 2:
                    self.children.append(self.wine([str(self.env.tools / words[2])] + words[3:], **QUIET))
                if words[:2] == ["action", "end-session"] and self.window("endsession") != 0:
                    return ["Velmora.exe refused or did not answer the end of the session"]
                power = {"sleep": "suspend", "wake": "resume"}.get(words[1] if len(words) > 1 else "")
                if words[:1] == ["action"] and power and self.window(f"power {power}") != 0:
                    return [f"Velmora.exe did not answer the {words[1]} notice"]
                if words[:1] == ["error"]:
                    return ["fake devices: " + " ".join(words)]
                if words[:1] == ["end"]:
                    return []
            done = len(lines)
            if on_event:
                on_event()
            if program.poll() is not None:
                return [f"Velmora.exe ended before the scenario did (exit status {program.returncode})"]
            time.sleep(0.02)
        return [f"the scenario did not reach its end within {self.scenario.options['timeout']} s"]

    def close(self, program):
        if self.scenario.options.get("ends") == "itself":
            return self.await_end(program)
        problems = []
        if program.poll() is None:
            time.sleep(float(self.scenario.options.get("settle", "0.3")))
            self.window("close")
            try:
                program.wait(timeout=20)
            except subprocess.TimeoutExpired:
                problems.append("Velmora.exe did not end within 20 s of being closed")
                self.kill_all()
        for child in self.children:
            try:
                child.wait(timeout=20)
            except subprocess.TimeoutExpired:
                problems.append("the second Velmora.exe did not end")
        return problems

    def await_end(self, program):
        """A scenario that crashes the program or ends the session: it must end without being closed."""
        try:
            program.wait(timeout=20)
            return []
        except subprocess.TimeoutExpired:
            self.kill_all()
            return ["Velmora.exe did not end by itself within 20 s"]

    def kill_all(self):
        env = self.env.wine_env()
        subprocess.run(["wine", "taskkill", "/f", "/im", "Velmora.exe"], env=env, **QUIET)

    def check(self):
        problems = []
        if self.scenario.options.get("demo"):
            return problems, {}
        log_events = events_of(self.log.read_text(errors="replace").splitlines())
        front_game = self.dir / "front-game.log"  # the stand-in game's window in front and gone
        if front_game.exists():
            log_events = sorted(log_events + events_of(front_game.read_text().splitlines()))
        pass_lines = self.pass_log.read_text().splitlines() if self.pass_log.exists() else []
        # The moments the program noted between its passes (such as "switch") join them too.
        log_events = sorted(log_events + [(t, w) for t, w in events_of(pass_lines) if w])
        if not any(w[:1] == ["fake-dinput8"] for t, w in log_events):
            problems.append("Velmora.exe did not load the fake dinput8.dll")
        trace_events = without_repeats(events_of(self.trace.read_text(errors="replace").splitlines()))
        rumble = [(t, w) for t, w in log_events if w[:1] == ["rumble"]]
        for name in filter(None, self.scenario.options.get("absent", "").split(",")):
            if (self.dir / name).exists():
                problems.append(f"Velmora.exe wrote {name}, which must stay absent")
        problems += compare("event", self.scenario.expect_events, trace_events)
        problems += compare("rumble", self.scenario.expect_rumble, rumble)
        balloon_log = self.dir / "balloons.log"
        balloons = [(0, line.split()) for line in
                    (balloon_log.read_text(errors="replace").splitlines() if balloon_log.exists() else [])]
        problems += compare("balloon", self.scenario.expect_balloons, balloons)
        mark = self.scenario.options.get("longest-pass-from")
        numbers = figures(log_events, trace_events, pass_lines, mark,
                          self.scenario.options.get("longest-pass-within"))
        longest = self.scenario.options.get("longest-pass")
        measured = numbers.get("period_max_from_mark_ms") if mark else numbers.get("period_max_ms", 0)
        wanted_marks = int(self.scenario.options.get("longest-pass-marks", 1))
        if longest and mark and numbers.get("marks", 0) < wanted_marks:
            problems.append(f"the mark {mark} came {numbers.get('marks', 0)} times (at least {wanted_marks})")
        elif longest and mark and measured is None:
            problems.append(f"no pass after the mark {mark} to bound")
        elif longest and measured > float(longest):
            problems.append(f"a pass came {measured} ms after the one before (at most {longest})")
        return problems, numbers

    def play(self, exe, on_event=None):
        self.prepare(exe)
        if self.env.window_open():
            self.kill_all()
        recorder = self.start_recorder()
        program = self.velmora([Path(p).name for p in self.scenario.profiles], "velmora")
        try:
            problems = self.follow(program, on_event)
            problems += self.close(program)
        finally:
            self.stop.touch()
            try:
                recorder.wait(timeout=10)
            except subprocess.TimeoutExpired:
                recorder.kill()
        more, numbers = self.check()
        return problems + more, numbers


def format_figures(numbers):
    parts = []
    if "period_mean_ms" in numbers:
        parts.append(f"pass period mean {numbers['period_mean_ms']} ms, p99 {numbers['period_p99_ms']} ms "
                     f"({numbers['passes']} passes)")
    if "period_max_ms" in numbers:
        parts.append(f"longest after the first {START_UP_PASSES} passes {numbers['period_max_ms']} ms")
    if numbers.get("period_max_from_mark_ms") is not None:
        parts.append(f"longest from the mark {numbers['period_max_from_mark_ms']} ms ({numbers['marks']} marks)")
    if "delay_mean_ms" in numbers:
        parts.append(f"read-to-event delay mean {numbers['delay_mean_ms']} ms, p99 {numbers['delay_p99_ms']} ms "
                     f"({numbers['delays']} changes)")
    return "; ".join(parts) or "no figures"


def run_scenarios(env, paths):
    exe = env.velmora_exe()
    if not exe:
        print("e2e: no Velmora.exe in the Windows build yet: skipped")
        return SKIP
    failed = 0
    for path in paths:
        scenario = ScenarioFile(path)
        started = time.monotonic()
        problems, numbers = Run(env, scenario).play(exe)
        seconds = time.monotonic() - started
        verdict = "FAIL" if problems else "ok"
        print(f"e2e {scenario.name}: {verdict} in {seconds:.1f} s; {format_figures(numbers)}")
        for problem in problems:
            print("    " + problem)
        if problems:
            print(f"    files: {env.work / scenario.name}")
        with open(env.work / "figures.txt", "a") as out:
            out.write(json.dumps({"scenario": scenario.name, "ok": not problems, **numbers}) + "\n")
        failed += bool(problems)
    return 1 if failed else 0


def run_probe(env):
    """The fakes on their own: fake-probe.exe's changes against tests/e2e/fakes/probe.expected."""
    folder = env.work / "probe"
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for tool in ("dinput8.dll", "xinput1_3.dll", "fake-probe.exe"):
        shutil.copy(env.tools / tool, folder)
    log = folder / "devices.log"
    extra = {"VELMORA_FAKE_SCENARIO": windows_path(PROBE_SCENARIO), "VELMORA_FAKE_LOG": windows_path(log)}
    with open(folder / "probe.out", "wb") as out:
        subprocess.run(["wine", str(folder / "fake-probe.exe"), "40"], env=env.wine_env(extra), cwd=folder,
                       stdout=out, stderr=subprocess.DEVNULL, timeout=60)
    output = (folder / "probe.out").read_text(errors="replace")
    # Pass numbers after a wait in milliseconds depend on the machine: compare without them.
    strip = lambda lines: [re.sub(r"^\d+ ", "", l) for l in lines if l.strip()]
    got = strip(output.splitlines())
    rumble = [" ".join(w) for t, w in events_of(log.read_text().splitlines())
              if w[:1] in (["rumble"], ["control-panel"])]
    want = strip(PROBE_EXPECTED.read_text().splitlines())
    actual = got + rumble
    if actual == want:
        print("e2e probe: ok")
        return 0
    print("e2e probe: FAIL")
    for i, (w, g) in enumerate(zip(want + ["(nothing more)"] * len(actual), actual + ["(nothing more)"] * len(want))):
        if w != g:
            print(f"    line {i + 1}: expected {w}\n             got      {g}")
            break
    print(f"    files: {folder}")
    return 1


KEY_NAMES = {"39": "Space", "1D": "Left Control", "2E": "C", "2A": "Left Shift", "2D": "X", "15": "Y",
             "2C": "Z", "02": "1", "03": "2", "04": "3", "11": "W", "1E": "A", "1F": "S", "20": "D",
             "1C": "Enter"}


class LivePrinter:
    """Prints the recorder's new events as they come; a run of pointer moves becomes one line."""

    def __init__(self, run):
        self.run, self.done, self.start, self.moves, self.last_move = run, 0, None, [], 0.0

    def __call__(self):
        lines = self.run.trace.read_text(errors="replace").splitlines() if self.run.trace.exists() else []
        for t, words in events_of(lines[self.done:]):
            self.start = self.start or t
            if words[0] == "move":
                self.moves.append((t, int(words[1]), int(words[2])))
                self.last_move = time.monotonic()
                continue
            self.flush()
            text = " ".join(words)
            if words[0] == "key" and words[2] in KEY_NAMES:
                text += f"   ({KEY_NAMES[words[2]]})"
            self.say(t, text)
        self.done = len(lines)
        if self.moves and time.monotonic() - self.last_move > 0.1:
            self.flush()

    def say(self, t, text):
        print(f"  {(t - self.start) / 1e6:6.2f} s  {text}", flush=True)

    def flush(self):
        if self.moves:
            dx, dy = sum(m[1] for m in self.moves), sum(m[2] for m in self.moves)
            self.say(self.moves[0][0], f"mouse moved {dx:+d} {dy:+d} pixels in {len(self.moves)} steps")
            self.moves = []


def run_demo(env):
    """scripts/run.sh: Velmora.exe with the demo profile, driven by a fake pad."""
    exe = env.velmora_exe()
    if not exe:
        print("run: no Velmora.exe in the Windows build")
        return 1
    started_here = env.setup()
    try:
        scenario = ScenarioFile(ROOT / "tests/e2e/demo.scenario")
        scenario.options["demo"] = "1"
        run = Run(env, scenario)
        print("No controller here: a fake XInput pad plays tests/e2e/demo.scenario with demo/demo.velmoraprofile.")
        print("Events Velmora.exe injects (seconds from the first one):", flush=True)
        printer = LivePrinter(run)
        problems, _ = run.play(exe, printer)
        printer()
        printer.flush()
        rumble = [" ".join(w) for t, w in events_of(run.log.read_text().splitlines()) if w[:1] == ["rumble"]]
        print("Rumble Velmora.exe sent to the pad: " + ("; ".join(rumble) or "none"))
        for problem in problems:
            print("run: " + problem)
        return 1 if problems else 0
    finally:
        if started_here:
            env.cleanup()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(ROOT / "build/windows"))
    parser.add_argument("command", choices=["setup", "cleanup", "run", "probe", "all", "demo", "gui"])
    parser.add_argument("scenarios", nargs="*")
    args = parser.parse_args()
    env = Environment(args.build)
    if args.command == "setup":
        env.setup()
        return 0
    if args.command == "cleanup":
        env.cleanup()
        return 0
    if args.command == "demo":
        return run_demo(env)
    started_here = env.setup()
    try:
        if args.command == "probe":
            return run_probe(env)
        if args.command == "run":
            return run_scenarios(env, args.scenarios)
        if args.command == "gui":
            import e2e_gui  # it builds on this module
            return e2e_gui.run_gui(env, args.scenarios)
        probe = run_probe(env)
        scenarios = sorted((ROOT / "tests/e2e/scenarios").glob("*.scenario"))
        status = run_scenarios(env, scenarios)
        return 1 if probe or status == 1 else status
    finally:
        if started_here:
            env.cleanup()


if __name__ == "__main__":
    sys.exit(main())
