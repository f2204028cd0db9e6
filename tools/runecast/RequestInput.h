// The request lines of a batch, read in blocks from the input's descriptor
// rather than through stdio, so that the renderer can tell whether the next
// request is already there: its answers then wait in the output buffer and
// go out together, instead of one write and one wake-up of the caller each.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace glyphora::runecast {

class RequestInput {
public:
    // A stream without a descriptor (one in memory) is read through stdio.
    RequestInput(std::FILE* in, std::size_t maxLine);

    // One line without its end (nor a CR before it), or false at the end of
    // the input. A line longer than maxLine is read to its end and given as
    // it began.
    bool readLine(std::string& line);

    // Whether more input has arrived (or the input ended) that readLine would
    // take without waiting for the caller.
    bool waiting();

private:
    bool fill();  // false at the end of the input or on an error

    std::FILE* in_;
    int fd_;
    std::size_t maxLine_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

}  // namespace glyphora::runecast
