"""The controller settings window: a layout made by detection for a pad of an odd shape, saved
from the main window, and played.

The fake pad has its first stick on Z/RZ, its second on the two sliders, its DPad on buttons 9 to
12 and both triggers on the two halves of Y. Its timeline waits at each "arm-..." mark until the check
has seen the group's Enable box ticked (which starts that group's detection) and written the file
"armed-..." beside the program, then moves the controls in the order the window asks for them.
After "detected" (and the check's "armed-play") it keeps pushing stick 1 up and holding the right
trigger for a while, which the demo profile turns into W and the right mouse button; the layout is
saved after that.
"""

import sys
import time
from pathlib import Path

import e2e
import e2e_gui
from e2e_gui import Failed, wait_for

sys.path.insert(0, str(Path(__file__).resolve().parent))

FORM = "TControllerSettingsForm"
CONTROLLER_BUTTON = (4, 52, 20, 20)  # the main window's controller menu
CLIENT = (520, 590)  # the form's client size
PICTURE = (4, 330)  # the layout picture's corner in the form
LAYOUT_NAME = "gui-odd-pad"
# Client points of the form (see its control identifiers).
# The centres of the seven tab headers in English (Start, Image, Sticks, DPad, Buttons, Triggers, Finish).
TAB_CENTRES = [(32, 15), (83, 15), (137, 15), (192, 15), (247, 15), (308, 15), (367, 15)]
TAB_NAMES = ["Start", "Image", "Sticks", "DPad", "Buttons", "Triggers", "Finish"]
STICK_ENABLE = ((24, 48), (274, 48))
GROUP_ENABLE = (24, 48)
PANEL = (100, 302, 300, 20)
ARROW = (100, 298, 24)  # the detection panel's arrow: left, top, size
PALETTE = (16, 130)  # on the Image page, 130 x 66 with a one-pixel black border
SWATCH = (156, 130)  # 18 x 18: the colour inside a one-pixel black frame
CLOSE = (60, 182)  # on the Finish tab
PARKED = (400, 260)  # an empty part of the Sticks page


def moves(*steps):
    """Each step held for 15 passes, then released for 15."""
    lines = []
    for hold, release in steps:
        lines += [f"odd {hold}", "wait odd 15", f"odd {release}", "wait odd 15"]
    return "\n".join(lines) + "\n"


def pad_at_rest():
    """The odd pad plugged in and read, its sticks at rest."""
    return f"""device odd "Odd Shape Pad" vid=1209 pid=0d77 axes=y,z,rz,s1,s2 buttons=12 povs=0
profile {e2e_gui.DEMO / 'demo.velmoraprofile'}
plug odd
wait odd 2
# A stick on the sliders rests in the middle (the fake's sliders start at 0).
odd axis s1 32767
odd axis s2 32767
wait odd 30
mark pad-read
"""


def scenario():
    head = pad_at_rest()
    phases = [
        ("stick1", [("axis z 0", "axis z 32767"), ("axis rz 0", "axis rz 32767")]),
        ("stick2", [("axis s1 0", "axis s1 32767"), ("axis s2 0", "axis s2 32767")]),
        # Up, then Down, Left and Right: buttons 9, 11, 12, 10.
        ("dpad", [(f"button {b} down", f"button {b} up") for b in (9, 11, 12, 10)]),
        ("triggers", [("axis y 0", "axis y 32767"), ("axis y 65535", "axis y 32767")]),
    ]
    text = head
    for name, steps in phases:
        text += f"wait odd 60\nmark arm-{name}\nwait file armed-{name}\nwait odd 15\n" + moves(*steps)
    # The pointer is parked before the pad plays: its right mouse button would otherwise land on
    # whatever the check is clicking.
    text += "wait odd 20\nmark detected\nwait file armed-play\nmark play\n"
    play = "wait odd 30\nodd axis rz 0\nodd axis y 65535\nwait odd 5\nodd axis rz 32767\nodd axis y 32767\n"
    text += play * 12 + "wait odd 30\nmark played\n"
    # Detected again from the Detect buttons, in another order: stick 1 Left on RZ and Up on Z, the
    # DPad turned a quarter (Up on button 10), the triggers swapped.
    again = [
        ("stick1", [("axis rz 0", "axis rz 32767"), ("axis z 0", "axis z 32767")]),
        ("dpad", [(f"button {b} down", f"button {b} up") for b in (10, 12, 11, 9)]),
        ("triggers", [("axis y 65535", "axis y 32767"), ("axis y 0", "axis y 32767")]),
        # On the Buttons tab: buttons 6 and 7 (which the demo profile leaves without keys) placed.
        ("button6", [("button 6 down", "button 6 up")]),
        ("button7", [("button 7 down", "button 7 up")]),
    ]
    for name, steps in again:
        text += f"wait file armed-again-{name}\nwait odd 15\n" + moves(*steps) + f"mark again-{name}\n"
    return text


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


