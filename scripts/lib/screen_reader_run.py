"""Orca on the running Vertisel (scripts/screen-reader-run): speech-dispatcher
writes each utterance to a file; keys alone go through the whole task, each
step waiting for its phrases; the spoken log is printed and Orca's debug log
must hold no error. Every failed check prints one "FAIL:" line."""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import atspi_walk as walk
from atspi_walk import check, failures

EMPTY, QUIET = "Празно.", 2.5  # a step gives up after Orca is quiet that long (s)
LINE1 = [f"{walk.L1} {c}:" for c in ("X1", "Y1", "X2", "Y2", "A1", "B1", "C1")]
LINE2 = [f"{walk.L2} {c}:" for c in ("X1", "Y1", "X2", "Y2", "A2", "B2", "C2")]
K1, K2, CLEAR, TASK = f"{walk.L1} k1:", f"{walk.L2} k2:", "Изчисти", "Задача и теория"


def start_speech(folder, log):
    """speech-dispatcher whose one module appends what it is given to a file,
    one line an utterance; ALSA's null device stands in for a sound card."""
    conf = os.path.join(folder, "speechd")
    os.makedirs(os.path.join(conf, "modules"))
    with open(os.path.join(conf, "speechd.conf"), "w") as f:
        f.write(f'AddModule "log" "sd_generic" "log.conf"\nDefaultModule log\nLogDir "{folder}"\n'
                'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    with open(os.path.join(conf, "modules", "log.conf"), "w") as f:
        f.write(f"GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> {log}\"\n"
                'GenericMaxChunkLength 100000\nGenericDelimiters ""\n' + "".join(
                    f'GenericLanguage "{n}" "{n}" "utf-8"\nAddVoice "{n}" "MALE1" "{n}"\n'
                    for n in ("en", "bg")))
    socket = os.path.join(folder, "speechd.sock")
    process = subprocess.Popen(["speech-dispatcher", "--run-single", "--config-dir", conf,
                                "--socket-path", socket, "--timeout", "0", "--log-dir", folder],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not walk.wait_for(lambda: os.path.exists(socket), 10):
        raise RuntimeError("speech-dispatcher did not open its socket")
    return process, socket


def spoken(log):
    with open(log, "a+", encoding="utf-8", errors="replace") as f:
        return [line.strip() for line in f.seek(0) or f if line.strip()]


def step(display, log, keys, phrases, what, delay=10):
    """Presses KEYS; waits until what Orca says from then on holds every phrase."""
    start, last = len(spoken(log)), [0, time.monotonic()]
    walk.xdotool(display, "key", "--delay", str(delay), *keys)

    def said():
        lines = spoken(log)[start:]
        if len(lines) != last[0]:
            last[:] = [len(lines), time.monotonic()]
        heard = "\n".join(lines)
        if all(p in heard for p in phrases):
            return heard, True
        return (heard, False) if time.monotonic() - last[1] > QUIET else None
    heard, ok = walk.wait_for(said, 60, 0.02) or ("", False)
    check(ok, f"{what}: Orca did not say {phrases}; it said {heard!r}")
    return heard


# Results whose explanations must be heard in words after Calculate.
SPOKEN = tuple(f"{c}:" for c in ("A1", "C1", "k1", "X"))


def spoken_mathematics(name, heard):
    """The formula said as a teacher says it: the operators in Bulgarian
    words, no symbol left for the voice to drop, spell or say in English.
    Only the names (x1, A1, ...) are Latin letters, so espeak-ng's Bulgarian
    voice must not switch to English once they are left out."""
    formulas = [line for line in heard.splitlines() if "равно на" in line]
    check(formulas, f"{name}: Orca said no formula in words: {heard!r}")
    # The formula's lines, in words or in symbols; not other news told meanwhile.
    said = "\n".join(line for line in heard.splitlines() if "равно на" in line or "=" in line)
    for symbol in ("·", "−", "≠", "≈", "/", "средна точка"):
        check(symbol not in said, f"{name}: Orca said {symbol!r}: {said!r}")
    words = re.sub(r"[A-Za-z]+[0-9]*", " ", "\n".join(formulas))
    phonemes = subprocess.run(["espeak-ng", "-v", "bg", "-x", "-q", "--stdin"], input=words,
                              stdout=subprocess.PIPE, text=True, timeout=30).stdout
    check(phonemes and "(en)" not in phonemes,
          f"{name}: espeak-ng switches to English: {phonemes!r}")
    print(f"spoken {name} {formulas[-1] if formulas else ''}\n  espeak-ng -v bg -x: "
          f"{phonemes.splitlines()[-1] if phonemes else ''}")


def caption(name):  # Orca names a field by its caption, its group on entering it
    return name.split(". ")[-1].split(": ")[-1] if name[-1] == ":" else name


def task(app, pid, display, log):
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid)],
                           env=dict(os.environ, DISPLAY=display), timeout=10,
                           stdout=subprocess.PIPE, text=True).stdout.split()
    walk.xdotool(display, "windowfocus", "--sync", found[0])
    check(walk.wait_for(lambda: TASK in "".join(spoken(log)), 10), "the opening window is not told")
    for name in LINE1 + [walk.CALCULATE, CLEAR, K1] + LINE2 + [K2]:
        step(display, log, ["Tab"], [caption(name)] + [EMPTY] * name.endswith(":"), f"Tab to {name}")
    step(display, log, ["Tab"], [walk.CANVAS, "Начална снимка"], "Tab to the canvas")
    # The cross-hair stands in the middle since Tab brought the focus; an
    # arrow there and back tells where; the first press blanks the photo;
    # then points as scripts/keyboard-run sets them.
    step(display, log, ["Left", "Right"], ["Курсор: X = 1500, Y = 1470."], "the cross-hair")
    step(display, log, ["space"], ["Чертежът е празен"], "the first press on the canvas")
    for keys, told in ((["shift+Left"] * 5, "1 на права 1: X = 750, Y = 1470."),
                       (["shift+Right"] * 10, "2 на права 1: X = 2250, Y = 1470."),
                       (["shift+Left"] * 5 + ["shift+Up"] * 6, "1 на права 2: X = 1500, Y = 570.")):
        step(display, log, keys + ["space"], ["Точка " + told], "capturing a point")
    # The cross-hair held down: a few positions a second at most, the last always.
    started = time.monotonic()
    heard = step(display, log, ["Down"] * 30, ["Курсор: X = 1500, Y = 1020."], "moving", 20)
    told, seconds = heard.count("Курсор"), time.monotonic() - started
    check(1 <= told <= 1 + 4 * seconds, f"the cross-hair told {told} positions in {seconds:.1f} s")
    step(display, log, ["shift+Down"] * 9 + ["Down", "Down", "space"],
         ["Точка 2 на права 2: X = 1500, Y = 2400."], "capturing the last point")
    step(display, log, ["shift+Tab"] * 11, [walk.CALCULATE], "Shift+Tab to Изчисли", 60)
    step(display, log, ["Return"], ["Правите се пресичат в точка X = 1,500.0000, Y = 1,470.0000"],
         "Return on Изчисли")
    # Every field again, each value whole, and the canvas as it is now.
    after = [CLEAR, K1] + LINE2 + [K2, walk.CANVAS] + walk.RESULTS[8:] + [TASK] + LINE1
    values = walk.read_results(app, [n for n in after if n.endswith(":")])
    for name in after:
        # Tab selects the whole value, and Orca says the line it reads is selected.
        value = [f"{values[name]} избрано" if values[name] else EMPTY] if name in values else []
        if name == walk.CANVAS:
            value = ["Точка 2 на права 2: X = 1500, Y = 2400.", "Правите се пресичат"]
        explained = name in walk.RESULTS and name.endswith(SPOKEN)
        heard = step(display, log, ["Tab"], [caption(name)] + value + ["равно на"] * explained,
                     f"Tab to {name}")
        check(name != walk.CANVAS or "празен" not in heard, "the drawn canvas is told as empty")
        if explained:
            spoken_mathematics(name, heard)


