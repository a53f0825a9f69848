#!/usr/bin/env python3
"""A screen reader's view of Selvanor: the window started on an X server with the accessibility
bus, walked with AT-SPI (python3-pyatspi) as a screen reader walks it. In every window (main,
log preferences, log, help, lunation, calendar export, saros series, a message box) each control
that takes the focus has a role and a name that says what it does (a list: the name of its
label); the windows are windows; the value labels read as selvanor-cli convert writes them
("Common Era: 2000-01-01 CE (Saturday, January 1, 2000)"); Tab moves the focus through the main
window in the window's order; the log's text and the lunation page's days (with "today") read.

Usage: accessibility_test.py path/to/selvanor path/to/selvanor-cli
It starts an X server (Xvfb, on the first free display it finds itself) and a session bus of its
own (dbus-run-session), on which the accessibility bus starts on demand."""
import datetime
import json
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM, CLI = sys.argv[-2], sys.argv[-1]
PROBLEMS = []
# Roles of things that hold others but do nothing themselves: never a control.
CONTAINERS = {"filler", "panel", "unknown", "invalid", "redundant object"}
WINDOWS = {"frame", "dialog", "window", "alert"}
# The main window's Tab order as its keyboard code sets it, by what a screen reader says of each
# control; a control that is hidden, disabled or an unchosen option is passed over.
MAIN_TAB_ORDER = [
    "Enter date/time", "Clear", "Convert", "plus", "minus", "Days to add or subtract", "Reset", "Move", "forward",
    "back", "Move step", "repeatedly", "Stop", "Pause", "Refresh period (in seconds):", "Search for", "next",
    "previous", "Search target", "seen from the place", "Display lunation with", "Calendar of the lunation page", "History",
    "Log all results", "Log this result", "View log", "Set log preferences", "Save state", "Help", "Quit", "Now",
    "Timezone (location):", "Local", "Greenwich", "Place:", "Look up saros series",
]


def problem(text):
    PROBLEMS.append(text)


def wait_for(what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = what()
        except Exception:  # an object going away while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    return None


def descendants(obj):
    """Everything under obj a screen reader reaches, without the entries of closed lists."""
    found = []
    for child in obj:
        if child is None:
            continue
        found.append(child)
        if child.getRoleName() == "list" and obj.getRoleName() == "combo box":
            continue
        found.extend(descendants(child))
    return found


def label_of(obj):
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
            return relation.getTarget(0).name or ""
    return ""


def spoken(obj):
    """What a screen reader says a control is: a list or a number box by its label (its own name
    is its value), anything else by its name, or its label when it has none."""
    if obj.getRoleName() in ("combo box", "spin button"):
        return label_of(obj)
    return obj.name or label_of(obj)


def states(obj):
    state = obj.getState()
    return {name for name, value in (("focusable", pyatspi.STATE_FOCUSABLE), ("showing", pyatspi.STATE_SHOWING),
                                     ("enabled", pyatspi.STATE_ENABLED), ("focused", pyatspi.STATE_FOCUSED),
                                     ("checked", pyatspi.STATE_CHECKED)) if state.contains(value)}


def audit(window, title):
    """Every control of the window that takes the focus has a role and a spoken name."""
    if window.getRoleName() not in WINDOWS:
        problem(f"{title}: the window's role is {window.getRoleName()}")
    count = 0
    for obj in descendants(window):
        if {"focusable", "showing"} <= states(obj):
            count += 1
            if obj.getRoleName() in CONTAINERS:
                problem(f"{title}: a focusable {obj.getRoleName()} {obj.name!r}")
            if not spoken(obj).strip():
                problem(f"{title}: a {obj.getRoleName()} ({obj.name!r}) has no name that says what it does")
    if count == 0:
        problem(f"{title}: nothing takes the focus")


def windows(app):
    return [w for w in app if w is not None]


def window_named(app, name):
    return wait_for(lambda: next((w for w in windows(app) if w.name == name and "showing" in states(w)), None))


def control(window, role, name):
    return wait_for(lambda: next((o for o in descendants(window) if o.getRoleName() == role and spoken(o) == name
                                  and "showing" in states(o)), None))


def press(window, name):
    button = control(window, "push button", name)
    if not button or not wait_for(lambda: "enabled" in states(button)):
        problem(f"{window.name}: no button {name!r} to press")
        return False
    button.queryAction().doAction(0)
    return True


def type_entry(window, text):
    entry = control(window, "text", "Enter date/time")
    entry.queryEditableText().setTextContents(text)
    press(window, "Convert")


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def check_value_labels(main):
    """The labels read as the command line writes the same moment."""
    type_entry(main, "2000-01-01 CE 12:00")
    lines = subprocess.run([CLI, "convert", "2000-01-01 CE 12:00"], capture_output=True, text=True,
                           check=True).stdout.splitlines()
    for line in lines:
        if not wait_for(lambda: any(o.getRoleName() == "label" and o.name == line for o in descendants(main)), 10):
            problem(f"main window: no label reads {line!r}")


def check_tab_order(main):
    focusable = [o for o in descendants(main) if {"focusable", "showing"} <= states(o)]
    entry = control(main, "text", "Enter date/time")
    # With no window manager a window becomes active when clicked.
    x, y = entry.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + 5, y + 5, "b1c")
    entry.queryComponent().grabFocus()
    if not wait_for(lambda: "focused" in states(entry), 10):
        return problem("main window: the date entry does not take the focus")
    seen = [spoken(entry)]
    for _ in range(len(MAIN_TAB_ORDER) + 2):
        key(0xFF09)  # Tab
        # The main window's names are all different: the focus has moved when the name has.
        focused = wait_for(lambda: next((o for o in focusable if "focused" in states(o) and spoken(o) != seen[-1]),
                                        None), 5)
        name = spoken(focused) if focused else "(nothing)"
        if name == seen[0]:
            break
        seen.append(name)
    expected = []
    for name in MAIN_TAB_ORDER:
        match = next((o for o in focusable if spoken(o) == name), None)
        if match and "enabled" in states(match) and (match.getRoleName() != "radio button" or "checked" in states(match)):
            expected.append(name)
    if seen != expected:
        problem(f"main window: Tab visits {seen}, the window's order is {expected}")


