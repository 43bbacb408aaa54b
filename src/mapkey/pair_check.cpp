#include "mapkey/pair_check.h"

#include "util/text.h"

namespace velnix {
namespace {

std::optional<PairProblem> FindUnsafeName(const NameList& names, ListId list) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (IsUnsafeName(names[i])) {
            return PairProblem{PairProblem::Kind::UnsafeName, true,
                               u"Achtung : Eintrag " + DecimalText(i + 1) + u" der Liste \"" +
                                   ListCaption(list) +
                                   u"\" enthält einen Zeilenumbruch oder ein ` und kann nicht "
                                   u"in den Mapkey geschrieben werden !"};
        }
    }
    return std::nullopt;
}

}  // namespace

bool IsUnsafeName(const std::u16string& name) {
    for (const char16_t c : name) {
        if (c == u'\r' || c == u'\n' || c == u'`') {
            return true;
        }
    }
    return false;
}

std::optional<PairProblem> CheckPairs(const NameList& oldNames, const NameList& newNames) {
    if (oldNames.size() != newNames.size()) {
        return PairProblem{PairProblem::Kind::CountsDiffer, !newNames.empty(),
                           kCountsDifferMessage};
    }
    if (auto problem = FindUnsafeName(oldNames, ListId::Old)) {
        return problem;
    }
    return FindUnsafeName(newNames, ListId::New);
}

}  // namespace velnix
