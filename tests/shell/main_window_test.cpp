// The main window driven as the user drives it: generate, write, discard, open, remember.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "mapkey/compose.h"
#include "mapkey/rename_file.h"
#include "names/rule.h"
#include "shell/fake_platform.h"
#include "shell/layout.h"
#include "shell/main_window.h"
#include "shell/mapping_table.h"
#include "shell/message_box.h"
#include "shell/output_dir_panel.h"
#include "shell/output_text.h"
#include "shell/qt_text.h"
#include "shell/test_registry.h"
#include "shell/twips.h"
#include "util/files.h"

namespace velnix::test {

using shell::MainWindow;
using shell::ToQString;
using shell::ToU16;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<MainWindow> window_;
    QStringList messages_;

    template <class T>
    T* child(const char* name) const {
        T* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    void click(const char* button) { QTest::mouseClick(child<QWidget>(button), Qt::LeftButton); }
    QString status() const { return child<QLabel>("lbl_status")->text(); }
    std::u16string outputText() const { return child<shell::OutputText>("txt_OUT")->content(); }
    void fill(const NameList& oldNames, const NameList& newNames) {
        window_->mappingTable().setNames(ListId::Old, oldNames);
        window_->mappingTable().setNames(ListId::New, newNames);
    }
    std::string renamePro() const {
        const FileRead read = ReadWholeFile(RenameProPath(ToU16(platform_->workDirectory())));
        return read.ok ? read.bytes : std::string("<missing>");
    }
    void startWindow() {
        window_ = std::make_unique<MainWindow>(*platform_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

  private slots:
    void init() {
        platform_ = std::make_unique<FakePlatform>();
        messages_.clear();
        shell::SetMessageRecorderForTests([this](const QString& text) { messages_ << text; });
        startWindow();
        child<QLineEdit>("txt_path")->setText(platform_->workDirectory());
    }

    void cleanup() {
        window_->close();
        window_.reset();
        shell::SetMessageRecorderForTests({});
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        }
    }

    void generateThenOkWritesWhatTheCoreComposes_data() {
        QTest::addColumn<NameList>("oldNames");
        QTest::addColumn<NameList>("newNames");
        QTest::newRow("two pairs") << NameList{u"C:\\work\\teil1.prt.3", u"bg1.asm"}
                                   << NameList{u"teil1_neu.prt", u"bg1_neu.asm"};
        QTest::newRow("empty lists") << NameList{} << NameList{};
        QTest::newRow("umlauts and empty")
            << NameList{u"K\u00fchler.asm", u""} << NameList{u"", u"\u20ac.drw"};
    }

    void generateThenOkWritesWhatTheCoreComposes() {
        QFETCH(NameList, oldNames);
        QFETCH(NameList, newNames);
        fill(oldNames, newNames);
        click("cmd_mapkeyNow");
        QVERIFY(messages_.isEmpty());
        QCOMPARE(window_->mappingTable().names(ListId::Old), clean(oldNames));
        QVERIFY(child<QWidget>("Frame5")->isVisible());
        QVERIFY(child<QWidget>("cmd_openmFile")->isVisible());
        QCOMPARE(outputText(), ComposeMapkeyText(clean(oldNames), newNames));

        click("cmd_okfiles");
        QVERIFY(!child<QWidget>("Frame5")->isVisible());
        QVERIFY(!child<QWidget>("kontextmenue")->isVisible());
        QCOMPARE(status(), QStringLiteral("Datei rename.pro wurde gespeichert in ") +
                               platform_->workDirectory());
        QCOMPARE(renamePro(), *RenameProContentForPairs(clean(oldNames), newNames).value);
    }

    void listsThatCannotMakeMapkeysGenerateNothing_data() {
        QTest::addColumn<NameList>("oldNames");
        QTest::addColumn<NameList>("newNames");
        QTest::addColumn<QString>("message");
        QTest::newRow("more new names")
            << NameList{u"a", u"b"} << NameList{u"c", u"d", u"e"}
            << QStringLiteral(
                   "Achtung : Die Listen haben eine unterschiedliche Anzahl von "
                   "Elementen !");
        QTest::newRow("no new names yet") << NameList{u"a", u"b", u"c"} << NameList{} << QString();
        QTest::newRow("back-quote")
            << NameList{u"a"} << NameList{u"b`;~ Activate"}
            << QStringLiteral(
                   "Achtung : Eintrag 1 der Liste \"neuer Name\" enthält einen "
                   "Zeilenumbruch oder ein ` und kann nicht in den Mapkey "
                   "geschrieben werden !");
    }

    void listsThatCannotMakeMapkeysGenerateNothing() {
        QFETCH(NameList, oldNames);
        QFETCH(NameList, newNames);
        QFETCH(QString, message);
        fill({u"x"}, {u"y"});
        click("cmd_mapkeyNow");  // a text from before must not survive
        click("img_quit");
        fill(oldNames, newNames);
        click("cmd_mapkeyNow");
        QCOMPARE(messages_, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(outputText().empty());
        QVERIFY(!child<QWidget>("Frame5")->isVisible());
        QVERIFY(!child<QWidget>("cmd_openmFile")->isVisible());
        QCOMPARE(renamePro(), std::string("<missing>"));
    }

    void closePictureDiscardsTheText() {
        fill({u"a.prt"}, {u"b.prt"});
        click("cmd_mapkeyNow");
        click("img_quit");
        QVERIFY(!child<QWidget>("Frame5")->isVisible());
        QVERIFY(outputText().empty());
        QCOMPARE(renamePro(), std::string("<missing>"));
    }

    void writeFailureIsReportedNotPraised() {
        fill({u"a.prt"}, {u"b\u2603.prt"});
        click("cmd_mapkeyNow");
        click("cmd_okfiles");
        QVERIFY(status().startsWith(QStringLiteral("Achtung : Das Zeichen \"\u2603\"")));
        QCOMPARE(renamePro(), std::string("<missing>"));

        // A folder in the file's place cannot be replaced.
        QDir(platform_->workDirectory()).mkdir(QStringLiteral("rename.pro"));
        fill({u"a.prt"}, {u"b.prt"});
        click("cmd_mapkeyNow");
        click("cmd_okfiles");
        QVERIFY(status().startsWith(QStringLiteral("Fehler : ")));
    }

    void openActionsOpenOnlyAnExistingFile() {
        const QString file = ToQString(RenameProPath(ToU16(platform_->workDirectory())));
        fill({}, {});
        click("cmd_mapkeyNow");
        click("cmd_openmFile");
        QTest::mouseDClick(child<shell::OutputText>("txt_OUT")->viewport(), Qt::LeftButton);
        QVERIFY(platform_->shellCalls.isEmpty());

        click("cmd_okfiles");
        click("cmd_openmFile");
        QTest::mouseDClick(child<shell::OutputText>("txt_OUT")->viewport(), Qt::LeftButton);
        QCOMPARE(platform_->shellCalls, QStringList(2, QStringLiteral("open ") + file));
    }

    void actionDerivesNewNamesFromOldNames() {
        fill({u"prt_prt.prt", u""}, {u"manual"});
        child<QLineEdit>("txt_rename")->setText(QStringLiteral("prt"));
        child<QLineEdit>("txt_renameNEU")->setText(QStringLiteral("asm"));
        click("cmd_action");
        QCOMPARE(window_->mappingTable().names(ListId::New), (NameList{u"asm_prt.prt", u""}));
    }

    void settingsHaveDefaultsAndSurviveARestart() {
        QCOMPARE(child<QLineEdit>("txt_rename")->text(), QStringLiteral("OldName123"));
        QCOMPARE(child<QLineEdit>("txt_renameNEU")->text(), QStringLiteral("NewName123"));

        child<QLineEdit>("txt_rename")->setText(QStringLiteral(" alt "));
        click("cmd_mapkeyNow");  // stores the expression at once
        QCOMPARE(platform_->readSetting(QStringLiteral("txt_rename.Text"), {}),
                 QStringLiteral(" alt "));
        child<QLineEdit>("txt_renameNEU")->setText(QStringLiteral("neu"));
        const QString missing = platform_->workDirectory() + QStringLiteral("-fehlt");
        child<QLineEdit>("txt_path")->setText(missing);
        click("img_EXIT");
        QVERIFY(!window_->isVisible());

        startWindow();
        QCOMPARE(child<QLineEdit>("txt_rename")->text(), QStringLiteral(" alt "));
        QCOMPARE(child<QLineEdit>("txt_renameNEU")->text(), QStringLiteral("neu"));
        QCOMPARE(child<QLineEdit>("txt_path")->text(), missing);
    }

    void resizeRuleMovesTheLowerControls_data() {
        QTest::addColumn<int>("heightTwips");
        QTest::addColumn<int>("listHeight");
        QTest::addColumn<int>("outputHeight");
        QTest::addColumn<int>("exitTop");
        QTest::addColumn<int>("generateTop");
        QTest::addColumn<int>("statusTop");
        QTest::newRow("start") << 8000 << 5415 << 7050 << 6000 << 6360 << 7200;
        QTest::newRow("below minimum") << 4000 << 3415 << 5050 << 4000 << 4360 << 5200;
        QTest::newRow("taller") << 10300 << 7715 << 9350 << 8300 << 8660 << 9500;
    }

    void resizeRuleMovesTheLowerControls() {
        QFETCH(int, heightTwips);
        QFETCH(int, listHeight);
        QFETCH(int, outputHeight);
        QFETCH(int, exitTop);
        QFETCH(int, generateTop);
        QFETCH(int, statusTop);
        const shell::Twips twips(*window_);
        window_->resize(window_->width(), twips.px(heightTwips - layout::kNonClientHeight));
        const auto near = [&](int pixels, int twipsValue) {
            return std::abs(pixels - twips.px(twipsValue)) <= 1;
        };
        QVERIFY(near(child<QWidget>("list_OldName")->height(), listHeight));
        QVERIFY(near(child<QWidget>("list_NewName")->height(), listHeight));
        QVERIFY(near(child<QWidget>("txt_OUT")->height(), outputHeight));
        QVERIFY(near(child<QWidget>("img_EXIT")->y(), exitTop));
        QVERIFY(near(child<QWidget>("cmd_mapkeyNow")->y(), generateTop));
        QVERIFY(near(child<QWidget>("cmd_openmFile")->y(), generateTop));
        QVERIFY(near(child<QWidget>("lbl_status")->y(), statusTop));
    }

    void handlesSwitchTheWidth() {
        const shell::Twips twips(*window_);
        const int collapsed = window_->width();
        QVERIFY(!child<QWidget>("txt_OUT")->geometry().intersects(window_->rect()));
        click("imgOpen");
        QCOMPARE(window_->width(), twips.px(layout::kExpandedWidth - layout::kNonClientWidth));
        QVERIFY(window_->rect().contains(child<QWidget>("txt_OUT")->geometry()));
        QVERIFY(!child<QWidget>("imgOpen")->isVisible());
        click("imgclose");
        QCOMPARE(window_->width(), collapsed);
        QVERIFY(child<QWidget>("imgOpen")->isVisible());
        QVERIFY(!child<QWidget>("imgclose")->isVisible());
    }
};

}  // namespace velnix::test

#include "main_window_test.moc"
VELNIX_REGISTER_QTEST(velnix::test::MainWindowTest)
