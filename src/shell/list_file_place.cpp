#include "shell/list_file_place.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "names/list_file.h"
#include "shell/platform/platform.h"
#include "shell/qt_text.h"

namespace velnix::shell {
namespace {

QString ListFileIn(const QString& directory, ListId list) {
    return ToQString(ListFilePath(ToU16(directory), list));
}

}  // namespace

bool CanCreateFilesIn(const QString& directory) {
    // Created under a name of its own, as a list file is (fileName() names the nameless
    // file that Linux may give first), and removed when the probe goes.
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".velnix-probe-XXXXXX")));
    return probe.open() && QFileInfo::exists(probe.fileName());
}

ListFilePlace ListFileForSaving(const Platform& platform, ListId list) {
    const QString program = platform.programDirectory();
    if (CanCreateFilesIn(program)) {
        return {ListFileIn(program, list), true};
    }
    return {ListFileIn(platform.userDataDirectory(), list), false};
}

QString ListFileForOpening(const Platform& platform, ListId list) {
    const ListFilePlace saved = ListFileForSaving(platform, list);
    const QString other = ListFileIn(
        saved.besideProgram ? platform.userDataDirectory() : platform.programDirectory(), list);
    // Anything in the first place, even a folder that cannot be read, is that place's answer.
    return QFileInfo::exists(saved.path) || !QFileInfo::exists(other) ? saved.path : other;
}

}  // namespace velnix::shell
