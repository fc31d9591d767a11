#!/usr/bin/env python3
"""GUI checks: real clicks, keys, menus, the tray icon and dialogs of Velmora.exe under Wine.

    e2e_gui.py [--build DIR] [CHECK...]     (also: e2e.py [--build DIR] gui)

Starts Velmora.exe with the demo profile and a fake XInput pad on the virtual display of
scripts/e2e.py, clicks its picture with xdotool, presses keys, reads the screen with ImageMagick's
`import` and asks tools/window (velmora-window.exe) what is on screen. Prints "gui NAME: ok" or the
problem for each check. Screenshots land in build/.../e2e/gui/*.png.
Exit status: 0 passed, 1 failed, 77 skipped (no Velmora.exe yet).
"""

import argparse
import importlib.util
import os
import re
import select
import shutil
import subprocess
import sys
import time
from pathlib import Path

import e2e
import gui_census

DEMO = e2e.ROOT / "demo"
# Regions of the 520 x 360 picture (left, top, width, height).
LAYOUT = (4, 77, 512, 256)
NAMES_SWITCH = (4, 337, 20, 20)
FIRST_TAB = (9, 9, 64, 32)  # the icon square of the one controller's tab
HELP_BUTTON = (493, 12, 20, 20)
PROFILE_BUTTON = (264, 52, 20, 20)
PROFILE_NAME = (288, 52, 228, 20)
SET_BUTTONS_LEFT, SET_BUTTON_PITCH, SET_BUTTONS_TOP = 342, 22, 337
# The demo layout's button 1 ("Jump"): its Location, inside the layout picture.
JUMP_BUTTON = (LAYOUT[0] + 357, LAYOUT[1] + 117, 30, 30)
SAVED_NAME = "gui-saved"
# The windows in which every key, Escape included, is assigned: they close by their close box or a
# second click on the control's button.
ASSIGNMENT_WINDOWS = ("VelmoraAdvancedAssignmentForm", "VelmoraAssignmentForm")


class Failed(Exception):
    """A check's problem, as printed."""


# Under Xvfb with no window manager, Wine waits 2 s for one whenever a window is hidden (a closed
# dialog, a minimised main window), and the program's thread with it: waits allow for that.
WAIT = 8.0


