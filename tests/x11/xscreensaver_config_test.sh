#!/usr/bin/env bash
# The generated glimmerjar.xml keeps XScreenSaver's conventions: it names the hack and its
# command, every option it names is one the program accepts, and every slider's range and
# default are the program's own (the program is asked, with --print-settings, from a fresh
# settings file; a value just outside a range must be refused).
. "$(dirname "$0")/harness.sh"
gx_setup
xml="$GX_BIN/glimmerjar.xml"
[ -f "$xml" ] || gj_fail "no $xml"
cmp -s "$xml" <("$GX_BIN/glimmerjar" --xscreensaver-config) || gj_fail "$xml is not what the program makes"

python3 - "$xml" "$GX_BIN/glimmerjar" <<'PY' || gj_fail "the description does not match the program"
import subprocess, sys, xml.etree.ElementTree as ET

xml_path, program = sys.argv[1], sys.argv[2]
root = ET.parse(xml_path).getroot()
problems = []
def problem(text):
    problems.append(text)
    print("  " + text)

def settings(*arguments):
    # As the hack runs: with --root (the drift switch has its own default there).
    run = subprocess.run([program, "--print-settings", "--root", *arguments], capture_output=True, text=True)
    if run.returncode != 0:
        return None, run.stderr.strip()
    values = dict(line.split(" = ", 1) for line in run.stdout.splitlines())
    return values, ""

defaults, error = settings()
if defaults is None:
    sys.exit("--print-settings failed: " + error)

if root.tag != "screensaver" or root.get("name") != "glimmerjar" or not root.get("_label"):
    problem("the root element does not name the hack")
commands = [e for e in root if e.tag == "command"]
if [c.get("arg") for c in commands] != ["--root"]:
    problem("the command is not --root")
if root.find("_description") is None or not root.find("_description").text.strip():
    problem("no description")

sliders = checkboxes = 0
for element in root:
    if element.tag == "number":
        sliders += 1
        name, arg = element.get("id"), element.get("arg")
        low, high, default = (float(element.get(k)) for k in ("low", "high", "default"))
        if element.get("type") != "slider" or "%" not in arg or not element.get("_label"):
            problem(f"{name}: not a labelled slider with a value")
            continue
        if float(defaults.get(name, "nan")) != default:
            problem(f"{name}: default {default}, the program's {defaults.get(name)}")
        for value in (low, high, default):
            text = element.get("low") if value == low else element.get("high") if value == high else element.get("default")
            values, error = settings(*arg.replace("%", text).split())
            if values is None:
                problem(f"{arg} with {text} refused: {error}")
            elif float(values[name]) != value:
                problem(f"{arg} with {text} gave {values[name]}")
        step = 1 if float(element.get("high")).is_integer() and high - low >= 1 else 0.001
        for outside in (low - step, high + step):
            values, error = settings(*arg.replace("%", repr(round(outside, 6))).split())
            if values is not None:
                problem(f"{arg} with {outside} accepted, outside {low} to {high}")
    elif element.tag == "boolean":
        checkboxes += 1
        name = element.get("id")
        for key, expected in (("arg-set", "true"), ("arg-unset", "false")):
            arg = element.get(key)
            if arg is None:
                continue
            values, error = settings(arg)
            if name == "showfps":
                if values is None:
                    problem(f"{arg} refused: {error}")
                continue
            if values is None:
                problem(f"{arg} refused: {error}")
                continue
            if values.get(name) != expected:
                problem(f"{arg} left {name} {values.get(name)}")
            # The box shows the default when its argument is not given.
            if defaults.get(name) == expected:
                problem(f"{name}: {key} {arg} gives the default {expected}")
        if (element.get("arg-set") is None) == (element.get("arg-unset") is None):
            problem(f"{name}: a check box needs exactly one of arg-set and arg-unset")
print(f"{sliders} sliders and {checkboxes} check boxes checked against the program")
if sliders < 20 or checkboxes < 4:
    problem("fewer controls than the configuration dialog has")
sys.exit(1 if problems else 0)
PY
echo "ok"
