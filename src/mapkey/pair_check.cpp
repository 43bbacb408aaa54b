#include "mapkey/pair_check.h"

#include "util/codepage.h"
#include "util/text.h"

namespace velnix {
namespace {

bool IsControl(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

// "\x01": a control character shown as the user could type it, since it has no glyph.
std::u16string VisibleControl(char16_t c) {
    constexpr char16_t kHex[] = u"0123456789ABCDEF";
    return std::u16string(u"\\x") + kHex[c >> 4] + kHex[c & 0xF];
}

// The reasons that need no code page; `beyondAscii` tells whether the name needs one.
std::optional<std::u16string> ReasonBeforeCodePage(std::u16string_view name, bool& beyondAscii) {
    for (const char16_t c : name) {
        if (c == u'\r' || c == u'\n') {
            return u"einen Zeilenumbruch";
        }
        if (c == u'`') {
            return u"das Zeichen \"`\" (U+0060)";
        }
        if (IsControl(c)) {
            return u"das Steuerzeichen " + VisibleControl(c);
        }
        beyondAscii |= c > 0x7F;
    }
    return std::nullopt;
}

std::optional<std::u16string> AppendInCodePageOrReason(std::u16string_view name, std::string& out) {
    if (const auto bad = AppendInCodePage(name, out)) {
        return NotInCodePageText(bad->codePoint) + u",";
    }
    return std::nullopt;
}

std::optional<PairProblem> FindUnwritableName(const NameList& names, ListId list,
                                              const std::vector<std::size_t>& tableLines,
                                              std::string& scratch) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (auto reason = UnwritableReason(names[i], scratch)) {
            const std::u16string where =
                tableLines.empty()
                    ? u"Eintrag " + DecimalText(i + 1) + u" der Liste \"" + ListCaption(list) +
                          u"\""
                    : u"Der " + std::u16string(list == ListId::Old ? u"alte" : u"neue") +
                          u" Name in Zeile " + DecimalText(tableLines[i]);
            return PairProblem{PairProblem::Kind::UnsafeName, true,
                               u"Achtung : " + where + u" enthält " + *reason +
                                   u" und kann nicht in den Mapkey geschrieben werden !"};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> UnwritableReason(std::u16string_view name, std::string& scratch) {
    bool beyondAscii = false;
    if (auto reason = ReasonBeforeCodePage(name, beyondAscii)) {
        return reason;
    }
    // Every code page holds ASCII: only other names need the conversion, which halves the
    // time of the check on long lists.
    if (!beyondAscii) {
        return std::nullopt;
    }
    scratch.clear();
    return AppendInCodePageOrReason(name, scratch);
}

std::optional<std::u16string> AppendWritableName(std::u16string_view name, std::string& out) {
    bool beyondAscii = false;
    if (auto reason = ReasonBeforeCodePage(name, beyondAscii)) {
        return reason;
    }
    return AppendInCodePageOrReason(name, out);
}

std::optional<PairProblem> CheckPairs(const NameList& oldNames, const NameList& newNames,
                                      const std::vector<std::size_t>& tableLines) {
    if (oldNames.size() != newNames.size()) {
        return PairProblem{PairProblem::Kind::CountsDiffer, !newNames.empty(),
                           kCountsDifferMessage};
    }
    std::string scratch;
    if (auto problem = FindUnwritableName(oldNames, ListId::Old, tableLines, scratch)) {
        return problem;
    }
    return FindUnwritableName(newNames, ListId::New, tableLines, scratch);
}

}  // namespace velnix
