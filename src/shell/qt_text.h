// Conversions between the core's UTF-16 strings and Qt's, at the window's boundary.
#pragma once

#include <QListWidget>
#include <QString>
#include <string>
#include <string_view>

#include "names/name_list.h"

namespace velnix::shell {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return text.toStdU16String();
}

// The entries of a list control, index 0 first.
NameList NamesOf(const QListWidget& list);

// Replaces all entries of a list control.
void SetNames(QListWidget& list, const NameList& names);

}  // namespace velnix::shell
