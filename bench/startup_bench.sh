#!/usr/bin/env bash
# Start-up as a person meets it: the time from starting a whole process to its window shown on the
# screen, for the game and for a bare Qt main window with a menu and a status bar, under one Xvfb.
# Each is started ROUNDS times (default 10), alternately, each game copy on folders of its own;
# prints both medians in milliseconds and their ratio.
# Usage: startup_bench.sh BUILD_BIN_FOLDER [ROUNDS]
set -euo pipefail
bin=$(readlink -f "${1:?}")
rounds=${2:-10}
work=$(mktemp -d)
xvfb=
trap '[[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null; wait; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 600); do
    [[ -s "$work/display" ]] && DISPLAY=":$(cat "$work/display")" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

# Milliseconds from the start of the program to its first visible window.
shown_after() {
    local start pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do :; done
    echo $((($(date +%s%N) - start) / 1000000))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for round in $(seq "$rounds"); do
    home="$work/home$round"
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    shown_after "$bin/startup_bare" >>"$work/bare"
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
        shown_after "$bin/corvane" >>"$work/game"
done
bare=$(median <"$work/bare")
game=$(median <"$work/game")
echo "bare Qt main window: median $bare ms; Corvane: median $game ms; ratio $(awk "BEGIN { printf \"%.2f\", $game / $bare }")"
