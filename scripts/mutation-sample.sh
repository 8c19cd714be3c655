#!/usr/bin/env bash
# A sample of one-line breakages across the subsystems, each tried against the tests aimed
# at it: the line is broken, the test binary built again and the tests run; a breakage
# they do not catch is a gap in the tests. Every file is put back, also when interrupted.
#   mutation-sample.sh [BUILD_DIR]     (default build/linux; a configured native tree)
# Prints one line per breakage, "caught" or "SURVIVED", and exits 1 when one survived.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/linux}
[ -f "$build/build.ninja" ] || { echo "no configured tree in $build (scripts/build.sh linux)"; exit 2; }
cd "$root" && exec python3 - "$build" <<'PY'
import os, signal, subprocess, sys

build = sys.argv[1]
# (file, the line as it stands, the line broken (empty: the line taken out), binary, tests)
breakages = [
    ("settings/setting_values.cpp",
     "        stored = number < row.minimum ? row.minimum : row.maximum;",
     "        stored = number > row.minimum ? row.minimum : row.maximum;",
     "unit_tests", "SettingsFileTest.NumbersAndFlagsAreCheckedByKind"),
    ("settings/setting.cpp",
     "    if (value > maximumValue_) return maximumValue_;",
     "    if (value > maximumValue_) return minimumValue_;",
     "unit_tests", "SettingTest.*"),
    ("settings/registry_values.cpp",
     "    return readDword(store, name, &value) ? value != 0 : defaultValue;",
     "    return readDword(store, name, &value) ? value == 1 : defaultValue;",
     "unit_tests", "RegistryValuesTest.*"),
    ("settings/setting_line.cpp",
     'std::string joinSettingLine(const SettingLineParts& parts) { return parts.key + " = " + parts.value + parts.comment; }',
     'std::string joinSettingLine(const SettingLineParts& parts) { return parts.key + " = " + parts.value; }',
     "unit_tests", "SettingsFileTest.*"),
    ("platform/posix/shared_file_posix.cpp",
     "    return setTurnstile(fd, F_WRLCK) || (errno != EAGAIN && errno != EACCES && errno != EINTR);",
     "    return true;",
     "unit_tests", "SettingsFileTest.ALampSavingAgainAndAgainLetsAWaitingOneIn"),
    ("lamp/lava_state.cpp",
     "    writeDword(store, blobCountValue, 0);",
     "",
     "unit_tests", "LavaStateTest.*"),
    ("lava/lava_physics.cpp",
     "        b.force.y += t * lava.buoyancy;",
     "        b.force.y -= t * lava.buoyancy;",
     "unit_tests", "LavaTest.*"),
    ("lava/blob_record.cpp",
     "           blob.velocity.length() <= blobSpeedLimit + hair &&  //",
     "           blob.velocity.length() <= 100 * blobSpeedLimit &&  //",
     "unit_tests", "LavaStateTest.*:BlobRecord*"),
    ("lava/lava_colours.h",
     "    return lava.lavaColour * (1.0f - h) + lava.hotColour * h;",
     "    return lava.lavaColour * h + lava.hotColour * (1.0f - h);",
     "unit_tests", "PolygoniserTest.*"),
    ("scene/bmp.cpp",
     "    return bytes % 4 == 0 ? bytes : (bytes / 4) * 4 + 4;",
     "    return bytes;",
     "unit_tests", "Bmp*"),
    ("overlay/view_dragger.cpp",
     "    if (std::fabs(dy) > 50 || std::fabs(dx) > 50) return false;",
     "    if (std::fabs(dy) > 50) return false;",
     "unit_tests", "OverlayTest.*"),
    ("shell/frame_timer.cpp",
     "        std::copy(at + 1, end, at);",
     "",
     "unit_tests", "FrameTimerTest.*"),
    ("shell/close_policy.cpp",
     "    if (!closeRequested) return true;",
     "    if (!closeRequested) return false;",
     "unit_tests", "ClosePolicy*"),
    ("shell/monitor_layout.cpp",
     "        viewports.push_back({left - client.left, client.bottom() - bottom, right - left, bottom - top});",
     "        viewports.push_back({left - client.left, top - client.top, right - left, bottom - top});",
     "unit_tests", "MonitorLayout*"),
    ("help/manual_text_writer.cpp",
     "            const bool below = longTermsBelow && block.written.size() > shortTermLength;",
     "            const bool below = longTermsBelow && block.written.size() > 2 * shortTermLength;",
     "unit_tests", "Manual*"),
    ("shell/lamp_life.cpp",
     "    save();",
     "",
     "gl_tests", "LampLifeTest.*"),
    ("shell/lamp_life.cpp",
     "    if (glReady && platform_.watched()) drawFrame(lamp_->pipeline.animate);",
     "    if (platform_.watched()) drawFrame(lamp_->pipeline.animate);",
     "gl_tests", "LampLifeTest.*"),
]

kept = {}
def restore():
    for path, text in kept.items():
        open(path, "w").write(text)
    kept.clear()
signal.signal(signal.SIGINT, lambda *_: (restore(), sys.exit(130)))
signal.signal(signal.SIGTERM, lambda *_: (restore(), sys.exit(143)))

survived = 0
try:
    for path, line, broken, binary, tests in breakages:
        text = open(path).read()
        if text.count(line + "\n") != 1:
            print(f"NOT FOUND  {path}: {line.strip()}")
            survived += 1
            continue
        kept[path] = text
        open(path, "w").write(text.replace(line + "\n", broken + "\n" if broken else "", 1))
        built = subprocess.run(["cmake", "--build", build, "--target", binary], capture_output=True).returncode == 0
        shown = broken.strip() or "(taken out) " + line.strip()
        if not built:
            print(f"caught     {path}: it no longer builds")
        elif subprocess.run([f"{build}/tests/{binary}", f"--gtest_filter={tests}"], capture_output=True).returncode == 0:
            print(f"SURVIVED   {path}: {shown}   [{tests}]")
            survived += 1
        else:
            print(f"caught     {path}: {shown}   by {tests}")
        restore()
finally:
    restore()
    subprocess.run(["cmake", "--build", build, "--target", "unit_tests", "gl_tests"], capture_output=True)
print(f"{len(breakages) - survived} of {len(breakages)} caught")
sys.exit(1 if survived else 0)
PY
