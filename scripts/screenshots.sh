#!/usr/bin/env bash
# Renders the main window at 1280 x 800 and 1920 x 1080 into docs/ (offscreen, no display
# needed). Run after `make build` (or pass the build directory as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
tool="$build_dir/src/kelvaro-screenshot"
if [ ! -x "$tool" ]; then
  echo "$tool fehlt: erst 'make build' ausführen." >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
"$tool" 1280 800 docs/hauptfenster-1280x800.png 2026-02-10
"$tool" 1920 1080 docs/hauptfenster-1920x1080.png 2026-02-10
echo "docs/hauptfenster-1280x800.png und docs/hauptfenster-1920x1080.png geschrieben."
