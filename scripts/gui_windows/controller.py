"""The controller settings window: a layout made by detection for a pad of an odd shape, saved
from the main window, and played.

The fake pad has its first stick on Z/RZ, its second on the two sliders, its DPad on buttons 9 to
12 and both triggers on the two halves of Y. Its timeline waits at each "arm-..." mark long enough
for the check to tick the group's Enable box (which starts that group's detection), then moves the
controls in the order the window asks for them. After "detected" it keeps pushing stick 1 up and
holding the right trigger for a while, which the demo profile turns into W and the right mouse
button; the layout is saved after that.
"""

import e2e
import e2e_gui
from e2e_gui import Failed, wait_for

FORM = "TControllerSettingsForm"
CONTROLLER_BUTTON = (4, 52, 20, 20)  # the main window's controller menu
CLIENT = (520, 590)  # the form's client size
PICTURE = (4, 330)  # the layout picture's corner in the form
LAYOUT_NAME = "gui-odd-pad"
# Client points of the form (see its control identifiers).
# The centres of the seven tab headers in English (Start, Image, Sticks, DPad, Buttons, Triggers, Finish).
TAB_CENTRES = [(32, 15), (83, 15), (137, 15), (192, 15), (247, 15), (308, 15), (367, 15)]
STICK_ENABLE = ((24, 48), (274, 48))
GROUP_ENABLE = (24, 48)
PANEL = (100, 302, 300, 20)
CLOSE = (60, 182)  # on the Finish tab
ARM_WAIT = 220  # passes between an arm mark and the first move: time for the clicks


def moves(*steps):
    """Each step held for 15 passes, then released for 15."""
    lines = []
    for hold, release in steps:
        lines += [f"odd {hold}", "wait odd 15", f"odd {release}", "wait odd 15"]
    return "\n".join(lines) + "\n"


def scenario():
    head = f"""device odd "Odd Shape Pad" vid=1209 pid=0d77 axes=y,z,rz,s1,s2 buttons=12 povs=0
profile {e2e_gui.DEMO / 'demo.velmoraprofile'}
plug odd
wait odd 2
# A stick on the sliders rests in the middle (the fake's sliders start at 0).
odd axis s1 32767
odd axis s2 32767
wait odd 30
mark pad-read
"""
    phases = [
        ("stick1", [("axis z 0", "axis z 32767"), ("axis rz 0", "axis rz 32767")]),
        ("stick2", [("axis s1 0", "axis s1 32767"), ("axis s2 0", "axis s2 32767")]),
        # Up, then Down, Left and Right: buttons 9, 11, 12, 10.
        ("dpad", [(f"button {b} down", f"button {b} up") for b in (9, 11, 12, 10)]),
        ("triggers", [("axis y 0", "axis y 32767"), ("axis y 65535", "axis y 32767")]),
    ]
    text = head
    for name, steps in phases:
        text += f"wait odd 60\nmark arm-{name}\nwait odd {ARM_WAIT}\n" + moves(*steps)
    # The pointer is parked before the pad plays: its right mouse button would otherwise land on
    # whatever the check is clicking.
    text += f"wait odd 20\nmark detected\nwait odd {ARM_WAIT}\nmark play\n"
    play = "wait odd 30\nodd axis rz 0\nodd axis y 65535\nwait odd 5\nodd axis rz 32767\nodd axis y 32767\n"
    return text + play * 12 + "wait odd 30\nmark played\n"


def form(s):
    found = [w for w in s.windows() if w[0] == FORM]
    return found[0] if found else None


def client_point(rect, point):
    """A client point of the form on the screen: the frame is as wide on the left as on the right
    and at the bottom."""
    border = (rect[2] - rect[0] - CLIENT[0]) // 2
    return rect[0] + border + point[0], rect[3] - border - CLIENT[1] + point[1]


def click_form(s, rect, point):
    x, y = client_point(rect, point)
    s.xdotool("mousemove", str(x), str(y), "click", "1")


def show_tab(s, rect, index):
    click_form(s, rect, TAB_CENTRES[index])


def arm(s, rect, name, tab, box):
    wait_for(f"the pad's timeline at arm-{name}", lambda: f"mark arm-{name}" in s.log(), timeout=30)
    show_tab(s, rect, tab)
    click_form(s, rect, box)


def save_layout_as(s):
    saved = s.dir / "saved" / f"{LAYOUT_NAME}.velmoracontroller"
    s.click(CONTROLLER_BUTTON)
    wait_for("the controller menu", s.menu)
    s.keys("Up", "Up", "Return")  # "Save As...", above "Properties"
    dialogs = wait_for("a save dialog", lambda: [w for w in s.other_windows() if w[1].startswith("Save")],
                       timeout=10)
    s.settled(dialogs[0][2], grab=s.screen_region)
    s.xdotool("type", "--delay", "30", LAYOUT_NAME)
    s.keys("Return")
    wait_for(f"{saved.name} in the layout folder", saved.exists, timeout=10)
    # A first layout for this identity is remembered for it, and the program says so.
    notes = wait_for("the note that the layout opens for this controller from now on",
                     lambda: [w for w in s.other_windows() if w[0] == "VelmoraMessageDialog"], timeout=10)
    s.settled(notes[0][2], grab=s.screen_region)  # drawn whole, ready for keys
    s.save("controller-saved")
    s.keys("Return")
    wait_for("the note to close", lambda: not s.other_windows())
    return saved.read_text(errors="replace")


