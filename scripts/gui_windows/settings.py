"""GUI checks of the controller properties window (and the global settings window)."""

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
    s.xdotool("mousemove", str(origin[0] + CONTROL_PANEL_BUTTON[0]), str(origin[1] + CONTROL_PANEL_BUTTON[1]),
              "click", "1")
    wait_for("the pad's own control panel asked for, owned by the window",
             lambda: "control-panel pad owner set flags 0" in s.log())
    s.keys("Escape")
    wait_for("Escape to close the properties", lambda: not s.other_windows())


def sessions(env):
    return [("gui-settings", trigger_scenario(), [("properties-live", check_properties_live)], {})]
