"""Reads the game through AT-SPI as a screen reader does; the program runs as process argv[1].

Finds the game's window, presses F2 for a new game, reads the person's eight cards, Tarvish's
cards (face down, unnamed), the commentary line and the keyboard's card, then asks for a new game
in the middle of this one and reads the message with its buttons, answering it through its button's
action. Prints what it read; exits non-zero at the first thing that is not as it should be.
"""

import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

PID = int(sys.argv[1])
CARD = re.compile(r"^(Seven|Eight|Nine|Ten|Jack|Queen|King|Ace) of (Diamonds|Clubs|Hearts|Spades)$")


def fail(what):
    print("FAIL:", what)
    sys.exit(1)


last_error = [None]


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception as error:  # the tree changes while it is read
            last_error[0] = error
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("no %s within %d seconds (%s)" % (what, seconds, last_error[0]))


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == PID:
            app.set_cache_mask(Atspi.Cache.NONE)
            return app
    return None


def table(app):
    return next((n for n in walk(app) if n.get_name() == "Card table"), None)


def cards(app):
    found = table(app)
    if found is None:
        return []
    return [found.get_child_at_index(i) for i in range(found.get_child_count())
            if found.get_child_at_index(i).get_role() == Atspi.Role.IMAGE]


def hand(app):
    held = [c for c in cards(app) if c.get_description().startswith("your hand")]
    # While the deal goes on, cards lie face down in the row.
    if len(held) != 8 or not all(CARD.match(c.get_name()) for c in held):
        return None
    return held


def key(name):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(PID)],
                            capture_output=True, text=True).stdout.split()
    if window:
        subprocess.run(["xdotool", "windowactivate", "--sync", window[0]], check=False,
                       capture_output=True)
        subprocess.run(["xdotool", "mousemove", "--window", window[0], "300", "200", "click", "1"],
                       check=False)
    subprocess.run(["xdotool", "key", name], check=True)


def main():
    app = wait_for("application on the AT-SPI bus", application)
    wait_for("card table", lambda: table(app))
    time.sleep(0.5)
    key("F2")

    held = wait_for("hand of eight cards", lambda: hand(app))
    names = [c.get_name() for c in held]
    places = [c.get_description() for c in held]
    print("your hand:", "; ".join(names))
    for name in names:
        if not CARD.match(name):
            fail("a card of the hand named %r" % name)
    if places != ["your hand, %d of 8" % i for i in range(1, 9)]:
        fail("the hand's places read %r" % places)

    tarvish = [c for c in cards(app) if c.get_description().startswith("Tarvish's hand")]
    print("Tarvish's hand:", len(tarvish), "cards")
    # Tarvish may have led a card already.
    if len(tarvish) not in (7, 8) or any(c.get_name() != "Tarvish's card, face down" for c in tarvish):
        fail("Tarvish's cards read %r" % [c.get_name() for c in tarvish])
    if any(CARD.match(c.get_name()) and "stock" in c.get_description() for c in cards(app)):
        fail("a card of the stock is named")

    info = wait_for("commentary line", lambda: next(
        (n for n in walk(table(app)) if n.get_description() == "the commentary line"
         and n.get_name()), None))
    print("commentary:", info.get_name())
    up = wait_for("up card", lambda: next(
        (c for c in cards(app) if c.get_description() == "the up card, trumps"), None))
    if not CARD.match(up.get_name()):
        fail("the up card reads %r" % up.get_name())

    focused = wait_for("keyboard's card", lambda: next(
        (c for c in cards(app) if c.get_state_set().contains(Atspi.StateType.FOCUSED)), None))
    print("keyboard's card:", focused.get_name(), "-", focused.get_description())
    # Right moves the keyboard's card, and the focus with it.
    before = focused.get_description()
    key("Right")
    moved = wait_for("focus on the next card", lambda: next(
        (c for c in cards(app) if c.get_state_set().contains(Atspi.StateType.FOCUSED)
         and c.get_description() != before), None), 10)
    print("after Right:", moved.get_name(), "-", moved.get_description())

    key("F2")
    dialog = wait_for("message", lambda: next(
        (n for n in walk(app) if n.get_role() == Atspi.Role.DIALOG and n.get_name()), None))
    texts = [n.get_name() for n in walk(dialog) if n.get_role() == Atspi.Role.LABEL]
    buttons = [n for n in walk(dialog) if n.get_role() == Atspi.Role.PUSH_BUTTON
               and n.get_state_set().contains(Atspi.StateType.SHOWING)]
    print("message:", dialog.get_name(), "|", " | ".join(t.strip() for t in texts if t.strip()))
    print("buttons:", [b.get_name() for b in buttons])
    if dialog.get_name() != "Leave this game?":
        fail("the message's title reads %r" % dialog.get_name())
    if not any("leave this game" in t.lower() or "new game" in t.lower() for t in texts):
        fail("the message's text is not readable: %r" % texts)
    if [b.get_name() for b in buttons] != ["No Continue", "Yes New Game"]:
        fail("the message's buttons read %r" % [b.get_name() for b in buttons])
    buttons[0].do_action(0)
    wait_for("message to close", lambda: not any(
        n.get_role() == Atspi.Role.DIALOG and n.get_state_set().contains(Atspi.StateType.SHOWING)
        for n in walk(app)), 10)
    if len(hand(app) or []) != 8:
        fail("the game did not go on after No Continue")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
