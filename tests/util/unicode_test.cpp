#include "util/unicode.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct Utf8Case {
    std::string bytes;
    std::u16string text;
    bool valid;
};

class Utf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, DecodesAndChecks) {
    const auto& c = GetParam();
    EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
    if (c.valid) {
        EXPECT_EQ(Utf16ToUtf8(c.text), c.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Test,
    testing::Values(Utf8Case{"", u"", true},
                    Utf8Case{"mapkey umb0 ~ ;\\\r\n", u"mapkey umb0 ~ ;\\\r\n", true},
                    Utf8Case{"K\xc3\xbchler \xe2\x82\xac", u"K\u00fchler \u20ac", true},
                    Utf8Case{"a\xf0\x9f\x98\x80z", u"a\U0001F600z", true},
                    Utf8Case{"a\xfcz", u"a\uFFFDz", false},
                    Utf8Case{"\xc0\xaf", u"\uFFFD\uFFFD", false},            // overlong "/"
                    Utf8Case{"\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD", false},  // a surrogate
                    Utf8Case{"end\xe2\x82", u"end\uFFFD\uFFFD", false}));

}  // namespace
}  // namespace velnix
