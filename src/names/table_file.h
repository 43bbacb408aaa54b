// Two columns of names from a spreadsheet: pasted cells and table files (.csv, .tsv, .txt).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "names/name_list.h"
#include "util/result.h"

namespace velnix {

// True when the pasted text holds at least one non-empty line and every non-empty line holds a
// tab: two columns copied from a spreadsheet.
bool IsTwoColumnPaste(std::u16string_view text);

// Whether the first row names the columns ("Alt;Neu") instead of holding a pair.
enum class Heading { Auto, Yes, No };

struct Table {
    NamePairs pairs;
    std::vector<std::size_t> lines;  // where each pair's row starts in the file, from 1
    std::size_t headingLine = 0;     // the row read as a heading, or 0
    std::size_t nextLine = 1;        // the line after the text, where a next piece would start
};

// Auto takes the first row with content for a heading when neither of its first two cells
// holds a dot (file names carry an extension) and some later row does, or no other row
// follows: a table of names without extension keeps its first row.
bool LooksLikeHeading(std::u16string_view text, char16_t separator);

// The rows of a table text, cut into cells at `separator`, with the quoting spreadsheets write
// ("a;b" in quotes, "" for a quote, line ends inside quotes belong to the cell); CR LF, CR and
// LF end a row. Rows without content are passed over, and so is the heading. Column 1 gives
// the old names, column 2 the new ones; later columns may only be empty. A row with one
// column, with a filled third column, or with a quote that is never closed refuses the whole
// table with a message naming `source` and the line where the row starts. A text that is a
// later piece of a file, starting at a row, gives the line it starts at as `firstLine`: only the
// file's first line may hold Excel's "sep=" hint.
Result<Table> ParseTable(std::u16string_view text, char16_t separator, std::u16string_view source,
                         Heading heading = Heading::Auto, std::size_t firstLine = 1);

// The separator of a table text, as found outside quotes in its first row that holds a tab,
// ';' or ',' (a heading "Name" holds none): a tab if it holds one, else ';' (Excel with German
// settings), else ','.
char16_t DetectSeparator(std::u16string_view text);

// Excel's hint "sep=;" as the first line: the separator it names, or 0.
char16_t SeparatorHint(std::u16string_view text);

// The whole file decoded as the list files are decoded; a missing, unreadable or undecodable
// file is an error naming the path, which is taken as given.
Result<std::u16string> ReadTableText(const std::filesystem::path& path);

// Reads the whole file, decodes it as the list files are decoded and parses it with the
// separator that its first line names ("sep=;") or that it uses. A missing, unreadable or
// undecodable file is an error naming the path, which is taken as given.
Result<Table> ReadTableFile(const std::filesystem::path& path, Heading heading = Heading::Auto);

}  // namespace velnix
