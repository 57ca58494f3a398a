"""Drives the running Vantor as a screen reader's user does, through the accessibility bus and the keyboard, and hears
what a screen reader speaks of its own accord: each notification as it shows, and the focused control's value as it
changes. Fails, saying what it heard, unless it heard each message in turn. Argument: the test's folder."""
import os, shutil, subprocess, sys, time
import pyatspi
from gi.repository import GLib

folder, heard, menus, focused = sys.argv[1], [], [], []


def hear(event):
    role = event.source.getRole()
    if event.type.startswith("object:state-changed:showing") and event.detail1:
        (heard.append(event.source.name) if role == pyatspi.ROLE_NOTIFICATION else
         menus.append(event.source) if role == pyatspi.ROLE_POPUP_MENU else None)
    elif event.type.endswith("accessible-value") and event.source.getState().contains(pyatspi.STATE_FOCUSED):
        heard.append(f"{event.source.queryValue().currentValue:g}")
    elif event.type.startswith("object:state-changed:focused") and event.detail1:
        focused.append(event.source)


def wait(done, what):
    deadline = time.monotonic() + 20
    while not done():
        if time.monotonic() > deadline:
            sys.exit(f"screenreader: no {what}; heard {heard}")
        GLib.MainContext.default().iteration(False) or time.sleep(0.02)


def everything(accessible):
    yield accessible
    for child in (accessible.getChildAtIndex(i) for i in range(accessible.childCount)):
        yield from everything(child) if child is not None else ()


def vantor():
    return [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "vantor"]


wait(lambda: vantor() and vantor()[0].childCount, "Vantor on the accessibility bus")
# Registered once the program is up, which then hears of them as they come: listeners registered while it starts
# may go unnoticed by it.
pyatspi.Registry.registerEventListener(hear, "object:state-changed:showing", "object:property-change:accessible-value",
                                       "object:state-changed:focused")
window = vantor()[0].getChildAtIndex(0)
if (window.getRoleName(), window.name) != ("frame", "Vantor, by Tovrik"):
    sys.exit(f"screenreader: the window is told as {window.getRoleName()} {window.name!r}")
controls = {a.name: a for a in everything(window)}  # by the names they have at rest


def press(name):
    return lambda: controls[name].queryAction().doAction(0)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)


def focus(name, *then):
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Vantor, by ", "windowfocus", "--sync"],
                   check=True, timeout=20)
    controls[name].queryComponent().grabFocus()
    wait(lambda: controls[name].getState().contains(pyatspi.STATE_FOCUSED), f"focus on {name}")
    if then:
        keys(*then)


def bring_in_steam_options():  # from the command line's menu, opened with the keyboard
    for key, then in [("Menu", "Escape"), ("shift+F10", "Up Up Return")]:
        shown = len(menus)
        focus("Current Command Line", key)
        wait(lambda: len(menus) > shown, f"menu after {key}")
        offered = [i.name for i in everything(menus[-1]) if i.getRole() == pyatspi.ROLE_MENU_ITEM]
        if offered[-3:] != ["Paste Command Line or CFG", "Bring in Steam's Launch Options", "Check Setup"] or len(menus) > shown + 1:
            sys.exit(f"screenreader: {key} opened {len(menus) - shown} menus, the last offering {offered}")
        keys(*then.split())


def close_message():  # the message that says why the game could not start, over the window
    wait(lambda: any(c is not None and c.getRole() == pyatspi.ROLE_ALERT for c in vantor()[0]), "the message")
    alert = next(c for c in vantor()[0] if c is not None and c.getRole() == pyatspi.ROLE_ALERT)
    next(a for a in everything(alert) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Close").queryAction(
    ).doAction(0)
    wait(lambda: not any(c is not None and c.getRole() == pyatspi.ROLE_ALERT for c in vantor()[0]), "no message")


def store_unwritable():
    settings = os.path.join(folder, "config", "vantor_tovrik.ini")
    os.remove(settings)
    os.mkdir(settings)


focus("Custom Parameters")  # the program tells of it once it knows of every listener
wait(lambda: "Custom Parameters" in [a.name for a in focused], "word of the focus")
said = []
for actions, message in [
        ([press("Save Slot 1")], "Saved"),
        ([store_unwritable, press("Save Slot 2")], "Not saved!"),
        ([press("Make CFG File:")], "Enter a filename!"),
        ([lambda: controls["CFG file name"].queryEditableText().setTextContents("mine"), press("Make CFG File:")],
         "CFG file created"),
        ([press("Run Half-Life Now!")], "Could not start hl.exe!"),
        ([close_message, lambda: focus("Console Speed", "Right")], "1100"),
        ([lambda: focus("Skill Level", "Right")], "Medium"),
        ([bring_in_steam_options], "3 options set"),
        ([press("Delete all saved settings")], "Are you sure?"),
        ([press("Delete all saved settings")], "Are you really, really sure?"),
        ([press("Delete all saved settings")], "OK, they're deleted"),
        ([lambda: shutil.rmtree(os.path.join(folder, "hl", "valve")), press("Make CFG File:")],
         " ERROR: Dir not found!")]:
    for action in actions:
        action()
    said.append(message)
    wait(lambda: len(heard) >= len(said), repr(message))
if heard != said:
    sys.exit(f"screenreader: heard {heard}, not {said}")
print(f"screenreader: each of the {len(said)} messages was heard")
