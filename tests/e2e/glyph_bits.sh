# Glyphs and pictures as rows of 0 and 1 (1 = ink, leftmost pixel first), so
# a test compares them as text. Sourced by session.sh.

# The line of `glyphora-tool dump` that holds glyph 0 of set 1.
first_glyph_line() {
    grep -m 1 '{"index":0,'
}

# The value of a number or hex-string field of one dumped glyph line.
json_field() {
    printf '%s\n' "$2" | sed -n "s/.*\"$1\":\"\{0,1\}\([0-9a-f]*\).*/\1/p"
}

# glyph_bits WIDTH HEX: the rows of a glyph stored in file form (one byte a
# row up to 8 pixels, else two), cut to its width.
glyph_bits() {
    printf '%s\n' "$2" | awk -v width="$1" '
        function bits(hex,   v, i, s) {
            v = index("0123456789abcdef", substr(hex, 1, 1)) * 16 + index("0123456789abcdef", substr(hex, 2, 1)) - 17
            s = ""
            for (i = 7; i >= 0; i--) s = s (int(v / 2 ^ i) % 2)
            return s
        }
        {
            per_row = width > 8 ? 4 : 2
            for (at = 1; at + per_row - 1 <= length($0); at += per_row) {
                row = ""
                for (k = 0; k < per_row; k += 2) row = row bits(substr($0, at + k, 2))
                print substr(row, 1, width)
            }
        }'
}

# picture_bits FILE: the pixels of a black-and-white picture, black = 1.
picture_bits() {
    convert "$1" -compress none pbm:- | awk '
        /^#/ { next }
        {
            for (f = 1; f <= NF; f++) {
                if (seen < 3) { header[++seen] = $f; continue }
                pixels = pixels $f
            }
        }
        END {
            for (at = 1; at <= length(pixels); at += header[2]) print substr(pixels, at, header[2])
        }'
}

# pattern_picture ROWS FILE: a PNG of the rows (1 = black).
pattern_picture() {
    printf '%s\n' "$1" | awk '
        { rows[NR] = $0 }
        END {
            print "P1"
            print length(rows[1]), NR
            for (r = 1; r <= NR; r++) print rows[r]
        }' | convert pbm:- "$2"
}

# overlay GLYPH ROWS: the glyph with the rows laid over its top-left corner.
overlay() {
    printf '%s\n' "$2" | GLYPH="$1" awk '
        { pattern[NR] = $0 }
        END {
            n = split(ENVIRON["GLYPH"], rows, "\n")
            for (r = 1; r <= n; r++) {
                w = length(rows[r])
                if (r in pattern) rows[r] = substr(pattern[r] substr(rows[r], length(pattern[r]) + 1), 1, w)
                print rows[r]
            }
        }'
}
