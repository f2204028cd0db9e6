# Helpers of the bench scripts that compare commands by CPU time. Sourced;
# TIME must name the timer (bench/shx's shx_bench_time). Each command is run
# in turn with its baseline, so that a machine busy with other work slows
# both alike, and the figures are the medians of user + system CPU time.

# time_into FILE COMMAND...: one run, its figures appended to FILE, its
# output dropped; its exit status does not matter (a glyph a font lacks).
time_into() {
  _file=$1
  shift
  "$TIME" -o "$_file" "$@" </dev/null >/dev/null 2>&1 || true
}

# time_from INPUT FILE COMMAND...: the same with INPUT as the command's stdin.
time_from() {
  _input=$1
  _file=$2
  shift 2
  "$TIME" -o "$_file" "$@" <"$_input" >/dev/null 2>&1 || true
}

# median_cpu FILE: the median CPU time of its runs, in milliseconds.
median_cpu() {
  sort -n -k 2,2 "$1" | awk '{ v[NR] = $2 } END {
    if (NR == 0) { print "nan"; exit }
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.2f\n", m / 1000 }'
}

# ratio A B [TARGET]: A / B with two decimals, and MISSED when above TARGET.
ratio() {
  awk -v a="$1" -v b="$2" -v t="${3:-}" 'BEGIN {
    r = b > 0 ? a / b : 0
    printf "%.2f", r
    if (t != "" && r > t) printf "  MISSED (target <= %s)", t
    else if (t != "") printf "  (target <= %s)", t }'
}
