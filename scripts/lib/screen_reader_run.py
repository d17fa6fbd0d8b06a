"""Orca on the running Vertisel (scripts/screen-reader-run): speech-dispatcher
writes each utterance to a file; keys alone go through the whole task under
bg_BG, each step waiting for its phrases. Then, under bg_BG and en_US, the
canvas example and the task's are typed and calculated, and every number Orca
says of C1, k1 and X must sound, through espeak-ng's Bulgarian voice, like
that number in Bulgarian words. The spoken log is printed and Orca's debug log
must hold no error. Every failed check prints one "FAIL:" line."""

import fcntl
import html
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


def take_turn(wait=600):
    """Orca runs once per user: a second Orca refuses to start. This
    project's screen-reader runs (the desktop's, the browser's) wait for one
    another; an Orca of anyone else's is named. Held until the process ends."""
    lock = open(os.path.join(tempfile.gettempdir(), f"vertisel-orca-{os.getuid()}.lock"), "w")
    if not walk.wait_for(lambda: _locked(lock), wait):
        raise RuntimeError(f"another screen-reader run held the turn for {wait} s")
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                      stdout=subprocess.DEVNULL).returncode == 0:
        raise RuntimeError("another Orca runs as this user, and Orca will not start a second")
    return lock


def _locked(lock):
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        return True
    except BlockingIOError:
        return False


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


def step(display, log, keys, phrases, what, delay=10, settle=0.0):
    """Presses KEYS (or calls it); waits until what Orca says from then on
    holds every phrase and Orca has been quiet for SETTLE seconds."""
    start, last = len(spoken(log)), [0, time.monotonic()]
    if callable(keys):
        keys()
    else:
        walk.xdotool(display, "key", "--delay", str(delay), *keys)

    def said():
        lines = spoken(log)[start:]
        if len(lines) != last[0]:
            last[:] = [len(lines), time.monotonic()]
        heard, quiet = "\n".join(lines), time.monotonic() - last[1]
        if all(p in heard for p in phrases) and quiet >= settle:
            return heard, True
        return (heard, False) if quiet > QUIET else None
    heard, ok = walk.wait_for(said, 60, 0.02) or ("", False)
    check(ok, f"{what}: Orca did not say {phrases}; it said {heard!r}")
    return heard


# Results whose explanations must be heard in words after Calculate.
SPOKEN = tuple(f"{c}:" for c in ("A1", "C1", "k1", "X"))


def espeak(texts):
    """What espeak-ng's Bulgarian voice says for each SSML text, in phonemes."""
    def run(text):
        return subprocess.run(["espeak-ng", "-v", "bg", "-m", "-x", "-q", "--stdin"], input=text,
                              stdout=subprocess.PIPE, text=True, timeout=30).stdout
    lines = [line for line in run("\n\n".join(texts) + "\n").splitlines() if line.strip()]
    if len(lines) != len(texts):  # a text of more than one clause
        lines = [" ".join(run(text).split()) for text in texts]
    return lines


def as_orca_sends(text):
    """Orca marks the start of each word for the voice but keeps runs of
    wholly numeric words together; a mark ends a number for espeak-ng."""
    words, ssml = text.split(), ""
    for i, word in enumerate(words):
        joined = i > 0 and word.isnumeric() and words[i - 1].isnumeric()
        ssml += (" " if joined else f' <mark name="{i}"/>') + html.escape(word)
    return f"<speak>{ssml.strip()}</speak>"


def spoken_mathematics(name, heard):
    """The formula said as a teacher says it: the operators and the names in
    Bulgarian words, no symbol or punctuation that the voice drops, spells or
    says in English, so espeak-ng's Bulgarian voice never switches to English."""
    formulas = [line for line in heard.splitlines() if "равно на" in line]
    check(formulas, f"{name}: Orca said no formula in words: {heard!r}")
    # The formula's lines, in words or in symbols; not other news told meanwhile.
    said = "\n".join(line for line in heard.splitlines() if "равно на" in line or "=" in line)
    for symbol in ("·", "−", "≠", "≈", "/", ":", ";", "(", ")", "„", "“", '"', "средна точка"):
        check(symbol not in said, f"{name}: Orca said {symbol!r}: {said!r}")
    phonemes = espeak([as_orca_sends(line) for line in formulas]) if formulas else []
    check(phonemes and not any("(en)" in p for p in phonemes),
          f"{name}: espeak-ng switches to English: {phonemes!r}")
    print(f"spoken {name} {formulas[-1] if formulas else ''}\n  espeak-ng -v bg -x: "
          f"{phonemes[-1] if phonemes else ''}")


# Numbers heard as meant. A number in what Orca says is read as the program
# means it: written in its locale (groups, decimal sign) or as the spoken
# texts write it (digits, a decimal comma). en_US's "1,470" is 1470; a spoken
# decimal with three digits after the comma would be read so too, and none of
# the examples has one.
WRITTEN = {"bg_BG.UTF-8": (r"[1-9]\d{0,2}(?:[ \u00a0]\d{3})+(?:,\d+)?", " \u00a0", ","),
           "en_US.UTF-8": (r"[1-9]\d{0,2}(?:,\d{3})+(?:\.\d+)?", ",", ".")}
