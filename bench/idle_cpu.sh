#!/bin/sh
# Idle CPU of the real program with the marquee running: under a virtual X
# server, click ENTER on the splash, let the table settle, then read the
# program's user+system time over ten seconds.
# Usage: bench/idle_cpu.sh [build-dir]     (needs xvfb-run and xdotool)
set -eu
build=$(cd "${1:-build}" && pwd)
program="$build/bin/tumblecrag"
[ -x "$program" ] || { echo "no program at $program (build first)" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is needed to click ENTER (apt-get install xdotool)" >&2; exit 1; }

if [ -z "${IDLE_CPU_ON_DISPLAY:-}" ]; then
    IDLE_CPU_ON_DISPLAY=1 exec xvfb-run -a "$0" "$build"
fi

export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The splash's ENTER button: left 240, top 2520, 2295 by 855 twips; its
# middle in pixels (15 twips each) within the frameless client area.
splash=$(xdotool search --sync --name '^Tumble Crag Splash Screen$' | head -n 1)
xdotool mousemove --window "$splash" 92 196 click 1
xdotool search --sync --name '^Tumble-Crag$' >/dev/null
sleep 2

# utime and stime: fields 14 and 15, counted past the command name.
cpu_ticks() { sed 's/^.*) //' "/proc/$pid/stat" | awk '{ print $12 + $13 }'; }
hz=$(getconf CLK_TCK)
before=$(cpu_ticks)
sleep 10
after=$(cpu_ticks)

awk -v used="$((after - before))" -v hz="$hz" 'BEGIN {
    seconds = used / hz
    printf "idle CPU over 10 s with the marquee running: %.2f s = %.2f%% of one core (goal < 1%%)\n", seconds, seconds * 10
}'
