// Conversions between UTF-8 and UTF-16, for file contents, arguments and messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velnix {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Decodes UTF-8; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);

enum class ByteOrder { LittleEndian, BigEndian };

// Decodes UTF-16 bytes (without their byte-order mark); nothing when the byte count is odd or
// a surrogate stands alone, since such bytes are no UTF-16 text.
std::optional<std::u16string> DecodeUtf16(std::string_view bytes, ByteOrder order);

// Encodes UTF-16; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The code point that starts at `index` (a surrogate pair counts as one) and its length in
// UTF-16 units.
char32_t CodePointAt(std::u16string_view text, std::size_t index, std::size_t* units = nullptr);

}  // namespace velnix
