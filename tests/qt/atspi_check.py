#!/usr/bin/python3
"""The real program as a Linux screen reader meets it, through AT-SPI.

Usage: atspi_check.py PROGRAM

Starts a desk of its own: a private Xvfb display, a D-Bus session bus and the AT-SPI accessibility
bus with its registry. On it, PROGRAM (the built rutschbild) is started on the xcb platform with
Qt's AT-SPI bridge on, and a reader process reads the window's accessible tree, presses "Start" and
"Bildteil 10" through their actions and checks that the value labels read as their values,
labelled by their captions, and that the new move count is announced. It then completes the
picture. Every sentence a screen reader hears unasked comes as a notification that appears, read
once the press has returned, as Orca reads it: a press before Start, Start, a press on a tile
that cannot move, each move and the win, each once and in order, the last move's and the win's
two apart though one press raised both. The board is a group of its tiles in board order, with
the gap among them while a game runs. "Tschüss" must then end the program with status 0.
Everything started is stopped again by its process id.

Debian's python3-pyatspi is built for the system Python, hence /usr/bin/python3.
"""
import ctypes
import os
import re
import select
import signal
import subprocess
import sys
import tempfile
import time

from gi.repository import Gio, GLib

PR_SET_CHILD_SUBREAPER = 36
TIME = re.compile(r"\d{1,2} : \d{1,2} : \d{1,2}")
PLAY_TIME = re.compile(r"\d+ : \d{1,2}")
# From the fixed start after "Bildteil 10", the tiles to press to complete the picture (found with
# tests/support/solver.h).
SOLUTION = [9, 1, 11, 5, 8, 11, 4, 6, 1, 9, 10, 7, 11, 4, 6, 1, 9, 6, 5, 2, 1, 5, 6, 10, 7, 11, 4,
            8, 3, 4, 8, 7, 11]
COMPLETE = "Das Bild ist vollständig."
NO_GAME = "Kein Spiel läuft, bitte erst Start drücken."
STARTED = "Neues Spiel."
GAP = "Lücke"
# The fixed start row by row, tiles counted from 1: 2 11 5 3 / 4 1 8 7 / 6 9 10 gap.
FIXED_START = [2, 11, 5, 3, 4, 1, 8, 7, 6, 9, 10, None]


def moved(tile, slot):
    return f"Bildteil {tile} nach Reihe {slot // 4 + 1}, Spalte {slot % 4 + 1}."


def names(board):
    return [f"Bildteil {tile}" if tile else GAP for tile in board]


class Failure(Exception):
    pass


def until(what, probe, seconds=10.0, pump=lambda: None):
    """Polls probe until it returns something true; fails naming what was awaited. A D-Bus error
    counts as not yet: a bus, an object or a list of children may be on its way. So does a
    failed check: the reader's copy of a name may lag a moment behind a change."""
    deadline = time.monotonic() + seconds
    error = ""
    while True:
        pump()
        try:
            result = probe()
        except GLib.Error as caught:
            result, error = None, f" ({caught.message})"
        except Failure as caught:
            result, error = None, f" ({caught})"
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"no {what} within {seconds:g} s{error}")
        time.sleep(0.05)


# What the reader here and the Orca test's player need of the accessibility tree. pyatspi is
# imported only in their own processes, once the desk's buses are there.

