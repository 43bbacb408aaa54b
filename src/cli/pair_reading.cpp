#include "cli/pair_reading.h"

#include <algorithm>
#include <functional>
#include <system_error>

#include "mapkey/pair_check.h"
#include "mapkey/rename_file.h"
#include "names/list_file.h"
#include "names/rule.h"
#include "names/table_file.h"
#include "util/codepage.h"
#include "util/files.h"
#include "util/text.h"

namespace velnix::cli {
namespace {

// Input files may come from scripts on any system: every kind of line end counts.
Result<NameList> ReadList(const std::filesystem::path& file) {
    const FileRead read = ReadWholeFile(file);
    if (!read.ok) {
        return Result<NameList>::Failure(read.error);
    }
    return DecodeListFile(read.bytes, FromFsPath(file), LineRule::AnyLineEnd);
}

// Both lists whole, with the message of EncodePairs for the lists together.
Result<MapkeyPairs> ReadWholeLists(const PairSources& sources) {
    const Result<ListsRead> lists = ReadNameLists(sources);
    if (!lists.ok()) {
        return Result<MapkeyPairs>::Failure(lists.error);
    }
    return EncodePairs(lists.value->pairs.oldNames, lists.value->pairs.newNames,
                       lists.value->check.tableLines);
}

bool IsPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 1 && byte <= 127;
    });
}

// Hands the file's names to `take` in slices of whole lines of about a megabyte, while every
// byte is plain ASCII (1 to 127): every encoding of the list files reads such bytes alike, so
// a slice reads as it would in the whole file. False at the first other byte, when the file
// cannot be read, or when `take` refuses a slice.
bool ReadPlainSlices(const std::filesystem::path& file,
                     const std::function<bool(const NameList& names)>& take) {
    constexpr std::size_t kSliceBytes = 1 << 20;
    std::string pending;  // bytes read and not yet taken
    const auto takeLines = [&](std::size_t end) {
        const Result<NameList> names = DecodeListFile(std::string_view(pending).substr(0, end),
                                                      FromFsPath(file), LineRule::AnyLineEnd);
        pending.erase(0, end);
        return names.ok() && take(*names.value);
    };
    const FileRead read = ReadFileInBlocks(file, [&](std::string_view block) {
        if (!IsPlainAscii(block)) {
            return false;
        }
        pending.append(block);
        const std::size_t lineEnd = pending.rfind('\n');
        return pending.size() < kSliceBytes || lineEnd == std::string::npos ||
               takeLines(lineEnd + 1);
    });
    return read.ok && takeLines(pending.size());
}

// Appends the names in the code page; false when one of them cannot be written.
bool AppendWritable(const NameList& names, EncodedNames& encoded) {
    std::string converted;
    for (const auto& name : names) {
        if (UnwritableReason(name, converted)) {
            return false;
        }
        converted.clear();
        AppendInCodePage(name, converted);
        encoded.Append(converted);
    }
    return true;
}

void ReserveFileSize(const std::filesystem::path& file, EncodedNames& names) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec) {
        names.Reserve(static_cast<std::size_t>(size));
    }
}

// The names of plain-ASCII lists that can all be written, read in slices; nothing for any
// other lists, which ReadWholeLists reads then for the encoding and the exact message.
std::optional<MapkeyPairs> ReadPlainLists(const PairSources& sources) {
    MapkeyPairs pairs;
    ReserveFileSize(sources.oldFile, pairs.oldNames);
    ReserveFileSize(sources.rule ? sources.oldFile : sources.newFile, pairs.newNames);
    const bool oldRead = ReadPlainSlices(sources.oldFile, [&](const NameList& names) {
        if (sources.rule &&
            !AppendWritable(ApplyRule(names, sources.rule->first, sources.rule->second),
                            pairs.newNames)) {
            return false;
        }
        const NameList cleaned = clean(names);
        const std::vector<bool> assemblies = AssemblyPairs(cleaned);
        pairs.assemblyPairs.insert(pairs.assemblyPairs.end(), assemblies.begin(), assemblies.end());
        return AppendWritable(cleaned, pairs.oldNames);
    });
    const bool newRead =
        oldRead && (sources.rule || ReadPlainSlices(sources.newFile, [&](const NameList& names) {
                        return AppendWritable(names, pairs.newNames);
                    }));
    if (!newRead) {
        return std::nullopt;
    }
    return pairs;
}

}  // namespace

Result<ListsRead> ReadNameLists(const PairSources& sources) {
    ListsRead lists;
    if (!sources.pairsFile.empty()) {
        Result<Table> table = ReadTableFile(sources.pairsFile, sources.heading);
        if (!table.ok()) {
            return Result<ListsRead>::Failure(table.error);
        }
        lists.pairs = {clean(table.value->pairs.oldNames), std::move(table.value->pairs.newNames)};
        lists.check.tableLines = std::move(table.value->lines);
        lists.check.tableName = FromFsPath(sources.pairsFile);
        lists.headingLine = table.value->headingLine;
        return Result<ListsRead>::Success(std::move(lists));
    }
    Result<NameList> oldNames = ReadList(sources.oldFile);
    if (!oldNames.ok()) {
        return Result<ListsRead>::Failure(oldNames.error);
    }
    Result<NameList> newNames =
        sources.rule ? Result<NameList>::Success(
                           ApplyRule(*oldNames.value, sources.rule->first, sources.rule->second))
                     : ReadList(sources.newFile);
    if (!newNames.ok()) {
        return Result<ListsRead>::Failure(newNames.error);
    }
    lists.pairs = {clean(*oldNames.value), std::move(*newNames.value)};
    return Result<ListsRead>::Success(std::move(lists));
}

std::optional<std::u16string> HeadingNote(const ListsRead& lists) {
    if (lists.headingLine == 0) {
        return std::nullopt;
    }
    return u"Zeile " + DecimalText(lists.headingLine) + u" als Überschrift gelesen.";
}

Result<MapkeyPairs> ReadPairs(const PairSources& sources) {
    if (!sources.pairsFile.empty()) {
        return ReadWholeLists(sources);
    }
    std::optional<MapkeyPairs> pairs = ReadPlainLists(sources);
    if (!pairs) {
        return ReadWholeLists(sources);
    }
    if (pairs->oldNames.size() != pairs->newNames.size()) {
        return Result<MapkeyPairs>::Failure(kCountsDifferMessage);
    }
    MarkMadeAndRemoved(*pairs);
    return Result<MapkeyPairs>::Success(std::move(*pairs));
}

}  // namespace velnix::cli
