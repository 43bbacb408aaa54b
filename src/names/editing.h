// The list panel's editing commands as functions over one list.
#pragma once

#include <cstddef>
#include <optional>

#include "names/name_list.h"

namespace velnix {

// "markiertes löschen": the list without its marked entry and without any empty entry; the
// other entries keep their order.
NameList DeleteMarked(const NameList& names, std::optional<std::size_t> marked);

}  // namespace velnix
