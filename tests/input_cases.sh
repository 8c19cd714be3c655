#!/usr/bin/env bash
# Runs the cases of tests/input_cases.txt against a program. The test that sources this
# file supplies, for its program:
#   input_start_lamp     start a fresh lamp in a 600 x 500 window; set centre_x, centre_y
#                        to a point inside it, where the pointer waits
#   input_finish_lamp    end it with Escape (its settings are then saved)
#   input_stored NAME    print a stored setting
#   input_key KEYS...    press keys as a person would
# and gj_fail.

input_drag() {
    local button=$1 dx=$2 dy=$3 steps=$4 n x=$centre_x y=$centre_y
    xdotool mousemove "$x" "$y" mousedown "$button"
    for n in $(seq 1 "$steps"); do
        x=$((x + dx)) y=$((y + dy))
        xdotool mousemove "$x" "$y"
        sleep 0.08
    done
    xdotool mouseup "$button"
    xdotool mousemove "$centre_x" "$centre_y"
    sleep 0.3
}

# input_near NAME VALUE TOLERANCE: the stored number is within TOLERANCE of VALUE.
input_near() {
    local value
    value=$(input_stored "$1")
    awk -v v="$value" -v w="$2" -v t="$3" 'BEGIN { if (v == "") exit 1; d = v - w; if (d < 0) d = -d; exit !(d <= t) }' ||
        gj_fail "$case: $1 is '$value', not $2 (within $3)"
}

run_input_cases() {
    local table
    table="$(dirname "${BASH_SOURCE[0]}")/input_cases.txt"
    local line actions expectations action expectation words
    while IFS= read -r line; do
        case "$line" in '' | '#'*) continue ;; esac
        case=$(echo "${line%%|*}" | xargs)
        actions=${line#*|}
        expectations=${actions#*|}
        actions=${actions%%|*}
        input_start_lamp
        IFS=';' read -ra words <<<"$actions"
        for action in "${words[@]}"; do
            read -ra action <<<"$action"
            case "${action[0]}" in
                drag) input_drag "${action[@]:1}" ;;
                click) xdotool click "${action[1]}" ;;
                key) input_key "${action[@]:1}" ;;
                pause) sleep "${action[1]}" ;;
                *) gj_fail "$case: unknown action ${action[0]}" ;;
            esac
        done
        input_finish_lamp
        IFS=';' read -ra words <<<"$expectations"
        for expectation in "${words[@]}"; do
            read -ra expectation <<<"$expectation"
            input_near "${expectation[@]}"
        done
        echo "$case: as expected"
    done <"$table"
}
