#include "names/rule.h"

#include <algorithm>
#include <utility>

#include "util/text.h"

namespace velnix {

NameList clean(const NameList& oldNames) {
    NameList cleaned;
    cleaned.reserve(oldNames.size());
    for (const auto& name : oldNames) {
        cleaned.push_back(FileNameWithExtension(name));
    }
    return cleaned;
}

NamePairs PairsToRename(const NameList& oldNames, NameList newNames) {
    return {clean(oldNames), std::move(newNames)};
}

NameList ApplyRule(const NameList& oldNames, std::u16string_view expression,
                   std::u16string_view replacement) {
    NameList derived;
    derived.reserve(oldNames.size());
    for (const auto& name : oldNames) {
        derived.push_back(ReplaceFirst(name, expression, replacement));
    }
    return derived;
}

bool RuleMatchesAny(const NameList& oldNames, std::u16string_view expression) {
    // As ReplaceFirst: an empty name stays empty whatever the expression.
    return std::any_of(oldNames.begin(), oldNames.end(), [expression](const auto& name) {
        return !name.empty() && name.find(expression) != std::u16string::npos;
    });
}

}  // namespace velnix
