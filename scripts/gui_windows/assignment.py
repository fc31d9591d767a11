"""The assignment window: a click on a control's button opens it, real key presses assign keys, the
profile saved through the main window holds them, and the pad then types them."""

import time

import e2e_gui
from e2e_gui import Failed, wait_for

FORM = "VelmoraAssignmentForm"
# The profile button's menu: New, Open, Settings, Save, Save As.
PROFILE_BUTTON = e2e_gui.PROFILE_BUTTON
# Scan codes the recorder sees: Left Shift, X and the demo profile's Space.
LEFT_SHIFT, X_KEY, SPACE = "2A", "2D", "39"


def assignment_windows(s):
    return [w for w in s.windows() if w[0] == FORM]


def hold_key(s, name, seconds=0.3):
    """A real press long enough for several passes of the program to see the key down."""
    s.xdotool("keydown", name)
    time.sleep(seconds)
    s.xdotool("keyup", name)
    time.sleep(0.2)


def check_assign_by_keys(s):
    """Shift then X makes button A "Left Shift + X"; the window closes on the X; the pad types it."""
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window after a click on button A", lambda: assignment_windows(s))[0]
    if window[1] != "A":
        raise Failed(f"the assignment window's caption is \"{window[1]}\", not the layout's name \"A\"")
    s.settled(window[2], grab=s.screen_region)
    s.save("assignment-window")
    hold_key(s, "shift")
    if not assignment_windows(s):
        raise Failed("the window closed after Shift: a combination could not be built")
    hold_key(s, "x")
    wait_for("the window to close after X", lambda: not assignment_windows(s))
    s.save("assignment-assigned")
    # Save is the menu's fourth item, just above Save As.
    s.click(PROFILE_BUTTON)
    s.wait_menu_below(PROFILE_BUTTON)
    s.keys("Up", "Up", "Return")
    saved = s.dir / "demo.velmoraprofile"
    line = lambda: next((l for l in saved.read_text(errors="replace").splitlines()
                         if l.startswith("Set1Button1Slots=")), "")
    wait_for("the saved profile to give button A Left Shift and X",
             lambda: "Left Shift" in line() and "X" in line() and "Space" not in line(), timeout=10)
    wait_for("the pad's presses of A to inject Left Shift and X",
             lambda: s.trace_keys().count(X_KEY) >= 2, timeout=20)
    keys = s.trace_keys()
    if SPACE in keys:
        raise Failed(f"the old assignment Space was injected: {' '.join(keys)}")
    first_x = keys.index(X_KEY)
    if LEFT_SHIFT not in keys[:first_x]:
        raise Failed(f"X came without Left Shift before it: {' '.join(keys)}")


def scenario():
    """The pad waits about 8 s (800 passes) for the assignment to be made, then presses A 20 times."""
    lines = [e2e_gui.SCENARIO_HEAD, "wait pad 800\nmark presses\n"]
    for _ in range(20):
        lines.append("wait pad 37\npad button a down\nwait pad 3\npad button a up\n")
    return "".join(lines)


def sessions(env):
    return [("gui-assignment", scenario(), [("assignment-keys", check_assign_by_keys)], {"record": True})]
