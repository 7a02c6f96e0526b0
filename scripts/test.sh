#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 300

# The whole suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/.
cd ..
scripts/test-sanitized.sh
