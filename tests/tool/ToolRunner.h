// Runs a program of the build as a child process and collects what it did.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glyphora::testing {

struct RunResult {
    int exitCode = -1;  // -1 when the child did not exit normally
    std::string out;
    std::string err;
    long maxResidentKiB = 0;  // the child's peak resident memory
};

struct RunOptions {
    // When set, the child may write no file larger than this (RLIMIT_FSIZE),
    // and a write beyond it fails instead of killing the child.
    std::optional<uint64_t> fileSizeLimit;
};

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args, const RunOptions& options = {});

// The command-line tool under test.
RunResult Tool(const std::vector<std::string>& args, const RunOptions& options = {});

}  // namespace glyphora::testing
