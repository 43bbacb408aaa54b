#include "shell/composition.h"

#include <string>

#include "check/folder_check.h"
#include "mapkey/rename_file.h"

namespace velnix::shell {
namespace {

constexpr char16_t kNeitherWritten[] =
    u" rename.pro und rename_zurueck.pro wurden nicht geschrieben.";

}  // namespace

NameList LoadAlong(const NamePairs& pairs, const WorkingFolder& folder, bool wanted) {
    if (!wanted || !folder.models) {
        return {};
    }
    return ModelsToLoadAlong(pairs, *folder.models);
}

Status WriteRenameFiles(const std::filesystem::path& directory, std::string_view content,
                        const Composition& composition, bool withUndo) {
    if (!withUndo) {
        return WriteRenamePro(directory, content);
    }
    Result<MapkeyPairs> pairs = EncodePairs(composition.pairs.oldNames, composition.pairs.newNames);
    if (!pairs.ok()) {
        return Status::Failure(pairs.error + kNeitherWritten);
    }
    if (!AppendWritableNames(composition.loadAlong, pairs.value->loadAlong)) {
        return Status::Failure(
            u"Achtung : Ein Name aus dem Ordner, der mitgeladen werden soll, lässt sich nicht "
            u"in die Rückgängig-Datei schreiben." +
            std::u16string(kNeitherWritten));
    }
    return WriteRenamePro(directory, content, &*pairs.value);
}

}  // namespace velnix::shell
