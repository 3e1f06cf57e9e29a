#!/usr/bin/python3
"""The web page played to the win from the keyboard while Orca listens.

Usage: web_orca.py SITE SPEECH_PLAN LOCALES KEEP

On a desk of its own (desk.py) a small server serves SITE (build/web/site) on 127.0.0.1 and
Debian's Chromium shows it, headed, with its accessibility tree on. Keys go in through the X
server (xdotool), the way a player's keyboard reaches Orca and the page: a press on the board
before Start, Tab to Start and Enter, back to the board, a press on a tile that cannot move, a
walk onto the gap and a press on it, then the fixed start played to the win with arrows and
Space or Enter. Before the last moves Orca's browse mode is switched on (Orca+A): its arrows
must still lead from tile to tile, and Space press the tile there. Orca must say every sentence
of SPEECH_PLAN (speech_plan.cpp, the words of game/) on the way. Orca's log and the desk's are
kept as KEEP-orca.log and KEEP-desk.log.
"""
import json
import os
import re
import subprocess
import sys
import time

from desk import Checks, Desk, Failure, Speech, plan, start, until

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "..", "web", "tests", "support", "serve-site.js")
TILES = 12
# The last moves are made in Orca's browse mode.
MOVES_IN_BROWSE_MODE = 3


class Keyboard:
    """Keys as a player presses them. Where Orca decides what a key does (Tab out of browse
    mode, arrows in browse mode), one at a time, each followed by a wait for Orca to say where
    the focus went: Orca keeps its own idea of the focus, from events that may come late on a busy
    machine, and an arrow pressed before it has caught up with a Tab would be taken for its own
    browse-mode command. In focus mode the arrows go straight to the page."""

    def __init__(self, env, speech, columns):
        self.env = env
        self.speech = speech
        self.columns = columns
        self.cell = 0  # the focused cell of the board

    def type(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], env=self.env, check=True)

    def press(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", key], env=self.env, check=True)
            self.wait_for_quiet()

    def wait_for_quiet(self):
        """Until Orca has said something and then been quiet for a moment (at most 3 s): it may
        say a new place in several parts."""
        self.speech.read()
        heard = len(self.speech.heard)
        began = quiet_since = time.monotonic()
        while time.monotonic() < began + 3:
            time.sleep(0.05)
            self.speech.read()
            if len(self.speech.heard) != heard:
                heard, quiet_since = len(self.speech.heard), time.monotonic()
            elif quiet_since > began and time.monotonic() > quiet_since + 0.3:
                break

    def walk(self, to):
        """Arrow keys from the focused cell to another, along the row first."""
        row, column = divmod(self.cell, self.columns)
        to_row, to_column = divmod(to, self.columns)
        self.type(*["Right" if to_column > column else "Left"] * abs(to_column - column),
                  *["Down" if to_row > row else "Up"] * abs(to_row - row))
        self.cell = to

    def sticky_browse_mode(self):
        """Orca+A three times in a row: browse mode that stays, also on the board's cells."""
        self.type("Insert+a", "Insert+a", "Insert+a")
        self.wait_for_quiet()

    def read_to(self, to, name):
        """In browse mode the arrows are Orca's: left and right go from item to item in reading
        order (up and down would go by lines of text), and where its caret lands after the board
        changed is Orca's own idea (the gap, a cell with no tile, it passes in silence). So, as a
        player does, this listens and stops at the tile it wants, turning back once when a
        board's length of presses has not found it."""
        wanted = name.rstrip(".")
        direction = "Right" if to > self.cell else "Left"
        presses = 0
        while not self.speech.heard or self.speech.heard[-1].rstrip(". ") != wanted:
            if presses == 2 * TILES:
                break  # the check of the move's sentence says what went wrong
            if presses == TILES:
                direction = "Left" if direction == "Right" else "Right"
            self.press(direction)
            presses += 1
        self.cell = to


def serve(desk, site):
    server = subprocess.Popen(["node", SERVER, site, "0"], env=desk.env, stdout=subprocess.PIPE,
                              stderr=desk.log, text=True, start_new_session=True)
    desk.started.append(server)
    line = server.stdout.readline()
    found = re.search(r"on (http://127\.0\.0\.1:\d+/)", line)
    if not found:
        raise Failure(f"the site server did not start: {line!r}")
    return found.group(1)


def open_page(desk, url):
    profile = os.path.join(desk.scratch, "chromium")
    # A German page in an English browser: its offer to translate would take the focus.
    os.makedirs(os.path.join(profile, "Default"))
    with open(os.path.join(profile, "Default", "Preferences"), "w") as preferences:
        json.dump({"translate": {"enabled": False}}, preferences)
    # As in web/playwright.config.js, headed, and with the accessibility tree for Orca.
    desk_start = [
        "chromium", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        "--no-default-browser-check", "--password-store=basic", "--force-renderer-accessibility",
        f"--user-data-dir={profile}", "--window-position=0,0", "--window-size=1200,900",
        "--lang=de", "--disable-features=Translate", f"--app={url}"]
    browser = subprocess.Popen(desk_start, env=dict(desk.env, ACCESSIBILITY_ENABLED="1"),
                               stdout=desk.log, stderr=subprocess.STDOUT, start_new_session=True)
    desk.started.append(browser)


def page_ready(the_plan):
    """Whether Chromium shows the loaded page with its Start button, read through AT-SPI."""
    import pyatspi

    for app in pyatspi.Registry.getDesktop(0):
        if app is None or not app.name.lower().startswith("chromium"):
            continue
        for frame in app:
            document = frame and pyatspi.findDescendant(
                frame, lambda node: node and node.getRole() == pyatspi.ROLE_DOCUMENT_WEB)
            if document and not document.getState().contains(pyatspi.STATE_BUSY):
                return pyatspi.findDescendant(
                    document, lambda node: node and node.getRole() == pyatspi.ROLE_PUSH_BUTTON
                    and node.name == the_plan["startButton"])
    return None


def play(env, speech, the_plan):
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    Atspi.set_timeout(5000, 15000)
    checks = Checks(speech)
    keyboard = Keyboard(env, speech, the_plan["columns"])
    start_button = until("the page in Chromium on the accessibility bus",
                         lambda: page_ready(the_plan), 30)
    keyboard.wait_for_quiet()  # Orca presents the new page
    speech.skip_to_end()

    # Where the focus is after loading is the browser's choice: Start is focused as a tool would,
    # the rest is keys. Back from Start: Vorschau, the chosen option, the board.
    start_button.queryComponent().grabFocus()
    time.sleep(0.5)
    keyboard.press("shift+Tab", "shift+Tab", "shift+Tab")
    keyboard.type("space")
    checks.require("a press before Start", the_plan["noGame"], 10)
    keyboard.press("Tab", "Tab", "Tab")
    keyboard.type("Return")
    checks.require("the start", the_plan["started"], 10)
    keyboard.press("shift+Tab", "shift+Tab", "shift+Tab")

    blocked = the_plan["blocked"]
    keyboard.walk(blocked["from"])
    keyboard.type("space")
    checks.require("a blocked press", blocked["said"])

    keyboard.walk(the_plan["gapSlot"])
    checks.require("the gap", the_plan["gap"])
    keyboard.type("space")
    checks.require("a press on the gap", the_plan["gapPressed"])

    moves = the_plan["moves"]
    for number, move in enumerate(moves):
        browsing = number >= len(moves) - MOVES_IN_BROWSE_MODE
        if number == len(moves) - MOVES_IN_BROWSE_MODE:
            keyboard.sticky_browse_mode()
        if browsing:
            keyboard.read_to(move["from"], move["name"])
        else:
            keyboard.walk(move["from"])
        # Enter in browse mode is Orca's: it would switch to focus mode on the tile.
        keyboard.type("space" if number % 2 or browsing else "Return")
        checks.require("moves by arrows in browse mode" if browsing else "each move", move["said"])
    checks.require("the win", the_plan["complete"])
    return checks.report("web page")


def main():
    if sys.argv[1] == "--play":
        with open(sys.argv[3]) as plan_file:
            the_plan = json.load(plan_file)
        try:
            passed = play(os.environ, Speech(sys.argv[2]), the_plan)
        except Failure as failure:
            sys.exit(f"web_orca: {failure}")
        sys.exit(0 if passed else 1)

    site, plan_program, locales, keep = sys.argv[1:5]
    began = time.monotonic()
    the_plan = plan(plan_program)
    with Desk(locales, keep) as desk:
        plan_path = desk.write_plan(the_plan)
        try:
            open_page(desk, serve(desk, site))
        except Failure as failure:
            sys.exit(f"{desk.servers_said()}\nweb_orca: {failure}")
        desk.play("web_orca", [os.path.abspath(__file__), "--play", desk.speech.path, plan_path],
                  dict(desk.env, PYTHONPATH=HERE), 100, began)
    print(f"web page: passed in {time.monotonic() - began:.1f} s")


if __name__ == "__main__":
    main()
