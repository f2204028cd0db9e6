// Cuts the S-record text of a flash file into lines, streaming it through one
// fixed 512 KiB buffer. A line is handed out as a view into that buffer; only a
// line that straddles two blocks is first gathered in a small line buffer.
#pragma once

#include "ExtractStreams.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace glyphora::shx {

inline constexpr std::size_t kMaxRecordLineLength = 255;

class RecordLineReader {
public:
    enum class LineResult {
        Line,          // `line` holds the text before the CR (the last line may lack its CR)
        End,           // the input has ended; no characters were left
        TooLong,       // no CR within 255 characters
        LineFeedEnds,  // no CR within 255 characters, but an LF: the lines end in LF alone
        ReadError,     // error() names the file and the reason
    };

    // onBlockRead is told the size of every block read, for the progress gauge.
    RecordLineReader(ExtractInput& input, std::span<uint8_t, kStreamBufferSize> buffer,
                     std::function<void(std::size_t)> onBlockRead);

    // The view stays valid until the next call.
    LineResult ReadRecordLine(std::string_view& line) {
        // Nearly every line lies whole in the buffer with room to spare; only
        // lines near a block's end, the text's end or a fault go the long way.
        if (!skipLineFeed_ && position_ + kMaxRecordLineLength + 2 <= fill_) {
            const char* begin = reinterpret_cast<const char*>(buffer_.data()) + position_;
            const std::size_t length = FindCarriageReturn(begin);
            if (length <= kMaxRecordLineLength) {
                line = std::string_view(begin, length);
                position_ += length + 1;
                if (buffer_[position_] == '\n') ++position_;
                ++lineNumber_;
                return LineResult::Line;
            }
        }
        // The slow path hands its line over in a member, so that `line` never
        // has its address taken: it stays in registers, and the caller does
        // not load it back whole from two separate stores (a stall per line).
        const LineResult result = ReadRecordLineAcrossBlocks();
        line = slowLine_;
        return result;
    }

    // 1-based number of the line last handed out, counted from the first line after the header.
    uint64_t lineNumber() const { return lineNumber_; }
    // The line last handed out was ended by the end of the input, not by a CR:
    // a fault in it means the file was cut.
    bool lineEndedByInput() const { return endedByInput_; }
    // What the input reported, once ReadRecordLine gave ReadError.
    const Error& error() const { return error_; }

private:
    // Index of the first CR among the 256 characters from `text`, or 256.
    static std::size_t FindCarriageReturn(const char* text) {
#if defined(__SSE2__)
        const __m128i cr = _mm_set1_epi8('\r');
        auto crIn = [&](std::size_t at) {
            return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)), cr);
        };
        // Record lines are longer than 64 characters: one test passes over the first 64.
        std::size_t start = 0;
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(crIn(0), crIn(16)), _mm_or_si128(crIn(32), crIn(48)))) == 0)
            start = 64;
        for (std::size_t at = start; at <= kMaxRecordLineLength; at += 16) {
            const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
            const int hits = _mm_movemask_epi8(_mm_cmpeq_epi8(chars, cr));
            if (hits != 0) return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(hits)));
        }
        return kMaxRecordLineLength + 1;
#else
        const void* cr = std::memchr(text, '\r', kMaxRecordLineLength + 1);
        return cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - text) : kMaxRecordLineLength + 1;
#endif
    }
    LineResult ReadRecordLineAcrossBlocks();  // the line in slowLine_
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
    bool endedByInput_ = false;
    uint64_t lineNumber_ = 0;
    Error error_;
    std::array<char, kMaxRecordLineLength + 1> straddle_{};
    std::string_view slowLine_;
};

}  // namespace glyphora::shx
