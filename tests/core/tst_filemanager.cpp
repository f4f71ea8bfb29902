#include <memory>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/files/qfilemanager.h"
#include "support/testsupport.h"

namespace {
bool WriteText(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QByteArray ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every entry below the folder, relative, sorted: what a refused call must leave as it was.
QStringList Tree(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(dir).relativeFilePath(it.next());
    entries.sort();
    return entries;
}
} // namespace

// Layout of every test: <tmp>/data is the data folder holding the cache root, <tmp>/outside
// a folder with a file that nothing may touch.
class TestFileManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rootFollowsLanguage_data();
    void rootFollowsLanguage();
    void pathToFileName_data();
    void pathToFileName();
    void folderNames_data();
    void folderNames();
    void createDir_data();
    void createDir();
    void copyFile();
    void copyFromPipe();
    void failedCopyKeepsTheTarget();
    void linkAtTheTemporaryNameIsNotFollowed();
    void newItemDirIsNeverAnExistingOne();
    void removeProjectRemovesVideoFolders();
    void removeTempDir();
    void refusedRemovals_data();
    void refusedRemovals();
    void linksAreNotFollowed();

private:
    QFileManager *Manager() const { return QFileManager::GetInstance(); }
    QString Root() const { return Manager()->GetRootDir(); }
    QString Outside() const { return m_dir->filePath(QStringLiteral("outside")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_tmpTree;
};

void TestFileManager::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    CLanguageSettings::SetConsoleEcho(false);
    CLanguageSettings::GetInstance()->SetLanguage(false);
}

void TestFileManager::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("data"))));
    QVERIFY(QDir().mkpath(Outside() + QStringLiteral("/sub")));
    QVERIFY(WriteText(Outside() + QStringLiteral("/keep.txt"), "keep"));
    DataFolder::SetAppDataDir(m_dir->filePath(QStringLiteral("data")));
    QFileManager::ReleaseInstance();
    QVERIFY(QDir(Root()).exists());
    m_tmpTree = Tree(m_dir->path());
}

void TestFileManager::cleanup()
{
    QFileManager::ReleaseInstance();
    DataFolder::SetAppDataDir(QString());
    CLanguageSettings::GetInstance()->SetLanguage(false);
    if (m_dir)
        QCOMPARE(ReadText(Outside() + QStringLiteral("/keep.txt")), QByteArray("keep"));
    m_dir.reset();
    TQ_VERIFY_NO_WARNINGS();
}

void TestFileManager::rootFollowsLanguage_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("rootName");
    QTest::newRow("Chinese") << true << QStringLiteral("KLN_TQ420_Cache");
    QTest::newRow("English") << false << QStringLiteral("KLN_TQ420_Cache_En");
}

void TestFileManager::rootFollowsLanguage()
{
    QFETCH(bool, chinese);
    QFETCH(QString, rootName);
    CLanguageSettings::GetInstance()->SetLanguage(chinese);
    QFileManager::ReleaseInstance();
    const QString root = m_dir->filePath(QStringLiteral("data/") + rootName);
    QCOMPARE(Root(), root);
    QCOMPARE(Manager()->GetTempDir(), root + QStringLiteral("/Temp"));
    QCOMPARE(Manager()->GetTemplateDir(), root + QStringLiteral("/Template"));
    QVERIFY(QDir(root + QStringLiteral("/Temp")).exists());
    QVERIFY(QDir(root + QStringLiteral("/Template")).exists());
}

void TestFileManager::pathToFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("forward slashes") << "D:/video/2024/pipe.mp4"
                                     << "pipe.mp4";
    QTest::newRow("backslashes") << "D:\\video\\pipe.mp4"
                                 << "pipe.mp4";
    QTest::newRow("mixed") << "D:\\video/sub\\pipe one.avi"
                           << "pipe one.avi";
    QTest::newRow("bare name") << "pipe.mp4"
                               << "pipe.mp4";
    QTest::newRow("trailing separator") << "/data/video/"
                                        << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFileManager::pathToFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(QFileManager::PathToFileName(path), name);
}