def armed(s, name):
    """Lets the pad's timeline go on past its mark arm-NAME (it waits for this file)."""
    (s.dir / f"armed-{name}").write_text("")


def box_region(rect, box):
    x, y = client_point(rect, box)
    return x - 4, y - 4, x + 4, y + 4


def arm(s, rect, name, tab, box, ready=True):
    """Ticks a group's Enable box; the pad moves that group's controls only once the tick shows (and,
    without ready, once the caller writes the file)."""
    wait_for(f"the pad's timeline at arm-{name}", lambda: f"mark arm-{name}" in s.log(), timeout=30)
    show_tab(s, rect, tab)
    unticked = s.settled(box_region(rect, box), grab=s.screen_region)
    click_form(s, rect, box)
    wait_for(f"the Enable box of {name} ticked", lambda: s.screen_region(box_region(rect, box)) != unticked)
    if ready:
        armed(s, name)


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
    arm(s, rect, "stick1", 2, STICK_ENABLE[0], ready=False)
    wait_for("the detection panel", lambda: s.screen_region(panel_rect(rect)) != blank)
    wait_for("the panel's arrow pointing left, as it asks for stick 1's Left", lambda: arrow_points_left(s, rect))
    s.save("controller-detecting")
    armed(s, "stick1")
    arm(s, rect, "stick2", 2, STICK_ENABLE[1])
    arm(s, rect, "dpad", 3, GROUP_ENABLE)
    arm(s, rect, "triggers", 5, GROUP_ENABLE)
    wait_for("the pad's timeline at detected", lambda: "mark detected" in s.log(), timeout=30)
    show_tab(s, rect, 2)
    s.save("controller-settings")
    # The pad's right button clicks where Wine last saw the pointer over one of its windows: a move
    # to the bare screen outside them goes unseen. Parked on an empty part of the Sticks page, the
    # clicks do nothing. (Left on Finish's Close, which lies over the main window's controller name
    # box, they would reopen this window once it closed: any button released there opens it.)
    x, y = client_point(rect, PARKED)
    s.xdotool("mousemove", str(x), str(y))
    armed(s, "play")
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
    check_drawn_controls(s, rect)
    colour = paint_with_picked_colour(s, rect)
    for index, name in enumerate(TAB_NAMES):
        show_tab(s, rect, index)
        s.census("controller settings", name, query=FORM)
    show_tab(s, rect, 6)
    click_form(s, rect, CLOSE)
    wait_for("the controller settings window to close", lambda: form(s) is None)
    saved = s.dir / "saved" / f"{LAYOUT_NAME}.velmoracontroller"
    before = saved.read_text(errors="replace")
    s.click(CONTROLLER_BUTTON)
    wait_for("the controller menu", s.menu)
    s.keys("Up", "Up", "Up", "Return")  # "Save", above "Save As..." and "Properties..."
    wait_for("the layout saved again", lambda: layout_text(saved) not in ("", before), timeout=10)
    lines = layout_text(saved).splitlines()
    # Locations are written column first: Up at (161, 417 + 32), Left at (161 + 32, 417).
    wanted = ["Stick1UpLocation=449,161", "Stick1LeftLocation=417,193", "Stick1DownLocation=449,225"]
    missing = [w for w in wanted if w not in lines]
    if missing:
        found = [line for line in lines if line.startswith("Stick1")]
        raise Failed(f"after the drag the layout lacks {', '.join(missing)}; it has {', '.join(found)}")
    check_saved_square(lines, colour)


def arrow_points_left(s, rect):
    """The arrow's ink, counted per column, is narrow at its left end (the tip) and wide at its
    right end (the shaft)."""
    x, y = client_point(rect, ARROW[:2])
    size = ARROW[2]
    pixels = s.shot().crop(x, y, size, size)
    columns = [sum(pixels[(r * size + c) * 3:(r * size + c) * 3 + 3] == b"\0\0\0" for r in range(size))
               for c in range(size)]
    inked = [n for n in columns if n]
    return len(inked) > 2 and inked[0] < inked[-1]


