#!/usr/bin/env bash
# Fetches, as root, Debian's libpng1.6 source package into the folder given
# (default build-windows/libpng-source) and checks the upstream tarball in it
# against the pinned hash. The deb-src entry points at the mirror and suites
# of the machine's own Debian sources.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$root/build-windows/libpng-source}
pinned=$root/scripts/libpng-source.sha256
tarball=$(awk '{print $2}' "$pinned")
system_sources=/etc/apt/sources.list.d/debian.sources
our_sources=/etc/apt/sources.list.d/tessaview-deb-src.sources

if [[ -f $folder/$tarball ]] && (cd "$folder" && sha256sum --quiet -c "$pinned"); then
    exit 0
fi

# The binary stanzas of the system's file, as source stanzas.
wanted=$(awk '
    /^#/ { next }
    /^Types:/ { $0 = "Types: deb-src" }
    { print }
' "$system_sources")
if [[ ! -f $our_sources ]] || [[ $(cat "$our_sources") != "$wanted" ]]; then
    printf '%s\n' "$wanted" >"$our_sources"
fi
apt-get update -qq -o Dir::Etc::sourcelist="$our_sources" -o Dir::Etc::sourceparts=- \
    -o APT::Get::List-Cleanup=0

# From the release suite: the other suites need not carry every source they list.
release=$(awk '/^Suites:/ { print $2; exit }' "$system_sources")
mkdir -p "$folder"
(cd "$folder" && apt-get source --download-only -qq "libpng1.6/$release" 2>&1 |
    { grep -v 'unsandboxed as root' || true; })
if ! (cd "$folder" && sha256sum --quiet -c "$pinned"); then
    echo "fetch-libpng-source: $tarball does not match the pinned sha256" >&2
    exit 1
fi
