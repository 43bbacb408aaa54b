#include "shell/name_list_view.h"

namespace velnix::shell {
namespace {

// A list whose one marked entry stays marked until the user marks another: a click beside
// the entries, a Ctrl+click or Ctrl+Space on the mark would otherwise unmark it, and
// "markiertes löschen" would then find nothing marked.
class SingleMarkList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        const QItemSelectionModel::SelectionFlags command =
            QListWidget::selectionCommand(index, event);
        if (!index.isValid() ||
            (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))) {
            return QItemSelectionModel::NoUpdate;
        }
        return command;
    }
};

}  // namespace

QListWidget* MakeList(const QString& name, QWidget* window) {
    auto* list = new SingleMarkList(window);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    // Lets the view lay out tens of thousands of entries without measuring each one.
    list->setUniformItemSizes(true);
    return list;
}

std::optional<std::size_t> MarkedRow(const QListWidget& list) {
    const QModelIndexList selected = list.selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(selected.first().row());
}

}  // namespace velnix::shell
