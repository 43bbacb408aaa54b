// UTF-8 that is not well-formed, as paths and system messages may hold it: each bad byte
// becomes U+FFFD. fuzz/list_file.cpp checks the well-formed rest on any input.
#include "util/unicode.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct Utf8Case {
    std::string bytes;
    std::u16string text;
};

class MalformedUtf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(MalformedUtf8Test, ReplacesEachBadByte) {
    EXPECT_EQ(Utf8ToUtf16(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, MalformedUtf8Test,
                         testing::Values(Utf8Case{"a\xfcz\xf0\x9f\x98\x80", u"a\uFFFDz\U0001F600"},
                                         Utf8Case{"\xc0\xaf", u"\uFFFD\uFFFD"},  // overlong "/"
                                         Utf8Case{"\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD"},
                                         Utf8Case{"end\xe2\x82", u"end\uFFFD\uFFFD"}));

}  // namespace
}  // namespace velnix
