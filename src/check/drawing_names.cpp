#include "check/drawing_names.h"

#include <string>
#include <unordered_map>

#include "check/name_rules.h"
#include "check/name_table.h"

namespace velnix {

// Drawings are few, so the table holds them and the models look themselves up.
std::vector<DrawingLeftBehind> DrawingsLeftBehind(const NameSource& oldNames,
                                                  const NameSource& newNames, std::uint32_t pairs) {
    std::vector<DrawingLeftBehind> left;
    std::u16string scratch;
    std::vector<std::uint32_t> drawings;
    for (std::uint32_t i = 0; i < pairs; ++i) {
        if (EqualFolded(SplitName(oldNames.at(i, scratch)).extension, u".drw")) {
            drawings.push_back(i);
        }
    }
    if (drawings.empty()) {
        return left;
    }
    NameTable drawingBases(drawings.size(), [&oldNames](std::uint32_t j, std::u16string& s) {
        return SplitName(oldNames.at(j, s)).base;
    });
    for (const std::uint32_t d : drawings) {
        drawingBases.Insert(SplitName(oldNames.at(d, scratch)).base, d);
    }
    struct Models {
        std::uint32_t renamed = kNoPair;  // the first model pair that renames it
        bool matched = false;             // a model keeps the drawing's new name
    };
    std::unordered_map<std::uint32_t, Models> modelsOf;
    std::u16string newScratch;
    std::u16string drawingScratch;
    for (std::uint32_t i = 0; i < pairs; ++i) {
        const NameParts model = SplitName(oldNames.at(i, scratch));
        if (!EqualFolded(model.extension, u".prt") && !EqualFolded(model.extension, u".asm")) {
            continue;
        }
        const std::uint32_t d = drawingBases.Find(model.base);
        if (d == kNoPair) {
            continue;
        }
        const std::u16string_view modelNew = SplitName(newNames.at(i, newScratch)).base;
        Models& models = modelsOf[d];
        models.matched =
            models.matched || EqualFolded(modelNew, SplitName(newNames.at(d, drawingScratch)).base);
        if (models.renamed == kNoPair && !EqualFolded(model.base, modelNew)) {
            models.renamed = i;
        }
    }
    for (const auto& [d, models] : modelsOf) {
        if (models.renamed != kNoPair && !models.matched) {
            left.push_back({d, models.renamed});
        }
    }
    return left;
}

}  // namespace velnix
