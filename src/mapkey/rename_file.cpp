#include "mapkey/rename_file.h"

#include <algorithm>

#include "mapkey/compose.h"
#include "mapkey/pair_check.h"
#include "util/codepage.h"
#include "util/files.h"
#include "util/text.h"

namespace velnix {
namespace {

const std::u16string kNotWritten = u" Die Datei rename.pro wurde nicht geschrieben !";

bool HasOnlyCrLfBreaks(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            return false;  // an LF not taken by the CR before it
        }
        if (text[i] == u'\r') {
            if (i + 1 == text.size() || text[i + 1] != u'\n') {
                return false;
            }
            ++i;
        }
    }
    return true;
}

std::u16string WithCrLfBreaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            out.append(u"\r\n");
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::vector<std::string> NamesInCodePage(const NameList& names, ListId list,
                                         std::u16string& error) {
    std::vector<std::string> encoded(names.size());
    for (std::size_t i = 0; i < names.size() && error.empty(); ++i) {
        if (auto bad = AppendInCodePage(names[i], encoded[i])) {
            error = u"Achtung : Eintrag " + DecimalText(i + 1) + u" der Liste \"" +
                    ListCaption(list) + u"\" enthält das Zeichen " + DescribeChar(bad->codePoint) +
                    u", das es in der Codepage " + CodePageName() + u" nicht gibt." + kNotWritten;
        }
    }
    return encoded;
}

}  // namespace

std::u16string RenameProPath(std::u16string_view directory) {
    return JoinPath(directory, kRenameFileName);
}

Result<std::string> RenameProContent(std::u16string_view text) {
    std::u16string normalized;
    if (!HasOnlyCrLfBreaks(text)) {
        normalized = WithCrLfBreaks(text);
        text = normalized;
    }
    std::string bytes;
    bytes.reserve(text.size() + 2);
    if (auto bad = AppendInCodePage(text, bytes)) {
        const auto before = text.substr(0, bad->offset);
        const std::size_t line =
            1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), u'\n'));
        return Result<std::string>::Failure(u"Achtung : Das Zeichen " +
                                            DescribeChar(bad->codePoint) + u" in Zeile " +
                                            DecimalText(line) + u" gibt es in der Codepage " +
                                            CodePageName() + u" nicht." + kNotWritten);
    }
    bytes.append("\r\n");
    return Result<std::string>::Success(std::move(bytes));
}

Result<EncodedPairs> EncodePairs(const NameList& oldNames, const NameList& newNames) {
    if (auto problem = CheckPairs(oldNames, newNames)) {
        return Result<EncodedPairs>::Failure(problem->message);
    }
    std::u16string error;
    EncodedPairs pairs{NamesInCodePage(oldNames, ListId::Old, error),
                       NamesInCodePage(newNames, ListId::New, error), AssemblyPairs(oldNames)};
    if (!error.empty()) {
        return Result<EncodedPairs>::Failure(error);
    }
    return Result<EncodedPairs>::Success(std::move(pairs));
}

Result<std::string> RenameProContentForPairs(const NameList& oldNames, const NameList& newNames) {
    const Result<EncodedPairs> pairs = EncodePairs(oldNames, newNames);
    if (!pairs.ok()) {
        return Result<std::string>::Failure(pairs.error);
    }
    return Result<std::string>::Success(RenameProBytes(*pairs.value));
}

std::string RenameProBytes(const EncodedPairs& pairs) {
    std::string bytes = ComposeMapkeyBytes(pairs.oldNames, pairs.newNames, pairs.assemblyPairs);
    bytes.append("\r\n");
    return bytes;
}

bool StreamRenamePro(const EncodedPairs& pairs, const ByteWriter& write) {
    return StreamMapkeyBytes(pairs.oldNames, pairs.newNames, pairs.assemblyPairs, write) &&
           write("\r\n");
}

Status WriteRenamePro(std::u16string_view directory, std::string_view content) {
    Status written = WriteFileAtomically(RenameProPath(directory), content);
    if (written.ok) {
        written.message = u"Datei rename.pro wurde gespeichert in " + std::u16string(directory);
    }
    return written;
}

}  // namespace velnix
