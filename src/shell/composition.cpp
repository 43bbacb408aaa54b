#include "shell/composition.h"

#include <string>

#include "check/folder_check.h"
#include "mapkey/rename_file.h"

namespace velnix::shell {

NameList LoadAlong(const NamePairs& pairs, const WorkingFolder& folder, bool wanted) {
    if (!wanted || !folder.models) {
        return {};
    }
    return ModelsToLoadAlong(pairs, *folder.models);
}

Status WriteRenameFiles(const std::filesystem::path& directory, std::string_view outputText,
                        const Composition& composition, bool withUndo) {
    if (!withUndo) {
        return WriteOutputText(directory, outputText);
    }
    Result<MapkeyPairs> pairs = EncodePairs(composition.pairs.oldNames, composition.pairs.newNames);
    if (!pairs.ok()) {
        return Status::Failure(pairs.error +
                               u" rename.pro und rename_zurueck.pro wurden nicht geschrieben.");
    }
    // The models loaded along hold only names that the code page can (see ModelsToLoadAlong).
    AppendWritableNames(composition.loadAlong, pairs.value->loadAlong);
    return WriteOutputText(directory, outputText, &*pairs.value);
}

}  // namespace velnix::shell
