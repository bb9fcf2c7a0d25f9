#!/usr/bin/env bash
# The measurements through windows, run by run-bench.sh under xvfb-run, side by side in one run:
#   start-up: from the start of the process to its first window shown, the game (its start window)
#             against the least a Qt Widgets program can show (one empty QWidget) and against the
#             least one that shows Thai (one Thai label);
#   memory:   peak resident memory (VmHWM) of the game in the middle of an all-computer game
#             (after turn 200), against the empty window's and the Thai label's, and the same
#             game's peak after turn 700 against it;
#   waiting:  CPU time over wall time while the computer plays at the new game's speed, its
#             messages answered: its pauses are timers, so this should stay close to 0.
set -euo pipefail
build=$(cd "${1:-build-bench}" && pwd)
runs=${BENCH_RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The game lists the saved games of its current directory: an empty one, the same every run.
mkdir "$work/games"
cd "$work/games"

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { awk -v name="$1" '$1 == name { print $2 }'; }

# One start-up: "<milliseconds to the first window> <VmHWM kB then>".
startup() {
    local start out
    start=${EPOCHREALTIME//[.,]/} # microseconds, taken just before the process starts
    out=$("$@")
    awk -v start="$start" -v shown="$(field shown_ns <<<"$out")" -v hwm="$(field vmhwm_kb <<<"$out")" \
        'BEGIN { printf "%.1f %d\n", (shown / 1000 - start) / 1000, hwm }'
}

for ((i = 0; i < runs; ++i)); do
    TAVORIN_REPORT_SHOWN=1 startup "$build/app/tavorin" >>"$work/game"
    startup "$build/bench/tavorin-bench-minimal" >>"$work/minimal"
    startup "$build/bench/tavorin-bench-thai-label" >>"$work/thai"
done
game_ms=$(cut -d' ' -f1 "$work/game" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal" | median)
minimal_kb=$(cut -d' ' -f2 "$work/minimal" | median)
thai_ms=$(cut -d' ' -f1 "$work/thai" | median)
thai_kb=$(cut -d' ' -f2 "$work/thai" | median)

# The same game goes on to turn 700 (it ends at turn 714): its peak then against its peak at 200.
for ((i = 0; i < 3; ++i)); do
    "$build/bench/tavorin-bench-app" midgame 200 700 >"$work/longgame"
    field vmhwm_kb <"$work/longgame" >>"$work/midgame"
    field vmhwm_kb_last <"$work/longgame" >>"$work/turn700"
    awk '$1 == "vmhwm_kb" { early = $2 } $1 == "vmhwm_kb_last" { print $2 / early }' "$work/longgame" >>"$work/growth"
done
midgame_kb=$(median <"$work/midgame")
turn700_kb=$(median <"$work/turn700")
growth=$(median <"$work/growth")

waiting=$("$build/bench/tavorin-bench-app" waiting "$runs" | field cpu_per_wall)

awk -v g="$game_ms" -v m="$minimal_ms" -v t="$thai_ms" -v gk="$midgame_kb" -v mk="$minimal_kb" -v tk="$thai_kb" \
    -v lk="$turn700_kb" -v gr="$growth" -v w="$waiting" 'BEGIN {
    printf "startup_ms_game %.1f\nstartup_ms_minimal %.1f\nstartup_ms_thai_label %.1f\n", g, m, t
    printf "startup_ratio_game_to_minimal %.2f\nstartup_ratio_game_to_thai_label %.2f\n", g / m, g / t
    printf "memory_peak_kb_game_midgame %d\nmemory_peak_kb_minimal %d\nmemory_peak_kb_thai_label %d\n", gk, mk, tk
    printf "memory_ratio_game_to_minimal %.2f\nmemory_ratio_game_to_thai_label %.2f\n", gk / mk, gk / tk
    printf "memory_peak_kb_game_turn700 %d\nmemory_growth_turn200_to_700 %.3f\n", lk, gr
    printf "waiting_cpu_per_wall_speed_100000 %.4f\n", w
}'
