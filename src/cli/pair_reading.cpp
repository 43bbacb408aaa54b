#include "cli/pair_reading.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <system_error>

#include "mapkey/pair_check.h"
#include "mapkey/rename_file.h"
#include "names/list_file.h"
#include "names/rule.h"
#include "names/table_file.h"
#include "util/codepage.h"
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

// A list's lines go straight into the pairs: a slice of every block read keeps the memory that
// the reading touches small. A table's first slice decides its separator and heading, which
// should be what the whole file gives: a megabyte of its rows; its later slices are small.
constexpr std::size_t kSliceBytes = kReadBlockBytes;
constexpr std::size_t kFirstTableSliceBytes = std::size_t{1} << 20;

bool IsPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 1 && byte <= 127;
    });
}

// Hands the file's text to `take` in slices of whole lines, the first of about
// `firstSliceBytes`, the others of a read block, while every byte is plain ASCII (1 to 127) and
// `accepts` it: every encoding of the list files reads such bytes alike, so a slice reads as it
// would in the whole file. False at the first other byte, when the file cannot be read, or when
// `take` refuses a slice.
bool ReadPlainSlices(const std::filesystem::path& file, std::size_t firstSliceBytes,
                     const std::function<bool(std::string_view slice)>& take,
                     bool (*accepts)(char) = nullptr) {
    std::size_t sliceBytes = firstSliceBytes;
    std::string pending;                            // bytes read and not yet taken
    pending.reserve(sliceBytes + kReadBlockBytes);  // grown once, never copied while growing
    const auto takeLines = [&](std::size_t end) {
        const bool taken = take(std::string_view(pending).substr(0, end));
        pending.erase(0, end);
        sliceBytes = kSliceBytes;
        return taken;
    };
    const FileRead read = ReadFileInBlocks(file, [&](std::string_view block) {
        if (!IsPlainAscii(block) ||
            (accepts != nullptr && !std::all_of(block.begin(), block.end(), accepts))) {
            return false;
        }
        pending.append(block);
        const std::size_t lineEnd = pending.rfind('\n');
        return pending.size() < sliceBytes || lineEnd == std::string::npos ||
               takeLines(lineEnd + 1);
    });
    return read.ok && takeLines(pending.size());
}

// Appends a slice of a table's pairs, the old names with their assembly marks; false when one
// of the names cannot be written.
bool AppendPairs(const NameList& oldNames, NameList newNames, MapkeyPairs& pairs) {
    const NamePairs slice = PairsToRename(oldNames, std::move(newNames));
    const std::vector<bool> assemblies = AssemblyPairs(slice.oldNames);
    pairs.assemblyPairs.insert(pairs.assemblyPairs.end(), assemblies.begin(), assemblies.end());
    return AppendWritableNames(slice.newNames, pairs.newNames) &&
           AppendWritableNames(slice.oldNames, pairs.oldNames);
}

void ReserveFileSize(const std::filesystem::path& file, EncodedNames& names) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec) {
        names.Reserve(static_cast<std::size_t>(size));
    }
}

// A name of a plain-ASCII list, or one that the rule made from it, as AppendWritableName
// takes it: no control character and no back-quote. Every code page holds the rest.
bool IsWritable(std::string_view name) {
    bool writable = true;  // without an early end, the loop runs on whole vectors of bytes
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        writable &= byte >= 0x20 && byte != 0x7F && c != '`';
    }
    return writable;
}

// The rule in the code page, as it works on plain-ASCII names: an expression beyond ASCII
// matches none of them. Nothing when the replacement is not in the code page.
struct RuleInBytes {
    std::string expression;
    std::string replacement;
    bool matchesNone = false;
};

std::optional<RuleInBytes> EncodeRule(const std::pair<std::u16string, std::u16string>& rule) {
    RuleInBytes encoded;
    encoded.matchesNone = !std::all_of(rule.first.begin(), rule.first.end(),
                                       [](char16_t c) { return c >= 1 && c <= 127; });
    encoded.expression.assign(rule.first.begin(), rule.first.end());
    if (encoded.matchesNone) {
        encoded.expression.clear();
    }
    if (AppendInCodePage(rule.second, encoded.replacement)) {
        return std::nullopt;
    }
    return encoded;
}

// ReplaceFirst of the rule on the name's bytes, into `out`.
void ApplyRuleToBytes(const RuleInBytes& rule, std::string_view name, std::string& out) {
    out.clear();
    const std::size_t at =
        name.empty() || rule.matchesNone ? std::string_view::npos : name.find(rule.expression);
    if (at == std::string_view::npos) {
        out.append(name);
        return;
    }
    out.append(name.substr(0, at));
    out.append(rule.replacement);
    out.append(name.substr(at + rule.expression.size()));
}

// The names of plain-ASCII lists that can all be written, read in slices straight into the
// pairs, without a string a name; nothing for any other lists, which ReadWholeLists reads then
// for the encoding and the exact message.
std::optional<MapkeyPairs> ReadPlainLists(const PairSources& sources) {
    std::optional<RuleInBytes> rule;
    if (sources.rule && !(rule = EncodeRule(*sources.rule))) {
        return std::nullopt;
    }
    MapkeyPairs pairs;
    ReserveFileSize(sources.oldFile, pairs.oldNames);
    ReserveFileSize(sources.rule ? sources.oldFile : sources.newFile, pairs.newNames);
    std::string cleaned;
    std::string derived;
    const bool oldRead = ReadPlainSlices(sources.oldFile, kSliceBytes, [&](std::string_view slice) {
        bool writable = true;
        ForEachLine(slice, true, [&](std::string_view name) {
            cleaned.clear();
            const std::string_view extension = AppendFileNameWithExtension(name, cleaned);
            pairs.assemblyPairs.push_back(extension == ".asm" || extension == ".drw");
            writable = writable && IsWritable(cleaned);
            pairs.oldNames.Append(cleaned);
            if (rule) {
                ApplyRuleToBytes(*rule, name, derived);
                writable = writable && IsWritable(derived);
                pairs.newNames.Append(derived);
            }
        });
        return writable;
    });
    const bool newRead =
        oldRead &&
        (sources.rule || ReadPlainSlices(sources.newFile, kSliceBytes, [&](std::string_view slice) {
             bool writable = true;
             ForEachLine(slice, true, [&](std::string_view name) {
                 writable = writable && IsWritable(name);
                 pairs.newNames.Append(name);
             });
             return writable;
         }));
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
        sources.pairsFile, kFirstTableSliceBytes,
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

std::optional<PairsRead> ReadPlainPairs(const PairSources& sources) {
    if (!sources.pairsFile.empty()) {
        return ReadPlainTable(sources);
    }
    if (std::optional<MapkeyPairs> pairs = ReadPlainLists(sources)) {
        return PairsRead{std::move(*pairs), {}, 0};
    }
    return std::nullopt;
}

Result<PairsRead> ReadPairs(const PairSources& sources) {
    std::optional<PairsRead> read = ReadPlainPairs(sources);
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
