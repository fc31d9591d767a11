"""GUI checks of the controller properties window (and the global settings window)."""

import shutil

import e2e
import e2e_gui
from e2e_gui import Failed, wait_for

# The selected controller's tab: a click on it shows its properties.
FIRST_TAB = (9, 9, 64, 32)
PROPERTIES = "Controller Properties"
PROPERTIES_CLIENT = (640, 420)
# In the properties window's client area: the XInput panel (its seven bars with their numbers) and
# the centre of the Control Panel button.
XINPUT_PANEL = (432, 20, 205, 120)
CONTROL_PANEL_BUTTON = (63, 399)


SETTINGS_BUTTON = (469, 12, 20, 20)
SETTINGS = "Velmora Settings"
SETTINGS_CLIENT = (460, 420)
# In the settings window's client area: the first tab, the notification-area box of the Options tab
# and the Solid and Vista buttons of the Theme tab.
FIRST_SETTINGS_TAB = (30, 20)
TRAY_ICON_BOX = (40, 326)
SOLID_BUTTON = (58, 172)
VISTA_BUTTON = (238, 172)
INTERFACE_1_BUTTON = (124, 77)
PALETTE = (300, 66, 130, 130)
# The main window in the top-right corner and the settings window below-left of it: both in sight.
BESIDE = ("\n[Options]\nRememberWindowPositions=1\n"
          "[Window Positions]\nMainWindowPosition=498,0\nSettingsWindowPosition=0,320\n")


def trigger_scenario(rounds=40):
    """The demo pad's right trigger pulled and let go every 30 reads, for about 24 s."""
    lines = [e2e_gui.SCENARIO_HEAD]
    for _ in range(rounds):
        lines.append("wait pad 30\npad trigger right 255\nwait pad 30\npad trigger right 0\n")
    return "".join(lines)


def client_origin(s, caption, client_size):
    """The screen point of a window's client area: its frame has equal borders left, right and below."""
    found = wait_for(f"a window \"{caption}\"", lambda: [w for w in s.other_windows() if w[1] == caption])
    left, _, right, bottom = found[0][2]
    border = (right - left - client_size[0]) // 2
    return left + border, bottom - border - client_size[1]


def panel_of(origin, region):
    return (origin[0] + region[0], origin[1] + region[1], origin[0] + region[0] + region[2],
            origin[1] + region[1] + region[3])


def check_properties_live(s):
    """A click on the selected tab shows the properties; the XInput bars follow the trigger."""
    s.click(FIRST_TAB)
    origin = client_origin(s, PROPERTIES, PROPERTIES_CLIENT)
    panel = panel_of(origin, XINPUT_PANEL)
    first = s.screen_region(panel)
    wait_for("the XInput panel to change as the trigger moves", lambda: s.screen_region(panel) != first,
             timeout=10)
    changed = s.screen_region(panel)
    wait_for("the XInput panel to change again", lambda: s.screen_region(panel) != changed, timeout=10)
    s.save("controller-properties")
    s.census("properties", query=PROPERTIES)
    s.xdotool("mousemove", str(origin[0] + CONTROL_PANEL_BUTTON[0]), str(origin[1] + CONTROL_PANEL_BUTTON[1]),
              "click", "1")
    wait_for("the pad's own control panel asked for, owned by the window",
             lambda: "control-panel pad owner set flags 0" in s.log())
    s.keys("Escape")
    wait_for("Escape to close the properties", lambda: not s.other_windows())


def click_in(s, origin, point):
    s.xdotool("mousemove", str(origin[0] + point[0]), str(origin[1] + point[1]), "click", "1")


def open_settings(s):
    s.click(SETTINGS_BUTTON)
    return client_origin(s, SETTINGS, SETTINGS_CLIENT)


