#!/bin/sh
# The editor's start until its first glyph is painted (start_probe on
# the demo langpack: the program's own start, ended at that paint) against
# `glyphora --version` (the process and its libraries, no window), offscreen
# and, when Xvfb is there, on an X display. Paired runs, medians of CPU time
# (user + system); the ratios are what to compare.
#
#   BUILD=build sh bench/start.sh        (START_BENCH_RUNS=n, default 15)
set -eu

BUILD=${BUILD:-build}
PROBE=$BUILD/bench/gui/start_probe
EDITOR=$BUILD/src/app/glyphora
TIME=$BUILD/bench/shx/shx_bench_time
RUNS=${START_BENCH_RUNS:-15}
for program in "$PROBE" "$EDITOR" "$TIME"; do
  [ -x "$program" ] || { echo "start.sh: $program is missing; build it first" >&2; exit 1; }
done

WORK=$(mktemp -d /tmp/glyphora-bench-start.XXXXXX)
XVFB_PID=
cleanup() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT INT TERM
cp samples/demo.smg "$WORK/demo.smg"
# A settings folder of its own: nothing of the user's is read or written.
export XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"

# shellcheck source=bench/support/paired.sh
. "$(dirname "$0")/support/paired.sh"

# Prints "floor_cpu_ms start_cpu_ms" for the present display.
measure() {
  : > "$WORK/floor"; : > "$WORK/start"
  "$PROBE" "$WORK/demo.smg" > /dev/null 2>&1 || { echo "start.sh: the probe failed" >&2; exit 1; }  # warm caches
  i=0
  while [ $i -lt "$RUNS" ]; do
    time_into "$WORK/floor" "$EDITOR" --version
    time_into "$WORK/start" "$PROBE" "$WORK/demo.smg"
    i=$((i + 1))
  done
  echo "$(median_cpu "$WORK/floor") $(median_cpu "$WORK/start")"
}

report() {
  set -- "$1" $2
  printf "%-10s  --version %7s ms cpu   first glyph %7s ms cpu   %s\n" "$1" "$2" "$3" "$(ratio "$3" "$2" 2)"
}

echo "start until the first glyph against glyphora --version (medians of $RUNS paired runs)"
report offscreen "$(QT_QPA_PLATFORM=offscreen measure)"
if command -v Xvfb > /dev/null 2>&1; then
  display=:$(( $$ % 500 + 200 ))
  Xvfb "$display" -screen 0 1280x900x24 > /dev/null 2>&1 &
  XVFB_PID=$!
  sleep 1
  report xvfb "$(DISPLAY=$display QT_QPA_PLATFORM=xcb measure)"
fi
