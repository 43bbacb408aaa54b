// The program's drawn pictures (PNG files made from the SVG drawings at build time, at 1x, 2x
// and 4x) and its pointer.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace velnix::shell::pictures {

inline const QString kExit = QStringLiteral(":/pictures/exit.png");
inline const QString kExpand = QStringLiteral(":/pictures/expand.png");
inline const QString kCollapse = QStringLiteral(":/pictures/collapse.png");
inline const QString kSave = QStringLiteral(":/pictures/save.png");
inline const QString kClose = QStringLiteral(":/pictures/close.png");
inline const QString kCloseHover = QStringLiteral(":/pictures/close_hover.png");
inline const QString kProgram = QStringLiteral(":/pictures/velnix.png");
inline const QString kPointer = QStringLiteral(":/pictures/pointer.png");

// Every picture above, for the test that each one loads.
QStringList All();

// The picture for a screen of this device pixel ratio: the 2x drawing from 1.5 on, so that
// it stays sharp; its device-independent size is the same at either scale.
QPixmap Pixmap(const QString& picture, qreal devicePixelRatio);

// The picture fitted into a logical size (aspect kept) for a screen of this ratio, scaled
// down from the smallest drawing that is large enough, so that it is never blown up.
QPixmap Fitted(const QString& picture, const QSize& size, qreal devicePixelRatio);

// The program's picture as window icon.
QIcon ProgramIcon();

// The pointer shown over picture buttons and the link, sharp on high-DPI screens.
QCursor PointerCursor();

}  // namespace velnix::shell::pictures