def pump():
    """Lets GLib hand over what AT-SPI has sent (events, replies), without waiting for more."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def program_window(pid):
    """The window "Rutschbild" of process pid, once it has its controls; None before."""
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return next((f for f in app if f is not None and f.name == "Rutschbild"
                         and f.childCount > 0), None)
    return None


# The reader: a process of its own, so that the desk's buses going away cannot touch the part
# that stops them.

def read(pid):
    import pyatspi
    from gi.repository import Atspi

    # A call that gets no answer fails within seconds instead of D-Bus's default 25 s.
    Atspi.set_timeout(5000, 15000)

    def find(role, name):
        found = [node for node in descendants(main_window) if node.getRole() == role and node.name == name]
        if len(found) != 1:
            raise Failure(f"{len(found)} controls of role {role} named {name!r}, not one")
        return found[0]

    def related(node, relation):
        return [r.getTarget(i) for r in node.getRelationSet() if r.getRelationType() == relation
                for i in range(r.getNTargets())]

    def labels():
        return [node for node in descendants(main_window) if node.getRole() == pyatspi.ROLE_LABEL]

    def value_of(caption):
        """The name of the label that caption labels, and whether that label names caption back."""
        targets = related(find(pyatspi.ROLE_LABEL, caption), pyatspi.RELATION_LABEL_FOR)
        if len(targets) != 1:
            raise Failure(f"{caption!r} labels {len(targets)} controls, not one")
        back = [t.name for t in related(targets[0], pyatspi.RELATION_LABELLED_BY)]
        if back != [caption]:
            raise Failure(f"the label {caption!r} labels is labelled by {back}")
        return targets[0].name

    def press(role, name):
        action = find(role, name).queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            raise Failure(f"{name!r} offers the actions {names}, no Press")
        action.doAction(names.index("Press"))

    main_window = until("window Rutschbild of the program on the accessibility bus",
                        lambda: program_window(pid), 15)
    # The name each change announces, as a screen reader hears it at that moment.
    announced = []
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append((event.source, event.source.name)),
        "object:property-change:accessible-name")
    # Notifications that appear: what Orca reads out unasked, asking for the text when it takes
    # up the event, after the press has returned. Orca speaks one that disappears too, so every
    # change of showing counts.
    shown = []
    pyatspi.Registry.registerEventListener(
        lambda event: event.source.getRole() == pyatspi.ROLE_NOTIFICATION
        and shown.append(event.source.name),
        "object:state-changed:showing")
    heard = []

    def hear(*sentences):
        """Waits for the next notifications; they must say these sentences, in this order."""
        until(" then ".join(sentences),
              lambda: len(shown) >= len(heard) + len(sentences), pump=pump)
        new = shown[len(heard):]
        if new != list(sentences):
            raise Failure(f"heard {new}, not {list(sentences)}")
        heard.extend(new)

    def board():
        groups = [node for node in descendants(main_window) if node.name == "Bild"]
        if len(groups) != 1:
            raise Failure(f"{len(groups)} objects named Bild, not one board")
        return groups[0]

    def board_is(expected):
        """The board's children, in board order, as the names of the tiles and the gap."""
        found = [child.name for child in board()]
        if found != expected:
            raise Failure(f"the board lists {found}")
        return True

    until("board of twelve tiles in their order",
          lambda: board_is([f"Bildteil {tile}" for tile in range(1, 13)]), pump=pump)
    press(pyatspi.ROLE_PUSH_BUTTON, "Bildteil 10")
    hear(NO_GAME)
    print(f"before Start: {NO_GAME}")

    press(pyatspi.ROLE_PUSH_BUTTON, "Start")
    hear(STARTED)
    start_time = until("start time", lambda: TIME.fullmatch(value_of("Startzeit:")), pump=pump)
    print(f"Startzeit: {start_time.group()}, {STARTED}")
    position = list(FIXED_START)
    until("board in the fixed start with the gap", lambda: board_is(names(position)), pump=pump)
    gap = find(pyatspi.ROLE_LABEL, GAP)
    if gap.description != "Reihe 3, Spalte 4" or gap.getState().contains(pyatspi.STATE_FOCUSABLE):
        raise Failure(f"the gap reads {gap.description!r}, focusable: "
                      f"{gap.getState().contains(pyatspi.STATE_FOCUSABLE)}")
    if any(node.getState().contains(pyatspi.STATE_FOCUSABLE) for node in board()):
        raise Failure("a tile takes the keyboard focus")
    print(f"board: {' '.join(names(position))}")
    press(pyatspi.ROLE_PUSH_BUTTON, "Bildteil 1")
    hear("Bildteil 1 liegt nicht neben der Lücke.")
    press(pyatspi.ROLE_PUSH_BUTTON, "Bildteil 10")
    hear(moved(10, 11))
    position[10:12] = [None, 10]
    until("the gap where tile 10 was", lambda: board_is(names(position)), pump=pump)
    until("move count 1 beside Bewegungen:", lambda: value_of("Bewegungen:") == "1", pump=pump)
    ones = [node for node in labels() if node.name == "1"]
    if len(ones) != 1:
        raise Failure(f"{len(ones)} labels read 1, not one")
    captions = [target.name for target in related(ones[0], pyatspi.RELATION_LABELLED_BY)]
    if captions != ["Bewegungen:"]:
        raise Failure(f"the label reading 1 is labelled by {captions}, not by Bewegungen:")
    print("Bewegungen: 1, labelled by Bewegungen:")
    until("name change of the move count to 1",
          lambda: any(source == ones[0] and name == "1" for source, name in announced), pump=pump)
    print("name change to 1 announced")
    play_time = until("play time", lambda: PLAY_TIME.fullmatch(value_of("Spielzeit:")), pump=pump)
    print(f"Spielzeit: {play_time.group()}")

    tiles = {node.name: node.queryAction() for node in descendants(main_window)
             if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name.startswith("Bildteil ")}
    # One press at a time, each heard before the next, as a player listens.
    for count, tile in enumerate(SOLUTION, 1):
        tiles[f"Bildteil {tile}"].doAction(0)
        hole = position.index(None)
        position[position.index(tile)], position[hole] = None, tile
        if count == len(SOLUTION):
            hear(moved(tile, hole), COMPLETE)
        else:
            hear(moved(tile, hole))
    print(f"{len(SOLUTION)} moves heard one by one, the last with {COMPLETE}")
    until("board of twelve tiles after the win",
          lambda: board_is([f"Bildteil {tile}" for tile in range(1, 13)]), pump=pump)
    time.sleep(0.5)
    pump()
    if len(shown) != len(heard):
        raise Failure(f"heard more: {shown[len(heard):]}")
    print(f"{len(heard)} sentences, each once and in order; no gap after the win")

    try:
        press(pyatspi.ROLE_PUSH_BUTTON, "Tschüss")
    except GLib.Error:
        pass  # the program may end before it answers


