#!/usr/bin/env bash
# The real program on a real X server, driven from the keyboard as a person
# would drive it: add a bank account and an expense charged to it through the
# menus and the entry windows, save the session through "Save Session As..",
# acknowledge the "Message" box and leave through File > Exit. Then read the
# saved file back with cashvane-cli export and compare it with what was typed.
#
#   add-save-exit-test.sh CASHVANE CASHVANE-CLI
set -euo pipefail

if [ -z "${CASHVANE_E2E_DISPLAY:-}" ]; then
    # Run again inside a fresh X server of our own; xvfb-run stops it when
    # this script ends, however it ends.
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        env CASHVANE_E2E_DISPLAY=1 bash "$0" "$@"
fi

program=$1
cli=$2

# How long one window may take to appear or go away, in seconds. The first
# start may build the font cache, so it gets longer.
start_wait=25
step_wait=10

home=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$home"
}
trap cleanup EXIT

# The titles of the windows on the screen, to show where the program stood.
shown_titles() {
    local id titles=()
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        titles+=("\"$(xdotool getwindowname "$id" 2>/dev/null)\"")
    done
    local IFS=,
    printf '%s' "${titles[*]:-none}"
}

fail() {
    echo "add-save-exit test: $*" >&2
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        echo "--- windows shown: $(shown_titles)" >&2
    fi
    if [ -s "$home/program.log" ]; then
        echo "--- what the program wrote:" >&2
        cat "$home/program.log" >&2
    fi
    exit 1
}

# ---- A private home with an empty profile that the program reopens --------

mkdir -m 700 "$home/runtime"
cat > "$home/start.json" <<'EOF'
{"profileName": "Pat Lin", "incomes": [], "expenses": [], "accounts": [], "history": []}
EOF
"$cli" import "$home/start.json" "$home/start.cfp" || fail "cashvane-cli could not write the starting profile"
cp "$home/start.cfp" "$home/start-before.cfp"
# A last session to reopen, so no first-start question holds the program.
printf '%s\r\n' "$home/start.cfp" > "$home/cfp_tmp.dat"
saved="$home/Household plan.cfp"

# ---- Helpers ----------------------------------------------------------------

# wait_for_window TITLE SECONDS: prints the id of the visible window whose
# title is exactly TITLE, waiting for it to appear.
wait_for_window() {
    local pattern
    pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')\$"
    timeout "$2" xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null | head -n 1
}

# window TITLE: waits for the window, gives it the keyboard and prints its id.
window() {
    local id
    id=$(wait_for_window "$1" "$step_wait") || true
    [ -n "$id" ] || fail "no window titled \"$1\" appeared"
    timeout "$step_wait" xdotool windowfocus --sync "$id" 2>/dev/null \
        || fail "the window \"$1\" could not be given the keyboard"
    printf '%s\n' "$id"
}

# wait_until_closed ID TITLE: waits until the window is no longer shown.
wait_until_closed() {
    local tries=$((step_wait * 10))
    while xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || fail "the window \"$2\" is still open"
        sleep 0.1
    done
}

keys() { xdotool key --delay 40 "$@"; }
# Types into the field that has the keyboard, replacing its text.
replace_text() {
    keys ctrl+a
    xdotool type --delay 20 -- "$1"
}
# Picks an item of the drop-down list that has the keyboard by typing its start.
choose() { xdotool type --delay 20 -- "$1"; }

# menu RIGHTS DOWNS: opens the menu bar from the keyboard, moves RIGHTS menus
# to the right, opens that menu and runs the item DOWNS below its first one.
menu() {
    local i
    window "Orbelin Cashvane v2.0" > /dev/null
    keys alt
    for ((i = 0; i < $1; i++)); do keys Right; done
    keys Down
    for ((i = 0; i < $2; i++)); do keys Down; done
    keys Return
}

# ---- Drive the program ------------------------------------------------------

HOME=$home XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb "$program" > "$home/program.log" 2>&1 &
pid=$!

main=$(wait_for_window "Orbelin Cashvane v2.0" "$start_wait") || true
[ -n "$main" ] || fail "no window titled \"Orbelin Cashvane v2.0\" appeared"

# Banking > Add Bank Account.
menu 4 0
dialog=$(window "Add Bank Account")
xdotool type --delay 20 -- "Household"       # Account Name
keys Tab Down                                # Account Type: Current -> Savings Account
keys Tab
xdotool type --delay 20 -- "Northfield Bank" # Bank Name
keys Tab
replace_text "1520.25"                       # Current Balance
keys Tab
replace_text "250.5"                         # Overdraft Limit
keys Return                                  # Submit
wait_until_closed "$dialog" "Add Bank Account"

