#include "check/folder_check.h"

namespace velnix {

// TODO: stub
NamePairs DrawingsToTakeAlong(const NamePairs&, const FolderModels&) {
    return {};
}

NameList ModelsToLoadAlong(const NamePairs&, const FolderModels&) {
    return {};
}

}  // namespace velnix