def check_drawn_controls(s, rect):
    """The picture shows buttons as the main window draws them, over its background: a button's
    outline has rounded corners, and the cleared (magenta) image is not shown as magenta."""
    x, y = client_point(rect, (PICTURE[0] + 241, PICTURE[1] + 158))  # the DPad's Up where ticking put it
    shot = s.shot()
    corner, outline = shot.crop(x, y, 1, 1), shot.crop(x + 2, y, 1, 1)
    if corner == b"\0\0\0" or outline != b"\0\0\0":
        raise Failed(f"the DPad's Up is not drawn as a button: corner {corner.hex()}, outline {outline.hex()}")
    bx, by = client_point(rect, (PICTURE[0] + 100, PICTURE[1] + 120))
    if shot.crop(bx, by, 1, 1) == b"\xff\x00\xff":
        raise Failed("the picture shows the image's transparent magenta instead of the background")


def screen_colour(s, rect, point):
    x, y = client_point(rect, point)
    return s.shot().crop(x, y, 1, 1)


def paint_with_picked_colour(s, rect):
    """Pen mode; a colour picked by dragging on the palette shows in the swatch; the pen size set to
    its largest (64) by keys; one click paints a 64 x 64 square of the colour. Returns the colour."""
    show_tab(s, rect, 1)
    click_form(s, rect, (130, 90))  # the Mode list
    s.keys("Down", "Return")  # "Pen": the size slider, the palette and the swatch show
    s.keys("Tab", "End")  # from the Mode list to the size slider, then its largest size
    start = client_point(rect, (PALETTE[0] + 10, PALETTE[1] + 10))
    end = (PALETTE[0] + 40, PALETTE[1] + 33)  # a full colour, between white above and black below
    s.xdotool("mousemove", str(start[0]), str(start[1]), "mousedown", "1")
    s.xdotool("mousemove", *map(str, client_point(rect, end)), "mouseup", "1")
    colour = screen_colour(s, rect, end)
    wait_for("the swatch showing the colour picked last on the palette",
             lambda: screen_colour(s, rect, (SWATCH[0] + 8, SWATCH[1] + 8)) == colour, timeout=5)
    if screen_colour(s, rect, SWATCH) != b"\0\0\0":
        raise Failed("the swatch has no black frame")
    x, y = client_point(rect, (PICTURE[0] + 256, PICTURE[1] + 60))
    s.xdotool("mousemove", str(x), str(y), "click", "1")
    # A 64-pixel square around the point: from 31 before it to 32 after it on both axes.
    wait_for("a square of the picked colour painted by the pen",
             lambda: s.shot().crop(x - 31, y - 31, 64, 64) == colour * 64 * 64, timeout=5)
    s.save("controller-painted")
    return colour


def saved_row(lines, row):
    """Row `row` (from 0) of the saved picture as 512 values, None when the row was left out."""
    key = f"ImageLine{row + 1}="
    found = [line[len(key):] for line in lines if line.startswith(key)]
    if not found:
        return None
    items = [int(item, 16) for item in found[0].split(",")]
    marker, pixels, i = items[0], [], 1
    while i < len(items):
        if items[i] == marker:
            pixels += [items[i + 1]] * items[i + 2]
            i += 3
        else:
            pixels.append(items[i])
            i += 1
    return pixels


def check_saved_square(lines, colour):
    """The saved picture holds the pen's square: rows 29 to 92, columns 225 to 288, and no more."""
    value = colour[2] << 16 | colour[1] << 8 | colour[0]  # blue, green, red as the file writes them
    for row in (28, 29, 92, 93):
        pixels = saved_row(lines, row) or []
        columns = [c for c, v in enumerate(pixels) if v == value]
        want = list(range(225, 289)) if 29 <= row <= 92 else []
        if columns != want:
            shown = f"{columns[0]}..{columns[-1]} ({len(columns)})" if columns else "none"
            raise Failed(f"saved picture row {row}: the pen's colour at columns {shown}")


def layout_text(path):
    """The layout file's text; "" while a save replaces it (under Wine the old file is gone for a
    moment before the new one takes its name)."""
    try:
        return path.read_text(errors="replace")
    except FileNotFoundError:
        return ""


def save_layout(s, saved):
    before = saved.read_text(errors="replace")
    s.click(CONTROLLER_BUTTON)
    wait_for("the controller menu", s.menu)
    s.keys("Up", "Up", "Up", "Return")  # "Save", above "Save As..." and "Properties..."
    wait_for("the layout saved again", lambda: layout_text(saved) not in ("", before), timeout=10)
    return layout_text(saved).splitlines()


def by_hand(s, tab, rect):
    """On a tab: every name box gets "Zed" typed at its end, every selector its next item by the
    keyboard. Returns how many of each."""
    show_tab(s, rect, tab)
    controls = [c for c in s.controls(FORM) if c["visible"] and c["enabled"]]
    edits = [c for c in controls if c["class"] == "Edit"]
    combos = [c for c in controls if c["class"] == "ComboBox"]
    for edit in edits:
        s.click_control(controls, "Edit", f"#{edit['id']}")
        s.keys("End")
        s.xdotool("type", "--delay", "40", "Zed")
    for combo in combos:
        s.click_control(controls, "ComboBox", f"#{combo['id']}")
        s.keys("Down", "Return")
    return len(edits), len(combos)


