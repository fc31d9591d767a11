"""GUI checks on a screen scaled to 200 %: the main window's picture at twice its size, each pixel a
2 x 2 square, and clicks and menus mapped through the same factor; the settings windows at twice
their client size, opened where their marker or button lies, their pictures enlarged and clicks on
them mapped back."""

import time

import e2e_gui
from e2e_gui import Failed, wait_for

DPI = 192
FACTOR = 2
# Room for the enlarged window, and below its picture for a settings window opened at a marker
# without being pushed back onto the screen.
SCREEN = "1920x2100x24"


def scaled(region):
    return tuple(v * FACTOR for v in region)


def is_doubled(pixels, width, height):
    """Whether a screen region of this size shows 2 x 2 squares: each even row repeated below
    it and each even column (in every seventh row pair) repeated on its right."""
    rows = [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]
    if any(rows[y] != rows[y + 1] for y in range(0, height - 1, 2)):
        return False
    return all(row[x:x + 3] == row[x + 3:x + 6] for row in rows[::14] for x in range(0, len(row) - 3, 6))


def check_scaled_client(s):
    """The client area is the 520 x 360 picture times two, its pixels drawn as 2 x 2 squares."""
    status, text = s.tool("client")
    size = tuple(int(v) for v in text.split()) if status == 0 else None
    if size != (520 * FACTOR, 360 * FACTOR):
        raise Failed(f"the client area is {text!r}, not {520 * FACTOR} x {360 * FACTOR}")
    layout = scaled(e2e_gui.LAYOUT)
    if not is_doubled(s.settled(layout), layout[2], layout[3]):
        raise Failed("the enlarged picture is not made of 2 x 2 squares")
    s.save("main-window-200-percent")


def check_scaled_clicks(s):
    """A click on the enlarged names switch switches the names; the profile button's menu opens
    below the enlarged button, as both do at 100 %."""
    layout = scaled(e2e_gui.LAYOUT)
    names = s.settled(layout)
    s.click(scaled(e2e_gui.NAMES_SWITCH))
    wait_for("the layout to change after a click on the enlarged names switch",
             lambda: s.picture(layout) != names)
    s.settled(layout)
    s.click(scaled(e2e_gui.NAMES_SWITCH))
    wait_for("the first picture back after a second click", lambda: s.picture(layout) == names)
    # The profile button, not the help button: the help menu meets the screen's right edge.
    profile_button = scaled(e2e_gui.PROFILE_BUTTON)
    s.click(profile_button)
    s.wait_menu_below(profile_button)
    s.save("profile-menu-200-percent")
    s.keys("Escape")
    s.wait_menu_closed()


