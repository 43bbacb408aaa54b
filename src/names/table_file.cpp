#include "names/table_file.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "names/list_file.h"
#include "util/file_read.h"
#include "util/paths.h"
#include "util/text.h"
#include "util/text_file.h"

namespace velnix {
namespace {

struct TableRow {
    std::vector<std::u16string> cells;
    std::size_t line = 0;          // where the row starts in the text, from 1
    std::u16string separatorsMet;  // those that cut the row, in order
    bool quoteOpen = false;        // a quoted cell ran to the end of the text
};

// True when the character at `i` ends a line; a CR that a LF follows leaves it to the LF.
bool EndsLine(std::u16string_view text, std::size_t i) {
    return text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
}

// Reads a quoted cell from just after its opening quote up to and past its closing quote;
// false when the text ends first.
bool ReadQuoted(std::u16string_view text, std::size_t& pos, std::size_t& line,
                std::u16string& cell) {
    while (pos < text.size()) {
        const char16_t c = text[pos++];
        if (c == u'"') {
            if (pos == text.size() || text[pos] != u'"') {
                return true;
            }
            ++pos;
        } else if (EndsLine(text, pos - 1)) {
            ++line;
        }
        cell.push_back(c);
    }
    return false;
}

// Reads the row starting at `pos` and moves past its line end. Only a quote that starts a cell
// quotes it, so that a hand-written 5" Rohr keeps its quote.
TableRow ReadRow(std::u16string_view text, std::size_t& pos, std::size_t& line,
                 std::u16string_view separators) {
    TableRow row;
    row.line = line;
    row.cells.emplace_back();
    bool atCellStart = true;
    while (pos < text.size()) {
        const char16_t c = text[pos++];
        if (c == u'"' && atCellStart) {
            atCellStart = false;
            if (!ReadQuoted(text, pos, line, row.cells.back())) {
                row.quoteOpen = true;
            }
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && pos < text.size() && text[pos] == u'\n') {
                ++pos;
            }
            ++line;
            break;
        } else if (separators.find(c) != std::u16string_view::npos) {
            row.separatorsMet.push_back(c);
            row.cells.emplace_back();
            atCellStart = true;
        } else {
            row.cells.back().push_back(c);
            atCellStart = false;
        }
    }
    return row;
}

bool IsFilled(const std::u16string& cell) {
    return !cell.empty();
}

bool IsFilledRow(const TableRow& row) {
    return std::any_of(row.cells.begin(), row.cells.end(), IsFilled);
}

bool HasDotInFirstTwoCells(const TableRow& row) {
    return std::any_of(
        row.cells.begin(),
        row.cells.begin() +
            std::min<std::ptrdiff_t>(2, static_cast<std::ptrdiff_t>(row.cells.size())),
        [](const std::u16string& cell) { return cell.find(u'.') != std::u16string::npos; });
}

// Where the rows start after Excel's separator hint, and the line of that start.
std::size_t SkipSeparatorHint(std::u16string_view text, std::size_t& line) {
    if (SeparatorHint(text) == 0) {
        return 0;
    }
    std::size_t pos = 5;
    if (pos < text.size() && text[pos] == u'\r') {
        ++pos;
    }
    if (pos < text.size() && text[pos] == u'\n') {
        ++pos;
    }
    ++line;
    return pos;
}

Result<Table> Refuse(std::u16string_view source, std::size_t line, std::u16string_view fault) {
    return Result<Table>::Failure(u"Fehler : Zeile " + DecimalText(line) + u" der Tabelle \"" +
                                  std::u16string(source) + u"\" " + std::u16string(fault) +
                                  u". Es wurde nichts übernommen.");
}

}  // namespace

bool IsTwoColumnPaste(std::u16string_view text) {
    bool anyLine = false;
    for (const std::u16string& line : SplitAnyLines(text)) {
        if (line.empty()) {
            continue;
        }
        if (line.find(u'\t') == std::u16string::npos) {
            return false;
        }
        anyLine = true;
    }
    return anyLine;
}

