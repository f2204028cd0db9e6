// Feeds arbitrary flash files to the extraction, in memory.
//
// An input that starts with the superfile signature is taken as a whole flash
// file. Any other input describes one compactly, so that the fuzzer spends its
// time in the records rather than in finding the 8172-byte header:
//   byte 0      number of code groups in the header
//   byte 1      number of slots that follow (up to 8)
//   9 bytes     per slot: slot index, start (4 bytes, little-endian), end (4 bytes)
//   the rest    the S-record text
#include "ExtractStreams.h"
#include "ShxExtractor.h"
#include "SuperfileHeader.h"

#include <cstdint>
#include <cstring>
#include <vector>

using namespace glyphora::shx;

namespace {

std::vector<uint8_t> ExpandCompactInput(const uint8_t* data, std::size_t size) {
    std::vector<uint8_t> file(kSuperfileHeaderSize, 0);
    std::memcpy(file.data(), "P2K Superfile", 13);
    std::size_t at = 0;
    if (at < size) file[kGroupCountOffset] = data[at++];
    const std::size_t slots = at < size ? data[at++] % 9 : 0;
    for (std::size_t k = 0; k < slots && at + 9 <= size; ++k, at += 9) {
        const std::size_t slot = data[at] % kSlotCount;
        std::memcpy(file.data() + kSlotTableOffset + slot * kSlotSize, data + at + 1, 8);
    }
    file.insert(file.end(), data + at, data + size);
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const bool wholeFile = size >= 14 && std::memcmp(data, "P2K Superfile", 14) == 0;
    std::vector<uint8_t> file = wholeFile ? std::vector<uint8_t>(data, data + size) : ExpandCompactInput(data, size);

    MemoryInput input("/fuzz/flash.shx", file);
    MemoryFolder output(/*keepBytes=*/false);
    static ExtractBuffers buffers;  // a run's own would cost an mmap per input
    const ExtractResult result = ShxExtractor().SplitSHX(input, output, &buffers);

    // Every file is closed, and no group holds more bytes than half the text.
    uint64_t listed = 0;
    for (const auto& [path, entry] : output.files())
        if (!entry.closed) __builtin_trap();
    for (const auto& row : result.rows) listed += row.size;
    if (file.size() >= kSuperfileHeaderSize && listed > (file.size() - kSuperfileHeaderSize) / 2) __builtin_trap();
    if (result.LangpackFound != !result.langpackPath.empty()) __builtin_trap();
    return 0;
}
