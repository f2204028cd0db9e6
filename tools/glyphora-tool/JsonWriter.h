// Writes JSON straight to a stream as it is produced, so that dumping a large
// langpack never holds the whole document in memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace glyphora::tool {

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : out_(out) {}

    // A container opened with oneLine keeps everything inside it on one line;
    // the others put each member on its own indented line.
    void beginObject(bool oneLine = false);
    void endObject();
    void beginArray(bool oneLine = false);
    void endArray();

    void key(std::string_view name);
    void number(int64_t value);
    void boolean(bool value);
    void string(std::string_view text);
    // A string of two lower-case digits per byte, written without a copy.
    void hexString(std::span<const uint8_t> bytes);

    // Ends the document with a newline and flushes; false when any write failed.
    bool finish();

private:
    struct Level {
        bool oneLine;
        bool empty;
    };

    void beginValue();
    void open(char bracket, bool oneLine);
    void close(char bracket);
    void quoted(std::string_view text);
    void put(std::string_view text) { std::fwrite(text.data(), 1, text.size(), out_); }
    void putChar(char c) { std::fputc(c, out_); }

    std::FILE* out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

}  // namespace glyphora::tool
