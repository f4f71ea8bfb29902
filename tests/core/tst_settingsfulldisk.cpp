// Both settings files on a full disk: the save fails, the user is told, and the previous
// file stays as it was. Runs on a small tmpfs, which needs the right to mount (root in CI).
#include <functional>
#include <memory>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "support/testsupport.h"

namespace {
bool Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Writes a file that takes every free block of the folder's file system.
bool FillDisk(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // Smaller pieces for the last partial block.
    while (filler.write(block.left(64)) == 64) {
    }
    return true;
}

// One settings file: its path, a change, the save and a read-back of the changed value.
struct SettingsFile
{
    std::function<QString()> path;
    std::function<void(const QString &)> change;
    std::function<bool()> save;
    std::function<QString()> reloadedValue;
};

SettingsFile ApplicationSettings()
{
    return {[] { return CKLN_TQ420Setting::GetInstance()->GetFilePath(); },
            [](const QString &value) {
                CKLN_TQ420Setting::GetInstance()->SetCurrentProject(value, value, value, QString());
            },
            [] { return CKLN_TQ420Setting::GetInstance()->saveXml(); },
            [] {
                CKLN_TQ420Setting::ReleaseInstance();
                CKLN_TQ420Setting::GetInstance()->loadXml();
                return CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode();
            }};
}

SettingsFile SystemSettings()
{
    return {[] { return QSystemInfo::GetInstance()->FileName(); },
            [](const QString &value) { QSystemInfo::GetInstance()->SetUnitName(value); },
            [] { return QSystemInfo::GetInstance()->SaveSystemInfo(); },
            [] {
                QSystemInfo::ReleaseInstance();
                return QSystemInfo::GetInstance()->UnitName();
            }};
}
} // namespace

Q_DECLARE_METATYPE(SettingsFile)

class TestSettingsFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void fullDiskKeepsPreviousFile_data();
    void fullDiskKeepsPreviousFile();

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    QString m_previousDir;
};

void TestSettingsFullDisk::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    CLanguageSettings::SetConsoleEcho(false);
    QVERIFY(m_mountPoint.isValid());
    m_mounted = Run(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=256k"), QStringLiteral("tmpfs"), m_mountPoint.path()});
    if (!m_mounted)
        QSKIP("mounting a small tmpfs is not permitted here (needs root)");
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_mountPoint.path()));
    DataFolder::SetAppDataDir(m_mountPoint.path());
}

void TestSettingsFullDisk::init()
{
    CKLN_TQ420Setting::ReleaseInstance();
    QSystemInfo::ReleaseInstance();
}

void TestSettingsFullDisk::cleanup()
{
    QFile::remove(m_mountPoint.filePath(QStringLiteral("filler")));
    CKLN_TQ420Setting::ReleaseInstance();
    QSystemInfo::ReleaseInstance();
    TQ_VERIFY_NO_WARNINGS();
}

void TestSettingsFullDisk::cleanupTestCase()
{
    if (!m_mounted)
        return;
    DataFolder::SetAppDataDir(QString());
    QDir::setCurrent(m_previousDir);
    QVERIFY(Run(QStringLiteral("umount"), {m_mountPoint.path()}));
}

void TestSettingsFullDisk::fullDiskKeepsPreviousFile_data()
{
    QTest::addColumn<SettingsFile>("file");
    QTest::newRow("application settings") << ApplicationSettings();
    QTest::newRow("system settings") << SystemSettings();
}

void TestSettingsFullDisk::fullDiskKeepsPreviousFile()
{
    QFETCH(SettingsFile, file);
    TestSupport::RecordingPrompt prompt;
    file.change(QStringLiteral("KEPT"));
    QVERIFY(file.save());
    QVERIFY(prompt.Texts().isEmpty());
    const QByteArray before = TestSupport::FileBytes(file.path());
    QVERIFY(!before.isEmpty());

    // A value long enough that the new file cannot fit into what a block rounding leaves.
    const QString lost = QString(2000, QLatin1Char('L'));
    QVERIFY(FillDisk(m_mountPoint.filePath(QStringLiteral("filler"))));
    file.change(lost);
    QVERIFY(!file.save());
    QCOMPARE(prompt.Texts().size(), 1);
    QVERIFY2(prompt.Texts().first().contains(file.path()), qPrintable(prompt.Texts().first()));
    QCOMPARE(TestSupport::FileBytes(file.path()), before);
    const QString name = QFileInfo(file.path()).fileName();
    QCOMPARE(QDir(m_mountPoint.path()).entryList({name + QLatin1Char('*')}, QDir::Files),
             QStringList{name}); // no temporary file left behind
    QCOMPARE(file.reloadedValue(), QStringLiteral("KEPT"));

    // With room again the next save goes through silently.
    prompt.Clear();
    QVERIFY(QFile::remove(m_mountPoint.filePath(QStringLiteral("filler"))));
    file.change(lost);
    QVERIFY(file.save());
    QVERIFY(prompt.Texts().isEmpty());
    QCOMPARE(file.reloadedValue(), lost);
}

QTEST_GUILESS_MAIN(TestSettingsFullDisk)
#include "tst_settingsfulldisk.moc"
