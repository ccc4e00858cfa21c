#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are missing.
# Sourced by run.sh and test.sh; safe to run again.
set -euo pipefail

pictavio_missing_packages() {
    local list="$1" pkg
    grep -vE '^\s*(#|$)' "$list" | while read -r pkg; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || echo "$pkg"
    done
}

pictavio_ensure_deps() {
    local here list missing sudo=""
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    list="$here/packages.txt"
    missing="$(pictavio_missing_packages "$list" | tr '\n' ' ')"
    [ -z "${missing// /}" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Missing packages: $missing (run as root or install sudo)" >&2; return 1; }
        sudo="sudo"
    fi
    echo "Installing: $missing"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

pictavio_build() {
    # pictavio_build <build dir> [cmake options...]; PICTAVIO_TARGET picks one target
    local dir="$1"; shift
    local gen=()
    command -v ninja >/dev/null && gen=(-G Ninja)
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" "${gen[@]}" "$@"
    else
        cmake -S . -B "$dir" "$@" >/dev/null
    fi
    local target=()
    [ -n "${PICTAVIO_TARGET:-}" ] && target=(--target "$PICTAVIO_TARGET")
    cmake --build "$dir" -j "${PICTAVIO_JOBS:-2}" "${target[@]}"
}
