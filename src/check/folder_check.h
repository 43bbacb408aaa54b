// What the working folder adds to a rename list: drawings to rename along with their models,
// and the assemblies and drawings to have in session while the run renames their parts.
#pragma once

#include "check/name_source.h"
#include "check/working_folder.h"
#include "names/name_list.h"

namespace velnix {

// The drawings of the folder named after a model (.prt or .asm) that the list renames and
// not in the list themselves, each as a pair that renames it after its model's new name
// (motor.drw → antrieb.drw for motor.asm → antrieb.asm). Old names as the generate command
// cleans them up; the first pair of a model gives its drawing's new name.
NamePairs DrawingsToTakeAlong(const NamePairs& pairs, const FolderModels& folder);

// The assemblies and drawings of the folder that the list neither renames nor makes, each
// model once, sorted by name: opened at the start of the run and saved at its end, so that
// Pro/ENGINEER updates their references to the renamed models. Names that the code page
// cannot hold stay out.
NameList ModelsToLoadAlong(const NamePairs& pairs, const FolderModels& folder);
// The same for lists read by position.
NameList ModelsToLoadAlong(const NameSource& oldNames, const NameSource& newNames,
                           const FolderModels& folder);

}  // namespace velnix
