#!/usr/bin/python3
"""Reads and drives Cindrel's windows the way a screen reader does, over AT-SPI.

Usage: a11y_probe.py PID CHECK [ARGUMENT...]

CHECK is one of:
  main              the main window on its first step: named fields, list and
                    button, exactly one step panel and one banner link shown
  press NAME        presses the shown push button NAME through its action
                    and waits for the click
  link PREFIX       presses the shown link whose text starts with PREFIX
  menu MENU ENTRY   presses the entry ENTRY of the menu bar's menu MENU (the
                    menu itself is not opened) without waiting for it to act
  set-text NAME TEXT
                    sets the text of the shown text box NAME to TEXT
  choose LIST ENTRY chooses ENTRY in the shown drop-down list LIST
  labels PANEL      prints the text of each shown label of the shown panel
                    PANEL, one JSON string a line
  alert TEXT        an alert titled with the program's name reads TEXT (any
                    text when TEXT is empty)
  focused NAME      the shown text box NAME has the keyboard focus
  no-alert          no alert of the program is on screen
  about             the About window with its links and OK button
  farewell          the farewell window with its named fields and Exit button
  banner            prints which banner label of the main window is in front:
                    "cobrand" or "fullbrand"
  windows           prints the program's windows (role, name, shown); never
                    fails once the program is on the bus

Every check waits at most WAIT seconds (environment, default 15) for what
it expects, prints what it found and exits 0, or prints why not and exits 1.
An action is tried once: a failure after it was sent is not retried, since
trying again could act twice.
"""


import json
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


def shown_in_windows(app, roles, name, match=None):
    """The one shown control of a role in roles named name (or whose name
    satisfies match) in any shown window of the program."""
    found = []
    for window in windows(app, ("frame", "dialog", "alert")):
        found += [a for a in walk(window) if role(a) in roles and showing(a)
                  and (match(a.name) if match else a.name == name)]
    if len(found) != 1:
        raise Mismatch("expected one shown %s named %r, found %d"
                       % ("/".join(roles), name, len(found)))
    return found[0]


def send_without_reply(acc, index):
    """Sends the action straight to the program over the accessibility bus,
    without waiting for an answer: the program answers only after the action
    returns, and an action that opens a modal window returns when the
    window closes."""
    from gi.repository import Gio, GLib
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000,
                                None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    message = Gio.DBusMessage.new_method_call(acc.app.bus_name, acc.path,
                                              "org.a11y.atspi.Action", "DoAction")
    message.set_body(GLib.Variant("(i)", (index,)))
    message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    bus.send_message(message, Gio.DBusSendMessageFlags.NONE)
    bus.flush_sync(None)


def act(acc, action_name, what, wait_for_reply=True):
    """Performs the action once; a failure after sending it is final."""
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if action_name not in names:
        raise Mismatch("%s offers no %s action: %r" % (what, action_name, names))
    try:
        if wait_for_reply:
            action.doAction(names.index(action_name))
        else:
            send_without_reply(acc, names.index(action_name))
    except Exception as problem:
        raise Failed("%s: %s" % (what, problem)) from problem


def check_press(app, name):
    button = shown_in_windows(app, ("push button",), name)
    act(button, "Press", "the button %r" % name)
    # Qt presses a button as if clicked: it shows it pressed and clicks it a
    # moment later. Wait for the click, so the next step finds its outcome.
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        try:
            if not has_state(button, pyatspi.STATE_PRESSED):
                return "pressed %r" % name
        except Exception:  # the button went with its window
            return "pressed %r" % name
        time.sleep(0.05)
    raise Failed("the button %r stayed pressed" % name)


def check_link(app, prefix):
    link = shown_in_windows(app, ("link",), prefix + "...", lambda n: n.startswith(prefix))
    act(link, "Press", "the link %r" % link.name)
    return "pressed the link %r" % link.name