bool LooksLikeHeading(std::u16string_view text, char16_t separator) {
    std::size_t line = 1;
    std::size_t pos = SkipSeparatorHint(text, line);
    std::size_t rows = 0;
    while (pos < text.size()) {
        const TableRow row = ReadRow(text, pos, line, std::u16string_view(&separator, 1));
        if (!IsFilledRow(row)) {
            continue;
        }
        ++rows;
        // A file name in the first row: no heading; in a later one: the first row is one.
        if (HasDotInFirstTwoCells(row)) {
            return rows > 1;
        }
    }
    return rows == 1;
}

Result<Table> ParseTable(std::u16string_view text, char16_t separator, std::u16string_view source,
                         Heading heading, std::size_t firstLine) {
    const bool skipHeading =
        heading == Heading::Yes || (heading == Heading::Auto && LooksLikeHeading(text, separator));
    Table table;
    std::size_t line = firstLine;
    std::size_t pos = firstLine == 1 ? SkipSeparatorHint(text, line) : 0;
    bool firstRow = true;
    while (pos < text.size()) {
        TableRow row = ReadRow(text, pos, line, std::u16string_view(&separator, 1));
        if (row.quoteOpen) {
            return Refuse(source, row.line, u"hat ein nicht geschlossenes Anführungszeichen");
        }
        if (!IsFilledRow(row)) {
            continue;
        }
        if (std::exchange(firstRow, false) && skipHeading) {
            table.headingLine = row.line;
            continue;
        }
        if (row.cells.size() == 1) {
            return Refuse(source, row.line, u"hat nur eine Spalte");
        }
        if (std::any_of(row.cells.begin() + 2, row.cells.end(), IsFilled)) {
            return Refuse(source, row.line, u"hat mehr als zwei gefüllte Spalten");
        }
        table.pairs.oldNames.push_back(std::move(row.cells[0]));
        table.pairs.newNames.push_back(std::move(row.cells[1]));
        table.lines.push_back(row.line);
    }
    table.nextLine = line;
    return Result<Table>::Success(std::move(table));
}

char16_t SeparatorHint(std::u16string_view text) {
    if (text.size() < 5 || text.substr(0, 4) != u"sep=") {
        return 0;
    }
    const char16_t separator = text[4];
    const bool lineEnds = text.size() == 5 || text[5] == u'\r' || text[5] == u'\n';
    return lineEnds && separator != u'"' && separator != u'\r' && separator != u'\n' ? separator
                                                                                     : 0;
}

char16_t DetectSeparator(std::u16string_view text) {
    if (const char16_t hinted = SeparatorHint(text)) {
        return hinted;
    }
    std::size_t pos = 0;
    std::size_t line = 1;
    while (pos < text.size()) {
        const TableRow row = ReadRow(text, pos, line, u"\t;,");
        if (row.separatorsMet.empty()) {
            continue;  // a heading of one cell ("Name") tells nothing
        }
        for (const char16_t separator : {u'\t', u';'}) {
            if (row.separatorsMet.find(separator) != std::u16string::npos) {
                return separator;
            }
        }
        return u',';
    }
    return u',';
}

Result<std::u16string> ReadTableText(const std::filesystem::path& path) {
    const FileRead read = ReadWholeFile(path);
    if (!read.ok) {
        return Result<std::u16string>::Failure(read.error);
    }
    return DecodeTextFile(read.bytes, FromFsPath(path));
}

Result<Table> ReadTableFile(const std::filesystem::path& path, Heading heading) {
    const Result<std::u16string> text = ReadTableText(path);
    if (!text.ok()) {
        return Result<Table>::Failure(text.error);
    }
    return ParseTable(*text.value, DetectSeparator(*text.value), FromFsPath(path), heading);
}

}  // namespace velnix
