#include "shell/qt_text.h"

#include <QStringList>

namespace velnix::shell {

NameList NamesOf(const QListWidget& list) {
    NameList names;
    names.reserve(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        names.push_back(ToU16(list.item(i)->text()));
    }
    return names;
}

void SetNames(QListWidget& list, const NameList& names) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names) {
        texts.push_back(ToQString(name));
    }
    list.clear();
    list.addItems(texts);
}

}  // namespace velnix::shell
