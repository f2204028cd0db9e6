#!/bin/sh
# Runs inside Xvfb: session.sh WORK SCREENSHOT GLYPHORA_TOOL
set -eu
work=$1
screenshot=$2
tool=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/glyph_bits.sh"

"$work/bin/glyphora" "$work/lang.smg" >"$work/glyphora.log" 2>&1 &
pid=$!
xclip_pid=""
# The program and xclip end with the session, however it ends.
cleanup() {
    if [ -n "$xclip_pid" ]; then
        kill "$xclip_pid" 2>/dev/null || true
        wait "$xclip_pid" 2>/dev/null || true
    fi
    kill "$pid" 2>/dev/null || true
}
trap cleanup EXIT
fail() {
    echo "e2e: $*"
    cat "$work/glyphora.log" || true
    exit 1
}

# Wait for the main window with the langpack's name in its title.
wid=""
for _ in $(seq 1 100); do
    wid=$(xdotool search --onlyvisible --name '^Glyphora - ' 2>/dev/null | tail -n 1 || true)
    [ -n "$wid" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.2
done
[ -n "$wid" ] || fail "no window titled 'Glyphora - ...' appeared"
title=$(xdotool getwindowname "$wid")
[ "$title" = "Glyphora - lang.smg [1:1]" ] || fail "window title is '$title'"
echo "e2e: window $wid titled '$title'"

sleep 1
import -window root "$screenshot" || fail "no screenshot"
echo "e2e: screenshot $screenshot"

# Keys go through XTEST to the focused window, as a user's would.
press() {
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    xdotool key --clearmodifiers "$1"
    sleep 0.3
}

# Waits up to 10 s until the clipboard offers `type`.
wait_for_clipboard() {
    for _ in $(seq 1 50); do
        timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx "$1" && return 0
        sleep 0.2
    done
    return 1
}

# The first glyph of the first set is the one shown after the open.
glyph_line=$("$tool" dump "$work/lang.smg" | first_glyph_line) || fail "no first glyph in the dump of lang.smg"
width=$(json_field width "$glyph_line")
data=$(json_field data "$glyph_line")
glyph=$(glyph_bits "$width" "$data")
height=$(printf '%s\n' "$glyph" | wc -l)

# Copy: "Select all image" and Copy; the program must still own the
# clipboard when xclip reads it.
press ctrl+a
press ctrl+c
wait_for_clipboard image/png || fail "Copy put no image/png on the clipboard"
timeout 10 xclip -selection clipboard -t image/png -o >"$work/copied.png" || fail "xclip could not read the copied image"
size=$(identify -format '%wx%h' "$work/copied.png") || fail "the copied image is not a picture"
[ "$size" = "${width}x${height}" ] || fail "the copied image is $size, the glyph ${width}x${height}"
copied=$(picture_bits "$work/copied.png")
[ "$copied" = "$glyph" ] || fail "the copied image differs from the glyph:
$copied
expected:
$glyph"
echo "e2e: copied the ${width}x${height} glyph as PNG"

# Paste: a pattern that xclip owns lands at the top-left as a floating
# selection; Save Image commits it, Ctrl+S saves the langpack.
pattern="1011
0110
1101"
pattern_picture "$pattern" "$work/pattern.png" || fail "could not make the pattern picture"
xclip -quiet -selection clipboard -t image/png -i "$work/pattern.png" >/dev/null 2>&1 &
xclip_pid=$!
wait_for_clipboard image/png || fail "xclip offers no image/png"
press shift+Insert
press alt+s
press ctrl+s
expected=$(overlay "$glyph" "$pattern")
saved=""
for _ in $(seq 1 25); do
    saved_line=$("$tool" dump "$work/lang.smg" | first_glyph_line) || true
    saved=$(glyph_bits "$(json_field width "$saved_line")" "$(json_field data "$saved_line")")
    [ "$saved" = "$expected" ] && break
    sleep 0.2
done
[ "$saved" = "$expected" ] || fail "the saved glyph does not hold the pasted pattern:
$saved
expected:
$expected"
echo "e2e: pasted pattern saved in the langpack"
kill "$xclip_pid" 2>/dev/null || true
xclip_pid=""

# Alt+X is "Exit": the window closes as by its close box.
press alt+x
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not end after Alt+X"
fi
wait "$pid" || fail "the program ended with an error"
