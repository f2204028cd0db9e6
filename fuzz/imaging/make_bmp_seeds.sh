#!/bin/sh
# Writes the seed corpus of fuzz_bmp_reader: small BMPs of each kind made by
# ImageMagick, an RLE4 file and a top-down file made by hand, and a few
# broken ones. Usage: make_bmp_seeds.sh <folder>
set -eu
out=${1:?folder}
mkdir -p "$out"
plain="-size 9x7 xc:white -fill black -draw 'rectangle 1,1 4,4' -fill '#3080c0' -draw 'rectangle 5,2 7,6'"
shaded="-size 9x7 gradient:white-'#c0e0ff' -fill black -draw 'rectangle 1,1 4,4'"
colourful="-size 9x7 xc:white -channel R -fx i/w -channel G -fx j/h +channel -fill black -draw 'rectangle 1,1 4,4'"
clear="-size 9x7 xc:none -fill black -draw 'rectangle 1,1 4,4' -fill '#3080c080' -draw 'rectangle 5,2 7,6'"
# make NAME FORMAT PICTURE OPTIONS...
make() { name=$1; format=$2; picture=$3; shift 3; eval convert "$picture" "$@" "$format:$out/$name"; }

make 1bit.bmp BMP3 "$plain" -type bilevel
make 4bit.bmp BMP3 "$plain" -type palette
make 8bit.bmp BMP3 "$colourful" -colors 40 -type palette -compress None
make rle8.bmp BMP3 "$colourful" -colors 40 -type palette -compress RLE
make 16bit-555.bmp BMP "$shaded" -alpha off -define bmp:subtype=RGB555
make 16bit-4444-alpha.bmp BMP "$clear" -define bmp:subtype=ARGB4444
make 24bit.bmp BMP3 "$shaded" -type truecolor
make 24bit-os2.bmp BMP2 "$shaded" -type truecolor
make 4bit-os2.bmp BMP2 "$plain" -type palette
make 32bit-v5-alpha.bmp BMP "$clear"
make 32bit-alpha.bmp BMP3 "$clear" -define bmp3:alpha=true

python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]
def bmp(w, h, bits, comp, palette, pixels, header=40):
    off = 14 + 40 + 4 * len(palette)
    f = b'BM' + struct.pack('<IHHI', off + len(pixels), 0, 0, off)
    f += struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, comp, len(pixels), 0, 0, len(palette), 0)
    f += b''.join(struct.pack('<I', c) for c in palette) + bytes(pixels)
    return bytearray(f)
greys = [0x111111 * i for i in range(16)]
def save(name, data): open(f'{out}/{name}', 'wb').write(data)
save('rle4.bmp', bmp(7, 3, 4, 2, greys,
     [4, 0x12, 0, 3, 0x34, 0x50, 0, 0, 9, 0xF0, 0, 0, 0, 5, 0xAB, 0xCD, 0xE0, 0, 2, 0x66, 0, 1]))
save('rle8-delta.bmp', bmp(6, 4, 8, 1, [0, 0xFFFFFF], [6, 1, 0, 0, 2, 1, 0, 2, 2, 1, 2, 1, 0, 0, 3, 1, 0, 1]))
save('bitfields-565.bmp', bmp(5, 2, 16, 3, [0xF800, 0x07E0, 0x001F], [0x1F, 0xF8] * 6 + [0, 0] * 6))
# Top-down: the rows of a 24-bit file turned over and the height negated.
f = bytearray(open(f'{out}/24bit.bmp', 'rb').read())
off, w, h = struct.unpack_from('<I', f, 10)[0], *struct.unpack_from('<ii', f, 18)
stride = (w * 24 + 31) // 32 * 4
rows = [f[off + i * stride: off + (i + 1) * stride] for i in range(h)]
f[off:off + h * stride] = b''.join(reversed(rows))
struct.pack_into('<i', f, 22, -h)
save('topdown.bmp', f)
# Broken ones.
good = bytearray(open(f'{out}/24bit.bmp', 'rb').read())
save('broken-cut.bmp', good[:len(good) - 5])
jpeg = bytearray(good); struct.pack_into('<I', jpeg, 30, 4); save('broken-jpeg.bmp', jpeg)
offset = bytearray(good); struct.pack_into('<I', offset, 10, 0x7FFFFFF0); save('broken-offset.bmp', offset)
rle = bmp(6, 4, 8, 1, [0, 0xFFFFFF], [6, 1, 0, 0, 6]); save('broken-rle-cut.bmp', rle)
PY
