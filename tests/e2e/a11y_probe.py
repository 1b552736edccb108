#!/usr/bin/python3
"""Reads Cindrel's windows the way a screen reader does, over AT-SPI.

Usage: a11y_probe.py PID CHECK [ARGUMENT]

CHECK is one of:
  main            the main window on its first step: named fields, list and
                  button, exactly one step panel and one banner link shown
  press NAME      presses the shown push button NAME through its action
  alert TEXT      an alert titled with the program's name reads TEXT
  focused NAME    the shown text box NAME has the keyboard focus
  no-alert        no alert of the program is on screen
  farewell        the farewell window with its named fields and Exit button

Every check waits at most WAIT seconds (environment, default 15) for what
it expects, prints what it found and exits 0, or prints why not and exits 1.
"""

import os
import sys
import time

import pyatspi

WAIT = float(os.environ.get("WAIT", "15"))
# The program's name and window title, from the build (see lib.sh).
APP_NAME = os.environ["CINDREL_NAME"]
MAIN_TITLE = os.environ["CINDREL_WINDOW_TITLE"]
STEP_PANELS = ("Personal Details", "Questions", "Result")
FAREWELL_FIELDS = ("Your Name", "Your Email Address", "Friend's Name",
                   "Friend's Email Address", "Your Message")
TEXT_ROLES = ("text", "entry")


class Mismatch(Exception):
    """What was expected is not (yet) there."""


class Failed(Exception):
    """A step that must not be tried again went wrong."""


def role(acc):
    return acc.getRoleName()


def has_state(acc, state):
    return acc.getState().contains(state)


