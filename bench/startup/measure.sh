#!/usr/bin/env bash
# Start-up time and peak memory of the program with the sample profile open,
# against a minimal Qt Widgets program showing one empty 800 x 600 window.
# A third program shows the program's main window with nothing in it, which
# parts the difference into the cost of the window's widgets and what the
# profile and its figures add. All three run in turn on one private X server
# (Xvfb), RUNS times each, and the medians are printed with their ratios to
# the minimal window.
#
#   bench/startup/measure.sh [BUILD-FOLDER] [RUNS]     (defaults: build, 10)
#
# Needs: a build of the targets cashvane, cashvane_sample, minimal_window,
# empty_main_window, startup-probe and send-window-close; xvfb-run and xauth (Debian: xvfb, xauth).
# The time runs from exec to the window being mapped and viewable (startup-probe
# waits for the X server's MapNotify); the memory is the kernel's peak resident
# set of the process (ru_maxrss). Each program is closed through its close
# button and must end with exit code 0.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-10}

if [ -z "${CASHVANE_MEASURE_DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "measure.sh: needs xvfb-run (Debian package xvfb)" >&2; exit 2; }
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        env CASHVANE_MEASURE_DISPLAY=1 bash "$0" "$build" "$runs"
fi

program=$build/cashvane
minimal=$build/bench/startup/minimal_window
empty=$build/bench/startup/empty_main_window
probe=$build/bench/startup/startup-probe
closer=$build/tests/e2e/send-window-close
sample=$build/samples/Sam_Reyes.cfp
for needed in "$program" "$minimal" "$empty" "$probe" "$closer" "$sample"; do
    [ -e "$needed" ] || { echo "measure.sh: $needed is missing; build it first" >&2; exit 2; }
done

# A private home for every run: never the real one. Its session file names a
# copy of the sample, so the program opens it without asking anything.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_once() { # NAME TITLE PROGRAM -> appends "ms kib" to $work/NAME
    local name=$1 title=$2 binary=$3 home result
    home=$(mktemp -d "$work/home.XXXXXX")
    mkdir -m 700 "$home/runtime"
    cp "$sample" "$home/Sam_Reyes.cfp"
    printf '%s\r\n' "$home/Sam_Reyes.cfp" > "$home/cfp_tmp.dat"
    result=$(HOME=$home XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb \
        "$probe" "$title" "$closer" "$binary")
    rm -rf "$home"
    read -r ms kib status <<< "$result"
    if [ "$status" != 0 ]; then
        echo "measure.sh: $name ended with exit code $status" >&2
        exit 1
    fi
    echo "$ms $kib" >> "$work/$name"
}

median() { # COLUMN FILE
    cut -d' ' -f"$1" "$2" | sort -g | awk '{ v[NR] = $1 } END {
        if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Name, window title and binary of each program measured, the yardstick first.
programs=(
    "minimal|Minimal Qt window|$minimal"
    "empty|Orbelin Cashvane v2.0|$empty"
    "program|Orbelin Cashvane v2.0|$program"
)

# One unrecorded start of each first, so all find the fonts and libraries in
# the page cache; then they take turns, so load from elsewhere on the machine
# falls on all alike.
for entry in "${programs[@]}"; do
    IFS='|' read -r name title binary <<< "$entry"
    run_once warmup "$title" "$binary"
    : > "$work/$name"
done
for _ in $(seq 1 "$runs"); do
    for entry in "${programs[@]}"; do
        IFS='|' read -r name title binary <<< "$entry"
        run_once "$name" "$title" "$binary"
    done
done

echo "Medians of $runs runs each, exec to window shown, peak resident memory;"
echo "ratios to the minimal window (aim for the program: at most 1.30 each):"
min_ms=$(median 1 "$work/minimal")
min_kib=$(median 2 "$work/minimal")
for entry in "${programs[@]}"; do
    IFS='|' read -r name title binary <<< "$entry"
    case $name in
        minimal) label="minimal Qt window (800 x 600)" ;;
        empty) label="main window, nothing in it" ;;
        program) label="cashvane, Sam_Reyes.cfp open" ;;
    esac
    awk -v label="$label" -v ms="$(median 1 "$work/$name")" -v kib="$(median 2 "$work/$name")" \
        -v mm="$min_ms" -v mk="$min_kib" 'BEGIN {
        printf "  %-32s %7.1f ms %5.2f  %6.1f MiB %5.2f\n", label, ms, ms / mm, kib / 1024, kib / mk }'
done
for entry in "${programs[@]}"; do
    IFS='|' read -r name title binary <<< "$entry"
    echo "$name runs (ms KiB): $(tr "\n" ";" < "$work/$name")"
done