def wait_for(what, probe, timeout=WAIT, interval=0.05):
    """Polls probe() until it returns something true; that value, or Failed naming what."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed(f"waited {timeout:g} s for {what}")
        time.sleep(interval)


def centre(region):
    return region[0] + region[2] // 2, region[1] + region[3] // 2


def set_button(index):
    return (SET_BUTTONS_LEFT + SET_BUTTON_PITCH * index, SET_BUTTONS_TOP, 20, 20)


# ---------------------------------------------------------------- the screen

class Shot:
    """One screenshot of the whole virtual display, 8-bit RGB."""

    def __init__(self, data):
        fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.width, self.height = int(fields.group(1)), int(fields.group(2))
        self.pixels = data[fields.end():]
        self.data = data

    def crop(self, left, top, width, height):
        rows = []
        for y in range(top, top + height):
            start = (y * self.width + left) * 3
            rows.append(self.pixels[start:start + width * 3])
        return b"".join(rows)

    def save(self, path):
        subprocess.run(["convert", "ppm:-", str(path)], input=self.data, check=True)


# ---------------------------------------------------------------- one run of Velmora.exe

class WindowHelper:
    """velmora-window.exe serve: one Wine program answers a session's questions, since each start of
    one costs a fifth of a second and a check asks hundreds of times."""

    def __init__(self, exe, env):
        self.exe, self.env, self.process, self.pending = exe, env, None, b""

    def ask(self, args, timeout=30):
        """(status, output) of one command."""
        if self.process is None or self.process.poll() is not None:
            self.process = subprocess.Popen(["wine", str(self.exe), "serve"], env=self.env, stdin=subprocess.PIPE,
                                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            self.pending = b""
        self.process.stdin.write(("\t".join(args) + "\n").encode())
        self.process.stdin.flush()
        deadline = time.monotonic() + timeout
        while b"\x01 " not in self.pending or not self.pending.endswith(b"\n"):
            left = deadline - time.monotonic()
            ready = select.select([self.process.stdout], [], [], max(0.0, left))[0] if left > 0 else []
            chunk = os.read(self.process.stdout.fileno(), 65536) if ready else b""
            if not chunk:
                self.close()
                raise subprocess.TimeoutExpired(["velmora-window", *args], timeout)
            self.pending += chunk
        text, _, status = self.pending.decode(errors="replace").rpartition("\x01 ")
        self.pending = b""
        return int(status.strip()), text.replace("\r\n", "\n").strip()

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
        self.process = None


class Session:
    """Velmora.exe with the demo profile and a fake pad, seen and driven from outside."""

    def __init__(self, env, name, scenario_text, shots):
        self.env, self.shots = env, shots
        folder = env.work / "gui-scenarios"
        folder.mkdir(parents=True, exist_ok=True)
        path = folder / f"{name}.scenario"
        path.write_text(scenario_text)
        self.run = e2e.Run(env, e2e.ScenarioFile(path))
        self.dir, self.origin, self.program, self.recorder = self.run.dir, (0, 0), None, None
        self.children = []  # other programs a check started
        self.display_env = env.wine_env()
        self.helper = WindowHelper(env.tools / "velmora-window.exe", self.display_env)

    # Starting and ending.
    def start(self, exe, ini_extra="", record=False, folders=(), args=(), shown="shown", dpi=None,
              elevated=False):
        self.run.prepare(exe)
        if elevated:
            self.run.extra_env = {"VELMORA_TEST_OWN_LEVEL": "0x1000",
                                  "VELMORA_TEST_RUNAS_LOG": e2e.windows_path(self.dir / "runas.log")}
        if dpi:
            self.set_dpi(dpi)
        for folder in folders:
            (self.dir / folder).mkdir()
        ini = (DEMO / "Velmora.ini").read_text() + ini_extra
        (self.dir / "Velmora.ini").write_text(ini)
        if self.env.window_open():
            self.run.kill_all()
        if record:
            self.recorder = self.run.start_recorder()
        self.program = self.run.velmora(["demo.velmoraprofile", *args], "velmora")
        wait_for("the fake pad read 30 times", lambda: "mark pad-read" in self.log(), timeout=30)
        wait_for(f"the main window {shown}", lambda: self.state() == shown, timeout=10)
        if shown == "shown":
            self.origin = tuple(int(v) for v in self.tool("origin")[1].split())

    def close(self):
        """The tray's Close; with no changed profile there is no question to answer."""
        if self.program.poll() is None:
            self.tool("close")
        try:
            self.program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.run.kill_all()
            raise Failed("Velmora.exe did not end within 20 s of the tray's Close")

    def set_dpi(self, dpi):
        """The screen's scale the prefix's programs see when they start (96 is 100 %)."""
        subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                        "REG_DWORD", "/d", str(dpi), "/f"], env=self.display_env, check=True, **e2e.QUIET)
        # In a new prefix, the server and desktop that its creation started do not take the new
        # dpi for every window (the help and DPad windows came out at 96 dpi until they were
        # started again): end them, so that everything of the prefix starts at the new dpi.
        subprocess.run(["wineserver", "-k"], env=self.display_env, **e2e.QUIET)

    def stop(self):
        """Whatever happened: no program and no recorder left running."""
        self.helper.close()
        for child in self.children:
            if child.poll() is None:
                subprocess.run(["wine", "taskkill", "/f", "/im", "notepad.exe"], env=self.display_env, **e2e.QUIET)
                child.wait(timeout=10)
        if self.program and self.program.poll() is None:
            self.run.kill_all()
        if self.recorder:
            self.run.stop.touch()
            try:
                self.recorder.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.recorder.kill()

    def log(self):
        return self.run.log.read_text(errors="replace")

    def trace_keys(self):
        """The injected key presses so far, as scan codes."""
        lines = self.run.trace.read_text(errors="replace").splitlines() if self.run.trace.exists() else []
        return [w[2] for t, w in e2e.events_of(lines) if w[:2] == ["key", "down"]]

    # velmora-window.exe: what is on screen.
    def tool(self, *args):
        return self.helper.ask(args)

    def state(self):
        status, text = self.tool("state")
        return text if status == 0 else "gone"

    def menu(self):
        """The screen rectangle of a visible popup menu, or None."""
        text = self.tool("menu")[1]
        return tuple(int(v) for v in text.split()[1:]) if text.startswith("shown") else None

    def windows(self):
        """(class, caption, rectangle) of the program's visible top-level windows."""
        result = []
        for line in self.tool("windows")[1].splitlines():
            parts = line.split("|")
            if len(parts) == 3:
                result.append((parts[0], parts[1], tuple(int(v) for v in parts[2].split())))
        return result

    def census(self, window, page="-", query=None):
        """The child controls of the program's window whose class or caption is query (window when
        not given); fails on an enabled, visible one without a row in the census table, which names
        it "[window / page]"."""
        controls = self.controls(query or window)
        census = gui_census.CURRENT or gui_census.start([])
        problems = census.problems(window, page, controls)
        if problems:
            raise Failed("census: " + "; ".join(problems))
        return controls

    def controls(self, window):
        """The child controls of the program's window whose class or caption is window, as dicts of
        class, id, caption, enabled, visible and rect (on the screen)."""
        status, text = self.tool("controls", window)
        if status != 0:
            raise Failed(f"the window helper found no window \"{window}\" (status {status})")
        return gui_census.parse_controls(text)

    def click_control(self, controls, cls, caption, button=1):
        """A click on the centre of a listed, visible control (class and caption, or "#ID")."""
        found = [c for c in controls if c["visible"] and c["class"].lower() == cls.lower()
                 and (c["caption"] == caption or "#" + str(c["id"]) == caption)]
        if not found:
            raise Failed(f"no {cls} \"{caption}\" among the window's controls")
        left, top, right, bottom = found[0]["rect"]
        self.xdotool("mousemove", str((left + right) // 2), str((top + bottom) // 2), "click", str(button))
        time.sleep(0.3)

    def other_windows(self):
        return [w for w in self.windows() if w[0] not in ("TVelmoraForm", "#32768", "tooltips_class32")]

    # Input: real X events on the virtual display.
    def screen_point(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def click(self, region, button=1):
        x, y = self.screen_point(*centre(region))
        self.xdotool("mousemove", str(x), str(y), "click", str(button))

    def tray_icon(self):
        """The screen point of the program's icon: the first square of Wine's own tray window,
        which stands alone on a display without a notification area."""
        found = subprocess.run(["xdotool", "search", "--name", "Wine System Tray"], env=self.display_env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout.split()
        if not found:
            raise Failed("no \"Wine System Tray\" window on the display")
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[0]], env=self.display_env,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
        fields = dict(line.split("=", 1) for line in geometry.split())
        half = int(fields["HEIGHT"]) // 2
        return int(fields["X"]) + half, int(fields["Y"]) + half

    def tray_shown(self):
        """Wine shows its tray window only while it holds an icon."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Wine System Tray"],
                               env=self.display_env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        return bool(found.stdout.split())

    def click_tray_icon(self, button):
        x, y = self.tray_icon()
        self.xdotool("mousemove", str(x), str(y), "click", str(button))
        return x, y

    def keys(self, *names):
        self.xdotool("key", "--delay", "80", *names)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.display_env, check=True, **e2e.QUIET)

    # Output: screenshots.
    def shot(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.display_env,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True).stdout
        return Shot(data)

    def picture(self, region):
        """A region of the window's picture, as pixels."""
        x, y = self.screen_point(region[0], region[1])
        return self.shot().crop(x, y, region[2], region[3])

    def screen_region(self, rect):
        """A region of the screen given as left, top, right, bottom, as pixels."""
        return self.shot().crop(rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1])

    def save(self, name):
        self.shot().save(self.shots / f"{name}.png")

    def settled(self, region, timeout=WAIT, grab=None):
        """The region once two screenshots 0.15 s apart agree (animations have ended)."""
        grab = grab or self.picture
        last = [grab(region)]

        def same_again():
            time.sleep(0.15)
            now = grab(region)
            stable, last[0] = now == last[0], now
            return stable

        wait_for("the picture to stop changing", same_again, timeout)
        return last[0]

    def wait_menu_below(self, region):
        """The popup menu opened by a click on region: up, and at the region's bottom-left corner."""
        rect = wait_for("a popup menu", self.menu)
        want = self.screen_point(region[0], region[1] + region[3])
        # A menu too wide for the screen's right part is moved left until its right edge meets the
        # screen's, as the system keeps every menu on the screen.
        pushed = rect[0] < want[0] and rect[2] == self.screen_width()
        if (abs(rect[0] - want[0]) > 1 and not pushed) or abs(rect[1] - want[1]) > 1:
            raise Failed(f"the menu opened at {rect[0]},{rect[1]}, not below the button at {want[0]},{want[1]}")
        return rect

    def screen_width(self):
        text = subprocess.run(["xdotool", "getdisplaygeometry"], env=self.display_env, check=True,
                              stdout=subprocess.PIPE, text=True).stdout
        return int(text.split()[0])

    def wait_menu_closed(self):
        wait_for("the menu to close", lambda: self.menu() is None)

    def close_box(self, window):
        """What a click on the close box of the program's window (class or caption) sends: under Xvfb
        without a window manager no title bar is drawn to click."""
        if self.tool("closebox", window)[0] != 0:
            raise Failed(f"no window \"{window}\" to close by its close box")

    def recover(self):
        """After a failed check: close what it may have left open (the assignment windows by their
        close box: a key pressed there is assigned)."""
        for _ in range(3):
            if not self.menu() and not self.other_windows():
                return
            for window in ASSIGNMENT_WINDOWS:
                self.tool("closebox", window)
            self.keys("Escape")
            time.sleep(0.3)


# ---------------------------------------------------------------- the checks

def check_names_switch(s):
    names = s.settled(LAYOUT)
    s.click(NAMES_SWITCH)
    wait_for("the layout to change after a click on the names switch", lambda: s.picture(LAYOUT) != names)
    s.settled(LAYOUT)
    s.save("names-switched")
    s.click(NAMES_SWITCH)
    wait_for("the first picture back after a second click", lambda: s.picture(LAYOUT) == names)


def check_tab_tip(s):
    """The pointer resting on the controller's tab shows a tip with the pad's name and its battery level
    (the fake XInput reports a medium charge); moved off the tab, the tip goes."""
    tips = lambda: [w for w in s.windows() if w[0] == "tooltips_class32"]
    x, y = s.screen_point(*centre(FIRST_TAB))
    # The first move over the window sets the tab's tool; the tip comes after the pointer rests.
    s.xdotool("mousemove", str(x - 1), str(y - 1))
    s.xdotool("mousemove", str(x), str(y))
    wait_for("the tab's tip", tips)
    text = tips()[0][1]
    if text != "Velmora Demo Pad\\nBattery: Medium":
        raise Failed(f"the tab's tip reads {text!r}")
    s.xdotool("mousemove", *(str(v) for v in s.screen_point(*centre(LAYOUT))))
    wait_for("the tip to go once the pointer leaves the tab", lambda: not tips())


def open_help_window(s):
    if s.other_windows():
        raise Failed(f"a window was open before the help window: {s.other_windows()}")
    s.click(HELP_BUTTON)
    s.wait_menu_below(HELP_BUTTON)
    s.keys("Up", "Return")  # the last item, "About"
    found = wait_for("a help window after choosing the last help item", s.other_windows)
    return found[0]


def check_help_menu(s):
    before = s.settled(LAYOUT)
    s.click(HELP_BUTTON)
    s.wait_menu_below(HELP_BUTTON)
    s.save("help-menu")
    s.keys("Escape")
    s.wait_menu_closed()
    for closing_key in ("Return", "Escape"):
        window = open_help_window(s)
        s.save(f"help-window-{closing_key.lower()}")
        s.keys(closing_key)
        wait_for(f"{closing_key} to close the help window \"{window[1]}\"", lambda: not s.other_windows())
    wait_for("the main picture to be drawn again after the help window",
             lambda: s.picture(LAYOUT) == before)


def check_assignment_menu(s):
    before = s.settled(LAYOUT)
    s.click(JUMP_BUTTON, button=3)
    s.wait_menu_below(JUMP_BUTTON)
    s.save("assignment-menu")
    s.keys("Escape")
    s.wait_menu_closed()
    wait_for("the picture as before the menu", lambda: s.picture(LAYOUT) == before)


def check_save_as(s):
    saved = s.dir / "saved" / f"{SAVED_NAME}.velmoraprofile"
    name_box = s.settled(PROFILE_NAME)
    s.click(PROFILE_BUTTON)
    s.wait_menu_below(PROFILE_BUTTON)
    s.keys("Up", "Return")  # the last item, "Save As..."
    dialogs = wait_for("a save dialog", lambda: [w for w in s.other_windows() if w[1].startswith("Save")],
                       timeout=10)
    s.settled(dialogs[0][2], grab=s.screen_region)  # drawn whole, ready for keys
    s.save("save-dialog")
    s.xdotool("type", "--delay", "30", SAVED_NAME)
    s.keys("Return")
    wait_for(f"{saved.name} in the folder the dialog started in", saved.exists, timeout=10)
    wait_for(f"the dialog \"{dialogs[0][1]}\" to close", lambda: not s.other_windows())
    if "Set1Button1Slots=Space" not in saved.read_text(errors="replace"):
        raise Failed(f"{saved} does not hold the demo profile")
    wait_for("the profile name box to show the new name", lambda: s.picture(PROFILE_NAME) != name_box)
    s.settled(PROFILE_NAME)
    s.save("saved-as")


def expect_state(s, action, wanted):
    seen = []

    def probe():
        seen.append(s.state())
        return seen[-1] == wanted

    try:
        wait_for(f"the window {wanted} after {action}", probe)
    except Failed as problem:
        raise Failed(f"{problem}; it is {seen[-1]}") from None


def check_tray_and_close_box(s):
    shown = s.settled(LAYOUT)
    s.tool("closebox")
    expect_state(s, "the close box", "hidden")
    s.click_tray_icon(1)
    expect_state(s, "a left click on the tray icon", "shown")
    wait_for("the picture as before minimising", lambda: s.picture(LAYOUT) == shown)
    s.save("restored")
    s.tool("second")
    expect_state(s, "a second start", "hidden")
    s.tool("tray", "left")
    expect_state(s, "the tray icon's message for a left click", "shown")
    check_tray_menu(s)
    s.close()


def check_tray_recreated(s):
    """A taskbar that starts again sends "TaskbarCreated": the icon comes back and works."""
    s.tool("tray-remove")
    wait_for("the tray icon gone", lambda: not s.tray_shown())
    s.tool("taskbar-created")
    wait_for("the tray icon added again", s.tray_shown)
    s.tool("closebox")
    expect_state(s, "the close box", "hidden")
    s.click_tray_icon(1)
    expect_state(s, "a left click on the tray icon added again", "shown")


def check_remembered_place(s):
    """A saved place past the desktop's corner is moved back onto it, and the place is kept at the end."""
    rect = next((w[2] for w in s.windows() if w[0] == "TVelmoraForm"), None)
    if not rect:
        raise Failed("no main window listed")
    width, height = rect[2] - rect[0], rect[3] - rect[1]
    if (rect[0], rect[1]) != (1024 - width, 768 - height):
        raise Failed(f"the window is at {rect[0]},{rect[1]}, not in the desktop's corner "
                     f"{1024 - width},{768 - height}")
    s.close()
    ini = (s.dir / "Velmora.ini").read_text(errors="replace")
    if f"MainWindowPosition={rect[0]},{rect[1]}" not in ini:
        raise Failed(f"Velmora.ini does not keep the place {rect[0]},{rect[1]}")


def associations_written(s):
    return subprocess.run(["wine", "reg", "query", r"HKCU\Software\Classes\Velmora.Profile"],
                          env=s.display_env, **e2e.QUIET).returncode == 0


def check_registry_removal(s):
    """"Velmora.exe /U" beside the running program removes the associations its start wrote,
    says so in a message that waits for its OK, and ends; the running program is left alone."""
    if not associations_written(s):
        raise Failed("the start wrote no file association")
    removal = s.run.velmora(["/U"], "removal")
    wait_for("the associations to go", lambda: not associations_written(s), timeout=20)

    def message():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Information$"],
                               env=s.display_env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        return found.stdout.split()

    window = wait_for("the removal's message", message)[0]
    if removal.poll() is not None:
        raise Failed("the removal ended without waiting for its message's OK")
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=s.display_env,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
    fields = dict(line.split("=", 1) for line in geometry.split())
    s.xdotool("mousemove", str(int(fields["X"]) + 20), str(int(fields["Y"]) + int(fields["HEIGHT"]) // 2),
              "click", "1")
    s.keys("Return")
    wait_for("the removal to end", lambda: removal.poll() is not None, timeout=10)
    if s.state() != "shown":
        raise Failed(f"the running program is {s.state()} after the removal")


def check_minimised_start(s):
    """Started with "/M" the window is hidden, and placed (centred) when the tray icon first shows it."""
    s.click_tray_icon(1)
    expect_state(s, "a left click on the tray icon", "shown")
    rect = next((w[2] for w in s.windows() if w[0] == "TVelmoraForm"), None)
    if not rect:
        raise Failed("no main window listed")
    width, height = rect[2] - rect[0], rect[3] - rect[1]
    if (rect[0], rect[1]) != ((1024 - width) // 2, (768 - height) // 2):
        raise Failed(f"the window shows at {rect[0]},{rect[1]}, not centred at "
                     f"{(1024 - width) // 2},{(768 - height) // 2}")
    s.origin = tuple(int(v) for v in s.tool("origin")[1].split())

    def drawn():
        pixels = s.picture(LAYOUT)
        return len({pixels[i:i + 3] for i in range(0, len(pixels), 3 * 97)}) > 8

    wait_for("the layout drawn in the restored window", drawn)
    s.save("minimised-start-restored")


def check_tray_menu(s):
    """A right click on the tray icon opens the tray menu at the pointer."""
    x, y = s.click_tray_icon(3)
    rect = wait_for("the tray menu", s.menu)
    if abs(rect[0] - x) > 1 or abs(rect[1] - y) > 1:
        raise Failed(f"the tray menu opened at {rect[0]},{rect[1]}, not at the pointer {x},{y}")
    s.save("tray-menu")
    s.keys("Escape")
    s.wait_menu_closed()


# The notice's button with one controller: the right end of the notice's box in the top bar.
NOTICE_BUTTON = (377, 7, 84, 33)


def notice_in_front(s):
    """Wine's Notepad in front of Velmora, which takes itself for a low-level process
    (VELMORA_TEST_OWN_LEVEL): the top bar shows the notice and its button."""
    bar = s.picture((0, 0, 520, 45))
    notepad = subprocess.Popen(["wine", "notepad"], env=s.display_env, **e2e.QUIET)
    s.children.append(notepad)

    def notepad_window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Notepad"], env=s.display_env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout.split()
        return found[0] if found else None

    # Moved below Velmora's window, so that its top bar stays in sight; still the window in front.
    s.xdotool("windowmove", wait_for("Notepad's window", notepad_window, timeout=15), "0", "620")
    wait_for("the notice in the top bar", lambda: s.picture((0, 0, 520, 45)) != bar, timeout=15)
    s.save("elevated-notice")


def expect_runas(s, how):
    """The program asked for the "runas" verb with its own file and the demo profile, and ended."""
    log = s.dir / "runas.log"
    wait_for(f"the runas call after {how}", log.exists, timeout=10)
    line = log.read_text(errors="replace").strip()
    if not re.fullmatch(r'runas .*\\Velmora\.exe ".*\\demo\.velmoraprofile"', line):
        raise Failed(f"runas asked for with: {line}")
    try:
        s.program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failed(f"Velmora.exe did not end after the runas call of {how}")


def check_elevated_button(s):
    """The notice's button: Velmora asks for itself as administrator with the pad's profile, and ends."""
    notice_in_front(s)
    s.click(NOTICE_BUTTON)
    expect_runas(s, "the notice's button")


def check_elevated_tray_item(s):
    """The tray menu offers "Run as administrator" while the notice applies; choosing it does the same."""
    notice_in_front(s)
    s.click_tray_icon(3)
    wait_for("the tray menu", s.menu)
    s.keys("Up", "Up", "Return")  # from the last item, Close: the one above the separator
    expect_runas(s, "the tray item")


def check_set_strip(s):
    """Set 2 of the demo profile gives button A Enter instead of Space."""
    wait_for("a press of A injecting Space (set 1)", lambda: "39" in s.trace_keys(), timeout=10)
    button = set_button(1)
    before = s.picture(button)
    done = len(s.trace_keys())
    s.click(button)
    wait_for("set button 2 to look pressed", lambda: s.picture(button) != before)
    s.save("set-2")
    after = lambda: s.trace_keys()[done:]
    wait_for("two presses of A injecting Enter (set 2)", lambda: after().count("1C") >= 2, timeout=10)
    keys = after()
    if "39" in keys[keys.index("1C"):]:
        raise Failed(f"Space again after Enter: keys after the click {' '.join(keys)}")


def check_input_never_stalls(s):
    """The pad's presses keep reaching the window in front while a menu, a message dialog or a
    file dialog is up: the passes go on inside the system's modal loops."""
    def keeps_pressing(what):
        done = len(s.trace_keys())
        wait_for(f"two presses of A injecting Space while {what} is up",
                 lambda: s.trace_keys()[done:].count("39") >= 2, timeout=10)

    s.click(HELP_BUTTON)
    s.wait_menu_below(HELP_BUTTON)
    keeps_pressing("the help menu")
    s.keys("Escape")
    s.wait_menu_closed()
    window = open_help_window(s)
    keeps_pressing(f"the help window \"{window[1]}\"")
    s.keys("Escape")
    wait_for("the help window to close", lambda: not s.other_windows())
    s.click(PROFILE_BUTTON)
    s.wait_menu_below(PROFILE_BUTTON)
    s.keys("Up", "Return")  # "Save As..."
    wait_for("a save dialog", lambda: [w for w in s.other_windows() if w[1].startswith("Save")], timeout=10)
    keeps_pressing("the save dialog")
    s.keys("Escape")
    wait_for("the save dialog to close", lambda: not s.other_windows())
    s.click_tray_icon(3)
    wait_for("the tray menu", s.menu)
    keeps_pressing("the tray menu")
    s.keys("Escape")
    s.wait_menu_closed()
    print(f"gui input-never-stalls: {pass_figures(s.run.pass_log)}", flush=True)


def pass_figures(pass_log, start_up=e2e.START_UP_PASSES):
    """The longest time between two passes after start-up (the log so far: it is written every
    100 passes), as a figure, not a check."""
    lines = pass_log.read_text().split() if pass_log.exists() else []
    stamps = [int(w) for w in lines if w.isdigit()][start_up:]
    periods = [(b - a) / 1000 for a, b in zip(stamps, stamps[1:])]
    if not periods:
        return "no passes logged after start-up"
    return (f"{len(periods)} periods after the first {start_up} passes: longest {max(periods):.1f} ms, "
            f"p99 {e2e.percentile(periods, 0.99):.1f} ms, mean {sum(periods) / len(periods):.2f} ms")


# ---------------------------------------------------------------- running them

SCENARIO_HEAD = f"""device pad "Velmora Demo Pad" vid=1209 pid=0d00 xinput
profile {DEMO / 'demo.velmoraprofile'}
file {DEMO / 'demo.velmoracontroller'}
plug pad
wait pad 30
mark pad-read
"""


# An XInput pad whose model no layout file names: it gets the ready layout drawn by Velmora.
READY_SCENARIO = f"""device pad "Ready Pad" vid=1209 pid=0d01 xinput
profile {DEMO / 'demo.velmoraprofile'}
plug pad
wait pad 30
mark pad-read
"""


def check_ready_picture(s):
    """A pad without a layout file shows its drawn pad (the theme's interface blues fill much of
    the layout picture, where a blank layout shows only the background) with its buttons on it,
    which the names switch turns to the profile's names."""
    wait_for("the pad read", lambda: "mark pad-read" in s.log(), timeout=30)
    keys = s.settled(LAYOUT)
    blues = {bytes((0, 15, 63)), bytes((0, 63, 127))}
    drawn = sum(keys[i:i + 3] in blues for i in range(0, len(keys), 3))
    s.save("ready-picture")
    if drawn < LAYOUT[2] * LAYOUT[3] // 10:
        raise Failed(f"only {drawn} pixels of the layout picture show the pad's colours: no pad drawn")
    s.click(NAMES_SWITCH)
    wait_for("the buttons to show names after a click on the names switch", lambda: s.picture(LAYOUT) != keys)
    s.settled(LAYOUT)
    s.save("ready-picture-names")


def pressing_scenario(presses=60):
    """Button A pressed for 3 passes in every 40, for about 24 s after the pad is read."""
    lines = [SCENARIO_HEAD]
    for _ in range(presses):
        lines.append("wait pad 37\npad button a down\nwait pad 3\npad button a up\n")
    return "".join(lines)


def run_checks(session, checks):
    failed = 0
    for name, check in checks:
        started = time.monotonic()
        try:
            check(session)
            if gui_census.CURRENT:
                gui_census.CURRENT.passed.add(name)
            print(f"gui {name}: ok ({time.monotonic() - started:.1f} s)", flush=True)
        except (Failed, subprocess.SubprocessError) as problem:
            failed += 1
            print(f"gui {name}: FAIL: {problem}", flush=True)
            session.save(f"failed-{name}")
            session.recover()
    return failed


def run_session(env, exe, shots, name, scenario, checks, **start):
    """One Velmora.exe for some checks; closed at the end unless a check closed it. A session at
    another dpi ("dpi" and "screen" among the start options) runs in a prefix and on a virtual
    display of its own, so that the other sessions keep 96 dpi and their screen."""
    if "dpi" not in start:
        return run_in(env, exe, shots, name, scenario, checks, **start)
    scaled = e2e.Environment(env.build, f"dpi{start['dpi']}", start.pop("screen", e2e.SCREEN))
    scaled.setup()
    try:
        return run_in(scaled, exe, shots, name, scenario, checks, **start)
    finally:
        scaled.cleanup()


def run_in(env, exe, shots, name, scenario, checks, **start):
    session = Session(env, name, scenario, shots)
    try:
        session.start(exe, **start)
        session.save(f"{name}-started")
        failed = run_checks(session, checks)
        session.close()
        return failed
    except (Failed, subprocess.SubprocessError) as problem:
        print(f"gui {name}: FAIL: {problem}  (files: {session.dir})", flush=True)
        return 1
    finally:
        session.stop()


def sessions(env):
    """(name, scenario, checks, start options) of each run of Velmora.exe."""
    # The save dialog starts in the profile folder of the configuration: one of the run's own.
    saved = env.work / "gui-main" / "saved"
    main = [("names-switch", check_names_switch), ("help-menu", check_help_menu),
            ("assignment-menu", check_assignment_menu), ("save-as", check_save_as),
            ("tray-recreated", check_tray_recreated), ("registry-removal", check_registry_removal),
            ("tab-tip", check_tab_tip), ("tray-and-close-box", check_tray_and_close_box)]
    # A pad that keeps pressing a button would disturb the screenshots above: a run of its own.
    # The pad reports its battery for the tab's tip.
    return [("gui-main", SCENARIO_HEAD.replace("plug pad", "pad battery medium\nplug pad"), main,
             {"ini_extra": f"\n[Default Locations]\nDefaultProfileLocation={e2e.windows_path(saved)}\n",
              "folders": ["saved"]}),
            ("gui-sets", pressing_scenario(), [("set-strip", check_set_strip)], {"record": True}),
            ("gui-passes", pressing_scenario(150), [("input-never-stalls", check_input_never_stalls)],
             {"record": True,
              "ini_extra": f"\n[Default Locations]\nDefaultProfileLocation={e2e.windows_path(saved)}\n"}),
            # No layout file: a run of its own, since every other run opens the demo layout.
            ("gui-ready", READY_SCENARIO, [("ready-picture", check_ready_picture)], {}),
            ("gui-elevated", SCENARIO_HEAD, [("elevated-button", check_elevated_button)],
             {"elevated": True}),
            ("gui-elevated-tray", SCENARIO_HEAD, [("elevated-tray-item", check_elevated_tray_item)],
             {"elevated": True}),
            ("gui-minimised", SCENARIO_HEAD, [("minimised-start", check_minimised_start)],
             {"args": ["/M"], "shown": "hidden"}),
            ("gui-place", SCENARIO_HEAD, [("remembered-place", check_remembered_place)],
             {"ini_extra": "\n[Options]\nRememberWindowPositions=1\n"
                           "[Window Positions]\nMainWindowPosition=900,700\n"})]


def window_sessions(env, modules=()):
    """The sessions of the settings windows' checks: one module each in scripts/gui_windows/,
    with a function sessions(env) that gives them as sessions() does (only the named modules
    when some are named)."""
    folder = Path(__file__).resolve().parent / "gui_windows"
    found = []
    for path in sorted(folder.glob("*.py")):
        if path.stem.startswith("_") or (modules and path.stem not in modules):
            continue  # "_NAME.py" holds steps that another module's sessions run
        loader = importlib.util.spec_from_file_location(f"gui_windows.{path.stem}", path)
        module = importlib.util.module_from_spec(loader)
        loader.loader.exec_module(module)
        found += module.sessions(env)
    return found


def run_gui(env, only=None):
    exe = env.velmora_exe()
    if not exe:
        print("e2e gui: no Velmora.exe in the Windows build yet: skipped")
        return e2e.SKIP
    missing = [tool for tool in ("xdotool", "import", "convert") if not shutil.which(tool)]
    if missing:
        print(f"e2e gui: {', '.join(missing)} not installed (scripts/install-deps.sh): skipped")
        return e2e.SKIP
    # "module:main" names the main window's sessions, "module:NAME" those of scripts/gui_windows/NAME.py;
    # other words name single checks.
    modules = [word[len("module:"):] for word in only or [] if word.startswith("module:")]
    shots = env.work / ("gui-" + "-".join(modules) if modules else "gui")
    shutil.rmtree(shots, ignore_errors=True)
    shots.mkdir(parents=True)
    started, failed = time.monotonic(), 0
    names = [word for word in only or [] if not word.startswith("module:")]
    window_modules = [m for m in modules if m != "main"]
    chosen_sessions = []
    if not modules or "main" in modules:
        chosen_sessions += sessions(env)
    if not modules or window_modules:
        chosen_sessions += window_sessions(env, window_modules)
    every_check = [c[0] for session in sessions(env) + window_sessions(env) for c in session[2]]
    census = gui_census.start(every_check)
    for name, scenario, checks, start in chosen_sessions:
        chosen = [c for c in checks if not names or c[0] in names]
        if chosen:
            failed += run_session(env, exe, shots, name, scenario, chosen, **start)
    unlisted = census.unlisted(census.passed)
    if unlisted:
        failed += 1
        print(f"gui census: FAIL: never listed: {', '.join(unlisted)}", flush=True)
    elif census.listed:
        print(f"gui census: ok: {census.summary()}", flush=True)
    print(f"e2e gui: {'FAIL' if failed else 'ok'} in {time.monotonic() - started:.1f} s; screenshots in {shots}")
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(e2e.ROOT / "build/windows"))
    parser.add_argument("only", nargs="*", help="names of the checks to run (default: all)")
    args = parser.parse_args()
    env = e2e.Environment(args.build)
    started_here = env.setup()
    try:
        return run_gui(env, args.only)
    finally:
        if started_here:
            env.cleanup()


if __name__ == "__main__":
    sys.exit(main())