def check_detection(s):
    s.click(CONTROLLER_BUTTON)
    wait_for("the controller menu", s.menu)
    s.keys("Down", "Return")  # "New"
    rect = wait_for("the controller settings window", lambda: (form(s) or (0, 0, None))[2], timeout=10)
    caption = form(s)[1]
    s.settled(rect, grab=s.screen_region)
    blank = s.screen_region(panel_rect(rect))
    if "Odd Shape Pad" not in caption:
        raise Failed(f"the caption \"{caption}\" does not name the device")
    arm(s, rect, "stick1", 2, STICK_ENABLE[0])
    wait_for("the detection panel", lambda: s.screen_region(panel_rect(rect)) != blank)
    s.save("controller-detecting")
    arm(s, rect, "stick2", 2, STICK_ENABLE[1])
    arm(s, rect, "dpad", 3, GROUP_ENABLE)
    arm(s, rect, "triggers", 5, GROUP_ENABLE)
    wait_for("the pad's timeline at detected", lambda: "mark detected" in s.log(), timeout=30)
    show_tab(s, rect, 2)
    s.save("controller-settings")
    s.xdotool("mousemove", "1000", "20")  # off the windows: the pad's right button clicks there
    wait_for("stick 1 up typing W through the new layout", lambda: "11" in s.trace_keys(), timeout=15)
    wait_for("the right trigger pressing the right mouse button",
             lambda: "mouse down right" in s.run.trace.read_text(errors="replace"), timeout=10)
    wait_for("the pad's timeline at played", lambda: "mark played" in s.log(), timeout=20)
    show_tab(s, rect, 6)
    click_form(s, rect, CLOSE)  # saving is the main window's, behind the form
    wait_for("the controller settings window to close", lambda: form(s) is None)
    text = save_layout_as(s)
    wanted = ["Stick1XAccess=Axis Z", "Stick1YAccess=Axis RZ", "Stick2XAccess=Slider 1",
              "Stick2YAccess=Slider 2", "DPadUpAccess=Button 9", "DPadDownAccess=Button 11",
              "DPadLeftAccess=Button 12", "DPadRightAccess=Button 10", "TriggerLeftAccess=Axis Y -",
              "TriggerRightAccess=Axis Y"]
    lines = text.splitlines()
    # Each wanted line whole, but the right trigger's (the upper half may be written with or without "+").
    missing = [w for w in wanted if w not in lines and not (w.startswith("TriggerRight") and w + " +" in lines)]
    if missing:
        raise Failed(f"the saved layout lacks {', '.join(missing)}")


def check_group_drag(s):
    """Stick 1 dragged by its centre far past the bottom-right corner stops with its 94 x 94 grid
    inside the picture: its corner at row 254 - 93 and column 510 - 93."""
    s.click((28, 52, 228, 20))  # the controller name box: the settings of its layout
    rect = wait_for("the controller settings window", lambda: (form(s) or (0, 0, None))[2], timeout=10)
    s.settled(rect, grab=s.screen_region)
    # Stick 1's centre, where ticking its box put it: Left's row, Up's column, plus half a square.
    x, y = client_point(rect, (PICTURE[0] + 36 + 15, PICTURE[1] + 190 + 15))
    s.xdotool("mousemove", str(x), str(y), "mousedown", "1")
    for step in range(1, 6):
        s.xdotool("mousemove", str(x + 120 * step), str(y + 40 * step))
    s.xdotool("mouseup", "1")
    s.save("controller-dragged")
    # The pen (black, 32 pixels at first) on an empty part of the picture: a black square there.
    show_tab(s, rect, 1)
    click_form(s, rect, (130, 90))  # the Mode list
    s.keys("Down", "Return")  # "Pen"
    x, y = client_point(rect, (PICTURE[0] + 256, PICTURE[1] + 60))
    s.xdotool("mousemove", str(x), str(y), "click", "1")
    wait_for("a black square painted by the pen",
             lambda: s.shot().crop(x - 10, y - 10, 20, 20) == bytes(20 * 20 * 3), timeout=5)
    s.save("controller-painted")
    show_tab(s, rect, 6)
    click_form(s, rect, CLOSE)
    wait_for("the controller settings window to close", lambda: form(s) is None)
    saved = s.dir / "saved" / f"{LAYOUT_NAME}.velmoracontroller"
    before = saved.read_text(errors="replace")
    s.click(CONTROLLER_BUTTON)
    wait_for("the controller menu", s.menu)
    s.keys("Up", "Up", "Up", "Return")  # "Save", above "Save As..." and "Properties..."
    wait_for("the layout saved again", lambda: saved.read_text(errors="replace") != before, timeout=10)
    lines = saved.read_text(errors="replace").splitlines()
    # Locations are written column first: Up at (161, 417 + 32), Left at (161 + 32, 417).
    wanted = ["Stick1UpLocation=449,161", "Stick1LeftLocation=417,193", "Stick1DownLocation=449,225"]
    missing = [w for w in wanted if w not in lines]
    if missing:
        found = [line for line in lines if line.startswith("Stick1")]
        raise Failed(f"after the drag the layout lacks {', '.join(missing)}; it has {', '.join(found)}")


def panel_rect(rect):
    x, y = client_point(rect, PANEL[:2])
    return (x, y, x + PANEL[2], y + PANEL[3])


def sessions(env):
    saved = env.work / "gui-controller" / "saved"
    ini = (f"\n[Default Locations]\nDefaultControllerLocation={e2e.windows_path(saved)}\n")
    return [("gui-controller", scenario(), [("controller-detection", check_detection),
                                                    ("controller-group-drag", check_group_drag)],
             {"ini_extra": ini, "folders": ["saved"], "record": True})]

