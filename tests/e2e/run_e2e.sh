#!/bin/sh
# Starts the real editor under Xvfb on a fixture langpack, checks the window
# title, takes a screenshot, copies the first glyph to the X clipboard and
# pastes a picture from it, saves, and closes the window with Alt+X, then
# checks that the settings file remembers the langpack.
#   run_e2e.sh GLYPHORA MAKE_LANGPACK GLYPHORA_TOOL SCREENSHOT
set -eu
app=$1
make_langpack=$2
tool=$3
screenshot=$4
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the program, so its settings file lands in the scratch folder.
mkdir "$work/bin"
cp "$app" "$work/bin/glyphora"
"$make_langpack" "$work/lang.smg"
# The view preferences and recent files go to the user's configuration folder:
# the scratch folder's here.
export XDG_CONFIG_HOME="$work/config"

xvfb-run -a -s "-screen 0 1280x900x24" sh "$here/session.sh" "$work" "$screenshot" "$tool"

settings="$work/bin/Glyphora.ini"
grep -q "^BINFile=$work/lang.smg" "$settings" || { echo "settings do not remember the langpack:"; cat "$settings"; exit 1; }
echo "e2e: passed"
