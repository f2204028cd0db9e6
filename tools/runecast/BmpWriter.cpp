#include "BmpWriter.h"

namespace glyphora::runecast {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kColourTableSize = 2 * 4;
constexpr int32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeMonoBmp(const InkMap& image) {
    const uint32_t width = static_cast<uint32_t>(image.width());
    const uint32_t height = static_cast<uint32_t>(image.height());
    const uint32_t rowBytes = (width + 31) / 32 * 4;
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kColourTableSize;
    const uint32_t imageSize = rowBytes * height;

    std::vector<uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + imageSize);
    Put32(out, 0);  // reserved
    Put32(out, pixelOffset);

    Put32(out, kInfoHeaderSize);
    Put32(out, width);
    Put32(out, height);  // positive: bottom-up
    Put16(out, 1);       // planes
    Put16(out, 1);       // bits per pixel
    Put32(out, 0);       // BI_RGB
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 2);  // colours used
    Put32(out, 0);  // colours important: all

    Put32(out, 0x00000000);  // index 0: black (blue, green, red, reserved)
    Put32(out, 0x00FFFFFF);  // index 1: white

    for (int y = image.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        out.resize(rowStart + rowBytes, 0xFF);
        for (int x = 0; x < image.width(); ++x) {
            if (image.ink(x, y)) {
                out[rowStart + static_cast<std::size_t>(x / 8)] &= static_cast<uint8_t>(~(0x80u >> (x % 8)));
            }
        }
    }
    return out;
}

}  // namespace glyphora::runecast
