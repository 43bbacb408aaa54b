#include "names/editing.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

TEST(DeleteMarkedTest, DropsTheMarkedAndEveryEmptyEntry) {
    const NameList names{u"a", u"", u"b", u"a", u""};
    EXPECT_EQ(DeleteMarked(names, 3), (NameList{u"a", u"b"}));
    EXPECT_EQ(DeleteMarked(names, std::nullopt), (NameList{u"a", u"b", u"a"}));
    EXPECT_EQ(DeleteMarked(names, 99), (NameList{u"a", u"b", u"a"}));
    EXPECT_EQ(DeleteMarked({}, std::nullopt), NameList{});
}

}  // namespace
}  // namespace velnix
