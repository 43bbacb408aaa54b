// Where the window keeps the two list files: beside the program when files can be created
// there (a portable copy), otherwise in the user's own data directory (an installed program).
#pragma once

#include <QString>

#include "names/name_list.h"

namespace velnix::shell {

class Platform;

// True when a file can be created in the directory, found out by creating and removing a
// probe file: neither the path nor the permission bits tell (read-only media, access lists).
bool CanCreateFilesIn(const QString& directory);

struct ListFilePlace {
    QString path;
    bool besideProgram;
};

// Where saving writes the list's file.
ListFilePlace ListFileForSaving(const Platform& platform, ListId list);

// Where opening reads it: beside the program when saving writes there, otherwise in the data
// directory first, so that a list opens as it was saved; when no file is in that place, the
// other place.
QString ListFileForOpening(const Platform& platform, ListId list);

}  // namespace velnix::shell
