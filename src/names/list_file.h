// The list files (one name per line) and the splitting of pasted or script-written text.
#pragma once

#include <string>
#include <string_view>

#include "names/name_list.h"
#include "util/result.h"

namespace velnix {

// Hands each line of `text` to `take`: CR LF and a lone CR end a line, and a lone LF too when
// `lineFeedEndsLine`; the last line counts without a line end, a final line end adds none.
// For UTF-16 text and for the bytes of plain-ASCII lists alike.
template <class Char, class Take>
void ForEachLine(std::basic_string_view<Char> text, bool lineFeedEndsLine, Take&& take) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (c == Char{'\r'} || (c == Char{'\n'} && lineFeedEndsLine)) {
            take(text.substr(start, i - start));
            if (c == Char{'\r'} && i + 1 < text.size() && text[i + 1] == Char{'\n'}) {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        take(text.substr(start));
    }
}

// Lines of a list file: CR LF or a lone CR ends a line, a lone LF stays part of it. The last
// line counts without a line end; a final line end adds no empty line.
NameList SplitListFileLines(std::u16string_view text);

// Lines of a file written by a script on any system: CR LF, CR and LF all end a line, an
// empty line in between is an empty name, a final line end adds none.
NameList SplitAnyLines(std::u16string_view text);

// Pasted text: lines as in SplitAnyLines (clipboards hand over LF line ends too), without the
// empty lines and the lines that are exactly "Name" (a column heading copied along).
NameList SplitPastedText(std::u16string_view text);

enum class LineRule { ListFile, AnyLineEnd };

// The entries of a list file's bytes: DecodeTextFile, then split by the line rule.
Result<NameList> DecodeListFile(std::string_view bytes, std::u16string_view path, LineRule rule);

// "Velnix_renOLD.txt" or "Velnix_renNEW.txt" in the program directory.
std::u16string ListFilePath(std::u16string_view programDirectory, ListId list);

// Reads the whole file first. A missing file is an empty list (the normal first run); a file
// that cannot be read or decoded is an error, so that the caller keeps the list it has.
Result<NameList> ReadListFile(std::u16string_view path, LineRule rule = LineRule::ListFile);

// Each entry followed by CR LF, in the code page; refuses an entry with a character that the
// code page lacks. Written atomically.
Status WriteListFile(std::u16string_view path, const NameList& names);

}  // namespace velnix
