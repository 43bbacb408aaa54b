#include "shell/composition.h"

#include <algorithm>
#include <string>

#include "check/folder_check.h"
#include "mapkey/pair_check.h"
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
    // As on the command line: a name that the code page cannot hold cannot be a model that
    // Pro/ENGINEER opens, and must not keep rename.pro from being written.
    NameList models = ModelsToLoadAlong(pairs, *folder.models);
    std::string scratch;
    models.erase(std::remove_if(models.begin(), models.end(),
                                [&scratch](const std::u16string& name) {
                                    scratch.clear();
                                    return AppendWritableName(name, scratch).has_value();
                                }),
                 models.end());
    return models;
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
