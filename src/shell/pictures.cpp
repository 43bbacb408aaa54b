#include "shell/pictures.h"

#include <QGuiApplication>
#include <QScreen>

namespace velnix::shell::pictures {
namespace {

// The fingertip in the pointer's picture, in its 32 x 32 units.
constexpr int kFingertipX = 8;
constexpr int kFingertipY = 1;

// The drawing at a zoom of the build: "exit.png", "exit@2x.png", "exit@4x.png".
QPixmap Drawing(const QString& picture, int zoom) {
    if (zoom == 1) {
        return QPixmap(picture);
    }
    QString name = picture;
    name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(zoom));
    return QPixmap(name);
}

}  // namespace

QStringList All() {
    return {kExit, kExpand, kCollapse, kSave, kClose, kCloseHover, kProgram, kPointer};
}

QPixmap Pixmap(const QString& picture, qreal devicePixelRatio) {
    const int zoom = devicePixelRatio < 1.5 ? 1 : 2;
    QPixmap pixmap = Drawing(picture, zoom);
    pixmap.setDevicePixelRatio(zoom);
    return pixmap;
}

QPixmap Fitted(const QString& picture, const QSize& size, qreal devicePixelRatio) {
    const QSize pixels = size * devicePixelRatio;
    QPixmap drawing;
    for (int zoom : {1, 2, 4}) {
        drawing = Drawing(picture, zoom);
        const QSize fitted = drawing.size().scaled(pixels, Qt::KeepAspectRatio);
        if (drawing.isNull() || drawing.width() >= fitted.width()) {
            break;
        }
    }
    if (drawing.isNull() || pixels.isEmpty()) {
        return {};
    }
    QPixmap fitted = drawing.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(devicePixelRatio);
    return fitted;
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(Pixmap(kProgram, 1));
    icon.addPixmap(Pixmap(kProgram, 2));
    return icon;
}

QCursor PointerCursor() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Qt takes the hot spot in logical pixels and scales it with the pixmap itself.
    return QCursor(Pixmap(kPointer, screen != nullptr ? screen->devicePixelRatio() : qreal(1)),
                   kFingertipX, kFingertipY);
}

}  // namespace velnix::shell::pictures
