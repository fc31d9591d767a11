"""The assignment window: a click on a control's button opens it, real key presses assign keys, the
profile saved through the main window holds them, and the pad then types them."""

import time

import e2e
import e2e_gui
from e2e_gui import Failed, wait_for

FORM = "VelmoraAssignmentForm"
ADVANCED = "VelmoraAdvancedAssignmentForm"
# Client sizes, and places inside them (centres of the controls).
ASSIGNMENT_CLIENT, ADVANCED_BUTTON = (737, 273), (572, 255)
# Keys of the picture (8 pixels in, cells 4 pixels further, 12-pixel units): Q and Z.
Q_KEY, Z_KEY = (60, 120), (84, 168)
# The Toggle box's icon, in the footer above the box, and the name box.
TOGGLE_ICON, NAME_BOX = (16, 234), (380, 255)
ADVANCED_CLIENT, PAUSE_BAR_END, ADD_PAUSE = (521, 297), (306, 139), (170, 108)
TURBO_TAB, PAGE_ENABLE, TURBO_LAMP = (258, 20), (30, 58), (20, 156, 287, 44)
# The other tabs, 100 pixels wide: Toggle before Turbo, Set Selector after Rumble.
TOGGLE_TAB, SET_SELECTOR_TAB = (158, 20), (458, 20)
# The Rumble page: the max icon of the left strength, the none icon of the right one.
RUMBLE_TAB, LEFT_MAX, RIGHT_NONE = (358, 20), (314, 103), (28, 163)
# The profile button's menu: New, Open, Settings, Save, Save As.
PROFILE_BUTTON = e2e_gui.PROFILE_BUTTON
# Scan codes the recorder sees: Left Shift, X, A, B and the demo profile's Space.
LEFT_SHIFT, X_KEY, A_KEY, B_KEY, SPACE = "2A", "2D", "1E", "30", "39"


def windows_of(s, form):
    return [w for w in s.windows() if w[0] == form]


def click_in(s, window, client, point):
    """A click at a point of a window's client area: the frame's borders are equal at the left, right
    and bottom, the caption lies above."""
    left, top, right, bottom = window[2]
    border = (right - left - client[0]) // 2
    x, y = left + border + point[0], bottom - border - client[1] + point[1]
    s.xdotool("mousemove", str(x), str(y), "click", "1")
    time.sleep(0.3)


def save_profile(s):
    """The main window's Save: the profile button menu's fourth item, just above Save As."""
    s.click(PROFILE_BUTTON)
    s.wait_menu_below(PROFILE_BUTTON)
    s.keys("Up", "Up", "Return")
    saved = s.dir / "demo.velmoraprofile"
    return lambda: next((l for l in saved.read_text(errors="replace").splitlines()
                         if l.startswith("Set1Button1Slots=")), "")


def client_rect(window, client, region):
    """A region of a window's client area as a screen rectangle (left, top, right, bottom)."""
    left, top, right, bottom = window[2]
    border = (right - left - client[0]) // 2
    x, y = left + border + region[0], bottom - border - client[1] + region[1]
    return x, y, x + region[2], y + region[3]


def move_in(s, window, client, point):
    left, top, right, bottom = window[2]
    border = (right - left - client[0]) // 2
    s.xdotool("mousemove", str(left + border + point[0]), str(bottom - border - client[1] + point[1]))


