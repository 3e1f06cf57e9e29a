"""A desk of its own for a screen reader that speaks into a log.

Starts a private Xvfb display with the openbox window manager (without one Orca stays silent), a
D-Bus session bus with the AT-SPI bus and its registry, speech-dispatcher on a silent ALSA device,
and Orca with settings in a scratch folder and its debug output in a file. Everything started is
stopped again by its process id (tests/qt/atspi_check.py does the starting and stopping).
"""
import ctypes
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "qt"))
from atspi_check import Failure, name_owned, start, stop, until  # noqa: E402

PR_SET_CHILD_SUBREAPER = 36
# One line per utterance, the voice after the closing quote: 'Neues Spiel.'{'established': False}
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?:\{.*\}|\s.*)?$", re.M)

# The sound goes nowhere: without a sound card the default output would wait for ever.
SPEECHD_CONF = """\
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
DefaultLanguage "de"
LogLevel 3
"""

# Orca's defaults, but for mouse review (Orca reads what the pointer rests on) and without the
# names of the keys pressed: what Orca says after a key is then what the key did.
ORCA_SETTINGS = {
    "general": {},
    "profiles": {"default": {"profile": ["Default", "default"], "enableMouseReview": True,
                             "enableKeyEcho": False}},
    "pronunciations": {},
    "keybindings": {},
}


def plan(program):
    """What the game says on the way from the fixed start to the win (speech_plan.cpp)."""
    return json.loads(subprocess.run([program], check=True, capture_output=True,
                                     text=True).stdout)