HELP_CLIENT = (457, 329)
# The help window's OK button: its centre, in 96-dpi pixels of the client area.
HELP_OK = (457 - 8 - 97 // 2, 329 - 41 + 8 + 25 // 2)


def scaled_client_origin(s, found, client, name):
    """The screen point of a window's client area, once its size is checked to be the client size
    at 200 % and a frame."""
    left, top, right, bottom = found[2]
    border = (right - left - client[0] * FACTOR) // 2
    if not 0 <= border <= 16:
        raise Failed(f"the {name} is {right - left} pixels wide, not {client[0] * FACTOR} and a frame")
    return left + border, bottom - border - client[1] * FACTOR


def close_by_ok(s, origin, ok, name):
    """A click where the OK button lies at 200 % closes the window."""
    x, y = scaled(ok)
    s.xdotool("mousemove", str(origin[0] + x), str(origin[1] + y), "click", "1")
    wait_for(f"a click on the enlarged OK button to close the {name}", lambda: not s.other_windows())


def check_scaled_help_window(s):
    """The help window lays itself out at 200 %: twice its client size, and a click on where its
    OK button lies at that size closes it."""
    s.click(scaled(e2e_gui.HELP_BUTTON))
    wait_for("the help menu", s.menu)
    s.keys("Up", "Return")  # the last item, "About"
    found = wait_for("a help window after choosing the last help item", s.other_windows)[0]
    origin = scaled_client_origin(s, found, HELP_CLIENT, "help window")
    s.settled((origin[0], origin[1], found[2][2], found[2][3]), grab=s.screen_region)
    s.save("help-window-200-percent")
    close_by_ok(s, origin, HELP_OK, "help window")


DPAD_MARKER = (e2e_gui.LAYOUT[0] + 157, e2e_gui.LAYOUT[1] + 117, 16, 16)
DPAD_CLIENT = (404, 268)
# The DPad's disc picture inside the DPad window's client area.
DPAD_DISC = (12, 12, 127, 127)


def check_scaled_dpad_window(s):
    """The DPad settings window lays itself out at 200 %: twice its client size, its disc picture
    enlarged in 2 x 2 squares."""
    marker = scaled(DPAD_MARKER)
    s.click(marker)
    s.wait_menu_below(marker)
    s.keys("Down", "Return")  # the first item, Settings
    found = wait_for("the DPad settings window", lambda: [w for w in s.other_windows() if "DPad" in w[1]])
    origin = scaled_client_origin(s, found[0], DPAD_CLIENT, "DPad window")
    disc = tuple(v * FACTOR for v in DPAD_DISC)
    region = (origin[0] + disc[0], origin[1] + disc[1], origin[0] + disc[0] + disc[2], origin[1] + disc[1] + disc[3])
    if not is_doubled(s.settled(region, grab=s.screen_region), disc[2], disc[3]):
        raise Failed("the DPad disc is not enlarged in 2 x 2 squares")
    s.save("dpad-window-200-percent")
    s.keys("Escape")
    wait_for("Escape to close the DPad window", lambda: not s.other_windows())


STICK1_MARKER = (e2e_gui.LAYOUT[0] + 232, e2e_gui.LAYOUT[1] + 212, 16, 16)


def check_stick_window_at_marker(s):
    """The stick window opens with its top-left corner on the enlarged marker it was opened from."""
    marker = scaled(STICK1_MARKER)
    s.click(marker)
    s.wait_menu_below(marker)
    s.keys("Down", "Return")  # the first item, Settings
    found = wait_for("the stick settings window", lambda: [w for w in s.other_windows() if "Stick 1" in w[1]])
    want = s.screen_point(marker[0], marker[1])
    corner = found[0][2][:2]
    s.save("stick-window-200-percent")
    if abs(corner[0] - want[0]) > 1 or abs(corner[1] - want[1]) > 1:
        raise Failed(f"the stick window opened at {corner[0]},{corner[1]}, not at its marker at {want[0]},{want[1]}")
    s.keys("Escape")
    wait_for("Escape to close the stick window", lambda: not s.other_windows())


ASSIGNMENT_CLIENT = (737, 273)
# Keys of the assignment window's keyboard picture, in 96-dpi pixels of its client area: Q and Z.
Q_KEY, Z_KEY = (60, 120), (84, 168)


def client_point(origin, point):
    x, y = scaled(point)
    return str(origin[0] + x), str(origin[1] + y)


ADVANCED_CLIENT, ADVANCED_BUTTON = (521, 297), (572, 255)
# The advanced window's Rumble tab and the max icon of the left strength.
RUMBLE_TAB, LEFT_MAX = (358, 20), (314, 103)


def saved_profile_line(s, start):
    """Saves the profile through the enlarged profile button's menu (Save, just above Save As);
    gives a reader of the saved profile's line that starts so."""
    profile_button = scaled(e2e_gui.PROFILE_BUTTON)
    s.click(profile_button)
    s.wait_menu_below(profile_button)
    s.keys("Up", "Up", "Return")
    saved = s.dir / "demo.velmoraprofile"
    return lambda: next((l for l in saved.read_text(errors="replace").splitlines() if l.startswith(start)), "")


def check_scaled_assignment_window(s):
    """The assignment window lays itself out at 200 %: twice its client size; over where the Q key
    lies at that size the caption names Q, and a click where Z lies assigns Z, as the saved profile
    shows."""
    s.click(scaled(e2e_gui.JUMP_BUTTON))
    found = wait_for("the assignment window after a click on button A",
                     lambda: [w for w in s.other_windows() if w[0] == "VelmoraAssignmentForm"])
    origin = scaled_client_origin(s, found[0], ASSIGNMENT_CLIENT, "assignment window")
    s.xdotool("mousemove", *client_point(origin, Q_KEY))
    wanted = 'A - Press any key or click to assign "Q"'
    wait_for(f"the caption {wanted!r} over the enlarged Q key",
             lambda: any(w[1] == wanted for w in s.other_windows()))
    s.save("assignment-window-200-percent")
    s.xdotool("mousemove", *client_point(origin, Z_KEY), "click", "1")
    wait_for("a click on the enlarged Z key to close the window", lambda: not s.other_windows())
    slots = saved_profile_line(s, "Set1Button1Slots=")
    wait_for("the saved profile to give button A Z", lambda: slots() == "Set1Button1Slots=Z", timeout=10)


def check_scaled_advanced_window(s):
    """The advanced assignment window lays itself out at 200 % too: twice its client size, its tabs
    and the Rumble page's icons where they lie at that size; a click on the left strength's max icon
    sets it to 255, as the saved profile shows."""
    s.click(scaled(e2e_gui.JUMP_BUTTON))
    found = wait_for("the assignment window", lambda: [w for w in s.other_windows() if w[0] == "VelmoraAssignmentForm"])
    origin = scaled_client_origin(s, found[0], ASSIGNMENT_CLIENT, "assignment window")
    s.settled(found[0][2], grab=s.screen_region)
    s.xdotool("mousemove", *client_point(origin, ADVANCED_BUTTON), "click", "1")
    advanced = wait_for("the advanced window after its enlarged button",
                        lambda: [w for w in s.other_windows() if w[0] == "VelmoraAdvancedAssignmentForm"])
    origin = scaled_client_origin(s, advanced[0], ADVANCED_CLIENT, "advanced window")
    s.xdotool("mousemove", *client_point(origin, RUMBLE_TAB), "click", "1")
    time.sleep(0.3)
    s.xdotool("mousemove", *client_point(origin, LEFT_MAX), "click", "1")
    s.settled(advanced[0][2], grab=s.screen_region)
    s.save("advanced-window-200-percent")
    s.close_box("VelmoraAdvancedAssignmentForm")  # Escape would be assigned
    wait_for("the close box to close the advanced window",
             lambda: not [w for w in s.other_windows() if w[0] == "VelmoraAdvancedAssignmentForm"])
    s.click(scaled(e2e_gui.JUMP_BUTTON))
    wait_for("a second click on button A to close the assignment window", lambda: not s.other_windows())
    strengths = saved_profile_line(s, "Set1Button1RumbleStrengths=")
    wait_for("the saved profile to give button A the left strength 255",
             lambda: strengths().replace(" ", "").startswith("Set1Button1RumbleStrengths=255,"), timeout=10)


# The selected controller's tab on the main picture; the properties window's client size and its
# XInput panel (heading, seven bars and their numbers) in 96-dpi pixels of the client area.
FIRST_TAB = (9, 9, 64, 32)
PROPERTIES_CLIENT = (640, 420)
XINPUT_PANEL = (432, 8, 205, 130)


def check_scaled_properties_window(s):
    """The controller properties window lays itself out at 200 %: twice its client size, and its
    panels, painted off screen first, fill the enlarged window (the XInput panel's bars lie where
    they lie at that size, not at the half-size place)."""
    s.click(scaled(FIRST_TAB))
    found = wait_for("the controller properties window",
                     lambda: [w for w in s.other_windows() if w[0] == "VelmoraControllerPropertiesWindow"])
    origin = scaled_client_origin(s, found[0], PROPERTIES_CLIENT, "properties window")
    x, y, w, h = scaled(XINPUT_PANEL)
    pixels = s.settled((origin[0] + x, origin[1] + y, origin[0] + x + w, origin[1] + y + h), grab=s.screen_region)
    s.save("properties-window-200-percent")
    colours = [pixels[i:i + 3] for i in range(0, len(pixels), 3)]
    # White with the bars' blue (the thumbs stand at half way); nothing of the screen's black
    # around a picture copied at half size.
    if colours.count(b"\xff\xff\xff") < 0.7 * len(colours) or b"\x00\x78\xd7" not in colours:
        raise Failed("the enlarged properties window's XInput panel is not drawn at its enlarged place")
    s.keys("Escape")
    wait_for("Escape to close the properties window", lambda: not s.other_windows())


SETTINGS_BUTTON = (469, 12, 20, 20)
SETTINGS_CLIENT = (460, 420)
# In the settings window's client area: the first tab, the Interface 1 colour button with the strip
# of its colour below it, and the palette that button shows.
FIRST_SETTINGS_TAB = (30, 20)
INTERFACE_1_BUTTON, INTERFACE_1_STRIP = (124, 77), (112, 91, 24, 4)
PALETTE = (300, 66, 130, 130)


def check_scaled_settings_window(s):
    """The global settings window lays itself out at 200 %: twice its client size, the Theme tab's
    palette enlarged, and a click on the enlarged palette picks a colour for the strip below the
    Interface 1 button."""
    s.click(scaled(SETTINGS_BUTTON))
    found = wait_for("the settings window",
                     lambda: [w for w in s.other_windows() if w[0] == "VelmoraGlobalSettingsWindow"])
    origin = scaled_client_origin(s, found[0], SETTINGS_CLIENT, "settings window")
    s.xdotool("mousemove", *client_point(origin, FIRST_SETTINGS_TAB), "click", "1")
    s.keys("Right", "Right")  # Values, then Theme
    s.xdotool("mousemove", *client_point(origin, INTERFACE_1_BUTTON), "click", "1")
    x, y, w, h = scaled(PALETTE)
    palette = (origin[0] + x, origin[1] + y, origin[0] + x + w, origin[1] + y + h)
    wait_for("the enlarged palette", lambda: len(set(s.screen_region(palette)[::3 * 7])) > 60)
    x, y, w, h = scaled(INTERFACE_1_STRIP)
    strip = (origin[0] + x, origin[1] + y, origin[0] + x + w, origin[1] + y + h)
    before = s.screen_region(strip)
    s.save("settings-window-200-percent")
    # A quarter into the palette from its top-left corner: a colour unlike the default's.
    s.xdotool("mousemove", *client_point(origin, (PALETTE[0] + 32, PALETTE[1] + 32)), "click", "1")
    wait_for("the strip to take the colour picked on the enlarged palette",
             lambda: s.screen_region(strip) != before)
    s.keys("Escape")
    wait_for("Escape to close the settings window", lambda: not s.other_windows())


CONTROLLER_NAME_BOX = (28, 52, 228, 20)
CONTROLLER_CLIENT = (520, 590)
# In the controller settings window's client area: the layout picture, the Image tab, its Mode
# list, and the palette with the swatch right of it.
LAYOUT_PICTURE = (4, 330, 512, 256)
IMAGE_TAB, MODE_LIST = (83, 15), (130, 90)
PALETTE_COLOUR, SWATCH_CENTRE = (16 + 40, 130 + 33), (156 + 8, 130 + 8)


def check_scaled_controller_window(s):
    """The controller settings window lays itself out at 200 %: twice its client size, its layout
    picture in 2 x 2 squares, and in Pen mode a click on the enlarged palette shows the colour under
    the pointer in the swatch."""
    s.click(scaled(CONTROLLER_NAME_BOX))
    found = wait_for("the controller settings window",
                     lambda: [w for w in s.other_windows() if w[0] == "TControllerSettingsForm"], timeout=10)
    origin = scaled_client_origin(s, found[0], CONTROLLER_CLIENT, "controller settings window")
    x, y, w, h = scaled(LAYOUT_PICTURE)
    picture = (origin[0] + x, origin[1] + y, origin[0] + x + w, origin[1] + y + h)
    if not is_doubled(s.settled(picture, grab=s.screen_region), w, h):
        raise Failed("the controller settings window's layout picture is not enlarged in 2 x 2 squares")
    s.xdotool("mousemove", *client_point(origin, IMAGE_TAB), "click", "1")
    s.xdotool("mousemove", *client_point(origin, MODE_LIST), "click", "1")
    s.keys("Down", "Return")  # Pen: the size slider, the palette and the swatch show
    colour_at = lambda point: s.shot().crop(*map(int, client_point(origin, point)), 1, 1)
    s.xdotool("mousemove", *client_point(origin, PALETTE_COLOUR), "click", "1")
    colour = colour_at(PALETTE_COLOUR)
    wait_for("the swatch to show the colour clicked on the enlarged palette",
             lambda: colour_at(SWATCH_CENTRE) == colour, timeout=5)
    s.save("controller-window-200-percent")
    s.keys("Escape")
    wait_for("Escape to close the controller settings window", lambda: not s.other_windows())


def sessions(env):
    return [("gui-dpi", e2e_gui.SCENARIO_HEAD,
             [("scaled-client", check_scaled_client), ("scaled-clicks", check_scaled_clicks),
              ("scaled-help-window", check_scaled_help_window), ("scaled-dpad-window", check_scaled_dpad_window),
              ("stick-window-at-marker", check_stick_window_at_marker),
              ("scaled-assignment-window", check_scaled_assignment_window),
              ("scaled-advanced-window", check_scaled_advanced_window),
              ("scaled-properties-window", check_scaled_properties_window),
              ("scaled-settings-window", check_scaled_settings_window),
              ("scaled-controller-window", check_scaled_controller_window)],
             {"dpi": DPI, "screen": SCREEN})]