def check_hover_and_click(s):
    """The caption names the key under the pointer; a click on a key assigns it and closes the window;
    the Toggle icon switches Toggle; typing into the name box names the assignment and assigns nothing."""
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window after a click on button A", lambda: windows_of(s, FORM))[0]
    s.census("assignment", query=FORM)
    move_in(s, window, ASSIGNMENT_CLIENT, Q_KEY)
    wanted = 'A - Press any key or click to assign "Q"'
    wait_for(f"the caption \"{wanted}\" over the Q key",
             lambda: any(w[1] == wanted for w in windows_of(s, FORM)))
    move_in(s, window, ASSIGNMENT_CLIENT, (ASSIGNMENT_CLIENT[0] // 2, ASSIGNMENT_CLIENT[1] - 10))
    wait_for("the plain caption back off the picture", lambda: any(w[1] == "A" for w in windows_of(s, FORM)))
    click_in(s, window, ASSIGNMENT_CLIENT, TOGGLE_ICON)
    click_in(s, window, ASSIGNMENT_CLIENT, Z_KEY)
    wait_for("the window to close after a click on Z", lambda: not windows_of(s, FORM))
    line = save_profile(s)
    wait_for("the saved profile to give button A Z", lambda: line() == "Set1Button1Slots=Z", timeout=10)
    toggle = lambda: "Set1Button1Toggle=1" in (s.dir / "demo.velmoraprofile").read_text(errors="replace")
    if not toggle():
        raise Failed("a click on the Toggle icon did not switch Toggle on")
    # In the window opened again: a second click on the icon switches Toggle off, and keys typed into
    # the name box edit the name without being assigned (a letter would close the window).
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window again", lambda: windows_of(s, FORM))[0]
    click_in(s, window, ASSIGNMENT_CLIENT, TOGGLE_ICON)
    click_in(s, window, ASSIGNMENT_CLIENT, NAME_BOX)
    s.keys("End")
    s.xdotool("type", "--delay", "80", "Hop")
    time.sleep(0.3)
    if not windows_of(s, FORM):
        raise Failed("typing into the name box assigned a key and closed the window")
    s.click(e2e_gui.JUMP_BUTTON)
    wait_for("a second click on button A to close the window", lambda: not windows_of(s, FORM))
    save_profile(s)
    wait_for("the saved profile without Toggle", lambda: not toggle(), timeout=10)
    if "Set1Button1Name=JumpHop" not in (s.dir / "demo.velmoraprofile").read_text(errors="replace"):
        raise Failed("the name typed into the name box was not saved as \"JumpHop\"")
    if line() != "Set1Button1Slots=Z":
        raise Failed(f"typing into the name box changed the keys: {line()}")


def hold_key(s, name, seconds=0.3):
    """A real press long enough for several passes of the program to see the key down."""
    s.xdotool("keydown", name)
    time.sleep(seconds)
    s.xdotool("keyup", name)
    time.sleep(0.2)


def check_assign_by_keys(s):
    """Shift then X makes button A "Left Shift + X"; the window closes on the X; the pad types it."""
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window after a click on button A", lambda: windows_of(s, FORM))[0]
    if window[1] != "A":
        raise Failed(f"the assignment window's caption is \"{window[1]}\", not the layout's name \"A\"")
    s.settled(window[2], grab=s.screen_region)
    s.save("assignment-window")
    hold_key(s, "shift")
    if not windows_of(s, FORM):
        raise Failed("the window closed after Shift: a combination could not be built")
    hold_key(s, "x")
    wait_for("the window to close after X", lambda: not windows_of(s, FORM))
    s.save("assignment-assigned")
    line = save_profile(s)
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


def close_both(s):
    """As a user closes them: the advanced window by its close box (it lies over button A), then the
    assignment window by a second click on button A. Escape would be assigned."""
    s.close_box(ADVANCED)
    wait_for("the advanced window's close box to close it", lambda: not windows_of(s, ADVANCED))
    if not windows_of(s, FORM):
        raise Failed("closing the advanced window closed the assignment window too")
    s.click(e2e_gui.JUMP_BUTTON)
    wait_for("a second click on button A to close the assignment window", lambda: not windows_of(s, FORM))


def check_sequence_with_pause(s):
    """In the advanced window: A, a pause of 2.50 s (the pause bar at its end), then B; the pad's press
    of button A then types A and, 2.5 s later, B."""
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window", lambda: windows_of(s, FORM))[0]
    s.settled(window[2], grab=s.screen_region)
    click_in(s, window, ASSIGNMENT_CLIENT, ADVANCED_BUTTON)
    advanced = wait_for("the advanced window after its button", lambda: windows_of(s, ADVANCED))[0]
    if advanced[1] != "A: Advanced Settings":
        raise Failed(f"the advanced window's caption is \"{advanced[1]}\"")
    if not windows_of(s, FORM):
        raise Failed("the assignment window closed when the advanced window opened")
    s.census("advanced", "Assignments", query=ADVANCED)
    hold_key(s, "a")
    # Keys would be assigned: the pause bar is moved by clicks on its end, a page (49) each.
    for _ in range(6):
        click_in(s, advanced, ADVANCED_CLIENT, PAUSE_BAR_END)
    click_in(s, advanced, ADVANCED_CLIENT, ADD_PAUSE)
    hold_key(s, "b")
    if not windows_of(s, FORM):
        raise Failed("the assignment window closed while the advanced window was open")
    s.settled(advanced[2], grab=s.screen_region)
    s.save("advanced-assignment-window")
    close_both(s)
    line = save_profile(s)
    wanted = "Set1Button1Slots=A,PAUSE 1.00s,PAUSE 1.00s,PAUSE 0.50s,B"
    wait_for(f"the saved profile to hold {wanted}", lambda: line() == wanted, timeout=10)
    wait_for("the pad's press of A to inject B", lambda: B_KEY in s.trace_keys(), timeout=25)
    lines = s.run.trace.read_text(errors="replace").splitlines()
    downs = [(t, w[2]) for t, w in e2e.events_of(lines) if w[:2] == ["key", "down"]]
    keys = [k for _, k in downs]
    if keys[:2] != [A_KEY, B_KEY]:
        raise Failed(f"the keys injected are {' '.join(keys)}, not A then B")
    gap = (downs[1][0] - downs[0][0]) / 1e6
    if not 2.3 <= gap <= 2.9:
        raise Failed(f"B came {gap:.2f} s after A, not after the 2.50 s pause")


def check_turbo_and_rumble_pages(s):
    """The Turbo page's lamp blinks while Turbo is on (the main loop drives it) and stays dark when off;
    the Rumble page's end icons set the strengths to max and none."""
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window", lambda: windows_of(s, FORM))[0]
    s.settled(window[2], grab=s.screen_region)
    click_in(s, window, ASSIGNMENT_CLIENT, ADVANCED_BUTTON)
    advanced = wait_for("the advanced window", lambda: windows_of(s, ADVANCED))[0]
    click_in(s, advanced, ADVANCED_CLIENT, TOGGLE_TAB)
    s.census("advanced", "Toggle", query=ADVANCED)
    click_in(s, advanced, ADVANCED_CLIENT, SET_SELECTOR_TAB)
    s.census("advanced", "Set Selector", query=ADVANCED)
    click_in(s, advanced, ADVANCED_CLIENT, TURBO_TAB)
    s.census("advanced", "Turbo", query=ADVANCED)
    lamp = client_rect(advanced, ADVANCED_CLIENT, TURBO_LAMP)
    looks = lambda: {s.screen_region(lamp)[:3] for _ in range(8)}
    if len(looks()) != 1:
        raise Failed("the lamp changes while Turbo is off")
    click_in(s, advanced, ADVANCED_CLIENT, PAGE_ENABLE)
    wait_for("the lamp to blink with Turbo on", lambda: len(looks()) > 1)
    s.save("advanced-turbo-page")
    click_in(s, advanced, ADVANCED_CLIENT, PAGE_ENABLE)
    click_in(s, advanced, ADVANCED_CLIENT, RUMBLE_TAB)
    s.census("advanced", "Rumble", query=ADVANCED)
    click_in(s, advanced, ADVANCED_CLIENT, LEFT_MAX)
    click_in(s, advanced, ADVANCED_CLIENT, RIGHT_NONE)
    s.save("advanced-rumble-page")
    close_both(s)
    save_profile(s)
    text = lambda: (s.dir / "demo.velmoraprofile").read_text(errors="replace")
    wait_for("the saved profile to give button A the strengths 255 and 0",
             lambda: "Set1Button1RumbleStrengths=255,0" in text().replace(" ", ""), timeout=10)
    if "Set1Button1Turbo=" in text():
        raise Failed("Turbo stayed on after its box was unticked")


def check_dialog_keys_assigned(s):
    """Escape pressed in the assignment window is assigned like any key, and closes it as a key does
    (it closed the window before it could be assigned); in the advanced window Tab, Enter and Escape
    are assigned one after the other and both windows stay open."""
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window", lambda: windows_of(s, FORM))[0]
    s.settled(window[2], grab=s.screen_region)
    hold_key(s, "Escape")
    wait_for("Escape to be assigned, which closes the window", lambda: not windows_of(s, FORM))
    line = save_profile(s)
    wait_for("the saved profile to give button A Escape", lambda: line() == "Set1Button1Slots=Escape", timeout=10)
    s.click(e2e_gui.JUMP_BUTTON)
    window = wait_for("the assignment window again", lambda: windows_of(s, FORM))[0]
    s.settled(window[2], grab=s.screen_region)
    click_in(s, window, ASSIGNMENT_CLIENT, ADVANCED_BUTTON)
    advanced = wait_for("the advanced window", lambda: windows_of(s, ADVANCED))[0]
    s.settled(advanced[2], grab=s.screen_region)
    for key in ("Tab", "Return", "Escape"):
        hold_key(s, key)
    if not windows_of(s, ADVANCED) or not windows_of(s, FORM):
        raise Failed("Tab, Enter or Escape closed an assignment window")
    close_both(s)
    save_profile(s)
    wanted = "Set1Button1Slots=Tab,Enter,Escape"
    wait_for(f"the saved profile to hold {wanted}", lambda: line() == wanted, timeout=10)


def scenario():
    """The pad waits about 20 s (2000 passes) for the assignments to be made, then presses A 20 times."""
    lines = [e2e_gui.SCENARIO_HEAD, "wait pad 2000\nmark presses\n"]
    for _ in range(20):
        lines.append("wait pad 37\npad button a down\nwait pad 3\npad button a up\n")
    return "".join(lines)


def one_press_scenario():
    """A single press of A after about 26 s (2600 passes), once the keys are assigned and the sequence is
    made and saved."""
    return e2e_gui.SCENARIO_HEAD + "wait pad 2600\nmark press\npad button a down\nwait pad 3\npad button a up\n" \
        "wait pad 400\n"


def sessions(env):
    return [("gui-assignment", scenario(), [("assignment-click", check_hover_and_click),
                                                         ("assignment-keys", check_assign_by_keys)], {"record": True}),
            ("gui-advanced", one_press_scenario(), [("assignment-escape", check_dialog_keys_assigned),
                                                                ("assignment-sequence", check_sequence_with_pause),
                                                                ("assignment-pages", check_turbo_and_rumble_pages)],
             {"record": True})]