void TestFileManager::folderNames_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("valid");
    QTest::newRow("keys") << "PRJ0000001"
                          << "PRJ0000001AB12C" << true;
    QTest::newRow("hostile but plain") << "人民路'东段"
                                       << "a b&c" << true;
    QTest::newRow("empty project") << ""
                                   << "V" << false;
    QTest::newRow("dot-dot item") << "P"
                                  << ".." << false;
    QTest::newRow("dot-dot project") << ".."
                                     << "outside" << false;
    QTest::newRow("dot project") << "."
                                 << "V" << false;
    QTest::newRow("nested project") << "../../outside"
                                    << "x" << false;
    QTest::newRow("absolute item") << "P"
                                   << "/tmp/x" << false;
    QTest::newRow("backslash item") << "P"
                                    << "..\\..\\x" << false;
}

void TestFileManager::folderNames()
{
    QFETCH(QString, project);
    QFETCH(QString, item);
    QFETCH(bool, valid);
    const QString expected = Root() + QLatin1Char('/') + project + QLatin1Char('/') + item;
    QCOMPARE(Manager()->GetProjectDir(project, item), valid ? expected : QString());
    QCOMPARE(Tree(m_dir->path()), m_tmpTree); // only a path, nothing created
    const QString dir = Manager()->GetItemDir(project, item);
    if (!valid) {
        QVERIFY(dir.isEmpty());
        QCOMPARE(Tree(m_dir->path()), m_tmpTree);
        return;
    }
    QCOMPARE(dir, expected);
    QVERIFY(WriteText(dir + QStringLiteral("/v.rtv"), "x"));
    // An existing folder is returned as it is, contents kept.
    QCOMPARE(Manager()->GetItemDir(project, item), dir);
    QVERIFY(QFile::exists(dir + QStringLiteral("/v.rtv")));
    // The project folder alone is a path, not an item folder.
    QCOMPARE(Manager()->GetProjectDir(project, QString()), Root() + '/' + project + '/');
    QVERIFY(Manager()->GetItemDir(project, QString()).isEmpty());
}

void TestFileManager::createDir_data()
{
    QTest::addColumn<QString>("base"); // "@" stands for the root, "#" for the outside folder
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("created"); // below the root; empty for refused
    QTest::newRow("in root") << "@"
                             << "Report"
                             << "/Report";
    QTest::newRow("missing base") << "@/P/V"
                                  << "Images"
                                  << "/P/V/Images";
    QTest::newRow("backslash base") << "@\\P"
                                    << "Images"
                                    << "/P/Images";
    QTest::newRow("outside base") << "#"
                                  << "x"
                                  << "";
    QTest::newRow("base climbs out") << "@/P/../.."
                                     << "x"
                                     << "";
    QTest::newRow("dot-dot name") << "@"
                                  << ".."
                                  << "";
    QTest::newRow("empty name") << "@/P"
                                << ""
                                << "";
    QTest::newRow("empty base") << ""
                                << "x"
                                << "";
    QTest::newRow("nested name") << "@"
                                 << "a/../../x"
                                 << "";
}

void TestFileManager::createDir()
{
    QFETCH(QString, base);
    QFETCH(QString, name);
    QFETCH(QString, created);
    base.replace(QLatin1Char('@'), Root()).replace(QLatin1Char('#'), Outside());
    QCOMPARE(Manager()->CreateDir(base, name), !created.isEmpty());
    if (created.isEmpty())
        QCOMPARE(Tree(m_dir->path()), m_tmpTree);
    else
        QVERIFY(QDir(Root() + created).exists());
}

