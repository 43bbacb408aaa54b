#include "cli/generate_command.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <future>
#include <new>
#include <optional>

#include "check/list_check.h"
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

// The compact names of the pairs as the check reads them, so that checking a long list costs
// no second copy of it.
class EncodedSource final : public NameSource {
  public:
    explicit EncodedSource(const EncodedNames& names) : names_(names) {}
    std::size_t size() const override { return names_.size(); }
    std::u16string_view at(std::size_t index, std::u16string& scratch) const override {
        // The check reads mostly in order: step on from the name before instead of searching.
        if (!cursor_ || index < cursorIndex_ || index - cursorIndex_ > 16) {
            cursor_ = names_.IteratorAt(index);
            cursorIndex_ = index;
        }
        for (; cursorIndex_ < index; ++cursorIndex_) {
            ++*cursor_;
        }
        const std::string_view name = **cursor_;
        if (std::all_of(name.begin(), name.end(), [](char c) { return c > 0; })) {
            scratch.assign(name.begin(), name.end());  // plain ASCII, without a new string
        } else {
            scratch = DecodeCodePage(name);
        }
        return scratch;
    }

  private:
    const EncodedNames& names_;
    mutable std::optional<EncodedNames::Iterator> cursor_;
    mutable std::size_t cursorIndex_ = 0;
};

// The pairs to write; with repairOrder in the mended order.
Result<MapkeyPairs> ReadPairsToWrite(const GenerateOptions& options) {
    if (!options.repairOrder && options.sources.pairsFile.empty()) {
        return ReadPairs(options.sources);
    }
    Result<NamePairs> lists = ReadNameLists(options.sources);
    if (lists.ok() && options.repairOrder) {
        lists = RepairOrder(lists.value->oldNames, lists.value->newNames);
    }
    if (!lists.ok()) {
        return Result<MapkeyPairs>::Failure(lists.error);
    }
    return EncodePairs(lists.value->oldNames, lists.value->newNames);
}

// Nothing when there was not memory enough to check: the check must never cost the file.
std::optional<FindingCounts> CountPairProblems(const MapkeyPairs& pairs) {
    try {
        return CountProblems(EncodedSource(pairs.oldNames), EncodedSource(pairs.newNames));
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
    const Status written = WriteRenamePro(options.outDirectory, pairs);
    WriteMessage(written.ok ? stdout : stderr, written.message);
    return written.ok ? kWritten : kWriteFailed;
}

}  // namespace

int Generate(const GenerateOptions& options) {
    const Result<MapkeyPairs> pairs = ReadPairsToWrite(options);
    if (!pairs.ok()) {
        WriteMessage(stderr, pairs.error);
        return kCannotCompose;
    }
    // The check reads the pairs while the file is composed from them, on the other core: it
    // costs about as much as the composition itself. Only --strict has to wait for it.
    std::future<std::optional<FindingCounts>> problems =
        std::async(std::launch::async, CountPairProblems, std::cref(*pairs.value));
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
        return Write(options, *pairs.value);
    }
    const int written = Write(options, *pairs.value);
    WriteCheckSummary(stderr, problems.get());
    return written;
}

}  // namespace velnix::cli
