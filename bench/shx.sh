#!/bin/sh
# Flash-file extraction speed: the extraction core on an SHX file carrying
# 64 MiB of payload in S3 records of 32 data bytes, against objcopy turning the
# same S-records into binary, and against cp of the SHX file. Best of three runs
# each, with the file in the page cache. Also the extraction's peak memory.
#
#   BUILD=build sh bench/shx.sh        (SHX_BENCH_PAYLOAD=bytes to change the size)
set -eu

BUILD=${BUILD:-build}
GENERATE=$BUILD/bench/shx/shx_bench_generate
EXTRACT=$BUILD/bench/shx/shx_bench_extract
PAYLOAD=${SHX_BENCH_PAYLOAD:-67108864}
RUNS=3

for program in "$GENERATE" "$EXTRACT"; do
  if [ ! -x "$program" ]; then
    echo "shx.sh: $program is missing; build the bench/shx targets first" >&2
    exit 1
  fi
done

WORK=$(mktemp -d /tmp/glyphora-bench-shx.XXXXXX)
trap 'rm -rf "$WORK"' EXIT INT TERM

"$GENERATE" "$WORK/phone.shx" "$PAYLOAD" 32
SIZE=$(stat -c %s "$WORK/phone.shx")
cat "$WORK/phone.shx" "$WORK/phone.srec" > /dev/null

# Smallest wall time of $RUNS runs of the command, in milliseconds.
best_ms() {
  best=""
  i=0
  while [ $i -lt $RUNS ]; do
    sync
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    i=$((i + 1))
  done
  echo "$best"
}

EXTRACT_MS=$(best_ms "$EXTRACT" "$WORK/phone.shx")
OBJCOPY_MS=$(best_ms objcopy -I srec -O binary "$WORK/phone.srec" "$WORK/objcopy.bin")
CP_MS=$(best_ms cp "$WORK/phone.shx" "$WORK/copy.shx")

OUT="$WORK/phone{@0x10000000}CG4.smg"
cmp -s "$OUT" "$WORK/phone.bin" || { echo "shx.sh: the extracted code group differs from the payload" >&2; exit 1; }
cmp -s "$WORK/objcopy.bin" "$WORK/phone.bin" || echo "shx.sh: note: objcopy's output differs from the payload"

PEAK_KIB=$(/usr/bin/time -f %M "$EXTRACT" "$WORK/phone.shx" 2>&1 >/dev/null | tail -n 1)

awk -v size="$SIZE" -v payload="$PAYLOAD" -v ex="$EXTRACT_MS" -v oc="$OBJCOPY_MS" -v cp="$CP_MS" -v peak="$PEAK_KIB" 'BEGIN {
  if (ex < 1) ex = 1
  printf "SHX file %.1f MiB, payload %.1f MiB in 32-byte S3 records\n", size / 1048576, payload / 1048576
  printf "  extraction  %6d ms  (%.0f MiB/s of SHX text)\n", ex, size / 1048576 / (ex / 1000)
  printf "  objcopy     %6d ms  ratio objcopy/extraction %.2f  (target >= 4)\n", oc, oc / ex
  printf "  cp          %6d ms  ratio extraction/cp      %.2f  (target <= 1.5)\n", cp, ex / (cp < 1 ? 1 : cp)
  beyond = (peak - 1024) / 1024
  printf "  peak memory %6.1f MiB (%.1f MiB beyond the two 512 KiB buffers; target < 8)\n", peak / 1024, beyond
  if (oc / ex < 4) print "  MISSED: extraction is less than 4x faster than objcopy"
  if (ex / (cp < 1 ? 1 : cp) > 1.5) print "  MISSED: extraction takes more than 1.5x the time of cp"
  if (beyond >= 8) print "  MISSED: more than 8 MiB beyond the buffers"
}'
