#include "RecordLineReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace glyphora::shx {

RecordLineReader::RecordLineReader(ExtractInput& input, std::span<uint8_t, kStreamBufferSize> buffer,
                                   std::function<void(std::size_t)> onBlockRead)
    : input_(input), buffer_(buffer), onBlockRead_(std::move(onBlockRead)) {}

bool RecordLineReader::RefillInput() {
    Result<std::size_t> got = input_.read(buffer_);
    position_ = 0;
    if (!got) {
        fill_ = 0;
        error_ = std::move(got.error());
        failed_ = true;
        return false;
    }
    fill_ = *got;
    if (fill_ > 0 && onBlockRead_) onBlockRead_(fill_);
    return true;
}

bool RecordLineReader::ExhaustedAfterRefill() {
    if (position_ < fill_) return false;
    // Only a full block can have more input behind it.
    if (fill_ < kStreamBufferSize || failed_) return true;
    if (!RefillInput()) return true;
    return fill_ == 0;
}

RecordLineReader::LineResult RecordLineReader::ReadRecordLineAcrossBlocks() {
    std::string_view& line = slowLine_;
    if (failed_) return LineResult::ReadError;

    if (skipLineFeed_) {
        skipLineFeed_ = false;
        if (!ExhaustedAfterRefill() && buffer_[position_] == '\n') ++position_;
        if (failed_) return LineResult::ReadError;
    }

    std::size_t gathered = 0;   // characters already moved to straddle_
    bool lineFeedSeen = false;  // among them
    for (;;) {
        if (ExhaustedAfterRefill()) {
            if (failed_) return LineResult::ReadError;
            if (gathered == 0) return LineResult::End;
            line = std::string_view(straddle_.data(), gathered);
            ++lineNumber_;
            endedByInput_ = true;
            return LineResult::Line;
        }

        const char* begin = reinterpret_cast<const char*>(buffer_.data()) + position_;
        // One character more than a line may hold: room for its CR.
        const std::size_t scan = std::min(fill_ - position_, kMaxRecordLineLength + 1 - gathered);
        const void* cr = std::memchr(begin, '\r', scan);
        if (cr) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
            if (gathered == 0) {
                line = std::string_view(begin, length);
            } else {
                std::memcpy(straddle_.data() + gathered, begin, length);
                line = std::string_view(straddle_.data(), gathered + length);
            }
            position_ += length + 1;
            if (position_ < fill_) {
                if (buffer_[position_] == '\n') ++position_;
            } else {
                skipLineFeed_ = true;
            }
            ++lineNumber_;
            return LineResult::Line;
        }
        lineFeedSeen = lineFeedSeen || std::memchr(begin, '\n', scan) != nullptr;
        if (gathered + scan > kMaxRecordLineLength) {
            ++lineNumber_;
            return lineFeedSeen ? LineResult::LineFeedEnds : LineResult::TooLong;
        }
        std::memcpy(straddle_.data() + gathered, begin, scan);
        gathered += scan;
        position_ += scan;
    }
}

}  // namespace glyphora::shx
