#include "shell/directory_list.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "shell/qt_text.h"
#include "util/paths.h"

namespace velnix::shell {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;

// A list widget has no tree lines; indenting each entry by its depth shows the nesting.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indent(option, index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += indent(option, index);
        return size;
    }

  private:
    static int indent(const QStyleOptionViewItem& option, const QModelIndex& index) {
        return index.data(kDepthRole).toInt() * std::max(4, option.decorationSize.width() / 2);
    }
};

// Absolute, without "." and "..", native separators; only a root keeps its trailing one.
QString Normalised(const QString& path) {
    QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QDir(clean).isRoot() && !clean.endsWith(QLatin1Char('/'))) {
        clean += QLatin1Char('/');
    }
    return QDir::toNativeSeparators(clean);
}

QString NameOf(const QDir& dir) {
    return dir.isRoot() ? QDir::toNativeSeparators(dir.absolutePath()) : dir.dirName();
}

QListWidgetItem* AddEntry(QListWidget& list, const QIcon& icon, const QString& name,
                          const QString& path, int depth) {
    auto* item = new QListWidgetItem(icon, name, &list);
    item->setData(kPathRole, path);
    item->setData(kDepthRole, depth);
    item->setToolTip(path);
    return item;
}

// The style's own folder picture, drawn once: the standard icon would search the icon theme's
// folders for it, and again for every entry painted, thousands of file lookups at each start.
QIcon DrawnOnce(const QStyle& style, QStyle::StandardPixmap picture) {
    return QIcon(style.standardPixmap(picture));
}

}  // namespace

DirectoryList::DirectoryList(QWidget* parent)
    : QListWidget(parent),
      openIcon_(DrawnOnce(*style(), QStyle::SP_DirOpenIcon)),
      closedIcon_(DrawnOnce(*style(), QStyle::SP_DirClosedIcon)) {
    setItemDelegate(new IndentDelegate(this));
    setObjectName(QStringLiteral("Dir1"));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::openEntry);
    // Until the remembered folder moves it: the user's documents (or home), not the current
    // folder, which on Windows is the program's own.
    setPath(QDir::homePath());
    setPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void DirectoryList::setPath(const QString& path) {
    if (!DirExists(ToU16(path))) {
        return;
    }
    const QString normalised = Normalised(path);
    if (normalised == path_) {
        return;
    }
    path_ = normalised;
    rebuild();
    emit pathChanged(path_);
}

void DirectoryList::openEntry(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    // Moving rebuilds the list and deletes the item, so its path is taken first.
    const QString target = item->data(kPathRole).toString();
    setPath(target);
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openEntry(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirectoryList::rebuild() {
    clear();
    // The ancestors come from the path's text alone, so an unreadable parent still shows.
    QStringList ancestors;
    for (QString dir = QDir::fromNativeSeparators(path_);;) {
        ancestors.prepend(dir);
        const QString parent = QFileInfo(dir).absolutePath();
        if (QDir(dir).isRoot() || parent == dir) {
            break;
        }
        dir = parent;
    }

    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& dir : ancestors) {
        current = AddEntry(*this, openIcon_, NameOf(QDir(dir)), Normalised(dir), depth++);
    }

    // An unreadable directory yields no entries, which is all the list can show for it.
    QFileInfoList children = QDir(path_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(children.begin(), children.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
    });
    for (const QFileInfo& child : children) {
        AddEntry(*this, closedIcon_, child.fileName(), Normalised(child.absoluteFilePath()), depth);
    }
    setCurrentItem(current);
    scrollToItem(current);
}

}  // namespace velnix::shell
