#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvel.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/setup.sh"
# Until the desktop program exists, show what the command-line tool offers.
exec "$root/build/src/cli/orvel-cli" --help
