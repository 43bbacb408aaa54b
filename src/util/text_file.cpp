#include "util/text_file.h"

#include <optional>
#include <utility>

#include "util/codepage.h"
#include "util/unicode.h"

namespace velnix {
namespace {

bool HasHighBytes(std::string_view bytes) {
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80) {
            return true;
        }
    }
    return false;
}

bool StartsWith(std::string_view bytes, std::string_view start) {
    return bytes.substr(0, start.size()) == start;
}

// Nothing when the bytes are malformed in the encoding their byte-order mark names.
std::optional<std::u16string> DecodeText(std::string_view bytes) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
    constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
    if (StartsWith(bytes, kUtf8Mark)) {
        const std::string_view rest = bytes.substr(kUtf8Mark.size());
        return IsValidUtf8(rest) ? std::optional(Utf8ToUtf16(rest)) : std::nullopt;
    }
    if (StartsWith(bytes, kUtf16LeMark)) {
        return DecodeUtf16(bytes.substr(kUtf16LeMark.size()), ByteOrder::LittleEndian);
    }
    if (StartsWith(bytes, kUtf16BeMark)) {
        return DecodeUtf16(bytes.substr(kUtf16BeMark.size()), ByteOrder::BigEndian);
    }
    if (HasHighBytes(bytes) && IsValidUtf8(bytes)) {
        return Utf8ToUtf16(bytes);
    }
    return DecodeCodePage(bytes);
}

}  // namespace

Result<std::u16string> DecodeTextFile(std::string_view bytes, std::u16string_view path) {
    std::optional<std::u16string> text = DecodeText(bytes);
    if (!text || text->find(u'\0') != std::u16string::npos) {
        return Result<std::u16string>::Failure(
            u"Fehler : Die Datei \"" + std::u16string(path) +
            u"\" konnte nicht gelesen werden: sie ist kein Text in UTF-8, in UTF-16 mit "
            u"Byte-Order-Mark oder " +
            InCodePageText() + u".");
    }
    return Result<std::u16string>::Success(std::move(*text));
}

}  // namespace velnix
