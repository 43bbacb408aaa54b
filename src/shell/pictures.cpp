#include "shell/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>

// The resources live in a static library, whose registration the linker would drop unless
// someone names it; this must stand outside any namespace.
static void RegisterPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace velnix::shell::pictures {
namespace {

void EnsureRegistered() {
    static const bool registered = (RegisterPictures(), true);
    Q_UNUSED(registered);
}

// The fingertip in pointer.svg, in its 32 x 32 units.
constexpr int kPointerSize = 32;
constexpr int kFingertipX = 8;
constexpr int kFingertipY = 1;

}  // namespace

QStringList All() {
    EnsureRegistered();
    return {kExit, kExpand, kCollapse, kSave, kClose, kCloseHover, kProgram, kPointer};
}

QIcon ProgramIcon() {
    EnsureRegistered();
    return QIcon(kProgram);
}

QCursor PointerCursor() {
    EnsureRegistered();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : qreal(1);
    QPixmap pixmap(QSize(kPointerSize, kPointerSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(kPointer).render(&painter, QRectF(0, 0, kPointerSize, kPointerSize));
    painter.end();
    // Qt takes the hot spot in logical pixels and scales it with the pixmap itself.
    return QCursor(pixmap, kFingertipX, kFingertipY);
}

}  // namespace velnix::shell::pictures