void TestFileManager::copyFile()
{
    const QString source = m_dir->filePath(QStringLiteral("video.mp4"));
    const QString target =
        Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V")) + QStringLiteral("/V.mp4");
    QVERIFY(WriteText(source, "new video"));
    QVERIFY(WriteText(target, "old video, longer than the new one"));

    // A missing source leaves the target untouched.
    QVERIFY(!QFileManager::CopyFileToPath(source + QStringLiteral(".gone"), target));
    QCOMPARE(ReadText(target), QByteArray("old video, longer than the new one"));

    // An existing target is replaced.
    QVERIFY(QFileManager::CopyFileToPath(source, target));
    QCOMPARE(ReadText(target), QByteArray("new video"));

    // Copying a file onto itself keeps it.
    QVERIFY(QFileManager::CopyFileToPath(target, target));
    QCOMPARE(ReadText(target), QByteArray("new video"));

    // A folder is no target.
    const QString folder = Manager()->GetProjectDir(QStringLiteral("P"), QStringLiteral("V"));
    QVERIFY(!QFileManager::CopyFileToPath(source, folder));
    QVERIFY(QFile::exists(target));

    // A backslash is part of a file name here: "a\\b.mp4" is not "a/b.mp4".
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("a")));
    QVERIFY(WriteText(m_dir->filePath(QStringLiteral("a/b.mp4")), "the other file"));
    QVERIFY(WriteText(m_dir->filePath(QStringLiteral("a\\b.mp4")), "backslash file"));
    QVERIFY(QFileManager::CopyFileToPath(m_dir->filePath(QStringLiteral("a\\b.mp4")), target));
    QCOMPARE(ReadText(target), QByteArray("backslash file"));
    QVERIFY(!QFileManager::CopyFileToPath(m_dir->filePath(QStringLiteral("a\\c.mp4")), target));
    QCOMPARE(ReadText(target), QByteArray("backslash file"));
}

