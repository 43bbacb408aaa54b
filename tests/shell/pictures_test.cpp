// The drawn pictures: each one loads and draws something at both screen scales, and a picture
// button answers the left mouse button only.
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/test_registry.h"

namespace velnix::test {

namespace pictures = shell::pictures;

class PicturesTest : public QObject {
    Q_OBJECT

    static bool Drawn(const QImage& image, const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0) {
                    return true;
                }
            }
        }
        return false;
    }

  private slots:
    void everyPictureDraws_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("scale");
        for (const QString& path : pictures::All()) {
            for (int scale : {1, 2}) {
                QTest::addRow("%s at %dx", qPrintable(path), scale) << path << scale;
            }
        }
    }
    void everyPictureDraws() {
        QFETCH(QString, path);
        QFETCH(int, scale);
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QVERIFY(!renderer.viewBoxF().isEmpty());
        const QSize size = (renderer.viewBoxF().size() * scale).toSize().expandedTo(QSize(1, 1));
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QVERIFY(Drawn(image, image.rect()));
    }

    void pointerHasItsPicture() {
        const QCursor cursor = pictures::PointerCursor();
        QVERIFY(!cursor.pixmap().isNull());
        QVERIFY(QRect(QPoint(0, 0), cursor.pixmap().deviceIndependentSize().toSize())
                    .contains(cursor.hotSpot()));
    }

    void buttonClicksOnlyWithTheLeftButton_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << Qt::LeftButton << 1;
        QTest::newRow("right") << Qt::RightButton << 0;
    }
    void buttonClicksOnlyWithTheLeftButton() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, clicks);
        shell::PictureButton picture(QStringLiteral("picture"), pictures::kSave, nullptr);
        picture.resize(34, 33);
        QSignalSpy clicked(&picture, &shell::PictureButton::clicked);
        QTest::mouseClick(&picture, button);
        QCOMPARE(clicked.count(), clicks);
    }
};

}  // namespace velnix::test

#include "pictures_test.moc"
VELNIX_REGISTER_QTEST(velnix::test::PicturesTest)
