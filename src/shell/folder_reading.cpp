#include "shell/folder_reading.h"

#include <utility>

#include "shell/qt_text.h"

namespace velnix::shell {
namespace {

bool SameForTheCheck(const WorkingFolder& a, const WorkingFolder& b) {
    if (a.path != b.path || a.models.has_value() != b.models.has_value()) {
        return false;
    }
    return a.models ? *a.models == *b.models : a.unreadable == b.unreadable;
}

}  // namespace

bool FolderReading::follow(const QString& path) {
    if (read_ && path_ == path) {
        return false;
    }
    return read(path);
}

bool FolderReading::reread() {
    return read_ && read(path_);
}

bool FolderReading::read(const QString& path) {
    WorkingFolder now = ReadWorkingFolder(ToU16(path));
    const bool changed = !read_ || !SameForTheCheck(folder_, now);
    folder_ = std::move(now);
    path_ = path;
    read_ = true;
    return changed;
}

}  // namespace velnix::shell
