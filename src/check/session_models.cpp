#include "check/session_models.h"

#include <algorithm>
#include <cstddef>

#include "check/name_rules.h"

namespace velnix {
namespace {

bool IsPartOrAssembly(std::u16string_view extension) {
    return EqualFolded(extension, u".prt") || EqualFolded(extension, u".asm");
}

bool IsSessionType(std::u16string_view name) {
    const std::u16string_view extension = SplitName(name).extension;
    return EqualFolded(extension, u".asm") || EqualFolded(extension, u".drw");
}

}  // namespace

std::optional<std::u16string> SessionModelName(std::u16string_view name) {
    if (!IsSessionType(name)) {
        return std::nullopt;
    }
    return ModelName(name);
}

SessionModels::SessionModels(const NameSource& oldNames, const NameSource& newNames,
                             const FolderModels& folder)
    : folder_(folder), inList_(folder.size()) {
    for (std::size_t model = 0; model < folder.size(); ++model) {
        sessionModels_ += IsSessionType(folder[model]) ? 1 : 0;
    }
    const std::size_t pairs = std::min(oldNames.size(), newNames.size());
    std::u16string oldScratch;
    std::u16string newScratch;
    // A name of either type finds only a model of that type: the folder's names are models.
    const auto mark = [this](std::u16string_view name, bool InList::*how) {
        if (IsSessionType(name)) {
            if (const auto model = folder_.Find(name)) {
                inList_[*model].*how = true;
            }
        }
    };
    for (std::size_t i = 0; i < pairs; ++i) {
        const std::u16string_view oldName = oldNames.at(i, oldScratch);
        const std::u16string_view newName = newNames.at(i, newScratch);
        if (sessionModels_ == 0 && renamesPartOrAssembly_) {
            break;
        }
        mark(oldName, &InList::opened);
        mark(newName, &InList::made);
        renamesPartOrAssembly_ =
            renamesPartOrAssembly_ || (IsPartOrAssembly(SplitName(oldName).extension) &&
                                       !newName.empty() && !EqualFolded(oldName, newName));
    }
}

NameList SessionModels::NotInList() const {
    NameList models;
    for (std::size_t model = 0; model < folder_.size(); ++model) {
        if (!inList_[model].opened && !inList_[model].made && IsSessionType(folder_[model])) {
            models.emplace_back(folder_[model]);
        }
    }
    std::sort(models.begin(), models.end());
    return models;
}

// Asked for every pair that renames a model: the drawing's name is built in a kept buffer.
std::optional<std::u16string> SessionModels::DrawingLeftOut(std::u16string_view oldName,
                                                            std::u16string_view newName) const {
    const NameParts model = SplitName(oldName);
    const std::u16string_view newBase = SplitName(newName).base;
    if (sessionModels_ == 0 || !IsPartOrAssembly(model.extension) || newBase.empty() ||
        EqualFolded(model.base, newBase)) {
        return std::nullopt;
    }
    thread_local std::u16string drawing;
    drawing.assign(model.base).append(u".drw");
    const auto found = folder_.Find(drawing);
    if (!found || inList_[*found].opened) {
        return std::nullopt;
    }
    return std::u16string(folder_[*found]);
}

}  // namespace velnix
