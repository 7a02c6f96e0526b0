#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
exec build/cashvane
