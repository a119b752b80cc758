#!/usr/bin/env bash
# The game as a screen reader sees it, from outside the process: under Xvfb, on a private D-Bus
# session with the AT-SPI bus, screen_reader_client.py reads the table through AT-SPI (Debian's own
# Python has pyatspi; scripts/setup.sh installs every tool used here).
# Usage: screen_reader_test.sh PROGRAM. The program runs in a temporary copy of its folder with
# configuration folders of its own; everything started here is stopped within two minutes.
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
    exec timeout -k 5 120 dbus-run-session -- bash "$0" --inside "$(readlink -f "${1:?}")"
fi

here=$(dirname "$(readlink -f "$0")")
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait; rm -rf "$work"' EXIT

# Xvfb picks a free display itself and writes its number. It must not reset when its last client
# leaves (its default), or a client going away takes the display from under the program starting.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
# A loaded machine starts it slowly; everything after waits until the display answers.
for _ in $(seq 600); do
    [[ -s "$work/display" ]] && DISPLAY=":$(cat "$work/display")" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
[[ -s "$work/display" ]] || { echo "FAIL: Xvfb gave no display" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
xdpyinfo >/dev/null || { echo "FAIL: display $DISPLAY does not answer" >&2; exit 1; }

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)

mkdir -p "$work/program" "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$(dirname "$2")"/. "$work/program/"
cd "$work/program"
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "./$(basename "$2")" >"$work/program.log" 2>&1 &
pids+=($!)

/usr/bin/python3 "$here/screen_reader_client.py" "${pids[-1]}" || { cat "$work/program.log" >&2; exit 1; }
