// Cuts the S-record text of a flash file into lines, streaming it through one
// fixed 512 KiB buffer. A line is handed out as a view into that buffer; only a
// line that straddles two blocks is first gathered in a small line buffer.
#pragma once

#include "ExtractStreams.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace glyphora::shx {

inline constexpr std::size_t kMaxRecordLineLength = 255;

class RecordLineReader {
public:
    enum class Result {
        Line,       // `line` holds the text before the CR (the last line may lack its CR)
        End,        // the input has ended; no characters were left
        TooLong,    // no CR within 255 characters
        ReadError,  // error() names the file and the reason
    };

    // onBlockRead is told the size of every block read, for the progress gauge.
    RecordLineReader(ExtractInput& input, std::span<uint8_t, kStreamBufferSize> buffer,
                     std::function<void(std::size_t)> onBlockRead);

    // The view stays valid until the next call.
    Result ReadRecordLine(std::string_view& line);

    // 1-based number of the line last handed out, counted from the first line after the header.
    uint64_t lineNumber() const { return lineNumber_; }
    const std::string& error() const { return error_; }

private:
    bool RefillInput();
    // True when no byte is left in the buffer and the input has ended (or failed).
    bool ExhaustedAfterRefill();

    ExtractInput& input_;
    std::span<uint8_t, kStreamBufferSize> buffer_;
    std::function<void(std::size_t)> onBlockRead_;
    // Starting "full and consumed" makes the first read fill the buffer.
    std::size_t fill_ = kStreamBufferSize;
    std::size_t position_ = kStreamBufferSize;
    // The CR of the last line was the last byte in the buffer: its LF, if any,
    // opens the next block and is skipped once that block is there.
    bool skipLineFeed_ = false;
    bool failed_ = false;
    uint64_t lineNumber_ = 0;
    std::string error_;
    std::array<char, kMaxRecordLineLength + 1> straddle_{};
};

}  // namespace glyphora::shx
