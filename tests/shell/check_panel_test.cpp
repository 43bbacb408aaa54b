// The area "Prüfung" driven as the user drives it, and two columns filling both lists.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "check/list_check.h"
#include "shell/fake_platform.h"
#include "shell/main_window.h"
#include "shell/mapping_table.h"
#include "shell/output_text.h"
#include "shell/window_test.h"

namespace velnix::test {

class CheckPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<shell::MainWindow> window_;

    QWidget* control(const char* name) const { return Child(window_.get(), name); }
    QString text(const char* name) const { return Child<QLabel>(window_.get(), name)->text(); }
    QListWidget* list(const char* name) const { return Child<QListWidget>(window_.get(), name); }
    shell::MappingTable& table() const { return window_->mappingTable(); }
    // Both lists as "a,b | c,d".
    QString lists() const {
        return Entries(list("list_OldName")) + " | " + Entries(list("list_NewName"));
    }
    void setFolder(const QString& name, const QStringList& files) {
        Child<QLineEdit>(window_.get(), "txt_path")
            ->setText(MakeFolder(platform_->path(name), files));
    }
    std::u16string shownText() const {
        return Child<shell::OutputText>(window_.get(), "txt_OUT")->content();
    }

  private slots:
    void init() {
        window_.reset();
        platform_ = std::make_unique<FakePlatform>();
        window_ = std::make_unique<shell::MainWindow>(*platform_);
        ShowActive(*window_);
        // The output folder holds the old names of the tests that are not about it.
        setFolder("work", {"a.prt", "x.prt", "Alte Namen"});
    }

    // A swap is a ring, with the old names as generate cleans them up; generate composes as
    // always and points at the check; OK writes such a list only when the user says so, once.
    void swapIsFoundAndRepaired() {
        setFolder("tausch", {"a.prt", "b.prt"});
        table().setPairs({{u"C:\\work\\a.prt.3", u"b.prt"}, {u"b.prt", u"a.prt"}});
        QCOMPARE(text("lbl_pruefung"), "2 Fehler");
        QVERIFY(list("list_pruefung")->item(0)->text().startsWith("Zeile 1: Fehler: "));
        Click(window_.get(), "cmd_mapkeyNow");
        QCOMPARE(text("lbl_status"), "Achtung : Die Liste hat 2 Fehler – siehe Prüfung");
        QVERIFY(!shownText().empty() && control("Frame5")->isVisible());
        const QString errors = "Die Liste hat 2 Fehler (siehe Prüfung)";
        platform_->confirm = false;
        Click(window_.get(), "cmd_okfiles");
        QCOMPARE(platform_->questions, {errors + ". rename.pro trotzdem schreiben?"});
        QVERIFY(!QFile::exists(platform_->path("tausch/rename.pro")));
        QVERIFY(control("Frame5")->isVisible());
        QCOMPARE(text("lbl_status"), "rename.pro wurde nicht geschrieben: " + errors + ".");
        platform_->confirm = true;
        Click(window_.get(), "cmd_okfiles");
        QCOMPARE(text("lbl_status"),
                 "Dateien rename.pro und rename_zurueck.pro wurden gespeichert in " +
                     platform_->path("tausch") + " – " + errors);
        table().setNames(ListId::Old, {u"C:\\work\\a.prt.3", u"b.prt"});  // as before generate
        Click(window_.get(), "cmd_reihenfolge");
        QCOMPARE(text("lbl_pruefung"), "Keine Probleme");
        QCOMPARE(table().names(ListId::Old).size(), 3u);
        QVERIFY(!control("cmd_reihenfolge")->isEnabled() && list("list_pruefung")->count() == 0);
    }

    // A finding leaves the active list and the panel alone; one about the lists as a whole (line
    // 0: the counts differ) marks nothing. Hundreds of findings end in a line counting the rest.
    void findingMarksItsPair() {
        NameList oldNames;
        for (int k = 1; k <= 400; ++k) {
            oldNames.push_back(QStringLiteral("t%1.prt").arg(k).toStdU16String());
            MakeFolder(platform_->path("work"), {QStringLiteral("t%1.prt").arg(k)});
        }
        ComeBack(*window_);
        table().setPairs({oldNames, NameList(oldNames.size() + 1, u"")});
        QListWidget* findings = list("list_pruefung");
        QCOMPARE(findings->item(300)->text(), "… und 101 weitere");
        Child<QRadioButton>(window_.get(), "Option2")->setChecked(true);
        control("kontextmenue")->show();
        for (const int line : {250, 40, 0}) {
            findings->setCurrentRow(line);
            if (line == 250) {
                const QPoint middle = findings->visualItemRect(findings->currentItem()).center();
                QTest::mouseClick(findings->viewport(), Qt::LeftButton, {}, middle);
            } else {
                QTest::keyClick(findings, Qt::Key_Return);
            }
            for (QListWidget* names : {list("list_OldName"), list("list_NewName")}) {
                QCOMPARE(names->currentRow(), line == 0 ? 39 : line - 1);
                QVERIFY(names->currentItem()->isSelected());
                QVERIFY(names->viewport()->rect().contains(
                    names->visualItemRect(names->currentItem()).center()));
            }
        }
        QVERIFY(Child<QRadioButton>(window_.get(), "Option2")->isChecked());
        QVERIFY(control("kontextmenue")->isVisible());
    }

