#!/usr/bin/env bash
# Installs, as root, the Debian packages of the given lists (one name a line,
# # for comments) that are not installed yet; with no list, those of
# debian-packages.txt beside this script.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
(($#)) || set -- "$here/debian-packages.txt"
mapfile -t wanted < <(cat "$@" | grep -v '^#' | sed '/^[[:space:]]*$/d')
missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
