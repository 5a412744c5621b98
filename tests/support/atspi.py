# The program's widgets found by role and name in the desktop's accessibility
# tree, for the end-to-end sessions under a virtual display and a session bus.
#   press NAME      presses the push button and waits until the press is over
#   count NAME N    waits until the list holds N items
#   centre NAME     prints the screen centre of the list's first item
# Every wait is bounded; one in vain names what it waited for and fails.
import sys
import time

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib

SECONDS = 20


def wait_until(what, attempt):
    """Returns the first true result of attempt(), trying for SECONDS."""
    deadline = time.monotonic() + SECONDS
    while True:
        try:
            result = attempt()
        except GLib.Error:
            result = None  # a window closed while the tree was walked: walk it again
        if result:
            return result
        if time.monotonic() >= deadline:
            sys.exit(f"waited {SECONDS} s in vain for {what}")
        time.sleep(0.1)


def nodes(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child)


def lookup(role, name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        for node in nodes(desktop.get_child_at_index(i)):
            if node.get_role_name() == role and node.get_name() == name:
                return node
    return None


def find(role, name):
    return wait_until(f"a {role} named {name!r}", lambda: lookup(role, name))


def pressed(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.PRESSED)


def press(name):
    # The program may answer the press before it acts on it. Its answer to the
    # state asked next comes after the action; a button still shown pressed
    # (a click animated on a timer) has not acted yet.
    button = find('push button', name)
    button.do_action(0)
    wait_until(f"the button {name!r} to come up", lambda: not pressed(button))


def count(name, items):
    wait_until(f"{items} items in the list {name!r}",
               lambda: find('list', name).get_child_count() == items)


def centre(name):
    extents = find('list', name).get_child_at_index(0).get_extents(Atspi.CoordType.SCREEN)
    print(extents.x + extents.width // 2, extents.y + extents.height // 2)


verb, name = sys.argv[1], sys.argv[2]
if verb == 'press':
    press(name)
elif verb == 'count':
    count(name, int(sys.argv[3]))
elif verb == 'centre':
    centre(name)
else:
    sys.exit(f"unknown verb {verb!r}")
