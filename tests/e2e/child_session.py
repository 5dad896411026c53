"""One child's session at the real classroom, from the ABCs board through every board and back to the
parent's goodbye. Usage: child_session.py PID START_DIR AUDIO_FILE SCREENSHOT_DIR"""
import os
import sys
import time

from desktop_child import Atspi, Classroom, SessionFailure, plain, wait_until

ABCS = " Pipkin's Classroom  "
COLORS = "   Pipkin's Cassroom     Colors & Shapes"
CHALK = " Pipkin's Classroom    ChalkBoard"
LETTER = " Pipkin's Classroom   Letter Board"
COUNT = " Pipkin's Classroom    123s     Count to 20"
TIMES = " Pipkin's Classroom   Times Tables"
MULTIPLY = " Pipkin's Classroom    Multiply Board"
PROBLEMS = " Pipkin's Classroom    Problem Board"
DIVIDE = " Pipkin's Classroom    Divide Board"
MIXER = "  Pipkin's Classroom  Custom Color"

# A sample this loud is a sound, not dither or rounding noise.
HEARD = 1000


def check(condition, message):
    if not condition:
        raise SessionFailure(message)


def heard(room, what, action):
    mark = room.audio_mark()
    action()
    loudest = room.loudest_since(mark)
    check(loudest > HEARD, f"{what} was not heard (loudest sample {loudest})")


def letters_are_heard(room):
    heard(room, 'the typed letter "b"', lambda: room.type("b"))
    wait_until('"B b" on the big label', lambda: room.controls("B b"))
    heard(room, 'a click on the letter key "M"', lambda: room.click("M", "push button"))
    wait_until('"M m" on the big label', lambda: room.controls("M m"))


def tune_starts_and_stops(room):
    heard(room, "Music 1", lambda: room.click("Start Music 1", "push button"))
    room.click("Stop Music", "push button")
    time.sleep(1.0)  # what was already mixed may still be in the device's buffer
    mark = room.audio_mark()
    loudest = room.loudest_since(mark, 1.0)
    check(loudest <= HEARD, f"the tune went on after Stop Music (loudest sample {loudest})")


def teddy_dropped(room):
    target = room.centre(room.find("Target"))
    teddy = room.centre(room.find("Teddy to drag"))
    mark = room.audio_mark()
    room.drag(teddy, target)
    # The target holds the teddy for two seconds, then gives it back.
    held = room.screenshot("colors-and-shapes-teddy-dropped")
    check(room.loudest_since(mark, 0.5) > HEARD, "the teddy's drop made no sound")
    time.sleep(2.5)
    after = room.screenshot("colors-and-shapes-after-drop")
    x, y = target
    check(room.changed_pixels(held, after, x - 20, y - 20, 40, 40) > 100, "the target never showed the teddy")


def chalk_stroke(room):
    before = room.screenshot("chalkboard-before")
    # The drawing surface is the top of the board, above the tool panel that starts at 65 % of its height.
    start, end = (300, 200), (700, 350)
    room.drag(start, end, steps=20)
    after = room.screenshot("chalkboard")
    changed = room.changed_pixels(before, after, 250, 150, 500, 250)
    check(changed > 200, f"the chalk stroke left only {changed} changed pixels")


def letter_saved_and_got_back(room, start_dir):
    letter = "dear teddy"
    room.type(letter)
    boxes = [room.text_of(b) for b in room.controls(role="text")]
    check([b for b in boxes if b.strip() == letter], f"the typed letter is not in the Letter Board's text box: {boxes}")
    heard(room, "Save Letter", lambda: room.click("Save Letter", "push button"))
    with open(os.path.join(start_dir, "write.txt"), "rb") as f:
        saved = f.read().decode("latin-1")
    check(letter in saved, f"write.txt holds {saved!r}")
    room.click("New", "push button")
    check(not [b for b in room.controls(role="text") if letter in room.text_of(b)], "New left the letter on the board")
    room.click("Get Letter", "push button")
    wait_until("the letter back from write.txt",
               lambda: [b for b in room.controls(role="text") if room.text_of(b).strip() == letter])
    room.screenshot("letter-board")


