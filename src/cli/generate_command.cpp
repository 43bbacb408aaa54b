#include "cli/generate_command.h"

#include <algorithm>
#include <cstdio>

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
        const std::string_view name = names_.at(index);
        if (std::all_of(name.begin(), name.end(), [](char c) { return c > 0; })) {
            scratch.assign(name.begin(), name.end());  // plain ASCII, without a new string
        } else {
            scratch = DecodeCodePage(name);
        }
        return scratch;
    }

  private:
    const EncodedNames& names_;
};

// The pairs to write and how many problems the check found in them; with repairOrder in the
// mended order.
Result<MapkeyPairs> ReadCheckedPairs(const GenerateOptions& options, FindingCounts& problems) {
    if (!options.repairOrder && options.sources.pairsFile.empty()) {
        Result<MapkeyPairs> pairs = ReadPairs(options.sources);
        if (pairs.ok()) {
            problems = CountProblems(EncodedSource(pairs.value->oldNames),
                                     EncodedSource(pairs.value->newNames));
        }
        return pairs;
    }
    Result<NamePairs> lists = ReadNameLists(options.sources);
    if (lists.ok() && options.repairOrder) {
        lists = RepairOrder(lists.value->oldNames, lists.value->newNames);
    }
    if (!lists.ok()) {
        return Result<MapkeyPairs>::Failure(lists.error);
    }
    problems =
        CountProblems(NameListSource(lists.value->oldNames), NameListSource(lists.value->newNames));
    return EncodePairs(lists.value->oldNames, lists.value->newNames);
}

}  // namespace

int Generate(const GenerateOptions& options) {
    FindingCounts problems;
    const Result<MapkeyPairs> pairs = ReadCheckedPairs(options, problems);
    if (!pairs.ok()) {
        WriteMessage(stderr, pairs.error);
        return kCannotCompose;
    }
    WriteCheckSummary(stderr, problems);
    if (options.strict && problems.errors > 0) {
        WriteMessage(stderr, u"Fehler : Die Liste hat " + DecimalText(problems.errors) +
                                 u" Fehler. Die Datei rename.pro wurde nicht geschrieben !");
        return kListHasErrors;
    }
    if (options.toStdout) {
        StdoutSink out;
        if (!ComposeMapkeys(*pairs.value, TextEnd::RenamePro, out) || std::fflush(stdout) != 0) {
            WriteMessage(stderr, u"Fehler : Die Ausgabe konnte nicht geschrieben werden.");
            return kWriteFailed;
        }
        return kWritten;
    }
    const Status written = WriteRenamePro(options.outDirectory, *pairs.value);
    WriteMessage(written.ok ? stdout : stderr, written.message);
    return written.ok ? kWritten : kWriteFailed;
}

}  // namespace velnix::cli
