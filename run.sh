#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvel.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/setup.sh"
# The desktop program; options such as --language and --open pass through
# (build/bin/orvel --help lists them).
exec "$root/build/bin/orvel" "$@"
