#include "mapkey/compose.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velnix {
namespace {

// FNV-1a: pins every byte of a file in one number.
std::uint64_t Fingerprint(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037u;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211u;
    }
    return hash;
}

// Counts the blocks and keeps the told length; refuses every block from a given one on.
class RecordingSink final : public BlockSink {
  public:
    void Expect(std::size_t length) override { expected = length; }
    bool Write(std::string_view) override { return ++blocks < refuseFrom; }
    std::size_t expected = 0, blocks = 0, refuseFrom = SIZE_MAX;
};

struct ComposeCase {
    const char* label;
    NameList oldNames, newNames;
    std::uint64_t fingerprint;  // of the whole file
    std::size_t refusedBlock;   // a sink that refuses from this block on gets no further one
};

class ComposeTest : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeTest, ComposesTheFileAndStopsAtARefusedBlock) {
    const ComposeCase& c = GetParam();
    const MapkeyPairs pairs = PairsInUtf8(c.oldNames, c.newNames);
    StringSink file;
    ASSERT_TRUE(ComposeMapkeys(pairs, TextEnd::RenamePro, file));
    EXPECT_EQ(Fingerprint(file.text), c.fingerprint);
    RecordingSink refusing;
    refusing.refuseFrom = c.refusedBlock;
    EXPECT_FALSE(ComposeMapkeys(pairs, TextEnd::RenamePro, refusing));
    EXPECT_EQ(refusing.expected, file.text.size());
    EXPECT_EQ(refusing.blocks, c.refusedBlock);
}

// clang-format off
const ComposeCase kFiles[] = {
    {"WorkedExampleOfTwoPairs", {u"teil1.prt", u"bg1.asm"}, {u"teil1_neu.prt", u"bg1_neu.asm"},
     315801691557110417u, 1},
    {"EmptyLists", {}, {}, 14625824980647231397u, 1},
    // Pair indexes past the 16-bit range must not overflow.
    {"PairsPast16Bits", NameList(32770, u"a.asm"), NameList(32770, u"b"), 14955746558678215317u,
     100},
    // Bigger than a block: handed over whole, or not at all after a refusal.
    {"NameLongerThanABlock", {std::u16string(70000, u'\u00e4')}, {u"b"}, 8015133482816011696u, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, ComposeTest, testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.label); });

// The save-assemblies mapkey takes the pairs whose old name is exactly .asm or .drw.
TEST(SaveAssembliesTest, SelectsByTheOldNamesExtension) {
    const MapkeyPairs pairs =
        PairsInUtf8({u"a.asm", u"b.ASM", u"c.drw", u"d.asm.7", u"e.prt", u"f.drw.2"},
                    {u"A.prt", u"B", u"C", u"D", u"E.asm", u"F"});
    EXPECT_EQ(pairs.assemblyPairs, (std::vector<bool>{true, false, true, true, false, true}));
}

}  // namespace
}  // namespace velnix
