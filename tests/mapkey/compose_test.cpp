#include "mapkey/compose.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "util/unicode.h"

namespace velnix {
namespace {

std::string Composed(const NameList& oldNames, const NameList& newNames) {
    StringSink sink;
    ComposeMapkeys(PairsInUtf8(oldNames, newNames), TextEnd::RenamePro, sink);
    return sink.text;
}

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
    std::size_t bytes;
    std::uint64_t fingerprint;       // of the whole file
    std::vector<std::string> parts;  // each found in the file
    std::size_t refusedBlock;        // a sink that refuses from this block on gets no further one
};

class ComposeTest : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeTest, ComposesTheFileAndStopsAtARefusedBlock) {
    const ComposeCase& c = GetParam();
    const MapkeyPairs pairs = PairsInUtf8(c.oldNames, c.newNames);
    StringSink file;
    ASSERT_TRUE(ComposeMapkeys(pairs, TextEnd::RenamePro, file));
    EXPECT_EQ(file.text.size(), c.bytes);
    EXPECT_EQ(Fingerprint(file.text), c.fingerprint);
    for (const auto& part : c.parts) {
        EXPECT_NE(file.text.find(part), std::string::npos) << part;
    }
    RecordingSink refusing;
    refusing.refuseFrom = c.refusedBlock;
    EXPECT_FALSE(ComposeMapkeys(pairs, TextEnd::RenamePro, refusing));
    EXPECT_EQ(refusing.expected, c.bytes);
    EXPECT_EQ(refusing.blocks, c.refusedBlock);
}

// The file for one pair whose old name is `length` times "ä": the file of the pair ("ä", "b")
// with every "ä" stretched.
std::string WithLongOldName(std::size_t length) {
    std::string text = Composed({u"\u00e4"}, {u"b"});
    const std::string longName = Utf16ToUtf8(std::u16string(length, u'\u00e4'));
    for (std::size_t p = 0; (p = text.find("\xC3\xA4", p)) != std::string::npos;
         p += longName.size()) {
        text.replace(p, 2, longName);
    }
    return text;
}
const std::string kLongNameFile = WithLongOldName(70000);

const std::string kOpen = "mapkey(continued) ~ Update `file_open` `Inputname` `";
const std::string kCall = "\r\nmapkey(continued) ~ ;%";
const std::string kMaster =  // up to the call of the first pair mapkey
    "\r\n\r\nmapkey rename ~ ;\\" + kCall + "CallALLNow;\\" + kCall;

// The fingerprints pin each file byte for byte; the parts show where to look when one differs.
// clang-format off
const ComposeCase kFiles[] = {
    {"WorkedExampleOfTwoPairs", {u"teil1.prt", u"bg1.asm"}, {u"teil1_neu.prt", u"bg1_neu.asm"},
     6603, 315801691557110417u,
     {"save_objects all\r\nmapkey umb0 ~ ;\\\r\n", kOpen + "teil1.prt`;\\\r\n",
      "mapkey(continued) ~ Update `rename` `InputPanel2` `teil1_neu.prt`;\\\r\n",
      "\r\n\r\nmapkey CallALLNow ~ ;\\\r\n", "\r\n\r\nmapkey saveALLNow ~ ;\\\r\n",
      "\r\n\r\nmapkey saveASMNow ~ ;\\\r\n",
      kMaster + "umb0;\\" + kCall + "umb1;\\" + kCall + "SaveASMNow;\\" + kCall + "SaveAllNow;\\"},
     1},
    {"EmptyLists", {}, {}, 320, 14625824980647231397u,
     {"mapkey CallALLNow ~ ;\\\r\nmapkey(continued) ~ ;\r\n", kMaster + "SaveASMNow;\\"}, 1},
    // Pair indexes past the 16-bit range must not overflow.
    {"PairsPast16Bits", NameList(32770, u"a.asm"), NameList(32770, u"b"),
     113788310, 14955746558678215317u,
     {"\r\nmapkey umb32769 ~ ;\\\r\n", kCall + "umb32769;\\" + kCall + "SaveASMNow;\\"}, 100},
    // Bigger than a block: handed over whole, or not at all after a refusal.
    {"NameLongerThanABlock", {std::u16string(70000, u'\u00e4')}, {u"b"}, kLongNameFile.size(),
     Fingerprint(kLongNameFile), {}, 1},
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
