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

    def edge(self, screen, accessible, what, ratio=3.0):
        """The control's left edge, across its middle: the most distinct pixel
        there against the window outside and against what lies inside it."""
        row = self.edge_row(screen, accessible)
        outside = row[0]
        line = max(range(1, 3 + 2 * SCALE), key=lambda i: contrast(row[i], outside))
        inside = row[line + 1]
        while inside == row[line] and line + 2 < len(row):  # a ring wider than one pixel
            line += 1
            inside = row[line + 1]
        found = (f"{what}: {hex_colour(row[line])} against {hex_colour(outside)} outside, "
                 f"{hex_colour(inside)} inside")
        print(f"{found}: {contrast(row[line], outside):.2f}:1, {contrast(row[line], inside):.2f}:1")
        self.assertGreaterEqual(contrast(row[line], outside), ratio, found)
        self.assertGreaterEqual(contrast(row[line], inside), ratio, found)
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
        found = f"{what}: " + ", ".join(f"{hex_colour(f)} for {hex_colour(u)}" for f, u in changed)
        ratios = [contrast(f, u) for f, u in changed]
        print(f"{found}: " + ", ".join(f"{r:.2f}:1" for r in ratios))
        self.assertGreaterEqual(sum(r >= 3.0 for r in ratios), 2 * SCALE, found)

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
        found = f"{what}: {hex_colour(text)} on {hex_colour(highlight)}"
        print(f"{found}: {contrast(text, highlight):.2f}:1")
        self.assertGreaterEqual(contrast(text, highlight), 4.5, found)
        return highlight

    def menu_edges(self, screen, mx, my, highlight):
        """Across the menu's left edge below its first entry, and down its middle
        from the highlighted first entry into the fill below it."""
        y = my + 40 * SCALE
        row = [screen.at(mx + i, y) for i in range(-3, 4 * SCALE)]
        outside, fill = row[0], row[-1]
        edge = max(row, key=lambda p: min(contrast(p, outside), contrast(p, fill)))
        found = f"menu edge: {hex_colour(edge)} against {hex_colour(outside)} outside, {hex_colour(fill)} inside"
        print(f"{found}: {contrast(edge, outside):.2f}:1, {contrast(edge, fill):.2f}:1")
        self.assertGreaterEqual(min(contrast(edge, outside), contrast(edge, fill)), 3.0, found)
        column = [screen.at(mx + 60 * SCALE, my + j) for j in range(40 * SCALE)]
        below = column.index(highlight) + column[column.index(highlight):].index(fill)
        bar = max(column[below - 3 * SCALE:below], key=lambda p: contrast(p, fill))
        found = f"highlighted entry's edge: {hex_colour(bar)} against the menu's {hex_colour(fill)}"
        print(f"{found}: {contrast(bar, fill):.2f}:1")
        self.assertGreaterEqual(contrast(bar, fill), 3.0, found)

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
            self.edge(screen, opposite, "field")
            self.edge(screen, s.control("Berechnen", "push button"), "button")
            self.edge(screen, angle, "focused field")
            self.focus_change(self.edge_row(screen, angle), self.edge_row(screen, opposite), "focus on a field")
            unfocused_button = self.edge_row(screen, s.control("Berechnen", "push button"))
            x, y, w, h = extents(angle)
            highlight = self.highlighted_text(screen.box(x + 3 * SCALE, y + 3 * SCALE, w // 2, h - 6 * SCALE),
                                              "selected text")
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
            self.edge(screen, neu, "focused button")
            self.focus_change(self.edge_row(screen, neu), unfocused_button, "focus on a button")
            # A locked result reads as well as a typed value, and shows its lock by shape as
            # well as fill: it has no outline.
            x, y, w, h = extents(opposite)
            pixels = screen.box(x + 3, y + 3, w - 6, h - 6)
            background = Counter(pixels).most_common(1)[0][0]
            text = max(pixels, key=lambda p: contrast(p, background))
            self.assertGreaterEqual(contrast(text, background), 4.5, f"{text} on {background}")
            window = screen.at(x - 3, y + h // 2)
            edge = [screen.at(x + i, y + h // 2) for i in range(-2, 3)]
            self.assertLess(max(contrast(p, window) for p in edge), 1.5, "a locked field draws no outline")

            # The copy menu, opened by key, its first entry highlighted.
            s.key("shift+F10")
            s.wait_popup()
            nx, ny, nw, nh = extents(neu)

            def menu_drawn():
                pixels = Screen(s).box(nx + nw // 2, ny + nh // 2, 150 * SCALE, 60 * SCALE)
                return pixels if sum(p == highlight for p in pixels) > 200 * SCALE * SCALE else None

            pixels = wait_for(menu_drawn, "the menu with its highlighted entry")
            band = [p for p in pixels if p == highlight or contrast(p, highlight) > 1.5]
            self.highlighted_text(band, "highlighted menu entry", highlight)
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
            self.edge(Screen(s), ok, "focused button in the message box")
            s.key("Return")


if __name__ == "__main__":
    unittest.main(verbosity=2)
