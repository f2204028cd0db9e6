#!/bin/sh
# Runs inside Xvfb: session.sh WORK SCREENSHOT
set -eu
work=$1
screenshot=$2

"$work/bin/glyphora" "$work/lang.smg" >"$work/glyphora.log" 2>&1 &
pid=$!
fail() {
    echo "e2e: $*"
    cat "$work/glyphora.log" || true
    kill "$pid" 2>/dev/null || true
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

# The clipboard round trip with xclip goes here: copy the glyph with Ctrl+C,
# read it back with `xclip -selection clipboard -t image/png -o`, and paste
# an image put there by xclip.

# Alt+X is "Exit": the window closes as by its close box. The keys go
# through XTEST to the focused window, as a user's would.
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --clearmodifiers alt+x
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not end after Alt+X"
fi
wait "$pid" || fail "the program ended with an error"
