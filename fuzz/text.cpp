// Fuzzes the text and path functions and the clean-up and rule built on them against plain
// reference implementations.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "names/rule.h"
#include "support.h"
#include "util/paths.h"
#include "util/text.h"

namespace {

using velnix::NameList;
using velnix::fuzz::Require;

std::u16string ReferenceReplaceFirst(std::u16string_view text, std::u16string_view search,
                                     std::u16string_view replacement) {
    if (text.empty()) {
        return {};
    }
    for (std::size_t p = 0; p + search.size() <= text.size(); ++p) {
        if (text.substr(p, search.size()) == search) {
            return std::u16string(text.substr(0, p))
                .append(replacement)
                .append(text.substr(p + search.size()));
        }
    }
    return std::u16string(text);
}

struct ReferenceName {
    std::u16string base;
    std::u16string extension;
};

// The file name of a path: after a drive "X:", the last element starts behind the last
// backslash that is followed by something other than a dot. Its base name runs up to its first
// dot; its extension is the first dotted part after that which has more than the dot.
ReferenceName ReferenceFileName(std::u16string_view path) {
    if (path.size() >= 2 && path[1] == u':') {
        path.remove_prefix(2);
    }
    std::u16string_view element = path;
    for (std::size_t i = path.size(); i-- > 0;) {
        if (path[i] == u'\\' && i + 1 < path.size() && path[i + 1] != u'.') {
            element = path.substr(i + 1);
            break;
        }
    }
    ReferenceName name;
    name.base = element.substr(0, element.find(u'.'));
    for (std::size_t dot = element.find(u'.'); dot != std::u16string_view::npos;) {
        const std::size_t next = element.find(u'.', dot + 1);
        const std::u16string_view part = element.substr(dot, next - dot);
        if (part.size() > 1) {
            name.extension = part;
            break;
        }
        dot = next;
    }
    return name;
}

std::u16string Ascii(const char* text) {
    return velnix::fuzz::Widened(text);
}

void CheckPath(std::u16string_view path) {
    const ReferenceName expected = ReferenceFileName(path);
    Require(velnix::FileExtension(path) == expected.extension, "FileExtension");
    Require(velnix::FileNameWithExtension(path) == expected.base + expected.extension,
            "FileNameWithExtension is base name and extension");
}

void CheckNumbers(std::string_view bytes) {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
    Require(velnix::DecimalText(value) == Ascii(std::to_string(value).c_str()), "DecimalText");
    const auto codePoint = static_cast<char32_t>(value);
    char label[16];
    std::snprintf(label, sizeof label, "U+%04X", static_cast<unsigned>(codePoint));
    Require(velnix::CodePointLabel(codePoint) == Ascii(label), "CodePointLabel");
}

}  // namespace

// The input is fields separated by "|": paths and names, a search text, a replacement.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = velnix::fuzz::Bytes(data, size);
    NameList fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(bytes.find('|', start), bytes.size());
        fields.push_back(velnix::fuzz::Widened(bytes.substr(start, end - start)));
        if (end == bytes.size()) {
            break;
        }
        start = end + 1;
    }
    const std::u16string& search = fields[0];
    const std::u16string& replacement = fields.size() > 1 ? fields[1] : fields[0];

    NameList cleaned;
    NameList derived;
    for (const std::u16string& field : fields) {
        CheckPath(field);
        const ReferenceName name = ReferenceFileName(field);
        cleaned.push_back(name.base + name.extension);
        derived.push_back(ReferenceReplaceFirst(field, search, replacement));
        Require(velnix::ReplaceFirst(field, search, replacement) == derived.back(), "ReplaceFirst");
        const std::u16string separator(1, velnix::kDirSeparator);
        const bool endsWithSeparator = !field.empty() && field.back() == velnix::kDirSeparator;
        Require(velnix::JoinPath(field, replacement) ==
                    field + (endsWithSeparator ? u"" : separator) + replacement,
                "JoinPath puts one separator between directory and name");
    }
    Require(velnix::clean(fields) == cleaned, "clean keeps each entry's file name, in order");
    Require(velnix::ApplyRule(fields, search, replacement) == derived,
            "the rule replaces in each entry, in order");
    CheckNumbers(bytes);
    return 0;
}
