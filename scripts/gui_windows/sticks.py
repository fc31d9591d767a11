"""The stick, DPad and trigger settings windows: opened from their markers on the layout picture;
the stick's dead zone and a trigger's threshold moved with the keyboard until the fake pad's
movement no longer produces input; the DPad's disc following the pad's DPad."""

import subprocess
import time

import e2e
import e2e_gui
from e2e_gui import Failed, wait_for

# Stick 1's settings marker in the demo layout: at its Down square's row and its Right square's
# column, inside the layout picture.
STICK1_MARKER = (e2e_gui.LAYOUT[0] + 232, e2e_gui.LAYOUT[1] + 212, 16, 16)
DPAD_MARKER = (e2e_gui.LAYOUT[0] + 157, e2e_gui.LAYOUT[1] + 117, 16, 16)
# The triggers' marker: below the right trigger's square, 7 pixels in.
TRIGGERS_MARKER = (e2e_gui.LAYOUT[0] + 424, e2e_gui.LAYOUT[1] + 47, 16, 16)
STICK2_MARKER = (e2e_gui.LAYOUT[0] + 329, e2e_gui.LAYOUT[1] + 212, 16, 16)
# The stick window's Mouse Settings button, from the window's bottom-left corner.
MOUSE_SETTINGS_BUTTON = (223, -256)
# A point on the right threshold's track near its high end, from the trigger window's bottom-left
# corner (the frame's top holds a caption bar that the display may not draw).
RIGHT_TRACK = (243, -42)
SPACE, W = "39", "11"


def stick_scenario(cycles=60):
    """Every 40 passes (0.4 s): stick 1 pushed up about 60 percent for 16 passes, then button A
    tapped, which shows that the pad is still being played when the stick stops giving keys. The
    push is long enough for screenshots taken on a busy machine to see the zone map's dot move. After
    a few cycles the pad rests while the check opens the window from the marker ("rest-stick" until
    "opened-stick"): its Space would close the marker's menu before the check clicks its item."""
    cycle = ("wait pad 18\npad stick 1 0 20000\nwait pad 16\npad stick 1 0 0\n"
             "wait pad 3\npad button a down\nwait pad 3\npad button a up\n")
    return e2e_gui.SCENARIO_HEAD + cycle * 3 + "mark rest-stick\nwait file opened-stick\n" + cycle * cycles


def group_scenario(cycles=30):
    """Every 40 passes: the DPad held up for 10 passes, the right trigger pressed to 200 (78
    percent) for 6 passes, and button A tapped. The pad rests while a check opens a window from a
    marker (at each "rest-NAME" until the check writes "opened-NAME"): its Space or right click
    would close the marker's menu before the check clicks its item."""
    cycle = ("wait pad 18\npad dpad up\nwait pad 10\npad dpad none\npad trigger right 200\n"
             "wait pad 6\npad trigger right 0\npad button a down\nwait pad 6\npad button a up\n")
    lines = [e2e_gui.SCENARIO_HEAD]
    # The DPad's disc needs a cycle or two while its window is up before the trigger check goes on.
    for name, count in (("dpad", 10), ("triggers", cycles)):
        lines.append(f"mark rest-{name}\nwait file opened-{name}\n" + cycle * count)
    return "".join(lines)


def open_while_resting(s, marker, name, title):
    """The window opened from its marker while the pad rests (the caller lets it play on)."""
    wait_for(f"the pad resting at rest-{name}", lambda: f"mark rest-{name}" in s.log(), timeout=30)
    return open_from_marker(s, marker, title)


def play_on(s, name):
    (s.dir / f"opened-{name}").write_text("")


def presses(s):
    """Every key or mouse button the program pressed so far, as "key 39" or "mouse right"."""
    lines = s.run.trace.read_text(errors="replace").splitlines() if s.run.trace.exists() else []
    return [f"{w[0]} {w[2]}" for t, w in e2e.events_of(lines) if len(w) > 2 and w[1] == "down"]


