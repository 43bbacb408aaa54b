// Two columns of names from spreadsheets: Excel's copies and exports, quoting, encodings.
#include "names/table_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "util/paths.h"
#include "util/text.h"

namespace velnix {
namespace {

using namespace std::string_literals;  // bytes with NUL
using namespace test;

struct TableCase {
    std::string bytes;
    NameList oldNames;
    NameList newNames;
    std::size_t refusedLine = 0;  // with `fault`; 0: read
    std::u16string fault = {};
    std::size_t headingLine = 0;
    std::vector<std::size_t> lines = {};  // checked when given
};

class TableTest : public testing::TestWithParam<TableCase> {};

TEST_P(TableTest, ReadsTwoColumnsOrRefusesTheWholeTable) {
    const TableCase& table = GetParam();
    TempDir dir;
    const std::u16string path = dir.File(u"namen.csv");
    WriteBytes(path, table.bytes);
    const Result<Table> read = ReadTableFile(ToFsPath(path));
    EXPECT_EQ(read.error, table.fault.empty()
                              ? u""
                              : u"Fehler : Zeile " + DecimalText(table.refusedLine) +
                                    u" der Tabelle \"" + path + u"\" " + table.fault +
                                    u". Es wurde nichts übernommen.");
    const Table read_ = read.value.value_or(Table{});
    EXPECT_EQ(read_.pairs.oldNames, table.oldNames);
    EXPECT_EQ(read_.pairs.newNames, table.newNames);
    EXPECT_EQ(read_.headingLine, table.headingLine);
    if (!table.lines.empty()) {
        EXPECT_EQ(read_.lines, table.lines);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, TableTest,
    testing::Values(
        // Excel's "Text (Tabstopp-getrennt)" with its heading
        TableCase{"alter Name\tneuer Name\r\na;1.prt\tb.prt\r\n", {u"a;1.prt"}, {u"b.prt"}, 0, u"",
                  1},
        // Excel with German settings: empty cells at the end, rows without content
        TableCase{"Alt;Neu;;\n\n;;\na.prt;b.prt;;\nc.prt;;\n", {u"a.prt", u"c.prt"},
                  {u"b.prt", u""}, 0, u"", 1, {4, 5}},
        // Excel's separator hint; names without extension are names, a lone heading is one
        TableCase{"sep=,\r\na;b.prt,c.prt\r\n", {u"a;b.prt"}, {u"c.prt"}, 0, u"", 0, {2}},
        TableCase{"teil1;teil2\nteil3;teil4\n", {u"teil1", u"teil3"}, {u"teil2", u"teil4"}},
        TableCase{"sep=;", {}, {}},
        TableCase{"sep=;x\na.prt;b.prt", {u"a.prt"}, {u"b.prt"}, 0, u"", 1},  // no hint
        TableCase{"a.prt\nb.prt", {}, {}, 1, u"hat nur eine Spalte"},
        // a first row of files is kept; quoted separators, quotes and line ends are content
        TableCase{"\"x;1\",\"y \"\"neu\"\".prt\"\r\n\"m\r\nn.prt\",o.prt", {u"x;1", u"m\r\nn.prt"},
                  {u"y \"neu\".prt", u"o.prt"}},
        TableCase{"Name\r\na.prt;b.prt", {u"a.prt"}, {u"b.prt"}, 0, u"", 1},
        TableCase{"\"m\rn.prt\";o.prt\r\np;q", {u"m\rn.prt", u"p"}, {u"o.prt", u"q"}, 0, u"", 0,
                  {1, 3}},
        // refused at the line where the row starts, counting line ends inside quotes
        TableCase{"Alt;Neu\r\n\"a\r\n.prt\";b.prt\r\nc.prt\r\n", {}, {}, 4, u"hat nur eine Spalte"},
        TableCase{"a.prt;b.prt\r\r;c.prt;x\r", {}, {}, 3, u"hat mehr als zwei gefüllte Spalten"},
        TableCase{"a.prt;b\n\"c;d\r", {}, {}, 2, u"hat ein nicht geschlossenes Anführungszeichen"},
        // only a quote that starts a cell quotes it: a hand-written 5" Rohr keeps its quote
        TableCase{"5\" Rohr.prt;6\" Rohr.prt", {u"5\" Rohr.prt"}, {u"6\" Rohr.prt"}},
        TableCase{"a.prt;\"b;c.prt\"", {u"a.prt"}, {u"b;c.prt"}},
        TableCase{"\"\";\"\"\"b.prt\"", {u""}, {u"\"b.prt"}},
        TableCase{"\"a\"b\"c\".prt;d", {u"ab\"c\".prt"}, {u"d"}},
        // UTF-8 with its mark, Notepad's "Unicode" (where the tab wins over ';')
        TableCase{"\xEF\xBB\xBFK\xC3\xBChler.prt;k.prt", {u"K\u00fchler.prt"}, {u"k.prt"}},
        TableCase{"\xFF\xFE;\0.\0p\0\t\0\xE4\0.\0"s, {u";.p"}, {u"\u00e4."}}));
// clang-format on

// A paste fills both lists only when every line with text has a tab: names alone go to one list.
TEST(PasteTest, IsTwoColumnsWhenEveryFilledLineHasATab) {
    EXPECT_TRUE(IsTwoColumnPaste(u"a.prt\tb.prt\r\n\r\n\tc.prt\n"));
    EXPECT_FALSE(IsTwoColumnPaste(u"a.prt\tb.prt\nc.prt") || IsTwoColumnPaste(u"\r\n\n"));
}

}  // namespace
}  // namespace velnix