def problem_answered(room):
    room.click("Add Problem", "push button")
    equals = room.centre(room.find("="))[0]
    numbers = []
    # The answers are pressable labels, the operands plain ones: both count.
    for label in [c for c in room.controls() if c.get_role_name() in ("label", "push button")]:
        name = plain(label.get_name())
        if name.isdigit():
            numbers.append((room.centre(label)[0], int(name), label))
    operands = sorted(n for n in numbers if n[0] < equals)
    # The four answers stand in one column right of "="; the score further right is a number too.
    column = min((n[0] for n in numbers if n[0] > equals), default=0)
    answers = [n for n in numbers if abs(n[0] - column) < 5]
    check(len(operands) == 2 and len(answers) == 4, f"the problem reads {[n[:2] for n in numbers]}")
    right = operands[0][1] + operands[1][1]
    choice = [a for a in answers if a[1] == right]
    check(choice, f"no answer shows {right}")
    answer = room.centre(choice[0][2])
    heard(room, "the right answer", lambda: room.click_at(*answer))
    wait_until('"You are right"', lambda: room.controls("You are right"))
    room.screenshot("problem-board")


def every_number_board(room):
    room.go_to("123s", COUNT)
    room.screenshot("123s")
    room.go_to("Multiply", MULTIPLY)
    room.screenshot("multiply-board")
    room.go_to("Times Tables", TIMES)
    room.screenshot("times-tables")
    room.go_to("Go To Divide", DIVIDE)
    room.screenshot("divide-board")
    room.go_to("Go To Miltiply", MULTIPLY)
    room.go_to("Go To Divide", DIVIDE)
    room.go_to("Go To Times Tables", TIMES)
    room.go_to("Go To Miltiply", MULTIPLY)
    room.go_to("Go To 123s", COUNT)
    room.go_to("Multiply", MULTIPLY)
    room.go_to("Go To Divide", DIVIDE)
    room.go_to("Go To 123s", COUNT)
    room.go_to("Problems Board", PROBLEMS)
    problem_answered(room)
    room.go_to("Go To 123s", COUNT)
    room.go_to("Go To ABCs", ABCS)
    wait_until('"ABCs" on the big label', lambda: room.controls("ABCs"))


def mixer_round_trip(room):
    """The ChalkBoard's "Make Color" box opens the Custom Color mixer; a click on its colour goes back."""
    room.click("Make Color", "push button")
    wait_until("the Custom Color mixer", lambda: plain(MIXER) in [plain(w.get_name()) for w in room.showing_windows()])
    room.screenshot("custom-color")
    # The mixed colour is an unnamed picture just below the line that asks for a click on it; that
    # line wraps and grows downwards, so only its top and its width give the scale.
    ask = room.find("Click on Color below to keep.").get_extents(Atspi.CoordType.SCREEN)
    twips = ask.width / 1935
    room.click_at(ask.x + ask.width // 2, int(ask.y + (840 + 1995 / 2 - 180) * twips))
    wait_until("the ChalkBoard back from the mixer", lambda: room.board() == plain(CHALK))


def creative_boards(room):
    # The parent lets the ChalkBoard keep pictures; that also brings its "Make Color" box.
    room.choose_menu("Menus", "ChalkBoard Saving")
    room.click("On", "menu item")
    room.go_to("Colors and Shapes", COLORS)
    room.screenshot("colors-and-shapes")
    teddy_dropped(room)
    room.go_to("GoTo Chalk Board", CHALK)
    room.choose_menu("Turn Save On/Off", "Allow Saving On")
    chalk_stroke(room)
    mixer_round_trip(room)
    room.go_to("GoTo Colors and Shapes", COLORS, "push button")
    room.go_to("GoTo ABCs", ABCS)


def goodbye(room):
    room.choose_menu("Menus", "This Screen Menus On")
    room.choose_menu("Exit Program on/off", "Goodbye On")
    mark = room.audio_mark()
    room.click("Good Bye", "push button", double=True)
    said = time.monotonic()
    wait_until("the program to end", room.ended, seconds=10)
    took = time.monotonic() - said
    check(1.5 <= took <= 5.0, f"the program ended {took:.1f} s after the goodbye, not about 2 s")
    check(room.loudest_since(mark, 0) > HEARD, "the goodbye was not heard")


def session(room, start_dir):
    wait_until("the ABCs board", lambda: room.board_has_keys(ABCS), seconds=30)
    room.screenshot("abcs")
    letters_are_heard(room)
    tune_starts_and_stops(room)
    creative_boards(room)
    room.go_to("Letter", LETTER)
    letter_saved_and_got_back(room, start_dir)
    room.go_to("Go To ABCs", ABCS, "push button")
    every_number_board(room)
    goodbye(room)


def main():
    pid, start_dir, audio, shots = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    room = Classroom(pid, audio, shots)
    try:
        session(room, start_dir)
    except SessionFailure as failure:
        room.screenshot("failure")
        print("FAILED:", failure, "| board in front:", room.board())
        print("0 passed, 1 failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
