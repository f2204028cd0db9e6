// Runs the renderer in a folder of its own and reads back what it left there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glyphora::testing {

struct RenderRun {
    int status = -1;  // -1 when the renderer did not exit normally
    std::string out;
    std::string err;
};

// The renderer with args, its current folder `folder`, and `env` entries
// (NAME=VALUE) added to the environment; `input` is its stdin (a pipe
// written whole while it runs).
RenderRun RunRenderer(const std::filesystem::path& folder, const std::vector<std::string>& args,
                      const std::vector<std::string>& env = {}, const std::string& input = {});

// A 1-bit BMP as the renderer writes it, checked field by field: rows top
// first, '#' ink (colour index 0, black) and '.' paper (index 1, white).
struct Picture {
    std::vector<std::string> rows;
    int width() const { return rows.empty() ? 0 : static_cast<int>(rows[0].size()); }
    int height() const { return static_cast<int>(rows.size()); }
    int ink() const;
    int topInkRow() const;      // -1 when blank
    int bottomInkRow() const;   // -1 when blank
    int leftInkColumn() const;  // -1 when blank
    std::string text() const;   // for failure messages
};

// The picture, or the reason the file is not a 1-bit bottom-up BMP with a
// black-and-white colour table.
struct BmpRead {
    std::optional<Picture> picture;
    std::string problem;
};
BmpRead ReadMonoBmp(const std::filesystem::path& file);

}  // namespace glyphora::testing
