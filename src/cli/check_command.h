// The check command: every problem of the lists, one line each or as JSON for scripts.
#pragma once

#include <cstdio>
#include <optional>
#include <vector>

#include "check/list_check.h"
#include "cli/folder_options.h"
#include "cli/pair_reading.h"

namespace velnix::cli {

enum class FindingFormat { Lines, Json };

int Check(const PairSources& sources, FindingFormat format, const FolderOptions& folder = {});

// A finding as one line: "Zeile 12: Fehler: …".
std::u16string FindingLine(const Finding& finding);

// "Prüfung: 2 Fehler, 1 Warnung", for generate's standard error; nothing without problems.
void WriteCheckSummary(std::FILE* stream, const std::optional<FindingCounts>& problems);

}  // namespace velnix::cli
