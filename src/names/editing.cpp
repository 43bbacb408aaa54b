#include "names/editing.h"

namespace velnix {

NameList DeleteMarked(const NameList& names, std::optional<std::size_t> marked) {
    NameList kept;
    kept.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i != marked && !names[i].empty()) {
            kept.push_back(names[i]);
        }
    }
    return kept;
}

}  // namespace velnix
