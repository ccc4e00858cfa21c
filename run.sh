#!/usr/bin/env bash
# Installs what is missing, builds Pictavio in build/ and tells what was built.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/ensure-deps.sh

pictavio_ensure_deps
pictavio_build build

echo
echo "Built in build/:"
ls -1 build/lib/*.so* build/bin 2>/dev/null | sed 's/^/  /'
