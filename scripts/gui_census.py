"""The census of the settings windows' controls: every enabled, visible child control of a window
must have a row in scripts/gui_windows/controls.txt naming the GUI check that drives it.

A check that has a window (or one page of it) open calls take(s, window, page): the window helper
lists the window's child controls, and each enabled, visible one is looked up in the table. A
control without a row fails the check; so does a row that names a check the suite does not have.
At the end of a run, every window and page whose listing check ran and passed must have been listed.
Table format: the head of scripts/gui_windows/controls.txt.
"""

from pathlib import Path

TABLE = Path(__file__).resolve().parent / "gui_windows" / "controls.txt"
ANY_PAGE = "*"
LABEL = "label"
GAP = "gap:"


class Row:
    def __init__(self, window, page, fields, line):
        self.window, self.page, self.line = window, page, line
        self.cls, self.control, self.driver = fields

    def matches(self, control):
        if self.cls.lower() != control["class"].lower():
            return False
        if self.control == ANY_PAGE:
            return True
        if self.control.startswith("#"):
            return self.control[1:] == str(control["id"])
        return self.control == control["caption"]

    def checks(self):
        """The checks that drive the control (a list: "a, b")."""
        return [c.strip() for c in self.driver.split(",")]

    def gap(self):
        return self.driver.startswith(GAP)


class Table:
    """The rows, and the check that lists each window and page ("[WINDOW / PAGE] listed by CHECK")."""

    def __init__(self, text):
        self.rows, self.listers = [], {}
        window = page = None
        for number, raw in enumerate(text.splitlines(), 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("["):
                head, _, lister = line[1:].partition("]")
                window, _, page = (part.strip() for part in head.partition(" / "))
                page = page or "-"
                lister = lister.strip()
                if lister.startswith("listed by "):
                    self.listers[(window, page)] = lister[len("listed by "):].strip()
                continue
            fields = [f.strip() for f in line.split("|")]
            if window is None or len(fields) != 3:
                raise ValueError(f"{TABLE.name}:{number}: not a row of CLASS | CONTROL | DRIVEN BY")
            self.rows.append(Row(window, page, fields, number))

    def row_for(self, window, page, control):
        return next((r for r in self.rows if r.window in (window, ANY_PAGE) and r.page in (page, ANY_PAGE)
                     and r.matches(control)), None)


def parse_controls(text):
    """The helper's lines "CLASS|ID|CAPTION|ENABLED|VISIBLE|L T R B" (a caption may hold '|')."""
    controls = []
    for line in text.splitlines():
        parts = line.split("|")
        if len(parts) < 6:
            continue
        caption = "|".join(parts[2:-3])
        controls.append({"class": parts[0], "id": int(parts[1]), "caption": caption,
                         "enabled": parts[-3] == "1", "visible": parts[-2] == "1",
                         "rect": tuple(int(v) for v in parts[-1].split())})
    return controls


def describe(control):
    return f"{control['class']} | {control['caption'] or '#' + str(control['id'])}"


class Census:
    """What one run listed; the suite's check names, to know that a row's driver exists."""

    def __init__(self, check_names):
        self.table = Table(TABLE.read_text())
        self.check_names = set(check_names)
        self.listed, self.gaps, self.driven, self.passed = set(), set(), set(), set()

    def problems(self, window, page, controls):
        found = []
        for control in controls:
            if not (control["enabled"] and control["visible"]):
                continue
            row = self.table.row_for(window, page, control)
            if row is None:
                found.append(f"no row for [{window} / {page}] {describe(control)}")
            elif row.gap():
                self.gaps.add((row.window, row.page, row.cls, row.control))
            elif row.driver != LABEL:
                unknown = [c for c in row.checks() if c not in self.check_names]
                if unknown:
                    found.append(f"{TABLE.name}:{row.line} names {', '.join(unknown)}: no check of the suite")
                self.driven.add((row.window, row.page, row.cls, row.control))
        self.listed.add((window, page))
        return found

    def unlisted(self, passed_checks):
        """Windows and pages whose listing check passed without listing them."""
        return [f"[{w} / {p}] (listed by {c})" for (w, p), c in self.table.listers.items()
                if c in passed_checks and (w, p) not in self.listed]

    def summary(self):
        return (f"{len(self.listed)} windows and pages listed, {len(self.driven)} controls driven, "
                f"{len(self.gaps)} known gaps")


CURRENT = None


def start(check_names):
    global CURRENT
    CURRENT = Census(check_names)
    return CURRENT
