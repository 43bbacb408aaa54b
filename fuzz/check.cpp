// Fuzzes the table reader, the check of whole lists and the order repair, without and with a
// working folder: any table either reads or is refused with its line, a finding names a line
// of the table, and the repair mends exactly the lists whose only Fehler are their order, into
// lists without Fehler.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "check/list_check.h"
#include "check/order_repair.h"
#include "names/table_file.h"
#include "support.h"
#include "util/unicode.h"

using velnix::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = velnix::Utf8ToUtf16(velnix::fuzz::Bytes(data, size));
    const auto table = velnix::ParseTable(text, velnix::DetectSeparator(text), u"Tabelle");
    if (!table.ok()) {
        Require(table.error.find(u"Zeile ") != std::u16string::npos, "a refusal names the line");
        return 0;
    }
    const velnix::NamePairs& pairs = table.value->pairs;
    Require(pairs.oldNames.size() == pairs.newNames.size() &&
                table.value->lines.size() == pairs.oldNames.size(),
            "a table gives pairs, each with its line");
    // The same checks against a folder made from the same bytes: every other old name (now and
    // then in a version) and every third new name are files there.
    velnix::NameList files;
    for (std::size_t i = 0; i < pairs.oldNames.size(); ++i) {
        if (i % 2 == 0) {
            files.push_back(pairs.oldNames[i] + (i % 4 == 0 ? u".3" : u""));
        }
        if (i % 3 == 1) {
            files.push_back(pairs.newNames[i]);
        }
    }
    const velnix::WorkingFolder folder{u"Ordner", velnix::FolderModels(files), {}};
    for (const velnix::WorkingFolder* in :
         {static_cast<const velnix::WorkingFolder*>(nullptr), &folder}) {
        const velnix::CheckOptions options{{}, table.value->lines, u"Tabelle", in};
        const auto findings = velnix::CheckLists(pairs.oldNames, pairs.newNames, options);
        bool otherErrors = false;
        for (const auto& finding : findings) {
            Require(finding.pair <= pairs.oldNames.size() && !finding.message.empty(),
                    "a finding names a pair of the list and says what is wrong");
            Require(finding.pair == 0 || finding.row == table.value->lines[finding.pair - 1],
                    "a finding names the pair's line in the table");
            otherErrors |= finding.severity == velnix::Severity::Error && !IsOrderFinding(finding);
        }
        const auto repaired = velnix::RepairOrder(pairs.oldNames, pairs.newNames, options);
        Require(repaired.ok() == !otherErrors,
                "the repair mends what only its order keeps from running");
        if (repaired.ok()) {
            const velnix::NamePairs& list = repaired.value->pairs;
            Require(list.oldNames.size() >= pairs.oldNames.size(), "no pair is lost");
            const auto after = velnix::CheckLists(list.oldNames, list.newNames,
                                                  {repaired.value->intermediates, {}, {}, in});
            Require(
                std::none_of(after.begin(), after.end(),
                             [](const auto& f) { return f.severity == velnix::Severity::Error; }),
                "a repaired list has no Fehler");
        }
    }
    return 0;
}