UNITS = "нула едно две три четири пет шест седем осем девет".split()
TEENS = ("десет единадесет дванадесет тринадесет четиринадесет петнадесет шестнадесет "
         "седемнадесет осемнадесет деветнадесет").split()
TENS = ("- - двадесет тридесет четиридесет петдесет шестдесет седемдесет осемдесет "
        "деветдесет").split()
HUNDREDS = ("- сто двеста триста четиристотин петстотин шестстотин седемстотин осемстотин "
            "деветстотин").split()


def below_thousand(n):
    words = [HUNDREDS[n // 100]] * (n >= 100)
    n %= 100
    words += [TENS[n // 10]] * (n >= 20) + [TEENS[n - 10] if 10 <= n < 20 else UNITS[n % 10]]
    words = [w for w in words if w != "нула"] or ["нула"]
    return words[:-1] + ["и", words[-1]] if len(words) > 1 else words


def in_words(whole, decimals=""):
    """A number in Bulgarian words as espeak-ng reads its digits: "хиляда
    петстотин", "хиляда и пет", "два милиона"; decimals digit by digit."""
    words, n = [], whole
    for size, one, many in ((10**9, "един милиард", "милиарда"), (10**6, "един милион", "милиона"),
                            (1000, "хиляда", "хиляди")):
        count, n = divmod(n, size)
        if count == 1:
            words.append(one)
        elif count:
            said = "два" if count == 2 and size > 1000 else " ".join(below_thousand(count))
            words += [said, many]
    if words and 0 < n < 100 and (n < 20 or n % 10 == 0):
        words.append("и")
    words += below_thousand(n) if n or not words else []
    return " ".join(words + (["цяло и"] + [UNITS[int(d)] for d in decimals]) * bool(decimals))


def numbers_heard(locale, where, lines):
    """Each number in LINES as espeak-ng hears it, against its value in words."""
    written, groups, point = WRITTEN[locale]
    plain = rf"\d+(?:[{re.escape(point)},]\d+)?"
    pattern = re.compile(rf"(минус |[-−])?(?<![\d,.])({written}|{plain})(?!\d)")
    found = [m for line in lines for m in pattern.finditer(line)]
    check(found, f"{where}: Orca said no number: {lines!r}")
    meant = []
    for m in found:
        if re.fullmatch(written, m[2]):
            whole, _, decimals = re.sub(f"[{groups}]", "", m[2]).partition(point)
        else:
            whole, _, decimals = m[2].replace(point, ",").partition(",")
        decimals = decimals.rstrip("0")
        negative = m[1] and (int(whole) or decimals)
        meant.append("минус " * bool(negative) + in_words(int(whole), decimals))
    phonemes = espeak([as_orca_sends(m[0]) for m in found] + meant)
    # Stress, pauses, length and the joins between words set aside.
    bare = [re.sub(r"[\s'_,:!;]", "", p) for p in phonemes]
    for i, m in enumerate(found):
        check(bare[i] == bare[len(found) + i], f"{where}: {m[0]!r} is heard "
              f"{phonemes[i]!r}, not {meant[i]!r} ({phonemes[len(found) + i]!r})")


def caption(name):  # Orca names a field by its caption, its group on entering it
    return name.split(". ")[-1].split(": ")[-1] if name[-1] == ":" else name


def at(x, y):  # a place as the canvas tells it
    return f"хикс е равно на {x}, игрек е равно на {y}."


def open_window(pid, display, log, start):
    """Gives the window the focus; Orca tells it (what it said from START on)."""
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid)],
                           env=dict(os.environ, DISPLAY=display), timeout=10,
                           stdout=subprocess.PIPE, text=True).stdout.split()
    walk.xdotool(display, "windowfocus", "--sync", found[0])
    check(walk.wait_for(lambda: TASK in "".join(spoken(log)[start:]), 10),
          "the opening window is not told")


def task(app, display, log):
    order = LINE1 + [walk.CALCULATE, CLEAR, K1] + LINE2 + [K2]
    for name in order:
        step(display, log, ["Tab"], [caption(name)] + [EMPTY] * name.endswith(":"), f"Tab to {name}")
    step(display, log, ["Tab"], [walk.CANVAS, "Начална снимка"], "Tab to the canvas")
    # The cross-hair stands in the middle since Tab brought the focus; an
    # arrow there and back tells where; the first press blanks the photo;
    # then points as scripts/keyboard-run sets them.
    step(display, log, ["Left", "Right"], ["Курсор, " + at(1500, 1470)], "the cross-hair")
    step(display, log, ["space"], ["Чертежът е празен"], "the first press on the canvas")

    def capture(keys, point, x, y):
        # Space once the cross-hair has told where it stopped: Orca's echo of
        # a key pressed before, said late, would cut the point's news off.
        step(display, log, keys, ["Курсор, " + at(x, y)], "moving to a point")
        step(display, log, ["space"], [f"Точка {point}, " + at(x, y)], "capturing a point")
    capture(["shift+Left"] * 5, "1 на права 1", 750, 1470)
    capture(["shift+Right"] * 10, "2 на права 1", 2250, 1470)
    capture(["shift+Left"] * 5 + ["shift+Up"] * 6, "1 на права 2", 1500, 570)
    # The cross-hair held down: a few positions a second at most, the last always.
    started = time.monotonic()
    heard = step(display, log, ["Down"] * 30, ["Курсор, " + at(1500, 1020)], "moving", 20)
    told, seconds = heard.count("Курсор"), time.monotonic() - started
    check(1 <= told <= 1 + 4 * seconds, f"the cross-hair told {told} positions in {seconds:.1f} s")
    capture(["shift+Down"] * 9 + ["Down", "Down"], "2 на права 2", 1500, 2400)
    # Back to Изчисли, each control told on the way.
    for name in reversed(order[order.index(walk.CALCULATE):]):
        step(display, log, ["shift+Tab"], [caption(name)], f"Shift+Tab to {name}")
    step(display, log, ["Return"], ["Правите се пресичат в точката, " + at(1500, 1470)[:-1]],
         "Return on Изчисли")
    # Every field again, each value whole, and the canvas as it is now.
    after = [CLEAR, K1] + LINE2 + [K2, walk.CANVAS] + walk.RESULTS[8:] + [TASK] + LINE1
    values = walk.read_results(app, [n for n in after if n.endswith(":")])
    for name in after:
        # Tab selects the whole value, and Orca says the line it reads is selected.
        # Orca says a no-break space as a space.
        value = [f"{values[name]} избрано".replace("\u00a0", " ") if values[name] else EMPTY] \
            if name in values else []
        if name == walk.CANVAS:
            value = ["Точка 2 на права 2, " + at(1500, 2400), "Правите се пресичат"]
        explained = name in walk.RESULTS and name.endswith(SPOKEN)
        heard = step(display, log, ["Tab"], [caption(name)] + value + ["равно на"] * explained,
                     f"Tab to {name}")
        check(name != walk.CANVAS or "празен" not in heard, "the drawn canvas is told as empty")
        if explained:
            spoken_mathematics(name, heard)


# The canvas example (typed: 200 and 2000 lie between the canvas's pixels)
# and the task's, each calculated; k1 first, as the task leaves the focus on C1.
EXAMPLES = {"canvas": ["750", "1470", "2250", "1470", "1500", "200", "1500", "2000"],
            "task": ["1", "15", "10", "15", "5", "1", "5", "25"]}
HEARD = [K1, walk.RESULTS[8], LINE1[-1]]


def results_heard(app, display, log, locale):
    """Every number Orca says of C1, k1 and X, heard as the program means it."""
    button = walk.find(app, walk.CALCULATE, walk.pyatspi.ROLE_PUSH_BUTTON)
    for example, points in EXAMPLES.items():
        for name, value in zip(walk.INPUTS, points):
            check(walk.find(app, name).queryEditableText().setTextContents(value),
                  f"{name} refused {value!r}")
        step(display, log, lambda: button.queryAction().doAction(0), ["Правите се пресичат"],
             f"Calculate on the {example} example")
        for name in HEARD:
            field, where = walk.find(app, name), f"{locale} {example} {caption(name)}"
            value = walk.text_of(field).replace("\u00a0", " ")
            lines = step(display, log, field.queryComponent().grabFocus,
                         [caption(name), "равно на"], f"focus on {name}", settle=0.5).splitlines()
            # What Orca says after the field's value is its description.
            told = next((i + 1 for i, line in enumerate(lines) if line.startswith(value)), 0)
            said = lines[told:]
            print(f"heard {where} {value!r}" + "".join(f"\n  {line}" for line in said))
            numbers_heard(locale, where, said)
            spoken_mathematics(where, "\n".join(said))


def main():
    walk.pyatspi.setTimeout(3000, 10000)
    started, folder = time.monotonic(), tempfile.TemporaryDirectory(prefix="vertisel-orca-")
    debug, log = (os.path.join(folder.name, n) for n in ("orca-debug.out", "spoken.log"))
    processes = []
    # speech-dispatcher keeps its pid file there: one of its own, so that the
    # browser's screen-reader run on this machine does not stop this one's.
    os.environ["XDG_RUNTIME_DIR"] = folder.name
    try:
        turn = take_turn()  # noqa: F841 (held to the end)
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
        # The whole task by keys under Bulgarian settings; the results of
        # both examples under Bulgarian and American number formats.
        for locale in ("bg_BG.UTF-8", "en_US.UTF-8"):
            start, program = len(spoken(log)), walk.start_program(sys.argv[1], display, locale)
            processes.append(program)
            walk.found_nodes.clear()
            app = walk.find_app(15, program.pid)
            if not check(app is not None, f"the program ({locale}) never appeared on the desktop"):
                break
            open_window(program.pid, display, log, start)
            if locale.startswith("bg"):
                task(app, display, log)
            results_heard(app, display, log, locale)
            walk.stop(processes.pop())
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
