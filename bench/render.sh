#!/bin/sh
# Rendering speed: glyphora-tool render drawing 1000 glyphs of DejaVu Sans
# (found by its family name) at an em of 16 pixels into a set, and Runecast
# --batch alone drawing the same 1000 characters, each against otf2bdf drawing
# them from the same font file at the same size (16 points at 72 dpi).
# Paired runs; medians of user + system CPU time (bench/support/paired.sh).
#
#   BUILD=build sh bench/render.sh
#   (RENDER_BENCH_RUNS=n; TOOL=... RUNECAST=... time another build's programs)
set -eu

BUILD=${BUILD:-build}
HERE=$(cd "$(dirname "$0")" && pwd)
TOOL=${TOOL:-$BUILD/tools/glyphora-tool/glyphora-tool}
RUNECAST=${RUNECAST:-$BUILD/src/app/files/Runecast}
TIME=$BUILD/bench/shx/shx_bench_time
FONT_FILE=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
FAMILY="DejaVu Sans"
RUNS=${RENDER_BENCH_RUNS:-9}
. "$HERE/support/paired.sh"

for program in "$TOOL" "$RUNECAST" "$TIME"; do
  if [ ! -x "$program" ]; then
    echo "render.sh: $program is missing; build glyphora-tool, runecast and the bench/shx targets first" >&2
    exit 1
  fi
done
command -v otf2bdf >/dev/null || { echo "render.sh: otf2bdf is missing (scripts/bootstrap installs it)" >&2; exit 1; }
[ -f "$FONT_FILE" ] || { echo "render.sh: $FONT_FILE is missing (fonts-dejavu-core)" >&2; exit 1; }

WORK=$(mktemp -d /tmp/glyphora-bench-render.XXXXXX)
trap 'rm -rf "$WORK"' EXIT INT TERM

# Set 2 of the demo langpack (300 glyphs) with Latin Extended, IPA and Greek
# added: 1000 glyphs. The same codes for otf2bdf and for the batch.
cp "$HERE/../samples/demo.smg" "$WORK/base.smg"
"$TOOL" add-chars "$WORK/base.smg" --set 2 --from 0x100 --to 0x3BB --width 8 >/dev/null
CODES="32_126 160_255 256_955 1024_1119 8211_8212 8216_8222 8230 8364 8470 8482"
echo "$CODES" | tr ' ' '\n' | awk -F_ -v family="$FAMILY" '{
  hi = NF > 1 ? $2 : $1
  for (c = $1; c <= hi; ++c) printf "-16 0 %d %s\n", c, family }' >"$WORK/requests"
COUNT=$(wc -l <"$WORK/requests")

render() {
  cp "$WORK/base.smg" "$WORK/run.smg"
  time_into "$1" "$TOOL" render "$WORK/run.smg" --set 2 --from 0 --to $((COUNT - 1)) --font "$FAMILY" --height -16 \
    --renderer "$RUNECAST"
}
otf() { time_into "$1" otf2bdf -p 16 -r 72 -l "$CODES" -o "$WORK/out.bdf" "$FONT_FILE"; }
batch() { time_from "$WORK/requests" "$1" "$RUNECAST" --batch; }

# One of each first: the font and the programs in the page cache, the
# renderer's font cache written.
render "$WORK/warm"
otf "$WORK/warm"
batch "$WORK/warm"
i=0
while [ $i -lt "$RUNS" ]; do
  otf "$WORK/otf"
  render "$WORK/render"
  batch "$WORK/batch"
  i=$((i + 1))
done

OTF=$(median_cpu "$WORK/otf")
RENDER=$(median_cpu "$WORK/render")
BATCH=$(median_cpu "$WORK/batch")
echo "Drawing $COUNT glyphs of $FAMILY at 16 pixels: CPU ms, medians of $RUNS paired runs"
echo "  otf2bdf                  $OTF"
echo "  glyphora-tool render     $RENDER   / otf2bdf $(ratio "$RENDER" "$OTF" 2.0)"
echo "  Runecast --batch         $BATCH   / otf2bdf $(ratio "$BATCH" "$OTF" 1.2)"
