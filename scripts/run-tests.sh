#!/usr/bin/env bash
# Runs the whole CTest suite of a build folder; GUI tests need a display, so without one the
# suite runs inside a private Xvfb server.
set -euo pipefail
build=${1:-build}
export NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory
cd "$build"
if [[ -n "${DISPLAY:-}" ]]; then
  exec ctest --output-on-failure -j 2
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --output-on-failure -j 2
