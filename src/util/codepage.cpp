#include "util/codepage.h"

#include "util/text.h"

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

std::u16string InCodePageText() {
    return u"in der Codepage " + CodePageName();
}

std::u16string NotInCodePageText(char32_t codePoint) {
    return u"das Zeichen " + DescribeChar(codePoint) + u", das es " + InCodePageText() +
           u" nicht gibt";
}

}  // namespace velnix
