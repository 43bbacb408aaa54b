#include "mapkey/compose.h"

#include <gtest/gtest.h>

#include "mapkey/builders.h"
#include "mapkey/templates.h"
#include "util/text.h"
#include "util/unicode.h"

namespace velnix {
namespace {

// The text's lines without their CR LF; fails when any other line break occurs.
std::vector<std::string> CrLfLines(const std::u16string& text) {
    const std::string bytes = Utf16ToUtf8(text);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_EQ(start, bytes.size()) << "text must end with CR LF";
    return lines;
}

std::vector<std::string> TemplateLines(std::string_view text) {
    return CrLfLines(Utf8ToUtf16(text));
}

TEST(TemplatesTest, HaveTheirCharacterAndLineCounts) {
    const struct {
        std::string_view text;
        std::size_t characters, lines;
    } cases[] = {
        {templates::txt_kopf, 18, 1},       {templates::txt_open, 216, 3},
        {templates::txt_Kern, 1310, 20},    {templates::txt_end, 23, 1},
        {templates::txt_saveALL, 727, 10},  {templates::txt_CallAll, 224, 3},
        {templates::txt_mapkeyneu, 517, 9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text.size(), c.characters);
        EXPECT_EQ(TemplateLines(c.text).size(), c.lines);
    }
}

TEST(ComposeTest, WorkedExampleOfTwoPairs) {
    const auto lines = CrLfLines(
        ComposeMapkeyText({u"teil1.prt", u"bg1.asm"}, {u"teil1_neu.prt", u"bg1_neu.asm"}) +
        u"\r\n");
    ASSERT_EQ(lines.size(), 109u);
    std::size_t bytes = 0;
    for (const auto& line : lines) {
        bytes += line.size() + 2;
    }
    EXPECT_EQ(bytes, 6603u);

    const auto open = TemplateLines(templates::txt_open);
    const auto core = TemplateLines(templates::txt_Kern);
    const auto save = TemplateLines(templates::txt_saveALL);
    const auto callAll = TemplateLines(templates::txt_CallAll);
    const std::string update = "mapkey(continued) ~ Update `file_open` `Inputname` `";
    const std::string renameTo = "mapkey(continued) ~ Update `rename` `InputPanel2` `";
    const std::string end = "mapkey(continued) ~ ;";
    const auto at = [&](std::size_t number) { return lines.at(number - 1); };

    EXPECT_EQ(at(1), "save_objects all");
    for (const auto& [first, oldName, newName] :
         {std::tuple{2, "teil1.prt", "teil1_neu.prt"}, std::tuple{26, "bg1.asm", "bg1_neu.asm"}}) {
        const std::size_t n = static_cast<std::size_t>(first);
        EXPECT_EQ(at(n), first == 2 ? "mapkey umb0 ~ ;\\" : "mapkey umb1 ~ ;\\");
        EXPECT_EQ(at(n + 1), open[0]);
        EXPECT_EQ(at(n + 2), open[1]);
        EXPECT_EQ(at(n + 3), update + oldName + "`;\\");
        for (std::size_t k = 1; k < 20; ++k) {
            EXPECT_EQ(at(n + 3 + k), k == 5 ? renameTo + newName + "`;\\" : core[k]);
        }
        EXPECT_EQ(at(n + 23), end);
    }
    EXPECT_EQ(at(50), "");
    EXPECT_EQ(at(51), "mapkey CallALLNow ~ ;\\");
    EXPECT_EQ(at(54), update + "teil1.prt`;\\");
    EXPECT_EQ(at(55), callAll[0]);
    EXPECT_EQ(at(60), update + "bg1.asm`;\\");
    EXPECT_EQ(at(64), end);
    EXPECT_EQ(at(66), "mapkey saveALLNow ~ ;\\");
    EXPECT_EQ(at(67), save[0]);
    EXPECT_EQ(at(69), update + "teil1_neu.prt`;\\");
    EXPECT_EQ(at(79), update + "bg1_neu.asm`;\\");
    EXPECT_EQ(at(86), save[9]);
    EXPECT_EQ(at(89), "mapkey saveASMNow ~ ;\\");
    EXPECT_EQ(at(92), update + "bg1_neu.asm`;\\");
    EXPECT_EQ(at(100), end);
    const std::vector<std::string> tail(lines.begin() + 100, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "", "mapkey rename ~ ;\\", "mapkey(continued) ~ ;%CallALLNow;\\",
                        "mapkey(continued) ~ ;%umb0;\\", "mapkey(continued) ~ ;%umb1;\\",
                        "mapkey(continued) ~ ;%SaveASMNow;\\",
                        "mapkey(continued) ~ ;%SaveAllNow;\\", end, ""}));
}