def check_menu(app, menu, entry):
    window = one_window(app, ("frame",), MAIN_TITLE)
    heading = find(window, ("menu item",), menu)
    item = find(heading, ("menu item",), entry, shown=False)
    # A menu entry acts before the program answers (the About window is
    # modal), so check its outcome with another check.
    act(item, "Press", "the menu entry %s > %s" % (menu, entry), wait_for_reply=False)
    return "pressed %s > %s" % (menu, entry)


def check_set_text(app, name, text):
    box = shown_in_windows(app, TEXT_ROLES, name)
    if text_of(box) != text:
        if not box.queryEditableText().setTextContents(text):
            raise Mismatch("the text box %r refused the text" % name)
        if text_of(box) != text:
            raise Mismatch("the text box %r reads %r" % (name, text_of(box)))
    return "%r holds %r" % (name, text)


def check_choose(app, name, entry):
    combo = shown_in_windows(app, ("combo box",), name)
    def selected():
        return [e.name for e in walk(combo)
                if role(e) == "list item" and has_state(e, pyatspi.STATE_SELECTED)]
    if selected() != [entry]:
        # Toggling the entry selects it and the list takes the selected
        # entry. The program acts after answering, so look again later;
        # toggling once more does no harm while the entry is not selected.
        act(find(combo, ("list item",), entry, shown=False), "Toggle",
            "the entry %r of %r" % (entry, name))
        raise Mismatch("%r reads %r as chosen, not %r" % (name, selected(), entry))
    return "%r: %r chosen" % (name, entry)


def check_labels(app, panel):
    shown = [a for w in windows(app, ("frame", "dialog")) for a in walk(w)
             if a.name == panel and role(a) in ("panel", "filler") and showing(a)]
    if len(shown) != 1:
        raise Mismatch("expected one shown panel %r, found %d" % (panel, len(shown)))
    texts = [text_of(a) for a in walk(shown[0]) if role(a) == "label" and showing(a)]
    if not any(texts):
        raise Mismatch("the panel %r shows no text yet" % panel)
    return "\n".join(json.dumps(t, ensure_ascii=False) for t in texts)


def check_alert(app, text):
    alerts = windows(app, ("alert",))
    if len(alerts) != 1:
        raise Mismatch("expected one alert, found %d" % len(alerts))
    alert = alerts[0]
    if alert.name != APP_NAME:
        raise Mismatch("the alert is titled %r" % alert.name)
    texts = [text_of(a) for a in walk(alert) if role(a) == "label" and showing(a)]
    if text and text not in texts:
        raise Mismatch("the alert reads %r" % texts)
    if not [b for b in walk(alert) if role(b) == "push button" and showing(b)]:
        raise Mismatch("the alert shows no button")
    return "alert %r reads %r" % (APP_NAME, text or texts)


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


def check_about(app):
    window = one_window(app, ("dialog",), MAIN_TITLE)
    find(window, ("link",), "Click here for more details.")
    find(window, ("push button",), "OK")
    return "About window: its links and the OK button"


def check_banner(app):
    window = one_window(app, ("frame",), MAIN_TITLE)
    for link in walk(window):
        if role(link) == "link" and showing(link):
            if link.name.startswith("Co-brand"):
                return "cobrand"
            if link.name.startswith("Home Business"):
                return "fullbrand"
    raise Mismatch("no banner label shown")


def check_windows(app):
    return "\n".join("  %s %r%s" % (role(w), w.name, " shown" if showing(w) else "")
                     for w in children(app)) or "  (none)"


CHECKS = {
    "main": (check_main, 0),
    "press": (check_press, 1),
    "link": (check_link, 1),
    "menu": (check_menu, 2),
    "set-text": (check_set_text, 2),
    "choose": (check_choose, 2),
    "labels": (check_labels, 1),
    "alert": (check_alert, 1),
    "no-alert": (check_no_alert, 0),
    "focused": (check_focused, 1),
    "farewell": (check_farewell, 0),
    "about": (check_about, 0),
    "banner": (check_banner, 0),
    "windows": (check_windows, 0),
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
