// The command-line tool where its output cannot be written: a missing folder, a read-only
// folder and a full disk. Each command must end with a message and a non-zero exit code,
// keep the file it would have replaced as it was and leave no file of its own behind.
#include <QtTest>

#include <unistd.h>

#include <QCryptographicHash>

#include "support/testsupport.h"

namespace {
using TestSupport::RunCli;

const QString kProject = QStringLiteral("P1");
const QString kProjectName = QStringLiteral("Ring");

QByteArray Digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

bool RunsAsRoot()
{
    return ::geteuid() == 0;
}

// Runs a command (mount, umount); false with its message when it fails.
bool Run(const QString &program, const QStringList &arguments, QString *message)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *message = program + QStringLiteral(": ") +
                   QString::fromLocal8Bit(process.readAllStandardError()).trimmed() +
                   process.errorString();
        return false;
    }
    return true;
}

// A small tmpfs mounted for the life of the object.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &mountPoint)
        : m_strMountPoint(mountPoint)
    {
        QDir().mkpath(mountPoint);
        m_bMounted = Run(QStringLiteral("mount"),
                         {"-t", "tmpfs", "-o", "size=1m", "tmpfs", mountPoint}, &m_strError);
    }
    ~SmallDisk()
    {
        QString ignored;
        if (m_bMounted)
            Run(QStringLiteral("umount"), {m_strMountPoint}, &ignored);
    }
    bool IsMounted() const { return m_bMounted; }
    QString ErrorString() const { return m_strError; }

    // Writes a file until the disk refuses more.
    bool Fill(const QString &name) const
    {
        QFile filler(QDir(m_strMountPoint).filePath(name));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        return true;
    }

private:
    QString m_strMountPoint;
    QString m_strError;
    bool m_bMounted = false;
};
} // namespace

class TestCliUnwritable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::InstallWarningRecorder();
        QVERIFY(m_appDir.isValid() && m_sources.isValid());
        const QString video =
            TestSupport::CopySample(QStringLiteral("videos/road1.mp4"), m_sources);
        TestSupport::CopySample(QStringLiteral("videos/road1.rtv"), m_sources);
        QCOMPARE(RunCli({"project", "add", "--app-dir", m_appDir.path(), "--number", kProject,
                         "--name", kProjectName, "--site", "Site"})
                     .exitCode,
                 0);
        QCOMPARE(
            RunCli({"import", "--app-dir", m_appDir.path(), "--project", kProject, video}).exitCode,
            0);
    }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void unwritableTarget_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("place");
        for (const char *command : {"sheet", "report", "convert", "export"}) {
            // The export makes its folder; a file in the way of it is what it cannot make.
            if (QByteArray(command) == "export")
                QTest::addRow("%s into a file", command) << command << "file";
            else
                QTest::addRow("%s into a missing folder", command) << command << "missing";
            QTest::addRow("%s into a read-only folder", command) << command << "read-only";
        }
    }
    void unwritableTarget()
    {
        QFETCH(QString, command);
        QFETCH(QString, place);
        if (place == QLatin1String("read-only") && RunsAsRoot())
            QSKIP("a read-only folder can be written by root");
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("out"));
        if (place == QLatin1String("file")) {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (place == QLatin1String("read-only")) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        const QStringList before = Entries(dir.path());

        const TestSupport::CliRun run = RunCli(Arguments(command, folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(!run.err.trimmed().isEmpty(), run.out.constData());
        QVERIFY2(!run.out.contains("rows written"), run.out.constData());
        QCOMPARE(Entries(dir.path()), before);
        if (place == QLatin1String("read-only"))
            QCOMPARE(Entries(folder), QStringList());
    }

    void fullDisk_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"sheet", "report", "convert", "export"})
            QTest::newRow(command) << command;
    }
    void fullDisk()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const SmallDisk disk(dir.filePath(QStringLiteral("disk")));
        if (!disk.IsMounted())
            QSKIP(qPrintable(
                QStringLiteral("no small disk can be mounted here (%1)").arg(disk.ErrorString())));
        const QString folder = dir.filePath(QStringLiteral("disk/out"));
        QVERIFY(QDir().mkpath(folder));
        // The file the command would replace, then a disk without room for anything more.
        const QString previous = OutputFile(command, folder);
        {
            QFile file(previous);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(QByteArray("the previous file\n").repeated(100)) > 0);
        }
        const QByteArray digest = Digest(previous);
        QVERIFY(disk.Fill(QStringLiteral("filler")));
        const QStringList before = Entries(folder);

        const TestSupport::CliRun run = RunCli(Arguments(command, folder));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(!run.err.trimmed().isEmpty(), run.out.constData());
        QCOMPARE(Digest(previous), digest);
        if (command == QLatin1String("export")) {
            // Folders of the tree may have been made; no file is in any of them.
            QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            QStringList found;
            while (files.hasNext())
                found << files.next();
            QCOMPARE(found, QStringList{previous});
            QVERIFY2(run.err.contains("could not"), run.err.constData());
        } else {
            QCOMPARE(Entries(folder), before);
        }
    }

private:
    // The file a command writes into the folder (the export: its project information sheet).
    static QString OutputFile(const QString &command, const QString &folder)
    {
        const QDir dir(folder);
        if (command == QLatin1String("sheet"))
            return dir.filePath(QStringLiteral("records.xls"));
        if (command == QLatin1String("report"))
            return dir.filePath(QStringLiteral("report.doc"));
        if (command == QLatin1String("convert"))
            return dir.filePath(QStringLiteral("road.rtv"));
        return dir.filePath(kProjectName + QStringLiteral("_Project information_sheet.xls"));
    }

    QStringList Arguments(const QString &command, const QString &folder) const
    {
        const QString out = OutputFile(command, folder);
        if (command == QLatin1String("sheet"))
            return {"sheet",  "--app-dir", m_appDir.path(), "--project", kProject,
                    "--kind", "2",         "--out",         out};
        if (command == QLatin1String("report"))
            return {"report", "--out", out,
                    TestSupport::SamplePath(QStringLiteral("rtv/worked.rtv"))};
        if (command == QLatin1String("convert"))
            return {"convert", TestSupport::SamplePath(QStringLiteral("bmw/good.xml")), out};
        return {"export",
                "--app-dir",
                m_appDir.path(),
                "--project",
                kProject,
                "--to",
                folder,
                "--project-info",
                "on",
                "--sheets",
                "on",
                "--videos",
                "on",
                "--images",
                "on"};
    }

    QTemporaryDir m_appDir;
    QTemporaryDir m_sources;
};

QTEST_GUILESS_MAIN(TestCliUnwritable)
#include "tst_cliunwritable.moc"
