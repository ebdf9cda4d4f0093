# SPDX-License-Identifier: GPL-3.0-or-later
"""The results in the locked fields, as the eye sees them on a real X server,
in the theme named on the command line: light (Qt's own) or dark (GTK's
Adwaita dark through Qt's GTK platform theme)."""

import os
import subprocess
import sys
import unittest
from collections import Counter

sys.path.insert(0, os.path.dirname(__file__))
from xsession import Session, wait_for  # noqa: E402

PROGRAM = os.environ.get("DREIECKRECHNER", "build/dreieckrechner")
THEMES = {"light": {},
          # GTK's own accessibility bridge would hide the program from AT-SPI.
          "dark": {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark", "NO_AT_BRIDGE": "1"}}
THEME = sys.argv.pop(1) if len(sys.argv) > 1 else "light"


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


class ReadableResults(unittest.TestCase):
    """Locked fields show the results: their text must read at WCAG AA
    contrast, while the lock stays visible."""

    def pixels(self, session, field):
        """The colours inside a field's frame, as the screen shows them."""
        e = field.queryComponent().getExtents(0)
        crop = f"{e.width - 6}x{e.height - 6}+{e.x + 3}+{e.y + 3}"
        shot = subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", "png:-"], env=session.env,
                              check=True, capture_output=True).stdout
        # Raw 8-bit RGB: the same bytes from every ImageMagick, whatever colour
        # type it detects in the shot (its text listing varies by version).
        rgb = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=shot, check=True,
                             capture_output=True).stdout
        return [tuple(rgb[i:i + 3]) for i in range(0, len(rgb), 3)]

    def test_locked_results_read_well(self):
        with Session(PROGRAM, {"LC_ALL": "de_DE.UTF-8", **THEMES[THEME]}) as s:
            field = s.control("Gegenkathete", "text")
            editable = Counter(self.pixels(s, field)).most_common(1)[0][0]
            s.type("30")
            s.key("Tab")
            s.type("5")
            s.key("alt+b")
            wait_for(lambda: Session.text_of(field) == "2,8868", "the result")
            self.assertFalse(Session.enabled(field))

            def locked_look():
                pixels = self.pixels(s, field)
                return pixels if Counter(pixels).most_common(1)[0][0] != editable else None

            pixels = wait_for(locked_look, "a locked field to look different from an editable one")
            background = Counter(pixels).most_common(1)[0][0]
            text = max(pixels, key=lambda p: contrast(p, background))
            self.assertGreaterEqual(contrast(text, background), 4.5, f"{text} on {background}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
