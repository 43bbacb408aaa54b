#include "mapkey/compose.h"

#include <gtest/gtest.h>

#include "mapkey/rename_file.h"
#include "support/golden.h"

namespace velnix {
namespace {

// For a file too big to keep: its lines that hold `marker`, each after its number, and its size.
std::string LinesWith(const std::string& text, std::string_view marker) {
    std::string excerpt;
    std::size_t count = 0;
    for (std::size_t start = 0; start < text.size(); ++count) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::string_view line = std::string_view(text).substr(start, end - start);
        if (line.find(marker) != std::string_view::npos) {
            excerpt += std::to_string(count + 1) + ": " + std::string(line);
        }
        start = end;
    }
    return excerpt + std::to_string(text.size()) + " bytes, " + std::to_string(count) +
           " lines\r\n";
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
    std::size_t refusedBlock;         // a sink that refuses from this block on gets no further one
    const char* linesWith = nullptr;  // kept in tests/golden: these lines alone, or the whole file
    NameList loadAlong = {};
    bool undo = false;  // the undo file of the pairs
};

class ComposeTest : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeTest, ComposesTheFileAndStopsAtARefusedBlock) {
    const ComposeCase& c = GetParam();
    MapkeyPairs pairs = PairsInUtf8(c.oldNames, c.newNames);
    ASSERT_TRUE(AppendWritableNames(c.loadAlong, pairs.loadAlong));
    if (c.undo) {
        pairs = UndoPairs(pairs);
    }
    const MapkeyNames& names = c.undo ? kUndoMapkeys : kRenameMapkeys;
    StringSink file;
    ASSERT_TRUE(ComposeMapkeys(pairs, TextEnd::RenamePro, file, names));
    const bool whole = c.linesWith == nullptr;
    EXPECT_TRUE(test::MatchesGolden(c.label + std::string(whole ? ".pro" : ".excerpt"),
                                    whole ? file.text : LinesWith(file.text, c.linesWith)));
    RecordingSink refusing;
    refusing.refuseFrom = c.refusedBlock;
    EXPECT_FALSE(ComposeMapkeys(pairs, TextEnd::RenamePro, refusing, names));
    EXPECT_EQ(refusing.expected, file.text.size());
    EXPECT_EQ(refusing.blocks, c.refusedBlock);
}

// clang-format off
const ComposeCase kFiles[] = {
    {"WorkedExampleOfTwoPairs", {u"teil1.prt", u"bg1.asm"}, {u"teil1_neu.prt", u"bg1_neu.asm"}, 1},
    {"LoadAlong", {u"motor.prt", u"motor.drw"}, {u"antrieb.prt", u"antrieb.drw"}, 1, nullptr,
     {u"getriebe.asm", u"getriebe.drw"}},
    // The undo of a repaired ring makes its intermediate name first and removes it last.
    {"UndoOfRepairedRing", {u"a.asm", u"b.asm", u"a_velnix1.asm"},
     {u"a_velnix1.asm", u"a.asm", u"b.asm"}, 1, nullptr, {}, true},
    {"UndoOfLoadAlong", {u"motor.prt", u"motor.drw"}, {u"antrieb.prt", u"antrieb.drw"}, 1, nullptr,
     {u"getriebe.asm", u"getriebe.drw"}, true},
    {"EmptyLists", {}, {}, 1},
    {"UndoOfEmptyLists", {}, {}, 1, nullptr, {}, true},
    // Pair indexes past the 16-bit range must not overflow; the file has 113 MB.
    {"PairsPast16Bits", NameList(32770, u"a.asm"), NameList(32770, u"b"), 100, "umb3276"},
    // Bigger than a block, handed over whole or not at all; 128 bytes, a length of two bytes.
    {"NameLongerThanABlock", {std::u16string(70000, u'\u00e4'), std::u16string(128, u'a')},
     {u"b", u"c"}, 1},
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

// The call-all mapkey leaves out a name that an unchanged later pair keeps: the run takes it as
// made by the pair renamed into it.
TEST(RunMarksTest, ANameKeptLaterCountsAsMadeEarlier) {
    const MadeAndRemoved run = NamesMadeAndRemoved(NameListSource(NameList{u"a.prt", u"b.prt"}),
                                                   NameListSource(NameList{u"b.prt", u"B.prt"}));
    EXPECT_EQ(run.oldMadeEarlier, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace velnix
