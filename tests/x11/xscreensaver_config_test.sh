#!/usr/bin/env bash
# One name for each setting wherever a person meets it: every key of the settings file (as
# --print-settings lists them) is an option of the same name with dashes, and --help, the
# manual page and XScreenSaver's glimmerjar.xml all give it so. The XML keeps the settings
# tool's conventions: it names the hack and its command, every control's argument is one
# the program accepts and sets the value the control shows (a slider that can hold a
# fraction carries a decimal point, or the tool rounds it to a whole number), defaults are
# the program's own, and a value just outside a range is refused. And --frame-rate is
# frames a second: 25 runs at 25.
. "$(dirname "$0")/harness.sh"
gx_setup
xml="$GX_BIN/glimmerjar.xml"
man="$GX_BIN/glimmerjar.6"
[ -f "$xml" ] || gj_fail "no $xml"
[ -f "$man" ] || gj_fail "no $man"
cmp -s "$xml" <("$GX_BIN/glimmerjar" --xscreensaver-config) || gj_fail "$xml is not what the program makes"
"$GX_BIN/glimmerjar" --help >"$GX_TMP/help.txt" || gj_fail "--help failed"

python3 - "$xml" "$GX_BIN/glimmerjar" "$GX_TMP/help.txt" "$man" <<'PY' || gj_fail "the names or the description do not match the program"
import re, subprocess, sys, xml.etree.ElementTree as ET

xml_path, program, help_path, man_path = sys.argv[1:]
root = ET.parse(xml_path).getroot()
usage = open(help_path).read()
# The manual page's text, roff's escapes undone as a reader sees them.
manual = re.sub(r"\\f[BIRP]", "", open(man_path).read()).replace("\\-", "-").replace("\\(em", "-")
problems = []
def problem(text):
    problems.append(text)
    print("  " + text)

def settings(*arguments):
    # As the hack runs: with --root (the drift switch has its own default there).
    run = subprocess.run([program, "--print-settings", "--root", *arguments], capture_output=True, text=True)
    if run.returncode != 0:
        return None, run.stderr.strip()
    return dict(line.split(" = ", 1) for line in run.stdout.splitlines()), ""

def option_of(key):
    return "--" + re.sub(r"[A-Z]", lambda m: "-" + m.group().lower(), key).replace("_", "-")

defaults, error = settings()
if defaults is None:
    sys.exit("--print-settings failed: " + error)

# --- one name: the file's key, the option, --help and the manual page ---
flat_usage = " ".join(usage.split())
flat_manual = " ".join(manual.split())
for key in defaults:
    option = option_of(key)
    for text, where in ((flat_usage, "--help"), (flat_manual, "the manual page")):
        if not re.search(re.escape(option) + r"[ ,]", text):
            problem(f"{where} does not name {option}")
        if "In the settings file: " + key not in text:
            problem(f"{where} does not give {option} the key {key}")
print(f"{len(defaults)} keys named alike in the settings file, --help and the manual page")

# --- the page ---
if root.tag != "screensaver" or root.get("name") != "glimmerjar" or root.get("_label") != "Glimmerjar":
    problem("the root element does not name the hack Glimmerjar")
if [c.get("arg") for c in root.iter("command")] != ["--root"]:
    problem("the command is not --root")
if not (root.findtext("_description") or "").strip():
    problem("no description")

