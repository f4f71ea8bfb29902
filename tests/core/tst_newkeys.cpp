// Random file names: digits and capital letters, never the name of something in the folder.
#include <QtTest>

#include "core/files/newkeys.h"
#include "support/testsupport.h"

namespace {
bool Touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}
} // namespace

class TestNewKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void freeNamesHaveTheKeyForm()
    {
        QTemporaryDir dir;
        QSet<QString> names;
        for (int i = 0; i < 200; ++i) {
            const QString name = NewKeys::FreeFileName(dir.path(), 10, QStringLiteral("_1.avi"));
            QVERIFY2(
                QRegularExpression(QStringLiteral("^[0-9A-Z]{10}_1\\.avi$")).match(name).hasMatch(),
                qPrintable(name));
            names.insert(name);
        }
        // Drawn from the system's random source: no repeats to speak of.
        QVERIFY(names.size() > 190);
        QCOMPARE(NewKeys::FreeFileName(dir.path(), 0, QStringLiteral("x")), QStringLiteral("x"));
    }

    void takenNamesAreNeverReturned_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("files") << "file";
        QTest::newRow("folders") << "folder";
    }

    void takenNamesAreNeverReturned()
    {
        QFETCH(QString, kind);
        // One-character names: all 26 letters taken, so about every other draw hits one.
        QTemporaryDir dir;
        const QDir folder(dir.path());
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const QString path = folder.filePath(QString(QChar(letter)) + ".png");
            QVERIFY(kind == "file" ? Touch(path) : folder.mkdir(path));
        }
        for (int i = 0; i < 100; ++i) {
            const QString name = NewKeys::FreeFileName(dir.path(), 1, QStringLiteral(".png"));
            QVERIFY2(name.size() == 5 && name.at(0).isDigit(), qPrintable(name));
        }
        // Every name taken: none, rather than one in use.
        for (char digit = '0'; digit <= '9'; ++digit)
            QVERIFY(Touch(folder.filePath(QString(QChar(digit)) + ".png")));
        QCOMPARE(NewKeys::FreeFileName(dir.path(), 1, QStringLiteral(".png")), QString());
    }
};

QTEST_MAIN(TestNewKeys)
#include "tst_newkeys.moc"
