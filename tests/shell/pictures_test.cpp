// The drawn pictures, Qt's texts in German for German users, and a picture button that
// answers the left mouse button, Space and Enter.
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

  private slots:
    // Drawn for both screen scales: a missing one would leave its button blank.
    void everyPictureHasItsDrawings() {
        for (const QString& path : pictures::All()) {
            QVERIFY2(!pictures::Pixmap(path, 1).isNull(), qPrintable(path));
            QVERIFY2(pictures::Pixmap(path, 2).size() == pictures::Pixmap(path, 1).size() * 2,
                     qPrintable(path));
        }
    }

    void qtTextsInGermanForGermanUsers_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("undo");
        QTest::newRow("German") << QStringList{"de-DE", "en-US"} << QStringLiteral("&Rückgängig");
        QTest::newRow("Austrian") << QStringList{"de-AT"} << QStringLiteral("&Rückgängig");
        QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << "&Undo";
        QTest::newRow("none") << QStringList{} << "&Undo";
    }
    void qtTextsInGermanForGermanUsers() {
        QFETCH(QStringList, languages);
        QCoreApplication& app = *QCoreApplication::instance();
        const bool installed = shell::InstallGermanQtTexts(app, languages);
        QTEST(QCoreApplication::translate("QLineEdit", "&Undo"), "undo");
        QCOMPARE(QCoreApplication::translate("QsciCommand", "Undo last command") !=
                     QStringLiteral("Undo last command"),
                 installed);
        for (auto* translator : app.findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // Key 0 is the mouse button alone.
    void buttonPressesWithLeftButtonSpaceOrEnter_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << Qt::LeftButton << 0 << 1;
        QTest::newRow("right") << Qt::RightButton << 0 << 0;
        QTest::newRow("Space") << Qt::NoButton << +Qt::Key_Space << 1;
        QTest::newRow("Return") << Qt::NoButton << +Qt::Key_Return << 1;
        QTest::newRow("Enter") << Qt::NoButton << +Qt::Key_Enter << 1;
        QTest::newRow("Escape") << Qt::NoButton << +Qt::Key_Escape << 0;
    }
    void buttonPressesWithLeftButtonSpaceOrEnter() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, key);
        shell::PictureButton picture("picture", pictures::kSave, nullptr);
        picture.resize(34, 33);
        QSignalSpy clicked(&picture, &shell::PictureButton::clicked);
        if (key == 0) {
            QTest::mouseClick(&picture, button);
        } else {
            QTest::keyClick(&picture, Qt::Key(key));
        }
        QTEST(int(clicked.count()), "clicks");
    }
};

}  // namespace velnix::test

#include "pictures_test.moc"
VELNIX_REGISTER_QTEST(velnix::test::PicturesTest)
