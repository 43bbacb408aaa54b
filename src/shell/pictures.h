// The program's drawn pictures (SVG files in the Qt resources) and its pointer.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

namespace velnix::shell::pictures {

inline const QString kExit = QStringLiteral(":/pictures/exit.svg");
inline const QString kExpand = QStringLiteral(":/pictures/expand.svg");
inline const QString kCollapse = QStringLiteral(":/pictures/collapse.svg");
inline const QString kSave = QStringLiteral(":/pictures/save.svg");
inline const QString kClose = QStringLiteral(":/pictures/close.svg");
inline const QString kCloseHover = QStringLiteral(":/pictures/close_hover.svg");
inline const QString kProgram = QStringLiteral(":/pictures/velnix.svg");
inline const QString kPointer = QStringLiteral(":/pictures/pointer.svg");

// Every picture above, for the test that each one loads.
QStringList All();

// The program's picture as window icon.
QIcon ProgramIcon();

// The pointer shown over picture buttons and the link, sharp on high-DPI screens.
QCursor PointerCursor();

}  // namespace velnix::shell::pictures
