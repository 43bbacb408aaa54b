#include "cli/pair_reading.h"

#include <algorithm>
#include <functional>
#include <system_error>

#include "mapkey/pair_check.h"
#include "mapkey/rename_file.h"
#include "names/list_file.h"
#include "names/rule.h"
#include "names/table_file.h"
#include "util/file_read.h"
#include "util/paths.h"
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
Result<PairsRead> ReadWholeLists(const PairSources& sources) {
    Result<ListsRead> lists = ReadNameLists(sources);
    if (!lists.ok()) {
        return Result<PairsRead>::Failure(lists.error);
    }
    Result<MapkeyPairs> pairs = EncodePairs(
        lists.value->pairs.oldNames, lists.value->pairs.newNames, lists.value->check.tableLines);
    if (!pairs.ok()) {
        return Result<PairsRead>::Failure(pairs.error);
    }
    return Result<PairsRead>::Success(
        {std::move(*pairs.value), std::move(lists.value->check), lists.value->headingLine});
}

bool IsPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 1 && byte <= 127;
    });
}

// Hands the file's text to `take` in slices of whole lines of about a megabyte, while every
// byte is plain ASCII (1 to 127) and `accepts` it: every encoding of the list files reads such
// bytes alike, so a slice reads as it would in the whole file. False at the first other byte,
// when the file cannot be read, or when `take` refuses a slice.
bool ReadPlainSlices(const std::filesystem::path& file,
                     const std::function<bool(std::string_view slice)>& take,
                     bool (*accepts)(char) = nullptr) {
    constexpr std::size_t kSliceBytes = 1 << 20;
    std::string pending;  // bytes read and not yet taken
    const auto takeLines = [&](std::size_t end) {
        const bool taken = take(std::string_view(pending).substr(0, end));
        pending.erase(0, end);
        return taken;
    };
    const FileRead read = ReadFileInBlocks(file, [&](std::string_view block) {
        if (!IsPlainAscii(block) ||
            (accepts != nullptr && !std::all_of(block.begin(), block.end(), accepts))) {
            return false;
        }
        pending.append(block);
        const std::size_t lineEnd = pending.rfind('\n');
        return pending.size() < kSliceBytes || lineEnd == std::string::npos ||
               takeLines(lineEnd + 1);
    });
    return read.ok && takeLines(pending.size());
}

// The names of a list file's slice.
std::function<bool(std::string_view)> NamesOfSlices(
    const std::filesystem::path& file, const std::function<bool(const NameList& names)>& take) {
    return [&file, take](std::string_view slice) {
        const Result<NameList> names =
            DecodeListFile(slice, FromFsPath(file), LineRule::AnyLineEnd);
        return names.ok() && take(*names.value);
    };
}

// Appends a slice of the pairs, the old names with their assembly marks; false when one of
// the names cannot be written. Without `newNames` (they come from their own file) the old
// names alone.
bool AppendPairs(const NameList& oldNames, std::optional<NameList> newNames, MapkeyPairs& pairs) {
    const NamePairs slice = PairsToRename(oldNames, newNames ? std::move(*newNames) : NameList());
    const std::vector<bool> assemblies = AssemblyPairs(slice.oldNames);
    pairs.assemblyPairs.insert(pairs.assemblyPairs.end(), assemblies.begin(), assemblies.end());
    return (!newNames || AppendWritableNames(slice.newNames, pairs.newNames)) &&
           AppendWritableNames(slice.oldNames, pairs.oldNames);
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
    const bool oldRead = ReadPlainSlices(
        sources.oldFile, NamesOfSlices(sources.oldFile, [&](const NameList& names) {
            return AppendPairs(names,
                               sources.rule ? std::optional(ApplyRule(names, sources.rule->first,
                                                                      sources.rule->second))
                                            : std::nullopt,
                               pairs);
        }));
    const bool newRead =
        oldRead &&
        (sources.rule || ReadPlainSlices(sources.newFile,
                                         NamesOfSlices(sources.newFile, [&](const NameList& names) {
                                             return AppendWritableNames(names, pairs.newNames);
                                         })));
    if (!newRead) {
        return std::nullopt;
    }
    return pairs;
}

