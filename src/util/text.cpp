#include "util/text.h"

namespace velnix {
namespace {

template <class Char>
struct PathSplit {
    std::basic_string_view<Char> baseName;
    std::basic_string_view<Char> extension;
};

// The classic right-to-left scan: every dot cuts off what lies right of it, and the scan ends
// at the last backslash that has characters after it. A trailing backslash is passed over.
// For UTF-16 text and for the bytes of plain-ASCII lists alike.
template <class Char>
PathSplit<Char> SplitPath(std::basic_string_view<Char> s) {
    if (s.size() >= 2 && s[1] == Char{':'}) {
        s.remove_prefix(2);
    }
    PathSplit<Char> split;
    for (std::size_t b = s.size(); b >= 1; --b) {
        const Char c = s[b - 1];
        if (c == Char{'.'}) {
            if (b < s.size()) {
                split.extension = s.substr(b - 1);
            }
            s = s.substr(0, b - 1);
        } else if (c == Char{'\\'} && b < s.size()) {
            split.baseName = s.substr(b);
            return split;
        }
    }
    split.baseName = s;
    return split;
}

}  // namespace

std::u16string ReplaceFirst(std::u16string_view text, std::u16string_view search,
                            std::u16string_view replacement) {
    if (text.empty()) {
        return {};
    }
    const std::size_t p = text.find(search);
    if (p == std::u16string_view::npos) {
        return std::u16string(text);
    }
    std::u16string result;
    result.reserve(text.size() - search.size() + replacement.size());
    result.append(text.substr(0, p));
    result.append(replacement);
    result.append(text.substr(p + search.size()));
    return result;
}

std::u16string FileExtension(std::u16string_view path) {
    return std::u16string(SplitPath(path).extension);
}

std::string_view AppendFileNameWithExtension(std::string_view path, std::string& out) {
    const PathSplit<char> split = SplitPath(path);
    out.append(split.baseName);
    out.append(split.extension);
    return split.extension;
}

std::u16string FileNameWithExtension(std::u16string_view path) {
    const PathSplit<char16_t> split = SplitPath(path);
    std::u16string name;
    name.reserve(split.baseName.size() + split.extension.size());
    name.append(split.baseName);
    name.append(split.extension);
    return name;
}

std::u16string CodePointLabel(char32_t codePoint) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string digits;
    for (char32_t v = codePoint; v != 0 || digits.size() < 4; v >>= 4) {
        digits.insert(digits.begin(), kHex[v & 0xF]);
    }
    return u"U+" + digits;
}

std::u16string DecimalText(std::size_t value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

}  // namespace velnix
