// The rename.pro and undo file that two lists give: what the window and the command line must
// write.
#pragma once

#include <string>
#include <vector>

#include "mapkey/compose.h"
#include "mapkey/rename_file.h"

namespace velnix::test {

// rename.pro and rename_zurueck.pro for cleaned-up lists that EncodePairs takes, both loading
// `loadAlong` along; two empty texts for any other lists.
inline std::vector<std::string> ComposedWithUndo(const NameList& oldNames, const NameList& newNames,
                                                 const NameList& loadAlong = {}) {
    Result<MapkeyPairs> pairs = EncodePairs(oldNames, newNames);
    StringSink file;
    StringSink undo;
    if (pairs.ok() && AppendWritableNames(loadAlong, pairs.value->loadAlong)) {
        ComposeMapkeys(*pairs.value, TextEnd::RenamePro, file);
        ComposeMapkeys(UndoPairs(*pairs.value), TextEnd::RenamePro, undo, kUndoMapkeys);
    }
    return {file.text, undo.text};
}

}  // namespace velnix::test