def check_tray_option(s):
    """The notification-area box of the Options tab takes the tray icon away and brings it back."""
    if not s.tray_shown():
        raise Failed("no tray icon before the option was touched")
    origin = open_settings(s)
    s.save("global-settings-options")
    s.census("global settings", "Options", query=SETTINGS)
    click_in(s, origin, TRAY_ICON_BOX)
    wait_for("the tray icon gone after the box was cleared", lambda: not s.tray_shown())
    click_in(s, origin, TRAY_ICON_BOX)
    wait_for("the tray icon back after the box was ticked", s.tray_shown)
    click_in(s, origin, FIRST_SETTINGS_TAB)
    s.keys("Right", "Right", "Right")  # Values, Theme, then Language
    s.census("global settings", "Language", query=SETTINGS)
    s.keys("Right")
    s.census("global settings", "Controllers", query=SETTINGS)
    s.keys("Escape")
    wait_for("Escape to close the settings", lambda: not s.other_windows())


def check_button_style(s):
    """The Solid style redraws the main picture's buttons at once; Vista brings the picture back."""
    vista = s.settled(e2e_gui.LAYOUT)
    origin = open_settings(s)
    click_in(s, origin, FIRST_SETTINGS_TAB)
    s.keys("Right")
    s.census("global settings", "Values", query=SETTINGS)
    s.keys("Right")  # Theme
    s.census("global settings", "Theme", query=SETTINGS)
    click_in(s, origin, SOLID_BUTTON)
    wait_for("the main picture to change with the Solid style", lambda: s.picture(e2e_gui.LAYOUT) != vista)
    s.settled(e2e_gui.LAYOUT)
    s.save("global-settings-theme")
    click_in(s, origin, VISTA_BUTTON)
    wait_for("the main picture as before with the Vista style", lambda: s.picture(e2e_gui.LAYOUT) == vista)
    click_in(s, origin, INTERFACE_1_BUTTON)
    palette = panel_of(origin, PALETTE)

    def colourful():
        pixels = s.screen_region(palette)
        return len({pixels[i:i + 3] for i in range(0, len(pixels), 3 * 7)}) > 100

    wait_for("the palette to show after a colour button", colourful)
    s.save("global-settings-palette")
    s.keys("Escape")
    wait_for("Escape to close the settings", lambda: not s.other_windows())


def enabled(s, cls, caption):
    """Whether the settings window's control (class and caption, or "#ID") is enabled now."""
    found = [c for c in s.controls(SETTINGS) if c["visible"] and c["class"].lower() == cls.lower()
             and (c["caption"] == caption or "#" + str(c["id"]) == caption)]
    if not found:
        raise Failed(f"no {cls} \"{caption}\" on the Programs tab")
    return found[0]["enabled"]


def choose_file(s, prefix, path):
    """Types a file's full name into the file dialog whose title starts with prefix."""
    dialogs = wait_for(f"a dialog \"{prefix}...\"",
                       lambda: [w for w in s.other_windows() if w[1].startswith(prefix)], timeout=10)
    s.settled(dialogs[0][2], grab=s.screen_region)
    s.xdotool("type", "--delay", "20", e2e.windows_path(path))
    s.keys("Return")
    wait_for(f"the dialog \"{dialogs[0][1]}\" to close", lambda: dialogs[0][1] not in
             [w[1] for w in s.other_windows()], timeout=10)


def add_program_rule(s, program, profile):
    """Add..., the menu's last item (Browse...), the program in the open dialog, then its profile."""
    s.click_control(s.controls(SETTINGS), "Button", "Add...")
    wait_for("the Add menu", s.menu)
    s.keys("Up", "Return")
    choose_file(s, "Open Program", program)
    choose_file(s, "Open Profile", profile)


def expect_moves(s, up, down):
    wait_for(f"Move Up {'enabled' if up else 'disabled'}, Move Down {'enabled' if down else 'disabled'}",
             lambda: (enabled(s, "Button", "Move Up"), enabled(s, "Button", "Move Down")) == (up, down))


