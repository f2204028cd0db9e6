#!/bin/sh
# The Debian package as a user gets it: built from the build tree with cpack,
# unpacked into a scratch root with dpkg -x, and its three programs run from
# their installed places there: glyphora --version, glyphora-tool info on the
# installed demo langpack, and the renderer (through glyphora-tool render,
# which finds it beside itself as the editor does).
# usage: run_package_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/glyphora-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

fail() { echo "package test: $*" >&2; exit 1; }

(cd "$scratch" && cpack -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$scratch"/out/glyphora_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no glyphora_*.deb was made"
echo "made $(basename "$deb")"
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on the Qt 6 widgets"
dpkg-deb --field "$deb" Depends | grep -q 'libfreetype6' || fail "the package does not depend on FreeType"
dpkg-deb --field "$deb" Depends | grep -q 'libfontconfig1' || fail "the package does not depend on fontconfig"

root="$scratch/root"
dpkg -x "$deb" "$root"
for f in usr/bin/glyphora usr/bin/glyphora-tool usr/libexec/glyphora/Runecast \
         usr/share/glyphora/demo.smg usr/share/glyphora/Languages/Deutsch.flp \
         usr/share/applications/glyphora.desktop usr/share/mime/packages/glyphora.xml \
         usr/share/icons/hicolor/scalable/apps/glyphora.svg usr/share/man/man1/glyphora-tool.1; do
  [ -e "$root/$f" ] || fail "$f is not in the package"
done
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$root/usr/share/applications/glyphora.desktop" || fail "the desktop entry does not validate"
fi

version=$("$root/usr/bin/glyphora" --version)
echo "$version"
case "$version" in "glyphora "[0-9]*) ;; *) fail "glyphora --version printed '$version'" ;; esac

info=$("$root/usr/bin/glyphora-tool" info "$root/usr/share/glyphora/demo.smg")
echo "$info" | grep -q "General font" || fail "glyphora-tool info on the installed demo printed: $info"
echo "glyphora-tool info: $(echo "$info" | grep -c .) lines"

cp "$root/usr/share/glyphora/demo.smg" "$scratch/demo.smg"
"$root/usr/bin/glyphora-tool" render "$scratch/demo.smg" --set 2 --from 33 --to 35 --font "DejaVu Sans" --height 16 ||
  fail "glyphora-tool render with the installed renderer failed"
echo "package test: passed"
