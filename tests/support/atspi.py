# The program's widgets found by role and name in the desktop's accessibility
# tree, for the end-to-end sessions under a virtual display and a session bus.
#   press NAME      presses the push button (or checkable tool button) and
#                   waits until the press is over
#   count NAME N    waits until the list holds N items
#   centre NAME     prints the screen centre of the list's first item
#   shown ROLE NAME         waits until a widget of that role and name shows
#   gone ROLE NAME          waits until none does
#   sensitive ROLE NAME yes|no   waits until the widget can be used, or not
#   extents ROLE            prints x y width height of the first such widget
#   says TEXT               waits until a shown label holds TEXT
#   answer TEXT             presses the shown push button whose name holds TEXT
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


def lookup(role, name, matches=lambda node_name, name: node_name == name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        for node in nodes(desktop.get_child_at_index(i)):
            if node.get_role_name() == role and matches(node.get_name(), name) and showing(node):
                return node
    return None


def showing(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def holding(node_name, text):
    return text in node_name


def sensitive(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.SENSITIVE)


def find(role, name):
    return wait_until(f"a {role} named {name!r}", lambda: lookup(role, name))


def pressed(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.PRESSED)


def press(name):
    # The program may answer the press before it acts on it. Its answer to the
    # state asked next comes after the action; a button still shown pressed
    # (a click animated on a timer) has not acted yet.
    # A drawing tool's button is checked while its tool is armed.
    button = wait_until(f"a button named {name!r}",
                        lambda: lookup('push button', name) or lookup('check box', name))
    button.do_action(0)
    wait_until(f"the button {name!r} to come up", lambda: not pressed(button))


def count(name, items):
    wait_until(f"{items} items in the list {name!r}",
               lambda: find('list', name).get_child_count() == items)


def centre(name):
    extents = find('list', name).get_child_at_index(0).get_extents(Atspi.CoordType.SCREEN)
    print(extents.x + extents.width // 2, extents.y + extents.height // 2)


verb, name = sys.argv[1], sys.argv[2]
if verb == 'shown':
    find(name, sys.argv[3])
elif verb == 'gone':
    wait_until(f"no {name} named {sys.argv[3]!r}", lambda: lookup(name, sys.argv[3]) is None)
elif verb == 'sensitive':
    usable = sys.argv[4] == 'yes'
    wait_until(f"the {name} {sys.argv[3]!r} to be {'usable' if usable else 'unusable'}",
               lambda: sensitive(find(name, sys.argv[3])) == usable)
elif verb == 'extents':
    box = find(name, '').get_extents(Atspi.CoordType.SCREEN)
    print(box.x, box.y, box.width, box.height)
elif verb == 'says':
    wait_until(f"a label saying {name!r}", lambda: lookup('label', name, holding))
elif verb == 'answer':
    wait_until(f"a button {name!r}", lambda: lookup('push button', name, holding)).do_action(0)
elif verb == 'press':
    press(name)
elif verb == 'count':
    count(name, int(sys.argv[3]))
elif verb == 'centre':
    centre(name)
else:
    sys.exit(f"unknown verb {verb!r}")