// The pairs of a table in plain ASCII without quotes, read a slice of rows at a time; nothing
// for any other table, which ReadWholeLists reads then for the encoding and the exact message.
std::optional<PairsRead> ReadPlainTable(const PairSources& sources) {
    PairsRead read;
    read.check.tableName = FromFsPath(sources.pairsFile);
    // Room enough for any table of the file's size; pages that stay unused cost no memory.
    ReserveFileSize(sources.pairsFile, read.pairs.oldNames);
    ReserveFileSize(sources.pairsFile, read.pairs.newNames);
    std::error_code sizeError;
    const auto fileSize = std::filesystem::file_size(sources.pairsFile, sizeError);
    if (!sizeError) {
        read.check.tableLines.reserve(static_cast<std::size_t>(fileSize / 4));
    }
    char16_t separator = 0;
    Heading heading = sources.heading;
    std::size_t line = 1;
    const bool tableRead = ReadPlainSlices(
        sources.pairsFile,
        [&](std::string_view slice) {
            const std::u16string text(slice.begin(), slice.end());
            if (line == 1) {
                separator = DetectSeparator(text);
                // A first slice without a file name, or without a separator, might be read
                // otherwise than the whole file: that rare table is read whole.
                if (text.find_first_of(u"\t;,") == std::u16string::npos ||
                    (heading == Heading::Auto && text.find(u'.') == std::u16string::npos)) {
                    return false;
                }
                if (heading == Heading::Auto) {
                    heading = LooksLikeHeading(text, separator) ? Heading::Yes : Heading::No;
                }
            }
            Result<Table> table = ParseTable(text, separator, read.check.tableName,
                                             line == 1 ? heading : Heading::No, line);
            if (!table.ok()) {
                return false;
            }
            line = table.value->nextLine;
            read.headingLine = std::max(read.headingLine, table.value->headingLine);
            read.check.tableLines.insert(read.check.tableLines.end(), table.value->lines.begin(),
                                         table.value->lines.end());
            return AppendPairs(table.value->pairs.oldNames, std::move(table.value->pairs.newNames),
                               read.pairs);
        },
        [](char c) { return c != '"'; });
    if (!tableRead) {
        return std::nullopt;
    }
    return read;
}

}  // namespace

Result<ListsRead> ReadNameLists(const PairSources& sources) {
    ListsRead lists;
    if (!sources.pairsFile.empty()) {
        Result<Table> table = ReadTableFile(sources.pairsFile, sources.heading);
        if (!table.ok()) {
            return Result<ListsRead>::Failure(table.error);
        }
        lists.pairs =
            PairsToRename(table.value->pairs.oldNames, std::move(table.value->pairs.newNames));
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
    lists.pairs = PairsToRename(*oldNames.value, std::move(*newNames.value));
    return Result<ListsRead>::Success(std::move(lists));
}

std::optional<std::u16string> HeadingNote(std::size_t headingLine) {
    if (headingLine == 0) {
        return std::nullopt;
    }
    return u"Zeile " + DecimalText(headingLine) + u" als Überschrift gelesen.";
}

Result<PairsRead> ReadPairs(const PairSources& sources) {
    std::optional<PairsRead> read;
    if (!sources.pairsFile.empty()) {
        read = ReadPlainTable(sources);
    } else if (std::optional<MapkeyPairs> pairs = ReadPlainLists(sources)) {
        read = PairsRead{std::move(*pairs), {}, 0};
    }
    if (!read) {
        return ReadWholeLists(sources);
    }
    if (read->pairs.oldNames.size() != read->pairs.newNames.size()) {
        return Result<PairsRead>::Failure(kCountsDifferMessage);
    }
    MarkMadeAndRemoved(read->pairs);
    return Result<PairsRead>::Success(std::move(*read));
}

}  // namespace velnix::cli
