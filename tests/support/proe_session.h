// A small model of a Pro/ENGINEER session running the mapkeys of a rename.pro: the oracle that
// tells whether a written file renames cleanly, step by step.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velnix::test {

struct SessionEnd {
    std::vector<std::string> failures;  // one line per step that failed: "umb2: …"
    // The files of the folder at the end, by name in lower case, each with the name its model
    // had at the start.
    std::map<std::string, std::string> folder;
};

// Loads the file's mapkeys and runs mapkey `start` in a session whose working folder holds
// `folder` (names as Pro/ENGINEER stores them: lower case, each a model of its own). A failing
// step does not stop the run: the next step acts on whatever window is active, as in
// Pro/ENGINEER.
SessionEnd RunMapkeys(std::string_view file, const std::set<std::string>& folder,
                      std::string_view start = "rename");

// Lower case, as Pro/ENGINEER stores names (ASCII and the Latin-1 letters of the code page).
std::string Lowered(std::string_view name);

}  // namespace velnix::test
