"""Bad, hostile and unusual files at the real classroom, one fresh start folder and one start of the
program a case. Each case: the file put in the start folder, what the child (or parent) does, what
the child sees, and what is on disk afterwards; and every case ends with SIGTERM, which must end the
program. Usage: bad_files.py PROGRAM MEDIA_DIR WORK_DIR [CASE...]"""
import hashlib
import os
import resource
import shutil
import signal
import socket
import subprocess
import sys
import time

import bad_file_makers as make
from desktop_child import Atspi, Classroom, SessionFailure, plain, wait_until, xdotool

ABCS = " Pipkin's Classroom  "
COLORS = "   Pipkin's Cassroom     Colors & Shapes"
CHALK = " Pipkin's Classroom    ChalkBoard"
LETTER = " Pipkin's Classroom   Letter Board"
PASSWORD = " Pipkin's Classroom  Password"
NOT_FOUND = "The old file can not be found."
NOT_FOUND_BOX = "The file  'write.text'  could not be found"
SAVE_FAILED_BOX = "There was a error during saving."
MB = 1024 * 1024


def check(condition, message):
    if not condition:
        raise SessionFailure(message)


def digest(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(MB), b""):
            h.update(block)
    return h.hexdigest()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def big_file(path, size, line=b"Dear Teddy, this is a very long letter.\r\n"):
    with open(path, "wb") as f:
        f.write(line * (size // len(line)))


def leftovers(start):
    """Temporary files of a save (".cboard.bmp.AbC123") left in the start folder."""
    saved = ("write.txt", "cboard.bmp", "voice.wav")
    return [n for n in os.listdir(start) if n.startswith(".") and any(n.startswith("." + s) for s in saved)]


# --- what the child does ----------------------------------------------------------------------
def letter_board(room):
    room.go_to("Letter", LETTER)


def letter_text(room):
    # The letter's box is the widest text box on the Letter Board.
    boxes = wait_until("the Letter Board's text box", lambda: room.controls(role="text"))
    return max(boxes, key=lambda b: b.get_extents(Atspi.CoordType.SCREEN).width)


def message_box(room, text):
    """Waits for the message box with that text, then presses its OK."""
    wait_until(f'the message "{text}"', lambda: room.controls(text, "label"))
    room.click("OK", "push button")
    wait_until("the message box to close", lambda: not room.controls(text, "label"))


def parent_menus_on(room):
    room.choose_menu("Menus", "This Screen Menus On")


def still_answers(room):
    """The classroom still works: a letter key shows its letter on the big label."""
    if room.board() != plain(ABCS):
        return
    room.click("K", "push button")
    wait_until('"K k" on the big label', lambda: room.controls("K k"))


def chalkboard_with_saving(room):
    room.choose_menu("Menus", "ChalkBoard Saving")
    room.click("On", "menu item")
    room.go_to("Colors and Shapes", COLORS)
    room.go_to("GoTo Chalk Board", CHALK)
    room.choose_menu("Turn Save On/Off", "Allow Saving On")
    room.drag((300, 200), (700, 350), steps=10)


# --- the cases --------------------------------------------------------------------------------
def long_letter(start, work):
    big_file(os.path.join(start, "write.txt"), 50 * MB)
    before = digest(os.path.join(start, "write.txt"))

    def act(room):
        letter_board(room)
        room.click("Get Letter", "push button")
        message_box(room, NOT_FOUND_BOX)
        check(plain(room.text_of(letter_text(room))) == NOT_FOUND, "the refused letter is not said to be missing")
        room.click("Save Letter", "push button")
        message_box(room, SAVE_FAILED_BOX)
        check(digest(os.path.join(start, "write.txt")) == before, "the 50 MB letter was changed on disk")
    return act


def longer_letter_whole(start, work):
    line = b"Dear Teddy, a letter longer than the old cut.\r\n"
    big_file(os.path.join(start, "write.txt"), 400 * 1024, line)
    size = os.path.getsize(os.path.join(start, "write.txt"))

    def act(room):
        letter_board(room)
        room.click("Get Letter", "push button")
        box = letter_text(room)
        wait_until("the whole letter in the box", lambda: box.get_character_count() >= size - size // len(line))
        room.click("Save Letter", "push button")
        saved = os.path.getsize(os.path.join(start, "write.txt"))
        check(saved >= size, f"saving the letter of {size} bytes left {saved} bytes")
    return act


def long_help(start, work):
    big_file(os.path.join(start, "help.txt"), 50 * MB)
    before = digest(os.path.join(start, "help.txt"))

    def act(room):
        parent_menus_on(room)
        room.choose_menu("Help", "Instructions")
        wait_until("the Letter Board as a reader", lambda: room.board() == plain(LETTER))
        wait_until('"The file Help.txt not found"',
                   lambda: plain(room.text_of(letter_text(room))) == "The file Help.txt not found")
        check(digest(os.path.join(start, "help.txt")) == before, "help.txt was changed")
    return act


def big_pointer(file_name, picture):
    def case(start, work):
        write(os.path.join(start, file_name), picture(work))

        def act(room):
            parent_menus_on(room)
            if file_name == "teddy.cur":
                room.choose_menu("Pointer", "Teddy Pointer")
            else:
                room.go_to("Colors and Shapes", COLORS)
                room.go_to("GoTo Chalk Board", CHALK)
                room.choose_menu("BackGround", "Black")
            time.sleep(1.0)
            check(not room.ended(), "the program ended on the large pointer")
            room.move_to(400, 300)  # the board's pointer is set on the X server as the mouse enters
            time.sleep(0.5)
            check(not room.ended(), "the program ended when the large pointer was shown")
            if file_name == "teddy.cur":
                still_answers(room)
        return act
    return case


def fifo(file_name, action):
    def case(start, work):
        path = os.path.join(start, file_name)
        if os.path.exists(path):
            os.remove(path)
        os.mkfifo(path)
        return action
    return case


def letter_key_answers(room):
    room.click("A", "push button")
    wait_until('"A a" on the big label', lambda: room.controls("A a"))


def get_letter_from_fifo(room):
    letter_board(room)
    room.click("Get Letter", "push button")
    message_box(room, NOT_FOUND_BOX)


def save_under_file_size_limit(start, work):
    write(os.path.join(start, "cboard.bmp"), make.small_bmp())

    def act(room):
        chalkboard_with_saving(room)
        room.click("Save Picture", "push button")
        time.sleep(1.0)
        check(not room.ended(), "the program ended on saving past the file size limit")
        with open(os.path.join(start, "cboard.bmp"), "rb") as f:
            check(f.read() == make.small_bmp(), "the old picture was not kept")
        check(not leftovers(start), f"temporary files were left: {leftovers(start)}")
        room.go_to("GoTo Colors and Shapes", COLORS, "push button")
        check(room.board() == plain(COLORS), "the classroom did not go on")
    return act


def foreign_listeners(start, work):
    """Another user listens on the old predictable name in /tmp and on the abstract name."""
    display = os.environ["DISPLAY"]
    names = [f"/tmp/pipkins-classroom-{os.getuid()}-{display}", f"\0pipkins-classroom-{os.getuid()}-{display}"]
    script = ("import socket,sys,time\n"
              "ss=[]\n"
              "for n in sys.argv[1:]:\n"
              "  s=socket.socket(socket.AF_UNIX); n=n.replace('@','\\0',1)\n"
              "  s.bind(n); s.listen(5); ss.append(s)\n"
              "print('listening',flush=True)\n"
              "while True:\n"
              "  for s in ss:\n"
              "    s.setblocking(False)\n"
              "    try: s.accept()\n"
              "    except BlockingIOError: pass\n"
              "  time.sleep(0.05)\n")
    args = [n.replace("\0", "@") for n in names]
    for n in names:
        if not n.startswith("\0") and os.path.exists(n):
            os.remove(n)
    os.chmod(work, 0o755)
    listener = subprocess.Popen(["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", sys.executable, "-c",
                                 script, *args], stdout=subprocess.PIPE, text=True, cwd="/")
    check(listener.stdout.readline().strip() == "listening", "the other user's listener did not start")
    os.chmod(names[0], 0o777)
    return lambda room: None, listener


def linked(file_name):
    """The saved file is a link to a file elsewhere: saving replaces the link, the file elsewhere stays."""
    def case(start, work):
        outside = os.path.join(work, "outside-" + file_name)
        write(outside, b"kept outside\r\n")
        os.symlink(outside, os.path.join(start, file_name))

        def act(room):
            if file_name == "write.txt":
                letter_board(room)
                room.click_at(*room.centre(letter_text(room)))
                room.type("new letter")
                room.click("Save Letter", "push button")
            else:
                chalkboard_with_saving(room)
                room.click("Save Picture", "push button")
            path = os.path.join(start, file_name)
            wait_until(f"{file_name} saved", lambda: not os.path.islink(path))
            with open(outside, "rb") as f:
                check(f.read() == b"kept outside\r\n", "the file the link pointed to was written")
            with open(path, "rb") as f:
                data = f.read()
            check(data.startswith(b"new letter") if file_name == "write.txt" else data.startswith(b"BM"),
                  f"{file_name} does not hold what was saved")
        return act
    return case


def password_hidden(start, work):
    secret = "Bear7"

    def everything(acc, depth=0):
        yield acc
        if depth > 14:
            return
        for i in range(acc.get_child_count()):
            child = acc.get_child_at_index(i)
            if child is not None:
                yield from everything(child, depth + 1)

    def clear_texts(room):
        found = []
        for acc in everything(room.app()):
            try:
                text = Atspi.Text.get_text(acc, 0, Atspi.Text.get_character_count(acc))
            except Exception:  # not a text
                text = ""
            if secret in text or secret in (acc.get_name() or ""):
                found.append(acc.get_role_name())
        return found

    def act(room):
        room.choose_menu("Menus", "Set Password Protection")
        wait_until("the Password form", lambda: room.board() == plain(PASSWORD))
        boxes = room.controls(role="password text")
        check(len(boxes) == 2, f"the Password form shows {len(boxes)} password boxes")
        entry = min(boxes, key=lambda b: b.get_extents(Atspi.CoordType.SCREEN).y)
        room.click_at(*room.centre(entry))
        room.type(secret)
        check(secret not in room.text_of(entry), "the entry box reads the password in clear")
        check(not clear_texts(room), f"the password is readable in clear in {clear_texts(room)}")
        for _ in range(6):
            xdotool("key", "Tab")
            time.sleep(0.2)
            focused = [a for a in everything(room.app()) if a.get_state_set().contains(Atspi.StateType.FOCUSED)]
            for acc in focused:
                check(acc.get_role_name() != "text", "Tab moved the focus into a text box the user cannot see")
        # Set it, so that the stored box on the ABCs board holds it too.
        verify = max(boxes, key=lambda b: b.get_extents(Atspi.CoordType.SCREEN).y)
        room.click_at(*room.centre(verify))
        room.type(secret)
        room.click("Submit", "push button")
        wait_until('"Password is Set"', lambda: room.controls("Password is Set", "label"))
        room.go_to("Go To ABCs", ABCS, "push button")
        check(not clear_texts(room), f"the stored password is readable in clear in {clear_texts(room)}")
    return act


def loud_tune(maker):
    def case(start, work):
        write(os.path.join(start, "music1.mid"), maker())

        def act(room):
            mark = room.audio_mark()
            room.click("A", "push button")
            speech = room.loudest_since(mark, 1.5)
            check(speech > 1000, f"the letter A was not heard (loudest {speech})")
            mark = room.audio_mark()
            room.click("Start Music 1", "push button")
            music = room.loudest_since(mark, 3.0)
            room.click("Stop Music", "push button")
            check(music <= speech, f"the tune peaked at {music}, louder than the speech at {speech}")
        return act
    return case


def huge_teddy_clicked(start, work):
    write(os.path.join(start, "TEDDY.ICO"), make.icon_around_png(make.png(5700, 5700, work)))

    def rss(room):
        with open(f"/proc/{room.pid}/status") as f:
            return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:")) // 1024

    def act(room):
        keys = [room.centre(room.find(k, "push button")) for k in ("A", "B")]
        teddy = room.find("Teddy").get_extents(Atspi.CoordType.SCREEN)
        before = room.screenshot("teddy-before")
        readings = []
        for i in range(100):
            room.move_to(*keys[i % 2])
            xdotool("click", 1)
            time.sleep(0.25)
            if i in (9, 99):
                time.sleep(1.0)
                readings.append(rss(room))
            if i == 0:
                time.sleep(1.0)
                shown = room.changed_pixels(before, room.screenshot("teddy-huge"), teddy.x, teddy.y, teddy.width,
                                            teddy.height)
                check(shown > teddy.width * teddy.height // 2, "the huge teddy was not shown")
        wait_until('"B b" on the big label', lambda: room.controls("B b"))
        check(readings[1] - readings[0] < 16,
              f"resident memory grew from {readings[0]} MB after 10 clicks to {readings[1]} MB after 100")
        print(f"    resident memory after 10 clicks {readings[0]} MB, after 100 {readings[1]} MB")
    return act


CASES = [
    # name, prepare (returns the action), file size limit in bytes or None, environment changes
    ("write.txt of 50 MB: refused, never saved over", long_letter, None, {}),
    ("write.txt of 400 KB: shown and saved whole", longer_letter_whole, None, {}),
    ("help.txt of 50 MB: refused", long_help, None, {}),
    ("teddy.cur of 2048x2048 PNG: Teddy Pointer", big_pointer("teddy.cur",
        lambda w: make.icon_around_png(make.png(2048, 2048, w), cursor=True, hot=(5, 5))), None, {}),
    ("teddy2.cur of 4096x2048 PNG: BackGround Black", big_pointer("teddy2.cur",
        lambda w: make.icon_around_png(make.png(4096, 2048, w), cursor=True)), None, {}),
    ("a.WAV a FIFO: start-up and the letter A", fifo("a.WAV", letter_key_answers), None, {}),
    ("TEDDY.ICO a FIFO: start-up and the letter A", fifo("TEDDY.ICO", letter_key_answers), None, {}),
    ("write.txt a FIFO: Get Letter", fifo("write.txt", get_letter_from_fifo), None, {}),
    ("ulimit -f 100: Save Picture", save_under_file_size_limit, 100 * 1024, {"SDL_AUDIODRIVER": "dummy"}),
    ("another user listens on the instance names", foreign_listeners, None, {"XDG_RUNTIME_DIR": None}),
    ("write.txt a link elsewhere: Save Letter", linked("write.txt"), None, {}),
    ("cboard.bmp a link elsewhere: Save Picture", linked("cboard.bmp"), None, {}),
    ("the password through accessibility", password_hidden, None, {}),
    ("music1.mid with a wall of notes", loud_tune(make.dense_midi), None, {}),
    ("music1.mid of garbage", loud_tune(make.garbage_midi), None, {}),
    ("TEDDY.ICO of 5700x5700 clicked 100 times", huge_teddy_clicked, None, {}),
]


def start_program(program, start, audio, limit, changes):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=audio)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    for key, value in changes.items():
        if value is None:
            env.pop(key, None)
        else:
            env[key] = value

    def limited():
        if limit:
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    log = open(os.path.join(os.path.dirname(audio), "app.log"), "wb")
    return subprocess.Popen([program], cwd=start, env=env, preexec_fn=limited, stdout=log, stderr=subprocess.STDOUT)


def run_case(program, media, work, case):
    name, prepare, limit, changes = case
    folder = os.path.join(work, str(CASES.index(case)))
    shutil.rmtree(folder, ignore_errors=True)
    start = os.path.join(folder, "start")
    shutil.copytree(media, start, symlinks=True)
    prepared = prepare(start, folder)
    act, helper = prepared if isinstance(prepared, tuple) else (prepared, None)
    app = start_program(program, start, os.path.join(folder, "out.raw"), limit, changes)
    room = Classroom(app.pid, os.path.join(folder, "out.raw"), os.path.join(folder, "shots"))
    try:
        wait_until("the ABCs board", lambda: app.poll() is None and room.board_has_keys(ABCS), seconds=40)
        act(room)
        check(app.poll() is None, f"the program ended with status {app.returncode}")
        app.send_signal(signal.SIGTERM)
        try:
            app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise SessionFailure("SIGTERM did not end the program")
    except SessionFailure as failure:
        room.screenshot("failure")
        if app.poll() is not None and app.returncode:
            failure = SessionFailure(f"{failure} (the program ended with status {app.returncode})")
        raise failure
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
        if helper:
            helper.kill()
            helper.wait()


def main():
    program, media, work = sys.argv[1:4]
    wanted = sys.argv[4:]
    passed = failed = 0
    for case in CASES:
        if wanted and not any(w in case[0] for w in wanted):
            continue
        began = time.monotonic()
        try:
            run_case(program, media, work, case)
            passed += 1
            print(f"ok   {case[0]} ({time.monotonic() - began:.0f} s)", flush=True)
        except SessionFailure as failure:
            failed += 1
            print(f"FAIL {case[0]}: {failure}", flush=True)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
