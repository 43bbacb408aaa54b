#include "mapkey/pair_check.h"

#include <gtest/gtest.h>

#include "util/codepage.h"

namespace velnix {
namespace {

// The message about the lists, empty when they can be written.
std::u16string Problem(const NameList& oldNames, const NameList& newNames) {
    const auto problem = CheckPairs(oldNames, newNames);
    return problem ? problem->message : std::u16string();
}

std::u16string Refusal(const std::u16string& entry, const std::u16string& list,
                       const std::u16string& what) {
    return u"Achtung : Eintrag " + entry + u" der Liste \"" + list + u" Name\" enthält " + what;
}
const std::u16string kNotInMapkey = u" und kann nicht in den Mapkey geschrieben werden !";
const std::u16string kLineBreak = u"einen Zeilenumbruch" + kNotInMapkey;
const std::u16string kBackQuote = u"das Zeichen \"`\" (U+0060)" + kNotInMapkey;
const std::u16string kControl = u"das Steuerzeichen \\x09" + kNotInMapkey;

TEST(NameCheckTest, RefusesEveryNameThatCannotBeWrittenNamingListAndEntry) {
    EXPECT_EQ(Problem({u"a", u"b`;~ Activate"}, {u"c", u"d"}), Refusal(u"2", u"alter", kBackQuote));
    EXPECT_EQ(Problem({u"a", u"b"}, {u"c", u"x\r\nmapkey"}), Refusal(u"2", u"neuer", kLineBreak));
    EXPECT_EQ(Problem({u"a", u"b"}, {u"c", u"\u540d"}),
              Refusal(u"2", u"neuer",
                      u"das Zeichen \"\u540d\" (U+540D), das es in der Codepage " + CodePageName() +
                          u" nicht gibt," + kNotInMapkey));
    // The old list comes first, and in a name a control character before the code page.
    EXPECT_EQ(Problem({u"a", u"\u2603\t"}, {u"\tc", u"d"}), Refusal(u"2", u"alter", kControl));
    // A table names the line in the file.
    EXPECT_EQ(CheckPairs({u"a", u"b"}, {u"c\r", u"d"}, {3, 7})->message,
              u"Achtung : Der neue Name in Zeile 3 enthält " + kLineBreak);
    EXPECT_EQ(Problem({u" a;b~.prt", u"K\u00fchler \u20ac\u00a0"}, {u"", u"c d"}), u"");
    // Lists of different length: the window says so once the new list has names.
    EXPECT_FALSE(CheckPairs({u"a"}, {})->showInWindow);
    EXPECT_TRUE(CheckPairs({u"a"}, {u"b", u"c"})->showInWindow);
}

}  // namespace
}  // namespace velnix
