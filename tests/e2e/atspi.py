#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Reefwise developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real Reefwise program through the accessibility bus (AT-SPI), as
a screen reader or voice control does: it finds the screens and their
controls by role and name, presses the picture buttons through their press
action, and writes and reads the answer box through the bus.

It runs in a session bus of its own (it starts one with dbus-run-session when
it is not in one yet), so no screen reader of the desktop hears the quiz:

    /usr/bin/python3 tests/e2e/atspi.py build/app/reefwise [--only NAME]

The helpers before the cases need only the bus, not X11: another test can
start the quiz on any display and drive it with them, after private_bus()
and enable_accessibility()."""

import sys

from gi.repository import GLib

from xsession import ProgramRun, XSession, check, private_bus, run_cases

APP = "Reefwise"
CAPTION = "Reefwise!"
PROMPT = "REEFWISE"
FISH_COUNT = 47


def _pyatspi():
    # Imported late, so that private_bus() comes first.
    import pyatspi
    return pyatspi


def enable_accessibility():
    """Switches accessibility on in the session, as a screen reader does when
    it starts: Qt programs started from then on join the accessibility bus."""
    from gi.repository import Gio
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 10000, None)
    # Every read asks the program: this client runs no main loop, so a cache
    # would never hear that a screen has gone.
    pyatspi = _pyatspi()
    pyatspi.Registry.getDesktop(0).set_cache_mask(pyatspi.Atspi.Cache.NONE)


def wait(predicate, timeout=30):
    return XSession._wait(predicate, timeout, step=0.02)


def find_app(name=APP, pid=None, timeout=30):
    """The program on the accessibility bus (the one of process `pid`, if
    given: one that has just ended may linger there a moment), once it has a
    window."""
    def look():
        for app in _pyatspi().Registry.getDesktop(0):
            try:
                if (app is not None and app.name == name and app.childCount
                        and pid in (None, app.get_process_id())):
                    return app
            except GLib.Error:
                continue
        return None
    app = wait(look, timeout)
    if app is None:
        raise AssertionError(f"no application {name!r} with a window on the accessibility bus")
    return app


def role(node):
    return node.getRoleName()


def is_showing(node):
    return node.getState().contains(_pyatspi().STATE_SHOWING)


def descendants(root):
    for child in root:
        if child is not None:
            yield child
            yield from descendants(child)


def describe(root):
    """(role, name) of every control shown below `root`, in tree order; the
    filler that holds a window's controls is none."""
    return [(role(n), n.name) for n in descendants(root)
            if is_showing(n) and role(n) != "filler"]


def windows(app):
    """The program's windows that are shown, whatever their role."""
    return [w for w in app if w is not None and is_showing(w)]


def frame(app, test=None, timeout=30, active=True):
    """Waits until the program shows exactly one window, for which `test`
    holds and which is the active window (unless `active` is false), and
    returns it. The caller checks that it is a frame."""
    def look():
        shown = windows(app)
        if len(shown) != 1 or (test and not test(shown[0])):
            return None
        if active and not shown[0].getState().contains(_pyatspi().STATE_ACTIVE):
            return None
        return shown[0]
    found = wait(look, timeout)
    if found is None:
        raise AssertionError("no single matching window; shown: "
                             f"{[(role(w), w.name, describe(w)) for w in windows(app)]}")
    return found


def find(root, role_name, name=None):
    """The first control shown below `root` with this role ("push button",
    "text", "image", "label") and, if given, this name."""
    for node in descendants(root):
        if role(node) == role_name and (name is None or node.name == name) and is_showing(node):
            return node
    raise AssertionError(f"no {role_name} {name!r} among {describe(root)}")


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(button):
    """Presses a button through its press action, as a screen reader does."""
    names = actions(button)
    if "Press" not in names:
        raise AssertionError(f"{role(button)} {button.name!r} has no press action: {names}")
    button.queryAction().doAction(names.index("Press"))


