#!/usr/bin/env python3
"""Reads the add window and the update sub-menu of a running Quor 3 test
program through AT-SPI, as a screen reader does: finds the digit boxes and the
draw date by name, and hears the newest stored draw digit by digit. Prints
each finding; exits 1 on the first that is wrong."""
import sys
import time

import pyatspi
from gi.repository import GLib

program, expected_line = sys.argv[1], sys.argv[2]
sys.stdout.reconfigure(line_buffering=True)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == program:
                return app
        time.sleep(0.1)
    sys.exit("no application named %s on the accessibility bus" % program)


def find(app, name, role=None):
    for node in walk(app):
        if node.name == name and role in (None, node.getRoleName()):
            return node
    found = sorted({"%s (%s)" % (n.name, n.getRoleName()) for n in walk(app) if n.name})
    sys.exit("no %s named %r; named: %s" % (role, name, ", ".join(found)))


app = application()
for name in ("First digit", "Second digit", "Third digit"):
    box = find(app, name, "spin button")
    print("%s: %s, value %g" % (name, box.getRoleName(), box.queryValue().currentValue))
date = find(app, "Draw date")
print("Draw date: %s" % date.getRoleName())

draws = find(app, "Stored draws", "list")
items = [n for n in walk(draws) if n.getRoleName() in ("list item", "table cell")]
if not items:
    sys.exit("the list of stored draws has no lines: %s" % [n.getRoleName() for n in draws])
newest = items[0]
print("Newest stored draw: %r" % newest.name)
if newest.name != expected_line:
    sys.exit("the newest draw reads %r, not %r" % (newest.name, expected_line))
# An announcement: the program says "%s" once it reads LISTENING.
announcement = sys.argv[3]
heard = []


def hear(event):
    said = event.source.description if "description" in event.type else event.source.name
    if said == announcement:
        heard.append("%s: %s" % (event.type, said))
        pyatspi.Registry.stop()


pyatspi.Registry.registerEventListener(
    hear, "object:property-change:accessible-name", "object:property-change:accessible-description")
GLib.timeout_add(10000, pyatspi.Registry.stop)
print("LISTENING", flush=True)
pyatspi.Registry.start()
if not heard:
    sys.exit("no announcement of %r came" % announcement)
print("Announcement: %s" % heard[0])
print("OK")
