#!/usr/bin/env python3
"""Checks the overlay menu of a real program's window, shown, against its own layout line.

    menu_fits.py LOG WIDTH HEIGHT SHOT

LOG holds the program's diagnostic lines; its last "Menu layout" line for a WIDTH x HEIGHT
client area gives each button's drawn rectangle and where the corner text begins. SHOT is a
screenshot of that client area with the menu shown (the lamp's background black). Checked:
every button shown, inside the window with a margin, apart from its neighbours, and above
the corner text with room for a label; in the picture, each button is drawn where the line
says, the gaps between buttons are background, and nothing of the menu touches the window's
edges. Prints what it found; exits 1 on a fault.
"""
import re
import subprocess
import sys

log_path, width, height, shot = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
faults = []


def fault(text):
    faults.append(text)
    print("  " + text)


lines = [l for l in open(log_path, errors="replace").read().replace("\r", "").splitlines()
         if l.startswith(f"Menu layout {width}x{height} ")]
if not lines:
    sys.exit(f"no menu layout for {width}x{height} in {log_path}")
line = lines[-1]
corner = float(re.search(r"corner text from ([-0-9.]+)", line).group(1))
buttons = []
for name, body in re.findall(r" ([A-Z][A-Za-z ]+?) ([-0-9.,]+|hidden);", line):
    if body == "hidden":
        fault(f"{name} is hidden in a {width}x{height} window")
        continue
    corners = re.fullmatch(r"(-?[0-9.]+),(-?[0-9.]+)-(-?[0-9.]+),(-?[0-9.]+)", body)
    left, top, right, bottom = (float(v) for v in corners.groups())
    buttons.append((name, left, top, right, bottom))
print(f"{width}x{height}: " + ", ".join(f"{n} {l:.0f}..{r:.0f}" for n, l, t, r, b in buttons) +
      f"; corner text from {corner:.0f}")
if len(buttons) < 4:
    fault(f"only {len(buttons)} buttons")

size = buttons[0][3] - buttons[0][1] if buttons else 0
for i, (name, left, top, right, bottom) in enumerate(buttons):
    if left < 2 or top < 2 or right > width - 2:
        fault(f"{name} reaches the window's edge: {left},{top}-{right},{bottom}")
    # A hovered button's label goes 14 pixels below it, and a note's line above the text.
    if bottom + 17 > corner - 12:
        fault(f"{name} leaves no room for its label above the corner text ({bottom} against {corner})")
    if i > 0 and left - buttons[i - 1][3] < 2:
        fault(f"{name} touches or overlaps {buttons[i - 1][0]}")
if size < 40 * 108 / 92 - 0.5:
    fault(f"buttons of {size:.0f} pixels, below the least size")

# The picture, as raw RGB.
ppm = subprocess.run(["convert", shot, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
shot_width = int(subprocess.run(["identify", "-format", "%w", shot], capture_output=True, text=True).stdout)
if shot_width != width or len(ppm) != width * height * 3:
    sys.exit(f"the screenshot is not {width}x{height}")


def lit(x, y):
    r, g, b = ppm[3 * (y * width + x):3 * (y * width + x) + 3]
    return max(r, g, b) > 40


def share(x0, y0, x1, y1):
    points = [(x, y) for x in range(max(0, x0), min(width, x1)) for y in range(max(0, y0), min(height, y1))]
    return sum(lit(x, y) for x, y in points) / max(1, len(points))


row_bottom = int(max(b for *_, b in buttons)) + 1 if buttons else 0
for name, left, top, right, bottom in buttons:
    drawn = share(int(left) + 2, int(top) + 2, int(right) - 2, int(bottom) - 2)
    if drawn < 0.5:
        fault(f"{name} is not drawn where the layout puts it ({drawn:.2f} of it lit)")
for (a, _, _, right, _), (b, left, top, _, bottom) in zip(buttons, buttons[1:]):
    gap = share(int(right) + 1, int(top) + 4, int(left), int(bottom) - 4)
    if gap > 0.02:
        fault(f"something drawn between {a} and {b} ({gap:.2f})")
edges = {"top": share(0, 0, width, 2), "left": share(0, 0, 2, row_bottom),
         "right": share(width - 2, 0, width, row_bottom)}
for edge, value in edges.items():
    if value > 0:
        fault(f"the menu reaches the window's {edge} edge ({value:.3f} of it lit)")
sys.exit(1 if faults else 0)
