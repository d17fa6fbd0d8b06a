"""Walks the running Vertisel through a real AT-SPI client (python3-pyatspi).

Run by scripts/atspi-walk and scripts/keyboard-run inside dbus-run-session,
with Debian's own /usr/bin/python3. Starts its own Xvfb, the at-spi bus and
the program, and ends all three.

  atspi_walk.py PROGRAM            roles, names, states; the eight inputs set
                                   through EditableText, "Изчисли" pressed
                                   through Action, results read back
  atspi_walk.py --tree PROGRAM     only prints the tree, checks nothing
  atspi_walk.py --keys PROGRAM     keys alone (xdotool): Tab to the canvas,
                                   four points with arrows and Space, Shift+Tab
                                   to "Изчисли", Return; results read back

Every failed check prints one "FAIL:" line; the exit status is then 1.
"""

import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

TITLE = "Аналитична геометрия - пресечна точка"
CANVAS = "Чертеж"
CALCULATE = "Изчисли"
L1, L2, CROSS = "Права 1:", "Права 2:", "Координати на пресечна т."
INPUTS = [f"{frame} {c}:" for frame in (L1, L2) for c in ("X1", "Y1", "X2", "Y2")]
RESULTS = [f"{L1} {c}:" for c in ("A1", "B1", "C1", "k1")] \
    + [f"{L2} {c}:" for c in ("A2", "B2", "C2", "k2")] + [f"{CROSS} X:", f"{CROSS} Y:"]
# The program's own reading and writing of numbers, the same on every machine.
LOCALE = "C.UTF-8"

failures = []
announced = []  # description changes the canvas announced
focus_moves = []  # names of the controls that took the focus, in order


def check(ok, message):
    if not ok:
        failures.append(message)
        print(f"FAIL: {message}", flush=True)
    return ok


def pump(seconds):
    """Lets D-Bus messages and AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(predicate, seconds, step=0.05):
    end = time.monotonic() + seconds
    while True:
        try:
            value = predicate()
        except Exception:  # the tree is still being built
            value = None
        if value:
            return value
        if time.monotonic() >= end:
            return None
        pump(step)


# --- processes --------------------------------------------------------------

def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    end = time.monotonic() + 10
    while not number.endswith(b"\n") and time.monotonic() < end:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number.decode().strip()


def start_bus(display):
    """The at-spi bus: its launcher owns org.a11y.Bus on the session bus."""
    launcher = subprocess.Popen(
        ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
        env=dict(os.environ, DISPLAY=display),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def address():
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                  "GetAddress", None, GLib.VariantType("(s)"),
                                  Gio.DBusCallFlags.NO_AUTO_START, 1000, None)
        return reply.unpack()[0]

    if not wait_for(address, 10, 0.1):
        launcher.kill()
        raise RuntimeError("the at-spi bus launcher did not answer on the session bus")
    return launcher


def start_program(program, display, locale=LOCALE):
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG=locale, LC_ALL=locale)
    messages = tempfile.TemporaryFile()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=messages)
    process.messages = messages
    return process


def last_message(process):
    process.messages.seek(0)
    lines = process.messages.read().decode(errors="replace").strip().splitlines()
    return lines[-1] if lines else "nothing"


def stop(process):
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(3)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


# --- reading the tree -------------------------------------------------------

def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


found_nodes = {}


def find(root, name, role=None):
    """The first control named NAME (of ROLE); names do not change, so kept."""
    key = (name, role)
    if key not in found_nodes:
        found_nodes[key] = next((node for node, _ in walk(root) if node.name == name
                                 and (role is None or node.getRole() == role)), None)
    return found_nodes[key]


def states(node):
    state = node.getState()
    shown = [word for word, value in (
        ("focusable", pyatspi.STATE_FOCUSABLE), ("focused", pyatspi.STATE_FOCUSED),
        ("editable", pyatspi.STATE_EDITABLE), ("read-only", pyatspi.STATE_READ_ONLY),
        ("visible", pyatspi.STATE_VISIBLE)) if state.contains(value)]
    return shown


def interfaces(node):
    names = []
    for name, query in (("Text", node.queryText), ("EditableText", node.queryEditableText),
                        ("Action", node.queryAction), ("Image", node.queryImage)):
        try:
            query()
            names.append(name)
        except NotImplementedError:
            pass
    return names


def text_of(node):
    node.clearCache()
    text = node.queryText()
    return text.getText(0, text.characterCount)


def print_tree(app):
    """One line a control; the captions beside the fields only counted, as
    each field's name already holds its caption."""
    print(f"application {app.name!r}")

    def show(node, depth):
        line = f"{'  ' * depth}{node.getRoleName()} {node.name!r}"
        extra = states(node)
        if extra:
            line += " [" + " ".join(extra) + "]"
        if node.getRole() in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_FRAME) or node.name == CANVAS:
            line += f" description={node.description!r}"
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        captions = [c for c in children if c is not None and c.getRole() == pyatspi.ROLE_LABEL
                    and node.getRole() == pyatspi.ROLE_PANEL]
        if captions:
            line += f" (+{len(captions)} caption labels)"
        print(line)
        for child in children:
            if child is not None and child not in captions:
                show(child, depth + 1)

    for i in range(app.childCount):
        show(app.getChildAtIndex(i), 1)


