// Fuzzes the list files: decoding in every encoding a list comes in, and the line rules.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "names/list_file.h"
#include "support.h"
#include "util/codepage.h"
#include "util/unicode.h"

namespace {

using velnix::LineRule;
using velnix::NameList;
using velnix::fuzz::Require;

void AppendCodePoint(char32_t cp, std::u16string& text) {
    if (cp < 0x10000) {
        text.push_back(static_cast<char16_t>(cp));
    } else {
        text.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    }
}

// Well-formed UTF-8 as the standard defines it, or nothing.
std::optional<std::u16string> ReferenceUtf8(std::string_view bytes) {
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC0 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF8 ? 4
                                                 : 0;
        if (length == 0 || bytes.size() - i < length) {
            return std::nullopt;
        }
        char32_t cp = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = cp << 6 | (next & 0x3Fu);
        }
        if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        AppendCodePoint(cp, text);
        i += length;
    }
    return text;
}

// UTF-16 without its mark: an even byte count and every surrogate in a pair, or nothing.
std::optional<std::u16string> ReferenceUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(
            static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lead = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        const bool trail = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (lead && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        } else if (lead || trail) {
            return std::nullopt;
        }
    }
    return text;
}

// The text a list file's bytes hold, or nothing when they must be refused.
std::optional<std::u16string> ExpectedText(std::string_view bytes) {
    std::optional<std::u16string> text;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        text = ReferenceUtf8(bytes.substr(3));
    } else if (bytes.substr(0, 2) == "\xFF\xFE") {
        text = ReferenceUtf16(bytes.substr(2), false);
    } else if (bytes.substr(0, 2) == "\xFE\xFF") {
        text = ReferenceUtf16(bytes.substr(2), true);
    } else {
        const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                       [](char b) { return static_cast<unsigned char>(b) < 0x80; });
        text = ascii ? std::nullopt : ReferenceUtf8(bytes);
        if (text) {
            Require(velnix::Utf16ToUtf8(*text) == bytes,
                    "UTF-8 survives the way to UTF-16 and back");
        } else {
            text = velnix::DecodeCodePage(bytes);
        }
    }
    if (text && text->find(u'\0') != std::u16string::npos) {
        return std::nullopt;
    }
    return text;
}

// The text with every line end as one CR: CR LF and CR, and LF too under the any-line-end rule.
std::u16string OneCrPerLineEnd(std::u16string_view text, bool lineFeedEndsLine) {
    std::u16string canonical;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            canonical.push_back(u'\r');
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else {
            canonical.push_back(text[i] == u'\n' && lineFeedEndsLine ? u'\r' : text[i]);
        }
    }
    return canonical;
}

// The lines give the text back: joined by line ends they are the text, with one line end more
// when the text ends with one; no line holds a line end; and there is one line per line end,
// plus one for a last line without a line end.
void CheckLines(std::u16string_view text, const NameList& lines, bool lineFeedEndsLine) {
    const std::u16string canonical = OneCrPerLineEnd(text, lineFeedEndsLine);
    std::u16string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Require(lines[i].find(u'\r') == std::u16string::npos, "no line holds a CR");
        Require(!lineFeedEndsLine || lines[i].find(u'\n') == std::u16string::npos,
                "no line holds an LF under the any-line-end rule");
        joined.append(i == 0 ? u"" : u"\r").append(lines[i]);
    }
    const bool endsWithLineEnd = !canonical.empty() && canonical.back() == u'\r';
    Require(canonical == (endsWithLineEnd ? joined + u'\r' : joined),
            "the lines joined by line ends give the text");
    const auto lineEnds =
        static_cast<std::size_t>(std::count(canonical.begin(), canonical.end(), u'\r'));
    Require(lines.size() == lineEnds + (!canonical.empty() && !endsWithLineEnd),
            "one line per line end, and one for a last line without one");
}

void CheckLineRules(std::u16string_view text) {
    CheckLines(text, velnix::SplitListFileLines(text), false);
    const NameList anyLines = velnix::SplitAnyLines(text);
    CheckLines(text, anyLines, true);
    NameList pasted;
    std::copy_if(anyLines.begin(), anyLines.end(), std::back_inserter(pasted),
                 [](const std::u16string& line) { return !line.empty() && line != u"Name"; });
    Require(velnix::SplitPastedText(text) == pasted,
            "pasted text keeps the lines but the empty ones and the heading \"Name\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = velnix::fuzz::Bytes(data, size);
    CheckLineRules(velnix::fuzz::Widened(bytes));

    const std::optional<std::u16string> expected = ExpectedText(bytes);
    if (expected) {
        CheckLineRules(*expected);
    }
    constexpr std::u16string_view kPath = u"Velnix_renOLD.txt";
    for (const LineRule rule : {LineRule::ListFile, LineRule::AnyLineEnd}) {
        const velnix::Result<NameList> read = velnix::DecodeListFile(bytes, kPath, rule);
        if (!expected) {
            Require(!read.ok(), "bytes that are no text in a known encoding are refused");
            Require(read.error.find(kPath) != std::u16string::npos, "the refusal names the file");
            continue;
        }
        Require(read.ok(), "text in a known encoding is read");
        Require(*read.value == (rule == LineRule::ListFile ? velnix::SplitListFileLines(*expected)
                                                           : velnix::SplitAnyLines(*expected)),
                "the entries are the lines of the decoded text");
    }
    return 0;
}
