// The text of a file's bytes: which encoding they are in, for the list files and the tables.
#pragma once

#include <string>
#include <string_view>

#include "util/result.h"

namespace velnix {

// The text is UTF-8 or UTF-16 (LE or BE) when it starts with that byte-order mark, UTF-8 when
// it is valid UTF-8 with bytes above 127 (what today's editors save), otherwise the code page.
// Bytes that are none of these (malformed after their mark, or holding NUL, as UTF-16 without
// a mark does) are refused with a message naming `path`, never read as garbage.
Result<std::u16string> DecodeTextFile(std::string_view bytes, std::u16string_view path);

}  // namespace velnix