def find_app(seconds, pid=None):
    def lookup():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == "vertisel" \
                    and pid in (None, app.get_process_id()):
                # Ready once the window is in the tree.
                return app if app.childCount > 0 else None
        return None
    return wait_for(lookup, seconds, 0.1)


# --- checks ----------------------------------------------------------------

def check_structure(app):
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    window = next((w for w in windows if w is not None and w.name == TITLE), None)
    if check(window is not None, f"no top-level child named {TITLE!r}"):
        check(window.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW),
              f"the window's role is {window.getRoleName()!r}, not frame or window")

    canvas = find(app, CANVAS)
    if check(canvas is not None, f"no accessible named {CANVAS!r}"):
        check(canvas.getRole() == pyatspi.ROLE_IMAGE,
              f"the canvas's role is {canvas.getRoleName()!r}, not image")
        # Qt's AT-SPI bridge offers no Image interface; the description is
        # what a screen reader reads.
        print(f"canvas interfaces over AT-SPI: {interfaces(canvas)}")
        check(bool(canvas.description), "the canvas has no description")

    for name in RESULTS:
        field = find(app, name)
        if not check(field is not None, f"no result field named {name!r}"):
            continue
        state = field.getState()
        check(state.contains(pyatspi.STATE_READ_ONLY), f"{name!r} is not read-only")
        check(not state.contains(pyatspi.STATE_EDITABLE), f"{name!r} reports editable")

    a1 = find(app, RESULTS[0])
    if a1 is not None:
        before = text_of(a1)
        try:
            refused = not a1.queryEditableText().setTextContents("zzz")
            how = "refused" if refused else "accepted"
        except NotImplementedError:
            how = "absent"
        except Exception as error:  # a D-Bus error answer is a refusal too
            how = f"refused with {type(error).__name__}"
        after = text_of(a1)
        print(f"setTextContents('zzz') on A1: {how}; A1 now {after!r}")
        check(after == before, f"setTextContents changed read-only A1 to {after!r}")

    for node, _ in walk(app):
        name = node.name or ""
        check("\r" not in name and "\n" not in name,
              f"the {node.getRoleName()} named {name!r} carries a line break")
    if window is not None:
        for i in range(window.childCount):
            child = window.getChildAtIndex(i)
            check(child.name or child.getRole() != pyatspi.ROLE_FILLER,
                  "an unnamed filler (the hidden picture box) is among the window's children")
            check(child.getState().contains(pyatspi.STATE_VISIBLE),
                  f"the hidden {child.getRoleName()} {child.name!r} is in the tree")


def listen():
    """Registered before the program starts, which asks the registry then."""
    def heard(event):
        if event.source is not None and event.source.name == CANVAS:
            announced.append(event.type)

    def focus(event):
        if event.detail1 == 1 and event.source is not None:
            focus_moves.append(event.source.name)
    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-description")
    pyatspi.Registry.registerEventListener(focus, "object:state-changed:focused")


def read_results(app, names):
    values = {}
    for name in names:
        field = find(app, name)
        values[name] = text_of(field) if field is not None else None
    return values


def number(text):
    try:
        return float(text.replace(",", "").replace("\u00a0", "").replace(" ", ""))
    except (AttributeError, ValueError):
        return None


def show_fields(values):
    for name, value in values.items():
        print(f"  {name} {value!r}")