def open_from_marker(s, marker, name):
    """A click on the marker opens its menu; its first item, Settings, opens the window."""
    s.click(marker)
    rect = s.wait_menu_below(marker)
    s.settled(rect, grab=s.screen_region)  # drawn whole, ready for the click on its first item
    s.xdotool("mousemove", str(rect[0] + 24), str(rect[1] + 10), "click", "1")
    found = lambda: [w for w in s.other_windows() if name in w[1]]
    return wait_for(f"the {name} settings window", found)[0]


def check_stick_dead_zone(s):
    wait_for("stick 1 pushed up injecting W", lambda: W in s.trace_keys(), timeout=10)
    window = open_while_resting(s, STICK1_MARKER, "stick", "Stick 1")
    if not window[1].startswith("Settings: Stick 1 [Set 1]"):
        raise Failed(f"the window's caption is {window[1]!r}")
    s.census("stick 1", query="TStickSettingsForm")
    play_on(s, "stick")
    seen = set()
    wait_for("the zone map's dot and values to follow the stick",
             lambda: seen.add(s.screen_region(window[2])) or len(seen) >= 2, timeout=4)
    s.save("stick-window")
    # The dead-zone slider has the focus when the window opens: End moves it to 255 (99%), past
    # the stick's 60 percent.
    s.keys("End")
    time.sleep(0.5)
    done = len(s.trace_keys())
    after = lambda: s.trace_keys()[done:]
    wait_for("three more taps of A", lambda: after().count(SPACE) >= 3, timeout=10)
    if W in after():
        raise Failed(f"W still injected after the dead zone went to 255: {' '.join(after())}")
    s.save("stick-window-dead-zone")
    s.keys("Escape")
    wait_for("the stick window to close", lambda: not s.other_windows())
    close_saving(s)


def close_saving(s):
    """The changed dead zone makes the program ask on closing; Save (two buttons back from the
    focused Cancel) writes the profile, so the file differs from the demo profile it was copied
    from."""
    profile = s.dir / "demo.velmoraprofile"
    before = profile.read_bytes()
    s.tool("close")
    wait_for("the question to save the changed profile", s.other_windows)
    s.save("stick-close-question")
    s.keys("shift+Tab", "shift+Tab", "Return")
    try:
        s.program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failed("Velmora.exe did not end after Save") from None
    if profile.read_bytes() == before:
        raise Failed("the profile was not saved with the new dead zone")


def check_dpad_disc(s):
    """The disc shows the held direction: the window's picture changes while the pad plays."""
    window = open_while_resting(s, DPAD_MARKER, "dpad", "DPad")
    if "[Set 1]" not in window[1]:
        raise Failed(f"the window's caption is {window[1]!r}")
    s.census("dpad", query="TDPadSettingsForm")
    play_on(s, "dpad")
    seen = set()
    wait_for("the DPad disc to show a held and a released DPad",
             lambda: seen.add(s.screen_region(window[2])) or len(seen) >= 2, timeout=4)
    s.save("dpad-window")
    s.keys("Escape")
    wait_for("the DPad window to close", lambda: not s.other_windows())


def check_trigger_threshold(s):
    """With the right trigger's threshold at 255, a press to 78 percent no longer acts."""
    play_on(s, "dpad")  # from its first rest, when the DPad check did not run
    wait_for("button A's Space", lambda: "key 39" in presses(s), timeout=10)
    quiet = presses(s)
    trigger = [p for p in quiet if p != "key 39"]
    if not trigger:
        raise Failed(f"the right trigger produced nothing before its threshold moved: {' '.join(quiet)}")
    window = open_while_resting(s, TRIGGERS_MARKER, "triggers", "Triggers")
    play_on(s, "triggers")
    s.census("trigger", query="TTriggerSettingsForm")
    # Without a window manager the keys go to the window under the pointer, and the trigger's
    # press is a right click there, which can take the focus from a control: the pointer clicks the
    # right threshold's track near its high end (a page up and the focus) and stays there.
    left, bottom = window[2][0], window[2][3]
    s.xdotool("mousemove", str(left + RIGHT_TRACK[0]), str(bottom + RIGHT_TRACK[1]), "click", "1")
    time.sleep(0.5)
    s.save("trigger-window")
    s.keys("End")
    time.sleep(0.5)
    done = len(presses(s))
    after = lambda: presses(s)[done:]
    wait_for("three more taps of A", lambda: after().count("key 39") >= 3, timeout=10)
    if any(p != "key 39" for p in after()):
        raise Failed(f"the right trigger still acts at threshold 255: {' '.join(after())}")
    s.keys("Escape")
    wait_for("the trigger window to close", lambda: not s.other_windows())
    close_saving(s)