# The desk: started and stopped by this process.

def start(started, command, env, ready=False, **options):
    """Starts command in a process group of its own; with ready, reads the line it writes to the
    file descriptor given as {fd} when it is ready."""
    reader, writer = os.pipe() if ready else (None, None)
    if ready:
        command = [part.format(fd=writer) for part in command]
    process = subprocess.Popen(command, env=env, start_new_session=True,
                               pass_fds=[writer] if ready else [], **options)
    started.append(process)
    if not ready:
        return process
    os.close(writer)
    try:
        line = b""
        deadline = time.monotonic() + 15
        while not line.endswith(b"\n"):
            waited = deadline - time.monotonic()
            if waited <= 0 or not select.select([reader], [], [], waited)[0]:
                raise Failure(f"{command[0]} did not get ready within 15 s")
            chunk = os.read(reader, 256)
            if not chunk:
                raise Failure(f"{command[0]} ended before it was ready")
            line += chunk
        return line.decode().strip()
    finally:
        os.close(reader)


def stop(started):
    """Stops the process groups started, newest first, then whatever of theirs came to this
    process as the subreaper."""
    for process in reversed(started):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(5)
            except ProcessLookupError:
                pass
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
    began = time.monotonic()
    while time.monotonic() < began + 10:
        try:
            if os.waitpid(-1, os.WNOHANG) != (0, 0):
                continue
        except ChildProcessError:
            return
        strays = [int(pid) for pid in os.listdir("/proc")
                  if pid.isdigit() and parent(pid) == os.getpid()]
        for pid in strays:
            os.kill(pid, signal.SIGTERM if time.monotonic() < began + 5 else signal.SIGKILL)
        time.sleep(0.05)
    print("atspi_check: a process of the desk would not end", file=sys.stderr)


def parent(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return int(stat.read().rsplit(")", 1)[1].split()[1])
    except (OSError, IndexError, ValueError):
        return None


def name_owned(address, name):
    flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
             | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
    try:
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", (name,)),
                              None, Gio.DBusCallFlags.NONE, 5000, None)
        return reply.unpack()[0]
    finally:
        bus.close_sync(None)


def check(program, scratch, log, started):
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                          "AT_SPI_BUS_ADDRESS")}
    # Settings in memory: no settings service is started on the session bus.
    env.update(XDG_RUNTIME_DIR=scratch, GSETTINGS_BACKEND="memory")
    # What the desk's servers say goes to a log, shown only when the check fails.
    quiet = dict(stdout=log, stderr=subprocess.STDOUT)
    display = start(started, ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "800x600x24",
                              "-nolisten", "tcp", "-noreset"], env, ready=True, **quiet)
    env["DISPLAY"] = ":" + display
    env["DBUS_SESSION_BUS_ADDRESS"] = start(
        started, ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address={fd}",
                  f"--address=unix:path={scratch}/bus"], env, ready=True, **quiet)
    # Started here rather than on demand by the session bus, so that it is ours to stop.
    start(started, ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"], env,
          **quiet)
    until("accessibility bus", lambda: name_owned(env["DBUS_SESSION_BUS_ADDRESS"], "org.a11y.Bus"))

    program_env = dict(env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    rutschbild = start(started, [program], program_env, **quiet)
    reader = start(started, [sys.executable, __file__, "--read", str(rutschbild.pid)], env)
    try:
        if reader.wait(60) != 0:
            raise Failure("the reader failed")
        status = rutschbild.wait(10)
    except subprocess.TimeoutExpired as timeout:
        raise Failure(f"{timeout.cmd[0]} still ran after {timeout.timeout:g} s") from None
    if status != 0:
        raise Failure(f"the program ended with status {status} after Tschüss")
    print("Tschüss ended the program with status 0")


def main():
    if sys.argv[1] == "--read":
        try:
            read(int(sys.argv[2]))
        except Failure as failure:
            sys.exit(f"atspi_check: {failure}")
        return
    began = time.monotonic()
    # Daemons that detach from their parents come to this process, so none is left behind.
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    started = []
    with tempfile.TemporaryDirectory(prefix="rutschbild-atspi-") as scratch, \
            tempfile.TemporaryFile("w+") as log:
        failure = None
        try:
            check(sys.argv[1], scratch, log, started)
        except Failure as caught:
            failure = caught
        finally:
            stop(started)
        if failure:
            log.seek(0)
            sys.exit(f"{log.read()}atspi_check: {failure}")
    print(f"passed in {time.monotonic() - began:.1f} s")


if __name__ == "__main__":
    main()