    // The check looks into the output folder: another folder, the drawings taken along and the
    // folder's models loaded along each settle a finding.
    void outputFolderIsChecked_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<NameList>("oldNames");  // to antrieb.asm, welle.prt, …
        QTest::addColumn<QString>("summary");
        QTest::addColumn<Steps>("settle");
        QTest::newRow("old file in another folder")
            << QStringList{"motor.asm"} << NameList{u"motor.asm", u"TEIL.prt"} << "1 Fehler"
            << Steps([this] {
                   setFolder("b", {"motor.asm.3", "teil.prt.1"});
               });
        QTest::newRow("drawing beside the renamed assembly")
            << QStringList{"motor.asm.2", "motor.drw.1", "motor.drw.2"} << NameList{u"motor.asm"}
            << "2 Warnungen" << Steps([this] {
                   Click(window_.get(), "cmd_mapkeyNow");
                   Click(window_.get(), "cmd_zeichnungen");
                   QCOMPARE(lists(), "motor.asm,motor.drw | antrieb.asm,antrieb.drw");
                   QVERIFY(shownText().find(u"antrieb.drw") != std::u16string::npos);
               });
        QTest::newRow("assembly loaded along")
            << QStringList{"motor.asm", "getriebe.asm", "getriebe.drw"} << NameList{u"motor.asm"}
            << "1 Warnung" << Steps([this] {
                   QVERIFY(!control("cmd_zeichnungen")->isEnabled());
                   Click(window_.get(), "chk_mitladen");
               });
    }
    void outputFolderIsChecked() {
        QFETCH(QStringList, files);
        QFETCH(NameList, oldNames);
        setFolder("ordner", files);
        NameList newNames{u"antrieb.asm", u"welle.prt"};
        newNames.resize(oldNames.size());
        table().setPairs({oldNames, newNames});
        QTEST(text("lbl_pruefung"), "summary");
        QFETCH(Steps, settle);
        settle();
        QCOMPARE(text("lbl_pruefung"), "Keine Probleme");
    }

    // Pairs whichever list is active and says how many; a broken table changes nothing and says
    // why.
    void twoColumnsFillBothLists_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("lists");   // after x.prt → y.prt
        QTest::addColumn<QString>("status");  // its start; empty: unchanged
        QTest::addColumn<QString>("summary");
        const QString heading = " Zeile 1 als Überschrift gelesen.";
        // clang-format off
        QTest::newRow("paste") << "paste" << "Alt\tNeu\n\na.prt\tb.asm\n" << "x.prt,a.prt | y.prt,b.asm" << "1 Paar an beide Listen angefügt." + heading << "1 Fehler";
        QTest::newRow("paste, one column") << "paste" << "a.prt\nb.prt" << "x.prt | y.prt,a.prt,b.prt" << "2 Namen in die Liste \"neuer Name\" eingefügt." << "1 Fehler";
        QTest::newRow("table") << "cmd_tabelle" << "Name;Neu\r\na.prt;b.prt\r\n" << "a.prt | b.prt" << "1 Paar aus der Tabelle gelesen; beide Listen wurden ersetzt." + heading << "Keine Probleme";
        QTest::newRow("table, the user says no heading") << "cmd_tabelle" << "Alte Namen;Neue Namen\r\na.prt;b.prt\r\n" << "Alte Namen,a.prt | Neue Namen,b.prt" << "2 Paare aus der Tabelle gelesen; beide Listen wurden ersetzt." << "2 Fehler, 1 Warnung";
        QTest::newRow("missing table") << "cmd_tabelle" << QString() << "x.prt | y.prt" << "Fehler : Die Datei" << "Keine Probleme";
        // clang-format on
    }
    void twoColumnsFillBothLists() {
        QFETCH(QString, command);
        QFETCH(QString, content);
        const QString file = platform_->path("work/namen.csv");
        platform_->clipboard = content;
        if (QFile out(file); !content.isNull()) {
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(content.toUtf8()) > 0);
        }
        platform_->tableFile = file;
        if (QString(QTest::currentDataTag()).contains("no heading")) {
            platform_->headingAnswer = [](shell::TableHeadingDialog& dialog) {
                const bool seen = dialog.findChild<QCheckBox*>("chk_ueberschrift")->isChecked() &&
                                  dialog.findChild<QPlainTextEdit*>("txt_zeilen")
                                      ->toPlainText()
                                      .startsWith("Alte Namen;");
                return seen ? std::optional(Heading::No) : std::nullopt;
            };
        }
        table().setPairs({{u"x.prt"}, {u"y.prt"}});
        Child<QRadioButton>(window_.get(), "Option2")->setChecked(true);
        control("kontextmenue")->show();
        Click(window_.get(), command.toLatin1().constData());
        QFETCH(QString, status);
        QTEST(lists(), "lists");
        QVERIFY2(status.isEmpty() ? text("lbl_status") == "Status"
                                  : text("lbl_status").startsWith(status),
                 qPrintable(text("lbl_status")));
        QVERIFY(!control("kontextmenue")->isVisible());
        QTEST(text("lbl_pruefung"), "summary");
    }
};

}  // namespace velnix::test

#include "check_panel_test.moc"
VELNIX_WINDOW_TEST_MAIN(velnix::test::CheckPanelTest)
