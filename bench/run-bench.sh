#!/usr/bin/env bash
# Prints every measurement as "name value", one per line, so runs can be compared.
set -euo pipefail
build=${1:-build-bench}
"$build/bench/tavorin-bench-headless"
