#!/usr/bin/python3
"""Every program's windows as a screen reader gets them: over the accessibility bus.

Run inside an X server and a D-Bus session (run_atspi_check.sh sets both up). Starts each
program in turn, walks the tree of every window it shows (the tip of the day, the main
window, and for some programs the chart, the calendar, the report viewer and a message
box) and checks every control a user works with:
  - it has a name;
  - no other control of the same window has the same name;
  - a button is not named only by a code of four letters or fewer ("LOV");
  - no two buttons of one window take the same Alt key;
  - a result that appears in controls (Ballora's numbers, Pulsara's meters) is announced:
    the bus carries a text or value change from each of them.
Prints one line per window (controls, unnamed, ambiguous, codes, shared keys) and exits 1
on any finding; --measure only prints.
"""
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

R = pyatspi
INTERACTIVE = {
    R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_COMBO_BOX,
    R.ROLE_TEXT, R.ROLE_ENTRY, R.ROLE_PASSWORD_TEXT, R.ROLE_SPIN_BUTTON, R.ROLE_SLIDER, R.ROLE_LIST,
    R.ROLE_LIST_BOX, R.ROLE_TABLE, R.ROLE_TREE, R.ROLE_TREE_TABLE, R.ROLE_PAGE_TAB, R.ROLE_PROGRESS_BAR,
}
BUTTONS = {R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON}
WINDOWS = {R.ROLE_DIALOG, R.ROLE_FRAME, R.ROLE_WINDOW, R.ROLE_ALERT, R.ROLE_FILE_CHOOSER}

KEY = {"Escape": 0xff1b, "Return": 0xff0d, "Menu": 0xff67, "space": 0x20}


# Text and value changes as the bus delivers them: (event type, name of the control).
ANNOUNCED = []


def heard(event):
    try:
        ANNOUNCED.append((event.type, (event.source.name or "").strip()))
    except Exception:
        pass


