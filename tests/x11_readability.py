# SPDX-License-Identifier: GPL-3.0-or-later
"""What the eye sees on a real X server, measured from screenshot pixels as a
test lab does, in the theme named on the command line: light (Qt's own),
dark (GTK's Adwaita dark through Qt's GTK platform theme) or light at 200 %.
Text at 4.5:1, the edges of fields and buttons and the focus ring at 3:1
against what lies next to them, in the window, the menu and the message box."""

import os
import subprocess
import sys
import unittest
from collections import Counter

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Session, wait_for  # noqa: E402

PROGRAM = os.environ.get("DREIECKRECHNER", "build/dreieckrechner")
# GTK's own accessibility bridge would hide the program from AT-SPI.
DARK = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark", "NO_AT_BRIDGE": "1"}
THEMES = {"light": {}, "dark": DARK, "light200": {"QT_SCALE_FACTOR": "2"}}
THEME = sys.argv.pop(1) if len(sys.argv) > 1 else "light"
# AT-SPI gives Qt's logical coordinates; the screen has this many pixels to each.
SCALE = int(THEMES[THEME].get("QT_SCALE_FACTOR", "1"))
# The figures docs/barrierefreiheit.md states, in its table for Debian 12: measured there
# at 100 %, every run on Debian 12 checks that they are what is drawn.
STATEMENT = os.path.join(os.path.dirname(__file__), "..", "docs", "barrierefreiheit.md")
with open("/etc/debian_version") as version:
    STATED_HERE = version.read().startswith("12") and THEME in ("light", "dark")


def luminance(colour):
    """Relative luminance of an sRGB colour, as WCAG defines it."""
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def hex_colour(c):
    return "#%02x%02x%02x" % c


def ratio(r):
    """A contrast ratio as the statement writes it: 3,21:1."""
    return f"{r:.2f}".replace(".", ",") + ":1"


def stated():
    """The statement's table of measured figures: its row name to the light and the dark cell."""
    rows = {}
    with open(STATEMENT, encoding="utf-8") as statement:
        for line in statement:
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if line.startswith("| ") and len(cells) == 3:
                rows[cells[0]] = cells[1:]
    return rows


class Screen:
    """One screenshot, read pixel by pixel."""

    def __init__(self, session):
        png = subprocess.run(["import", "-window", "root", "png:-"], env=session.env, check=True,
                             capture_output=True).stdout
        # Raw 8-bit RGB: the same bytes from every ImageMagick, whatever colour
        # type it detects in the shot (its text listing varies by version).
        self.rgb = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png, check=True,
                                  capture_output=True).stdout
        self.width = int(session.xdotool("getdisplaygeometry").split()[0])

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def box(self, x, y, w, h):
        return [self.at(x + i, y + j) for j in range(h) for i in range(w)]


def extents(accessible):
    e = accessible.queryComponent().getExtents(0)
    return e.x * SCALE, e.y * SCALE, e.width * SCALE, e.height * SCALE


