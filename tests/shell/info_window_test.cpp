// The information window: where it opens, how it grows, its hover picture, closing, the link.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include "shell/fake_platform.h"
#include "shell/info_placement.h"
#include "shell/main_window.h"
#include "shell/test_registry.h"
#include "shell/twips.h"

namespace velnix::test {

class InfoWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<shell::MainWindow> main_;

    QList<QWidget*> infoWindows() const {
        QList<QWidget*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frm_Info") && widget->isVisible()) {
                found << widget;
            }
        }
        return found;
    }
    QWidget* openInfo() {
        QTest::mouseClick(main_->findChild<QWidget*>(QStringLiteral("cmd_info")), Qt::LeftButton);
        const auto windows = infoWindows();
        return windows.size() == 1 ? windows.first() : nullptr;
    }
    static void moveOver(QWidget* target, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  private slots:
    void init() {
        platform_ = std::make_unique<FakePlatform>();
        main_ = std::make_unique<shell::MainWindow>(*platform_);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    }

    void cleanup() {
        main_->close();
        main_.reset();
        settle();
        QVERIFY(infoWindows().isEmpty());
    }

    void placement_data() {
        QTest::addColumn<double>("screenWidth");
        QTest::addColumn<double>("mainWidth");
        QTest::addColumn<int>("left");
        QTest::newRow("room beside the collapsed window") << 19200.0 << 9200.0 << 9200;
        QTest::newRow("expanded window leaves no room") << 19200.0 << 16755.0 << 0;
        QTest::newRow("exactly no space left is room") << 14720.0 << 9200.0 << 9200;
        QTest::newRow("one twip short") << 14719.0 << 9200.0 << 0;
    }
    void placement() {
        QFETCH(double, screenWidth);
        QFETCH(double, mainWidth);
        QTEST(info::LeftEdge(screenWidth, 0, mainWidth), "left");
    }

    void opensOnceAtItsFullWidth() {
        QWidget* info = openInfo();
        QVERIFY(info != nullptr);
        const shell::Twips twips(*info);
        QCOMPARE(info::AnimationEndWidth(), 5800);
        QVERIFY(std::abs(info->width() - twips.px(info::AnimationEndWidth())) <= 1);
        QCOMPARE(info->frameGeometry().top(), main_->frameGeometry().top());
        QCOMPARE(openInfo(), info);  // a second click only brings it forward
    }

    void descriptionKeepsItsLines() {
        QWidget* info = openInfo();
        const QStringList lines =
            info->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.first(),
                 QStringLiteral("Erzeugung eines Mapkeys für Pro/ENGINEER zur Umbenennung von "));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(lines[i].endsWith(' '));
        }
        QVERIFY(info->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
                    ->toPlainText()
                    .contains(QStringLiteral("GPL-3.0-or-later")));
    }

    void closePictureFollowsThePointer() {
        QWidget* info = openInfo();
        auto* normal = info->findChild<QWidget*>(QStringLiteral("Image1"));
        auto* hover = info->findChild<QWidget*>(QStringLiteral("Image2"));
        moveOver(normal, normal->rect().center());
        QVERIFY(hover->isVisible() && !normal->isVisible());
        moveOver(info, QPoint(2, info->height() - 2));
        QVERIFY(!hover->isVisible() && normal->isVisible());
    }

    void closes_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "Command1";
        QTest::newRow("hover picture") << "Image2";
        QTest::newRow("main window") << "";
    }
    void closes() {
        QFETCH(QString, how);
        QPointer<QWidget> info = openInfo();
        if (how.isEmpty()) {
            main_->close();
        } else {
            QWidget* control = info->findChild<QWidget*>(how);
            control->show();
            QTest::mouseClick(control, Qt::LeftButton);
        }
        settle();
        QVERIFY(info.isNull());
    }

    void linkOpensTheWebPage() {
        QWidget* info = openInfo();
        auto* link = info->findChild<QLabel*>(QStringLiteral("Label5"));
        QVERIFY(link->text().startsWith(QStringLiteral("http")));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(platform_->shellCalls, QStringList{QStringLiteral("open ") + link->text()});
    }
};

}  // namespace velnix::test

#include "info_window_test.moc"
VELNIX_REGISTER_QTEST(velnix::test::InfoWindowTest)
