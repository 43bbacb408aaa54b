// The working folder as the window last read it: read again only when its path changes or the
// user comes back to the window, never while the user types.
#pragma once

#include <QString>

#include "check/working_folder.h"

namespace velnix::shell {

class FolderReading {
  public:
    // Reads the folder unless it is the one read last. True when what the check sees changed.
    bool follow(const QString& path);
    // Reads the same folder again: files may have come or gone while the user was in
    // Pro/ENGINEER or the file manager. True when what the check sees changed.
    bool reread();

    const WorkingFolder& folder() const { return folder_; }

  private:
    bool read(const QString& path);

    bool read_ = false;
    QString path_;  // as asked for, whatever the reading makes of it
    WorkingFolder folder_;
};

}  // namespace velnix::shell
