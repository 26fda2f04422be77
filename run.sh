#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvel.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/setup.sh"
exec "$root/build/src/cli/orvel-cli" --help "$@"
