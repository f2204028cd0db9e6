// Feeds arbitrary flash files to the extraction, in memory and then on disk.
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

#include <FilePlacement.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
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

// A scratch folder for the whole run; it keeps the files of earlier inputs, so
// extractions also meet files already there: the same, older, or "edited".
std::string MakeScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/glyphora-shx-fuzz-XXXXXX";
    if (!::mkdtemp(name.data())) __builtin_trap();
    return name;
}

const std::string& ScratchFolder() {
    static const std::string folder = MakeScratchFolder();
    // Registered once the name exists, so it runs before the name is destroyed.
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ec;
                                          std::filesystem::remove_all(ScratchFolder(), ec);
                                      }) == 0;
    (void)removedAtExit;
    return folder;
}

// The disk side: groups are put in place whole, so no temporary file stays,
// every listed file holds exactly its listed size, and an answer about an
// edited file is obeyed.
void ExtractOnDisk(const std::vector<uint8_t>& file, uint8_t choices) {
    namespace fs = std::filesystem;
    const std::string& folder = ScratchFolder();
    std::error_code ec;
    if (std::distance(fs::directory_iterator(folder, ec), fs::directory_iterator()) > 64) {
        for (const auto& entry : fs::directory_iterator(folder, ec)) fs::remove(entry.path(), ec);
    }
    const std::string flash = folder + "/flash.shx";
    {
        const int fd = ::open(flash.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || ::write(fd, file.data(), file.size()) != static_cast<ssize_t>(file.size())) __builtin_trap();
        // A flash file older than everything makes the files there "edited".
        const struct timespec epoch { 0, 0 }, now{0, UTIME_NOW};
        const struct timespec times[2] = {{0, UTIME_OMIT}, (choices & 1) != 0 ? epoch : now};
        ::futimens(fd, times);
        ::close(fd);
    }
    ExtractCallbacks callbacks;
    callbacks.askEdited = [choices](const std::string&) { return static_cast<EditedFileChoice>((choices >> 1) % 3); };
    const ExtractResult result = ShxExtractor(std::move(callbacks)).SplitSHX(flash);

    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().filename().string().find(".glyphora-part-") != std::string::npos) __builtin_trap();
    for (const auto& row : result.rows) {
        const glyphora::Result<glyphora::PathInfo> info = glyphora::InspectPath(row.path);
        if (!info || info->kind != glyphora::PathKind::Regular || info->size != row.size) __builtin_trap();
    }
    if (!result.headerPath.empty() && fs::file_size(result.headerPath, ec) != kSuperfileHeaderSize) __builtin_trap();
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

    // Large inputs add nothing on disk that small ones do not, at a high cost.
    if (file.size() <= (1u << 20)) ExtractOnDisk(file, size > 0 ? data[size - 1] : 0);
    return 0;
}
