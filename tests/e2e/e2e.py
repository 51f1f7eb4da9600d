#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real Reefwise program in a real X server, only through mouse and
keyboard, and checks it only through what the screen shows."""

import sys
import time

from xsession import ProgramRun, check, count_colour, run_cases

QUESTION = (325, 371)
INTRO = (311, 443)
FINALE = (325, 254)
REDUCED_FINALE = (85, 85)

# Client-area points of the controls, in pixels.
ANSWER_BOX = (162, 262)
ANSWER_RECT = (40, 252, 245, 21)
NEXT = (255, 318)
BACK = (71, 318)
EXIT = (163, 318)
COUNTDOWN = (155, 420)
REVIEW = (83, 155)
FINALE_EXIT = (250, 154)
SCORE_RECT = (24, 8, 290, 34)

GREEN, RED, BLUE, WHITE = (0, 255, 0), (255, 0, 0), (0, 0, 255), (255, 255, 255)

NAMES = {1: "Yellowtail Snapper", 2: "Crevalle Jack", 3: "Neon Goby", 5: "Blue Tang",
         8: "Great Barracuda", 12: "Doctorfish", 16: "Blue-green Wrasse", 18: "4 Eye Butterfly",
         25: "Hogfish", 34: "gray angel", 41: "peacock flounder", 47: "Rainbow Parrotfish"}
WRONG = {4: "Queen Angelfish", 6: "Grunt", 7: "garfish", 9: "sardine", 20: "bluestriped grunt"}
EMPTIED = {10, 11}


class Run(ProgramRun):
    """One run of the program under test."""

    def __init__(self, x, binary, env=None):
        super().__init__(x, binary, env)
        self.window = x.wait_single_window(INTRO)
        self.top = 0
        self.check_centred()

    def check_centred(self):
        dx, dy = self.x.wait_centred(self.window)
        check(abs(dx) <= 0.5 and abs(dy) <= 0.5,
              f"window {self.x.geometry(self.window)} is off centre by {dx}, {dy}")

    def go(self, point, size=QUESTION):
        """Clicks a control and waits for the screen it leads to."""
        old = self.window
        self.x.click(self.window, *point, client_top=self.top)
        self.window = self.x.wait_single_window(size, other_than=old)
        self.top = self.x.geometry(self.window)[3] - size[1]
        self.check_centred()
        return self.window

    def start(self):
        return self.go(COUNTDOWN)

    def answer(self, text):
        self.x.click(self.window, *ANSWER_BOX, client_top=self.top)
        self.x.key("ctrl+a", "BackSpace")
        if text:
            self.x.type(text)

    def box_text(self):
        # A focused box shows its text cursor after the text.
        return self.x.ocr(self.window, *ANSWER_RECT, client_top=self.top).rstrip("|").strip()

    def box_colours(self):
        px = self.x.pixels(self.window, *ANSWER_RECT, client_top=self.top)
        return {name: count_colour(px, c) for name, c in
                (("green", GREEN), ("red", RED), ("blue", BLUE), ("white", WHITE))}


def dominant(colours):
    return max(colours, key=colours.get)


# -- the cases ------------------------------------------------------------

def countdown_click_starts_the_quiz(x, binary):
    run = Run(x, binary)
    text = x.ocr(run.window, 0, 400, 311, 43)
    check("Starting in" in text, f"countdown reads {text!r}")
    run.start()
    check(run.box_text() == "REEFWISE", f"first box reads {run.box_text()!r}")
    x.click(run.window, *EXIT)
    status, err = run.ended()
    check(status == 0, f"exit status {status}: {err}")


def typed_answer_comes_back(x, binary):
    run = Run(x, binary)
    run.start()
    run.answer("Yellowtail  Snapper")
    run.go(NEXT)
    check(run.box_text() == "REEFWISE", "second screen does not show the prompt")
    run.go(BACK)
    text = run.box_text()
    check(text.replace(" ", "") == "YellowtailSnapper", f"back on screen 1 the box reads {text!r}")
    check(dominant(run.box_colours()) == "white", "the answer is not white in normal mode")
    x.click(run.window, *EXIT)
    check(run.ended()[0] == 0, "Exit did not end the run with status 0")


def full_pass_score_and_review(x, binary):
    run = Run(x, binary)
    run.start()
    for n in range(1, 48):
        if n in NAMES:
            run.answer(NAMES[n])
        elif n in WRONG:
            run.answer(WRONG[n])
        elif n in EMPTIED:
            run.answer("")
        run.go(NEXT, FINALE if n == 47 else QUESTION)
    message = x.ocr(run.window, *SCORE_RECT)
    check("You got" in message and "12 out of 47" in message, f"finale reads {message!r}")

    run.go(REVIEW)
    for n in range(1, 48):
        colours = run.box_colours()
        want = "green" if n in NAMES else "red"
        check(dominant({k: colours[k] for k in ("green", "red")}) == want,
              f"screen {n} in review: {colours}, want {want}")
        if n == 4:
            run.x.click(run.window, *ANSWER_BOX, client_top=run.top)
            time.sleep(0.2)
            check(run.box_colours()["blue"] > 5, "the reveal on screen 4 is not blue")
            text = run.box_text()
            check(text == "French Angelfish", f"screen 4 reveals {text!r}")
        run.go(NEXT, REDUCED_FINALE if n == 47 else QUESTION)
    x.click(run.window, 42, 42)
    status, err = run.ended()
    check(status == 0, f"exit status {status}: {err}")


def review_adds_the_revealed_fish(x, binary):
    run = Run(x, binary)
    run.start()
    for n in range(1, 48):
        run.go(NEXT, FINALE if n == 47 else QUESTION)
    check(" 0 out of 47" in " " + x.ocr(run.window, *SCORE_RECT), "a skipped pass scored")
    run.go(REVIEW)
    run.x.click(run.window, *ANSWER_BOX, client_top=run.top)
    run.go(NEXT)
    run.go(BACK)
    check(dominant(run.box_colours()) == "green", "the revealed name did not turn green")
    run.x.click(run.window, *EXIT)
    check(run.ended()[0] == 0, "Exit in review mode did not end the run")


def closing_the_frame_ends_with_status_zero(x, binary):
    run = Run(x, binary)
    run.start()
    x._run(["xdotool", "windowactivate", "--sync", str(run.window)])
    x.key("alt+F4")
    status, err = run.ended()
    check(status == 0, f"closing through the frame gave status {status}: {err}")


def rapid_next_clicks_end_on_the_last_screen(x, binary):
    """Next clicked again the moment each screen is up, 46 times over. A click
    sent at a fixed pace instead may fall between the old screen's unmapping
    and the window manager's mapping of the new one, when no window of the
    quiz is there to take it: X11 hands it to the desktop."""
    run = Run(x, binary)
    run.start()
    gx, gy, _, _ = x.geometry(run.window)
    # Every question screen stands centred in the same place, so Next does too.
    x._run(["xdotool", "mousemove", str(gx + NEXT[0]), str(gy + NEXT[1])])
    window = run.window
    for _ in range(46):
        x._run(["xdotool", "mousedown", "1", "mouseup", "1"])
        window = x.wait_single_window(QUESTION, other_than=window)
    time.sleep(0.5)
    check(x.windows() == [window], f"more than one screen visible: {x.windows()}")
    height = x.geometry(window)[3]
    check(height > QUESTION[1], "46 clicks on Next did not end on the screen with the menu bar")
    run.window, run.top = window, height - QUESTION[1]
    check(run.box_text() == "REEFWISE", f"screen 47 box reads {run.box_text()!r}")
    x.click(run.window, *EXIT, client_top=run.top)
    status, err = run.ended()
    check(status == 0, f"exit status {status}: {err}")


CASES = [countdown_click_starts_the_quiz, typed_answer_comes_back, full_pass_score_and_review,
         review_adds_the_revealed_fish, closing_the_frame_ends_with_status_zero,
         rapid_next_clicks_end_on_the_last_screen]


if __name__ == "__main__":
    sys.exit(run_cases(CASES))
