// The code page on Windows: the machine's ANSI code page, converted by Windows.
#include "util/codepage.h"

#include <windows.h>

#include <algorithm>

#include "util/text.h"
#include "util/unicode.h"

namespace velnix {
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

}  // namespace velnix
