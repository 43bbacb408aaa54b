// The drawn pictures, and Qt's texts in German for German users.
#include <QTest>
#include <QTranslator>

#include "shell/app.h"
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
        QTest::newRow("English") << QStringList{"en-US", "de-DE"} << "&Undo";
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
};

}  // namespace velnix::test

#include "pictures_test.moc"
VELNIX_WINDOW_TEST_MAIN(velnix::test::PicturesTest)
