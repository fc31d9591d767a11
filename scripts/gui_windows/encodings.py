"""A profile as older Windows editors save names outside the ANSI page: the demo profile with its
assignment names in Russian, saved as "Unicode" (UTF-16 LE with a byte-order mark). It must open with
its assignments (the pad's button A injects Space, the demo's Jump) and show its names."""

import e2e_gui
from e2e_gui import DEMO, Failed, wait_for

# The demo's names in Russian: Jump, Copy, Combo, Fire, Weapon, Shift set, Confirm, Aim.
RUSSIAN = {"Jump": "Прыжок", "Copy": "Копия", "Combo": "Комбо", "Fire": "Огонь", "Weapon": "Оружие",
           "Shift set": "Набор", "Confirm": "Да", "Aim": "Прицел"}
SPACE = "39"
# The demo layout's button 2 ("Copy"): its Location, inside the layout picture.
COPY_BUTTON = (e2e_gui.LAYOUT[0] + 389, e2e_gui.LAYOUT[1] + 85, 30, 30)


def utf16_demo_profile(folder):
    """The demo profile with Russian names, as UTF-16 LE with a mark, under its own file name."""
    lines = []
    for line in (DEMO / "demo.velmoraprofile").read_text(encoding="utf-8").splitlines():
        name, _, value = line.partition("=")
        lines.append(f"{name}={RUSSIAN[value]}" if name.endswith("Name") and value in RUSSIAN else line)
    folder.mkdir(parents=True, exist_ok=True)
    path = folder / "demo.velmoraprofile"
    path.write_bytes("\r\n".join(lines + [""]).encode("utf-16"))
    return path


def check_utf16_profile(s):
    """The demo starts with names shown; the switch shows the keys instead and back. Button 2 is
    never pressed, so its picture changes only with the switch."""
    wait_for("a press of A injecting Space (the profile's Jump)", lambda: SPACE in s.trace_keys(), timeout=10)
    names = s.settled(COPY_BUTTON)
    s.save("utf16-names")
    s.click(e2e_gui.NAMES_SWITCH)
    wait_for("button 2 to show its key instead of its name", lambda: s.picture(COPY_BUTTON) != names)
    s.settled(e2e_gui.LAYOUT)
    s.save("utf16-keys")
    s.click(e2e_gui.NAMES_SWITCH)
    wait_for("the name back on button 2", lambda: s.picture(COPY_BUTTON) == names)


def sessions(env):
    profile = utf16_demo_profile(env.work / "gui-utf16-profile")
    head = e2e_gui.SCENARIO_HEAD.replace(str(DEMO / "demo.velmoraprofile"), str(profile))
    if head == e2e_gui.SCENARIO_HEAD:
        raise Failed("the demo scenario head no longer names the demo profile")
    scenario = head + e2e_gui.pressing_scenario()[len(e2e_gui.SCENARIO_HEAD):]
    return [("gui-utf16", scenario, [("utf16-profile", check_utf16_profile)], {"record": True})]
