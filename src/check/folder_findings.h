// The list check's findings against the working folder: old names without a file there, new
// names whose file is there already, drawings left behind, and the assemblies and drawings
// that the run does not load.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "check/finding.h"
#include "check/list_check.h"
#include "check/rename_order.h"
#include "check/session_models.h"

namespace velnix {

// The list's order, told apart by the folder where it is known: an old name that the folder
// lacks and a pair of the list takes as its new name is made by the run, as an intermediate
// name is. `made` holds options.intermediates and those names.
struct OrderInFolder {
    NameList made;
    RenameOrder order;
};
OrderInFolder ReadOrderInFolder(const NameSource& oldNames, const NameSource& newNames,
                                const CheckOptions& options);

class FolderFindings {
  public:
    // options.folder is set; `order` comes from ReadOrderInFolder.
    FolderFindings(const NameSource& oldNames, const NameSource& newNames, const RenameOrder& order,
                   const CheckOptions& options);

    // The finding for the lists as a whole, FolderUnreadable or NotInSession, with its
    // sentence when `withText`.
    std::optional<std::pair<FindingCode, std::u16string>> Whole(bool withText) const;

    // The pair's findings, in the order they are said, appended to `codes`.
    void OfPair(std::uint32_t pair, std::u16string_view oldName, std::u16string_view newName,
                std::vector<FindingCode>& codes);
    // What a finding of OfPair says after the pair's names.
    std::u16string Sentence(FindingCode code, std::u16string_view oldName,
                            std::u16string_view newName) const;

  private:
    const WorkingFolder& folder_;
    const RenameOrder& order_;
    const bool loadFolder_;
    std::unique_ptr<SessionModels> session_;  // none for a folder that could not be read
    // The second pair of the same old or of the same new name: the list check names it.
    std::vector<bool> repeatsOld_;
    std::vector<bool> repeatsNew_;
    std::unordered_set<std::u16string> drawingsSaid_;
};

}  // namespace velnix