sliders = checkboxes = menus = 0
for element in root.iter():
    if element.tag == "number":
        sliders += 1
        name, arg = element.get("id"), element.get("arg")
        if element.get("type") != "slider" or not arg.endswith(" %") or not (element.get("_high-label") or element.get("_label")):
            problem(f"{name}: not a named slider with a value")
            continue
        if arg != option_of(name) + " %":
            problem(f"{name}: its argument {arg} is not the option of its key")
        texts = {k: element.get(k) for k in ("low", "high", "default")}
        low, high, default = (float(texts[k]) for k in ("low", "high", "default"))
        if float(defaults.get(name, "nan")) != default:
            problem(f"{name}: default {default}, the program's {defaults.get(name)}")
        for text in texts.values():
            values, error = settings(*arg.replace("%", text).split())
            if values is None:
                problem(f"{arg} with {text} refused: {error}")
            elif float(values[name]) != float(text):
                problem(f"{arg} with {text} gave {values[name]}")
        # A fraction the program takes must reach it: the tool keeps fractions only of a
        # slider that shows a decimal point, and writes three decimals.
        fraction = f"{low + 0.3 * (high - low) + min(0.25, (high - low) / 8):.3f}"
        values, _ = settings(*arg.replace("%", fraction).split())
        takes_fractions = values is not None
        shows_fractions = any("." in t for t in texts.values())
        if takes_fractions != shows_fractions:
            problem(f"{name}: the program {'takes' if takes_fractions else 'refuses'} {fraction}, "
                    f"the slider {'keeps' if shows_fractions else 'rounds'} fractions")
        elif takes_fractions and abs(float(values[name]) - float(fraction)) > 1e-6:
            problem(f"{arg} with {fraction} gave {values[name]}")
        step = 0.001 if shows_fractions else 1
        for outside in (low - step, high + step):
            values, error = settings(*arg.replace("%", repr(round(outside, 6))).split())
            if values is not None:
                problem(f"{arg} with {outside} accepted, outside {low} to {high}")
    elif element.tag == "boolean":
        checkboxes += 1
        name = element.get("id")
        if (element.get("arg-set") is None) == (element.get("arg-unset") is None):
            problem(f"{name}: a check box needs exactly one of arg-set and arg-unset")
        for attribute, expected in (("arg-set", "true"), ("arg-unset", "false")):
            arg = element.get(attribute)
            if arg is None:
                continue
            values, error = settings(arg)
            if values is None:
                problem(f"{arg} refused: {error}")
                continue
            if name == "showfps":
                continue
            if arg.replace("--no-", "--") != option_of(name):
                problem(f"{name}: its argument {arg} is not the option of its key")
            if values.get(name) != expected:
                problem(f"{arg} left {name} {values.get(name)}")
            # The box shows the default when its argument is not given.
            if defaults.get(name) == expected:
                problem(f"{name}: {attribute} {arg} gives the default {expected}")
    elif element.tag == "select":
        menus += 1
        name = element.get("id")
        plain = [o for o in element if o.get("arg-set") is None]
        if len(plain) != 1:
            problem(f"{name}: a menu needs exactly one entry without an argument (the default)")
        for entry in element:
            arg, label = entry.get("arg-set"), entry.get("_label")
            shown = label.split()[0]
            if arg is None:
                if defaults.get(name) != shown:
                    problem(f"{name}: the default entry says {label}, the program's default is {defaults.get(name)}")
                continue
            values, error = settings(*arg.split())
            if values is None:
                problem(f"{arg} refused: {error}")
            elif values.get(name) != shown:
                problem(f"{name}: {label} sets {values.get(name)}")
print(f"{sliders} sliders, {checkboxes} check boxes and {menus} menus checked against the program")
if sliders < 20 or checkboxes < 5 or menus < 1:
    problem("fewer controls than the configuration dialog has")
sys.exit(1 if problems else 0)
PY

# --- the frame rate in frames a second ---
gx_start lamp --size 200x200 --frame-rate 25
for _ in $(seq 1 100); do gx_log "$lamp" | grep -q '^Frame timer: 50 ticks' && break; sleep 0.1; done
report=$(gx_log "$lamp" | grep '^Frame timer: 50 ticks') || gj_fail "no frame timer report: $(gx_log "$lamp" | tail -3)"
echo "$report"
[[ $report == *"(interval 40 ms)" ]] || gj_fail "--frame-rate 25 did not ask for 40 ms frames: $report"
apart=$(sed 's/.* ticks, \([0-9.]*\) ms apart.*/\1/' <<<"$report")
awk -v a="$apart" 'BEGIN { exit !(a > 38 && a < 42) }' || gj_fail "--frame-rate 25 drew a frame every $apart ms"
kill -TERM "$(gx_pid "$lamp")"
gj_expect_eq "$(gx_wait_exit "$lamp" 10)" 0 "exit code"
# A rate the lamp does not have is taken as the nearest, and said so.
"$GX_BIN/glimmerjar" --print-settings --frame-rate 30 >"$GX_TMP/30.txt" 2>"$GX_TMP/30.err"
gj_expect_eq "$(grep '^frameRate = ' "$GX_TMP/30.txt")" "frameRate = 33" "the rate taken for --frame-rate 30"
grep -q 'the lamp draws 33 frames a second' "$GX_TMP/30.err" || gj_fail "no word of the rate taken: $(cat "$GX_TMP/30.err")"
echo "ok"
