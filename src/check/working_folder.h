// The working folder as Pro/ENGINEER finds models in it: each model once, by its name in lower
// case, whatever versions of it lie there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "names/name_list.h"

namespace velnix {

// The model that a file of the folder holds: the name in lower case without its version
// number ("Motor.ASM.12" → "motor.asm"); a name without a version only lower-cased.
std::u16string ModelName(std::u16string_view fileName);

// The models of a folder, from the names of its files.
class FolderModels {
  public:
    FolderModels() = default;
    explicit FolderModels(const NameList& fileNames);
    // Whether the folder holds this model, the name in any letter case, with or without a
    // version.
    bool Has(std::u16string_view name) const;
    // Each model once, sorted by name.
    const NameList& sorted() const { return sorted_; }

  private:
    NameList sorted_;
    std::unordered_set<std::u16string> models_;
};

// The folder a check runs against, as far as it could be read.
struct WorkingFolder {
    std::u16string path;                 // as the user names it, for the sentences
    std::optional<FolderModels> models;  // empty when the folder could not be read
    std::u16string unreadable;           // then: why, in German
};

// Reads the names of the folder's files (not of its subfolders) once.
WorkingFolder ReadWorkingFolder(std::u16string_view folder);
// The same for a path in the system's own bytes, which a name on the command line may need;
// `path` of the result is `shown`.
WorkingFolder ReadWorkingFolder(const std::filesystem::path& folder, std::u16string shown);

}  // namespace velnix
