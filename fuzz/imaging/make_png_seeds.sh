#!/bin/sh
# Writes the seed corpus of fuzz_png_reader: small PNGs of each colour type
# and depth made by ImageMagick, and broken ones made from them by hand.
# Usage: make_png_seeds.sh <folder>
set -eu
out=${1:?folder}
mkdir -p "$out"
shaded="-size 9x7 gradient:white-'#3060c0' -fill black -draw 'rectangle 1,1 4,4'"
clear="-size 9x7 xc:none -fill '#3060c0' -draw 'rectangle 0,0 5,6' -fill black -draw 'rectangle 1,1 4,4'"
# make NAME PICTURE OPTIONS...
make() { name=$1; picture=$2; shift 2; eval convert "$picture" "$@" "$out/$name"; }

make grey1.png "$shaded" -type Bilevel
make grey16.png "$shaded" -depth 16 -type Grayscale
make grey-alpha.png "$clear" -depth 8 -type GrayscaleAlpha
make rgb16.png "$shaded"
make rgba.png "$clear" -define png:color-type=6
make palette4.png "$shaded" -type Palette -colors 4
make palette-alpha.png "$clear" -define png:format=png8
make interlaced.png "$shaded" -interlace PNG

python3 - "$out" <<'PY'
import struct, sys, zlib
out = sys.argv[1]
good = open(f'{out}/rgba.png', 'rb').read()
def save(name, data): open(f'{out}/{name}', 'wb').write(bytes(data))
crc = bytearray(good); crc[29] ^= 1; save('broken-crc.png', crc)
save('broken-cut.png', good[:len(good) - 20])
# A 2 x 1 grey picture whose row has the unknown filter 7, with valid checksums.
def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))
sig = b'\x89PNG\r\n\x1a\n'
ihdr = chunk(b'IHDR', struct.pack('>IIBBBBB', 2, 1, 8, 0, 0, 0, 0))
save('broken-filter.png', sig + ihdr + chunk(b'IDAT', zlib.compress(b'\x07\x10\x20')) + chunk(b'IEND', b''))
save('zlib-dynamic.bin', zlib.compress(bytes(range(256)) * 8, 9))
PY
