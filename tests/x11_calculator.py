# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a real X server, worked with real key presses and mouse clicks."""

import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Session, wait_for  # noqa: E402

PROGRAM = os.environ.get("DREIECKRECHNER", "build/dreieckrechner")
DESKTOP_FILE = os.environ.get("DESKTOP_FILE", os.path.join(os.path.dirname(__file__), "..", "packaging",
                                                           "de.dreieckrechner.Dreieckrechner.desktop"))
# A German number format, as a German desktop would have it, unless told otherwise.
LOCALE = os.environ.get("DREIECK_TEST_LOCALE", "de_DE.UTF-8")
FIELDS = ("Winkel alpha", "Ankathete", "Gegenkathete", "Hypotenuse")


class Calculator(unittest.TestCase):
    """One program for the whole class (the accessibility bus is per process);
    the tests run in name order and each leaves the window as it found it."""

    @classmethod
    def setUpClass(cls):
        cls.session = Session(PROGRAM, {"LC_ALL": LOCALE}).__enter__()
        cls.addClassCleanup(cls.session.__exit__, None, None, None)

    def field(self, name):
        return self.session.control(name, "text")

    def texts(self):
        return [Session.text_of(self.field(name)) for name in FIELDS]

    def wait_texts(self, expected):
        wait_for(lambda: self.texts() == expected, f"the fields to read {expected} (they read {self.texts()})")

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.session.env, check=True,
                              capture_output=True, text=True).stdout

    def set_clipboard(self, text, selection="clipboard"):
        subprocess.run(["xclip", "-selection", selection], input=text, text=True, env=self.session.env, check=True)

    def tip(self):
        """The program's smallest window, while it has more than its main window: x, y, width, height."""
        s = self.session

        def geometry(window):
            shell = dict(line.split("=") for line in s.xdotool("getwindowgeometry", "--shell", window).split())
            return [int(shell[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")]
        windows = [geometry(w) for w in s._windows()]
        return min(windows, key=lambda g: g[2] * g[3]) if len(windows) > 1 else None

    def assert_covers_no_field(self, tip, what):
        import pyatspi
        x, y, w, h = tip
        for name in FIELDS:
            e = self.field(name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            self.assertFalse(x < e.x + e.width - 1 and e.x < x + w and y < e.y + e.height and e.y < y + h,
                             f"{what} covers {name}")

    def calculate(self, angle, adjacent, results):
        """Types an angle and the adjacent leg from a click into the angle field, and Berechnen."""
        s = self.session
        s.focus_window()
        s.click(self.field("Winkel alpha"))
        s.type(angle)
        s.key("Tab")
        s.type(adjacent)
        s.key("alt+b")
        self.wait_texts([angle, adjacent, *results])

    def test_0_window_class_names_the_menu_entry(self):
        """Docks tie an X11 window to its desktop file by the window's class."""
        s = self.session
        wm_class = subprocess.run(["xprop", "-id", s.window, "WM_CLASS"], env=s.env, check=True,
                                  capture_output=True, text=True).stdout  # WM_CLASS(STRING) = "instance", "class"
        window_class = wm_class.split("=", 1)[1].split(",")[1].strip().strip('"')
        with open(DESKTOP_FILE, encoding="utf-8") as desktop:
            startup = re.search(r"^StartupWMClass=(.*)$", desktop.read(), re.MULTILINE)
        self.assertIsNotNone(startup)
        self.assertEqual(startup.group(1), window_class)

    def test_0_start_loads_only_what_the_window_draws_with(self):
        """No image-format or icon-engine plug-in, no SVG, no font the window does not
        draw with. (How much of PCRE2 and HarfBuzz is resident, bench/startup.sh tells.)"""
        pid = self.session.app.pid
        with open(f"/proc/{pid}/maps") as maps:
            files = {line.split()[-1] for line in maps if len(line.split()) == 6}
        self.assertEqual([f for f in files if re.search(r"/(imageformats|iconengines)/|libQt6Svg", f)], [])
        fonts = {os.path.basename(f) for f in files if re.search(r"\.(ttf|otf|pfb)$", f)}
        # The controls' stand-in face, regular and bold, and the diagram's.
        self.assertEqual(fonts, {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "DejaVuSans.ttf"})

    def test_1_typing_and_berechnen_by_access_key(self):
        s = self.session
        self.assertEqual(s.xdotool("getwindowname", s.window), "Berechnungen im rechtwinkligen Dreieck")
        wait_for(lambda: Session.focused(self.field("Winkel alpha")), "the focus in the angle field")
        s.type("30")
        s.key("Tab")
        s.type("5")
        s.key("alt+b")
        self.wait_texts(["30", "5", "2,8868", "5,7735"])
        self.assertFalse(any(Session.enabled(self.field(name)) for name in FIELDS))
        self.assertFalse(Session.enabled(s.control("Berechnen", "push button")))
        # A locked result is read-only for a screen reader too: it says so and nothing else, takes no
        # focus, offers no editing, and an edit sent all the same is refused.
        import pyatspi
        for name in FIELDS:
            state = self.field(name).getState()
            self.assertEqual([state.contains(pyatspi.STATE_READ_ONLY), state.contains(pyatspi.STATE_EDITABLE),
                              state.contains(pyatspi.STATE_FOCUSABLE)], [True, False, False], name)
            try:
                self.field(name).queryEditableText().setTextContents("1")
            except NotImplementedError:
                pass  # the client knows it is not offered
        self.assertEqual(self.texts(), ["30", "5", "2,8868", "5,7735"])
        # A cut sent to a locked field (by a client that still has it as editable) cuts nothing:
        # the clipboard keeps what it held.
        self.set_clipboard("leer")
        wait_for(lambda: self.clipboard() == "leer", "the clipboard emptied")
        self.field("Hypotenuse").queryEditableText().cutText(0, 2)
        wait_for(lambda: self.clipboard() == "leer", f"the clipboard unchanged (it holds {self.clipboard()!r})")
        self.assertEqual(self.texts(), ["30", "5", "2,8868", "5,7735"])
        neu = s.control("Neu", "push button")
        wait_for(lambda: Session.focused(neu), "the focus on Neu")
        # What a screen reader says with the focus on Neu.
        self.assertEqual(neu.description, "Winkel alpha 30, Ankathete 5, Gegenkathete 2,8868, Hypotenuse 5,7735")

        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])
        self.assertEqual(neu.description, "")
        # Neu moves no focus, so a notification tells that the fields were cleared.
        notice = s.control("Alle Felder zurückgesetzt", "notification")
        self.assertTrue(notice.getState().contains(pyatspi.STATE_SHOWING))
        self.assertTrue(all(Session.enabled(self.field(name)) for name in FIELDS))
        self.assertTrue(all(self.field(name).getState().contains(pyatspi.STATE_EDITABLE) for name in FIELDS))

    def test_2_error_box_by_mouse_click(self):
        s = self.session
        s.click(s.control("Berechnen", "push button"))
        box = wait_for(lambda: next((w for w in s.top_levels() if w.name == "Eingabefehler"), None),
                       "the error box")
        import pyatspi
        message = pyatspi.findDescendant(box, lambda a: a.name == "Bitte mindestens 2 Werte angeben")
        self.assertIsNotNone(message)
        s.key("Return")
        wait_for(lambda: all(w.name != "Eingabefehler" for w in s.top_levels()), "the box to close")
        wait_for(lambda: Session.enabled(self.field("Ankathete")), "the fields to be unlocked")
        self.assertEqual(self.texts(), ["?", "?", "?", "?"])
        self.assertEqual(s.control("Neu", "push button").description, "")

    def test_3_delete_deletes(self):
        """Delete carries the text 127 on X alone: the key filter must leave it be."""
        s = self.session
        s.focus_window()
        s.click(self.field("Winkel alpha"))  # selects its "?"
        s.type("456")
        s.key("BackSpace", "Home", "Delete")
        self.wait_texts(["5", "?", "?", "?"])
        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])

    def test_4_screen_reader_works_a_calculation(self):
        s = self.session
        for name, text in (("Winkel alpha", "45"), ("Ankathete", "1")):
            self.field(name).queryEditableText().setTextContents(text)
        berechnen = s.control("Berechnen", "push button")
        action = berechnen.queryAction()
        self.assertEqual(action.getName(0), "Press")
        action.doAction(0)
        self.wait_texts(["45", "1", "1", "1,4142"])
        self.assertFalse(Session.enabled(berechnen))
        s.focus_window()
        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])
        # Focus moves are visible to the screen reader.
        s.click(self.field("Hypotenuse"))
        wait_for(lambda: Session.focused(self.field("Hypotenuse")), "the focus in the hypotenuse field")
        s.key("Tab")
        wait_for(lambda: Session.focused(s.control("Berechnen", "push button")), "the focus on Berechnen")
        self.assertFalse(Session.focused(self.field("Hypotenuse")))
        # A screen reader can move the focus itself.
        self.assertTrue(self.field("Ankathete").queryComponent().grabFocus())
        wait_for(lambda: Session.focused(self.field("Ankathete")), "the focus in the adjacent leg, moved by AT-SPI")
        self.assertEqual(s.application().name, "dreieckrechner")
        # A dialog with a title, not a filler: screen readers read it, and what to do.
        window = s.top_levels()[0]
        self.assertTrue(Session.has_role(window, "dialog"))
        self.assertEqual(window.name, "Berechnungen im rechtwinkligen Dreieck")
        diagram = next(child for child in window if Session.has_role(child, "image"))
        self.assertTrue(diagram.name.startswith("Skizze: ein rechtwinkliges Dreieck, der rechte Winkel unten links"))

    def test_5_middle_click_pastes_as_it_looks(self):
        s = self.session
        s.focus_window()
        # A German number with a no-break space, as copied from a web page.
        self.set_clipboard("1\u00a0000,5", "primary")
        s.click(self.field("Ankathete"), button=2)
        self.wait_texts(["?", "1 000.5", "?", "?"])
        # Refused, a paste says why beside its field: the next field stays free for the next click.
        self.set_clipboard("1.2.36", "primary")
        s.click(self.field("Gegenkathete"), button=2)
        self.assert_covers_no_field(wait_for(self.tip, "the refusal's message"), "the refusal's message")
        self.assertEqual(self.texts(), ["?", "1 000.5", "?", "?"])
        s.click(self.field("Hypotenuse"), button=3)
        s.wait_popup()
        s.key("Escape")
        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])

    def test_6_report_puts_the_focus_in_its_field(self):
        s = self.session
        s.focus_window()
        s.click(self.field("Winkel alpha"))
        s.type("30")
        s.key("Tab", "Tab", "Tab", "Tab")
        berechnen = s.control("Berechnen", "push button")
        wait_for(lambda: Session.focused(berechnen), "the focus on Berechnen")
        for pressing, closing_key in (("space", "space"), ("alt+b", "Return")):
            s.key(pressing)
            wait_for(lambda: any(w.name == "Eingabefehler" for w in s.top_levels()), "the error box")
            s.key(closing_key)
            wait_for(lambda: all(w.name != "Eingabefehler" for w in s.top_levels()), "the box to close")
            # In the first field that lacks a value, its marker selected: typing replaces it.
            wait_for(lambda: Session.focused(self.field("Ankathete")), "the focus in Ankathete")
        s.type("5")
        self.wait_texts(["30", "5", "?", "?"])
        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])

    def test_7_results_are_copied_and_pasted_back(self):
        s = self.session
        self.calculate("30", "5", ["2,8868", "5,7735"])

        clipboard = self.clipboard
        s.key("ctrl+c")
        wait_for(lambda: clipboard() == "Winkel (alpha)\t30\nAnkathete\t5\nGegenkathete\t2,8868\n"
                 "Hypotenuse\t5,7735\n", f"all four values on the clipboard (it holds {clipboard()!r})")
        # The worked solution, by Ctrl+Shift+C and by the menu's third item, the same.
        s.key("ctrl+shift+c")
        wait_for(lambda: clipboard().startswith("Aufgabe: Berechne a, c und β im rechtwinkligen Dreieck ABC mit "
                                                  "γ\u00a0=\u00a090°, α\u00a0=\u00a030° und b\u00a0=\u00a05.\n"),
                 f"the Rechenweg on the clipboard (it holds {clipboard()!r})")
        rechenweg = clipboard()
        # With HTML beside it, for word processors.
        targets = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"], env=s.env,
                                 check=True, capture_output=True, text=True).stdout.split()
        self.assertIn("text/html", targets)
        self.set_clipboard("leer")
        wait_for(lambda: clipboard() == "leer", "the clipboard emptied")
        s.click(self.field("Gegenkathete"), button=3)
        s.wait_popup()
        s.key("Down", "Down", "Down", "Return")
        wait_for(lambda: clipboard() == rechenweg, f"the Rechenweg from the menu (it holds {clipboard()!r})")
        # Any one value by keyboard alone: Shift+F10 on Neu, the submenu that names them.
        wait_for(lambda: Session.focused(s.control("Neu", "push button")), "the focus on Neu")
        s.record_focus()
        s.key("shift+F10")
        s.wait_popup()
        s.key("Down", "Down", "Right")
        wait_for(lambda: s.focus_events()[-1:] and s.focus_events()[-1].name == "Winkel alpha\t30",
                 "the submenu's first entry focused")
        first = s.focus_events()[-1]
        # Closed with Left, the submenu hands the focus back to its entry, and says so.
        s.key("Left")
        wait_for(lambda: s.focus_events()[-1].name == "Einen Wert kopieren", "a focus event for the submenu's entry")
        self.assertFalse(Session.focused(first))
        s.key("Right", "Down", "Down", "Return")
        wait_for(lambda: clipboard() == "2,8868", f"the opposite leg on the clipboard (it holds {clipboard()!r})")
        # A right click on the locked hypotenuse: its menu's first item copies its value alone.
        s.click(self.field("Hypotenuse"), button=3)
        s.wait_popup()
        s.key("Down", "Return")
        wait_for(lambda: clipboard() == "5,7735", f"the hypotenuse on the clipboard (it holds {clipboard()!r})")

        # Pasted back through a fresh field's own menu, it reads as the same number.
        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])
        s.click(self.field("Ankathete"))
        s.click(self.field("Ankathete"), button=3)
        s.wait_popup()
        s.key("udiaeresis")  # Qt's German "Einf&ügen"; Qt's menus are not on the accessibility bus
        self.wait_texts(["?", "5.7735", "?", "?"])
        s.key("shift+Tab")
        wait_for(lambda: Session.focused(self.field("Winkel alpha")), "the focus in the angle field")
        s.type("30")
        s.key("alt+b")
        self.wait_texts(["30", "5.7735", "3,3333", "6,6667"])
        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])

    def test_7a_a_long_value_shows_its_start(self):
        """A locked field cannot be scrolled: it shows its text from the first digit,
        and the whole value in its tooltip."""
        s = self.session
        self.calculate("30", "123456789012.3456", ["71277810369,5646", "142555620739,129"])
        import pyatspi
        for name in FIELDS:
            field = self.field(name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            first = self.field(name).queryText().getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
            self.assertGreaterEqual(first[0], field.x, f"the first character of {name} is out of sight")
        # The tooltip with the whole value: beside the field, covering no value; it stays
        # while the pointer rests on it, goes with Escape and when the pointer leaves.
        adjacent = self.field("Ankathete").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        centre = (adjacent.x + adjacent.width // 2, adjacent.y + adjacent.height // 2)

        tip = self.tip

        def hover():
            s.xdotool("mousemove", "--sync", "0", "0")
            for dx in (0, 1):  # Qt wakes a tooltip on motion within the field
                s.xdotool("mousemove", "--sync", str(centre[0] + dx), str(centre[1]))
            return wait_for(tip, "the tooltip")

        self.assert_covers_no_field(hover(), "the tooltip")
        s.key("Escape")
        wait_for(lambda: tip() is None, "the tooltip gone with Escape")
        x, y, w, h = hover()
        s.xdotool("mousemove", "--sync", str(x + w // 2), str(y + h // 2))
        time.sleep(11)  # Qt's own tooltips go after about ten seconds
        self.assertIsNotNone(tip(), "the tooltip stays while the pointer rests on it")
        s.xdotool("mousemove", "--sync", "0", "0")
        wait_for(lambda: tip() is None, "the tooltip gone with the pointer")
        s.key("alt+n")
        self.wait_texts(["?", "?", "?", "?"])

    def test_8_focus_coming_back_keeps_the_caret(self):
        focus_coming_back_keeps_the_caret(self.session)

    def test_9_ende_quits(self):
        self.session.focus_window()
        self.session.key("alt+e")
        self.assertEqual(self.session.app.wait(timeout=5), 0)


def focus_coming_back_keeps_the_caret(s):
    """The field's own menu, or another window, takes the focus only for a while:
    when it comes back, what the user typed is neither selected nor replaced."""
    def field(name):
        return s.control(name, "text")

    def wait_text(name, expected):
        wait_for(lambda: Session.text_of(field(name)) == expected,
                 f"{name} to read {expected!r} (it reads {Session.text_of(field(name))!r})")

    def click_into(name):
        s.click(field(name))
        wait_for(lambda: Session.focused(field(name)), f"the focus in {name}")

    s.focus_window()
    click_into("Winkel alpha")
    s.type("12")
    s.key("Home")
    # Closed by Escape, the menu hands the focus back, and screen readers are told so.
    s.record_focus()
    s.key("shift+F10")
    s.wait_popup()
    s.key("Escape")
    wait_for(lambda: s.focus_events()[-1:] and s.focus_events()[-1].name == "Winkel alpha",
             "a focus event for the field after Escape")
    s.type("3")
    wait_text("Winkel alpha", "312")

    click_into("Ankathete")
    s.type("125")
    s.key("Home")
    subprocess.run(["xclip", "-selection", "clipboard"], input="9", text=True, env=s.env, check=True)
    s.click(field("Ankathete"), button=3)
    s.wait_popup()
    s.key("udiaeresis")  # Einfügen
    wait_text("Ankathete", "9125")
    s.type("0")
    wait_text("Ankathete", "90125")

    click_into("Gegenkathete")
    s.type("125")
    wait_text("Gegenkathete", "125")
    s.key("Home")
    # Another window takes the focus (a second calculator), then the user comes back.
    other = subprocess.Popen([PROGRAM], env=s.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(other.pid)],
                                        env=s.env, capture_output=True).returncode == 0, "a second window")
        wait_for(lambda: not Session.focused(field("Gegenkathete")), "the second window to take the focus")
    finally:
        other.terminate()
        other.wait(timeout=5)
    s.focus_window()
    wait_for(lambda: Session.focused(field("Gegenkathete")), "the focus back in Gegenkathete")
    s.type("3")
    wait_text("Gegenkathete", "3125")
    s.key("alt+n")
    wait_for(lambda: Session.text_of(field("Winkel alpha")) == "?", "Neu")


if __name__ == "__main__":
    unittest.main(verbosity=2)
