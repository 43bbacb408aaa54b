#include "cli/folder_options.h"

#include "check/folder_check.h"
#include "mapkey/rename_file.h"
#include "util/paths.h"

namespace velnix::cli {

std::optional<WorkingFolder> ReadFolder(const FolderOptions& options) {
    if (!options.folder) {
        return std::nullopt;
    }
    return ReadWorkingFolder(*options.folder, FromFsPath(*options.folder));
}

std::optional<std::u16string> AddDrawings(const WorkingFolder& folder, NamePairs& pairs,
                                          CheckOptions& check) {
    if (!folder.models) {
        return std::nullopt;
    }
    const NamePairs drawings = DrawingsToTakeAlong(pairs, *folder.models);
    if (drawings.oldNames.empty()) {
        return std::nullopt;
    }
    std::u16string added = u"Aus dem Ordner mitgenommen:";
    for (std::size_t i = 0; i < drawings.oldNames.size(); ++i) {
        added += (i == 0 ? u" \"" : u", \"") + drawings.oldNames[i] + u"\" → \"" +
                 drawings.newNames[i] + u"\"";
        if (!check.tableLines.empty()) {
            check.tableLines.push_back(check.tableLines.back() + 1);
        }
    }
    pairs.oldNames.insert(pairs.oldNames.end(), drawings.oldNames.begin(), drawings.oldNames.end());
    pairs.newNames.insert(pairs.newNames.end(), drawings.newNames.begin(), drawings.newNames.end());
    return added + u".";
}

void LoadAlong(const WorkingFolder& folder, MapkeyPairs& pairs) {
    if (!folder.models) {
        return;
    }
    AppendWritableNames(ModelsToLoadAlong(EncodedNamesSource(pairs.oldNames),
                                          EncodedNamesSource(pairs.newNames), *folder.models),
                        pairs.loadAlong);
}

}  // namespace velnix::cli
