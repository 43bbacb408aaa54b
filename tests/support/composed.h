// The rename.pro and undo file that two lists give: what the window and the command line must
// write.
#pragma once

#include <string>

#include "mapkey/compose.h"
#include "mapkey/rename_file.h"

namespace velnix::test {

// rename.pro for cleaned-up lists that EncodePairs takes; empty for any other.
inline std::string ComposedRenamePro(const NameList& oldNames, const NameList& newNames) {
    const Result<MapkeyPairs> pairs = EncodePairs(oldNames, newNames);
    StringSink file;
    if (pairs.ok()) {
        ComposeMapkeys(*pairs.value, TextEnd::RenamePro, file);
    }
    return file.text;
}

// rename_zurueck.pro for the same lists.
inline std::string ComposedUndoFile(const NameList& oldNames, const NameList& newNames) {
    const Result<MapkeyPairs> pairs = EncodePairs(oldNames, newNames);
    StringSink file;
    if (pairs.ok()) {
        ComposeMapkeys(UndoPairs(*pairs.value), TextEnd::RenamePro, file, kUndoMapkeys);
    }
    return file.text;
}

}  // namespace velnix::test