TEST(ComposeTest, EmptyListsGiveTheSeventeenLineFile) {
    const auto lines = CrLfLines(ComposeMapkeyText({}, {}) + u"\r\n");
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "save_objects all", "", "mapkey CallALLNow ~ ;\\", "mapkey(continued) ~ ;", "",
                  "mapkey saveALLNow ~ ;\\", "mapkey(continued) ~ ;", "", "mapkey saveASMNow ~ ;\\",
                  "mapkey(continued) ~ ;", "", "mapkey rename ~ ;\\",
                  "mapkey(continued) ~ ;%CallALLNow;\\", "mapkey(continued) ~ ;%SaveASMNow;\\",
                  "mapkey(continued) ~ ;%SaveAllNow;\\", "mapkey(continued) ~ ;", ""}));
}

TEST(ComposeTest, PairIndexesAreDecimalInOrder) {
    const NameList names(12, u"x.prt");
    const std::string text = Utf16ToUtf8(ComposeMapkeyText(names, names));
    EXPECT_NE(text.find("mapkey umb10 ~ ;\\\r\n"), std::string::npos);
    EXPECT_NE(text.find("%umb9;\\\r\nmapkey(continued) ~ ;%umb10;\\\r\n"
                        "mapkey(continued) ~ ;%umb11;\\\r\nmapkey(continued) ~ ;%SaveASMNow"),
              std::string::npos);
}

TEST(ComposeTest, NewNameFillsOnlyItsPlaceholder) {
    // "a" occurs in "mapkey" long before the placeholder; "" empties the value.
    for (const std::u16string newName : {u"a", u"", u"NeuName123", u"PlatzhalterName"}) {
        const std::u16string text = ComposeMapkeyText({u"x.asm", u"y.asm"}, {newName, newName});
        const std::u16string core =
            ReplaceFirst(Utf8ToUtf16(templates::txt_Kern), u"NeuName123", newName);
        const std::u16string save =
            ReplaceFirst(Utf8ToUtf16(templates::txt_saveALL), u"PlatzhalterName", newName);
        EXPECT_NE(text.find(u"`x.asm" + core), std::u16string::npos);
        EXPECT_NE(text.find(u"`y.asm" + core), std::u16string::npos);
        EXPECT_NE(text.find(u"saveASMNow ~ ;\\\r\n" + save + save + u"mapkey(continued) ~ ;"),
                  std::u16string::npos);
    }
}

TEST(ComposeTest, SaveAssembliesSelectsByTheOldNamesExtension) {
    const NameList oldNames{u"a.asm", u"b.ASM", u"c.drw", u"d.asm.7", u"e.prt", u"f.drw.2"};
    EXPECT_EQ(AssemblyPairs(oldNames), (std::vector<bool>{true, false, true, true, false, true}));

    const NameList newNames{u"A.prt", u"B", u"C", u"D", u"E.asm", u"F"};
    const std::string text = Utf16ToUtf8(ComposeMapkeyText(oldNames, newNames));
    const std::string saveAsm = text.substr(text.find("mapkey saveASMNow"));
    std::string selected;
    for (std::size_t p = 0; (p = saveAsm.find("`Inputname` `", p)) != std::string::npos; ++p) {
        selected += saveAsm.substr(p + 13, saveAsm.find('`', p + 13) - p - 13) + ",";
    }
    EXPECT_EQ(selected, "A.prt,C,D,F,");
}

TEST(ComposeTest, ListsOfDifferentLengthComposeNothing) {
    EXPECT_EQ(ComposeMapkeyText({u"a.prt"}, {}), u"");
}

TEST(ComposeTest, ListsBeyondSixteenBitIndexesWork) {
    // Pair indexes past the 16-bit range (32767) must not overflow.
    const NameList oldNames(32770, u"a.asm");
    const NameList newNames(32770, u"b");
    const std::u16string text = ComposeMapkeyText(oldNames, newNames);
    EXPECT_NE(text.find(u"\r\nmapkey umb32769 ~ ;\\\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u";%umb32769;\\\r\nmapkey(continued) ~ ;%SaveASMNow;\\\r\n"),
              std::u16string::npos);
}

}  // namespace
}  // namespace velnix
