"""The controller settings window's Detect buttons, its Buttons tab and its Image tab, driven after the
controller session's layout was made, painted and saved: a detection started and cancelled, each
group detected again from its Detect button with the session's pad, two buttons placed by the pad (one named, one deleted), and the
picture exported, cleared, opened again and downloaded. The saved layout shows the lot."""

import os
import socket

import controller as c
import controls as steps
from e2e_gui import Failed, wait_for

GROUP_DETECT = (196, 48)  # the group Detect button, right of the Enable box, on every group's page
STICK2_DETECT = (446, 48)  # stick 2's Detect button, on the Sticks page
PEN_SQUARE = (c.PICTURE[0] + 256, c.PICTURE[1] + 60)  # inside the square the pen painted
BITMAP_SIZE = 54 + 512 * 256 * 3


def detect_again(s, rect, name, tab):
    """The group's Detect button starts a detection (its panel shows); the pad then moves the group's
    controls, and the panel goes once the last of them is detected."""
    c.show_tab(s, rect, tab)
    blank = s.settled(c.panel_rect(rect), grab=s.screen_region)
    c.click_form(s, rect, GROUP_DETECT)
    wait_for(f"the detection panel after {name}'s Detect", lambda: s.screen_region(c.panel_rect(rect)) != blank)
    # The pad's right button clicks where the pointer is: an empty part of the page.
    s.xdotool("mousemove", *map(str, c.client_point(rect, c.PARKED)))
    c.armed(s, f"again-{name}")
    wait_for(f"the pad's timeline at again-{name}", lambda: f"mark again-{name}" in s.log(), timeout=30)
    wait_for(f"the panel gone once {name} is detected", lambda: s.screen_region(c.panel_rect(rect)) == blank)


def cancel_detection(s, rect):
    """Stick 2's Detect starts a detection (its panel and Cancel show) while the pad rests; Cancel ends
    it: the panel goes and the layout picture is as before. Stick 2's axes stay (the saved layout)."""
    c.show_tab(s, rect, 2)
    panel = c.panel_rect(rect)
    blank = s.settled(panel, grab=s.screen_region)
    left, top = c.client_point(rect, c.PICTURE)
    picture = (left, top, left + 512, top + 256)
    before = s.settled(picture, grab=s.screen_region)
    c.click_form(s, rect, STICK2_DETECT)
    wait_for("the detection panel after stick 2's Detect", lambda: s.screen_region(panel) != blank)
    controls = s.census("controller settings", "Sticks", query=c.FORM)
    s.click_control(controls, "Button", "Cancel")
    wait_for("the panel gone after Cancel", lambda: s.screen_region(panel) == blank)
    if any(x["id"] == 112 and x["visible"] for x in s.controls(c.FORM)):
        raise Failed("Cancel still shows after it ended the detection")
    if s.settled(picture, grab=s.screen_region) != before:
        raise Failed("the layout picture changed after a detection cancelled")


def name_box(s):
    return next(x for x in s.controls(c.FORM) if x["id"] == 501)


def selected(s, number):
    """Whether button number is selected: its details shown and its name box open."""
    texts = [x["caption"] for x in s.controls(c.FORM) if x["visible"]]
    return f"Details: Button {number}" in texts and name_box(s)["enabled"]


def press_button(s, number):
    """The pad's button pressed on the Buttons tab: placed on the picture and selected."""
    c.armed(s, f"again-button{number}")
    wait_for(f"the pad's timeline at again-button{number}", lambda: f"mark again-button{number}" in s.log(),
             timeout=30)
    wait_for(f"button {number} selected", lambda: selected(s, number))


def drive_buttons(s, rect):
    """Button 6 named by its box; button 7 deleted, which leaves nothing selected."""
    c.show_tab(s, rect, 4)
    press_button(s, 6)
    s.click_control(s.controls(c.FORM), "Edit", "#501")
    s.keys("End")
    s.xdotool("type", "--delay", "40", "Zed")
    press_button(s, 7)
    s.click_control(s.controls(c.FORM), "Button", "Delete")
    wait_for("nothing selected after Delete", lambda: not name_box(s)["enabled"])


def exported_pixel(path, point):
    """The bitmap's pixel at a point of the picture, as red, green, blue (rows are stored bottom up)."""
    row, column = point[1] - c.PICTURE[1], point[0] - c.PICTURE[0]
    data = path.read_bytes()
    at = 54 + ((255 - row) * 512 + column) * 3
    return bytes(reversed(data[at:at + 3]))


def file_error(s, heading):
    """The message a file error shows: its heading, and not the invalid-image one. Closed by OK."""
    texts = [x["caption"] for x in steps.message_text(s)]
    if heading not in texts or "Invalid image detected" in texts:
        raise Failed(f"the message reads {texts}, not \"{heading}\"")
    steps.answer_message(s, steps.message_text(s), "OK")


def unreadable_picture(s):
    """A name that is there but cannot be opened for reading: a Unix socket (as root, no file
    permission keeps the program out)."""
    path = s.dir / "unreadable.bmp"
    if path.exists():
        path.unlink()
    sock = socket.socket(socket.AF_UNIX)
    sock.bind(str(path))
    sock.close()
    return path


