"""What a screen reader or a switch-access device finds on every board of the real classroom, through
AT-SPI: every control a child or parent can operate has a name, the role of what it does and an action;
the boards are reached by pressing their "Go To" controls through those actions, and a letter key pressed
that way is heard. Usage: accessible_boards.py PID START_DIR AUDIO_FILE SCREENSHOT_DIR"""
import sys

from desktop_child import Atspi, Classroom, SessionFailure, plain, wait_until
from child_session import ABCS, CHALK, COLORS, COUNT, DIVIDE, HEARD, LETTER, MIXER, MULTIPLY, PROBLEMS, TIMES, goodbye

PASSWORD = " Pipkin's Classroom  Password"
BUTTONS = {"push button", "toggle button", "check box", "radio button"}
ENTRIES = {"text", "entry", "password text"}
OPERABLE = BUTTONS | ENTRIES | {"scroll bar", "combo box"}
PRESSES = {"Press", "Toggle"}

# What the design makes clickable on each board, as the child reads it: each must be found as a
# control with a press action (drawn labels and pictures included), not as plain text.
CLICKABLE = {
    ABCS: [chr(c) for c in range(ord("A"), ord("Z") + 1)] + [str(n) for n in range(1, 11)]
    + ["Colors and Shapes", "Letter", "123s", "Start Music 1", "Start Music 2", "Start Music 3", "Stop Music",
       "Play 1 Time"],
    COLORS: ["Red", "Green", "Blue", "Yellow", "Orange", "Purple", "Square", "Circle", "Rectangle", "Oval",
             "Triangle", "Diamond", "Star", "GoTo Chalk Board", "GoTo ABCs"],
    CHALK: ["White", "Black", "Red", "Blue", "Green", "Yellow", "Purple", "Brown", "Small Line", "Medium Line",
            "Large Line", "New Picture", "GoTo Colors and Shapes"],
    MIXER: [],
    LETTER: ["Go To ABCs", "Save Letter", "Get Letter", "New"],
    COUNT: ["Go To ABCs", "Multiply", "Problems Board"] + [str(n) for n in range(0, 11)],
    TIMES: ["Go To Divide", "Go To Miltiply"],
    MULTIPLY: ["Times Tables", "Go To Divide", "Go To 123s"],
    DIVIDE: ["Go To Miltiply", "Go To Times Tables"],
    PROBLEMS: ["Go To 123s", "Add Problem"],
    PASSWORD: ["Submit", "Go To ABCs"],
}


def actions_of(acc):
    try:
        return [acc.get_action_name(i) for i in range(acc.get_n_actions())]
    except Exception:  # no action interface
        return []


def faults_on(room, board):
    faults, found = [], {}
    for window in room.boards_showing():
        for acc in room.walk(window):
            if acc is window:
                continue
            role, name, actions = acc.get_role_name(), plain(acc.get_name()), actions_of(acc)
            what = f'{role} "{name}"'
            # The password form's unnamed mirror box lies under a cover and takes no part (it is to leave
            # the tree altogether); its two named boxes are checked as every other.
            mirror = board == PASSWORD and role in ENTRIES
            if role in OPERABLE and not name and not mirror:
                faults.append(f"a {role} without a name (actions {actions})")
            enabled = acc.get_state_set().contains(Atspi.StateType.ENABLED)
            if role in BUTTONS and enabled and not PRESSES & set(actions):
                faults.append(f"{what} has no press action ({actions})")
            if PRESSES & set(actions) and role not in BUTTONS and role != "menu item":
                faults.append(f"{what} can be pressed yet is no button")
            if name and PRESSES & set(actions):
                found.setdefault(name, acc)
    for name in CLICKABLE[board]:
        if name not in found:
            shown = [plain(a.get_name()) + ":" + a.get_role_name() for a in room.controls(name)]
            faults.append(f'"{name}" cannot be pressed (found as {shown or "nothing"})')
    return faults, found


def press(room, name):
    acc = wait_until(f'a pressable "{name}"',
                     lambda: next((a for a in room.controls(name) if PRESSES & set(actions_of(a))), None))
    action = next(i for i in range(acc.get_n_actions()) if acc.get_action_name(i) in PRESSES)
    acc.do_action(action)


def go(room, name, board):
    press(room, name)
    wait_until(f'the board "{board}" after pressing "{name}"', lambda: room.board_has_keys(board))


def mixer_faults(room):
    """The "Make Color" box opens the mixer; a click on the mixed colour goes back."""
    room.choose_menu("Turn Save On/Off", "Allow Saving On")
    press(room, "Make Color")
    wait_until("the Custom Color mixer", lambda: plain(MIXER) in [plain(w.get_name()) for w in room.showing_windows()])
    faults = faults_on(room, MIXER)[0]
    ask = room.find("Click on Color below to keep.").get_extents(Atspi.CoordType.SCREEN)
    twips = ask.width / 1935
    room.click_at(ask.x + ask.width // 2, int(ask.y + (840 + 1995 / 2 - 180) * twips))
    wait_until("the ChalkBoard back from the mixer", lambda: room.board() == plain(CHALK))
    return faults


# Every board in turn, reached through the press actions of its "Go To" controls where it has them.
ROUTE = [
    (None, ABCS), ("Colors and Shapes", COLORS), ("GoTo Chalk Board", CHALK), ("GoTo Colors and Shapes", COLORS),
    ("GoTo ABCs", ABCS), ("Letter", LETTER), ("Go To ABCs", ABCS), ("123s", COUNT), ("Multiply", MULTIPLY),
    ("Times Tables", TIMES), ("Go To Divide", DIVIDE), ("Go To Miltiply", MULTIPLY), ("Go To 123s", COUNT),
    ("Problems Board", PROBLEMS), ("Go To 123s", COUNT), ("Go To ABCs", ABCS),
]


def session(room):
    wait_until("the ABCs board", lambda: room.board_has_keys(ABCS), seconds=30)
    mark = room.audio_mark()
    press(room, "M")
    wait_until('"M m" on the big label after pressing "M"', lambda: room.controls("M m"))
    loudest = room.loudest_since(mark)
    if loudest <= HEARD:
        raise SessionFailure(f'the letter "M" pressed through AT-SPI was not heard (loudest sample {loudest})')
    faults = []
    # The parent lets the ChalkBoard keep pictures, which brings its "Make Color" box to the mixer.
    room.choose_menu("Menus", "ChalkBoard Saving")
    room.click("On", "menu item")
    for control, board in ROUTE:
        if control:
            go(room, control, board)
        faults += [f"{plain(board)}: {f}" for f in faults_on(room, board)[0]]
        if board == CHALK:
            faults += [f"Custom Color: {f}" for f in mixer_faults(room)]
    room.choose_menu("Menus", "Set Password Protection")
    wait_until("the password form", lambda: room.board_has_keys(PASSWORD))
    faults += [f"Password: {f}" for f in faults_on(room, PASSWORD)[0]]
    go(room, "Go To ABCs", ABCS)
    if faults:
        raise SessionFailure(f"{len(faults)} faults:\n  " + "\n  ".join(dict.fromkeys(faults)))
    goodbye(room)  # the parent's way out, from the start state of the menus


def main():
    pid, audio, shots = int(sys.argv[1]), sys.argv[3], sys.argv[4]
    room = Classroom(pid, audio, shots)
    try:
        session(room)
    except SessionFailure as failure:
        print("FAILED:", failure, "| board in front:", room.board())
        print("0 passed, 1 failed")
        return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
