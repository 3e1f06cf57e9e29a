#!/usr/bin/python3
"""The Qt window played to the win while Orca listens, and what Orca says on the way.

Usage: qt_orca.py PROGRAM SPEECH_PLAN LOCALES KEEP

On a desk of its own (desk.py) PROGRAM, the built rutschbild, runs on the private display with
Qt's AT-SPI bridge on. A player process presses a tile before Start, then Start and a tile that
cannot move, points the mouse at the gap (Orca's mouse review reads what is under the pointer)
and plays the fixed start to the win through the tiles' press actions, as an assistive tool
would. Orca must say, in its debug log: why the first press did nothing, the start, the blocked
press, the gap's name, every move and the win. The sentences and the moves come from
SPEECH_PLAN (speech_plan.cpp), that is from game/. Orca's log and the desk's are kept as
KEEP-orca.log and KEEP-desk.log.
"""
import json
import os
import subprocess
import sys
import time

from desk import Checks, Desk, Failure, Speech, plan, start, until
from atspi_check import descendants, program_window, pump  # noqa: E402 (found through desk)


def play(pid, speech_path, the_plan):
    import pyatspi
    from gi.repository import Atspi

    Atspi.set_timeout(5000, 15000)

    def named(name):
        found = [node for node in descendants(form) if node.name == name]
        if len(found) != 1:
            raise Failure(f"{len(found)} objects named {name!r} in the window, not one")
        return found[0]

    def press(name):
        named(name).queryAction().doAction(0)

    speech = Speech(speech_path)
    checks = Checks(speech, pump)
    form = until("the window on the accessibility bus", lambda: program_window(pid), 15)
    # Orca has met the window when it names it: only then is it listening to it.
    until("Orca's words on the window", lambda: speech.said_since_mark(), 10, pump)
    speech.skip_to_end()

    blocked = the_plan["blocked"]
    press(blocked["name"])
    checks.require("a press before Start", the_plan["noGame"])
    press(the_plan["startButton"])
    checks.require("the start", the_plan["started"])

    press(blocked["name"])
    checks.require("a blocked press", blocked["said"])

    # Mouse review: Orca reads what the pointer rests on, here the empty place. It lies beside the
    # tile of the first move, as far off as that tile is wide or high.
    first = the_plan["moves"][0]
    box = named(first["name"]).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    to_row, to_column = divmod(first["to"], the_plan["columns"])
    from_row, from_column = divmod(first["from"], the_plan["columns"])
    columns, rows = to_column - from_column, to_row - from_row
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2 + columns * box.width),
                    str(box.y + box.height // 2 + rows * box.height)], check=True)
    checks.require("the gap", the_plan["gap"])

    for move in the_plan["moves"]:
        press(move["name"])
        checks.require("each move", move["said"])
    checks.require("the win", the_plan["complete"])
    return checks.report("Qt window")


def main():
    if sys.argv[1] == "--play":
        with open(sys.argv[4]) as plan_file:
            the_plan = json.load(plan_file)
        try:
            passed = play(int(sys.argv[2]), sys.argv[3], the_plan)
        except Failure as failure:
            sys.exit(f"qt_orca: {failure}")
        sys.exit(0 if passed else 1)

    program, plan_program, locales, keep = sys.argv[1:5]
    began = time.monotonic()
    the_plan = plan(plan_program)
    with Desk(locales, keep) as desk:
        env = dict(desk.env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        start(desk.started, [program], env, stdout=desk.log, stderr=subprocess.STDOUT)
        desk.play("qt_orca", [os.path.abspath(__file__), "--play", str(desk.started[-1].pid),
                              desk.speech.path, desk.write_plan(the_plan)],
                  dict(desk.env, PYTHONPATH=os.path.dirname(os.path.abspath(__file__))), 90, began)
    print(f"Qt window: passed in {time.monotonic() - began:.1f} s")


if __name__ == "__main__":
    main()
