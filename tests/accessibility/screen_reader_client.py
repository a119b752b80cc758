# Reads the game through AT-SPI as a screen reader does; the program runs as process argv[1].
# Presses F2 for a new game and reads the person's eight cards and the commentary line; then F2
# again, and reads the message asking to leave the game with its buttons.

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

PID = int(sys.argv[1])


def wait_for(what, find):
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        try:
            found = find()
            if found:
                return found
        except Exception:  # the tree changes while it is read
            pass
        time.sleep(0.2)
    sys.exit("FAIL: no " + what)


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i))


def application():
    desktop = Atspi.get_desktop(0)
    app = next(a for a in map(desktop.get_child_at_index, range(desktop.get_child_count()))
               if a.get_process_id() == PID)
    app.set_cache_mask(Atspi.Cache.NONE)  # the table changes under the cache
    return app


def find(app, test):
    return next((n for n in walk(app) if test(n)), None)


def hand(app):
    held = [c for c in walk(app) if c.get_role() == Atspi.Role.IMAGE and
            c.get_description().startswith("your hand")]
    # Eight faces in their places once the deal has settled (not face down, not mid-layout).
    places = [c.get_description() for c in held]
    settled = places == ["your hand, %d of 8" % i for i in range(1, 9)]
    return settled and all(" of " in c.get_name() for c in held) and held


def key(name):  # clicked into the window first, to give it the keyboard
    window = wait_for("visible window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(PID)],
        capture_output=True, text=True).stdout.split()[0])
    subprocess.run(["xdotool", "mousemove", "--window", window, "300", "200", "click", "1",
                    "key", name], check=True)


app = wait_for("application on the AT-SPI bus", application)
wait_for("card table", lambda: find(app, lambda n: n.get_name() == "Card table"))
key("F2")
held = wait_for("hand of eight cards in their places", lambda: hand(app))
info = wait_for("commentary", lambda: find(app, lambda n: n.get_name() and
                                           n.get_description() == "the commentary line"))
print("your hand:", "; ".join(c.get_name() for c in held), "| commentary:", info.get_name())

key("F2")
dialog = wait_for("message", lambda: find(app, lambda n: n.get_role() == Atspi.Role.DIALOG))
texts = [n.get_name() for n in walk(dialog) if n.get_role() == Atspi.Role.LABEL]
buttons = [n.get_name() for n in walk(dialog) if n.get_role() == Atspi.Role.PUSH_BUTTON and
           n.get_state_set().contains(Atspi.StateType.SHOWING)]
print("message:", dialog.get_name(), "|", " | ".join(texts), "|", buttons)
assert dialog.get_name() == "Leave this game?"
assert any("Really start a new one?" in t for t in texts)
assert buttons == ["No Continue", "Yes New Game"]
