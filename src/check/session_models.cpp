#include "check/session_models.h"

#include <algorithm>
#include <cstddef>

#include "check/name_rules.h"

namespace velnix {
namespace {

bool IsPartOrAssembly(std::u16string_view extension) {
    return EqualFolded(extension, u".prt") || EqualFolded(extension, u".asm");
}

}  // namespace

std::optional<std::u16string> SessionModelName(std::u16string_view name) {
    const std::u16string_view extension = SplitName(name).extension;
    if (!EqualFolded(extension, u".asm") && !EqualFolded(extension, u".drw")) {
        return std::nullopt;
    }
    return ModelName(name);
}

SessionModels::SessionModels(const NameSource& oldNames, const NameSource& newNames,
                             const FolderModels& folder) {
    for (const auto& model : folder.sorted()) {
        if (SessionModelName(model)) {
            models_.emplace(model, InList{});
        }
    }
    const std::size_t pairs = std::min(oldNames.size(), newNames.size());
    std::u16string oldScratch;
    std::u16string newScratch;
    const auto mark = [this](std::u16string_view name, bool InList::*how) {
        if (const auto model = SessionModelName(name)) {
            if (const auto found = models_.find(*model); found != models_.end()) {
                found->second.*how = true;
            }
        }
    };
    for (std::size_t i = 0; i < pairs; ++i) {
        const std::u16string_view oldName = oldNames.at(i, oldScratch);
        const std::u16string_view newName = newNames.at(i, newScratch);
        if (models_.empty() && renamesPartOrAssembly_) {
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
    for (const auto& [model, inList] : models_) {
        if (!inList.opened && !inList.made) {
            models.push_back(model);
        }
    }
    std::sort(models.begin(), models.end());
    return models;
}

std::optional<std::u16string> SessionModels::DrawingLeftOut(std::u16string_view oldName,
                                                            std::u16string_view newName) const {
    const NameParts model = SplitName(oldName);
    const std::u16string_view newBase = SplitName(newName).base;
    if (!IsPartOrAssembly(model.extension) || newBase.empty() || EqualFolded(model.base, newBase)) {
        return std::nullopt;
    }
    std::u16string drawing = Folded(model.base) + u".drw";
    const auto found = models_.find(drawing);
    if (found == models_.end() || found->second.opened) {
        return std::nullopt;
    }
    return drawing;
}

}  // namespace velnix