def check_by_hand(s):
    """The names typed into every name box of the Sticks, DPad and Triggers tabs and the next item
    picked in every selector are saved with the layout; Help shows the window's topic."""
    import controls as census_steps  # the help step is shared

    saved = s.dir / "saved" / f"{LAYOUT_NAME}.velmoracontroller"
    s.click((28, 52, 228, 20))  # the controller name box: the settings of its layout
    rect = wait_for("the controller settings window", lambda: (form(s) or (0, 0, None))[2], timeout=10)
    s.settled(rect, grab=s.screen_region)
    before = saved.read_text(errors="replace").splitlines()
    edits = combos = 0
    for tab in (2, 3, 5):  # Sticks, DPad, Triggers
        e, c = by_hand(s, tab, rect)
        edits, combos = edits + e, combos + c
    census_steps.drive_help(s, s.controls(FORM))
    show_tab(s, rect, 6)
    click_form(s, rect, CLOSE)
    wait_for("the controller settings window to close", lambda: form(s) is None)
    lines = save_layout(s, saved)
    named = [line for line in lines if "Name=" in line and line.endswith("Zed")]
    changed = [line for line in lines if "Access=" in line and line not in before]
    if len(named) != edits or len(changed) != combos or not edits or not combos:
        raise Failed(f"{edits} name boxes and {combos} selectors changed by hand; the saved layout has "
                     f"{len(named)} names typed ({', '.join(named)}) and {len(changed)} accesses changed "
                     f"({', '.join(changed)})")


def nonanalog_scenario():
    """The odd pad at rest, then a button pressed while the Triggers tab detects: not analog."""
    return pad_at_rest() + f"""wait odd 60
mark arm-triggers
wait file armed-triggers
wait odd 15
odd button 1 down
wait odd 15
odd button 1 up
mark pressed
wait odd 3000
"""


def passes_logged(s):
    return len(s.run.pass_log.read_text().split()) if s.run.pass_log.exists() else 0


def check_nonanalog_passes_go_on(s):
    """A button met while a trigger is detected gives "Non-analog trigger detected"; the pads go on
    being read while that message is up (a pass opened it once, and every pad stopped until OK)."""
    s.click(CONTROLLER_BUTTON)
    wait_for("the controller menu", s.menu)
    s.keys("Down", "Return")  # "New"
    rect = wait_for("the controller settings window", lambda: (form(s) or (0, 0, None))[2], timeout=10)
    s.settled(rect, grab=s.screen_region)
    arm(s, rect, "triggers", 5, GROUP_ENABLE)
    notes = wait_for("the non-analog message",
                     lambda: [w for w in s.other_windows() if w[0] == "VelmoraMessageDialog"], timeout=30)
    s.settled(notes[0][2], grab=s.screen_region)
    before = passes_logged(s)
    time.sleep(1.5)
    during = passes_logged(s) - before
    s.save("controller-nonanalog")
    if during < 50:
        raise Failed(f"{during} passes in 1.5 s while the non-analog message was up: the pads stopped")
    s.keys("Return")
    wait_for("the message to close",
             lambda: not [w for w in s.other_windows() if w[0] == "VelmoraMessageDialog"])
    show_tab(s, rect, 6)
    click_form(s, rect, CLOSE)
    wait_for("the controller settings window to close", lambda: form(s) is None)
    save_layout_as(s)  # the new layout is saved, so closing asks nothing


def panel_rect(rect):
    x, y = client_point(rect, PANEL[:2])
    return (x, y, x + PANEL[2], y + PANEL[3])


def sessions(env):
    import _controller_pages as controller_pages  # its steps use this module's

    saved = env.work / "gui-controller" / "saved"
    ini = (f"\n[Default Locations]\nDefaultControllerLocation={e2e.windows_path(saved)}\n")
    return [("gui-controller", scenario(), [("controller-detection", check_detection),
                                                    ("controller-group-drag", check_group_drag),
                                                    ("controller-by-hand", check_by_hand),
                                                    ("controller-pages", controller_pages.check_pages)],
             {"ini_extra": ini, "folders": ["saved"], "record": True}),
            ("gui-controller-nonanalog", nonanalog_scenario(),
             [("controller-nonanalog-passes-go-on", check_nonanalog_passes_go_on)],
             {"ini_extra": ini.replace("gui-controller", "gui-controller-nonanalog"), "folders": ["saved"]})]

