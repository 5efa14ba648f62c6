"""Reads Orvane through AT-SPI as a screen reader does, and fails on what a
listener would miss: a control that shows and takes the focus without a
name, a bill table row or calendar day that does not read as its bill, a
logged payment that is not announced. Run by atspi-check.sh."""

import os
import plistlib
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FAILURES = []


def fail(message):
    FAILURES.append(message)
    print("FAIL: " + message, flush=True)


def start_programs():
    home = os.environ["HOME"]
    # A returning user: no welcome sheet, no sounds.
    with open(os.path.join(home, "config/Orvane/Orvane.plist"), "wb") as settings:
        plistlib.dump({"BW_IsFirstLaunchV8_NEW": False, "BRWPlayInterfaceSounds": False}, settings)
    launcher = subprocess.Popen([os.environ["ATSPI_LAUNCHER"], "--launch-immediately"])
    time.sleep(0)  # the launcher claims its bus name on its own
    orvane = subprocess.Popen([os.environ["ORVANE"]], stderr=open(os.path.join(home, "orvane.log"), "w"))
    return launcher, orvane


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.2)
    return None


def orvane_application():
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "Orvane" and app.childCount > 0:
                return app
    except Exception:
        return None
    return None


def walk(node, depth=0):
    """Every accessible below `node` that shows, with `node` itself."""
    if node is None or depth > 40:
        return
    try:
        states = node.getState()
    except Exception:
        return
    if depth > 0 and not states.contains(pyatspi.STATE_SHOWING):
        return
    yield node
    for index in range(node.childCount):
        yield from walk(node.getChildAtIndex(index), depth + 1)


def says_something(name):
    return any(c.isalnum() for c in name or "")


def check_names(nodes):
    for node in nodes:
        states = node.getState()
        if not states.contains(pyatspi.STATE_FOCUSABLE) or node.getRole() == pyatspi.ROLE_TABLE_CELL:
            continue
        if not says_something(node.name):
            fail("a %s that takes the focus has no name (under %r)" % (node.getRoleName(), node.parent.name))


# "Rent, Due in 3 days, Friday, December 12, $1,450.00"
ROW_READING = re.compile(r"^[^,]+, [^,]+, [A-Z][a-z]+, [A-Z][a-z]+ \d{1,2}, .*\d")
# "December 12" or "December 12, Rent and Water due"
DAY_READING = re.compile(r"^[A-Z][a-z]+ \d{1,2}(, .+ due)?$")


def check_readings(nodes):
    rows = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_TABLE_CELL and ROW_READING.match(n.name or "")]
    if not rows:
        fail("no row of the bill table reads as its bill")
    days = [n.name for n in nodes if n.parent is not None and n.parent.name.startswith("Calendar")
            and DAY_READING.match(n.name or "")]
    if len(days) < 28:
        fail("the calendar reads %d days as their dates" % len(days))
    if not any(day.endswith(" due") for day in days):
        fail("no calendar day reads the bills due on it")
    return rows


def find(nodes, role, name):
    for node in nodes:
        if node.getRole() == role and node.name == name:
            return node
    return None


def press(node):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) in ("Press", "press", "click"):
            actions.doAction(index)
            return True
    return False


def log_a_payment(app):
    """Selects the first bill, presses Log Payment and the panel's Log
    Payment: what a listener hears is recorded by `heard`."""
    nodes = list(walk(app))
    table = next((n for n in nodes if n.getRole() == pyatspi.ROLE_TABLE and n.name == "Bills"), None)
    if table is None:
        fail("the bill table is not in the tree")
        return
    table.queryTable().addRowSelection(0)
    button = wait_for(lambda: find(list(walk(app)), pyatspi.ROLE_PUSH_BUTTON, "Log Payment"), 10)
    if button is None or not press(button):
        fail("no Log Payment button to press")
        return
    # The panel is a window of its own, titled as its button.
    def panel_button():
        for window in app:
            if window is not None and window.name == "Log Payment":
                return find(list(walk(window)), pyatspi.ROLE_PUSH_BUTTON, "Log Payment")
        return None
    save = wait_for(panel_button, 10)
    if save is None or not press(save):
        fail("the log-payment panel has no Log Payment button to press")


def main():
    launcher, orvane = start_programs()
    try:
        app = wait_for(orvane_application, 60)
        if app is None:
            fail("Orvane never showed on the accessibility bus")
            return
        nodes = wait_for(lambda: [n for n in walk(app)] if len(list(walk(app))) > 50 else None, 30) or []
        check_names(nodes)
        check_readings(nodes)

        heard = []
        def listen(event):
            if event.source is not None and "payment of" in (event.source.name or ""):
                heard.append(event.source.name)
        pyatspi.Registry.registerEventListener(
            listen, "object:property-change:accessible-name", "object:state-changed:showing")
        def act():
            log_a_payment(app)
            return False
        def stop_when_heard(started=[time.monotonic()]):
            if heard or time.monotonic() - started[0] > 20:
                pyatspi.Registry.stop()
                return False
            return True
        GLib.timeout_add(500, act)
        GLib.timeout_add(200, stop_when_heard)
        pyatspi.Registry.start()
        if not heard:
            fail("logging a payment was not announced")
        else:
            print("heard: " + heard[0], flush=True)
    finally:
        orvane.terminate()
        try:
            orvane.wait(10)
        except subprocess.TimeoutExpired:
            orvane.kill()
        launcher.terminate()
    if FAILURES:
        print(open(os.path.join(os.environ["HOME"], "orvane.log")).read()[-3000:])


main()
sys.exit(1 if FAILURES else 0)