def check_numbers(values, expected):
    for name, want in expected.items():
        got = number(values.get(name))
        check(got is not None and abs(got - want) < 1e-6,
              f"{name!r} shows {values.get(name)!r}, expected {want:g}")


def canvas_description(app):
    canvas = find(app, CANVAS)
    canvas.clearCache()
    return canvas.description


def typed_run(app, program_pid, display):  # returns how often the canvas changed
    """Inputs through EditableText, Calculate through Action; then the canvas
    focused through Component, as a screen reader moves the focus."""
    points = ["1", "15", "10", "15", "5", "1", "5", "25"]
    for name, value in zip(INPUTS, points):
        field = find(app, name)
        if not check(field is not None, f"no input field named {name!r}"):
            return
        try:
            ok = field.queryEditableText().setTextContents(value)
        except NotImplementedError:
            ok = False
        check(ok and text_of(field) == value,
              f"setTextContents({value!r}) on {name!r} did not take (field shows {text_of(field)!r})")
    button = find(app, CALCULATE, pyatspi.ROLE_PUSH_BUTTON)
    if not check(button is not None, f"no push button named {CALCULATE!r}"):
        return
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(action.doAction(names.index("Press") if "Press" in names else 0),
          f"the button's action {names} was refused")
    pump(0.3)
    wait_for(lambda: read_results(app, [RESULTS[8]])[RESULTS[8]], 3)
    values = read_results(app, RESULTS)
    print("results after Calculate:")
    show_fields(values)
    # y = 15 and x = 5: A = y2 - y1, B = x1 - x2 as the fields show them.
    check_numbers(values, {RESULTS[0]: 0, RESULTS[8]: 5, RESULTS[9]: 15})
    description = canvas_description(app)
    print(f"canvas description: {description}")
    check_crossing(values, description)
    # Focus from assistive technology shows the cross-hair: Space then acts
    # at once, with no arrow pressed first.
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                            str(program_pid)], env=dict(os.environ, DISPLAY=display),
                           timeout=10, stdout=subprocess.PIPE, text=True).stdout.split()
    if not check(bool(found), "xdotool found no visible window of the program"):
        return 1
    xdotool(display, "windowfocus", "--sync", found[0])
    canvas = find(app, CANVAS)
    check(canvas.queryComponent().grabFocus(), "grabFocus on the canvas was refused")
    check(wait_for(lambda: focus_moves and focus_moves[-1] == CANVAS, 3),
          "grabFocus did not move the focus to the canvas")
    xdotool(display, "key", "space")
    check(wait_for(lambda: canvas_description(app) != description, 3),
          "Space after grabFocus on the canvas did nothing (no cross-hair)")
    return 1  # Calculate changed the canvas once; the focused canvas is not announced


def spoken_number(text):
    """A field's number as the spoken texts say it: digits, a decimal comma,
    no grouping, no zeros that say nothing; "1,500.0000" is "1500"."""
    value = number(text)
    if value is None:
        return repr(text)
    digits = f"{abs(value):.4f}".rstrip("0").rstrip(".").replace(".", ",")
    return ("минус " if value < 0 and digits != "0" else "") + digits


def check_crossing(values, description):
    told = (f"Правите се пресичат в точката, хикс е равно на {spoken_number(values[RESULTS[8]])}, "
            f"игрек е равно на {spoken_number(values[RESULTS[9]])},")
    check(told in description, f"the canvas description does not say {told!r}")


def xdotool(display, *args):
    subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=display),
                   check=True, timeout=10, stdout=subprocess.PIPE)


