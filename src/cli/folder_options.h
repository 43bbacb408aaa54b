// The working folder on the command line: the folder the check reads (check --folder, generate
// --out), the drawings it adds to the lists and the models it adds to the run.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "check/list_check.h"
#include "check/working_folder.h"
#include "mapkey/compose.h"
#include "names/name_list.h"

namespace velnix::cli {

struct FolderOptions {
    std::optional<std::filesystem::path> folder;
    bool withDrawings = false;  // rename the drawings named after renamed models as well
    bool loadFolder = false;    // open and save the folder's other assemblies and drawings
};

// The folder as the check reads it; nothing without one.
std::optional<WorkingFolder> ReadFolder(const FolderOptions& options);

// The folder's drawings of renamed models appended to the lists (see DrawingsToTakeAlong); in
// a table they count on after its last line. What was added, for the user, or nothing.
std::optional<std::u16string> AddDrawings(const WorkingFolder& folder, NamePairs& pairs,
                                          CheckOptions& check);

// The folder's other assemblies and drawings in the code page (see ModelsToLoadAlong); a name
// that the code page cannot hold is left out there.
void LoadAlong(const WorkingFolder& folder, MapkeyPairs& pairs);

}  // namespace velnix::cli
