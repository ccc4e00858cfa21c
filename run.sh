#!/usr/bin/env bash
# Installs what is missing, builds Pictavio (with its themes and demo media)
# and starts it.
#   ./run.sh          start the program
#   ./run.sh --demo   render the demo video without a window
# Further arguments go to pictavio-render, run in the themes folder.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/ensure-deps.sh

pictavio_ensure_deps
pictavio_build build

themes="$PWD/build/themes"
render="$PWD/build/bin/pictavio-render"
port=8642
export PICTAVIO_CONTENT_HOST="${PICTAVIO_CONTENT_HOST:-127.0.0.1:$port}"

# The content server stand-in: serves the download-only theme's videos.
server_pid=""
if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    python3 -m http.server --bind 127.0.0.1 --directory "$themes/content" "$port" \
        >/dev/null 2>&1 &
    server_pid=$!
    trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true' EXIT
fi

cd "$themes"
if [ "${1:-}" = "--demo" ]; then
    shift
    out="${PICTAVIO_DEMO_OUTPUT:-$themes/demo/pictavio-demo.mp4}"
    "$render" --demo --overwrite --output "$out" "$@"
    echo "The demo video is $out"
elif [ $# -gt 0 ]; then
    "$render" "$@"
elif [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    out="${PICTAVIO_DEMO_OUTPUT:-$themes/demo/pictavio-demo.mp4}"
    echo "There is no display to open Pictavio's window on; rendering the demo instead."
    "$render" --demo --overwrite --output "$out"
    echo "The demo video is $out; start ./run.sh from a desktop session for the window."
else
    "$PWD/../bin/pictavio"
fi
