#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text the quiz shows stands out from its own ground, read from the
screen of a real X server: under the plain default palette, and under a dark
desktop theme whose colours must not reach the screens."""

import collections
import glob
import sys

from e2e import FINALE, NEXT, Run
from xsession import check, run_cases

# Texts by screen, as client-area rectangles in pixels (x, y, width, height),
# each inside one control so that it has one ground.
INTRO_TEXTS = {
    "title": (6, 0, 305, 48),
    "picture placeholder": (41, 41, 231, 39),
    "answer box mock-up": (33, 89, 247, 23),
    "PRETTY OBVIOUS ISNT IT": (103, 192, 135, 16),
    "review paragraph": (24, 209, 287, 56),
    "By Tarrow": (0, 272, 311, 32),
    "web address": (24, 306, 265, 40),
    "Class Of": (0, 370, 311, 30),
    "countdown": (0, 402, 311, 41),
}
QUESTION_TEXTS = {"answer box": (41, 253, 243, 19)}
FINALE_TEXTS = {"score message": (24, 8, 241, 49)}

def luminance(colour):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def text_contrast(pixels):
    """The contrast of a text's ink against its ground. The ground is the
    commonest colour. Small antialiased text rarely shows its ink colour
    pure, so the ink is the colour that stands out most from the ground
    among those seen more than once (a lone pixel may be noise)."""
    counts = collections.Counter(pixels)
    ground, _ = counts.most_common(1)[0]
    strokes = [p for p, n in counts.items() if p != ground and n >= 2]
    check(sum(counts[p] for p in strokes) >= 20, "no text at all")
    ink = max(strokes, key=lambda p: contrast(p, ground))
    return contrast(ink, ground), ink, ground


def drawn_pixels(x, window, rect, top, timeout=5):
    """The pixels of a text as drawn. A window is on screen a moment before
    its first frame is drawn into it, so the text is read until it shows
    more than one colour and holds still from one read to the next."""
    reads = [None]

    def settled():
        pixels = x.pixels(window, *rect, client_top=top)
        still = pixels == reads[-1] and len(set(pixels)) > 1
        reads.append(pixels)
        return still
    x._wait(settled, timeout, step=0.05)
    return reads[-1]


def measure(x, run, texts, top=0):
    found = {}
    for name, rect in texts.items():
        try:
            found[name] = text_contrast(drawn_pixels(x, run.window, rect, top))
        except AssertionError as error:
            raise AssertionError(f"{name}: {error}") from None
    return found


def menu_bar(x, run):
    """The menu bar of the last question screen, above its client area."""
    _, _, w, _ = x.geometry(run.window)
    return {"menu bar": text_contrast(drawn_pixels(x, run.window, (0, 0, w, run.top), 0))}


def all_texts(x, binary, env):
    run = Run(x, binary, env)
    found = {f"intro: {k}": v for k, v in measure(x, run, INTRO_TEXTS).items()}
    run.start()
    found.update({f"screen 1: {k}": v for k, v in measure(x, run, QUESTION_TEXTS).items()})
    for _ in range(46):
        run.go(NEXT)
    found.update({f"screen 47: {k}": v for k, v in menu_bar(x, run).items()})
    run.go(NEXT, FINALE)
    found.update({f"finale: {k}": v for k, v in measure(x, run, FINALE_TEXTS).items()})
    run.kill()
    return found


def check_theme(x, binary, theme, env, minimum=4.5):
    found = all_texts(x, binary, env)
    low = []
    for name, (ratio, ink, ground) in found.items():
        print(f"  {theme:9} {name:36} {ratio:5.1f} : 1  ink {ink} on {ground}")
        if ratio < minimum:
            low.append(f"{name} {ratio:.1f} : 1")
    check(not low, f"below {minimum} : 1 under {theme}: {', '.join(low)}")


def default_palette(x, binary):
    check_theme(x, binary, "default", {})


def dark_gtk_theme(x, binary):
    # Without Qt's GTK theme plugin this would quietly test the default again.
    check(glob.glob("/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so"),
          "Qt's GTK platform theme (qt6-gtk-platformtheme) is not installed")
    check_theme(x, binary, "dark_gtk", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"})


if __name__ == "__main__":
    sys.exit(run_cases([default_palette, dark_gtk_theme]))
