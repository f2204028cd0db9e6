// What runs that were killed leave behind, and clearing it away. Every such
// name carries the id of the process that made it, so what a live run is
// still using can be told from what an ended one left: the temporary files
// of saves and extractions, the copy of a file's old content that a save
// writing the file in place keeps until it is done, the renderer's scratch
// folders.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// This process's id, as the names of what it leaves carry it.
unsigned long CurrentProcessId();

// The process id in a name "PREFIX PID-...": digits right after the prefix,
// then a dash. 0 for any other name.
long ProcessIdAfter(std::string_view name, std::string_view prefix);

// Removes the entries of `folder` (files, or folders with everything in
// them) that `ownerOf` reads a process id from (0: none of ours) whose
// process no longer runs. Those of live processes and this one's stay; what
// cannot be removed stays quietly.
void RemoveLeftoversOfEndedProcesses(const std::string& folder,
                                     const std::function<long(std::string_view name)>& ownerOf);

// The copies of old content that saves of `path` left beside the file it
// names (the file a link points at) when they were killed while writing it
// in place, newest first. A save still under way is no such save. The file
// itself may then be cut short; the next successful save of it removes them.
std::vector<std::string> CopiesLeftByKilledSaves(const std::string& path);

}  // namespace glyphora
