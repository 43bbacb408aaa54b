// Two columns of names from a spreadsheet: pasted cells and table files (.csv, .tsv, .txt).
#pragma once

#include <string_view>

#include "names/name_list.h"
#include "util/result.h"

namespace velnix {

// True when the pasted text holds at least one non-empty line and every non-empty line holds a
// tab: two columns copied from a spreadsheet.
bool IsTwoColumnPaste(std::u16string_view text);

// The rows of a table text, cut into cells at `separator`, with the quoting spreadsheets write
// ("a;b" in quotes, "" for a quote, line ends inside quotes belong to the cell); CR LF, CR and
// LF end a row. Rows without content are passed over, and so is a first row that names the
// columns instead of files (no dot in its first two cells: "Alt;Neu", "Name"). Column 1 gives
// the old names, column 2 the new ones; later columns may only be empty. A row with one
// column, with a filled third column, or with a quote that is never closed refuses the whole
// table with a message naming `source` and the line where the row starts.
Result<NamePairs> ParseTable(std::u16string_view text, char16_t separator,
                             std::u16string_view source);

// The separator of a table text, as found outside quotes in its first row that holds a tab,
// ';' or ',' (a heading "Name" holds none): a tab if it holds one, else ';' (Excel with German
// settings), else ','.
char16_t DetectSeparator(std::u16string_view text);

// Reads the whole file, decodes it as the list files are decoded and parses it with the
// separator it uses. A missing, unreadable or undecodable file is an error naming `path`.
Result<NamePairs> ReadTableFile(std::u16string_view path);

}  // namespace velnix