def focus(node):
    """Moves the keyboard focus to a control, as a screen reader can."""
    if not node.queryComponent().grabFocus():
        raise AssertionError(f"{role(node)} {node.name!r} did not take the focus")


def text(entry):
    return entry.queryText().getText(0, -1)


def set_text(entry, value):
    if not entry.queryEditableText().setTextContents(value):
        raise AssertionError(f"could not write {value!r} into {entry.name!r}")


# -- Reefwise's screens as the bus shows them -----------------------------------

def photo_number(window):
    """The number of the question screen in `window`, read from its photo's
    name ("Fish photo 12 of 47"), or None on a screen without a photo."""
    for node in descendants(window):
        if role(node) == "image" and node.name.startswith("Fish photo ") and is_showing(node):
            return int(node.name.split()[2])
    return None


def countdown(window):
    """The intro's countdown, a button that starts the quiz at once."""
    for node in descendants(window):
        if role(node) == "push button" and node.name == "Start now":
            return node
    return None


def intro(app, timeout=30):
    return frame(app, lambda w: countdown(w) is not None, timeout)


def question(app, number, timeout=30):
    """Waits for question screen `number` and returns its frame."""
    return frame(app, lambda w: photo_number(w) == number, timeout)


def finale(app, timeout=30):
    """Waits for the finale, full or reduced to EXIT, and returns its frame."""
    def test(w):
        return photo_number(w) is None and countdown(w) is None and any(
            role(n) == "push button" for n in descendants(w))
    return frame(app, test, timeout)


def next_to_the_finale(app, window, number=1):
    """Presses Next from question screen `number` on to the finale and
    returns the finale's frame."""
    for n in range(number, FISH_COUNT + 1):
        press(find(window, "push button", "Next"))
        window = finale(app) if n == FISH_COUNT else question(app, n + 1)
    return window


def answer(window, value):
    """Enters the answer box and writes `value` into it through the bus."""
    box = find(window, "text", "Fish name")
    focus(box)
    # Entering the box clears the prompt.
    check(wait(lambda: text(box) != PROMPT, 5), "entering the box left the prompt in it")
    set_text(box, value)
    return box


# -- the cases ----------------------------------------------------------------------

class Run(ProgramRun):
    """One run of the program under test, found on the accessibility bus."""

    def __init__(self, x, binary):
        super().__init__(x, binary)
        self.app = find_app(pid=self.process.pid)

    def start(self):
        """Presses the countdown and waits for question screen 1."""
        press(countdown(intro(self.app)))
        return question(self.app, 1)

    def press_and_end(self, window, name="Exit"):
        press(find(window, "push button", name))
        status, err = self.ended()
        check(status == 0, f"{name} ended the run with status {status}: {err}")


def intro_is_a_frame_with_named_mockups(x, binary):
    run = Run(x, binary)
    window = intro(run.app)
    check(role(window) == "frame" and window.name == CAPTION,
          f"the intro is {role(window)} {window.name!r}")
    seen = describe(window)
    for control in [("label", "REEFWISE!"), ("label", "Here will be the picture of a fish"),
                    ("text", "Example: fish name box"), ("image", "Example: Back button"),
                    ("image", "Example: Exit button"), ("image", "Example: Next button")]:
        check(control in seen, f"{control} not on the intro: {seen}")
    # The mock buttons do nothing when clicked, so they offer nothing to press;
    # the countdown does.
    buttons = [name for r, name in seen if r == "push button"]
    check(buttons == ["Start now"], f"buttons on the intro: {buttons}")
    check(text(find(window, "text", "Example: fish name box")) ==
          "Enter the name of the fish here", "the mock answer box does not read as laid out")
    check("start now" in window.description, f"the intro explains {window.description!r}")


