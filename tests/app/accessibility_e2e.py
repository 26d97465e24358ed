#!/usr/bin/python3
"""The program driven through the desktop's accessibility stack (AT-SPI), as a
screen reader drives it: the boxes found by their accessible names, a month of
use typed into them, "Výpočet" pressed, the 49 result fields and the rows of
a catalogue in the user's tariff folder read back and compared with
sazbar-cli on the same profile.

Usage: accessibility_e2e.py SAZBAR SAZBAR_CLI

Run by itself it starts its own D-Bus session and X server
(dbus-run-session, xvfb-run) and runs again inside them. Exit 77 (skipped)
only when that stack is not installed.
"""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
INNER = "--inside-session"
TIMEOUT = 120  # seconds for the whole run

BANDS = ["Špička", "Odpoledne", "Večer", "Víkend"]
ROWS = ["Pevná linka", "T - Mobile", "Eurotel", "Oskar", None, "Hlasová schránka", "Datové přenosy"]
MESSAGES = ["SMS do T-Mobile", "SMS do Eurotelu", "SMS do Oskara", "MMS"]
INTL_BANDS = ["Špička", "Odpoledne", "Večer a víkend"]
INTL_KEYS = ["peak", "afternoon", "evening_weekend"]


EXAMPLE_TARIFFS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples", "tariffs",
                               "example.json")

LOG = None  # the program's output, shown when the test fails


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    if LOG and os.path.exists(LOG):
        with open(LOG, "rb") as f:
            tail = f.read()[-3000:].decode(errors="replace")
        if tail.strip():
            print("sazbar printed:\n" + tail, file=sys.stderr)
    sys.exit(1)


def skip(message):
    print("SKIP: " + message)
    sys.exit(SKIP)


def profile():
    """A month that every box of the window takes part in; the countries stay
    at the window's defaults 0 to 3."""
    matrix = [[(band * 7 + row) * 3 % 29 + band + 1 for row in range(7)] for band in range(4)]
    return {
        "matrix": matrix,
        "wap": [2, 0, 1, 3],
        "gprs_wap_kb": 150,
        "gprs_internet_kb": 700,
        "international": [
            {"country": r, "peak": 4 + r, "afternoon": 2 * r, "evening_weekend": 9 - r} for r in range(4)
        ],
        "internet_calls": True,
        "direct_debit": True,
        "fixed_line": True,
    }


def box_values(p):
    """Accessible name of each box and the value it gets."""
    values = {}
    for band in range(4):
        for row in range(7):
            if row == 4:
                name = "%s, kusy" % MESSAGES[band]
            else:
                name = "%s, %s, minuty" % (ROWS[row], BANDS[band])
            values[name] = p["matrix"][band][row]
        values["WAP, %s, minuty" % BANDS[band]] = p["wap"][band]
    for r, row in enumerate(p["international"]):
        for b, key in enumerate(INTL_KEYS):
            values["Země %d, %s, minuty" % (r + 1, INTL_BANDS[b])] = row[key]
    values["GPRS WAP, kB"] = p["gprs_wap_kb"]
    values["GPRS internet, kB"] = p["gprs_internet_kb"]
    assert len(values) == 46
    return values


