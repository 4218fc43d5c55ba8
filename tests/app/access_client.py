#!/usr/bin/env python3
"""A pupil with a screen reader and no mouse: reads the program through the
accessibility bus (AT-SPI) and plays one build window (Form99a) and one write
window (Form99b) with the keyboard alone (xdotool key). Exits 0 when every
step went as a pupil expects, 1 with the reason otherwise."""

import subprocess
import sys
import time

import pyatspi

TIMEOUT = 20.0


def fail(reason):
    print("FAIL: " + reason)
    sys.exit(1)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "60", name], check=True)
        time.sleep(0.15)


def fresh(node):
    # Names, states and values change while the pupil plays: read them anew.
    try:
        node.clearCache()
    except Exception:
        pass
    return node


def children(node):
    try:
        return [c for c in fresh(node) if c is not None]
    except Exception:
        return []


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def role(node):
    return node.getRoleName()


def showing(node):
    return fresh(node).getState().contains(pyatspi.STATE_SHOWING)


def wait_for(what, find):
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def program():
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "ortix":
                return app
        return None
    return wait_for("the program on the accessibility bus", find)


def window(app, name):
    def find():
        for w in children(app):
            if w.name == name and showing(w):
                return w
        return None
    return wait_for("the window \"%s\"" % name, find)


def find_in(top, test):
    for node in walk(top):
        try:
            if test(node):
                return node
        except Exception:
            continue
    return None


def focused(top):
    return find_in(top, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))


def tab_to(top, test, what):
    """Tab until the focus is on what `test` accepts."""
    for _ in range(40):
        now = focused(top)
        if now is not None and test(now):
            return now
        key("Tab")
    fail("Tab never reached " + what)


def named(prefix, role_name=None):
    return lambda n: n.name.startswith(prefix) and (role_name is None or role(n) == role_name)


def value_of(node):
    return int(round(fresh(node).queryValue().currentValue))


def press_action(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            started = time.time()
            action.doAction(i)
            return time.time() - started
    fail("%s has no action %s" % (node.name, name))


def counter(top, title):
    node = wait_for("the counter " + title, lambda: find_in(top, named(title + " ", "label")))
    return fresh(node).name


def wait_counter(top, title, expected):
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        if counter(top, title) == expected:
            return
        time.sleep(0.2)
    fail("the counter reads \"%s\", not \"%s\"" % (counter(top, title), expected))


def leave(app, top):
    """Menu "Esci" chosen by AT-SPI: the action returns before the question,
    which the keyboard answers (Enter: Yes)."""
    esci = find_in(top, lambda n: role(n) == "menu item" and n.name.strip() == "Esci")
    if esci is None:
        fail("no menu item Esci")
    took = press_action(esci, "Press") if "Press" in [esci.queryAction().getName(i) for i in range(esci.queryAction().nActions)] else press_action(esci, esci.queryAction().getName(0))
    if took > 2.0:
        fail("the Esci action took %.1f s: it waited for the question" % took)
    wait_for("the quit question", lambda: find_in(app, lambda n: role(n) in ("dialog", "alert") and showing(n)))
    time.sleep(0.3)
    key("Return")
    return window(app, "Uso dell'ortix - Menu")


def main():
    app = program()
    start = window(app, "Uso dell'ortix")
    if role(start) not in ("frame", "window"):
        fail("the start window has the role " + role(start))
    tab_to(start, named("Avvio", "push button"), "Avvio")
    key("space")
    menu = window(app, "Uso dell'ortix - Menu")

    names = [n.name for n in walk(menu) if role(n) == "push button" and n.name.startswith(("inserisci", "scrivi"))]
    if len(names) != 20 or len(set(names)) != 20:
        fail("the twenty exercise buttons are not told apart: %s" % names)

    # A build window: the number in digits, built bead by bead with Up.
    tab_to(menu, named("inserisci le palline - 2, decine", "push button"), "the build button of the tens")
    key("space")
    build = window(app, "Inserisci le palline - numeri fino a 99")
    cifre = find_in(build, lambda n: role(n) == "menu item" and n.name.strip() == "in cifre")
    if cifre is None:
        fail("no menu item \"in cifre\"")
    press_action(cifre, cifre.queryAction().getName(0))
    target = wait_for("the target in digits",
                      lambda: find_in(build, lambda n: role(n) == "label" and fresh(n).name.strip().isdigit()))
    number = int(fresh(target).name.strip())
    for place, digit in (("decine", number // 10), ("unità", number % 10)):
        tab_to(build, named(place + ",", "push button"), "the button of the " + place)
        for _ in range(digit):
            key("Up")
        rod = find_in(build, lambda n, p=place: role(n) == "slider" and n.name == p)
        if rod is None:
            fail("no rod named " + place)
        if value_of(rod) != digit:
            fail("the rod %s holds %d beads, not %d" % (place, value_of(rod), digit))
        button = focused(build)
        if not fresh(button).name.endswith(str(digit)):
            fail("the button reads \"%s\"" % button.name)
    tab_to(build, named("Conferma", "push button"), "Conferma")
    key("Return")
    wait_counter(build, "Esatti", "Esatti 1")
    if find_in(build, lambda n: role(n) == "alert" and n.name == "Risposta esatta" and showing(n)) is None:
        fail("the right-answer picture is not shown by name")
    print("build window by keyboard: %d built and right" % number)
    menu = leave(app, build)

    # A write window: the beads read from the rods, the number typed.
    tab_to(menu, named("scrivi il numero in cifre, decine", "push button"), "the write button of the tens")
    key("space")
    write = window(app, "Scrivi il numero in cifre - numeri fino a 99")
    rods = {}
    for place in ("decine", "unità"):
        rod = wait_for("the rod " + place, lambda p=place: find_in(write, lambda n: role(n) == "slider" and n.name == p))
        rods[place] = value_of(rod)
    number = rods["decine"] * 10 + rods["unità"]
    box = tab_to(write, lambda n: role(n) == "text", "the answer box")
    if not box.name:
        fail("the answer box has no name")
    key(*list(str(number)))
    key("Return")
    wait_counter(write, "Esatti", "Esatti 1")
    print("write window by keyboard: %d read from the rods and written" % number)
    leave(app, write)
    print("ok")


if __name__ == "__main__":
    main()
