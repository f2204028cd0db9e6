#!/bin/sh
# Flash-file extraction speed: the extraction core on an SHX file of 160 MiB
# (64 MiB of payload in S3 records of 32 data bytes), against objcopy turning
# the same S-records into binary, and against cp of the SHX file. Best of five
# runs each, with the input in the page cache and new output files; wall time
# and CPU time (user + system) both, since on a busy machine wall time mostly
# measures the wait for a CPU. Then extraction and cp in paired runs, their
# CPU medians compared (bench/support/paired.sh; target: at most cp's).
# Also the extraction's peak memory.
#
#   BUILD=build sh bench/shx.sh        (SHX_BENCH_PAYLOAD=bytes to change the size)
set -eu

BUILD=${BUILD:-build}
GENERATE=$BUILD/bench/shx/shx_bench_generate
EXTRACT=$BUILD/bench/shx/shx_bench_extract
TIME=$BUILD/bench/shx/shx_bench_time
PAYLOAD=${SHX_BENCH_PAYLOAD:-67108864}
RUNS=5

for program in "$GENERATE" "$EXTRACT" "$TIME"; do
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

# "BEST_WALL_US BEST_CPU_US" over $RUNS runs of the command. Every run writes
# new files: replacing a file costs the kernel more than creating one.
best() {
  i=0
  while [ $i -lt $RUNS ]; do
    rm -f "$WORK/phone.hdr" "$WORK"/phone\{*.smg "$WORK/objcopy.bin" "$WORK/copy.shx"
    sync
    "$TIME" "$@"
    i=$((i + 1))
  done | awk 'NR == 1 || $1 < w { w = $1 } NR == 1 || $2 < c { c = $2 } END { print w, c }'
}

EXTRACT_T=$(best "$EXTRACT" "$WORK/phone.shx")
OUT="$WORK/phone{@0x10000000}CG4.smg"
cmp -s "$OUT" "$WORK/phone.bin" || { echo "shx.sh: the extracted code group differs from the payload" >&2; exit 1; }
OBJCOPY_T=$(best objcopy -I srec -O binary "$WORK/phone.srec" "$WORK/objcopy.bin")
cmp -s "$WORK/objcopy.bin" "$WORK/phone.bin" || echo "shx.sh: note: objcopy's output differs from the payload"
CP_T=$(best cp "$WORK/phone.shx" "$WORK/copy.shx")

PEAK_KIB=$(/usr/bin/time -f %M "$EXTRACT" "$WORK/phone.shx" 2>&1 >/dev/null | tail -n 1)

echo "$EXTRACT_T $OBJCOPY_T $CP_T" | awk -v size="$SIZE" -v payload="$PAYLOAD" -v peak="$PEAK_KIB" '{
  exw = $1 / 1000; exc = $2 / 1000; ocw = $3 / 1000; occ = $4 / 1000; cpw = $5 / 1000; cpc = $6 / 1000
  printf "SHX file %.1f MiB, payload %.1f MiB in 32-byte S3 records (best of 5)\n", size / 1048576, payload / 1048576
  printf "                 wall ms    cpu ms\n"
  printf "  extraction  %9.1f %9.1f   (%.0f MiB/s of SHX text by CPU time)\n", exw, exc, size / 1048576 / (exc / 1000)
  printf "  objcopy     %9.1f %9.1f\n", ocw, occ
  printf "  cp          %9.1f %9.1f\n", cpw, cpc
  printf "  objcopy / extraction  wall %.2f  cpu %.2f   (target >= 4)\n", ocw / exw, occ / exc
  printf "  extraction / cp       wall %.2f  cpu %.2f\n", exw / cpw, exc / cpc
  beyond = (peak - 1024) / 1024
  printf "  peak memory %.1f MiB: %.1f MiB beyond the two 512 KiB buffers (target < 8)\n", peak / 1024, beyond
  if (occ / exc < 4) print "  MISSED: extraction is less than 4x faster than objcopy"
  if (beyond >= 8) print "  MISSED: more than 8 MiB beyond the buffers"
}'

. "$(cd "$(dirname "$0")" && pwd)/support/paired.sh"
PAIRS=${SHX_BENCH_PAIRS:-9}
i=0
while [ $i -lt "$PAIRS" ]; do
  rm -f "$WORK/phone.hdr" "$WORK"/phone\{*.smg "$WORK/copy.shx"
  sync
  time_into "$WORK/ex.pairs" "$EXTRACT" "$WORK/phone.shx"
  time_into "$WORK/cp.pairs" cp "$WORK/phone.shx" "$WORK/copy.shx"
  i=$((i + 1))
done
EX=$(median_cpu "$WORK/ex.pairs")
CP=$(median_cpu "$WORK/cp.pairs")
echo "  paired runs ($PAIRS), CPU medians: extraction $EX ms, cp $CP ms   extraction / cp $(ratio "$EX" "$CP" 1.0)"
