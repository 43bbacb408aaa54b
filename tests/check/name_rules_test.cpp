// The name rules at the edges of their letter ranges.
#include "check/name_rules.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct Letter {
    char16_t c;
    char16_t lower;  // as Pro/ENGINEER compares it
    bool inName;     // a letter, digit, '-' or '_'
};

class NameRulesTest : public testing::TestWithParam<Letter> {};

TEST_P(NameRulesTest, FoldsAndAllowsExactlyTheLetters) {
    const Letter& letter = GetParam();
    EXPECT_EQ(FoldCase(letter.c), letter.lower) << std::hex << letter.c;
    EXPECT_EQ(IsNameCharacter(letter.c), letter.inName) << std::hex << letter.c;
    // Hashed as the fifth character, past a word of four ASCII letters, and four times over.
    const std::u16string name{u'a', u'B', u'c', u'D', letter.c};
    const std::u16string folded{u'A', u'b', u'C', u'd', letter.lower};
    EXPECT_TRUE(EqualFolded(name, folded)) << std::hex << letter.c;
    EXPECT_EQ(HashFolded(name), HashFolded(folded)) << std::hex << letter.c;
    EXPECT_EQ(HashFolded(std::u16string(4, letter.c)), HashFolded(std::u16string(4, letter.lower)));
    EXPECT_EQ(EqualFolded(std::u16string(1, letter.c), u"\u00ff"),
              letter.lower == 0xFF);  // only Ÿ and ÿ
}

// À to ɏ but × and ÷; İ (its lower case is i and a dot), ĸ and ŉ have no other case.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Letters, NameRulesTest, testing::Values(
    Letter{u'-', u'-', true}, Letter{u'.', u'.', false}, Letter{u'/', u'/', false},
    Letter{u'0', u'0', true}, Letter{u'9', u'9', true}, Letter{u':', u':', false},
    Letter{u'@', u'@', false}, Letter{u'A', u'a', true}, Letter{u'Z', u'z', true},
    Letter{u'[', u'[', false}, Letter{u'^', u'^', false}, Letter{u'_', u'_', true},
    Letter{u'`', u'`', false}, Letter{u'a', u'a', true}, Letter{u'z', u'z', true},
    Letter{u'{', u'{', false}, Letter{0x7F, 0x7F, false}, Letter{0xBF, 0xBF, false},
    Letter{0xC0, 0xE0, true}, Letter{0xD6, 0xF6, true}, Letter{0xD7, 0xD7, false},
    Letter{0xD8, 0xF8, true}, Letter{0xDE, 0xFE, true}, Letter{0xDF, 0xDF, true},
    Letter{0xE0, 0xE0, true}, Letter{0xF7, 0xF7, false}, Letter{0xFF, 0xFF, true},
    Letter{0x100, 0x101, true}, Letter{0x101, 0x101, true}, Letter{0x12E, 0x12F, true},
    Letter{0x130, 0x130, true}, Letter{0x131, 0x131, true}, Letter{0x132, 0x133, true},
    Letter{0x137, 0x137, true}, Letter{0x138, 0x138, true}, Letter{0x139, 0x13A, true},
    Letter{0x13A, 0x13A, true}, Letter{0x147, 0x148, true}, Letter{0x148, 0x148, true},
    Letter{0x149, 0x149, true}, Letter{0x14A, 0x14B, true}, Letter{0x14B, 0x14B, true},
    Letter{0x176, 0x177, true}, Letter{0x177, 0x177, true}, Letter{0x178, 0xFF, true},
    Letter{0x179, 0x17A, true}, Letter{0x17A, 0x17A, true}, Letter{0x17D, 0x17E, true},
    Letter{0x17E, 0x17E, true}, Letter{0x17F, 0x17F, true}, Letter{0x180, 0x180, true},
    Letter{0x24F, 0x24F, true}, Letter{0x250, 0x250, false}, Letter{0x391, 0x391, false}));
// clang-format on

TEST(NameRulesTest, KnowsTheModelTypesInAnyCase) {
    for (const auto* type :
         {u".prt", u".ASM", u".Drw", u".frm", u".sec", u".lay", u".mfg", u".dgm"}) {
        EXPECT_TRUE(IsModelType(type));
    }
    for (const auto* other : {u"", u".", u"prt", u"xprt", u".pr", u".prt2", u"..prt", u".txt"}) {
        EXPECT_FALSE(IsModelType(other));
    }
}

}  // namespace
}  // namespace velnix
