// Drawings that keep their name while the list renames the model they are named after.
#pragma once

#include <cstdint>
#include <vector>

#include "check/name_source.h"

namespace velnix {

struct DrawingLeftBehind {
    std::uint32_t drawing;  // the pair of the drawing
    std::uint32_t model;    // the first pair that renames its model
};

// Most users name a drawing after its model: renaming the model and not the drawing alike
// leaves a drawing whose name no longer tells its model. A drawing is left behind when a model
// of its name (.prt or .asm) is renamed and no such model takes the drawing's new name.
std::vector<DrawingLeftBehind> DrawingsLeftBehind(const NameSource& oldNames,
                                                  const NameSource& newNames, std::uint32_t pairs);

}  // namespace velnix