void TestFileManager::copyFromPipe()
{
    // A pipe has no size: its whole stream is copied, not nothing.
    const QString fifo = m_dir->filePath(QStringLiteral("stream.mp4"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR);
    QVERIFY(writer >= 0);
    const QByteArray data(4096, 'v');
    QCOMPARE(::write(writer, data.constData(), size_t(data.size())), ssize_t(data.size()));
    const QString target =
        Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V")) + QStringLiteral("/V.mp4");
    bool copied = false;
    QThread *copier = QThread::create([&] { copied = QFileManager::CopyFileToPath(fifo, target); });
    copier->start();
    QTRY_COMPARE(QFileInfo(target + QStringLiteral(".part")).size(), qint64(data.size()));
    ::close(writer); // the end of the stream
    QVERIFY(copier->wait(30000));
    delete copier;
    QVERIFY(copied);
    QCOMPARE(ReadText(target), data);
    QVERIFY(!QFile::exists(target + QStringLiteral(".part")));
}

void TestFileManager::failedCopyKeepsTheTarget()
{
    // An earlier export or frame is the user's data: a copy that cannot be completed (here
    // its temporary file is refused, as a full disk would) must not take its place.
    const QString source = m_dir->filePath(QStringLiteral("video.mp4"));
    const QString target = m_dir->filePath(QStringLiteral("exported.mp4"));
    QVERIFY(WriteText(source, "new video"));
    QVERIFY(WriteText(target, "previously exported video"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("exported.mp4.part")));

    QVERIFY(!QFileManager::CopyFileToPath(source, target));
    QCOMPARE(ReadText(target), QByteArray("previously exported video"));
}

void TestFileManager::linkAtTheTemporaryNameIsNotFollowed()
{
    // A link left under the temporary name must not lead the copy into another file.
    const QString source = m_dir->filePath(QStringLiteral("video.mp4"));
    const QString target = m_dir->filePath(QStringLiteral("exported.mp4"));
    const QString elsewhere = m_dir->filePath(QStringLiteral("elsewhere.txt"));
    QVERIFY(WriteText(source, "new video"));
    QVERIFY(WriteText(elsewhere, "not the program's"));
    QVERIFY(QFile::link(elsewhere, target + QStringLiteral(".part")));

    QVERIFY(QFileManager::CopyFileToPath(source, target));
    QCOMPARE(ReadText(target), QByteArray("new video"));
    QCOMPARE(ReadText(elsewhere), QByteArray("not the program's"));
    QVERIFY(!QFileInfo(target).isSymLink());
}

void TestFileManager::newItemDirIsNeverAnExistingOne()
{
    bool existed = true;
    const QString dir =
        Manager()->CreateNewItemDir(QStringLiteral("P"), QStringLiteral("V"), existed);
    QCOMPARE(dir, Root() + QStringLiteral("/P/V"));
    QVERIFY(!existed);
    QVERIFY(WriteText(dir + QStringLiteral("/V.mp4"), "first video"));
    QVERIFY(
        Manager()->CreateNewItemDir(QStringLiteral("P"), QStringLiteral("V"), existed).isEmpty());
    QVERIFY(existed);
    QCOMPARE(ReadText(dir + QStringLiteral("/V.mp4")), QByteArray("first video"));
    // Refused names are no "existing folder" to retry with another name.
    QVERIFY(
        Manager()->CreateNewItemDir(QStringLiteral("P"), QStringLiteral(".."), existed).isEmpty());
    QVERIFY(!existed);
}

void TestFileManager::removeProjectRemovesVideoFolders()
{
    const QString video1 = Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V1"));
    const QString video2 = Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V2"));
    const QString video3 = Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V3"));
    QVERIFY(Manager()->CreateDir(video1, QStringLiteral("Images")));
    QVERIFY(WriteText(video1 + QStringLiteral("/Images/1_org.png"), "png"));
    QVERIFY(WriteText(video1 + QStringLiteral("/.hidden"), "h"));
    QVERIFY(WriteText(video2 + QStringLiteral("/V2.rtv"), "rtv"));
    QVERIFY(!Manager()->GetItemDir(QStringLiteral("Q"), QStringLiteral("V")).isEmpty());

    QVERIFY(Manager()->RemoveItemDir(QStringLiteral("P"), QStringLiteral("V3")));
    QVERIFY(!QDir(video3).exists());
    QVERIFY(QDir(video2).exists());

    QVERIFY(Manager()->RemoveProjectDir(QStringLiteral("P")));
    QVERIFY(!QDir(Root() + QStringLiteral("/P")).exists());
    QVERIFY(QDir(Root() + QStringLiteral("/Q/V")).exists());
    QVERIFY(QDir(Manager()->GetTempDir()).exists());
    QVERIFY(!Manager()->RemoveProjectDir(QStringLiteral("P"))); // nothing left to remove
}

void TestFileManager::removeTempDir()
{
    const QString temp = Manager()->GetTempDir();
    QVERIFY(Manager()->CreateDir(temp, QStringLiteral("report")));
    QVERIFY(WriteText(temp + QStringLiteral("/report/a.doc"), "doc"));
    QVERIFY(!Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V")).isEmpty());
    QVERIFY(Manager()->RemoveTempDir());
    QVERIFY(!QDir(temp).exists());
    QVERIFY(QDir(Root() + QStringLiteral("/P/V")).exists());
    QVERIFY(QDir(Manager()->GetTemplateDir()).exists());
}

void TestFileManager::refusedRemovals_data()
{
    QTest::addColumn<QString>("kind");  // project, item or path
    QTest::addColumn<QString>("first"); // "@" root, "#" outside folder
    QTest::addColumn<QString>("second");
    QTest::newRow("project dot-dot") << "project"
                                     << ".."
                                     << "";
    QTest::newRow("project dot") << "project"
                                 << "."
                                 << "";
    QTest::newRow("project empty") << "project"
                                   << ""
                                   << "";
    QTest::newRow("project null") << "project" << QString() << "";
    QTest::newRow("project nested") << "project"
                                    << "../outside"
                                    << "";
    QTest::newRow("project absolute") << "project"
                                      << "#"
                                      << "";
    QTest::newRow("item dot-dot") << "item"
                                  << "P"
                                  << "..";
    QTest::newRow("item nested") << "item"
                                 << "P"
                                 << "../..";
    QTest::newRow("item empty") << "item"
                                << "P"
                                << "";
    QTest::newRow("item absolute") << "item"
                                   << "P"
                                   << "#";
    QTest::newRow("path empty") << "path"
                                << ""
                                << "";
    QTest::newRow("path outside") << "path"
                                  << "#"
                                  << "";
    QTest::newRow("path outside, backslashes") << "path"
                                               << "#\\sub"
                                               << "";
    QTest::newRow("path is the root") << "path"
                                      << "@"
                                      << "";
    QTest::newRow("path climbs out") << "path"
                                     << "@/P/../.."
                                     << "";
    QTest::newRow("path via dot-dot") << "path"
                                      << "@/../../outside"
                                      << "";
    QTest::newRow("path missing") << "path"
                                  << "@/none"
                                  << "";
    QTest::newRow("path is a file") << "path"
                                    << "@/P/V/file"
                                    << "";
}

void TestFileManager::refusedRemovals()
{
    QFETCH(QString, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(WriteText(Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V")) +
                          QStringLiteral("/file"),
                      "f"));
    const QStringList before = Tree(m_dir->path());
    for (QString *text : {&first, &second})
        text->replace(QLatin1Char('@'), Root()).replace(QLatin1Char('#'), Outside());
    bool removed = true;
    if (kind == QLatin1String("project"))
        removed = Manager()->RemoveProjectDir(first);
    else if (kind == QLatin1String("item"))
        removed = Manager()->RemoveItemDir(first, second);
    else
        removed = Manager()->RecursiveRemove(first);
    QVERIFY(!removed);
    QCOMPARE(Tree(m_dir->path()), before);
}

void TestFileManager::linksAreNotFollowed()
{
    const QString project = Manager()->GetItemDir(QStringLiteral("P"), QStringLiteral("V"));
    QVERIFY(QFile::link(Outside(), project + QStringLiteral("/toOutside")));
    QVERIFY(
        QFile::link(Outside() + QStringLiteral("/keep.txt"), project + QStringLiteral("/file")));
    QVERIFY(QFile::link(Outside(), Root() + QStringLiteral("/L")));
    const QStringList outside = Tree(Outside());

    // Nothing is created or removed through a link that leaves the root.
    QVERIFY(Manager()->GetItemDir(QStringLiteral("L"), QStringLiteral("x")).isEmpty());
    QVERIFY(Manager()->GetProjectDir(QStringLiteral("L"), QStringLiteral("sub")).isEmpty());
    QVERIFY(!Manager()->CreateDir(Root() + QStringLiteral("/L"), QStringLiteral("x")));
    QVERIFY(!Manager()->RemoveItemDir(QStringLiteral("L"), QStringLiteral("sub")));
    QVERIFY(!Manager()->RecursiveRemove(project + QStringLiteral("/toOutside/sub")));
    QCOMPARE(Tree(Outside()), outside);

    // Removing a folder that holds links removes the links, not what they point at.
    QVERIFY(Manager()->RemoveProjectDir(QStringLiteral("P")));
    QVERIFY(!QFileInfo::exists(Root() + QStringLiteral("/P")));
    // A project folder that is itself a link: the link goes, its target stays.
    QVERIFY(Manager()->RemoveProjectDir(QStringLiteral("L")));
    QVERIFY(!QFileInfo(Root() + QStringLiteral("/L")).isSymLink());
    QCOMPARE(Tree(Outside()), outside);
}

QTEST_GUILESS_MAIN(TestFileManager)
#include "tst_filemanager.moc"
