#!/usr/bin/python3
"""Writes down, one JSON line each, the text a live region of the page gains, as AT-SPI hands it
to a screen reader: Orca speaks a polite region's object:text-changed:insert, the inserted text
(children-changed events from Chromium it takes as redundant). Prints "listening" once it is.

Debian's python3-pyatspi is built for the system Python, hence /usr/bin/python3.
"""
import json
import sys

import pyatspi


def attributes(accessible):
    try:
        return dict(a.split(":", 1) for a in accessible.getAttributes())
    except Exception:  # the object may be gone already
        return {}


def on_insert(event):
    live = attributes(event.source).get("container-live")
    if live in (None, "off"):
        return
    print(json.dumps({"live": live, "text": event.any_data}, ensure_ascii=False), flush=True)


pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
print("listening", flush=True)
pyatspi.Registry.start()