class Readable(unittest.TestCase):

    def state(self, row, figure, theme=None):
        """A figure measured now, which the statement's table gives in its row, in the cell of
        the theme measured in."""
        print(f"{row}: {figure}")
        theme = theme or THEME
        if not STATED_HERE or theme not in ("light", "dark"):
            return
        rows = stated()
        self.assertIn(row, rows, f"docs/barrierefreiheit.md has no row {row!r}")
        self.assertIn(figure, rows[row][0 if theme == "light" else 1],
                      f"docs/barrierefreiheit.md, {row}, {theme}")

    def edge(self, screen, accessible, what, least=3.0):
        """The control's left edge, across its middle: the most distinct pixel
        there against the window outside and against what lies inside it."""
        row = self.edge_row(screen, accessible)
        outside = row[0]
        line = max(range(1, 3 + 2 * SCALE), key=lambda i: contrast(row[i], outside))
        inside = row[line + 1]
        while inside == row[line] and line + 2 < len(row):  # a ring wider than one pixel
            line += 1
            inside = row[line + 1]
        figure = (f"{hex_colour(row[line])}: {ratio(contrast(row[line], outside))} gegen "
                  f"{hex_colour(outside)} außen, {ratio(contrast(row[line], inside))} gegen "
                  f"{hex_colour(inside)} innen")
        self.state(what, figure)
        self.assertGreaterEqual(contrast(row[line], outside), least, figure)
        self.assertGreaterEqual(contrast(row[line], inside), least, figure)
        return row[line]

    def focus_change(self, focused, unfocused, what):
        """The pixels across the left edge that the focus changes, from the outside in up to the
        first it leaves alone (beyond lies the text and its selection), against the same pixels
        of a control without it (WCAG 2.2's focus appearance): 3:1 on at least two of them."""
        pairs = list(zip(focused, unfocused))
        first = next((i for i, (f, u) in enumerate(pairs) if contrast(f, u) > 1.1), len(pairs))
        changed = []
        for f, u in pairs[first:]:
            if contrast(f, u) <= 1.1:
                break
            changed.append((f, u))
        ratios = [contrast(f, u) for f, u in changed]
        figure = ", ".join(f"{hex_colour(f)} statt {hex_colour(u)} {ratio(r)}" for (f, u), r in zip(changed, ratios))
        self.state(what, figure)
        self.assertGreaterEqual(sum(r >= 3.0 for r in ratios), 2 * SCALE, figure)

    @staticmethod
    def edge_row(screen, accessible):
        x, y, w, h = extents(accessible)
        return [screen.at(x + i, y + h // 2) for i in range(-3, 4 * SCALE)]

    def highlighted_text(self, pixels, what, highlight=None):
        """Text on the highlight, which is the commonest colour that is not the background."""
        counts = Counter(pixels).most_common(2)
        if highlight is None:
            highlight = counts[1][0]
        text = max(pixels, key=lambda p: contrast(p, highlight))
        figure = f"{hex_colour(text)} auf {hex_colour(highlight)} {ratio(contrast(text, highlight))}"
        self.state(what, figure)
        self.assertGreaterEqual(contrast(text, highlight), 4.5, figure)
        return highlight

    def menu_edges(self, screen, mx, my, highlight):
        """Across the menu's left edge below its first entry, and down its middle
        from the highlighted first entry into the fill below it."""
        y = my + 40 * SCALE
        row = [screen.at(mx + i, y) for i in range(-3, 4 * SCALE)]
        outside, fill = row[0], row[-1]
        edge = max(row, key=lambda p: min(contrast(p, outside), contrast(p, fill)))
        figure = (f"{hex_colour(edge)}: {ratio(contrast(edge, outside))} gegen {hex_colour(outside)} außen, "
                  f"{ratio(contrast(edge, fill))} gegen {hex_colour(fill)} innen")
        self.state("Rand des Menüs", figure)
        self.assertGreaterEqual(min(contrast(edge, outside), contrast(edge, fill)), 3.0, figure)
        column = [screen.at(mx + 60 * SCALE, my + j) for j in range(40 * SCALE)]
        below = column.index(highlight) + column[column.index(highlight):].index(fill)
        bar = max(column[below - 3 * SCALE:below], key=lambda p: contrast(p, fill))
        figure = f"{hex_colour(bar)}: {ratio(contrast(bar, fill))} gegen {hex_colour(fill)}"
        self.state("hervorgehobener Menüeintrag gegen das Menü", figure)
        self.assertGreaterEqual(contrast(bar, fill), 3.0, figure)

    def test_desktop_font_size(self):
        """A desktop font larger than usual (GNOME's 11 pt) makes the window grow with it,
        as a plain Qt window's text does: DejaVu Serif 16 in GTK's settings, 16/11 of the size."""
        if THEME != "light":
            self.skipTest("measured once, in the light theme")
        import tempfile

        def window_size(extra):
            with Session(PROGRAM, {"LC_ALL": "de_DE.UTF-8", "NO_AT_BRIDGE": "1", **extra}) as s:
                shell = dict(line.split("=") for line in s.xdotool("getwindowgeometry", "--shell", s.window).split())
                return int(shell["WIDTH"]), int(shell["HEIGHT"])

        with tempfile.TemporaryDirectory() as config:
            os.makedirs(os.path.join(config, "gtk-3.0"))
            with open(os.path.join(config, "gtk-3.0", "settings.ini"), "w") as settings:
                settings.write("[Settings]\ngtk-font-name=DejaVu Serif 16\n")
            usual = window_size({"QT_QPA_PLATFORMTHEME": "gtk3"})
            large = window_size({"QT_QPA_PLATFORMTHEME": "gtk3", "XDG_CONFIG_HOME": config})
        self.state("Fenstergröße bei Desktop-Schrift 11 pt → 16 pt",
                   f"{usual[0]} × {usual[1]} → {large[0]} × {large[1]} Pixel", theme="light")
        for u, l in zip(usual, large):
            self.assertAlmostEqual(l / u, 16 / 11, delta=0.03)

    def test_contrast(self):
        with Session(PROGRAM, {"LC_ALL": "de_DE.UTF-8", **THEMES[THEME]}) as s:
            angle = s.control("Winkel alpha", "text")
            opposite = s.control("Gegenkathete", "text")
            wait_for(lambda: Session.focused(angle), "the focus in the angle field")
            # Selected text with horizontal strokes: text hinted only vertically, as GTK's
            # desktops have it, has no fully covered pixel in an upright or curved stroke.
            s.type("77")
            s.key("Home", "shift+End")
            wait_for(lambda: angle.queryText().getNSelections() == 1, "the text selected")
            screen = Screen(s)
            self.edge(screen, opposite, "Feldrahmen")
            self.edge(screen, s.control("Berechnen", "push button"), "Rahmen der Schaltflächen")
            self.edge(screen, angle, "Fokusrahmen (Feld)")
            self.focus_change(self.edge_row(screen, angle), self.edge_row(screen, opposite), "Fokuswechsel (Feld)")
            unfocused_button = self.edge_row(screen, s.control("Berechnen", "push button"))
            x, y, w, h = extents(angle)
            highlight = self.highlighted_text(screen.box(x + 3 * SCALE, y + 3 * SCALE, w // 2, h - 6 * SCALE),
                                              "markierter Text")
            editable = Counter(screen.box(*extents(opposite))).most_common(1)[0][0]

            s.type("30")
            s.key("Tab")
            s.type("5")
            s.key("alt+b")
            wait_for(lambda: Session.text_of(opposite) == "2,8868", "the result")
            neu = s.control("Neu", "push button")
            wait_for(lambda: Session.focused(neu), "the focus on Neu")

            def locked_look():
                shot = Screen(s)
                pixels = shot.box(*extents(opposite))
                return shot if Counter(pixels).most_common(1)[0][0] != editable else None

            screen = wait_for(locked_look, "a locked field to look different from an editable one")
            self.edge(screen, neu, "Fokusrahmen (Schaltfläche)")
            self.focus_change(self.edge_row(screen, neu), unfocused_button, "Fokuswechsel (Schaltfläche)")
            # A locked result reads as well as a typed value, and shows its lock by shape as
            # well as fill: it has no outline.
            x, y, w, h = extents(opposite)
            pixels = screen.box(x + 3, y + 3, w - 6, h - 6)
            background = Counter(pixels).most_common(1)[0][0]
            text = max(pixels, key=lambda p: contrast(p, background))
            figure = f"{hex_colour(text)} auf {hex_colour(background)} {ratio(contrast(text, background))}"
            self.state("Ergebnis in gesperrten Feldern", figure)
            self.assertGreaterEqual(contrast(text, background), 4.5, figure)
            self.state("Füllung gesperrter Felder",
                       f"{hex_colour(editable)} → {hex_colour(background)} {ratio(contrast(editable, background))}")
            window = screen.at(x - 3, y + h // 2)
            edge = [screen.at(x + i, y + h // 2) for i in range(-2, 3)]
            outline = max(contrast(p, window) for p in edge)
            self.state("Rand gesperrter Felder", f"keiner: höchstens {ratio(outline)} gegen das Fenster")
            self.assertLess(outline, 1.5, "a locked field draws no outline")

            # The copy menu, opened by key, its first entry highlighted.
            s.key("shift+F10")
            s.wait_popup()
            nx, ny, nw, nh = extents(neu)

            def menu_drawn():
                pixels = Screen(s).box(nx + nw // 2, ny + nh // 2, 150 * SCALE, 60 * SCALE)
                return pixels if sum(p == highlight for p in pixels) > 200 * SCALE * SCALE else None

            pixels = wait_for(menu_drawn, "the menu with its highlighted entry")
            band = [p for p in pixels if p == highlight or contrast(p, highlight) > 1.5]
            self.highlighted_text(band, "hervorgehobener Menüeintrag", highlight)
            # The menu's edge against the window and its fill; the highlighted entry's
            # edge against the fill, down the menu's middle.
            screen = Screen(s)
            def geometry(window):
                shell = dict(line.split("=") for line in s.xdotool("getwindowgeometry", "--shell", window).split())
                return int(shell["X"]), int(shell["Y"]), int(shell["WIDTH"]) * int(shell["HEIGHT"])
            mx, my, _ = min((geometry(w) for w in s._windows()), key=lambda g: g[2])
            self.menu_edges(screen, mx, my, highlight)
            s.key("Escape")

            # The message box: its OK button has the focus.
            s.key("alt+n")
            wait_for(lambda: Session.text_of(opposite) == "?", "Neu")
            s.key("alt+b")
            box = wait_for(lambda: next((w for w in s.top_levels() if w.name == "Eingabefehler"), None),
                           "the error box")
            import pyatspi
            ok = pyatspi.findDescendant(box, lambda a: Session.has_role(a, "push button"))
            wait_for(lambda: Session.focused(ok), "the focus on OK")
            self.edge(Screen(s), ok, "Fokusrahmen im Meldungsfenster")
            s.key("Return")


if __name__ == "__main__":
    unittest.main(verbosity=2)