def keys_run(app, program_pid, display):  # returns how often the canvas changed
    """Keys alone: the program gets nothing but key presses."""
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                            str(program_pid)], env=dict(os.environ, DISPLAY=display),
                           timeout=10, stdout=subprocess.PIPE, text=True).stdout.split()
    if not check(bool(found), "xdotool found no visible window of the program"):
        return
    # No window manager: give the window the input focus as one would.
    xdotool(display, "windowfocus", "--sync", found[0])
    if not check(wait_for(lambda: focus_moves, 5), "the window never took the keyboard focus"):
        return

    def tab_until(name, key, expected):
        """Presses KEY until the control NAME has the focus, one focus event a
        press: EXPECTED presses at once (the window's focus order), then one by
        one should the order have changed."""
        presses = 0
        for count in [expected] + [1] * 30:
            seen = len(focus_moves)
            xdotool(display, "key", "--delay", "10", *[key] * count)
            presses += count
            if not wait_for(lambda: len(focus_moves) >= seen + count, 3, 0.01):
                return None
            if focus_moves[-1] == name:
                return presses
        return None

    tabs = tab_until(CANVAS, "Tab", 19)
    if not check(tabs is not None, "Tab never reached the canvas"):
        return
    print(f"Tab x{tabs} reached the canvas")
    # Start-up photo blanked at the centre (100, 98), then four points:
    # (50, 98) and (150, 98) for line 1, (100, 38) and (100, 160) for line 2;
    # 15 twips a pixel from the area's top left, so they cross at (1500, 1470).
    steps = [["space"],
             ["shift+Left"] * 5 + ["space"],
             ["shift+Right"] * 10 + ["space"],
             ["shift+Left"] * 5 + ["shift+Up"] * 6 + ["space"],
             ["shift+Down"] * 12 + ["Down", "Down", "Right", "Left", "space"]]
    for keys in steps:
        xdotool(display, "key", "--delay", "10", *keys)
        print("keys: " + " ".join(keys))
    back = tab_until(CALCULATE, "shift+Tab", 11)
    if not check(back is not None, f"Shift+Tab never reached {CALCULATE!r}"):
        return
    print(f"Shift+Tab x{back} reached {CALCULATE!r}; Return")
    xdotool(display, "key", "Return")
    wait_for(lambda: read_results(app, [RESULTS[8]])[RESULTS[8]], 3)
    values = read_results(app, INPUTS + RESULTS)
    print("fields after the keyboard run:")
    show_fields(values)
    check_numbers(values, dict(zip(INPUTS, [750, 1470, 2250, 1470, 1500, 570, 1500, 2400])))
    check_numbers(values, {RESULTS[0]: 0, RESULTS[8]: 1500, RESULTS[9]: 1470})
    description = canvas_description(app)
    print(f"canvas description: {description}")
    check("Точка 2 на права 2, хикс е равно на 1500, игрек е равно на 2400." in description,
          "the canvas description does not tell the last point")
    check_crossing(values, description)
    # Blank, four points, Calculate. Qt up to 6.4 sends the focused canvas's
    # description changes as no text, which a screen reader cannot speak: the
    # program leaves them out and announces the news by a notification.
    version = tuple(int(n) for n in app.get_toolkit_version().split(".")[:2])
    return 6 if version >= (6, 5) else 1


def main():
    args = sys.argv[1:]
    mode = args.pop(0) if args and args[0].startswith("--") else "--walk"
    if len(args) != 1 or mode not in ("--walk", "--tree", "--keys"):
        print("usage: atspi_walk.py [--tree|--keys] PROGRAM", file=sys.stderr)
        return 2
    program = args[0]
    pyatspi.setTimeout(3000, 10000)
    xvfb = launcher = app_process = None
    started = time.monotonic()
    try:
        xvfb, display = start_xvfb()
        launcher = start_bus(display)
        if mode != "--tree":
            listen()
        app_process = start_program(program, display)
        app = find_app(15)
        if app is None:
            status = app_process.poll()
            check(False, "the application 'Vertisel' never appeared on the AT-SPI desktop ("
                  + (f"it exited with {status}" if status is not None else "it runs")
                  + f"; its last message: {last_message(app_process)})")
            return 1
        print(f"display {display}, locale {LOCALE}, program {program}, "
              f"on the AT-SPI desktop after {time.monotonic() - started:.1f} s")
        if mode == "--tree":
            print_tree(app)
            return 0
        if mode == "--walk":
            print_tree(app)
            check_structure(app)
            before = len(announced)
            changes = typed_run(app, app_process.pid, display)
        else:
            before = len(announced)
            changes = keys_run(app, app_process.pid, display)
        if changes:
            pump(0.2)
            heard = len(announced) - before
            print(f"description changes announced by the canvas: {heard} for {changes} changes")
            # One announcement a change: none leaves a screen reader silent,
            # two make it read the same text twice.
            check(heard == changes, f"the canvas announced {heard} description changes for "
                  f"{changes} (object:property-change:accessible-description)")
        check(app_process.poll() is None, f"the program exited early with {app_process.poll()}")
    except Exception as error:  # one line per failure, never a traceback
        check(False, f"{type(error).__name__}: {error}")
    finally:
        stop(app_process)
        stop(launcher)
        stop(xvfb)
        print(f"took {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