def mouse_scenario(cycles=60):
    """Every 40 passes: stick 2 pushed right for 10 passes (the demo's mouse look), then A tapped."""
    lines = [e2e_gui.SCENARIO_HEAD]
    for _ in range(cycles):
        lines.append("wait pad 24\npad stick 2 24000 0\nwait pad 10\npad stick 2 0 0\n"
                     "wait pad 3\npad button a down\nwait pad 3\npad button a up\n")
    return "".join(lines)


def moved_right(s, start=0):
    """The pointer's horizontal travel in the trace's moves from the start-th event on."""
    lines = s.run.trace.read_text(errors="replace").splitlines() if s.run.trace.exists() else []
    events = [w for t, w in e2e.events_of(lines)][start:]
    return sum(int(w[1]) for w in events if w[0] == "move"), len(e2e.events_of(lines))


def pushes_travel(s):
    """The pointer's travel to the right over the next two pushes of the stick."""
    base = moved_right(s)[1]
    taps = presses(s).count("key 39")
    wait_for("A tapped twice more", lambda: presses(s).count("key 39") >= taps + 2, timeout=10)
    return moved_right(s, base)[0]


def check_mouse_speed(s):
    """From stick 2's window, Mouse Settings opens the mouse window on stick 2; its horizontal
    speed moved to the slowest with the keyboard makes the same stick push move the pointer less."""
    wait_for("A tapped twice", lambda: presses(s).count("key 39") >= 2, timeout=10)
    stick = open_from_marker(s, STICK2_MARKER, "Stick 2")
    s.census("stick 2", query="TStickSettingsForm")
    left, bottom = stick[2][0], stick[2][3]
    # The pointer stays on the window: without a window manager the keys go where it is.
    s.xdotool("mousemove", str(left + MOUSE_SETTINGS_BUTTON[0]), str(bottom + MOUSE_SETTINGS_BUTTON[1]),
              "click", "1")
    found = lambda: [w for w in s.other_windows() if w[0] == "TMouseSettingsForm"]
    window = wait_for("the mouse settings window", found)[0]
    if "Stick 2" not in window[1]:
        raise Failed(f"the mouse window's caption is {window[1]!r}")
    s.census("mouse", query="TMouseSettingsForm")
    s.xdotool("mousemove", str(window[2][0] + 60), str(window[2][1] + 60))
    time.sleep(0.5)
    s.save("mouse-window")
    fast = pushes_travel(s)
    s.keys("Home")
    time.sleep(0.5)
    slow = pushes_travel(s)
    s.save("mouse-window-slow")
    if not fast > 0 or not slow * 4 < fast:
        raise Failed(f"the pointer moved {fast} pixels right before and {slow} after the slowest speed")
    s.keys("Escape")
    close_saving(s)


def sessions(env):
    return [("gui-sticks", stick_scenario(), [("stick-dead-zone", check_stick_dead_zone)], {"record": True}),
            ("gui-dpad-triggers", group_scenario(),
             [("dpad-disc", check_dpad_disc), ("trigger-threshold", check_trigger_threshold)], {"record": True}),
            ("gui-mouse", mouse_scenario(), [("mouse-speed", check_mouse_speed)], {"record": True})]