def showing(acc):
    return has_state(acc, pyatspi.STATE_SHOWING) and has_state(acc, pyatspi.STATE_VISIBLE)


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(acc):
    yield acc
    for child in children(acc):
        yield from walk(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        try:
            if app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away meanwhile
            continue
    raise Mismatch("no accessible application with pid %d on the bus" % pid)


def windows(app, roles):
    return [w for w in children(app) if role(w) in roles and showing(w)]


def one_window(app, roles, name):
    found = [w for w in windows(app, roles) if w.name == name]
    if len(found) != 1:
        seen = ["%s %r" % (role(w), w.name) for w in children(app)]
        raise Mismatch("expected one shown %s named %r, found %d among %s"
                       % ("/".join(roles), name, len(found), seen))
    return found[0]


def find(root, roles, name, shown=True):
    """The one descendant of a role in roles with that name (shown only)."""
    found = [a for a in walk(root)
             if role(a) in roles and a.name == name and (not shown or showing(a))]
    if len(found) != 1:
        raise Mismatch("expected one %s%s named %r, found %d"
                       % ("shown " if shown else "", "/".join(roles), name, len(found)))
    return found[0]


def text_of(acc):
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return acc.name


def check_main(app):
    window = one_window(app, ("frame",), MAIN_TITLE)
    for name in ("Enter Name", "Enter Age"):
        find(window, TEXT_ROLES, name)
    sex = find(window, ("combo box",), "Select Sex")
    entries = [e.name for e in walk(sex) if role(e) == "list item"]
    if entries != ["Male", "Female"]:
        raise Mismatch("the sex list offers %r" % entries)
    selected = [e.name for e in walk(sex)
                if role(e) == "list item" and has_state(e, pyatspi.STATE_SELECTED)]
    if selected != ["Male"]:
        raise Mismatch("the sex list reads %r as selected, not ['Male']" % selected)
    find(window, ("push button",), "Take the Nicotine Dependency Test")

    panels = {a.name: showing(a) for a in walk(window) if a.name in STEP_PANELS
              and role(a) in ("panel", "filler", "frame")}
    if sorted(panels) != sorted(STEP_PANELS):
        raise Mismatch("step panels found: %r" % sorted(panels))
    shown = [name for name, is_shown in panels.items() if is_shown]
    if shown != ["Personal Details"]:
        raise Mismatch("step panels shown: %r (only 'Personal Details' expected)" % shown)
    # The buttons of the hidden steps are hidden with them.
    for name in ("Next Question", "Main Screen"):
        hidden = [a for a in walk(window) if role(a) == "push button" and a.name == name]
        if len(hidden) != 1 or showing(hidden[0]):
            raise Mismatch("the button %r of a step behind is read as shown" % name)

    links = [a for a in walk(window) if role(a) == "link"]
    shown_links = [a for a in links if showing(a)]
    if len(links) != 3 or len(shown_links) != 2:
        raise Mismatch("expected three links, two of them shown (the banner's "
                       "label behind is not), found %d and %d" % (len(links), len(shown_links)))
    for link in shown_links:
        if not link.description.startswith("Opens "):
            raise Mismatch("the link %r does not say what it opens" % link.name)
    return "main window: fields, list, button, step 'Personal Details' and 2 of 3 links shown"


def check_press(app, name):
    button = None
    for window in windows(app, ("frame", "dialog", "alert")):
        try:
            button = find(window, ("push button",), name)
            break
        except Mismatch:
            continue
    if button is None:
        raise Mismatch("no shown push button named %r" % name)
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise Mismatch("the button %r offers no press action: %r" % (name, names))
    try:
        action.doAction(names.index("Press"))
    except Exception as problem:
        # The press may have happened; pressing again could act twice.
        raise Failed("pressing %r: %s" % (name, problem)) from problem
    return "pressed %r" % name


def check_alert(app, text):
    alerts = windows(app, ("alert",))
    if len(alerts) != 1:
        raise Mismatch("expected one alert, found %d" % len(alerts))
    alert = alerts[0]
    if alert.name != APP_NAME:
        raise Mismatch("the alert is titled %r" % alert.name)
    texts = [text_of(a) for a in walk(alert) if role(a) == "label" and showing(a)]
    if text not in texts:
        raise Mismatch("the alert reads %r" % texts)
    find(alert, ("push button",), "OK")
    return "alert %r reads %r" % (APP_NAME, text)


def check_no_alert(app):
    alerts = windows(app, ("alert",))
    if alerts:
        raise Mismatch("%d alert(s) still shown" % len(alerts))
    return "no alert shown"


def check_focused(app, name):
    window = one_window(app, ("frame", "dialog"), MAIN_TITLE)
    box = find(window, TEXT_ROLES, name)
    if not has_state(box, pyatspi.STATE_FOCUSED):
        raise Mismatch("the text box %r does not have the focus" % name)
    return "%r has the focus" % name


def check_farewell(app):
    window = one_window(app, ("dialog", "frame"), MAIN_TITLE)
    if role(window) != "dialog":
        raise Mismatch("the farewell window is read as %s" % role(window))
    found = {}
    for name in FAREWELL_FIELDS:
        found[name] = text_of(find(window, TEXT_ROLES, name))
    find(window, ("push button",), "Exit")
    find(window, ("push button",), "Refer A Friend Now")
    find(window, ("link",), "Click Here To Visit Velmor Softwares")
    frames = windows(app, ("frame",))
    if frames:
        raise Mismatch("the main window is still read as shown")
    return "farewell window: fields %s and the Exit button" % sorted(found)


CHECKS = {
    "main": (check_main, 0),
    "press": (check_press, 1),
    "alert": (check_alert, 1),
    "no-alert": (check_no_alert, 0),
    "focused": (check_focused, 1),
    "farewell": (check_farewell, 0),
}


def main(argv):
    if len(argv) < 3 or argv[2] not in CHECKS or len(argv) != 3 + CHECKS[argv[2]][1]:
        sys.stderr.write(__doc__)
        return 2
    pid = int(argv[1])
    check, _ = CHECKS[argv[2]]
    deadline = time.monotonic() + WAIT
    while True:
        try:
            print(check(application(pid), *argv[3:]))
            return 0
        except Failed as problem:
            print("%s: %s" % (argv[2], problem), file=sys.stderr)
            return 1
        except Exception as problem:  # not there yet, or the tree changed under us
            if time.monotonic() >= deadline:
                print("%s: %s" % (argv[2], problem), file=sys.stderr)
                return 1
        time.sleep(0.2)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
