#include "util/unicode.h"

namespace velnix {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsLeadSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsTrailSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Reads one sequence at bytes[i]; returns its code point and advances i, or returns
// kReplacement and advances by one byte when the sequence is malformed.
char32_t DecodeOne(std::string_view bytes, std::size_t& i, bool& valid) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    valid = true;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    }
    if (length == 0 || i + length > bytes.size()) {
        valid = false;
        ++i;
        return kReplacement;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if (!IsContinuation(next)) {
            valid = false;
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        valid = false;
        ++i;
        return kReplacement;
    }
    i += length;
    return cp;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    bool valid = true;
    for (std::size_t i = 0; i < bytes.size() && valid;) {
        DecodeOne(bytes, i, valid);
    }
    return valid;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0');  // never longer than the bytes
    std::size_t used = 0;
    bool valid = true;
    for (std::size_t i = 0; i < bytes.size();) {
        // Runs of ASCII, the bulk of every text here, widen without decoding.
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) {
            out[used++] = static_cast<char16_t>(bytes[i++]);
        }
        if (i < bytes.size()) {
            const char32_t cp = DecodeOne(bytes, i, valid);
            if (cp < 0x10000) {
                out[used++] = static_cast<char16_t>(cp);
            } else {
                out[used++] = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
                out[used++] = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            }
        }
    }
    out.resize(used);
    return out;
}

std::optional<std::u16string> DecodeUtf16(std::string_view bytes, ByteOrder order) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    const std::size_t high = order == ByteOrder::BigEndian ? 0 : 1;
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i + high]) << 8 |
                                        static_cast<unsigned char>(bytes[2 * i + 1 - high]));
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadSurrogate(text[i]) && i + 1 < text.size() && IsTrailSurrogate(text[i + 1])) {
            ++i;
        } else if (IsLeadSurrogate(text[i]) || IsTrailSurrogate(text[i])) {
            return std::nullopt;
        }
    }
    return text;
}

char32_t CodePointAt(std::u16string_view text, std::size_t index, std::size_t* units) {
    const char16_t c = text[index];
    std::size_t length = 1;
    char32_t cp = c;
    if (IsLeadSurrogate(c) && index + 1 < text.size()) {
        const char16_t low = text[index + 1];
        if (IsTrailSurrogate(low)) {
            cp = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (low - 0xDC00);
            length = 2;
        }
    }
    if (units != nullptr) {
        *units = length;
    }
    return cp;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t units = 1;
        char32_t cp = CodePointAt(text, i, &units);
        i += units;
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace velnix
