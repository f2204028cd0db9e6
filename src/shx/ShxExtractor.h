// Extraction of a Motorola SHX flash file: the 8172-byte superfile header is
// written to base + ".hdr", and every S0 ... S3 ... S7 group of records to its
// own code-group file beside the flash file. The flash file is only read.
// A text that breaks on its first record writes nothing.
//
// The text is streamed through two fixed 512 KiB buffers (input and output),
// allocated once per run; records are decoded in place from the line text.
#pragma once

#include "CodeGroupNames.h"
#include "ExtractStreams.h"

#include <Error.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace glyphora::shx {

// Every callback may be left empty.
struct ExtractCallbacks {
    // The status panel: "Extracting Header...", "Extracting LangPack...", errors, "Extracting done."
    std::function<void(const std::string& text)> status;
    // The gauge: range and position in bytes of the flash file; moves once per block read.
    std::function<void(uint64_t minimum, uint64_t maximum, uint64_t position)> progress;
    // The header has been accepted: the list window is shown now.
    std::function<void()> headerAccepted;
    // A code-group file has been written and closed: one list row (AddFileToMCDS).
    std::function<void(const CodeGroupRow& row)> codeGroupWritten;
    // After each code-group file is opened and after each is closed.
    std::function<void()> processPendingMessages;
    // Code group 4 has been written to this file.
    std::function<void(const std::string& path)> langpackFound;
    // A file at an output name holds other bytes than this extraction writes
    // there (an edit, perhaps): replace it, keep it (and go on), or refuse
    // (the extraction ends). Left empty, it is refused.
    EditedFileQuestion askEdited;
};

// What kind of fault broke an extraction off, for a headline that names it.
enum class ExtractFault {
    None,
    NotFlashFile,   // the superfile header is short or lacks its signature
    ReadFailed,     // the flash file could not be opened or read
    Cut,            // the text ends before the header's code groups are all read
    Checksum,       // an S3 record fails its checksum
    Damaged,        // any other break of the record format
    Unsupported,    // a record type this program does not take
    CannotCreate,   // an output file could not be made in the folder
    WriteFailed,    // an output file could not be written in full
    OutputRefused,  // an output name is a link, not a regular file, the flash file, or an edited file
};

struct ExtractResult {
    bool headerAccepted = false;
    // Set once the header file is written: when the first record has been
    // read as one (or at the end, when no slot holds records).
    std::string headerPath;
    std::vector<CodeGroupRow> rows;         // the listed code groups, in order
    std::vector<std::string> filesCreated;  // every file created, listed or not
    bool LangpackFound = false;
    std::string langpackPath;

    // What broke the extraction off: Malformed for a fault of the flash file
    // ("Corrupt file header!", "Invalid SHX file!", "S-Reord wrong checksum!",
    // a line longer than 255 characters, lines that end in LF alone, a count
    // below 5 or past the line, an S0 inside a group, an S3 or S7 outside one,
    // the text ending before the header's count of groups, more groups than
    // slots), Unsupported for a
    // record type it does not take, Io (or Missing) when a file could not be
    // opened, read, created or written. The message names the flash file (and
    // its line) or the output file, and what is wrong.
    std::optional<Error> error;
    ExtractFault fault = ExtractFault::None;
    std::string errorText;   // what the status panel showed
    uint64_t errorLine = 0;  // 1-based line after the header; 0 when not about a line

    bool errorReported() const { return error.has_value(); }
};

// The input and output buffers of a run. A run allocates its own unless it is
// handed these, which lets a caller doing many runs (the fuzzer) keep them.
class ExtractBuffers {
public:
    ExtractBuffers()
        : input_(std::make_unique_for_overwrite<uint8_t[]>(kStreamBufferSize)),
          output_(std::make_unique_for_overwrite<uint8_t[]>(kStreamBufferSize)) {}
    std::span<uint8_t, kStreamBufferSize> input() { return Whole(input_); }
    std::span<uint8_t, kStreamBufferSize> output() { return Whole(output_); }

private:
    static std::span<uint8_t, kStreamBufferSize> Whole(const std::unique_ptr<uint8_t[]>& block) {
        return std::span<uint8_t, kStreamBufferSize>(block.get(), kStreamBufferSize);
    }
    std::unique_ptr<uint8_t[]> input_;
    std::unique_ptr<uint8_t[]> output_;
};

class ShxExtractor {
public:
    explicit ShxExtractor(ExtractCallbacks callbacks = {}) : callbacks_(std::move(callbacks)) {}

    // Reads the flash file read-only and writes beside it. An empty path does nothing.
    ExtractResult SplitSHX(const std::string& flashPath);

    // The same over any input and output; the output paths are built from input.path().
    ExtractResult SplitSHX(ExtractInput& input, OutputFolder& output, ExtractBuffers* buffers = nullptr);

private:
    ExtractCallbacks callbacks_;
};

}  // namespace glyphora::shx
