#!/usr/bin/env bash
# Prints every measurement as "name value", one per line, so runs can be compared; each figure is
# the median of several runs. The measurements through windows share one X server of xvfb-run.
set -euo pipefail
build=${1:-build-bench}
"$build/bench/tavorin-bench-headless"
xvfb-run -a "$(dirname "$0")/windows-bench.sh" "$build"
