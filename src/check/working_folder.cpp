#include "check/working_folder.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "check/name_rules.h"
#include "util/os_error.h"
#include "util/paths.h"

namespace velnix {

namespace {

// Only the versions that Pro/ENGINEER writes, "name.ext.N": in "a.12" the digits are the
// extension, and in "a.prt.1.2" nothing is a version number.
void ToModelName(std::u16string_view fileName, std::u16string& model) {
    model.assign(fileName);
    for (auto& c : model) {
        c = FoldCase(c);
    }
    const NameParts parts = SplitName(model);
    const bool version = parts.extension.size() > 1 && parts.rest.size() > 1 &&
                         parts.rest.find_first_not_of(u"0123456789", 1) == std::u16string::npos;
    if (version) {
        model.resize(model.size() - parts.rest.size());
    }
}

}  // namespace

std::u16string ModelName(std::u16string_view fileName) {
    std::u16string model;
    ToModelName(fileName, model);
    return model;
}

FolderModels::FolderModels(const NameList& fileNames) {
    models_.reserve(fileNames.size());
    for (const auto& fileName : fileNames) {
        models_.insert(ModelName(fileName));
    }
    sorted_.assign(models_.begin(), models_.end());
    std::sort(sorted_.begin(), sorted_.end());
}

// A check asks once or twice a pair: the key's buffer is kept rather than made each time.
bool FolderModels::Has(std::u16string_view name) const {
    thread_local std::u16string key;
    ToModelName(name, key);
    return models_.count(key) > 0;
}

WorkingFolder ReadWorkingFolder(std::u16string_view folder) {
    return ReadWorkingFolder(ToFsPath(folder), std::u16string(folder));
}

WorkingFolder ReadWorkingFolder(const std::filesystem::path& folder, std::u16string shown) {
    WorkingFolder read{std::move(shown), std::nullopt, {}};
    NameList fileNames;
    std::error_code ec;
    std::filesystem::directory_iterator entry(folder, ec);
    for (const std::filesystem::directory_iterator end; !ec && entry != end; entry.increment(ec)) {
        // A link that leads nowhere, or that cannot be followed, holds no model.
        std::error_code typeError;
        if (entry->is_regular_file(typeError)) {
            fileNames.push_back(FromFsPath(entry->path().filename()));
        }
    }
    if (ec) {
        read.unreadable = Reason(ec);
        return read;
    }
    read.models.emplace(fileNames);
    return read;
}

}  // namespace velnix
