#!/usr/bin/env bash
# The game as a screen reader sees it, from outside the process: under Xvfb, on a private D-Bus
# session with the AT-SPI bus, the client screen_reader_client.py deals a game with F2 and reads
# the person's cards, the commentary line and a message with its buttons through AT-SPI.
# Usage: screen_reader_test.sh PROGRAM. The program runs in a temporary copy of its folder with a
# configuration folder of its own, so no settings file is touched. Everything started here is
# stopped again, and the whole test ends within two minutes.
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
    program=$(readlink -f "${1:?usage: $0 PROGRAM}")
    missing=()
    for tool in dbus-run-session Xvfb xdotool; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    [[ -x /usr/libexec/at-spi-bus-launcher ]] || missing+=(at-spi-bus-launcher)
    # Debian's own Python, which has pyatspi, whatever python3 comes first on the PATH.
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
    if ((${#missing[@]})); then
        echo "FAIL: missing ${missing[*]}; run scripts/setup.sh" >&2
        exit 1
    fi
    exec timeout -k 5 120 dbus-run-session -- bash "$0" --inside "$program"
fi

program=$2
here=$(dirname "$(readlink -f "$0")")
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)

mkdir -p "$work/program" "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$(dirname "$program")"/. "$work/program/"
cd "$work/program"
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "./$(basename "$program")" >"$work/program.log" 2>&1 &
pids+=($!)

if ! /usr/bin/python3 "$here/screen_reader_client.py" "${pids[-1]}"; then
    echo "-- the program's output:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
