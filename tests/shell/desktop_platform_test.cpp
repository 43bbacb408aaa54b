// The real Windows desktop behind the window: settings in the registry, the drive list's
// letters and labels, the interface font, and the shell reaching paths outside the ANSI code
// page.
#include <windows.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

#include "shell/platform/desktop_platform.h"
#include "shell/window_test.h"

namespace velnix::test {

class DesktopPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    // Where Windows itself reads it, and a developer's own value survives the test.
    void settingsLandInTheRegistry() {
        const QString key = QStringLiteral("txt_path.Text");
        const QString missing = QStringLiteral("\x01missing");
        const QString before = shell::DesktopPlatform().readSetting(key, missing);
        const QString value = QStringLiteral(" C:\\Ablage\\Müller ");
        shell::DesktopPlatform().writeSetting(key, value);
        wchar_t stored[512] = {};
        DWORD size = sizeof(stored);
        QVERIFY(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Velnix\\Velnix\\Optionen",
                             reinterpret_cast<const wchar_t*>(key.utf16()), RRF_RT_REG_SZ, nullptr,
                             stored, &size) == ERROR_SUCCESS);
        QCOMPARE(QString::fromWCharArray(stored), value);
        QCOMPARE(shell::DesktopPlatform().readSetting(key, missing), value);
        // The user's own setting comes back, or none stays behind.
        if (before != missing) {
            shell::DesktopPlatform().writeSetting(key, before);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velnix\\Velnix\\Optionen",
                               reinterpret_cast<const wchar_t*>(key.utf16()));
        }
    }

    void drivesShowLetterAndLabel() {
        const QList<shell::Drive> drives = shell::DesktopPlatform().drives();
        QVERIFY(!drives.isEmpty());
        for (const shell::Drive& drive : drives) {
            const QString letter = drive.root.left(2).toLower();
            QVERIFY2(drive.root.size() == 3 && drive.root.endsWith(QLatin1String(":\\")),
                     qPrintable(drive.root));
            QVERIFY2(drive.label == letter || (drive.label.startsWith(letter + " [") &&
                                               drive.label.endsWith(QLatin1Char(']')) &&
                                               !drive.label.contains(drive.root.left(2))),
                     qPrintable(drive.label));
        }
    }

    // The layout was drawn for Windows' interface font at 8 points: the face asked for must
    // be the face drawn, not one that Qt picks for a name it cannot find (under Wine a math
    // font, in which single-line fields show no text).
    void interfaceFontIsTheOneAskedFor() {
        const QFont font = QApplication::font();
        QCOMPARE(QFontInfo(font).family(), font.family());
        QCOMPARE(font.pointSize(), 8);
    }

    void shellReachesPathsOutsideTheCodePage() {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/名前-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString program = QDir::toNativeSeparators(dir.filePath("hostname.exe"));
        QVERIFY(QFile::copy(
            QDir::fromNativeSeparators(qEnvironmentVariable("WINDIR")) + "/system32/hostname.exe",
            program));
        shell::DesktopPlatform platform;
        QVERIFY(platform.shellExecute(program, QStringLiteral("open")));
        QVERIFY(!platform.shellExecute(dir.filePath("fehlt.exe"), QStringLiteral("open")));
    }
};

}  // namespace velnix::test

#include "desktop_platform_test.moc"
VELNIX_WINDOW_TEST_MAIN(velnix::test::DesktopPlatformTest)
