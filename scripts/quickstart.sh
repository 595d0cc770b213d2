#!/usr/bin/env bash
# Installs what is missing and builds Tessaview.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-dependencies.sh"
"$root/scripts/build.sh"