def question_screens_show_push_buttons(x, binary):
    run = Run(x, binary)
    first = run.start()
    check(role(first) == "frame" and first.name == CAPTION,
          f"screen 1 is {role(first)} {first.name!r}")
    seen = describe(first)
    check(sorted(seen) == sorted([("push button", "Exit"), ("push button", "Next"),
                                  ("text", "Fish name"), ("image", "Fish photo 1 of 47")]),
          f"screen 1 shows {seen}")
    check(text(find(first, "text", "Fish name")) == PROMPT, "screen 1 does not show the prompt")
    check(first.description == "Question 1 of 47", f"screen 1 says {first.description!r}")
    for name in ("Exit", "Next"):
        check(actions(find(first, "push button", name))[0] == "Press",
              f"{name}'s first action is not Press")
    press(find(first, "push button", "Next"))
    second = question(run.app, 2)
    seen = describe(second)
    check(("push button", "Back") in seen and ("image", "Fish photo 2 of 47") in seen,
          f"screen 2 shows {seen}")
    run.press_and_end(second)


def typed_answer_survives_next_and_back(x, binary, typing):
    run = Run(x, binary)
    first = run.start()
    typed = "Yellowtail  Snapper"
    if typing == "keyboard":
        focus(find(first, "text", "Fish name"))
        check(wait(lambda: text(find(first, "text", "Fish name")) == ""),
              "entering the box did not clear the prompt")
        x.type(typed)
    else:
        answer(first, typed)
    check(wait(lambda: text(find(first, "text", "Fish name")) == typed),
          f"the box reads {text(find(first, 'text', 'Fish name'))!r}")
    press(find(first, "push button", "Next"))
    second = question(run.app, 2)
    check(text(find(second, "text", "Fish name")) == PROMPT, "screen 2 does not show the prompt")
    press(find(second, "push button", "Back"))
    first = question(run.app, 1)
    got = text(find(first, "text", "Fish name"))
    check(got == typed, f"back on screen 1 the box reads {got!r}, not {typed!r}")
    run.press_and_end(first)


def typed_with_the_keyboard(x, binary):
    typed_answer_survives_next_and_back(x, binary, "keyboard")


def written_through_the_bus(x, binary):
    typed_answer_survives_next_and_back(x, binary, "bus")


def answer_then_exit_ends_with_status_zero(x, binary):
    run = Run(x, binary)
    window = run.start()
    answer(window, "Neon Goby")
    run.press_and_end(window)


def finale_and_review_pass(x, binary):
    run = Run(x, binary)
    window = run.start()
    answer(window, "yellowtail snapper")
    window = next_to_the_finale(run.app, window)
    check(role(window) == "frame" and window.name == CAPTION,
          f"the finale is {role(window)} {window.name!r}")
    seen = describe(window)
    check(sorted(seen) == sorted([("push button", "Review"), ("push button", "Exit"),
                                  ("label", "You got  1 out of 47 right!  Congratulations!")]),
          f"the finale shows {seen}")
    check(window.description == "You got  1 out of 47 right!  Congratulations!",
          f"the finale says {window.description!r}")

    press(find(window, "push button", "Review"))
    window = question(run.app, 1)
    box = find(window, "text", "Fish name")
    check(text(box) == "yellowtail snapper", f"review of screen 1 reads {text(box)!r}")
    window = next_to_the_finale(run.app, window)
    # REVIEW still lies under EXIT, where no click reaches it.
    seen = describe(window)
    check(seen == [("push button", "Exit")], f"the reduced finale shows {seen}")
    run.press_and_end(window)


def finale_exit_ends_with_status_zero(x, binary):
    run = Run(x, binary)
    window = run.start()
    window = next_to_the_finale(run.app, window)
    run.press_and_end(window)


CASES = [intro_is_a_frame_with_named_mockups, question_screens_show_push_buttons,
         typed_with_the_keyboard, written_through_the_bus, answer_then_exit_ends_with_status_zero,
         finale_and_review_pass, finale_exit_ends_with_status_zero]


if __name__ == "__main__":
    private_bus()
    enable_accessibility()
    sys.exit(run_cases(CASES))
