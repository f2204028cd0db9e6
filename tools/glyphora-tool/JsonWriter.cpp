#include "JsonWriter.h"

#include <cinttypes>

namespace glyphora::tool {

void JsonWriter::beginValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) {
        return;
    }
    Level& level = levels_.back();
    if (!level.empty) {
        putChar(',');
    }
    level.empty = false;
    if (level.oneLine) {
        return;
    }
    putChar('\n');
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        put("  ");
    }
}

void JsonWriter::open(char bracket, bool oneLine) {
    beginValue();
    putChar(bracket);
    // Inside a one-line container everything stays on that line.
    const bool inherited = !levels_.empty() && levels_.back().oneLine;
    levels_.push_back({oneLine || inherited, true});
}

void JsonWriter::close(char bracket) {
    const Level level = levels_.back();
    levels_.pop_back();
    if (!level.oneLine && !level.empty) {
        putChar('\n');
        for (std::size_t i = 0; i < levels_.size(); ++i) {
            put("  ");
        }
    }
    putChar(bracket);
}

void JsonWriter::beginObject(bool oneLine) { open('{', oneLine); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray(bool oneLine) { open('[', oneLine); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::key(std::string_view name) {
    beginValue();
    quoted(name);
    put(levels_.back().oneLine ? ":" : ": ");
    afterKey_ = true;
}

void JsonWriter::number(int64_t value) {
    beginValue();
    std::fprintf(out_, "%" PRId64, value);
}

void JsonWriter::boolean(bool value) {
    beginValue();
    put(value ? "true" : "false");
}

void JsonWriter::string(std::string_view text) {
    beginValue();
    quoted(text);
}

void JsonWriter::quoted(std::string_view text) {
    putChar('"');
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            putChar('\\');
            putChar(c);
        } else if (u < 0x20) {
            std::fprintf(out_, "\\u%04x", u);
        } else {
            putChar(c);
        }
    }
    putChar('"');
}

void JsonWriter::hexString(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    beginValue();
    putChar('"');
    for (uint8_t b : bytes) {
        putChar(kDigits[b >> 4]);
        putChar(kDigits[b & 0x0F]);
    }
    putChar('"');
}

bool JsonWriter::finish() {
    putChar('\n');
    return std::fflush(out_) == 0 && std::ferror(out_) == 0;
}

}  // namespace glyphora::tool
