#include "names/table_file.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "names/list_file.h"
#include "util/files.h"
#include "util/text.h"

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

// File names carry an extension; a heading like "alter Name" or "Alt" does not.
bool NamesTheColumns(const TableRow& row) {
    const auto hasDot = [](const std::u16string& cell) {
        return cell.find(u'.') != std::u16string::npos;
    };
    return std::none_of(row.cells.begin(),
                        row.cells.begin() + std::min<std::size_t>(2, row.cells.size()), hasDot);
}

Result<NamePairs> Refuse(std::u16string_view source, std::size_t line, std::u16string_view fault) {
    return Result<NamePairs>::Failure(u"Fehler : Zeile " + DecimalText(line) + u" der Tabelle \"" +
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

Result<NamePairs> ParseTable(std::u16string_view text, char16_t separator,
                             std::u16string_view source) {
    NamePairs pairs;
    std::size_t pos = 0;
    std::size_t line = 1;
    bool firstRow = true;
    while (pos < text.size()) {
        TableRow row = ReadRow(text, pos, line, std::u16string_view(&separator, 1));
        if (row.quoteOpen) {
            return Refuse(source, row.line, u"hat ein nicht geschlossenes Anführungszeichen");
        }
        if (std::none_of(row.cells.begin(), row.cells.end(), IsFilled) ||
            (std::exchange(firstRow, false) && NamesTheColumns(row))) {
            continue;
        }
        if (row.cells.size() == 1) {
            return Refuse(source, row.line, u"hat nur eine Spalte");
        }
        if (std::any_of(row.cells.begin() + 2, row.cells.end(), IsFilled)) {
            return Refuse(source, row.line, u"hat mehr als zwei gefüllte Spalten");
        }
        pairs.oldNames.push_back(std::move(row.cells[0]));
        pairs.newNames.push_back(std::move(row.cells[1]));
    }
    return Result<NamePairs>::Success(std::move(pairs));
}

char16_t DetectSeparator(std::u16string_view text) {
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

Result<NamePairs> ReadTableFile(std::u16string_view path) {
    const FileRead read = ReadWholeFile(ToFsPath(path));
    if (!read.ok) {
        return Result<NamePairs>::Failure(read.error);
    }
    const Result<std::u16string> text = DecodeTextFile(read.bytes, path);
    if (!text.ok()) {
        return Result<NamePairs>::Failure(text.error);
    }
    return ParseTable(*text.value, DetectSeparator(*text.value), path);
}

}  // namespace velnix
