#include "names/list_file.h"

#include <utility>

#include "util/atomic_write.h"
#include "util/codepage.h"
#include "util/file_read.h"
#include "util/paths.h"
#include "util/text.h"
#include "util/text_file.h"

namespace velnix {
namespace {

NameList SplitLines(std::u16string_view text, bool lineFeedEndsLine) {
    NameList lines;
    lines.reserve(text.size() / 16);
    ForEachLine(text, lineFeedEndsLine,
                [&lines](std::u16string_view line) { lines.emplace_back(line); });
    return lines;
}

}  // namespace

NameList SplitListFileLines(std::u16string_view text) {
    return SplitLines(text, false);
}

NameList SplitAnyLines(std::u16string_view text) {
    return SplitLines(text, true);
}

NameList SplitPastedText(std::u16string_view text) {
    NameList kept;
    for (auto& line : SplitLines(text, true)) {
        if (!line.empty() && line != u"Name") {
            kept.push_back(std::move(line));
        }
    }
    return kept;
}

Result<NameList> DecodeListFile(std::string_view bytes, std::u16string_view path, LineRule rule) {
    const Result<std::u16string> text = DecodeTextFile(bytes, path);
    if (!text.ok()) {
        return Result<NameList>::Failure(text.error);
    }
    return Result<NameList>::Success(rule == LineRule::ListFile ? SplitListFileLines(*text.value)
                                                                : SplitAnyLines(*text.value));
}

std::u16string ListFilePath(std::u16string_view programDirectory, ListId list) {
    return JoinPath(programDirectory,
                    list == ListId::Old ? u"Velnix_renOLD.txt" : u"Velnix_renNEW.txt");
}

Result<NameList> ReadListFile(std::u16string_view path, LineRule rule) {
    FileRead read = ReadWholeFile(ToFsPath(path));
    if (!read.ok) {
        if (read.missing) {
            return Result<NameList>::Success({});
        }
        return Result<NameList>::Failure(read.error);
    }
    return DecodeListFile(read.bytes, path, rule);
}

Status WriteListFile(std::u16string_view path, const NameList& names) {
    std::string bytes;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (auto bad = AppendInCodePage(names[i], bytes)) {
            return Status::Failure(u"Achtung : Eintrag " + DecimalText(i + 1) + u" enthält " +
                                   NotInCodePageText(bad->codePoint) +
                                   u". Die Liste wurde nicht gespeichert !");
        }
        bytes.append("\r\n");
    }
    return WriteFileAtomically(ToFsPath(path), bytes);
}

}  // namespace velnix