# Expenses > Add Expense, charged to the new account.
menu 3 0
dialog=$(window "Add Expense")
keys Down                                    # category: Rent/Mortgage -> Utility Bill
keys Tab space                               # Custom
keys Tab
xdotool type --delay 20 -- "Water rates"     # custom title
keys Tab
choose "Fortnightly"                         # Frequency
keys Tab
choose "15"                                  # start day
keys Tab
choose "September"                           # start month
keys Tab
choose "2027"                                # start year
keys Tab
choose "20"                                  # end day
keys Tab
choose "October"                             # end month
keys Tab
choose "2028"                                # end year
keys Tab space                               # No End Date
keys Tab                                     # Bank Account: the first one, as offered
keys Tab                                     # Paid In Cash stays clear
keys Tab
replace_text "42.75"                         # Amount
keys Return                                  # Submit
wait_until_closed "$dialog" "Add Expense"

# File > Save Session As.. into the private home.
menu 0 3
dialog=$(window "Save Session As..")
replace_text "$saved"
keys Return
wait_until_closed "$dialog" "Save Session As.."

dialog=$(window "Message")
keys Return
wait_until_closed "$dialog" "Message"

# File > Exit. The profile was just saved, so no question comes.
menu 0 4

tries=$((step_wait * 10))
while kill -0 "$pid" 2>/dev/null; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the program is still running after File > Exit"
    sleep 0.1
done
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with exit code $status, not 0"

# ---- Check what was saved ---------------------------------------------------

[ -f "$saved" ] || fail "no session file was saved at $saved"
export_json=$("$cli" export "$saved") || fail "cashvane-cli export could not read $saved"

# section NAME: the lines of one top-level member of the export.
section() {
    printf '%s\n' "$export_json" | awk -v start="  \"$1\": " '
        !open && index($0, start) == 1 { print; open = ($0 ~ /[[{]$/); next }
        open { print; if ($0 ~ /^  []}]/) exit }'
}

expect_section() {
    local name=$1 expected=$2 actual
    actual=$(section "$name")
    if [ "$actual" != "$expected" ]; then
        {
            echo "add-save-exit test: \"$name\" in the saved file is not what was typed"
            echo "--- expected:"
            printf '%s\n' "$expected"
            echo "--- cashvane-cli export showed:"
            printf '%s\n' "$actual"
        } >&2
        exit 1
    fi
}

expect_section profileName '  "profileName": "Pat Lin",'
expect_section incomes '  "incomes": [],'
expect_section accounts '  "accounts": [
    {
      "accountName": "Household",
      "accountType": 2,
      "bankName": "Northfield Bank",
      "balance": 1520.25,
      "overdraftLimit": 250.5
    }
  ],'
expect_section expenses '  "expenses": [
    {
      "title": "Utility Bill",
      "useCustom": 1,
      "customTitle": "Water rates",
      "frequency": 2,
      "startDay": 15,
      "startMonth": 9,
      "startYear": 2027,
      "endDay": 20,
      "endMonth": 10,
      "endYear": 2028,
      "noEndDate": 1,
      "bankIndex": 1,
      "paidInCash": 0,
      "amount": 42.75
    }
  ],'

# The history, newest first: exactly the two lines of this session.
actions=$(printf '%s\n' "$export_json" | sed -n 's/^ *"actionText": "\(.*\)"$/\1/p' | sed '/^$/d')
expected_actions=$'Add Expense: Utility Bill\nAdd Bank: Household'
if [ "$actions" != "$expected_actions" ]; then
    {
        echo "add-save-exit test: the history lines in the saved file are not the two of this session"
        echo "--- expected, newest first:"
        printf '%s\n' "$expected_actions"
        echo "--- cashvane-cli export showed:"
        printf '%s\n' "$actions"
    } >&2
    exit 1
fi
first_two=$(printf '%s\n' "$export_json" | sed -n 's/^ *"actionText": "\(.*\)"$/\1/p' | head -n 2)
[ "$first_two" = "$expected_actions" ] \
    || fail "the history lines are not at the top of the history: $(printf '%s' "$first_two" | paste -sd '|')"

# Saving elsewhere leaves the file the session came from alone, and leaving
# names the saved file as the session to reopen.
cmp -s "$home/start.cfp" "$home/start-before.cfp" \
    || fail "the session file the program started from was changed"
reopen=$(head -n 1 "$home/cfp_tmp.dat" | tr -d '\r')
[ "$reopen" = "$saved" ] \
    || fail "cfp_tmp.dat names \"$reopen\" as the session to reopen, expected \"$saved\""

echo "add-save-exit test: account, expense and two history lines saved and read back; exit code 0"
