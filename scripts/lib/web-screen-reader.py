"""Orca reading the browser build in Chromium, as a blind student meets it
(scripts/web): Chromium as a normal window with its accessibility on, on an
Xvfb, a session bus and an at-spi bus of its own; Orca with a throw-away
home speaking Bulgarian to speech-dispatcher, which writes each utterance to
a file; keys alone, by xdotool. Each step waits for what Orca must say; the
spoken log is printed, and Orca's debug log must hold no error. Every failed
check prints one "FAIL:" line.
  dbus-run-session -- /usr/bin/python3 -B scripts/lib/web-screen-reader.py SITE
VERTISEL_ORCA_DEBUG=FILE keeps Orca's debug log there."""

import functools
import http.server
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

import atspi_walk as walk
import screen_reader_run as reader
from atspi_walk import check, failures

TASK, CANVAS = "Задача и теория", walk.CANVAS
CONTROLS = [TASK] + walk.INPUTS[:4] + walk.RESULTS[:3] + [walk.CALCULATE, "Изчисти"] \
    + walk.RESULTS[3:4] + walk.INPUTS[4:] + walk.RESULTS[4:8] + [CANVAS] + walk.RESULTS[8:]
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
with open(os.path.join(ROOT, "content", "tasktext.txt"), encoding="utf-8") as task_file:
    LINES = [line.strip() for line in task_file][:3]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(site):
    """The site on 127.0.0.1, as any static web server hands it out."""
    handler = functools.partial(QuietHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start_orca(folder, display, socket):
    prefs = os.path.join(folder, "orca")  # settings of its own, Bulgarian words
    return subprocess.Popen(
        ["orca", "--user-prefs", prefs, "--debug-file", os.path.join(folder, "orca-debug.out"),
         "--disable", "braille"],
        env=dict(os.environ, DISPLAY=display, SPEECHD_ADDRESS=f"unix_socket:{socket}",
                 LANGUAGE="bg", LANG="C.UTF-8", GSETTINGS_BACKEND="memory",
                 XDG_CONFIG_HOME=prefs, XDG_DATA_HOME=prefs, XDG_CACHE_HOME=prefs),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_chromium(folder, display, address):
    """A normal window (toolbar, address bar) with a fresh profile that
    offers no translation; nothing fetched from the network, WebGL on the CPU."""
    profile = os.path.join(folder, "chromium")
    os.makedirs(os.path.join(profile, "Default"))
    with open(os.path.join(profile, "Default", "Preferences"), "w") as f:
        f.write('{"translate": {"enabled": false}}')
    return subprocess.Popen(
        [os.environ.get("CHROMIUM", "chromium"), "--no-sandbox", "--test-type",
         f"--user-data-dir={profile}", "--force-renderer-accessibility",
         "--no-first-run", "--no-default-browser-check", "--password-store=basic",
         "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-position=0,0", "--window-size=1024,768", address],
        env=dict(os.environ, DISPLAY=display, LANGUAGE="bg"),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def settle(log, start=None, seconds=1.5):
    """Waits until Orca has said something since line START (if given) and
    has then been quiet for SECONDS; returns what it said since START."""
    last = [len(reader.spoken(log)), time.monotonic()]

    def quiet():
        lines = reader.spoken(log)
        if len(lines) != last[0]:
            last[:] = [len(lines), time.monotonic()]
        return (start is None or len(lines) > start) and time.monotonic() - last[1] > seconds
    walk.wait_for(quiet, 20, 0.02)
    return "\n".join(reader.spoken(log)[start or 0:])


def listen(display, log, keys, what):
    """Presses KEYS once Orca is quiet; what it says until quiet again."""
    settle(log)
    start = len(reader.spoken(log))
    walk.xdotool(display, "key", "--delay", "300", *keys)
    heard = settle(log, start)
    check(heard, f"{what}: Orca said nothing")
    return heard


def quiet_step(display, log, keys, phrases, what, delay=10):
    """The desktop run's step, once Orca is quiet: no word of the step
    before is taken for this one's."""
    settle(log)
    return reader.step(display, log, keys, phrases, what, delay)


def inside(heard):
    """Whether Orca named a control of the window (names run over lines)."""
    said = " ".join(heard.split())
    return any(name in said for name in CONTROLS)


def task(display, log):
    step = functools.partial(quiet_step, display, log)
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "chromium"],
                           env=dict(os.environ, DISPLAY=display), timeout=30,
                           stdout=subprocess.PIPE, text=True).stdout.split()
    walk.xdotool(display, "windowfocus", "--sync", found[-1])
    # Arrival: the tab told by the window's title from the first byte, the
    # focus on the task text, read from its first line.
    walk.wait_for(lambda: TASK in "\n".join(reader.spoken(log)), 90)
    heard = settle(log, 0)
    check(LINES[0] in heard, f"arrival: Orca did not read the task text's first line: {heard!r}")
    check(walk.TITLE in heard and "Vertisel" not in heard,
          f"arrival: the page is not told by the window's title {walk.TITLE!r}: {heard!r}")
    step(["Down"], [LINES[1]], "Down in the task text")
    step(["Down"], [LINES[2]], "Down again")
    # Shift+Tab at the first control leaves for the browser; Tab comes back.
    heard = listen(display, log, ["shift+Tab"], "Shift+Tab from the first control")
    check(not inside(heard), f"Shift+Tab from {TASK} stayed in the window: {heard!r}")
    step(["Tab"], [TASK], "Tab back into the window")
    # Typing into X1: the digits, not the field's reading after each key.
    step(["Tab"], [reader.caption(CONTROLS[1])], "Tab to X1")
    heard = listen(display, log, ["1", "5"], "typing 15 into X1")
    check(all(len(line) <= 2 for line in heard.splitlines()),
          f"typing 15 into X1: Orca said more than the keys: {heard!r}")
    # On to the drawing, whose keys reach it under the screen reader.
    for name in CONTROLS[2:]:
        step(["Tab"], [reader.caption(name)], f"Tab to {name}")
        if name == CANVAS:
            step(["Right"], [reader.at(1515, 1470)], "Right on the drawing")
            step(["space"], ["Чертежът е празен"], "Space on the drawing")
    heard = listen(display, log, ["Tab"], "Tab from the last control")
    check(not inside(heard), f"Tab from the last control stayed in the window: {heard!r}")
    step(["shift+Tab"], [reader.caption(CONTROLS[-1])], "Shift+Tab back into the window")
    # The drawing again, its changed description once.
    heard = listen(display, log, ["shift+Tab"] * 2, "Shift+Tab back to the drawing")
    told = [line for line in heard.splitlines() if len(line) > 20]
    check(CANVAS in heard and len(told) == len(set(told)),
          f"the drawing's changed description not told once: {heard!r}")
    # Browse mode (Orca+A toggles it): each field once by its name, no caption alone.
    if "Режим на фокус" in listen(display, log, ["Insert+a"], "Orca+A"):
        listen(display, log, ["Insert+a"], "Orca+A again")
    heard = listen(display, log, ["Down", "Down"], "Down in browse mode")
    check(inside(heard) and not re.search(r"^\w+:$", heard, re.M),
          f"browse mode tells a caption apart from its field: {heard!r}")


def main():
    walk.pyatspi.setTimeout(3000, 10000)
    site = os.path.abspath(sys.argv[1])
    started, folder = time.monotonic(), tempfile.TemporaryDirectory(prefix="vertisel-web-orca-")
    debug, log = (os.path.join(folder.name, n) for n in ("orca-debug.out", "spoken.log"))
    processes, server = [], None
    # speech-dispatcher keeps its pid file there: one of its own, so that a
    # screen-reader run of another build on this machine does not stop it.
    os.environ["XDG_RUNTIME_DIR"] = folder.name
    try:
        turn = reader.take_turn()  # noqa: F841 (held to the end)
        xvfb, display = walk.start_xvfb()
        processes += [xvfb, walk.start_bus(display)]
        speech, socket = reader.start_speech(folder.name, log)
        processes += [speech, start_orca(folder.name, display, socket)]
        # Orca says that it is on once it listens to the desktop.
        if not walk.wait_for(lambda: reader.spoken(log) or processes[-1].poll() is not None, 30) \
                or processes[-1].poll() is not None:
            raise RuntimeError("Orca never spoke")
        server = serve(site)
        processes.append(start_chromium(folder.name, display,
                                        f"http://127.0.0.1:{server.server_address[1]}/index.html"))
        task(display, log)
    except Exception as error:  # one line per failure, never a traceback
        check(False, f"{type(error).__name__}: {error}")
    finally:
        for process in reversed(processes):  # Orca writes out its debug log as it ends
            process.send_signal(signal.SIGTERM)
            walk.wait_for(lambda: process.poll() is not None, 10)
            walk.stop(process)
        if server:
            server.shutdown()
        print("--- what Orca said ---\n" + "\n".join(reader.spoken(log)) + "\n---")
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
