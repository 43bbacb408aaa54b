// The output-directory panel on real directory trees: the field, the drive list and the
// directory list follow each other, and the directory list moves as the user moves it.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/directory_list.h"
#include "shell/fake_platform.h"
#include "shell/output_dir_panel.h"
#include "shell/test_registry.h"

namespace velnix::test {

using shell::DirectoryList;
using shell::OutputDirPanel;

class OutputDirPanelTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<QWidget> parent_;

    // A directory of the tree in native form; "." is the tree itself, "/" the root.
    QString dir(const QString& relative) const {
        const QString path = relative == "/" ? QDir::rootPath() : tree_->filePath(relative);
        return QDir::toNativeSeparators(relative == "/" ? path : QDir::cleanPath(path));
    }
    OutputDirPanel* makePanel() {
        auto* panel = new OutputDirPanel(*platform_, parent_.get());
        panel->setPathText(dir("."));
        return panel;
    }
    static QTestData& row(const char* name, const char* first, const char* second) {
        return QTest::newRow(name) << QString(first) << QString(second);
    }

  private slots:
    void init() {
        tree_ = std::make_unique<QTemporaryDir>();
        for (const char* sub : {"alpha/beta", "Gamma", "delta/inner"}) {
            QVERIFY(QDir(tree_->path()).mkpath(QString::fromLatin1(sub)));
        }
        QFile file(tree_->filePath("file.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        platform_ = std::make_unique<FakePlatform>();
        parent_ = std::make_unique<QWidget>();
    }

    void typingMovesTheListOnlyToExistingDirectories_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        row("part of a name", "/alp", ".");
        row("whole name", "/alpha", "alpha");
        row("deeper name", "/alpha/beta", "alpha/beta");
        row("past a name", "/alphax", "alpha");
    }
    void typingMovesTheListOnlyToExistingDirectories() {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        OutputDirPanel* panel = makePanel();
        QTest::keyClicks(panel->findChild<QLineEdit*>("txt_path"), QDir::toNativeSeparators(typed));
        QCOMPARE(panel->listedDirectory(), dir(listed));
        QCOMPARE(panel->pathText(), dir(".") + QDir::toNativeSeparators(typed));
    }

    void bringFieldAndListIntoLine_data() {
        QTest::addColumn<bool>("created");
        QTest::newRow("remembered directory missing") << false;
        QTest::newRow("remembered directory exists") << true;
    }
    void bringFieldAndListIntoLine() {
        QFETCH(bool, created);
        OutputDirPanel* panel = makePanel();
        panel->setPathText(dir("later"));
        if (created) {
            QVERIFY(QDir(tree_->path()).mkdir("later"));
        }
        panel->bringFieldAndListIntoLine();
        QCOMPARE(panel->listedDirectory(), dir(created ? "later" : "."));
        QCOMPARE(panel->pathText(), panel->listedDirectory());
    }

    void unavailableDriveLeavesListAndDriveAsTheyWere() {
        platform_->fakeDrives.push_back({"X:", dir("nowhere") + QDir::separator()});
        OutputDirPanel* panel = makePanel();
        QSignalSpy status(panel, &OutputDirPanel::statusMessage);
        panel->driveList()->setCurrentIndex(1);
        QCOMPARE(status, QList<QVariantList>{{QString("Laufwerk nicht verfügbar !")}});
        QCOMPARE(panel->driveList()->currentIndex(), 0);
        QCOMPARE(panel->listedDirectory(), dir("."));
    }

    void driveChangeReturnsToTheLastDirectoryOnThatDrive() {
        platform_->fakeDrives.push_back({"D:", dir("delta") + QDir::separator()});
        OutputDirPanel* panel = makePanel();
        QComboBox* drives = panel->driveList();
        panel->setPathText(dir("alpha"));
        drives->setCurrentIndex(1);
        QCOMPARE(panel->listedDirectory(), dir("delta"));
        panel->setPathText(dir("delta/inner"));
        drives->setCurrentIndex(0);
        QCOMPARE(panel->listedDirectory(), dir("alpha"));
        QVERIFY(QDir(tree_->path()).rmdir("delta/inner"));
        drives->setCurrentIndex(1);
        QCOMPARE(panel->listedDirectory(), dir("delta"));
        QCOMPARE(panel->pathText(), dir("delta"));
    }

    void listShowsAncestorsThenSortedSubfolders() {
        DirectoryList list(parent_.get());
        list.setPath(tree_->path());
        QStringList expected = QDir::cleanPath(tree_->path()).split('/', Qt::SkipEmptyParts);
        if (expected.value(0).endsWith(':')) {
            expected.removeFirst();  // the drive is the root entry
        }
        expected.prepend(dir("/"));
        expected.append({"alpha", "delta", "Gamma"});
        QStringList shown;
        for (int i = 0; i < list.count(); ++i) {
            shown << list.item(i)->text();
        }
        QCOMPARE(shown, expected);
        QCOMPARE(list.currentItem()->text(), QDir(tree_->path()).dirName());
    }

    void entryOpensOnEnterOrDoubleClick_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("opened");
        row("enter on a subfolder", "enter", "delta");
        row("double click on the parent", "double click", "..");
    }
    void entryOpensOnEnterOrDoubleClick() {
        QFETCH(QString, how);
        QFETCH(QString, opened);
        DirectoryList list(parent_.get());
        list.resize(300, 600);
        list.setPath(tree_->path());
        parent_->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent_.get()));
        const auto items = list.findItems(QDir(dir(opened)).dirName(), Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list.setCurrentItem(items.first());
        if (how == "enter") {
            QTest::keyClick(&list, Qt::Key_Return);
        } else {
            // The view only takes a double click on the entry that the first press chose.
            const QPoint centre = list.visualItemRect(items.first()).center();
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        }
        QCOMPARE(list.path(), dir(opened));
    }

    void setPathNormalisesAndSignalsOnlyRealChanges_data() {
        QTest::addColumn<QString>("given");  // relative to the tree; "/" is the root
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("emitted");
        row("a file", "file.txt", ".") << 0;
        row("missing directory", "nowhere", ".") << 0;
        row("same with trailing separator", "./", ".") << 0;
        row("same through a subfolder", "alpha/..", ".") << 0;
        row("dots and doubled separators", "alpha/..//Gamma/", "Gamma") << 1;
        row("root keeps its separator", "/", "/") << 1;
    }
    void setPathNormalisesAndSignalsOnlyRealChanges() {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        QFETCH(int, emitted);
        DirectoryList list(parent_.get());
        list.setPath(tree_->path());
        QSignalSpy changed(&list, &DirectoryList::pathChanged);
        list.setPath(given == "/" ? QDir::rootPath() : tree_->path() + '/' + given);
        QCOMPARE(list.path(), dir(expected));
        QCOMPARE(changed.count(), emitted);
    }
};

}  // namespace velnix::test

#include "output_dir_panel_test.moc"
VELNIX_REGISTER_QTEST(velnix::test::OutputDirPanelTest)
