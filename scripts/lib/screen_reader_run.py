"""Orca speaks the running Vertisel; what it says is checked.

Run by scripts/screen-reader-run inside dbus-run-session, with Debian's own
/usr/bin/python3. Starts its own Xvfb and at-spi bus (atspi_walk's helpers),
speech-dispatcher whose only output module appends each utterance to a file,
Orca with settings of its own, and the program. Keys alone (xdotool) then go
through one whole task: Tab over every field to the canvas, four points set
with the arrows and Space, "Изчисли", Tab over every result. Each step waits
for its phrases in the spoken log; the log is printed at the end, and Orca's
debug log is searched for errors.

  screen_reader_run.py PROGRAM

Every failed check prints one "FAIL:" line; the exit status is then 1.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

import atspi_walk as walk
from atspi_walk import check, failures

# Orca's own words in Bulgarian (its messages come from its translation).
LANGUAGE = "bg"
# A step ends when its phrases are said, or when Orca has been quiet this long.
QUIET_SECONDS = 2.5
GROUPS = {"Права 1:": ("X1", "Y1", "X2", "Y2", "A1", "B1", "C1"),
          "Права 2:": ("X1", "Y1", "X2", "Y2", "A2", "B2", "C2")}
# The fields after "Изчисли" in focus order, with the canvas among them, and
# those before it; "Изчисти" and the task text are passed by.
AFTER_CALCULATE = ["Изчисти", "Права 1: k1:"] + [f"Права 2: {c}:" for c in GROUPS["Права 2:"]] \
    + ["Права 2: k2:", walk.CANVAS, f"{walk.CROSS} X:", f"{walk.CROSS} Y:", "Задача и теория"] \
    + [f"Права 1: {c}:" for c in GROUPS["Права 1:"]]
EMPTY = "Празно."
CURSOR = "Курсор: X = {}, Y = {}."


class Speech:
    """speech-dispatcher with one output module that writes instead of speaking."""

    def __init__(self, folder):
        self.log = os.path.join(folder, "spoken.log")
        conf = os.path.join(folder, "speechd")
        os.makedirs(os.path.join(conf, "modules"))
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            # The generic module wants a sound device even when it plays
            # nothing: ALSA's null device.
            f.write(f'AddModule "log" "sd_generic" "log.conf"\nDefaultModule log\n'
                    f'LogDir "{folder}"\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
        with open(os.path.join(conf, "modules", "log.conf"), "w") as f:
            # One line an utterance, never cut into chunks; text stays UTF-8.
            f.write(f"GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> {self.log}\"\n"
                    'GenericMaxChunkLength 100000\nGenericDelimiters ""\n')
            for language in ("en", "bg"):
                f.write(f'GenericLanguage "{language}" "{language}" "utf-8"\n'
                        f'AddVoice "{language}" "MALE1" "{language}"\n')
        self.socket = os.path.join(folder, "speechd.sock")
        self.process = subprocess.Popen(
            ["speech-dispatcher", "--run-single", "--config-dir", conf, "--socket-path",
             self.socket, "--timeout", "0", "--log-dir", folder],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not walk.wait_for(lambda: os.path.exists(self.socket), 10, 0.05):
            raise RuntimeError("speech-dispatcher did not open its socket")

    def lines(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return [line.strip() for line in f if line.strip()]
        except FileNotFoundError:
            return []


def start_orca(folder, display, speech):
    prefs = os.path.join(folder, "orca")
    os.makedirs(prefs)
    env = dict(os.environ, DISPLAY=display, SPEECHD_ADDRESS=f"unix_socket:{speech.socket}",
               LANGUAGE=LANGUAGE, LANG="C.UTF-8", GSETTINGS_BACKEND="memory",
               XDG_CONFIG_HOME=prefs, XDG_DATA_HOME=prefs, XDG_CACHE_HOME=prefs)
    debug = os.path.join(folder, "orca-debug.out")
    orca = subprocess.Popen(["orca", "--user-prefs", prefs, "--debug-file", debug,
                             "--disable", "braille"], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    orca.debug = debug
    # Orca says that it is on once it listens to the desktop.
    if not walk.wait_for(lambda: speech.lines() or orca.poll() is not None, 30, 0.05) \
            or orca.poll() is not None:
        raise RuntimeError("Orca never spoke (see its debug log: %s)" % debug)
    return orca


class Run:
    def __init__(self, speech, display):
        self.speech, self.display = speech, display

    def step(self, keys, phrases, what, delay=10):
        """Presses KEYS and waits until everything said since holds every phrase."""
        start = len(self.speech.lines())
        if keys:
            walk.xdotool(self.display, "key", "--delay", str(delay), *keys)

        last = [start, time.monotonic()]  # lines seen, and when they last grew

        def said():
            lines = self.speech.lines()
            if len(lines) != last[0]:
                last[:] = [len(lines), time.monotonic()]
            heard = " ".join(lines[start:])
            if all(p.lower() in heard.lower() for p in phrases):
                return heard, True
            return (heard, False) if time.monotonic() - last[1] > QUIET_SECONDS else None
        heard, ok = walk.wait_for(said, 60, 0.02) or ("", False)
        check(ok, f"{what}: Orca did not say {phrases}; it said {heard!r}")
        return heard


def caption(name):
    """What Orca names a field by: its caption, the group said on entering it."""
    for group in (walk.L1, walk.L2, walk.CROSS):
        if name.startswith(group + " "):
            return name[len(group) + 1:]
    return name


def task(app, program_pid, display, speech):
    run = Run(speech, display)
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                            str(program_pid)], env=dict(os.environ, DISPLAY=display),
                           timeout=10, stdout=subprocess.PIPE, text=True).stdout.split()
    if not check(bool(found), "xdotool found no visible window of the program"):
        return
    walk.xdotool(display, "windowfocus", "--sync", found[0])
    run.step([], [walk.TITLE, "Задача и теория"], "the window opening")

    # Every field on the way to the canvas: its name, and that it is empty.
    for name in [f"Права 1: {c}:" for c in GROUPS["Права 1:"]] + [walk.CALCULATE, "Изчисти",
                 "Права 1: k1:"] + [f"Права 2: {c}:" for c in GROUPS["Права 2:"]] + ["Права 2: k2:"]:
        button = name in (walk.CALCULATE, "Изчисти")
        run.step(["Tab"], [caption(name)] + ([] if button else [EMPTY]), f"Tab to {name!r}")
    run.step(["Tab"], [walk.CANVAS, "Начална снимка"], "Tab to the canvas")

    # Four points: the first press blanks the photo; 15 twips a pixel from
    # the centre (100, 98), as scripts/keyboard-run sets them.
    run.step(["space"], ["Чертежът е празен"], "the first press on the canvas")
    points = [(["shift+Left"] * 5, 1, 1, 750, 1470), (["shift+Right"] * 10, 2, 1, 2250, 1470),
              (["shift+Left"] * 5 + ["shift+Up"] * 6, 1, 2, 1500, 570)]
    for keys, point, line, x, y in points:
        run.step(keys + ["space"], [f"Точка {point} на права {line}: X = {x}, Y = {y}."],
                 f"capturing point {point} of line {line}")
    # The cross-hair held down: at most a few positions a second, the last one always.
    started = time.monotonic()
    heard = run.step(["Down"] * 30, [CURSOR.format(1500, 1020)], "the cross-hair moving", 20)
    told = heard.count(CURSOR.split(":")[0])
    seconds = time.monotonic() - started
    print(f"cross-hair: {told} positions told in {seconds:.1f} s for 30 steps")
    check(1 <= told <= 1 + 4 * seconds, f"the cross-hair told {told} positions in {seconds:.1f} s")
    run.step(["shift+Down"] * 9 + ["Down", "Down", "space"],
             ["Точка 2 на права 2: X = 1500, Y = 2400."], "capturing point 2 of line 2")

    run.step(["shift+Tab"] * 11, [walk.CALCULATE], "Shift+Tab back to Изчисли", 60)
    run.step(["Return"], ["Правите се пресичат в точка X = 1,500.0000, Y = 1,470.0000"],
             "Return on Изчисли")

    # Every result, its value whole.
    fields = [n for n in AFTER_CALCULATE if caption(n) != n]
    values = walk.read_results(app, fields)
    for name in AFTER_CALCULATE:
        if name == walk.CANVAS:
            heard = run.step(["Tab"], [walk.CANVAS, "Точка 2 на права 2: X = 1500, Y = 2400.",
                                       "Правите се пресичат"], "Tab to the canvas")
            check("празен" not in heard, "the canvas with points on it is told as empty")
        else:
            value = (values[name] or EMPTY) if name in fields else ""
            run.step(["Tab"], [caption(name), value], f"Tab to {name!r}")


def orca_errors(debug):
    try:
        with open(debug, encoding="utf-8", errors="replace") as f:
            lines = f.read().splitlines()
    except FileNotFoundError:
        return ["no debug log"]
    return [line for line in lines
            if any(m in line for m in ("Traceback", "bad content", "Could not process"))]


def main():
    if len(sys.argv) != 2:
        print("usage: screen_reader_run.py PROGRAM", file=sys.stderr)
        return 2
    walk.pyatspi.setTimeout(3000, 10000)
    started = time.monotonic()
    xvfb = launcher = speech = orca = app_process = None
    folder = tempfile.TemporaryDirectory(prefix="vertisel-orca-")
    try:
        xvfb, display = walk.start_xvfb()
        launcher = walk.start_bus(display)
        speech = Speech(folder.name)
        orca = start_orca(folder.name, display, speech)
        app_process = walk.start_program(sys.argv[1], display)
        app = walk.find_app(15)
        if check(app is not None, "the program never appeared on the AT-SPI desktop "
                 f"(its last message: {walk.last_message(app_process)})"):
            print(f"Orca ready and the program on the desktop after "
                  f"{time.monotonic() - started:.1f} s")
            task(app, app_process.pid, display, speech)
    except Exception as error:  # one line per failure, never a traceback
        check(False, f"{type(error).__name__}: {error}")
    finally:
        walk.stop(app_process)
        if orca is not None:  # its debug log is written out as it ends
            orca.send_signal(signal.SIGTERM)
            try:
                orca.wait(10)
            except subprocess.TimeoutExpired:
                orca.kill()
        for process in (speech.process if speech else None, launcher, xvfb):
            walk.stop(process)
        if speech:
            print("--- what Orca said ---")
            print("\n".join(speech.lines()))
            print("---")
        if orca is not None:
            errors = orca_errors(orca.debug)
            for line in errors[:10]:
                print(f"  orca: {line.strip()}")
            check(not errors, f"Orca's debug log holds {len(errors)} error lines")
            keep = os.environ.get("VERTISEL_ORCA_DEBUG")
            if keep:
                subprocess.run(["cp", orca.debug, keep], check=False)
        folder.cleanup()
        print(f"took {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
