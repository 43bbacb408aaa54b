// The code page elsewhere: Windows-1252, so that the same lists give the same bytes everywhere.
#include "util/codepage.h"

#include "util/unicode.h"

namespace velnix {
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
    // Written through a pointer of its own: a store through out[] could change out's own
    // pointer as far as the compiler knows, which keeps it from copying a block at once.
    char* dst = &out[start];
    std::size_t i = 0;
    constexpr std::size_t kBlock = 16;
    while (i < text.size()) {
        // Plain ASCII blocks, the common case, take a branch-free copy.
        if (i + kBlock <= text.size()) {
            char16_t any = 0;
            for (std::size_t k = 0; k < kBlock; ++k) {
                any |= text[i + k];
            }
            if (any < 0x80) {
                for (std::size_t k = 0; k < kBlock; ++k) {
                    dst[i + k] = static_cast<char>(text[i + k]);
                }
                i += kBlock;
                continue;
            }
        }
        if (!EncodeOne(text[i], dst[i])) {
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

}  // namespace velnix
