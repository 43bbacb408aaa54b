// The directory list "Dir1": the path's ancestors, then its subfolders, after the classic
// directory list of Windows. Synchronous, so tests see every change at once.
#pragma once

#include <QIcon>
#include <QListWidget>

namespace velnix::shell {

class DirectoryList : public QListWidget {
    Q_OBJECT
  public:
    explicit DirectoryList(QWidget* parent);

    // The shown directory in native form: "C:\temp", "C:\" for a root, "/home/user" elsewhere.
    QString path() const { return path_; }

    // Moves to an existing directory; emits pathChanged only when the path really changes.
    // A path that names no directory is ignored.
    void setPath(const QString& path);

  signals:
    void pathChanged(const QString& path);

  private:
    void openEntry(QListWidgetItem* item);
    void keyPressEvent(QKeyEvent* event) override;
    void rebuild();

    QString path_;
    QIcon openIcon_;
    QIcon closedIcon_;
};

}  // namespace velnix::shell
