// What a mapkey file renames, read off its steps, for tests that must not compose it themselves.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velnix::test {

// Old name to new name, as the file names them.
using Renames = std::vector<std::pair<std::string, std::string>>;

// Each rename in the order of the file: the name its model was opened by, and the name typed
// into the rename dialog.
inline Renames RenamesIn(std::string_view text) {
    const auto valueAt = [text](std::size_t start) {
        return std::string(text.substr(start, text.find('`', start) - start));
    };
    Renames renames;
    std::string opened;
    for (std::size_t at = 0; (at = text.find("` `", at)) != std::string_view::npos; ++at) {
        if (at >= 9 && text.substr(at - 9, 9) == "Inputname") {
            opened = valueAt(at + 3);
        } else if (at >= 11 && text.substr(at - 11, 11) == "InputPanel2") {
            renames.emplace_back(opened, valueAt(at + 3));
        }
    }
    return renames;
}

}  // namespace velnix::test
