"""The stick settings window: opened from Stick 1's marker on the layout picture, its dead-zone
slider moved with the keyboard, and the fake pad's stick movement no longer producing keys."""

import subprocess
import time

import e2e_gui
from e2e_gui import Failed, wait_for

# Stick 1's settings marker in the demo layout: at its Down square's row and its Right square's
# column, inside the layout picture.
STICK1_MARKER = (e2e_gui.LAYOUT[0] + 232, e2e_gui.LAYOUT[1] + 212, 16, 16)
SPACE, W = "39", "11"


def stick_scenario(cycles=60):
    """Every 40 passes (0.4 s): stick 1 pushed up about 60 percent for 6 passes, then button A
    tapped, which shows that the pad is still being played when the stick stops giving keys."""
    lines = [e2e_gui.SCENARIO_HEAD]
    for _ in range(cycles):
        lines.append("wait pad 28\npad stick 1 0 20000\nwait pad 6\npad stick 1 0 0\n"
                     "wait pad 3\npad button a down\nwait pad 3\npad button a up\n")
    return "".join(lines)


def stick_window(s):
    """The settings window of stick 1, once on screen."""
    found = lambda: [w for w in s.other_windows() if "Stick 1" in w[1]]
    return wait_for("the stick 1 settings window", found)[0]


def open_from_marker(s):
    """A click on the marker opens its menu; its first item, Settings, opens the window."""
    s.click(STICK1_MARKER)
    rect = s.wait_menu_below(STICK1_MARKER)
    s.xdotool("mousemove", str(rect[0] + 24), str(rect[1] + 10), "click", "1")
    return stick_window(s)


def check_stick_dead_zone(s):
    wait_for("stick 1 pushed up injecting W", lambda: W in s.trace_keys(), timeout=10)
    window = open_from_marker(s)
    if not window[1].startswith("Settings: Stick 1 [Set 1]"):
        raise Failed(f"the window's caption is {window[1]!r}")
    time.sleep(0.5)
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


def sessions(env):
    return [("gui-sticks", stick_scenario(), [("stick-dead-zone", check_stick_dead_zone)], {"record": True})]
