// What the output text was composed from, and rename.pro written with its undo file from it.
#pragma once

#include <filesystem>
#include <string_view>

#include "check/working_folder.h"
#include "names/name_list.h"
#include "util/result.h"

namespace velnix::shell {

struct Composition {
    NamePairs pairs;     // the old names cleaned up
    NameList loadAlong;  // the folder's assemblies and drawings opened and saved with them
};

inline bool operator==(const Composition& a, const Composition& b) {
    return a.pairs.oldNames == b.pairs.oldNames && a.pairs.newNames == b.pairs.newNames &&
           a.loadAlong == b.loadAlong;
}

// What the run loads along when the user wants it: nothing from a folder that could not be read.
NameList LoadAlong(const NamePairs& pairs, const WorkingFolder& folder, bool wanted);

// Writes the output text as the user left it (the editor's UTF-8) as rename.pro, and with
// `withUndo` rename_zurueck.pro from the pairs that the text was composed from.
Status WriteRenameFiles(const std::filesystem::path& directory, std::string_view outputText,
                        const Composition& composition, bool withUndo);

}  // namespace velnix::shell