def drive_rule_header(s):
    """The rules are tried in their order, so the list does not sort: its header is no button (a press
    on it draws nothing and leaves the rows as they were); a drag on a divider sizes the columns."""
    controls = s.controls(SETTINGS)
    rows = next(c["rect"] for c in controls if c["class"] == "SysListView32" and c["id"] == 1601)
    header = next(c["rect"] for c in controls if c["class"] == "SysHeader32" and c["visible"])
    s.xdotool("mousemove", str(header[0] + 40), str(header[1] + 8))
    before, listed = s.settled(header, grab=s.screen_region), s.screen_region(rows)
    s.xdotool("mousedown", "1")
    pressed = s.settled(header, grab=s.screen_region)
    s.xdotool("mouseup", "1")
    if pressed != before:
        raise Failed("the rules' header is drawn pressed: a header button of a list that does not sort")
    if s.settled(rows, grab=s.screen_region) != listed:
        raise Failed("a click on the rules' header changed the list")
    divider = header[0] + 2 + 110  # between Program and Title
    s.xdotool("mousemove", str(divider), str(header[1] + 8), "mousedown", "1")
    s.xdotool("mousemove", str(divider - 50), str(header[1] + 8), "mouseup", "1")
    wait_for("the header's columns sized by a drag", lambda: s.screen_region(header) != before)


def check_programs_tab(s):
    """The Programs tab: two rules added by browsing for programs and their profiles, moved (the
    selection follows), the second deleted; the first gets another profile, a title part and the
    demo pad's model, and the switch is cleared: Velmora.ini keeps exactly that when the program ends."""
    other = s.dir / "other.velmoraprofile"
    shutil.copy(s.dir / "demo.velmoraprofile", other)
    origin = open_settings(s)
    click_in(s, origin, FIRST_SETTINGS_TAB)
    s.keys("Right", "Right", "Right", "Right", "Right")
    s.census("global settings", "Programs", query=SETTINGS)
    if enabled(s, "Button", "Delete"):
        raise Failed("Delete enabled with no rule selected")
    add_program_rule(s, s.env.tools / "velmora-window.exe", s.dir / "demo.velmoraprofile")
    add_program_rule(s, s.env.tools / "recorder.exe", s.dir / "demo.velmoraprofile")
    expect_moves(s, True, False)  # the new rule is selected, at the end
    drive_rule_header(s)
    s.click_control(s.controls(SETTINGS), "Button", "Move Up")
    expect_moves(s, False, True)
    s.click_control(s.controls(SETTINGS), "Button", "Move Down")
    expect_moves(s, True, False)
    s.click_control(s.controls(SETTINGS), "Button", "Delete")
    wait_for("the first rule selected after the delete", lambda: enabled(s, "Button", "Profile..."))
    s.click_control(s.controls(SETTINGS), "Button", "Profile...")
    choose_file(s, "Open Profile", other)
    s.click_control(s.controls(SETTINGS), "Edit", "#1607")
    s.xdotool("type", "--delay", "20", "Probe")
    s.click_control(s.controls(SETTINGS), "ComboBox", "#1608")
    s.keys("Down", "Return")
    s.click_control(s.controls(SETTINGS), "Button", "Switch profiles by program")
    s.save("global-settings-programs")
    s.keys("Escape")
    wait_for("Escape to close the settings", lambda: not s.other_windows())
    s.close()
    ini = (s.dir / "Velmora.ini").read_text(errors="replace")
    want = ("[Program Profiles]\r\nSwitchProfilesByProgram=0\r\nProgram1File=velmora-window.exe\r\n"
            "Program1Title=Probe\r\nProgram1Controller=Velmora Demo Pad\r\n"
            "Program1Profile=other.velmoraprofile\r\n")
    if want.replace("\r\n", "\n") not in ini.replace("\r\n", "\n") or "Program2" in ini:
        raise Failed("Velmora.ini does not keep the edited rule alone:\n" + ini[ini.find("[Program"):])


def sessions(env):
    return [("gui-settings", trigger_scenario(), [("properties-live", check_properties_live)], {}),
            ("gui-global", e2e_gui.SCENARIO_HEAD,
             [("tray-option", check_tray_option), ("button-style", check_button_style),
              ("programs-tab", check_programs_tab)], {"ini_extra": BESIDE})]
