#include "mapkey/pair_check.h"

#include <gtest/gtest.h>

#include "util/codepage.h"

namespace velnix {
namespace {

struct NameCase {
    NameList oldNames, newNames;
    std::u16string message;  // empty: the names can be written
    bool showInWindow = true;
};

class NameCheckTest : public testing::TestWithParam<NameCase> {};

TEST_P(NameCheckTest, RefusesEveryNameThatCannotBeWrittenNamingListAndEntry) {
    const auto& c = GetParam();
    const auto problem = CheckPairs(c.oldNames, c.newNames);
    EXPECT_EQ(problem ? problem->message : u"", c.message);
    EXPECT_EQ(!problem || problem->showInWindow, c.showInWindow);
}

std::u16string Refusal(const std::u16string& entry, const std::u16string& list,
                       const std::u16string& what) {
    return u"Achtung : Eintrag " + entry + u" der Liste \"" + list + u" Name\" enthält " + what;
}
const std::u16string kNotInMapkey = u" und kann nicht in den Mapkey geschrieben werden !";
const std::u16string kLineBreak = u"einen Zeilenumbruch oder ein `" + kNotInMapkey;
const std::u16string kOutsideCodePage =
    u"das Zeichen \"\u540d\" (U+540D), das es in der Codepage " + CodePageName() +
    u" nicht gibt. Die Datei rename.pro wurde nicht geschrieben !";
std::u16string Control(const std::u16string& code) {
    return u"ein Steuerzeichen (U+00" + code + u")" + kNotInMapkey;
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameCheckTest,
    testing::Values(
        NameCase{{u"a", u"b"}, {u"c", u"d", u"e"}, kCountsDifferMessage},
        // The window keeps quiet while the new names are still to be filled in.
        NameCase{{u"a", u"b"}, {}, kCountsDifferMessage, false},
        NameCase{{u"a", u"b`;~ Activate"}, {u"c", u"d"}, Refusal(u"2", u"alter", kLineBreak)},
        NameCase{{u"a", u"b"}, {u"c", u"x\r\nmapkey"}, Refusal(u"2", u"neuer", kLineBreak)},
        NameCase{{u"a\tb.prt"}, {u"c.prt"}, Refusal(u"1", u"alter", Control(u"09"))},
        NameCase{{u"a", u"b"}, {u"c", u"\u540d"}, Refusal(u"2", u"neuer", kOutsideCodePage)},
        // The old list comes first, and in a name a control character before the code page.
        NameCase{{u"a", u"\u2603\t"}, {u"\tc", u"d"}, Refusal(u"2", u"alter", Control(u"09"))},
        NameCase{{u" a;b~.prt", u"K\u00fchler \u20ac\u00a0"}, {u"", u"c d"}, u""}));

}  // namespace
}  // namespace velnix