def pump(seconds=0.0):
    """Lets the bus deliver its events, for at least `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def press(key):
    keysym = KEY.get(key, ord(key) if len(key) == 1 else None)
    R.Registry.generateKeyboardEvent(keysym, None, R.KEY_SYM)
    pump(0.15)


def wait_for(what, timeout=10.0, step=0.1):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        try:
            found = what()
        except Exception:  # the tree changes under us while a window comes up
            found = None
        if found:
            return found
        pump(step)
    return None


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def showing(node):
    try:
        return node.getState().contains(R.STATE_SHOWING)
    except Exception:
        return False


def app_of(pid):
    desktop = R.Registry.getDesktop(0)
    for app in children(desktop):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def windows_of(app):
    return [w for w in children(app) if w is not None and w.getRole() in WINDOWS and showing(w)]


def title(window):
    try:
        return window.name or ""
    except Exception:
        return ""


def letters(text):
    return sum(c.isalpha() for c in text)


def is_code(name):
    # A caption that only a sighted user reads: short and without a small letter ("LOV",
    # "TM", "YNS"); OK is a word every reader speaks.
    return letters(name) <= 4 and not any(c.islower() for c in name) and name not in ("OK",)


def alt_key(node):
    try:
        action = node.queryAction()
    except Exception:
        return ""
    for i in range(action.nActions):
        binding = action.getKeyBinding(i) or ""
        match = re.search(r"(?:<Alt>|Alt\+)(.)$", binding, re.IGNORECASE)
        if match:
            return match.group(1).lower()
    return ""


def controls(window):
    found, stack = [], [window]
    while stack:
        node = stack.pop()
        for child in children(node):
            if child is None or not showing(child):
                continue
            try:
                role = child.getRole()
            except Exception:
                continue
            if role in INTERACTIVE:
                found.append(child)
            # A drop-down's own list and a text's parts are part of that control.
            if role not in (R.ROLE_COMBO_BOX, R.ROLE_TEXT, R.ROLE_ENTRY):
                stack.append(child)
    return found


def check_window(program, window, results):
    nodes = controls(window)
    names = [(n.name or "").strip() for n in nodes]
    unnamed = [n for n, name in zip(nodes, names) if not name]
    counts = {}
    for name in names:
        if name:
            counts[name] = counts.get(name, 0) + 1
    ambiguous = [name for name in names if name and counts[name] > 1]
    codes = [name for n, name in zip(nodes, names) if name and n.getRole() in BUTTONS and is_code(name)]
    keys = {}
    for n in nodes:
        key = alt_key(n)
        if key:
            keys.setdefault(key, []).append((n.name or "").strip())
    shared = {k: v for k, v in keys.items() if len(v) > 1}
    row = dict(program=program, window=title(window), controls=len(nodes), unnamed=len(unnamed),
               ambiguous=len(ambiguous), codes=len(codes), shared=len(shared),
               detail=dict(unnamed=[n.getRoleName() for n in unnamed], ambiguous=sorted(set(ambiguous)),
                           codes=codes, shared=shared))
    results.append(row)
    return row


class Program:
    def __init__(self, bin_dir, name, root):
        self.name = name
        env = dict(os.environ)
        env.update(MYSTORIN_HOME=os.path.join(root, "data"), HOME=root, XDG_CONFIG_HOME=os.path.join(root, "config"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb",
                   # Without a desktop viewer a report opens in the suite's own.
                   PATH="/nonexistent")
        self.process = subprocess.Popen([os.path.join(bin_dir, name)], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.app = wait_for(lambda: app_of(self.process.pid), timeout=20)
        if not self.app:
            raise RuntimeError(name + " did not appear on the accessibility bus")

    def windows(self):
        return windows_of(self.app)

    def new_window(self, known, timeout=10.0):
        def fresh():
            titles = [title(w) for w in self.windows()]
            return [w for w in self.windows() if title(w) not in known and controls(w)] if titles else None

        found = wait_for(fresh, timeout)
        return found[0] if found else None

    def focus_button(self, window):
        for node in controls(window):
            if node.getRole() == R.ROLE_PUSH_BUTTON:
                try:
                    node.queryComponent().grabFocus()
                    time.sleep(0.2)
                    return True
                except Exception:
                    pass
        return False

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def prepare(root, name):
    data, config = os.path.join(root, "data"), os.path.join(root, "config", "Mystorin")
    os.makedirs(data, exist_ok=True)
    os.makedirs(config, exist_ok=True)
    # Saved inputs, so that the chart, the calendar and the report have a birthday.
    files = {
        os.path.join(data, "pulsara.ini"): "Alex\n3\n14\n1970\n",
        os.path.join(data, "ballora.ini"): "3\n14\n1970\nAlex\nB\nCole\n50\n",
        os.path.join(config, "zendary.ini"): "[Birthdays]\nOwn=3 14 1970\nMother=5 2 1945\nFather=7 9 1941\n",
    }
    for path, text in files.items():
        with open(path, "w") as f:
            f.write(text)


def follow_boxes(program, known, target, results, box_checked, steps=8):
    """Answers boxes with Enter until a window titled with `target` shows; each box's tree
    is checked once. Returns that window or None."""
    for _ in range(steps):
        window = program.new_window(known, timeout=8)
        if window is None:
            return None
        if target in title(window):
            return window
        if not box_checked[0]:
            check_window(program.name, window, results)
            box_checked[0] = True
        press("Return")
        wait_for(lambda: window not in program.windows(), timeout=3)
    return None


def press_button(program, window, name, known):
    """Presses the button of that name from the keyboard and answers its boxes with Enter."""
    button = next((n for n in controls(window) if (n.name or "").strip() == name), None)
    if button is None:
        raise RuntimeError(program.name + ": no button " + name)
    button.queryComponent().grabFocus()
    pump(0.2)
    press("space")
    for _ in range(6):
        box = program.new_window(known, timeout=2)
        if box is None:
            return
        press("Return")
        wait_for(lambda: box not in program.windows(), timeout=3)


def check_announced(program, window, button, results_named, known, failures):
    """A reading that answers in controls: each of them tells the bus that it changed."""
    del ANNOUNCED[:]
    press_button(program, window, button, known)
    pump(1.0)
    names = [name for name in (n.name.strip() for n in controls(window)) if results_named(name)]
    silent = [name for name in names if not any(heard_name == name for _, heard_name in ANNOUNCED)]
    if not names or silent:
        failures.append("%s: %s changed without telling the bus: %s" % (program.name, button, silent or "no results"))


def open_from_menu(program, main, letter):
    program.focus_button(main)
    press("Menu")
    time.sleep(0.4)
    press(letter)


def run_one(bin_dir, name, results, box_checked, failures):
    root = tempfile.mkdtemp(prefix="a11y-" + name + "-")
    prepare(root, name)
    program = None
    try:
        for attempt in range(3):
            try:
                program = Program(bin_dir, name, root)
                break
            except RuntimeError:
                if attempt == 2:
                    raise
                time.sleep(1)
        # The tip of the day and any notice of a first run come before the main window.
        known, main = set(), None
        for _ in range(4):
            window = program.new_window(known, timeout=15)
            if window is None:
                raise RuntimeError(name + " showed no main window")
            check_window(name, window, results)
            known.add(title(window))
            if "Tip of the Day" in title(window):
                press("Escape")
            elif window.getRole() == R.ROLE_ALERT:
                press("Return")
            else:
                main = window
                break
        if main is None:
            raise RuntimeError(name + " showed no main window")
        extras = {"zendary": ("c", "Stars Calendar"), "pulsara": ("c", "Biorhythm Chart")}
        if name == "ballora":
            check_announced(program, main, "Calculate", lambda n: n.startswith("Lottery number "), known, failures)
        if name == "pulsara":
            check_announced(program, main, "Measure biorhythms by the traditional method",
                            lambda n: n.endswith(" biorhythm"), known, failures)
        if name in extras:
            letter, target = extras[name]
            open_from_menu(program, main, letter)
            window = follow_boxes(program, known, target, results, box_checked)
            if window is None:
                raise RuntimeError(name + ": " + target + " did not open")
            check_window(name, window, results)
            press("Escape")
        if name == "zendary":
            # No report yet: "Print Report..." answers with a box.
            wait_for(lambda: len(program.windows()) == 1, timeout=5)
            open_from_menu(program, main, "p")
            box = program.new_window(known, timeout=8)
            if box is None:
                raise RuntimeError("zendary: no box for Print Report")
            check_window(name, box, results)
            press("Return")
        if name == "ballora":
            report = next((n for n in controls(main) if (n.name or "").replace("&", "").startswith("Report")), None)
            if report is None:
                raise RuntimeError("ballora: no Report button")
            report.queryComponent().grabFocus()
            time.sleep(0.2)
            press("space")
            window = follow_boxes(program, known, "Mystorin", results, box_checked)
            if window is None:
                raise RuntimeError("ballora: the report viewer did not open")
            check_window(name, window, results)
            press("Escape")
    finally:
        if program:
            program.stop()
        shutil.rmtree(root, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bin_dir")
    parser.add_argument("programs", nargs="*")
    parser.add_argument("--measure", action="store_true", help="print the table, never fail")
    args = parser.parse_intermixed_args()
    programs = args.programs or ["zendary", "duovell", "kismora", "quorvex", "lexivar", "furlova", "pulsara",
                                 "ballora", "psyvane", "furrowen", "bar"]
    if not wait_for(lambda: R.Registry.getDesktop(0) is not None, timeout=10):
        print("the accessibility bus did not come up")
        return 2
    R.Registry.registerEventListener(heard, "object:text-changed", "object:property-change:accessible-value",
                                     "object:value-changed")
    results, failures, box_checked = [], [], [False]
    for name in programs:
        # A program that did not come up as expected (a slow bus, a lost key) is tried once more.
        for attempt in range(2):
            rows, problems, checked = [], [], [box_checked[0]]
            try:
                run_one(args.bin_dir, name, rows, checked, problems)
            except Exception as error:
                if attempt == 0:
                    continue
                problems.append(str(error))
            results.extend(rows)
            failures.extend(problems)
            box_checked[0] = checked[0]
            break
    print("%-9s %-34s %8s %7s %9s %5s %6s" % ("program", "window", "controls", "unnamed", "ambiguous", "codes",
                                               "shared"))
    for r in results:
        print("%-9s %-34s %8d %7d %9d %5d %6d" % (r["program"], r["window"][:34], r["controls"], r["unnamed"],
                                                   r["ambiguous"], r["codes"], r["shared"]))
    findings = 0
    for r in results:
        if r["unnamed"] or r["ambiguous"] or r["codes"] or r["shared"]:
            findings += 1
            print("  %s / %s: %s" % (r["program"], r["window"], r["detail"]))
    for failure in failures:
        print("FAILED: " + failure)
    if args.measure:
        return 0
    return 1 if findings or failures else 0


if __name__ == "__main__":
    sys.exit(main())
