// The working folder as Pro/ENGINEER finds models in it: each model once, by its name in lower
// case, whatever versions of it lie there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "names/name_list.h"

namespace velnix {

// The model that a file of the folder holds: the name in lower case without its version
// number ("Motor.ASM.12" → "motor.asm"); a name without a version only lower-cased.
std::u16string ModelName(std::u16string_view fileName);

// The models of a folder, from the names of its files. A folder may hold a hundred thousand
// files: the names lie in one string and are found through a table of hashes, without a
// string of their own each.
class FolderModels {
  public:
    FolderModels() = default;
    explicit FolderModels(const NameList& fileNames);

    // Adds the model of a file, unless the folder holds it already.
    void Add(std::u16string_view fileName);
    // The model's number (see operator[]), the name in any letter case, with or without a
    // version; nothing when the folder lacks it.
    std::optional<std::size_t> Find(std::u16string_view name) const;
    bool Has(std::u16string_view name) const { return Find(name).has_value(); }

    // Each model once, in lower case, numbered in the order the files came.
    std::size_t size() const { return starts_.size(); }
    std::u16string_view operator[](std::size_t model) const;
    // Each model once, sorted by name.
    NameList sorted() const;
    // The same models, whatever order the files came in.
    bool operator==(const FolderModels& other) const;
    bool operator!=(const FolderModels& other) const { return !(*this == other); }

  private:
    void Grow();

    std::u16string names_;               // the models one after the other
    std::vector<std::uint32_t> starts_;  // where each begins in names_
    std::vector<std::uint32_t> slots_;   // model number + 1 by hash, 0 when free
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
