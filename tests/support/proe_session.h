// A small model of a Pro/ENGINEER session: tells whether a rename.pro renames cleanly.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velnix::test {

struct SessionEnd {
    std::vector<std::string> failures;  // one line per step that failed: "umb2: …"
    // The folder's files at the end, in lower case, each with its model's name at the start.
    std::map<std::string, std::string> folder;
};

// Runs mapkey `start` of the file with `folder` (in lower case) as the working folder. As in
// Pro/ENGINEER a failing step does not stop the run: the next acts on the active window.
SessionEnd RunMapkeys(std::string_view file, const std::set<std::string>& folder,
                      std::string_view start = "rename");

// Lower case, as Pro/ENGINEER stores names (ASCII and the Latin-1 letters of the code page).
std::string Lowered(std::string_view name);

}  // namespace velnix::test
