// UTF-8 that is not well-formed, as paths and system messages may hold it: each bad byte
// becomes U+FFFD. fuzz/list_file.cpp checks the well-formed rest on any input.
#include "util/unicode.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

TEST(MalformedUtf8Test, ReplacesEachBadByte) {
    EXPECT_EQ(Utf8ToUtf16("a\xfcz\xf0\x9f\x98\x80"), u"a\uFFFDz\U0001F600");
    EXPECT_EQ(Utf8ToUtf16("\xc0\xaf"), u"\uFFFD\uFFFD");  // an overlong "/"
    EXPECT_EQ(Utf8ToUtf16("\xed\xa0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("end\xe2\x82"), u"end\uFFFD\uFFFD");
}

}  // namespace
}  // namespace velnix
