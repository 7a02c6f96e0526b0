#!/usr/bin/env bash
# Valgrind memcheck of two runs of this program:
#   1. cashvane-cli views on a full profile (100 income sources, 100 expenses,
#      100 accounts, 99 history lines), made here with cashvane-cli import;
#   2. one start and close of the real program under Xvfb, reopening the
#      sample session.
# Any memory error, or any definitely lost block, fails the check. Blocks Qt,
# fontconfig and the other system libraries still hold at exit are theirs and
# are not counted; bench/valgrind.supp lists the few system-library reports
# that are not ours, each with its reason.
#
#   bench/valgrind-check.sh [BUILD-FOLDER]     (default: build-valgrind)
#
# Configures and builds what it needs in BUILD-FOLDER (RelWithDebInfo) first.
# Prints one summary line per run and exits non-zero when either run fails.
set -euo pipefail

if [ -z "${CASHVANE_VALGRIND_DISPLAY:-}" ]; then
    # Run again inside a fresh X server of our own.
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        env CASHVANE_VALGRIND_DISPLAY=1 bash "$0" "$@"
fi
cd "$(dirname "$0")/.."
source_dir=$PWD
build=${1:-build-valgrind}

command -v valgrind >/dev/null || { echo "valgrind-check: valgrind is not installed" >&2; exit 2; }

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target cashvane cashvane-cli send-window-close cashvane_sample >/dev/null
build=$(cd "$build" && pwd)
cli=$build/cashvane-cli
program=$build/cashvane
send_close=$build/tests/e2e/send-window-close
sample=$build/samples/Sam_Reyes.cfp
[ -x "$program" ] || { echo "valgrind-check: no cashvane program in $build" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

valgrind_options=(
    --tool=memcheck
    --error-exitcode=99
    --leak-check=full
    --show-leak-kinds=definite
    --errors-for-leak-kinds=definite
    --num-callers=40
    # libdbus forks to start a session bus where there is none; the copy of
    # the program it leaves before exec is not this run.
    --child-silent-after-fork=yes
    --suppressions="$source_dir/bench/valgrind.supp"
)

# The full profile as profile JSON.
entry_json() { # K CATEGORY
    local k=$1 category=$2
    local frequencies=(-1 0 1 2 4 52 3)
    printf '{"title":"%s","useCustom":%d,"customTitle":"Custom %d","frequency":%d,' \
        "$category" $((k % 5 == 0)) "$k" "${frequencies[k % 7]}"
    printf '"startDay":%d,"startMonth":%d,"startYear":%d,"endDay":%d,"endMonth":%d,"endYear":%d,' \
        $((1 + k % 28)) $((1 + k % 12)) $((2024 + k % 4)) $((1 + (k * 7) % 28)) $((1 + (k * 5) % 12)) $((2026 + k % 3))
    printf '"noEndDate":%d,"bankIndex":%d,"paidInCash":%d,"amount":%d.5}' \
        $((k % 3 != 0)) $((k % 101)) $((k % 4 == 0)) $((12 * k))
}
incomes=("Wages / Salary" "Business Income" "Interest Received" "Dividends" "Pension" "Benefits" "Other..")
expenses=("Rent/Mortgage" "Utility Bill" "Food/Shopping" "Personal Drawings" "Business Costs"
          "Insurance" "Vehicle" "Taxes" "Other..")
{
    printf '{"profileName":"Full Profile","incomes":['
    for k in $(seq 1 100); do
        [ "$k" -gt 1 ] && printf ','
        entry_json "$k" "${incomes[k % 7]}"
    done
    printf '],"expenses":['
    for k in $(seq 1 100); do
        [ "$k" -gt 1 ] && printf ','
        entry_json $((k + 1000)) "${expenses[(k + 1000) % 9]}"
    done
    printf '],"accounts":['
    for k in $(seq 1 100); do
        [ "$k" -gt 1 ] && printf ','
        printf '{"accountName":"Account %d","accountType":%d,"bankName":"Bank %d","balance":%d.25,"overdraftLimit":50.0}' \
            "$k" $((k % 7)) "$k" $((100 * k))
    done
    printf '],"history":['
    for k in $(seq 1 99); do
        [ "$k" -gt 1 ] && printf ','
        printf '{"dateText":"%02d/03/2026","actionText":"Add Expense: Rent/Mortgage"}' $((1 + k % 28))
    done
    printf ']}\n'
} > "$work/full.json"
"$cli" import "$work/full.json" "$work/full.cfp"

failed=0
summary() { # NAME LOG STATUS
    local errors definite
    errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9,]*\) errors.*/\1/p' "$2" | tail -n 1)
    definite=$(sed -n 's/.*definitely lost: \([0-9,]*\) bytes.*/\1/p' "$2" | tail -n 1)
    echo "$1: exit status $3, ${errors:-?} errors, ${definite:-0} bytes definitely lost (log: $2)"
    [ "$3" -eq 0 ] || failed=1
}

# 1. cashvane-cli views on the full profile.
status=0
valgrind "${valgrind_options[@]}" --log-file="$work/views.log" \
    "$cli" views "$work/full.cfp" --now "2026-03-05 09:30:00" --seed 7 > "$work/views.json" || status=$?
cp "$work/views.log" "$build/valgrind-views.log"
summary "cashvane-cli views" "$build/valgrind-views.log" "$status"

# 2. One start and close of the program under Xvfb. The smoke test's way of
# starting and closing it, with longer waits: under memcheck it runs
# some thirty times slower.
run_program() {
    local home=$work/home
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    cp "$sample" "$home/Sam_Reyes.cfp"
    printf '%s\r\n' "$home/Sam_Reyes.cfp" > "$home/cfp_tmp.dat"
    HOME=$home XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb \
        valgrind "${valgrind_options[@]}" --log-file="$work/program.log" "$program" &
    local pid=$! window
    window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Orbelin Cashvane v2\.0$' | head -n 1) || {
        echo "valgrind-check: no main window appeared" >&2
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        return 98
    }
    "$send_close" "$window" || {
        echo "valgrind-check: could not press the close button" >&2
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        return 97
    }
    # Closing under memcheck takes a while; a program that has not ended
    # 120 s after its close is stopped, and the run fails.
    (sleep 120 && kill "$pid" 2>/dev/null) &
    local watchdog=$! code=0
    wait "$pid" || code=$?
    kill "$watchdog" 2>/dev/null || true
    wait "$watchdog" 2>/dev/null || true
    return "$code"
}
status=0
run_program || status=$?
cp "$work/program.log" "$build/valgrind-program.log"
summary "cashvane start and close" "$build/valgrind-program.log" "$status"

exit "$failed"
