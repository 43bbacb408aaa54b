#include "util/codepage.h"

#include "util/text.h"
#include "util/unicode.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace velnix {

std::u16string DescribeChar(char32_t codePoint) {
    const bool printable = codePoint >= 0x20 && !(codePoint >= 0x7F && codePoint < 0xA0) &&
                           !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
    if (!printable) {
        return CodePointLabel(codePoint);
    }
    std::u16string glyph;
    if (codePoint < 0x10000) {
        glyph.push_back(static_cast<char16_t>(codePoint));
    } else {
        const char32_t v = codePoint - 0x10000;
        glyph.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
        glyph.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    }
    return u"\"" + glyph + u"\" (" + CodePointLabel(codePoint) + u")";
}

#ifdef _WIN32

namespace {

const wchar_t* Wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

// Converts in the ANSI code page; false when a character has no byte form there.
bool ConvertToAnsi(std::u16string_view text, std::string& out) {
    const UINT codePage = GetACP();
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultFlag = utf8 ? nullptr : &usedDefault;
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, flags, Wide(text), length, nullptr, 0, nullptr,
                                           usedDefaultFlag);
    if (needed <= 0 || usedDefault) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    WideCharToMultiByte(codePage, flags, Wide(text), length, &out[start], needed, nullptr,
                        usedDefaultFlag);
    return true;
}

}  // namespace

std::optional<UnmappableChar> AppendInCodePage(std::u16string_view text, std::string& out) {
    const std::size_t start = out.size();
    // Windows takes int lengths: convert in slices that never split a surrogate pair.
    constexpr std::size_t kSlice = std::size_t{1} << 24;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t count = std::min(kSlice, text.size() - pos);
        if (pos + count < text.size() && text[pos + count - 1] >= 0xD800 &&
            text[pos + count - 1] <= 0xDBFF) {
            --count;
        }
        if (!ConvertToAnsi(text.substr(pos, count), out)) {
            out.resize(start);
            for (std::size_t i = pos;;) {
                std::size_t units = 1;
                const char32_t cp = CodePointAt(text, i, &units);
                std::string scratch;
                if (!ConvertToAnsi(text.substr(i, units), scratch)) {
                    return UnmappableChar{i, cp};
                }
                i += units;
            }
        }
        pos += count;
    }
    return std::nullopt;
}

std::u16string DecodeCodePage(std::string_view bytes) {
    std::u16string out;
    if (bytes.empty()) {
        return out;
    }
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    out.resize(static_cast<std::size_t>(needed));
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(&out[0]),
                        needed);
    return out;
}

std::u16string CodePageName() {
    return u"Windows-" + DecimalText(GetACP());
}

#else

namespace {

// Windows-1252 in the range 0x80 to 0x9F; the five bytes that it leaves undefined map to the
// C1 control of the same number, as Windows does.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool EncodeOne(char16_t c, char& byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == c) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<UnmappableChar> AppendInCodePage(std::u16string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + text.size());
    char* dst = &out[start];
    const char16_t* src = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    constexpr std::size_t kBlock = 16;
    while (i < size) {
        // Plain ASCII blocks, the common case, take a branch-free copy.
        if (i + kBlock <= size) {
            char16_t any = 0;
            for (std::size_t k = 0; k < kBlock; ++k) {
                any |= src[i + k];
            }
            if (any < 0x80) {
                for (std::size_t k = 0; k < kBlock; ++k) {
                    dst[i + k] = static_cast<char>(src[i + k]);
                }
                i += kBlock;
                continue;
            }
        }
        if (!EncodeOne(src[i], dst[i])) {
            out.resize(start);
            return UnmappableChar{i, CodePointAt(text, i)};
        }
        ++i;
    }
    return std::nullopt;
}

std::u16string DecodeCodePage(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? kHighTable[b - 0x80] : char16_t{b};
    }
    return out;
}

std::u16string CodePageName() {
    return u"Windows-1252";
}

#endif

}  // namespace velnix
