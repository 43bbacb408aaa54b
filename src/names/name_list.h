// The two name lists of the mapping table and how the user calls them.
#pragma once

#include <string>
#include <vector>

namespace velnix {

using NameList = std::vector<std::u16string>;

// The two lists together, pair i being entry i of both.
struct NamePairs {
    NameList oldNames;
    NameList newNames;
};

enum class ListId { Old, New };

// The caption of the list's option button: "alter Name" or "neuer Name".
inline std::u16string ListCaption(ListId list) {
    return list == ListId::Old ? u"alter Name" : u"neuer Name";
}

}  // namespace velnix
