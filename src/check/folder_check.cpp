#include "check/folder_check.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "check/name_rules.h"
#include "check/session_models.h"
#include "mapkey/pair_check.h"

namespace velnix {

NamePairs DrawingsToTakeAlong(const NamePairs& pairs, const FolderModels& folder) {
    const NameListSource oldNames(pairs.oldNames);
    const NameListSource newNames(pairs.newNames);
    const SessionModels models(oldNames, newNames, folder);
    NamePairs drawings;
    std::unordered_set<std::u16string> taken;
    const std::size_t count = std::min(pairs.oldNames.size(), pairs.newNames.size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto drawing = models.DrawingLeftOut(pairs.oldNames[i], pairs.newNames[i]);
        if (drawing && taken.insert(*drawing).second) {
            // The model's spelling of the name, as the user wrote it.
            drawings.oldNames.push_back(std::u16string(SplitName(pairs.oldNames[i]).base) +
                                        u".drw");
            drawings.newNames.push_back(std::u16string(SplitName(pairs.newNames[i]).base) +
                                        u".drw");
        }
    }
    return drawings;
}

NameList ModelsToLoadAlong(const NamePairs& pairs, const FolderModels& folder) {
    return ModelsToLoadAlong(NameListSource(pairs.oldNames), NameListSource(pairs.newNames),
                             folder);
}

NameList ModelsToLoadAlong(const NameSource& oldNames, const NameSource& newNames,
                           const FolderModels& folder) {
    // A name that the code page cannot hold cannot be a model that Pro/ENGINEER opens, and
    // must not keep rename.pro from being written.
    NameList models = SessionModels(oldNames, newNames, folder).NotInList();
    std::string scratch;
    models.erase(std::remove_if(models.begin(), models.end(),
                                [&scratch](const std::u16string& name) {
                                    return UnwritableReason(name, scratch).has_value();
                                }),
                 models.end());
    return models;
}

}  // namespace velnix
