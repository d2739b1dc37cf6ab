#!/usr/bin/env python3
"""Plays one game of the real morlune program the way a person would.

Starts a private X server (Xvfb) with a small window manager (openbox), starts the program,
opens the game menu by keyboard, presses cells with real mouse clicks, reads screenshots to
check what the board shows, plays until the game-over box appears, closes it with a key and
ends the program with Esc, expecting exit code 0.

Usage: play_morlune.py MORLUNE_EXECUTABLE PICTURES_DIR [--screenshot PATH] [--keep DIR]
Needs: Xvfb, openbox, xdotool, xwininfo, xprop (x11-utils), ImageMagick's import and convert.
"""

import argparse
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BOARD_SIDE = 11
BOARD_WIDTH = 544
BOARD_HEIGHT = 440
PICTURE_SIZE = 40
GREY = (128, 128, 128)
PICTURE_NAMES = ("empty", "cat", "cross", "fence")
GAME_OVER_CAPTION = "游戏结束"
WHOLE_RUN_SECONDS = 150


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, predicate, timeout=10.0, interval=0.05):
    """Polls until predicate returns something truthy; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


def die_with_parent():
    # If this script is killed outright, its X server and the program go with it.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Processes:
    """Every process this script starts, so that all of them are ended on the way out."""

    def __init__(self):
        self.started = []

    def start(self, args, **options):
        process = subprocess.Popen(args, preexec_fn=die_with_parent, **options)
        self.started.append(process)
        return process

    def end_all(self):
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=3)


class Picture:
    """An 8-bit RGB picture read from a binary PPM file."""

    def __init__(self, path):
        with open(path, "rb") as file:
            data = file.read()
        fields = []
        position = 0
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            if data[position:position + 1] == b"#":
                position = data.index(b"\n", position) + 1
                continue
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        position += 1  # the single whitespace byte before the pixels
        check(fields[0] == b"P6" and fields[3] == b"255", "unexpected PPM header %r" % fields)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = data[position:position + self.width * self.height * 3]
        check(len(self.data) == self.width * self.height * 3, "short PPM file " + path)

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.data[offset:offset + 3])

    def run(self, x, y, length):
        """The bytes of `length` pixels from (x, y) rightwards."""
        offset = (y * self.width + x) * 3
        return self.data[offset:offset + length * 3]

    def block(self, x, y, size):
        return [self.run(x, y + row, size) for row in range(size)]


def cell_origin(cell):
    row, column = divmod(cell - 1, BOARD_SIDE)
    return column * 48 + (24 if row % 2 else 0), row * 40


def cell_centre(cell):
    x, y = cell_origin(cell)
    return x + PICTURE_SIZE // 2, y + PICTURE_SIZE // 2


def is_rim(cell):
    row, column = divmod(cell - 1, BOARD_SIDE)
    return row in (0, BOARD_SIDE - 1) or column in (0, BOARD_SIDE - 1)


class Desktop:
    def __init__(self, processes, work_dir):
        self.processes = processes
        self.work_dir = work_dir
        self.env = None
        self.shots = 0

    def start_x_server(self):
        reader, writer = os.pipe()
        self.processes.start(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(writer,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(writer)
        os.set_blocking(reader, False)
        number = b""

        def display_known():
            nonlocal number
            try:
                number += os.read(reader, 64)
            except BlockingIOError:
                pass
            return number.endswith(b"\n")

        wait_for("Xvfb to choose a free display", display_known, timeout=20)
        os.close(reader)
        env = {key: value for key, value in os.environ.items()
               if key not in ("WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORM")}
        env["DISPLAY"] = ":" + number.decode().strip()
        env["QT_QPA_PLATFORM"] = "xcb"
        self.env = env

    def start_window_manager(self):
        self.processes.start(["openbox", "--sm-disable"], env=self.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("openbox to manage the screen",
                 lambda: "window id" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]))

    def run(self, args, timeout=10):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        return result.stdout

    def windows_named(self, pattern):
        return self.run(["xdotool", "search", "--onlyvisible", "--name", pattern]).split()

    def frame_extents(self, window):
        """The window manager's frame around a window: left, right, top and bottom."""
        wait_for("the frame's extents", lambda: "=" in self.run(
            ["xprop", "-id", window, "_NET_FRAME_EXTENTS"]))
        extents = re.findall(r"-?\d+", self.run(
            ["xprop", "-id", window, "_NET_FRAME_EXTENTS"]).partition("=")[2])
        check(len(extents) == 4, "no frame extents for window " + window)
        return tuple(map(int, extents))

    def allowed_actions(self, window):
        return self.run(["xprop", "-id", window, "_NET_WM_ALLOWED_ACTIONS"])

    def client_geometry(self, window):
        """Left, top, width and height of a window's client area on the screen."""
        info = self.run(["xwininfo", "-id", window])
        values = {}
        for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
            match = re.search(r"^\s*%s:\s*(-?\d+)" % key, info, re.MULTILINE)
            check(match is not None, "xwininfo gave no %s:\n%s" % (key, info))
            values[key] = int(match.group(1))
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"],
                values["Width"], values["Height"])

    def screenshot(self, window="root"):
        self.shots += 1
        path = os.path.join(self.work_dir, "shot-%03d.ppm" % self.shots)
        self.run(["import", "-window", window, "-depth", "8", "ppm:" + path], timeout=20)
        return Picture(path)

    def save_png(self, path, window, frame=False):
        """A PNG of the window (with its frame if asked) cut from the whole screen: reading the
        window's own drawable can give contents older than what the screen shows."""
        region = ""
        if window != "root":
            left, top, width, height = self.client_geometry(window)
            if frame:
                extents = re.findall(r"-?\d+", self.run(
                    ["xprop", "-id", window, "_NET_FRAME_EXTENTS"]).partition("=")[2])
                if len(extents) == 4:
                    frame_left, frame_right, frame_top, frame_bottom = map(int, extents)
                    left, top = left - frame_left, top - frame_top
                    width += frame_left + frame_right
                    height += frame_top + frame_bottom
            region = "%dx%d+%d+%d" % (width, height, left, top)
        args = ["import", "-window", "root"] + (["-crop", region] if region else [])
        self.run(args + ["png:" + path], timeout=20)
        check(os.path.getsize(path) > 0, "no screenshot written to " + path)

    def key(self, window, *keys):
        self.run(["xdotool", "windowactivate", "--sync", window], timeout=10)
        self.run(["xdotool", "key", "--clearmodifiers"] + list(keys))

    def click(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"])


class BoardReader:
    """Reads the board's cells from a screenshot by comparing them with the four pictures."""

    def __init__(self, pictures_dir, work_dir, board_left, board_top):
        self.left = board_left
        self.top = board_top
        self.pictures = {}
        for name in PICTURE_NAMES:
            path = os.path.join(work_dir, name + ".ppm")
            subprocess.run(["convert", os.path.join(pictures_dir, name + ".png"), "-depth", "8",
                            "ppm:" + path], check=True, timeout=20)
            picture = Picture(path)
            check((picture.width, picture.height) == (PICTURE_SIZE, PICTURE_SIZE),
                  name + " is not 40 by 40")
            self.pictures[name] = picture.block(0, 0, PICTURE_SIZE)

    def pixel(self, shot, x, y):
        return shot.pixel(self.left + x, self.top + y)

    def cells(self, shot):
        """The picture each cell shows, or None where it shows none of them exactly."""
        shown = {}
        for cell in range(1, BOARD_SIDE * BOARD_SIDE + 1):
            x0, y0 = cell_origin(cell)
            block = shot.block(self.left + x0, self.top + y0, PICTURE_SIZE)
            shown[cell] = next((name for name, rows in self.pictures.items() if rows == block),
                               None)
        return shown

    def gaps_are_grey(self, shot):
        """Every board pixel outside the cells' squares: the gaps and the rows' margins."""
        covered = [[False] * BOARD_WIDTH for _ in range(BOARD_HEIGHT)]
        for cell in range(1, BOARD_SIDE * BOARD_SIDE + 1):
            x0, y0 = cell_origin(cell)
            for y in range(y0, y0 + PICTURE_SIZE):
                covered[y][x0:x0 + PICTURE_SIZE] = [True] * PICTURE_SIZE
        for y in range(BOARD_HEIGHT):
            for x in range(BOARD_WIDTH):
                if not covered[y][x] and self.pixel(shot, x, y) != GREY:
                    return "board pixel %d,%d is %r" % (x, y, self.pixel(shot, x, y))
        return None

    def board_is_grey(self, shot):
        grey_row = bytes(GREY) * BOARD_WIDTH
        return all(shot.run(self.left, self.top + y, BOARD_WIDTH) == grey_row
                   for y in range(BOARD_HEIGHT))


def describe(shown):
    return {name: sorted(cell for cell, image in shown.items() if image == name)
            for name in PICTURE_NAMES + (None,)}


def play(executable, pictures_dir, work_dir, screenshot_path):
    processes = Processes()
    desktop = Desktop(processes, work_dir)
    try:
        desktop.start_x_server()
        desktop.start_window_manager()
        log = open(os.path.join(work_dir, "morlune.log"), "w")
        program = processes.start([executable], env=desktop.env, stdout=log, stderr=log)

        window = wait_for("the main window", lambda: desktop.windows_named("^Morlune$"),
                          timeout=20)[0]
        left, top, width, height = desktop.client_geometry(window)
        print("client area %dx%d at %d,%d" % (width, height, left, top))
        check(width == BOARD_WIDTH, "client width is %d, not 544" % width)
        # Centred on the 1024 by 768 screen for the initial outer size 578 by 527, and kept
        # there when the frame shrinks around the board.
        frame_left, _, frame_top, _ = desktop.frame_extents(window)
        check((left - frame_left, top - frame_top) == ((1024 - 578) // 2, (768 - 527) // 2),
              "the frame's corner is at %d,%d" % (left - frame_left, top - frame_top))
        # The window manager offers neither maximising nor resizing, but minimising.
        actions = desktop.allowed_actions(window)
        check("_NET_WM_ACTION_MINIMIZE" in actions, "cannot minimise: " + actions)
        for refused in ("_NET_WM_ACTION_MAXIMIZE", "_NET_WM_ACTION_RESIZE"):
            check(refused not in actions, "the window manager allows " + refused)
        menu_bar = height - BOARD_HEIGHT
        check(10 <= menu_bar <= 80, "client height %d leaves %d for the menu bar" % (height,
                                                                                    menu_bar))
        board = BoardReader(pictures_dir, work_dir, left, top + menu_bar)

        # Before the first game the board is a plain grey field under the menu bar.
        def grey_board():
            shot = desktop.screenshot()
            return shot if board.board_is_grey(shot) else None

        shot = wait_for("the grey board", grey_board)
        menu_row = [board.pixel(shot, x, -1) for x in range(BOARD_WIDTH)]
        check(any(pixel != GREY for pixel in menu_row), "the row above the board is grey too")

        # The game menu by its mnemonic, then its one item by its own.
        desktop.key(window, "alt+f")
        wait_for("the game menu to open",
                 lambda: board.pixel(desktop.screenshot(), 10, 10) != GREY)
        desktop.save_png(os.path.join(work_dir, "menu-open.png"), "root")
        desktop.key(window, "s")

        def new_game_shown():
            shown = board.cells(desktop.screenshot())
            names = describe(shown)
            ready = (names["cat"] == [61] and len(names["cross"]) == 9 and
                     len(names["empty"]) == 111)
            return shown if ready else None

        shown = wait_for("a new game on the board", new_game_shown)
        problem = board.gaps_are_grey(desktop.screenshot())
        check(problem is None, "a gap is not grey: %s" % problem)

        cat = 61
        for turn in range(1, 16):
            open_cells = [cell for cell, image in shown.items() if image == "empty"]
            cat_x, cat_y = cell_centre(cat)
            # Far from the cat, so it runs for the rim instead of being hemmed in.
            target = max(open_cells, key=lambda cell: (cell_centre(cell)[0] - cat_x) ** 2 +
                         (cell_centre(cell)[1] - cat_y) ** 2)
            x, y = cell_centre(target)
            desktop.click(left + x, top + menu_bar + y)

            def turn_done():
                if desktop.windows_named("^%s$" % GAME_OVER_CAPTION):
                    return "over"
                now = board.cells(desktop.screenshot())
                names = describe(now)
                # Only a whole board counts: a screenshot taken mid-repaint shows cells that
                # match no picture.
                if (now[target] == "fence" and len(names["cat"]) == 1 and names["cat"] != [cat]
                        and not names[None]):
                    return now
                return None

            outcome = wait_for("turn %d to finish" % turn, turn_done)
            if outcome == "over":
                print("game over after %d presses" % turn)
                break
            names = describe(outcome)
            check(len(names["fence"]) == turn, "%d fences after %d presses" % (
                len(names["fence"]), turn))
            check(len(names["cross"]) == 9, "crosses changed: %r" % names["cross"])
            check(names[None] == [], "cells showing no picture: %r" % names[None])
            cat, shown = names["cat"][0], outcome
            print("turn %d: fence on %d, cat to %d" % (turn, target, cat))
            if turn == 1:
                desktop.save_png(os.path.join(work_dir, "mid-game.png"), window, frame=True)
        else:
            raise Failure("no game-over box after 15 presses")

        box = desktop.windows_named("^%s$" % GAME_OVER_CAPTION)[0]
        check(desktop.run(["xdotool", "getwindowname", box]).strip() == GAME_OVER_CAPTION,
              "the box's caption is not exactly " + GAME_OVER_CAPTION)
        desktop.key(box, "Return")
        wait_for("the box to close", lambda: not desktop.windows_named("^%s$" % GAME_OVER_CAPTION))

        # Where the box stood the board is drawn again from its back buffer; wait for every
        # cell to show a whole picture before judging it.
        def board_redrawn():
            shown = board.cells(desktop.screenshot())
            return shown if None not in shown.values() else None

        after = wait_for("the board to be redrawn after the box", board_redrawn)
        names = describe(after)
        check(len(names["cat"]) == 1, "after the game the board shows cats on %r" % names["cat"])
        ending = "escaped" if is_rim(names["cat"][0]) else "surrounded"
        print("the cat %s on cell %d" % (ending, names["cat"][0]))

        # The game is over: a press on an open cell changes nothing.
        spare = next(cell for cell, image in after.items() if image == "empty")
        x, y = cell_centre(spare)
        desktop.click(left + x, top + menu_bar + y)
        time.sleep(1.0)
        check(board.cells(desktop.screenshot()) == after, "a press after the game changed the board")

        desktop.key(window, "Escape")
        try:
            code = program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("Esc did not end the program")
        check(code == 0, "the program exited with %d" % code)
        if screenshot_path:
            shutil.copyfile(os.path.join(work_dir, "mid-game.png"), screenshot_path)
        print("passed")
    finally:
        processes.end_all()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("executable")
    parser.add_argument("pictures_dir")
    parser.add_argument("--screenshot", help="where to copy the mid-game screenshot")
    parser.add_argument("--keep", help="a folder to keep the screenshots and the log in")
    arguments = parser.parse_args()

    def out_of_time(signum, frame):
        raise Failure("the whole run took longer than %d s" % WHOLE_RUN_SECONDS)

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit("terminated"))
    signal.alarm(WHOLE_RUN_SECONDS)

    work_dir = arguments.keep or tempfile.mkdtemp(prefix="morlune-e2e-")
    os.makedirs(work_dir, exist_ok=True)
    try:
        play(os.path.abspath(arguments.executable), arguments.pictures_dir, work_dir,
             arguments.screenshot)
    except Failure as failure:
        print("FAILED: %s (screenshots in %s)" % (failure, work_dir), file=sys.stderr)
        return 1
    if not arguments.keep:
        shutil.rmtree(work_dir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
