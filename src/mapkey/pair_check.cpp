#include "mapkey/pair_check.h"

#include "util/codepage.h"
#include "util/text.h"

namespace velnix {
namespace {

const std::u16string kNotInMapkey = u" und kann nicht in den Mapkey geschrieben werden !";

bool EndsValueOrLine(char16_t c) {
    return c == u'\r' || c == u'\n' || c == u'`';
}

bool IsControl(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

// What the entry holds that cannot be written ("einen Zeilenumbruch …"), or nothing.
// `scratch` spares a new buffer per name for the code-page conversion.
std::optional<std::u16string> NameFault(const std::u16string& name, std::string& scratch) {
    bool beyondAscii = false;
    for (const char16_t c : name) {
        if (EndsValueOrLine(c)) {
            return u"einen Zeilenumbruch oder ein `" + kNotInMapkey;
        }
        if (IsControl(c)) {
            return u"ein Steuerzeichen (" + CodePointLabel(c) + u")" + kNotInMapkey;
        }
        beyondAscii |= c > 0x7F;
    }
    // Every code page holds ASCII: only other names need the conversion, which halves the
    // time of the check on long lists.
    if (!beyondAscii) {
        return std::nullopt;
    }
    scratch.clear();
    if (const auto bad = AppendInCodePage(name, scratch)) {
        return u"das Zeichen " + DescribeChar(bad->codePoint) + u", das es in der Codepage " +
               CodePageName() + u" nicht gibt. Die Datei rename.pro wurde nicht geschrieben !";
    }
    return std::nullopt;
}

std::optional<PairProblem> FindUnwritableName(const NameList& names, ListId list,
                                              std::string& scratch) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (auto fault = NameFault(names[i], scratch)) {
            return PairProblem{PairProblem::Kind::UnsafeName, true,
                               u"Achtung : Eintrag " + DecimalText(i + 1) + u" der Liste \"" +
                                   ListCaption(list) + u"\" enthält " + *fault};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<PairProblem> CheckPairs(const NameList& oldNames, const NameList& newNames) {
    if (oldNames.size() != newNames.size()) {
        return PairProblem{PairProblem::Kind::CountsDiffer, !newNames.empty(),
                           kCountsDifferMessage};
    }
    std::string scratch;
    if (auto problem = FindUnwritableName(oldNames, ListId::Old, scratch)) {
        return problem;
    }
    return FindUnwritableName(newNames, ListId::New, scratch);
}

}  // namespace velnix
