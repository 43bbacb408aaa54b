// The drawn pictures, Qt's texts in German for German users, and a picture button that
// answers the left mouse button, Space and Enter.
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "shell/app.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/window_test.h"

namespace velnix::test {

namespace pictures = shell::pictures;

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    // Drawn for both screen scales: a missing one would leave its button blank.
    void everyPictureHasItsDrawings() {
        for (const QString& path : pictures::All()) {
            const QSize size = pictures::Pixmap(path, 1).size();
            QVERIFY2(!size.isEmpty() && pictures::Pixmap(path, 2).size() == size * 2,
                     qPrintable(path));
        }
    }

    void qtTextsInGermanForGermanUsers_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("undo");
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

    // The left button, Space, Return and Enter press it; the right button and Escape do not.
    void buttonAnswersLeftButtonSpaceAndEnter() {
        shell::PictureButton picture("picture", pictures::kSave, nullptr);
        picture.resize(34, 33);
        QSignalSpy clicked(&picture, &shell::PictureButton::clicked);
        QTest::mouseClick(&picture, Qt::RightButton);
        QTest::mouseClick(&picture, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(&picture, key);
        }
        QCOMPARE(clicked.count(), 4);
    }
};

}  // namespace velnix::test

#include "pictures_test.moc"
VELNIX_WINDOW_TEST_MAIN(velnix::test::PicturesTest)
