// Fuzzes the table reader, the check of whole lists and the order repair: any table either
// reads or is refused with its line, and a repaired list has no order left to repair.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "check/list_check.h"
#include "check/order_repair.h"
#include "names/table_file.h"
#include "support.h"
#include "util/unicode.h"

namespace {

using velnix::fuzz::Require;

bool HasFinding(const std::vector<velnix::Finding>& findings,
                bool (*which)(const velnix::Finding&)) {
    return std::any_of(findings.begin(), findings.end(), which);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = velnix::Utf8ToUtf16(velnix::fuzz::Bytes(data, size));
    const auto table = velnix::ParseTable(text, velnix::DetectSeparator(text), u"Tabelle");
    if (!table.ok()) {
        Require(table.error.find(u"Zeile ") != std::u16string::npos, "a refusal names the line");
        return 0;
    }
    const velnix::NamePairs& pairs = *table.value;
    Require(pairs.oldNames.size() == pairs.newNames.size(), "a table gives pairs");
    const auto findings = velnix::CheckLists(pairs.oldNames, pairs.newNames);
    for (const auto& finding : findings) {
        Require(finding.pair <= pairs.oldNames.size() && !finding.message.empty(),
                "a finding names a pair of the list and says what is wrong");
    }
    const auto repaired = velnix::RepairOrder(pairs.oldNames, pairs.newNames);
    Require(repaired.ok(), "lists of equal length can be repaired");
    Require(repaired.value->oldNames.size() >= pairs.oldNames.size(), "no pair is lost");
    const bool oldTwice = HasFinding(
        findings, [](const velnix::Finding& f) { return f.code == velnix::FindingCode::OldTwice; });
    if (!oldTwice) {
        Require(!HasFinding(velnix::CheckLists(repaired.value->oldNames, repaired.value->newNames),
                            velnix::IsOrderFinding),
                "a repaired list runs in its order");
    }
    return 0;
}
