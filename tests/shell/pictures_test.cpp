// The drawn pictures: each one has a drawing of its own at both screen scales, Qt's texts
// come in German for German users, and a picture button answers the left mouse button only.
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "shell/app.h"
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
        const QPixmap single = pictures::Pixmap(path, 1);
        const QPixmap pixmap = pictures::Pixmap(path, scale);
        QVERIFY(!single.isNull());
        // Drawn for the scale, not blown up: twice the pixels in the same logical size.
        QCOMPARE(pixmap.size(), single.size() * scale);
        QCOMPARE(pixmap.deviceIndependentSize(), single.deviceIndependentSize());
        QVERIFY(Drawn(pixmap.toImage(), pixmap.rect()));
        // Fitted into a place larger than any drawing: aspect kept, filling one side.
        const QSize place(100, 120);
        const QPixmap fitted = pictures::Fitted(path, place, scale);
        QCOMPARE(fitted.devicePixelRatio(), qreal(scale));
        QCOMPARE(fitted.deviceIndependentSize().toSize(),
                 single.size().scaled(place, Qt::KeepAspectRatio));
    }

    void qtTextsInGermanForGermanUsers_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("undo");
        QTest::newRow("German") << QStringList{"de-DE", "en-US"} << QStringLiteral("&Rückgängig");
        QTest::newRow("Austrian") << QStringList{"de-AT"} << QStringLiteral("&Rückgängig");
        QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << QStringLiteral("&Undo");
        QTest::newRow("none") << QStringList{} << QStringLiteral("&Undo");
    }
    void qtTextsInGermanForGermanUsers() {
        QFETCH(QStringList, languages);
        QFETCH(QString, undo);
        QCoreApplication& app = *QCoreApplication::instance();
        const bool installed = shell::InstallGermanQtTexts(app, languages);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), undo);
        QCOMPARE(QCoreApplication::translate("QsciCommand", "Undo last command") !=
                     QStringLiteral("Undo last command"),
                 installed);
        for (auto* translator : app.findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
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
