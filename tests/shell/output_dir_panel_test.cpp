// The output-directory panel on real directory trees.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>

#include "shell/directory_list.h"
#include "shell/fake_platform.h"
#include "shell/output_dir_panel.h"
#include "shell/window_test.h"

namespace velnix::test {

class OutputDirPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<QWidget> parent_;
    shell::DirectoryList* list_ = nullptr;

    // A directory of the tree in native form; "." is the tree itself, "/" the root.
    QString dir(const QString& relative) const {
        return QDir::toNativeSeparators(
            relative == "/" ? QDir::rootPath() : QDir::cleanPath(tree_->filePath(relative)));
    }
    shell::OutputDirPanel* makePanel() {
        auto* panel = new shell::OutputDirPanel(*platform_, parent_.get());
        panel->setPathText(dir("."));
        return panel;
    }

  private slots:
    void init() {
        tree_ = std::make_unique<QTemporaryDir>();
        for (const char* sub : {"alpha/beta", "Gamma", "delta/inner"}) {
            QVERIFY(QDir(tree_->path()).mkpath(sub));
        }
        QVERIFY(QFile(tree_->filePath("file.txt")).open(QIODevice::WriteOnly));
        platform_ = std::make_unique<FakePlatform>();
        parent_ = std::make_unique<QWidget>();
    }

    // Typing moves the list only to a directory that exists, and the field keeps the typing;
    // when the panel opens, an existing directory in the field wins, else the list's.
    void fieldAndListFollowEachOther_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::newRow("typed past a name") << QStringLiteral("/alphax") << "alpha";
        QTest::newRow("made after the typing") << QStringLiteral("/later") << "later";
    }
    void fieldAndListFollowEachOther() {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        shell::OutputDirPanel* panel = makePanel();
        QTest::keyClicks(Child<QLineEdit>(panel, "txt_path"), QDir::toNativeSeparators(typed));
        QCOMPARE(panel->pathText(), dir(".") + QDir::toNativeSeparators(typed));
        QDir(tree_->path()).mkdir("later");
        panel->bringFieldAndListIntoLine();
        QCOMPARE(panel->pathText(), panel->listedDirectory());
        QCOMPARE(panel->listedDirectory(), dir(listed));
    }

    // A missing drive changes only the status line; a drive returns to its last directory.
    void drivesRememberTheirDirectory() {
        platform_->fakeDrives << shell::Drive{"D:", dir("delta") + QDir::separator()}
                              << shell::Drive{"X:", dir("nowhere") + QDir::separator()};
        shell::OutputDirPanel* panel = makePanel();
        QSignalSpy status(panel, &shell::OutputDirPanel::statusMessage);
        QComboBox* drives = panel->driveList();
        panel->setPathText(dir("alpha"));
        drives->setCurrentIndex(2);
        QCOMPARE(status, QList<QVariantList>{{QString("Laufwerk nicht verfügbar !")}});
        QCOMPARE(drives->currentIndex(), 0);
        drives->setCurrentIndex(1);
        QCOMPARE(panel->listedDirectory(), dir("delta"));
        panel->setPathText(dir("delta/inner"));
        drives->setCurrentIndex(0);
        QCOMPARE(panel->listedDirectory(), dir("alpha"));
        QVERIFY(QDir(tree_->path()).rmdir("delta/inner"));
        drives->setCurrentIndex(1);
        QCOMPARE(panel->pathText(), dir("delta"));
    }

    // The ancestors from the root down, then the subfolders regardless of case. It moves by a
    // path, by Enter and by a double click, and signals each change.
    void directoryListMoves_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("listed");  // relative to the tree; "/" is the root
        QTest::addColumn<int>("signalled");
        QTest::newRow("to the root, which keeps its separator")
            << Steps([this] { list_->setPath(QDir::rootPath()); }) << "/" << 1;
        QTest::newRow("by Enter on a subfolder") << Steps([this] {
            list_->setCurrentItem(list_->findItems("delta", Qt::MatchExactly)[0]);
            QTest::keyClick(list_, Qt::Key_Return);
        }) << "delta" << 1;
        // The view only takes a double click on the entry that the first press chose.
        QTest::newRow("by a double click on the parent") << Steps([this] {
            const QPoint parent =
                list_->visualItemRect(list_->item(list_->currentRow() - 1)).center();
            QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, parent);
            QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, parent);
        }) << ".." << 1;
    }
    void directoryListMoves() {
        list_ = new shell::DirectoryList(parent_.get());
        list_->resize(300, 600);
        list_->setPath(tree_->path());
        QStringList expected = QDir::cleanPath(tree_->path()).split('/', Qt::SkipEmptyParts);
        if (expected.value(0).endsWith(':')) {
            expected.removeFirst();  // the drive is the root entry
        }
        expected = QStringList{dir("/")} + expected + QStringList{"alpha", "delta", "Gamma"};
        QCOMPARE(Entries(list_), expected.join(','));
        QCOMPARE(list_->currentItem()->text(), QDir(tree_->path()).dirName());
        ShowActive(*parent_);
        QSignalSpy moved(list_, &shell::DirectoryList::pathChanged);
        QFETCH(Steps, steps);
        steps();
        QFETCH(QString, listed);
        QCOMPARE(list_->path(), dir(listed));
        QTEST(int(moved.count()), "signalled");
    }
};

}  // namespace velnix::test

#include "output_dir_panel_test.moc"
VELNIX_WINDOW_TEST_MAIN(velnix::test::OutputDirPanelTest)
