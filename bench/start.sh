#!/bin/sh
# The editor's start until its first glyph is painted (bench_start_probe on
# the demo langpack: the program's own start, ended at that paint) against
# `glyphora --version` (the process and its libraries, no window), offscreen
# and, when Xvfb is there, on an X display. Paired runs, medians of CPU time
# (user + system) and of wall time; the ratios are what to compare.
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

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Prints "floor_cpu_ms start_cpu_ms floor_wall_ms start_wall_ms" for the present display.
measure() {
  : > "$WORK/floor"; : > "$WORK/start"
  "$PROBE" "$WORK/demo.smg" > /dev/null 2>&1 || { echo "start.sh: the probe failed" >&2; exit 1; }  # warm caches
  i=0
  while [ $i -lt "$RUNS" ]; do
    "$TIME" "$EDITOR" --version 2>/dev/null | tail -n 1 >> "$WORK/floor"
    "$TIME" "$PROBE" "$WORK/demo.smg" 2>/dev/null | tail -n 1 >> "$WORK/start"
    i=$((i + 1))
  done
  fc=$(awk '{ print $2 / 1000 }' "$WORK/floor" | median); sc=$(awk '{ print $2 / 1000 }' "$WORK/start" | median)
  fw=$(awk '{ print $1 / 1000 }' "$WORK/floor" | median); sw=$(awk '{ print $1 / 1000 }' "$WORK/start" | median)
  echo "$fc $sc $fw $sw"
}

report() {
  echo "$2" | awk -v where="$1" '{
    printf "%-10s  --version %6.1f ms cpu %6.1f ms wall   first glyph %6.1f ms cpu %6.1f ms wall   %.2fx cpu  %.2fx wall\n",
           where, $1, $3, $2, $4, ($1 > 0 ? $2 / $1 : 0), ($3 > 0 ? $4 / $3 : 0) }'
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
