# SPDX-License-Identifier: GPL-3.0-or-later
"""What the Orca screen reader says while the calculator is worked by keys alone.

Starts its own Xvfb with openbox, one private session bus for Orca, the
accessibility bus and the program, a German speech-dispatcher whose voice
writes to ALSA's null device, and Orca with a debug log; then presses the keys
of a calculation and prints, per step, every utterance Orca made (its
`SPEECH OUTPUT` lines). With --check it fails unless each step said what a
blind user needs to hear. Needs the packages orca, speech-dispatcher,
speech-dispatcher-espeak-ng, espeak-ng, dconf-cli and
gsettings-desktop-schemas besides those of the other X tests; Orca's own
words are German where a de_DE.UTF-8 locale is installed.

    /usr/bin/python3 tests/orca_transcript.py [--check] [PROGRAM]
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Session, wait_for  # noqa: E402

ARGS = [arg for arg in sys.argv[1:] if arg != "--check"]
PROGRAM = ARGS[0] if ARGS else os.environ.get("DREIECKRECHNER", "build/dreieckrechner")
HEARD = 15.0  # seconds a step's words may take to be said
QUIET = 1.0  # a step ends when Orca has said nothing for this long

# What a blind user does: each step's keys, what the step is, the program's
# words that Orca must say in it, in this order (a set: all of them, in any
# order), whatever Orca's own language, and what the clipboard must then hold
# (it is emptied first), if anything.
RESULTS = "Winkel alpha 30, Ankathete 5, Gegenkathete 2,8868, Hypotenuse 5,7735"
VALUES = "Winkel (alpha)\t30\nAnkathete\t5\nGegenkathete\t2,8868\nHypotenuse\t5,7735\n"
RECHENWEG = "Aufgabe: Berechne a, c und β im rechtwinkligen Dreieck ABC mit γ\u00a0=\u00a090°, α\u00a0=\u00a030° und b\u00a0=\u00a05.\n"
STEPS = [
    ([], "the window opens", ["Berechnungen im rechtwinkligen Dreieck", "Bitte 2 bekannte Werte eingeben !",
                              "Winkel alpha"], None),
    (["Tab"], "Tab to Ankathete", ["Ankathete"], None),
    (["shift+Tab"], "back to Winkel", ["Winkel alpha"], None),
    (["3", "0", "Tab", "5"], "30 and 5 typed", [], None),
    (["alt+b"], "Berechnen", ["Neu", RESULTS], None),
    (["KP_Enter"], "where am I", [RESULTS], None),
    (["Insert+KP_Enter"], "read title", ["Berechnungen im rechtwinkligen Dreieck"], None),
    (["shift+F10"], "the copy menu opened from the keyboard", ["Alle Werte kopieren", "Strg+C"], None),
    (["Escape"], "the copy menu closed without a choice", ["Neu"], None),
    (["shift+F10", "Down", "Down"], "the copy menu's submenu", ["Einen Wert kopieren"], None),
    (["Right"], "the submenu that names each value", ["Winkel alpha", "30"], None),
    (["Down", "Down", "Return"], "one value chosen", [{"Wert kopiert", "Neu"}], "2,8868"),
    (["shift+F10"], "the copy menu again", ["Alle Werte kopieren"], None),
    # The program confirms the copy before the focus returns; Orca 43 says it
    # first, Orca 48 says the focused control first.
    (["Down", "Return"], "its second entry chosen", [{"Rechenweg kopiert", "Neu"}], RECHENWEG),
    (["ctrl+c"], "Ctrl+C", ["Alle Werte kopiert"], VALUES),
    (["ctrl+shift+c"], "Ctrl+Shift+C", ["Rechenweg kopiert"], RECHENWEG),
    (["alt+n"], "Neu", ["Alle Felder zurückgesetzt"], None),
    (["alt+b"], "Berechnen with too few values", ["Eingabefehler", "Bitte mindestens 2 Werte angeben"], None),
    (["Return"], "the error box closed: the focus in the first field without a value", ["Winkel alpha"], None),
]


class OrcaSession(Session):
    """An X session in which Orca, speaking German into no sound card, runs
    before the program starts."""

    def _before_program(self):
        home = os.path.join(self.runtime, "home")
        os.makedirs(home)
        self.env.update({"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"), "LANG": "de_DE.UTF-8",
                         "LC_ALL": "de_DE.UTF-8", "QT_ACCESSIBILITY": "1"})
        self.run("gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true")
        wait_for(lambda: subprocess.run(
            ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
             "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "IsEnabled", "<true>"],
            env=self.env, capture_output=True).returncode == 0, "the accessibility bus")

        # Speech without a sound card: espeak-ng in German into ALSA's null device.
        speech = os.path.join(home, ".config", "speech-dispatcher")
        shutil.copytree("/etc/speech-dispatcher", speech)
        with open(os.path.join(speech, "speechd.conf"), "a") as conf:
            conf.write('\nAudioOutputMethod "alsa"\nAudioALSADevice "default"\nDefaultModule espeak-ng\n'
                       'DefaultLanguage "de"\n')
        with open(os.path.join(home, ".asoundrc"), "w") as asound:
            asound.write('pcm.!default { type file slave.pcm "null" file "/dev/null" format "raw" }\n')

        # Orca's debug log, written line by line so that it can be read live.
        orca = os.path.join(self.runtime, "orca")
        with open("/usr/bin/orca") as source, open(orca, "w") as copy:
            copy.write(source.read().replace("open(args.debug_file, 'w')",
                                             "open(args.debug_file, 'w', buffering=1)"))
        self.log = os.path.join(self.runtime, "orca.log")
        self._spawn(["/usr/bin/python3", orca, "--debug-file=" + self.log])
        wait_for(lambda: self.said(), "Orca's first words", timeout=60)
        # Orca may speak the window before it is seen mapped: count from here.
        self.heard = len(self.said())

    def run(self, *argv):
        subprocess.run(argv, env=self.env, check=True, capture_output=True)

    def said(self):
        try:
            with open(self.log, errors="replace") as log:
                return re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", log.read())
        except FileNotFoundError:
            return []

    def keys_handled(self):
        """How many key releases Orca has finished handling, by its debug log."""
        try:
            with open(self.log, errors="replace") as log:
                return len(re.findall(r"\^\^\^\^\^ PROCESS \w*KEY_RELEASED\w*", log.read()))
        except FileNotFoundError:
            return 0

    def keys(self, keys):
        """Presses each key once Orca has handled the one before."""
        for key in keys:
            before = self.keys_handled()
            self.run("xdotool", "key", "--clearmodifiers", key)
            deadline = time.monotonic() + 2
            while self.keys_handled() <= before and time.monotonic() < deadline:
                time.sleep(0.05)

    def clipboard(self, text=None):
        """Sets the clipboard, or reads it."""
        if text is not None:
            subprocess.run(["xclip", "-selection", "clipboard"], input=text, text=True, env=self.env, check=True)
            return text
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env, capture_output=True,
                              text=True).stdout

    def step(self, keys, expected):
        """Presses the keys, waits until Orca has said the expected words and
        then fallen quiet, and returns what it said meanwhile."""
        self.keys(keys)
        deadline = time.monotonic() + HEARD
        while time.monotonic() < deadline and not all(
                words in " ".join(self.said()[self.heard:]) for words in all_words(expected)):
            time.sleep(0.1)
        count = -1
        while count != len(self.said()):
            count = len(self.said())
            time.sleep(QUIET)
        said = self.said()
        heard, self.heard = said[self.heard:], len(said)
        return heard


def all_words(expected):
    for item in expected:
        yield from sorted(item) if isinstance(item, set) else [item]


def unheard(expected, spoken):
    """The expected words Orca did not say, or not in their turn."""
    missing = []
    heard_up_to = 0
    for item in expected:
        ends = []
        for words in sorted(item) if isinstance(item, set) else [item]:
            found = spoken.find(words, heard_up_to)
            if found < 0:
                missing.append(repr(words) + (" in its turn" if words in spoken else ""))
            else:
                ends.append(found + len(words))
        heard_up_to = max(ends, default=heard_up_to)
    return missing


def transcript(program):
    """Per step: its name, the utterances Orca made during it, and the clipboard."""
    steps = []
    with OrcaSession(program) as session:
        for keys, what, expected, copied in STEPS:
            if copied is not None:
                session.clipboard("leer")
            heard = session.step(keys, expected)
            steps.append((what, heard, session.clipboard() if copied is not None else None))
    return steps


def other_orca():
    """The PID of an Orca this user already runs: Orca starts only one per user."""
    found = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True, text=True)
    return found.stdout.split()[0] if found.stdout.strip() else None


if __name__ == "__main__":
    if pid := other_orca():
        print(f"FAIL: another Orca of this user runs (PID {pid}); Orca starts only one per user, so stop it first")
        sys.exit(1)
    missing = []
    for (what, utterances, clipboard), (_, _, expected, copied) in zip(transcript(PROGRAM), STEPS):
        print(f"{what}:")
        for utterance in utterances:
            print(f"    {utterance}")
        missing += [f"{what}: {words}" for words in unheard(expected, " ".join(utterances))]
        if copied is not None:
            print(f"    clipboard: {clipboard[:60]!r}{'…' if len(clipboard) > 60 else ''}")
            if not clipboard.startswith(copied):
                missing.append(f"{what}: the clipboard holds {clipboard[:60]!r}, not {copied[:60]!r}")
    if "--check" in sys.argv and missing:
        print("FAIL: Orca did not say", "; ".join(missing))
        sys.exit(1)