class Speech:
    """What Orca has said, read from its debug file, with a place after the last sentence heard:
    each sentence awaited must come after the one before."""

    def __init__(self, path):
        self.path = path
        self.heard = []
        self.offset = 0
        self.mark = 0

    def read(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except FileNotFoundError:
            return
        # Only whole lines: the last one may still be written.
        data = data[:data.rfind(b"\n") + 1]
        self.offset += len(data)
        self.heard += SPEECH.findall(data.decode("utf-8", errors="replace"))

    def wait_for(self, sentence, seconds=5.0, pump=lambda: None):
        """Waits until Orca has said sentence after the mark, and moves the mark past it."""
        def heard():
            self.read()
            for index in range(self.mark, len(self.heard)):
                if sentence in self.heard[index]:
                    self.mark = index + 1
                    return True
            return False
        try:
            until(f"speech {sentence!r}", heard, seconds, pump)
        except Failure:
            raise Failure(f"Orca did not say {sentence!r} within {seconds:g} s; it said since: "
                          f"{self.heard[self.mark:][-8:]}") from None

    def said_since_mark(self):
        self.read()
        return self.heard[self.mark:]

    def skip_to_end(self):
        self.read()
        self.mark = len(self.heard)


class Desk:
    """Use as a context manager; env is the environment for the programs put on the desk."""

    def __init__(self, locales, keep, screen="1280x1024x24"):
        self.locales = locales
        self.keep = keep
        self.screen = screen
        self.started = []

    def __enter__(self):
        # Daemons that detach from their parents come to this process, so none is left behind.
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self.scratch_dir = tempfile.TemporaryDirectory(prefix="rutschbild-orca-")
        self.scratch = self.scratch_dir.name
        self.log = open(os.path.join(self.scratch, "desk.log"), "w+")
        try:
            self._start()
        except BaseException:
            print(self.servers_said(), file=sys.stderr)
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exception):
        stop(self.started)
        # What Orca said and did, and what the servers said, for a look after a failure.
        if os.path.exists(os.path.join(self.scratch, "orca-debug.log")):
            shutil.copyfile(os.path.join(self.scratch, "orca-debug.log"), self.keep + "-orca.log")
        shutil.copyfile(self.log.name, self.keep + "-desk.log")
        self.log.close()
        self.scratch_dir.cleanup()

    def servers_said(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()[-4000:]

    def _folder(self, name):
        path = os.path.join(self.scratch, name)
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def _start(self):
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                              "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "XAUTHORITY")
               and not key.startswith(("LC_", "XDG_"))}
        # Nothing of the user's settings is read or written; a German desk with its locale built
        # privately, since a machine may have none.
        env.update(HOME=self._folder("home"), XDG_CONFIG_HOME=self._folder("config"),
                   XDG_DATA_HOME=self._folder("data"), XDG_CACHE_HOME=self._folder("cache"),
                   XDG_RUNTIME_DIR=self._folder("run"), GSETTINGS_BACKEND="memory",
                   LOCPATH=self.locales, LANG="de_DE.UTF-8", LANGUAGE="de")
        quiet = dict(stdout=self.log, stderr=subprocess.STDOUT)
        display = start(self.started, ["Xvfb", "-displayfd", "{fd}", "-screen", "0", self.screen,
                                       "-nolisten", "tcp", "-noreset"], env, ready=True, **quiet)
        env["DISPLAY"] = ":" + display
        env["DBUS_SESSION_BUS_ADDRESS"] = start(
            self.started, ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                           "--print-address={fd}", f"--address=unix:path={self.scratch}/bus"],
            env, ready=True, **quiet)
        start(self.started, ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                             "--a11y=1"], env, **quiet)
        until("accessibility bus",
              lambda: name_owned(env["DBUS_SESSION_BUS_ADDRESS"], "org.a11y.Bus"))

        start(self.started, ["openbox", "--sm-disable"], env, **quiet)
        until("window manager", lambda: "window id" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True,
            text=True).stdout)

        speechd = os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(os.path.join(speechd, "modules"), exist_ok=True)
        with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
            conf.write(SPEECHD_CONF)
        start(self.started, ["speech-dispatcher", "--run-single", "--config-dir", speechd,
                             "--timeout", "0", "--log-dir", self.scratch], env, **quiet)
        socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        until("speech-dispatcher", lambda: os.path.exists(socket))

        self.speech = Speech(os.path.join(self.scratch, "orca-debug.log"))
        orca = self._folder("orca")
        with open(os.path.join(orca, "user-settings.conf"), "w") as settings:
            json.dump(ORCA_SETTINGS, settings)
        start(self.started, ["/usr/bin/python3", os.path.join(HERE, "orca_launcher.py"),
                             "--user-prefs", orca,
                             "--debug-file", self.speech.path], env, **quiet)
        # Orca says that it runs once it listens.
        until("Orca's first words", lambda: self.speech.said_since_mark(), 20)
        self.speech.skip_to_end()
        self.env = env

    def write_plan(self, the_plan):
        """The game's plan as a file for the player, which runs as a process of its own."""
        path = os.path.join(self.scratch, "plan.json")
        with open(path, "w") as plan_file:
            json.dump(the_plan, plan_file)
        return path

    def play(self, name, arguments, env, seconds, began):
        """Runs the player (the test's own script with --play) and ends the test if it fails."""
        player = start(self.started, [sys.executable] + arguments, env, stderr=self.log)
        try:
            status = player.wait(seconds)
        except subprocess.TimeoutExpired:
            status = "a timeout"
        if status != 0:
            # Status 1: sentences were missing, and the report says which. Else the desk's
            # servers may tell why the player could not play.
            sys.exit(("" if status == 1 else self.servers_said()) +
                     f"\n{name}: failed after {time.monotonic() - began:.1f} s")


class Checks:
    """Each sentence required of the screen reader, passed or failed. A failure does not end the
    game: the rest is still played and heard, so one run tells everything that is missing. After
    a first miss of a kind the others of that kind are looked for without waiting long."""

    def __init__(self, speech, pump=lambda: None):
        self.speech = speech
        self.pump = pump
        self.failed = []
        self.missed_kinds = set()
        self.counts = {}

    def require(self, kind, sentence, seconds=5.0):
        passed, total = self.counts.get(kind, (0, 0))
        try:
            self.speech.wait_for(sentence, 0.3 if kind in self.missed_kinds else seconds,
                                 self.pump)
            self.counts[kind] = (passed + 1, total + 1)
            return True
        except Failure as failure:
            self.counts[kind] = (passed, total + 1)
            if kind not in self.missed_kinds:
                print(f"  missing ({kind}): {failure}", flush=True)
            self.missed_kinds.add(kind)
            self.failed.append(kind)
            return False

    def report(self, what):
        for kind, (passed, total) in self.counts.items():
            print(f"{'ok  ' if passed == total else 'FAIL'} {what}: {kind}: {passed} of {total}")
        return not self.failed
