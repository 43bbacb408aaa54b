#include "mapkey/compose.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <regex>
#include <set>

#include "support/golden.h"
#include "util/unicode.h"

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
    for (const auto& name : c.loadAlong) {
        pairs.loadAlong.Append(Utf16ToUtf8(name));
    }
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
    {"UndoOfWorkedExample", {u"teil1.prt", u"bg1.asm"}, {u"teil1_neu.prt", u"bg1_neu.asm"}, 1,
     nullptr, {}, true},
    {"LoadAlong", {u"motor.prt", u"motor.drw"}, {u"antrieb.prt", u"antrieb.drw"}, 1, nullptr,
     {u"getriebe.asm", u"getriebe.drw"}},
    {"UndoOfLoadAlong", {u"motor.prt", u"motor.drw"}, {u"antrieb.prt", u"antrieb.drw"}, 1, nullptr,
     {u"getriebe.asm", u"getriebe.drw"}, true},
    {"EmptyLists", {}, {}, 1},
    // Pair indexes past the 16-bit range must not overflow; the file has 113 MB.
    {"PairsPast16Bits", NameList(32770, u"a.asm"), NameList(32770, u"b"), 100, "umb3276"},
    // Bigger than a block: handed over whole, or not at all after a refusal.
    {"NameLongerThanABlock", {std::u16string(70000, u'\u00e4')}, {u"b"}, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, ComposeTest, testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.label); });

std::vector<std::string> Utf8(const EncodedNames& names) {
    return {names.begin(), names.end()};
}

// Marks as the composition reads them: none at all mark nothing.
std::vector<bool> Marks(const std::vector<bool>& marks, std::size_t pairs) {
    return marks.empty() ? std::vector<bool>(pairs) : marks;
}

struct UndoCase {
    const char* label;
    NameList oldNames, newNames;
    std::vector<std::string> undoOld, undoNew;
    std::vector<bool> assemblies, oldMadeEarlier, newRemovedLater;
};

class UndoPairsTest : public testing::TestWithParam<UndoCase> {};

TEST_P(UndoPairsTest, InvertsThePairsLastFirstAndReadsTheInverseRunAnew) {
    const UndoCase& c = GetParam();
    const MapkeyPairs undo = UndoPairs(PairsInUtf8(c.oldNames, c.newNames));
    EXPECT_EQ(Utf8(undo.oldNames), c.undoOld);
    EXPECT_EQ(Utf8(undo.newNames), c.undoNew);
    EXPECT_EQ(undo.assemblyPairs, c.assemblies);
    EXPECT_EQ(Marks(undo.run.oldMadeEarlier, c.undoOld.size()), c.oldMadeEarlier);
    EXPECT_EQ(Marks(undo.run.newRemovedLater, c.undoOld.size()), c.newRemovedLater);
}

// clang-format off
const UndoCase kUndoCases[] = {
    {"Chain", {u"b.prt", u"a.prt"}, {u"c.prt", u"b.prt"},
     {"b.prt", "c.prt"}, {"a.prt", "b.prt"}, {false, false}, {false, false}, {false, false}},
    // The repaired ring's undo makes its intermediate name first and removes it last.
    {"RepairedRing", {u"a.prt", u"b.prt", u"t.prt"}, {u"t.prt", u"a.prt", u"b.prt"},
     {"b.prt", "a.prt", "t.prt"}, {"t.prt", "b.prt", "a.prt"}, {false, false, false},
     {false, false, true}, {true, false, false}},
    {"ExtensionChanged", {u"a.prt", u"z.drw"}, {u"a.asm", u"z.prt"},
     {"z.prt", "a.asm"}, {"z.drw", "a.prt"}, {false, true}, {false, false}, {false, false}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lists, UndoPairsTest, testing::ValuesIn(kUndoCases),
                         [](const auto& info) { return std::string(info.param.label); });

// Every mapkey a file defines and every one it calls, in lower case: Pro/ENGINEER calls "%name"
// regardless of letter case, and both files may be loaded into one session.
std::pair<std::set<std::string>, std::set<std::string>> DefinedAndCalled(const std::string& text) {
    std::set<std::string> defined, called;
    const std::regex mapkey("mapkey ([^ ]+) ~|%([^;]+);");
    for (std::sregex_iterator m(text.begin(), text.end(), mapkey), end; m != end; ++m) {
        std::string name = (*m)[1].matched ? (*m)[1].str() : (*m)[2].str();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        ((*m)[1].matched ? defined : called).insert(name);
    }
    return {defined, called};
}

TEST(MapkeyNamesTest, UndoFileAndRenameProShareNoMapkeyAndCallOnlyTheirOwn) {
    const MapkeyPairs pairs = PairsInUtf8({u"a.prt", u"b.asm"}, {u"c.prt", u"d.asm"});
    StringSink renamePro, undoFile;
    ASSERT_TRUE(ComposeMapkeys(pairs, TextEnd::RenamePro, renamePro, kRenameMapkeys));
    ASSERT_TRUE(ComposeMapkeys(UndoPairs(pairs), TextEnd::RenamePro, undoFile, kUndoMapkeys));
    auto [renameDefined, renameCalled] = DefinedAndCalled(renamePro.text);
    auto [undoDefined, undoCalled] = DefinedAndCalled(undoFile.text);
    EXPECT_EQ(renameDefined, (std::set<std::string>{"rename", "umb0", "umb1", "callallnow",
                                                    "saveallnow", "saveasmnow"}));
    EXPECT_EQ(undoDefined, (std::set<std::string>{"zurueck", "zur0", "zur1", "callallzurueck",
                                                  "saveallzurueck", "saveasmzurueck"}));
    std::set<std::string> shared;
    std::set_intersection(renameDefined.begin(), renameDefined.end(), undoDefined.begin(),
                          undoDefined.end(), std::inserter(shared, shared.end()));
    EXPECT_TRUE(shared.empty());
    renameDefined.erase("rename");
    undoDefined.erase("zurueck");
    EXPECT_EQ(renameCalled, renameDefined);
    EXPECT_EQ(undoCalled, undoDefined);
}

// The save-assemblies mapkey takes the pairs whose old name is exactly .asm or .drw.
TEST(SaveAssembliesTest, SelectsByTheOldNamesExtension) {
    const MapkeyPairs pairs =
        PairsInUtf8({u"a.asm", u"b.ASM", u"c.drw", u"d.asm.7", u"e.prt", u"f.drw.2"},
                    {u"A.prt", u"B", u"C", u"D", u"E.asm", u"F"});
    EXPECT_EQ(pairs.assemblyPairs, (std::vector<bool>{true, false, true, true, false, true}));
}

}  // namespace
}  // namespace velnix
