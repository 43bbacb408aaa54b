#include "cli/generate_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <future>
#include <new>
#include <optional>
#include <utility>
#include <variant>

#include "check/list_check.h"
#include "check/order_repair.h"
#include "cli/check_command.h"
#include "cli/console.h"
#include "cli/run.h"
#include "mapkey/rename_file.h"
#include "util/codepage.h"
#include "util/text.h"

namespace velnix::cli {
namespace {

// Standard output in binary mode, as a sink.
class StdoutSink final : public BlockSink {
  public:
    StdoutSink() { PrepareBinaryOutput(stdout); }
    bool Write(std::string_view block) override {
        return std::fwrite(block.data(), 1, block.size(), stdout) == block.size();
    }
};

// The pairs to write, and how the check reads them.
struct PairsToWrite {
    MapkeyPairs pairs;
    CheckOptions check;
    std::optional<std::u16string> headingNote;
};

// Exit status and message when the pairs cannot be had.
struct Refusal {
    int exitCode;
    std::u16string message;
};

// The pairs to write, checked against `folder` when there is one; with repairOrder in the
// mended order, or the repair's refusal.
std::variant<PairsToWrite, Refusal> ReadPairsToWrite(const GenerateOptions& options,
                                                     const WorkingFolder* folder) {
    if (!options.repairOrder && !(options.withDrawings && folder != nullptr)) {
        Result<PairsRead> read = ReadPairs(options.sources);
        if (!read.ok()) {
            return Refusal{kCannotCompose, read.error};
        }
        read.value->check.folder = folder;
        read.value->check.loadFolder = options.loadFolder;
        return PairsToWrite{std::move(read.value->pairs), std::move(read.value->check),
                            HeadingNote(read.value->headingLine)};
    }
    Result<ListsRead> lists = ReadNameLists(options.sources);
    if (!lists.ok()) {
        return Refusal{kCannotCompose, lists.error};
    }
    lists.value->check.folder = folder;
    lists.value->check.loadFolder = options.loadFolder;
    if (options.withDrawings && folder != nullptr) {
        if (const auto added = AddDrawings(*folder, lists.value->pairs, lists.value->check)) {
            WriteMessage(stderr, *added);
        }
    }
    if (options.repairOrder) {
        Result<RepairedList> repaired = RepairOrder(
            lists.value->pairs.oldNames, lists.value->pairs.newNames, lists.value->check);
        if (!repaired.ok()) {
            return Refusal{kListHasErrors, u"Fehler : " + repaired.error +
                                               u" Die Datei rename.pro wurde nicht geschrieben !"};
        }
        // The repaired list has rows of its own: a table's lines no longer fit it.
        lists.value->pairs = std::move(repaired.value->pairs);
        lists.value->check.tableLines.clear();
        lists.value->check.intermediates = std::move(repaired.value->intermediates);
    }
    Result<MapkeyPairs> pairs = EncodePairs(
        lists.value->pairs.oldNames, lists.value->pairs.newNames, lists.value->check.tableLines);
    if (!pairs.ok()) {
        return Refusal{kCannotCompose, pairs.error};
    }
    return PairsToWrite{std::move(*pairs.value), std::move(lists.value->check),
                        HeadingNote(lists.value->headingLine)};
}

// The working folder, read on the other core while the lists are read: the composition needs
// it only for the drawings taken along, the repair and the models loaded along; the check
// takes it when it starts.
class FolderReading {
  public:
    explicit FolderReading(std::optional<std::filesystem::path> folder)
        : reading_(std::async(std::launch::async, ReadFolder, FolderOptions{std::move(folder)})) {}
    // Waits for the folder the first time; one thread at a time.
    const WorkingFolder* get() {
        if (reading_.valid()) {
            folder_ = reading_.get();
        }
        return folder_ ? &*folder_ : nullptr;
    }

  private:
    std::future<std::optional<WorkingFolder>> reading_;
    std::optional<WorkingFolder> folder_;
};

// Nothing when there was not memory enough to check: the check must never cost the file. The
// folder's findings are said one by one, as the list's own are not. From here on the check
// owns toWrite.check; the composition reads only toWrite.pairs.
std::optional<FindingCounts> CountPairProblems(PairsToWrite& toWrite, FolderReading& folder) {
    try {
        toWrite.check.folder = folder.get();
        return CheckLists(EncodedNamesSource(toWrite.pairs.oldNames),
                          EncodedNamesSource(toWrite.pairs.newNames), toWrite.check,
                          IsFolderFinding, [](const Finding& finding) {
                              if (IsFolderFinding(finding.code)) {
                                  WriteMessage(stderr, FindingLine(finding));
                              }
                          });
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

int Write(const GenerateOptions& options, const MapkeyPairs& pairs) {
    if (options.toStdout) {
        StdoutSink out;
        if (!ComposeMapkeys(pairs, TextEnd::RenamePro, out) || std::fflush(stdout) != 0) {
            WriteMessage(stderr, u"Fehler : Die Ausgabe konnte nicht geschrieben werden.");
            return kWriteFailed;
        }
        return kWritten;
    }
    const Status written =
        WriteRenamePro(options.outDirectory, pairs, options.undo ? &pairs : nullptr);
    WriteMessage(written.ok ? stdout : stderr, written.message);
    return written.ok ? kWritten : kWriteFailed;
}

}  // namespace

int Generate(const GenerateOptions& options) {
    FolderReading folder(options.toStdout ? std::nullopt : std::optional(options.outDirectory));
    const bool composedWithFolder =
        options.withDrawings || options.repairOrder || options.loadFolder;
    std::variant<PairsToWrite, Refusal> read =
        ReadPairsToWrite(options, composedWithFolder ? folder.get() : nullptr);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        WriteMessage(stderr, refusal->message);
        return refusal->exitCode;
    }
    auto& toWrite = std::get<PairsToWrite>(read);
    if (options.loadFolder && folder.get() != nullptr) {
        LoadAlong(*folder.get(), toWrite.pairs);
    }
    if (toWrite.headingNote) {
        WriteMessage(stderr, *toWrite.headingNote);
    }
    // The check reads the pairs while the file is composed from them, on the other core: it
    // costs about as much as the composition itself. Only --strict has to wait for it.
    std::future<std::optional<FindingCounts>> problems =
        std::async(std::launch::async, CountPairProblems, std::ref(toWrite), std::ref(folder));
    if (options.strict) {
        const std::optional<FindingCounts> counts = problems.get();
        WriteCheckSummary(stderr, counts);
        if (!counts || counts->errors > 0) {
            WriteMessage(stderr, u"Fehler : Die Liste " +
                                     (counts ? u"hat " + DecimalText(counts->errors) + u" Fehler"
                                             : std::u16string(u"ließ sich nicht prüfen")) +
                                     u". Die Datei rename.pro wurde nicht geschrieben !");
            return kListHasErrors;
        }
        return Write(options, toWrite.pairs);
    }
    const int written = Write(options, toWrite.pairs);
    WriteCheckSummary(stderr, problems.get());
    return written;
}

}  // namespace velnix::cli
