"""Reads the game through AT-SPI as a screen reader does; the program runs as process argv[1].

Presses F2 for a new game; reads the person's eight cards, Tarvish's (face down, unnamed), the
commentary line and the keyboard's card as the focus; then F2 again, and reads the message
asking to leave the game with its buttons, answering it through a button's action.
"""

import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

PID = int(sys.argv[1])
CARD = re.compile(r"^(Seven|Eight|Nine|Ten|Jack|Queen|King|Ace) of (Diamonds|Clubs|Hearts|Spades)$")
FOCUSED, SHOWING = Atspi.StateType.FOCUSED, Atspi.StateType.SHOWING


def check(ok, what):
    if not ok:
        print("FAIL:", what)
        sys.exit(1)


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
            if found:
                return found
        except Exception:  # the tree changes while it is read
            pass
        time.sleep(0.2)
    check(False, "no %s within %d seconds" % (what, seconds))


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i))


def application():
    desktop = Atspi.get_desktop(0)
    for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
        if app.get_process_id() == PID:
            app.set_cache_mask(Atspi.Cache.NONE)  # the table changes under the cache
            return app


def find(app, test):
    return next((n for n in walk(app) if test(n)), None)


def cards(app, place=""):
    table = find(app, lambda n: n.get_name() == "Card table")
    return [c for c in walk(table) if c.get_role() == Atspi.Role.IMAGE
            and c.get_description().startswith(place)]


def hand(app):
    held = cards(app, "your hand")  # face down while the deal goes on
    return len(held) == 8 and all(CARD.match(c.get_name()) for c in held) and held


def key(name):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(PID)],
                            capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "mousemove", "--window", window, "300", "200", "click", "1",
                    "key", name], check=True)


def main():
    app = wait_for("application on the AT-SPI bus", application)
    wait_for("card table", lambda: cards(app) is not None)
    key("F2")
    held = wait_for("hand of eight cards", lambda: hand(app))
    print("your hand:", "; ".join(c.get_name() for c in held))
    check([c.get_description() for c in held] == ["your hand, %d of 8" % i for i in range(1, 9)],
          "the hand's places")
    tarvish = [c.get_name() for c in cards(app, "Tarvish's hand")]
    check(len(tarvish) in (7, 8) and set(tarvish) == {"Tarvish's card, face down"},
          "Tarvish's cards read %r" % tarvish)  # Tarvish may have led already
    info = wait_for("commentary", lambda: find(app, lambda n: n.get_name() and
                                               n.get_description() == "the commentary line"))
    print("commentary:", info.get_name())

    focused = wait_for("keyboard's card", lambda: find(app, lambda n: n.get_role() ==
                       Atspi.Role.IMAGE and n.get_state_set().contains(FOCUSED)))
    print("focus:", focused.get_name(), "-", focused.get_description())

    key("F2")
    dialog = wait_for("message", lambda: find(app, lambda n: n.get_role() == Atspi.Role.DIALOG))
    texts = [n.get_name().strip() for n in walk(dialog) if n.get_role() == Atspi.Role.LABEL]
    buttons = [n for n in walk(dialog) if n.get_role() == Atspi.Role.PUSH_BUTTON and
               n.get_state_set().contains(SHOWING)]
    print("message:", dialog.get_name(), "|", " | ".join(texts), "|",
          [b.get_name() for b in buttons])
    check(dialog.get_name() == "Leave this game?", "the message's title")
    check(any("Really start a new one?" in t for t in texts), "the message's text")
    check([b.get_name() for b in buttons] == ["No Continue", "Yes New Game"], "the buttons")
    buttons[0].do_action(0)
    wait_for("message closed", lambda: not find(app, lambda n: n.get_role() == Atspi.Role.DIALOG
                                                and n.get_state_set().contains(SHOWING)), 10)
    check(hand(app) or len(cards(app, "your hand")) == 7, "the game going on after No Continue")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
