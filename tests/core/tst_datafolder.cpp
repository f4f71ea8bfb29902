// The choice of the data folder: the application folder when it can be written, else the
// user's folder, and then a clear word when the application folder holds a database.
#include <QtTest>

#include <unistd.h>

#include "core/common/appdatadir.h"
#include "support/testsupport.h"

namespace {
// Makes the folder read-only for this process, also for root (a read-only bind mount);
// false when that is not possible here.
bool MakeReadOnly(const QString &dir)
{
    if (::geteuid() != 0)
        return QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    return QProcess::execute("mount", {"--bind", dir, dir}) == 0 &&
           QProcess::execute("mount", {"-o", "remount,bind,ro", dir}) == 0;
}

void MakeWritableAgain(const QString &dir)
{
    if (::geteuid() == 0)
        QProcess::execute("umount", {dir});
    else
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void choice_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("database"); // a file in the application folder
        QTest::addColumn<bool>("inAppDir");
        QTest::addColumn<bool>("problem");
        QTest::newRow("writable with database")
            << true << "KLN_TQ420_DataBase_En.prj" << true << false;
        QTest::newRow("read-only, empty") << false << "" << false << false;
        QTest::newRow("read-only, other files") << false << "notes.txt" << false << false;
        QTest::newRow("read-only with English database")
            << false << "KLN_TQ420_DataBase_En.prj" << false << true;
        QTest::newRow("read-only with Chinese database")
            << false << "KLN_TQ420_DataBase.prj" << false << true;
    }

    void choice()
    {
        QFETCH(bool, writable);
        QFETCH(QString, database);
        QFETCH(bool, inAppDir);
        QFETCH(bool, problem);
        QTemporaryDir appDir;
        QTemporaryDir userBase;
        const QString userDir = userBase.filePath("data");
        if (!database.isEmpty()) {
            QFile file(appDir.filePath(database));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        if (!writable && !MakeReadOnly(appDir.path()))
            QSKIP("cannot make a folder read-only here");
        auto restore = qScopeGuard([&] {
            if (!writable)
                MakeWritableAgain(appDir.path());
        });

        QString text;
        const QString chosen = DataFolder::ChooseDataDir(appDir.path(), userDir, text);
        QCOMPARE(chosen, inAppDir ? appDir.path() : userDir);
        QVERIFY(QFileInfo(chosen).isDir());
        QCOMPARE(!text.isEmpty(), problem);
        if (problem) // where the projects are, which file, and where the data go instead
            QVERIFY(text.contains(appDir.path()) && text.contains(database) &&
                    text.contains(userDir));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