def unwritable_folder(s):
    """A folder whose name is taken by a file: nothing can be written inside it."""
    blocker = s.dir / "not-a-folder"
    blocker.write_text("")
    return blocker / "Image.bmp"


def drive_image(s, rect):
    """Export writes the picture; Clear empties it; Open brings it back; a socket opened and a folder
    that cannot be written give the file errors; Download of a pad the database does not know says so
    and keeps the picture."""
    c.show_tab(s, rect, 1)
    painted = c.screen_colour(s, rect, PEN_SQUARE)
    exported = s.dir / "exported.bmp"
    s.click_control(s.controls(c.FORM), "Button", "Export")
    steps.file_dialog(s, exported)
    wait_for("the exported picture", lambda: exported.exists() and exported.stat().st_size == BITMAP_SIZE)
    if exported_pixel(exported, PEN_SQUARE) != painted:
        raise Failed(f"the exported picture has {exported_pixel(exported, PEN_SQUARE).hex()} where the "
                     f"window shows {painted.hex()}")
    s.click_control(s.controls(c.FORM), "Button", "Clear")
    wait_for("the pen's square gone after Clear", lambda: c.screen_colour(s, rect, PEN_SQUARE) != painted)
    s.click_control(s.controls(c.FORM), "Button", "Open")
    steps.file_dialog(s, exported)
    wait_for("the picture opened again", lambda: c.screen_colour(s, rect, PEN_SQUARE) == painted)
    s.click_control(s.controls(c.FORM), "Button", "Open")
    steps.file_dialog(s, unreadable_picture(s))
    file_error(s, "File cannot be found or cannot be opened")
    s.click_control(s.controls(c.FORM), "Button", "Export")
    steps.file_dialog(s, unwritable_folder(s))
    file_error(s, "File cannot be saved")
    s.click_control(s.controls(c.FORM), "Button", "Download")
    steps.answer_message(s, steps.message_text(s), "Overwrite")  # the layout has a file: replace it?
    texts = [x["caption"] for x in steps.message_text(s)]
    if "No ready layout for this controller" not in texts:
        raise Failed(f"Download for a pad the database does not know reads {texts}")
    steps.answer_message(s, steps.message_text(s), "OK")
    if c.screen_colour(s, rect, PEN_SQUARE) != painted:
        raise Failed("the picture changed after a Download that found no ready layout")


def check_pages(s):
    """Stick 1, the DPad and the triggers detected again in another order from their Detect buttons;
    the Buttons and Image tabs; all of it in the layout saved after."""
    saved = s.dir / "saved" / f"{c.LAYOUT_NAME}.velmoracontroller"
    s.click((28, 52, 228, 20))  # the controller name box: the settings of its layout
    rect = wait_for("the controller settings window", lambda: (c.form(s) or (0, 0, None))[2], timeout=10)
    s.settled(rect, grab=s.screen_region)
    # Stick 2, whose detection is cancelled, keeps the axes the by-hand check saved.
    stick2 = [line for line in saved.read_text(errors="replace").splitlines() if line.startswith("Stick2")]
    if not any("Access=" in line for line in stick2):
        raise Failed("the layout saved before has no stick 2 axes to keep")
    cancel_detection(s, rect)
    detect_again(s, rect, "stick1", 2)
    detect_again(s, rect, "dpad", 3)
    detect_again(s, rect, "triggers", 5)
    drive_buttons(s, rect)
    drive_image(s, rect)
    s.close_box(c.FORM)  # a tab click after a dialog (Finish's Close) is checked elsewhere
    wait_for("the controller settings window to close", lambda: c.form(s) is None)
    lines = c.save_layout(s, saved)
    wanted = stick2 + ["Stick1XAccess=Axis RZ", "Stick1YAccess=Axis Z", "DPadUpAccess=Button 10",
              "DPadDownAccess=Button 12", "DPadLeftAccess=Button 11", "DPadRightAccess=Button 9",
              "TriggerRightAccess=Axis Y -", "Button6Name=Button 6Zed"]
    missing = [w for w in wanted if w not in lines]
    if not any(line in lines for line in ("TriggerLeftAccess=Axis Y", "TriggerLeftAccess=Axis Y +")):
        missing.append("TriggerLeftAccess=Axis Y")
    if missing or any(line.startswith("Button7") for line in lines) or not any(
            line.startswith("Button6Location=") for line in lines):
        found = [line for line in lines if "Access=" in line or line.startswith(("Button6", "Button7"))]
        raise Failed(f"the saved layout lacks {', '.join(missing) or 'nothing'} (button 6 placed, 7 deleted); "
                     f"it has {', '.join(found)}")
    painted = exported_pixel(s.dir / "exported.bmp", PEN_SQUARE)
    row = c.saved_row(lines, PEN_SQUARE[1] - c.PICTURE[1]) or []
    if len(row) != 512 or row[PEN_SQUARE[0] - c.PICTURE[0]] != painted[2] << 16 | painted[1] << 8 | painted[0]:
        raise Failed("the saved picture lacks the pen's square that Open brought back")
