#include "check/working_folder.h"

namespace velnix {

// TODO: stub
std::u16string ModelName(std::u16string_view fileName) {
    return std::u16string(fileName);
}

FolderModels::FolderModels(const NameList& fileNames) : sorted_(fileNames) {}

bool FolderModels::Has(std::u16string_view name) const {
    return models_.count(std::u16string(name)) > 0;
}

WorkingFolder ReadWorkingFolder(std::u16string_view folder) {
    return {std::u16string(folder), std::nullopt, u"TODO"};
}

}  // namespace velnix
