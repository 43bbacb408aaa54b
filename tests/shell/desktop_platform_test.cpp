// The real Windows desktop behind the window: settings in the registry, the drive list's
// letters and labels, and the shell reaching paths outside the ANSI code page.
#include <windows.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "shell/platform/desktop_platform.h"
#include "shell/test_registry.h"

namespace velnix::test {

class DesktopPlatformTest : public QObject {
    Q_OBJECT

    // What Windows itself reads under HKEY_CURRENT_USER\Software\Velnix\Velnix\Optionen.
    static QString RegistryValue(const QString& key) {
        wchar_t value[512] = {};
        DWORD size = sizeof(value);
        const LSTATUS status = RegGetValueW(
            HKEY_CURRENT_USER, L"Software\\Velnix\\Velnix\\Optionen",
            reinterpret_cast<const wchar_t*>(key.utf16()), RRF_RT_REG_SZ, nullptr, value, &size);
        return status == ERROR_SUCCESS ? QString::fromWCharArray(value) : QStringLiteral("<none>");
    }

  private slots:
    void settingsLandInTheRegistry_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("rule") << QStringLiteral("txt_rename.Text");
        QTest::newRow("replacement") << QStringLiteral("txt_renameNEU.Text");
        QTest::newRow("folder") << QStringLiteral("txt_path.Text");
    }
    void settingsLandInTheRegistry() {
        QFETCH(QString, key);
        shell::DesktopPlatform platform;
        const QString missing = QStringLiteral("\x01missing");
        const QString before = platform.readSetting(key, missing);
        const QString value = QStringLiteral(" C:\\Ablage\\Müller ");
        platform.writeSetting(key, value);
        QCOMPARE(RegistryValue(key), value);
        QCOMPARE(shell::DesktopPlatform().readSetting(key, missing), value);
        // A developer's own settings survive the test.
        if (before != missing) {
            platform.writeSetting(key, before);
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
VELNIX_REGISTER_QTEST(velnix::test::DesktopPlatformTest)