def main():
    walk.pyatspi.setTimeout(3000, 10000)
    started, folder = time.monotonic(), tempfile.TemporaryDirectory(prefix="vertisel-orca-")
    debug, log = (os.path.join(folder.name, n) for n in ("orca-debug.out", "spoken.log"))
    processes = []
    try:
        xvfb, display = walk.start_xvfb()
        processes += [xvfb, walk.start_bus(display)]
        speech, socket = start_speech(folder.name, log)
        prefs = os.path.join(folder.name, "orca")  # settings of its own, Bulgarian words
        processes += [speech, subprocess.Popen(
            ["orca", "--user-prefs", prefs, "--debug-file", debug, "--disable", "braille"],
            env=dict(os.environ, DISPLAY=display, SPEECHD_ADDRESS=f"unix_socket:{socket}",
                     LANGUAGE="bg", LANG="C.UTF-8", GSETTINGS_BACKEND="memory",
                     XDG_CONFIG_HOME=prefs, XDG_DATA_HOME=prefs, XDG_CACHE_HOME=prefs),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        # Orca says that it is on once it listens to the desktop.
        if not walk.wait_for(lambda: spoken(log) or processes[-1].poll() is not None, 30) \
                or processes[-1].poll() is not None:
            raise RuntimeError("Orca never spoke")
        processes.append(walk.start_program(sys.argv[1], display))
        app = walk.find_app(15)
        if check(app is not None, "the program never appeared on the AT-SPI desktop"):
            task(app, processes[-1].pid, display, log)
    except Exception as error:  # one line per failure, never a traceback
        check(False, f"{type(error).__name__}: {error}")
    finally:
        for process in reversed(processes):  # Orca writes out its debug log as it ends
            process.send_signal(signal.SIGTERM)
            walk.wait_for(lambda: process.poll() is not None, 10)
            walk.stop(process)
        print("--- what Orca said ---\n" + "\n".join(spoken(log)) + "\n---")
        if os.environ.get("VERTISEL_ORCA_DEBUG") and os.path.exists(debug):
            shutil.copy(debug, os.environ["VERTISEL_ORCA_DEBUG"])
        with open(debug, "a+", encoding="utf-8", errors="replace") as f:
            f.seek(0)
            errors = [line.strip() for line in f
                      if re.search("Traceback|bad content|Could not process", line)]
        print("".join(f"  orca: {line}\n" for line in errors[:10]), end="")
        check(not errors, f"Orca's debug log holds {len(errors)} error lines")
        folder.cleanup()
        print(f"took {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
