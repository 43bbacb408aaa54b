#include "mapkey/rename_file.h"

#include <algorithm>

#include "mapkey/pair_check.h"
#include "util/atomic_write.h"
#include "util/codepage.h"
#include "util/paths.h"
#include "util/text.h"
#include "util/unicode.h"

namespace velnix {
namespace {

const std::u16string kNotWritten = u" Die Datei rename.pro wurde nicht geschrieben !";

std::u16string LackedCharMessage(char32_t codePoint, std::size_t line) {
    return u"Achtung : Das Zeichen " + DescribeChar(codePoint) + u" in Zeile " + DecimalText(line) +
           u" gibt es " + InCodePageText() + u" nicht." + kNotWritten;
}

// Where a block of at most `size` bytes from `at` ends without cutting a UTF-8 sequence.
std::size_t BlockEnd(std::string_view utf8, std::size_t at, std::size_t size) {
    std::size_t end = std::min(utf8.size(), at + size);
    const auto continues = [&utf8](std::size_t i) {
        return (static_cast<unsigned char>(utf8[i]) & 0xC0u) == 0x80u;
    };
    for (int back = 0; end < utf8.size() && back < 3 && continues(end); ++back) {
        --end;
    }
    return end;
}

// rename.pro from `content`, and with `undoOf` its undo file beside it, both or neither.
Status WriteFiles(const std::filesystem::path& directory, const FileContent& content,
                  const MapkeyPairs* undoOf) {
    std::vector<FileToWrite> files{{directory / kRenameFileName, content}};
    if (undoOf != nullptr) {
        files.push_back({directory / kUndoFileName, [undoOf](BlockSink& file) {
                             return ComposeMapkeys(UndoPairs(*undoOf), TextEnd::RenamePro, file,
                                                   kUndoMapkeys);
                         }});
    }
    Status written = WriteFilesAtomically(files);
    if (written.ok) {
        written.message =
            (undoOf != nullptr ? u"Dateien rename.pro und rename_zurueck.pro wurden gespeichert in "
                               : u"Datei rename.pro wurde gespeichert in ") +
            FromFsPath(directory);
    }
    return written;
}

}  // namespace

std::u16string RenameProPath(std::u16string_view directory) {
    return JoinPath(directory, kRenameFileName);
}

bool ConvertOutputText(std::string_view utf8, BlockSink& file, std::u16string& problem) {
    constexpr std::size_t kBlockSize = std::size_t{64} * 1024;
    std::string withCrLf;
    std::string bytes;
    std::size_t linesBefore = 0;
    bool afterCr = false;  // a CR ended the block before: an LF at the start belongs to it
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t end = BlockEnd(utf8, at, kBlockSize);
        withCrLf.clear();
        for (const char c : utf8.substr(at, end - at)) {
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            withCrLf.append(c == '\r' || c == '\n' ? std::string_view("\r\n")
                                                   : std::string_view(&c, 1));
        }
        const std::u16string text = Utf8ToUtf16(withCrLf);
        bytes.clear();
        if (auto bad = AppendInCodePage(text, bytes)) {
            const auto before = std::u16string_view(text).substr(0, bad->offset);
            problem = LackedCharMessage(
                bad->codePoint,
                1 + linesBefore +
                    static_cast<std::size_t>(std::count(before.begin(), before.end(), u'\n')));
            return false;
        }
        linesBefore += static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n'));
        if (!file.Write(bytes)) {
            return false;
        }
        at = end;
    }
    return file.Write("\r\n");
}

bool AppendWritableNames(const NameList& names, EncodedNames& encoded) {
    std::string converted;
    for (const auto& name : names) {
        converted.clear();
        if (AppendWritableName(name, converted)) {
            return false;
        }
        encoded.Append(converted);
    }
    return true;
}

Result<MapkeyPairs> EncodePairs(const NameList& oldNames, const NameList& newNames,
                                const std::vector<std::size_t>& tableLines) {
    MapkeyPairs pairs;
    const auto bytesOf = [](const NameList& names) {
        std::size_t bytes = 0;
        for (const auto& name : names) {
            bytes += name.size() + 1;
        }
        return bytes;
    };
    pairs.oldNames.Reserve(bytesOf(oldNames));
    pairs.newNames.Reserve(bytesOf(newNames));
    const bool written = oldNames.size() == newNames.size() &&
                         AppendWritableNames(oldNames, pairs.oldNames) &&
                         AppendWritableNames(newNames, pairs.newNames);
    if (!written) {
        // CheckPairs tests each name as AppendWritableName does: it names what stopped the
        // encoding, in the order the user reads the lists.
        const auto problem = CheckPairs(oldNames, newNames, tableLines);
        return Result<MapkeyPairs>::Failure(
            problem ? problem->message
                    : u"Achtung : Die Namen können nicht in den Mapkey geschrieben werden !");
    }
    pairs.assemblyPairs = AssemblyPairs(oldNames);
    pairs.run = NamesMadeAndRemoved(NameListSource(oldNames), NameListSource(newNames));
    return Result<MapkeyPairs>::Success(std::move(pairs));
}

Status WriteRenamePro(const std::filesystem::path& directory, const MapkeyPairs& pairs,
                      const MapkeyPairs* undoOf) {
    return WriteFiles(
        directory,
        [&pairs](BlockSink& file) { return ComposeMapkeys(pairs, TextEnd::RenamePro, file); },
        undoOf);
}

Status WriteOutputText(const std::filesystem::path& directory, std::string_view utf8,
                       const MapkeyPairs* undoOf) {
    std::u16string problem;
    Status written = WriteFiles(
        directory,
        [utf8, &problem](BlockSink& file) { return ConvertOutputText(utf8, file, problem); },
        undoOf);
    if (!written.ok && !problem.empty()) {
        written.message = problem;
    }
    return written;
}

}  // namespace velnix
