#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
if [ -x build/cashvane ]; then
    exec build/cashvane
fi
# Until the desktop program is built, show what the command-line tool offers.
exec build/cashvane-cli --help
