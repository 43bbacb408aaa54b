// Fuzzes the code page: what it can hold survives the way to bytes and back exactly, anything
// else is refused and never replaced.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support.h"
#include "util/codepage.h"
#include "util/text.h"

namespace {

using velnix::fuzz::Require;

char32_t CodePointAt(std::u16string_view text, std::size_t i) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    return pair ? 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (text[i + 1] - 0xDC00) : text[i];
}

// Bytes to text and back give the same bytes, appended behind what the output held.
void CheckBytesRoundTrip(std::string_view bytes) {
    const std::u16string text = velnix::DecodeCodePage(bytes);
    Require(text.size() == bytes.size(), "one character per byte");
    std::string out = "before";
    Require(!velnix::AppendInCodePage(text, out), "decoded bytes convert back");
    Require(out == "before" + std::string(bytes), "decoded bytes convert back to the same bytes");
}

// Any text: held exactly, or refused at its first character that the code page lacks with the
// output left as it was.
void CheckTextRoundTrip(std::u16string_view text) {
    std::size_t firstMissing = 0;
    while (firstMissing < text.size() && velnix::fuzz::InCodePage(text[firstMissing])) {
        ++firstMissing;
    }
    std::string out = "before";
    const auto missing = velnix::AppendInCodePage(text, out);
    if (firstMissing == text.size()) {
        Require(!missing, "text in the code page converts");
        Require(out.size() == 6 + text.size() && out.compare(0, 6, "before") == 0,
                "the conversion appends one byte per character");
        Require(velnix::DecodeCodePage(std::string_view(out).substr(6)) == text,
                "text in the code page survives the way to bytes and back");
        return;
    }
    Require(missing.has_value(), "text with a character the code page lacks is refused");
    Require(out == "before", "a refused text leaves the output as it was");
    Require(missing->offset == firstMissing, "the refusal names the first missing character");
    Require(missing->codePoint == CodePointAt(text, firstMissing),
            "the refusal names the missing character's code point");
    Require(
        velnix::DescribeChar(missing->codePoint).find(velnix::CodePointLabel(missing->codePoint)) !=
            std::u16string::npos,
        "the message names the character by its code point");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = velnix::fuzz::Bytes(data, size);
    CheckBytesRoundTrip(bytes);
    // The bytes as UTF-16 LE units reach every character, lone surrogates included.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    }
    CheckTextRoundTrip(units);
    CheckTextRoundTrip(velnix::fuzz::Widened(bytes));
    return 0;
}
