#!/usr/bin/env bash
# The real program on a real X server: start it with a private home folder
# that names a session to reopen, find its window by title, check its size,
# close it through the close button and expect exit code 0.
#
#   smoke-test.sh CASHVANE SEND-WINDOW-CLOSE SAMPLE.cfp
set -euo pipefail

if [ -z "${CASHVANE_SMOKE_DISPLAY:-}" ]; then
    # Run again inside a fresh X server of our own.
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        env CASHVANE_SMOKE_DISPLAY=1 bash "$0" "$@"
fi

program=$1
send_close=$2
sample=$3

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
cp "$sample" "$home/Sam_Reyes.cfp"
# A last session to reopen, so no first-start question holds the program.
printf '%s\r\n' "$home/Sam_Reyes.cfp" > "$home/cfp_tmp.dat"

HOME=$home XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb "$program" &
pid=$!

fail() {
    echo "smoke test: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Orbelin Cashvane v2\.0$' | head -n 1) \
    || fail "no window titled \"Orbelin Cashvane v2.0\" appeared"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
[ "$geometry" = "800x600" ] || fail "the window is $geometry, not 800x600"

"$send_close" "$window" || fail "could not press the close button"

for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after its window was closed"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
echo "smoke test: window found at 800x600, closed with exit code 0"
