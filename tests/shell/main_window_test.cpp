// The main window driven as the user drives it.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "mapkey/rename_file.h"
#include "shell/fake_platform.h"
#include "shell/layout.h"
#include "shell/main_window.h"
#include "shell/mapping_table.h"
#include "shell/output_text.h"
#include "shell/picture_button.h"
#include "shell/qt_text.h"
#include "shell/status_line.h"
#include "shell/twips.h"
#include "shell/window_test.h"
#include "support/renames_in.h"
#include "util/file_read.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix::test {
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<shell::MainWindow> window_;

    QWidget* control(const char* name) const { return Child(window_.get(), name); }
    QLineEdit* field(const char* name) const { return Child<QLineEdit>(window_.get(), name); }
    void click(const char* name) { Click(window_.get(), name); }
    shell::OutputText* output() const { return Child<shell::OutputText>(window_.get(), "txt_OUT"); }
    QString status() const { return Child<QLabel>(window_.get(), "lbl_status")->text(); }
    QString work() const { return platform_->path("work"); }
    void fill(const NameList& oldNames, const NameList& newNames) {
        window_->mappingTable().setNames(ListId::Old, oldNames);
        window_->mappingTable().setNames(ListId::New, newNames);
    }
    void startWindow() {
        window_ = std::make_unique<shell::MainWindow>(*platform_);
        ShowActive(*window_);
    }
    // The outer size in twips, as the window was designed.
    void resizeTo(int widthTwips, int heightTwips) {
        const shell::Twips twips(*window_);
        window_->resize(twips.px(widthTwips - layout::kNonClientWidth),
                        twips.px(heightTwips - layout::kNonClientHeight));
    }

  private slots:
    void init() {
        window_.reset();
        platform_ = std::make_unique<FakePlatform>();
        startWindow();
        field("txt_path")->setText(work());
    }

    // OK writes rename.pro of the cleaned-up lists, and beside it their undo file, byte for byte
    // as tests/golden holds them, or says why it wrote neither; the written file opens from the
    // button and by a double click.
    void generateThenOk_data() {
        QTest::addColumn<NameList>("oldNames");
        QTest::addColumn<NameList>("newNames");
        QTest::addColumn<Steps>("obstacle");
        QTest::addColumn<QString>("golden");  // the files of tests/golden that OK must write
        QTest::addColumn<bool>("undo");
        QTest::addColumn<QString>("message");                                  // a pattern
        const QString written = "^Datei(en)? rename\\.pro .*gespeichert in ";  // and the folder
        const NameList worked{u"C:\\work\\teil1.prt.3", u"bg1.asm"};
        const NameList workedNew{u"teil1_neu.prt", u"bg1_neu.asm"};
        const QString example = "WorkedExampleOfTwoPairs";
        // clang-format off
        QTest::newRow("cleaned names") << worked << workedNew << Steps([] {}) << example << true << written;
        QTest::newRow("empty lists") << NameList{} << NameList{} << Steps([] {}) << "EmptyLists" << true << written;
        QTest::newRow("without the undo file") << worked << workedNew << Steps([this] { click("chk_zurueck"); }) << example << false << written;
        QTest::newRow("lists changed after generate") << worked << workedNew << Steps([this] { fill({u"x.prt"}, {u"y.prt"}); }) << example << true << written;
        QTest::newRow("folder in the file's place") << worked << workedNew << Steps([this] { QDir(work()).mkdir("rename.pro"); }) << QString() << false << "^Fehler : ";
        // clang-format on
        QTest::newRow("edit outside the code page")
            << worked << workedNew << Steps([this] { output()->append(QStringLiteral("\u2603")); })
            << QString() << false << QStringLiteral("^Achtung : Das Zeichen \"\u2603\"");
        QTest::newRow("assemblies and drawings of the folder loaded along")
            << NameList{u"motor.prt", u"motor.drw"} << NameList{u"antrieb.prt", u"antrieb.drw"}
            << Steps([this] {
                   MakeFolder(work(), {"motor.prt", "motor.drw", "Getriebe.ASM.2", "getriebe.asm.3",
                                       "getriebe.drw.1"});
                   ComeBack(*window_);
                   click("chk_mitladen");
               })
            << "LoadAlong" << true << written;
    }
    void generateThenOk() {
        QFETCH(NameList, oldNames);
        QFETCH(NameList, newNames);
        QFETCH(Steps, obstacle);
        QFETCH(QString, golden);
        QFETCH(bool, undo);
        QFETCH(QString, message);
        fill(oldNames, newNames);
        click("cmd_mapkeyNow");
        // The old list shows the names as they go into the file: no folder, no version.
        for (const std::u16string& name : window_->mappingTable().names(ListId::Old)) {
            QVERIFY(name.find(u'\\') == std::u16string::npos &&
                    name.find(u".prt.") == std::u16string::npos);
        }
        QVERIFY(control("Frame5")->isVisible() && control("cmd_openmFile")->isVisible());
        click("cmd_openmFile");  // nothing written yet
        QTest::mouseDClick(output()->viewport(), Qt::LeftButton);
        obstacle();
        control("kontextmenue")->show();
        click("cmd_okfiles");
        QVERIFY(!control("Frame5")->isVisible() && !control("kontextmenue")->isVisible());
        const QString shown = status();
        QVERIFY2(QRegularExpression(message).match(shown).hasMatch(), qPrintable(shown));
        const bool ok = message.startsWith("^Datei");
        QVERIFY(!ok || shown.contains(work()));
        QVERIFY(!ok || shown.contains(shell::ToQString(kUndoFileName)) == undo);
        const std::u16string file = RenameProPath(shell::ToU16(work()));
        const auto goldenFile = [](const QString& name) {
            return ReadWholeFile(shell::ToU16(VELNIX_GOLDEN_DIR "/" + name + ".pro")).bytes;
        };
        QCOMPARE(ReadWholeFile(file).bytes, ok ? goldenFile(golden) : std::string());
        const QString undoFile = QDir(work()).filePath(shell::ToQString(kUndoFileName));
        QCOMPARE(ReadWholeFile(shell::ToU16(undoFile)).bytes,
                 ok && undo ? goldenFile("UndoOf" + golden) : std::string());
        click("cmd_openmFile");
        QTest::mouseDClick(output()->viewport(), Qt::LeftButton);
        QCOMPARE(platform_->shellCalls, QStringList(ok ? 2 : 0, "open " + shell::ToQString(file)));
    }

    // Many pairs compose on a thread of their own: the event loop keeps turning meanwhile (a
    // 50 ms timer is never late by more than 100 ms), OK waits for the text, and the text shown
    // renames every pair.
    void manyPairsComposeWhileTheWindowStaysLive() {
        NameList oldNames;
        NameList newNames;
        Renames expected;
        for (int i = 0; i < 32767; ++i) {
            const std::string oldName = "teil" + std::to_string(i) + ".prt";
            const std::string newName = "teil" + std::to_string(i) + "_neu.prt";
            oldNames.push_back(Utf8ToUtf16(oldName));
            newNames.push_back(Utf8ToUtf16(newName));
            expected.emplace_back(oldName, newName);
        }
        fill(oldNames, newNames);
        click("cmd_mapkeyNow");
        QVERIFY(output()->isComposing() && !control("cmd_okfiles")->isEnabled());
        QElapsedTimer sinceTick;
        qint64 longestWait = 0;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout,
                [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
        sinceTick.start();
        ticks.start(50);
        QTRY_VERIFY_WITH_TIMEOUT(!output()->isComposing(), 120000);
        QVERIFY2(longestWait <= 150, qPrintable(QString::number(longestWait)));
        QVERIFY(control("cmd_okfiles")->isEnabled());
        QVERIFY(RenamesIn(output()->utf8()) == expected);
    }

    // Lists that cannot make mapkeys drop the text and say why, unless the new names are to
    // come; the close picture drops it too.
    void listsThatCannotMakeMapkeysComposeNothing() {
        const auto generateWith = [this](const NameList& oldNames, const NameList& newNames) {
            fill({u"x"}, {u"y"});
            click("cmd_mapkeyNow");
            QVERIFY(!output()->content().empty());
            fill(oldNames, newNames);
            click("cmd_mapkeyNow");
            QVERIFY(output()->content().empty() && !control("cmd_openmFile")->isVisible());
        };
        generateWith({u"a", u"b"}, {});
        QVERIFY(platform_->messages.isEmpty());
        generateWith({u"a", u"b"}, {u"c", u"d", u"e"});
        QCOMPARE(platform_->messages.size(), 1);
        QVERIFY(platform_->messages[0].startsWith("Achtung : Die Listen"));
        fill({u"x"}, {u"y"});
        click("cmd_mapkeyNow");
        click("img_quit");
        QVERIFY(output()->content().empty() && !control("Frame5")->isVisible());
    }

    // The expression is stored at generate already, not only at the exit; the check boxes start
    // as "mitladen" off, "Rückgängig-Datei" on.
    void ruleFolderAndOptionsSurviveARestart() {
        const auto checked = [this] {
            return QList<bool>{Child<QCheckBox>(window_.get(), "chk_mitladen")->isChecked(),
                               Child<QCheckBox>(window_.get(), "chk_zurueck")->isChecked()};
        };
        QCOMPARE(checked(), (QList<bool>{false, true}));
        click("chk_mitladen");
        Child<QCheckBox>(window_.get(), "chk_zurueck")->setChecked(false);
        field("txt_rename")->setText(" alt ");
        field("txt_renameNEU")->setText(" asm ");
        click("cmd_mapkeyNow");
        QCOMPARE(platform_->settings.value("txt_rename.Text"), " alt ");
        field("txt_path")->setText(work() + "-fehlt");
        click("img_EXIT");
        QVERIFY(!window_->isVisible());
        startWindow();
        QCOMPARE(field("txt_rename")->text() + "/" + field("txt_renameNEU")->text(), " alt / asm ");
        QCOMPARE(field("txt_path")->text(), work() + "-fehlt");
        QCOMPARE(checked(), (QList<bool>{true, false}));
    }

    // The keyboard alone from the start: the rule by Enter, generate by Enter, OK within three
    // Tabs of the folder field, the list panel taking the keyboard, each command showing it has
    // it, and Esc closing the panel on top, the keyboard back where it was.
    void keyboardAlone() {
        const auto focus = [] { return QApplication::focusWidget()->objectName(); };
        QCOMPARE(focus(), "list_OldName");
        fill({u"teil_alt.prt", u"alt_welle.prt"}, {u"von Hand"});
        field("txt_rename")->setText("nicht da");
        QTest::keyClick(field("txt_renameNEU"), Qt::Key_Return);
        QCOMPARE(window_->mappingTable().names(ListId::New), NameList{u"von Hand"});
        QVERIFY2(status().startsWith("Der Ausdruck kommt in keinem alten Namen vor"),
                 qPrintable(status()));
        field("txt_rename")->setText("alt");
        field("txt_renameNEU")->setText("neu");
        QTest::keyClick(field("txt_renameNEU"), Qt::Key_Return);
        QCOMPARE(window_->mappingTable().names(ListId::New),
                 (NameList{u"teil_neu.prt", u"neu_welle.prt"}));
        QCOMPARE(status(), QString());

        control("cmd_mapkeyNow")->setFocus();
        QTest::keyClick(control("cmd_mapkeyNow"), Qt::Key_Return);
        QVERIFY(control("Frame5")->isVisible());
        QCOMPARE(focus(), "txt_path");
        for (int tab = 0; tab < 3 && focus() != "cmd_okfiles"; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(focus(), "cmd_okfiles");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!control("Frame5")->isVisible() && status().startsWith("rename.pro wurde nicht"));
        QCOMPARE(focus(), "cmd_mapkeyNow");

        QWidget* panel = control("kontextmenue");
        const QHash<QString, QImage> unfocused{{"paste", Child(panel, "paste")->grab().toImage()},
                                               {"save", Child(panel, "save")->grab().toImage()}};
        QTest::keyClick(control("list_NewName"), Qt::Key_Menu);
        QStringList walked;
        for (int tab = 0; tab < 9; ++tab) {
            walked << focus();
            QVERIFY(QApplication::focusWidget()->grab().toImage() != unfocused.value(focus()));
            QTest::keyClick(QApplication::focusWidget(), tab < 8 ? Qt::Key_Tab : Qt::Key_Escape);
        }
        QCOMPARE(walked, QStringList({"paste", "cmd_del", "Text1", "cmd_hinzu", "clear", "save",
                                      "open", "cmd_tabelle", "Image_EXIT"}));
        QVERIFY(!panel->isVisible());
        QCOMPARE(focus(), "list_NewName");
    }

    // The keyboard goes to the other handle, so that the next Space switches back. Tab leads
    // into the output text and on again only while it is seen; hidden, it gives the keyboard up.
    void handlesSwitchTheWidth() {
        const auto tabsToOutput = [this] {
            control("cmd_info")->setFocus();
            for (int step = 0; step < 60 && !output()->hasFocus(); ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            return output()->hasFocus();
        };
        const int collapsed = window_->width();
        QVERIFY(!tabsToOutput());
        control("imgOpen")->setFocus();
        QTest::keyClick(control("imgOpen"), Qt::Key_Space);
        QCOMPARE(window_->width(),
                 shell::Twips(*window_).px(layout::kExpandedWidth - layout::kNonClientWidth));
        QVERIFY(window_->rect().contains(output()->geometry()) && control("imgclose")->hasFocus());
        QVERIFY(tabsToOutput());
        QTest::keyClick(output(), Qt::Key_Tab);
        QVERIFY(!output()->hasFocus());
        output()->setFocus();
        QTest::keyClick(control("imgclose"), Qt::Key_Space);
        QCOMPARE(window_->width(), collapsed);
        QVERIFY(!output()->hasFocus() && control("imgOpen")->isVisible());
    }

    // A long message wraps, a path breaking where it must; it is the tool tip too. However small
    // the user drags the window, it keeps the lists, the rule, the check and generate whole.
    void lowerControlsMakeRoomForTheWholeMessage_data() {
        QTest::addColumn<int>("heightTwips");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("whole");  // false: more than the lists can give
        const QString failure = "Fehler : Die Datei \"/home/benutzer/" +
                                QString("ein_sehr_langer_Ordnername/").repeated(6) +
                                "rename.pro\" konnte nicht geschrieben werden: keine "
                                "Berechtigung. Die Datei rename.pro wurde nicht geschrieben !";
        QTest::newRow("taller, a word wider than the line")
            << 10300 << failure + " " + QString("Baugruppe_").repeated(12) << true;
        QTest::newRow("smallest window, more than the room")
            << 0 << (failure + " ").repeated(16) << false;
    }
    void lowerControlsMakeRoomForTheWholeMessage() {
        QFETCH(int, heightTwips);
        QFETCH(QString, message);
        QFETCH(bool, whole);
        // The window's height, the tops of the lower controls, the heights of the growing ones.
        const auto places = [this] {
            QList<int> places{window_->height()};
            for (const char* name : {"img_EXIT", "cmd_mapkeyNow", "cmd_openmFile", "lbl_status"}) {
                places << control(name)->y();
            }
            for (const char* name : {"list_OldName", "list_NewName", "txt_OUT"}) {
                places << control(name)->height();
            }
            return places;
        };
        const QList<int> before = places();
        resizeTo(layout::kCollapsedWidth, heightTwips);
        const QList<int> after = places();
        for (int i = 1; i < after.size(); ++i) {  // moved or grown as much as the window
            QVERIFY(std::abs(after[i] - before[i] - (after[0] - before[0])) <= 1);
        }
        for (const char* name :
             {"list_OldName", "list_NewName", "Frame1", "fra_pruefung", "cmd_mapkeyNow"}) {
            QVERIFY2(
                window_->rect().contains(control(name)->geometry()) && control(name)->isVisible(),
                name);
        }
        QVERIFY(!control("fra_pruefung")->geometry().intersects(control("img_EXIT")->geometry()));

        auto* line = Child<QLabel>(window_.get(), "lbl_status");
        emit window_->mappingTable().statusMessage(message);
        QCOMPARE(line->text(), message);
        QCOMPARE(line->toolTip(), message);
        // Every character shown, on lines no wider than the status line, and room for all.
        const QStringList lines = shell::WrapLines(message, line->font(), line->width());
        QCOMPARE(lines.join(QString()), message);
        for (const QString& text : lines) {
            QVERIFY(line->fontMetrics().horizontalAdvance(text.trimmed()) <= line->width());
        }
        QCOMPARE(lines.size() * line->fontMetrics().height() <= line->height(), whole);
        QVERIFY(control("list_OldName")->height() >=
                shell::Twips(*window_).px(layout::kSmallestListHeight) - 1);
        QVERIFY(window_->rect().contains(line->geometry()));
        for (const char* name :
             {"list_OldName", "list_NewName", "cmd_mapkeyNow", "cmd_openmFile", "img_EXIT"}) {
            QVERIFY2(!control(name)->geometry().intersects(line->geometry()), name);
        }
    }

    // At the designed 8 points and larger: every caption in the one size of the window and whole
    // on its control, each picture saying in a tool tip what it does, and the mapkeys' columns
    // lining up (a narrow and a wide letter take the same room).
    void textsShowWholeAtEachFontSize_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("designed") << 8;
        QTest::newRow("larger") << 10;
    }
    void textsShowWholeAtEachFontSize() {
        QFETCH(int, points);
        const QFont designed = QApplication::font();
        QApplication::setFont(QFont(designed.family(), points));
        const auto restore = qScopeGuard([&designed] { QApplication::setFont(designed); });
        startWindow();
        for (QWidget* widget : window_->findChildren<QWidget*>()) {
            QVERIFY2(!qobject_cast<shell::PictureButton*>(widget) || !widget->toolTip().isEmpty(),
                     qPrintable(widget->objectName()));
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            if (qobject_cast<QLabel*>(widget) == nullptr && button == nullptr) {
                continue;
            }
            QVERIFY2(widget->font().pointSizeF() == points, qPrintable(widget->objectName()));
            if (const auto* label = qobject_cast<QLabel*>(widget); label != nullptr) {
                QVERIFY2(label->wordWrap()
                             ? label->heightForWidth(label->width()) <= label->height()
                             : label->sizeHint().width() <= label->width(),
                         qPrintable(label->objectName()));
                continue;
            }
            for (const QString& line : QString(button->text()).remove('&').split('\n')) {
                QVERIFY2(button->fontMetrics().horizontalAdvance(line) < button->width(),
                         qPrintable(button->objectName()));
            }
        }
        const auto widthOf = [this](const char* text) {
            return output()->SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH,
                                           QsciScintillaBase::STYLE_DEFAULT, text);
        };
        QCOMPARE(widthOf("iiiiii"), widthOf("WWWWWW"));
    }
};

}  // namespace velnix::test

#include "main_window_test.moc"
VELNIX_WINDOW_TEST_MAIN(velnix::test::MainWindowTest)