def check_log(app, main):
    press(main, "Log this result")
    time.sleep(0.5)
    press(main, "View log")
    log = window_named(app, "Log for Selvanor")
    if not log:
        return problem("no log window")
    audit(log, "log")
    text = control(log, "text", "Log text")
    content = text.queryText().getText(0, -1) if text else ""
    if "2000-01-01" not in content:
        problem(f"log: its text does not read: {content[:200]!r}")
    press(log, "Close")


def check_lunation(app, main):
    press(main, "Now")  # the page of the lunation in progress, with today's cell when today is on it
    shown = datetime.datetime.now(datetime.timezone.utc)  # the window's frame is GMT
    time.sleep(0.5)
    press(main, "Display lunation with")
    page = window_named(app, "Archetypes Calendar dates")
    if not page:
        return problem("no lunation window")
    audit(page, "lunation window")
    days = wait_for(lambda: [o for o in descendants(page) if o.getRoleName() == "label"
                             and (o.name or "").startswith("Day ") and "showing" in states(o)])
    # The moment shown, not today's date: near a new moon the two lie on different pages.
    moment = f"{shown:%Y-%m-%d} CE {shown:%H:%M}"
    pages = json.loads(subprocess.run([CLI, "lunation", "--calendar", "ARC", "--from", moment, "--json"],
                                      capture_output=True, text=True, check=True).stdout)
    cells = {int(o.name.split(":")[0][4:]): o.name for o in days or []}
    if len(cells) != len(pages[0]["days"]):
        problem(f"lunation window: {len(cells)} day cells read, the page has {len(pages[0]['days'])} days")
    for day in pages[0]["days"]:
        name = cells.get(day["day"], "")
        if day["calendar_line"] not in name or " CE (" not in name or name.endswith(", today") != day["today"]:
            problem(f"lunation window: day {day['day']} reads {name!r}")
    press(page, "Export calendar\u2026")
    export = window_named(app, "Export calendar")
    if export:
        audit(export, "calendar export")
        press(export, "Cancel")
    else:
        problem("no calendar export dialog")
    press(page, "Close")


def check_other_windows(app, main):
    press(main, "Set log preferences")
    preferences = window_named(app, "Log preferences")
    if preferences:
        audit(preferences, "log preferences")
        press(preferences, "Close")
    else:
        problem("no log preferences window")
    press(main, "Help")
    help_window = window_named(app, "Selvanor Help")
    if help_window:
        text = help_window.queryText().getText(0, -1) if "Text" in help_window.get_interfaces() else ""
        if "Selvanor" not in text:
            problem("help: its guide does not read")
        key(0xFF1B)  # Escape
    else:
        problem("no help window")
    # An eclipse on show brings the saros series command.
    type_entry(main, "2000-01-01 CE")
    time.sleep(0.5)
    press(main, "Search for")
    if press(main, "Look up saros series\u2026"):
        saros = wait_for(lambda: next((w for w in windows(app) if (w.name or "").startswith("Saros series")), None))
        if saros:
            audit(saros, "saros series")
        else:
            problem("no saros series window")
    # A refused entry: a message box.
    type_entry(main, "2000-02-30 CE")
    box = wait_for(lambda: next((w for w in windows(app) if w.getRoleName() in ("dialog", "alert")
                                 and "showing" in states(w)), None))
    if box:
        audit(box, "message box")
        press(box, "OK")
    else:
        problem("no message box for a refused entry")


def start(environment, state):
    """The program, started again when it ends at once: on a loaded machine a new X server now and
    then refuses its very first client."""
    for _ in range(3):
        program = subprocess.Popen([PROGRAM, "--state-dir", state], env=environment)
        try:
            program.wait(3)
        except subprocess.TimeoutExpired:
            return program
    return program


def main():
    with tempfile.TemporaryDirectory() as state:
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = start(environment, state)
        try:
            app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Selvanor"),
                                        None), 60)
            if not app:
                print("the program never appeared on the accessibility bus")
                return 1
            main_window = window_named(app, "Selvanor")
            audit(main_window, "main window")
            check_value_labels(main_window)
            check_tab_order(main_window)
            check_log(app, main_window)
            check_lunation(app, main_window)
            check_other_windows(app, main_window)
        finally:
            program.terminate()
            program.wait(30)
    for text in PROBLEMS:
        print(text)
    return 1 if PROBLEMS else 0


def on_a_display_and_bus_of_its_own():
    """Runs this script again on a new X server and session bus. Xvfb picks the display itself
    (-displayfd), so that test runs side by side never meet on one display."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as display:
        number = display.readline().strip()
    try:
        if not number:
            print("Xvfb did not start")
            return 1
        # The server's socket answers before the first client is let in.
        wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 10)
        environment = dict(os.environ, DISPLAY=f":{number}")
        environment.pop("XAUTHORITY", None)
        return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, "--inner", PROGRAM, CLI],
                              env=environment, check=False).returncode
    finally:
        server.terminate()
        server.wait(30)


if __name__ == "__main__":
    sys.exit(main() if "--inner" in sys.argv else on_a_display_and_bus_of_its_own())
