// The generate command: rename.pro from the two lists, after checking them.
#pragma once

#include <filesystem>

#include "cli/folder_options.h"
#include "cli/pair_reading.h"

namespace velnix::cli {

struct GenerateOptions {
    PairSources sources;
    std::filesystem::path outDirectory;
    bool toStdout = false;
    bool repairOrder = false;
    bool strict = false;  // refuse lists with Fehler
    // The folder of --out is the working folder: checked, and used as these ask.
    bool withDrawings = false;
    bool loadFolder = false;
    bool undo = false;  // rename_zurueck.pro beside rename.pro
};

int Generate(const GenerateOptions& options);

}  // namespace velnix::cli
