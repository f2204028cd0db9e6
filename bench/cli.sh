#!/bin/sh
# Every glyphora-tool command against the price of starting the tool at all
# (glyphora-tool --version) and of any process (/bin/true), on the demo
# langpack and a small flash file. Paired runs; medians of user + system CPU
# time (bench/support/paired.sh). Target: each command within 2x --version.
#
#   BUILD=build sh bench/cli.sh   (CLI_BENCH_RUNS=n; TOOL=... times another build's tool)
set -eu

BUILD=${BUILD:-build}
HERE=$(cd "$(dirname "$0")" && pwd)
TOOL=${TOOL:-$BUILD/tools/glyphora-tool/glyphora-tool}
RUNECAST=${RUNECAST:-$BUILD/src/app/files/Runecast}
TIME=$BUILD/bench/shx/shx_bench_time
GENERATE=$BUILD/bench/shx/shx_bench_generate
RUNS=${CLI_BENCH_RUNS:-7}
. "$HERE/support/paired.sh"

for program in "$TOOL" "$RUNECAST" "$TIME" "$GENERATE"; do
  [ -x "$program" ] || { echo "cli.sh: $program is missing; build the tool, runecast and bench/shx first" >&2; exit 1; }
done

WORK=$(mktemp -d /tmp/glyphora-bench-cli.XXXXXX)
trap 'rm -rf "$WORK"' EXIT INT TERM
cp "$HERE/../samples/demo.smg" "$WORK/base.smg"
"$GENERATE" "$WORK/base.shx" 1048576 32 >/dev/null
"$TOOL" export-bmp "$WORK/base.smg" --set 1 --index 5 --out "$WORK/g.bmp" >/dev/null
"$TOOL" export-bdf "$WORK/base.smg" --set 1 --out "$WORK/f.bdf" >/dev/null
F=$WORK/run.smg
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# name|arguments (the langpack as $F, a fresh copy for each run)
COMMANDS="info|info $F
dump|dump $F
resave|resave $F
set-glyph|set-glyph $F --set 1 --index 0 --width 8 --data 00000000000000000000FF00
set-height|set-height $F --set 4 --height 11
export-bmp|export-bmp $F --set 1 --index 5 --out $WORK/o.bmp
import-bmp|import-bmp $F --set 1 --index 6 --in $WORK/g.bmp
export-bdf|export-bdf $F --set 1 --out $WORK/o.bdf
import-bdf|import-bdf $F --set 1 --in $WORK/f.bdf
export-png|export-png $F --set 1 --out $WORK/o.png
render|render $F --set 1 --from 33 --to 33 --font $FONT --height -12 --renderer $RUNECAST
trim|trim $F --set 1 --from 0 --to 94
add-chars|add-chars $F --set 1 --from 0x400 --to 0x40F --width 6
remove-chars|remove-chars $F --set 1 --from 0x41 --to 0x45
extract|extract $WORK/run.shx --overwrite"

fresh() {
  cp "$WORK/base.smg" "$F"
  cp "$WORK/base.shx" "$WORK/run.shx"
  rm -f "$WORK"/run.hdr "$WORK"/run\{*
}

echo "glyphora-tool commands: CPU ms, medians of $RUNS paired runs"
echo "$COMMANDS" | while IFS='|' read -r name args; do
  rm -f "$WORK/floor" "$WORK/true" "$WORK/cmd"
  i=0
  while [ $i -le "$RUNS" ]; do
    fresh
    # The first round warms the caches and is not counted.
    out=$WORK/cmd; floor=$WORK/floor; tru=$WORK/true
    [ $i -eq 0 ] && out=$WORK/warm && floor=$WORK/warm && tru=$WORK/warm
    time_into "$floor" "$TOOL" --version
    # shellcheck disable=SC2086
    time_into "$out" "$TOOL" $args
    time_into "$tru" /bin/true
    i=$((i + 1))
  done
  C=$(median_cpu "$WORK/cmd")
  V=$(median_cpu "$WORK/floor")
  T=$(median_cpu "$WORK/true")
  printf "  %-13s %7s   --version %6s  /bin/true %5s   / --version %s\n" "$name" "$C" "$V" "$T" "$(ratio "$C" "$V" 2.0)"
done
