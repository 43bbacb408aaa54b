// The one-byte code page of all files Velnix reads and writes: the machine's ANSI code page
// on Windows, Windows-1252 elsewhere (so the same lists give the same bytes everywhere).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velnix {

struct UnmappableChar {
    std::size_t offset = 0;  // in UTF-16 units from the start of the converted text
    char32_t codePoint = 0;
};

// Appends `text` in the code page to `out`. When the code page lacks a character, `out` is
// left as it was and that character is returned: nothing is ever written as "?".
std::optional<UnmappableChar> AppendInCodePage(std::u16string_view text, std::string& out);

std::u16string DecodeCodePage(std::string_view bytes);

// "Windows-1252" and the like, for messages.
std::u16string CodePageName();
// "in der Codepage Windows-1252", for messages.
std::u16string InCodePageText();
// "das Zeichen "☃" (U+2603), das es in der Codepage Windows-1252 nicht gibt", for messages.
std::u16string NotInCodePageText(char32_t codePoint);

// German message part that names the character: "☃" (U+2603), in double quotes.
std::u16string DescribeChar(char32_t codePoint);

}  // namespace velnix
