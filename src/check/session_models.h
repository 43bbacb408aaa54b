// The assemblies and drawings of the working folder against a rename list: which of them the
// run has in session, and which drawing a renamed model leaves behind.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/name_source.h"
#include "check/working_folder.h"
#include "names/name_list.h"

namespace velnix {

class SessionModels {
  public:
    // Reads both lists once; only their assemblies and drawings cost a lookup. The folder must
    // outlive this.
    SessionModels(const NameSource& oldNames, const NameSource& newNames,
                  const FolderModels& folder);

    // Some pair gives a part or an assembly a new name: models that use it need updating.
    bool renamesPartOrAssembly() const { return renamesPartOrAssembly_; }

    // The folder's assemblies and drawings that the list neither opens nor makes, sorted.
    NameList NotInList() const;

    // The folder's drawing named after the part or assembly that the pair renames, when the
    // list does not open it (its name in lower case); nothing otherwise.
    std::optional<std::u16string> DrawingLeftOut(std::u16string_view oldName,
                                                 std::u16string_view newName) const;

  private:
    struct InList {
        bool opened = false;  // an old name of the list
        bool made = false;    // a new name of the list
    };
    const FolderModels& folder_;
    // By the folder's model number; only the assemblies and drawings are marked.
    std::vector<InList> inList_;
    std::size_t sessionModels_ = 0;  // the folder's assemblies and drawings
    bool renamesPartOrAssembly_ = false;
};

// The drawing or assembly that a name denotes, in lower case without a version; nothing for
// any other type.
std::optional<std::u16string> SessionModelName(std::u16string_view name);

}  // namespace velnix