def outside(argv):
    for tool in ("dbus-run-session", "xvfb-run"):
        if not shutil.which(tool):
            skip("%s is not installed" % tool)
    if not any(os.path.exists(p) for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")):
        skip("at-spi2-core is not installed")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        skip("python3-pyatspi is not installed")
    cmd = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
           sys.executable, os.path.abspath(__file__), INNER] + argv
    try:
        return subprocess.run(cmd, timeout=TIMEOUT + 30).returncode
    except subprocess.TimeoutExpired:
        fail("the session did not end within %d s" % (TIMEOUT + 30))


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def wait_for(what, find, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out after %d s waiting for %s" % (seconds, what))


def action(node, names=("Press", "Toggle", "press", "toggle", "click")):
    act = node.queryAction()
    have = [act.getName(i) for i in range(act.nActions)]
    for name in names:
        if name in have:
            return act.doAction(have.index(name))
    fail("%r offers no press or toggle action, only %r" % (node.name, have))


def text_of(node):
    t = node.queryText()
    return t.getText(0, -1)


def inside(argv):
    import pyatspi

    sazbar, cli = (os.path.abspath(a) for a in argv)
    p = profile()
    work = tempfile.mkdtemp(prefix="sazbar-a11y-")
    env = dict(os.environ)
    for var, sub in (("HOME", ""), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                     ("XDG_CACHE_HOME", "cache")):
        env[var] = os.path.join(work, sub)
        os.makedirs(env[var], exist_ok=True)
    env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
    env.pop("QT_SCALE_FACTOR", None)
    # No update check: the setting file in the working directory says so.
    with open(os.path.join(work, "update"), "wb") as f:
        f.write(b"NOCONNECT\r\n")
    profile_path = os.path.join(work, "a11y.sazbar.json")
    with open(profile_path, "w", encoding="utf-8") as f:
        json.dump(p, f)

    # A catalogue in the user's tariff folder, found at start like a tariff
    # saved in an earlier session; its rows are read beside the 49.
    tariffs = os.path.join(env["XDG_DATA_HOME"], "sazbar", "tariffs")
    os.makedirs(tariffs)
    shutil.copy(EXAMPLE_TARIFFS, tariffs)

    def priced(*extra):
        run = subprocess.run([cli, "--format", "json", *extra, profile_path], capture_output=True, timeout=60)
        if run.returncode != 0:
            fail("sazbar-cli refused the profile: " + run.stderr.decode(errors="replace"))
        return json.loads(run.stdout)["results"]

    expected = priced("--tariffs", tariffs)
    compiled = {r["id"] for r in priced()}
    data = [r for r in expected if r["id"] not in compiled]
    if len(compiled) != 49 or not data or len(expected) != 49 + len(data):
        fail("sazbar-cli gave %d results with the catalogue, %d without" % (len(expected), len(compiled)))

    # Asking for the desktop starts the accessibility bus; the program joins
    # it as soon as it is there.
    desktop = pyatspi.Registry.getDesktop(0)
    global LOG
    LOG = os.path.join(work, "sazbar.log")
    log = open(LOG, "wb")
    # The names looked for are the Czech ones, whatever the locale.
    proc = subprocess.Popen([sazbar, "--lang", "cs"], cwd=work, env=env, stdout=log, stderr=subprocess.STDOUT)

    def stop(*_):
        proc.kill()
        fail("the run took longer than %d s" % TIMEOUT)

    signal.signal(signal.SIGALRM, stop)
    signal.alarm(TIMEOUT)
    try:
        def find_app():
            if proc.poll() is not None:
                fail("sazbar ended with %s before it showed its windows" % proc.returncode)
            for i in range(desktop.childCount):
                try:
                    a = desktop.getChildAtIndex(i)
                    if a is not None and a.get_process_id() == proc.pid:
                        return a
                except Exception:
                    continue
            return None

        app = wait_for("sazbar on the accessibility bus", find_app)

        def frame(title):
            def find():
                for i in range(app.childCount):
                    w = app.getChildAtIndex(i)
                    if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
                        return w
                return None
            return find

        def names_in(window):
            found = {}
            for node in walk(window):
                if node.name:
                    found.setdefault(node.name, node)
            return found

        # After the splash (a window of the same title) the main window comes.
        def main_window():
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                if w is None or not w.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                found = names_in(w)
                if "Pevná linka, Špička, minuty" in found:
                    return found
            return None

        by_name = wait_for("the main window with its boxes", main_window)

        values = box_values(p)
        missing = sorted(n for n in values if n not in by_name)
        if missing:
            fail("boxes not found by accessible name: %s" % ", ".join(missing))
        for name, value in values.items():
            node = by_name[name]
            node.queryEditableText().setTextContents(str(value))
        for name, value in values.items():
            got = text_of(by_name[name])
            if got != str(value):
                fail("box %r holds %r after typing %r" % (name, got, str(value)))
        total = by_name.get("Celkem za měsíc, minut")
        if total is None:
            fail("the total of call minutes has no accessible name")
        want_total = sum(p["matrix"][b][r] for b in range(4) for r in (0, 1, 2, 3, 5))
        if text_of(total) != str(want_total):
            fail("total call minutes %r, expected %d" % (text_of(total), want_total))

        internet = by_name.get("Volání přes internet")
        if internet is None:
            fail('no check box "Volání přes internet"')
        action(internet)
        wait_for('"Volání přes internet" checked', lambda: internet.getState().contains(pyatspi.STATE_CHECKED), 10)

        calc = by_name.get("Výpočet")
        if calc is None:
            fail('no button "Výpočet"')
        action(calc)
        results = wait_for("the results window", frame("Výsledky"))

        def results_named():
            return names_in(results)

        named = results_named()
        for label in ("Platba inkasem", "Vypočítat Český Telecom"):
            box = named.get(label)
            if box is None:
                fail("no check box %r in the results window" % label)
            action(box)
            wait_for("%r checked" % label, lambda b=box: b.getState().contains(pyatspi.STATE_CHECKED), 10)

        def all_priced():
            named = results_named()
            got = {}
            for r in expected:
                node = named.get("%s, %s" % (r["name"], r["operator"]))
                if node is None:
                    return None
                got[r["id"]] = (text_of(node), node.description)
            if any(text == "xx" for text, _ in got.values()):
                return None
            return got

        got = wait_for("%d priced result fields" % len(expected), all_priced)
        wrong = []
        for r in expected:
            text, description = got[r["id"]]
            said = description.split("\n")
            if text != r["text"]:
                wrong.append("%s: window %s, sazbar-cli %s" % (r["id"], text, r["text"]))
            if said[0] != r["text"] + " Kč":
                wrong.append("%s: description starts %r" % (r["id"], said[0]))
            if ("nejlevnější tarif" in said) != r["cheapest"]:
                wrong.append("%s: cheapest mark said %s, sazbar-cli %s" % (r["id"], not r["cheapest"], r["cheapest"]))
            if ("nepodporuje všechny požadované služby" in said) != r["unsupported"]:
                wrong.append("%s: unsupported mark said wrongly" % r["id"])
        if wrong:
            fail("%d differences:\n  %s" % (len(wrong), "\n  ".join(wrong)))
        if not any(r["cheapest"] for r in expected) or not any(r["unsupported"] for r in expected):
            fail("the profile should have a cheapest and an unsupported tariff")
        if not any(r["cheapest"] or r["unsupported"] for r in data):
            fail("the catalogue's tariffs should carry a mark for this profile")
        print("%d result fields (%d of them from a catalogue) read through AT-SPI agree with sazbar-cli"
              % (len(expected), len(data)))
        return 0
    finally:
        signal.alarm(0)
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(10)
            except subprocess.TimeoutExpired:
                proc.kill()
        log.close()
        if os.environ.get("SAZBAR_KEEP_A11Y_DIR"):
            print("kept " + work)
        else:
            shutil.rmtree(work, ignore_errors=True)


def main():
    args = sys.argv[1:]
    if args and args[0] == INNER:
        return inside(args[1:])
    if len(args) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    return outside(args)


if __name__ == "__main__":
    sys.exit(main())
