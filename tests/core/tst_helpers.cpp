// Shared helpers: keys, dates, level texts, fuzzy comparison, SQL quoting, PNG checks, XML files.
#include <QtTest>

#include <QBuffer>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>
#include <sys/resource.h>

#include "core/common/myhelper.h"
#include "core/common/pngcheck.h"
#include "core/common/sqlquote.h"
#include "core/common/xmlfile.h"
#include "support/testsupport.h"

namespace {
QByteArray SmallPng()
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    void randomKeys()
    {
        QCOMPARE(MakeRandomKey(0), QString());
        QSet<QString> keys;
        for (int i = 0; i < 200; ++i) {
            const QString key = MakeRandomKey(10);
            QCOMPARE(key.size(), 10);
            QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-Z]{10}$")).match(key).hasMatch(),
                     qPrintable(key));
            keys.insert(key);
        }
        // Calls within the same millisecond still differ through the counter.
        QVERIFY(keys.size() > 190);
    }

    void dateTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::newRow("day") << 1 << "2019-05-06";
        QTest::newRow("compact") << 2 << "2019-05-06 070809";
        QTest::newRow("full") << 0 << "2019-05-06 07:08:09";
        QTest::newRow("other mode") << 7 << "2019-05-06 07:08:09";
    }

    void dateTexts()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        const QDateTime instant(QDate(2019, 5, 6), QTime(7, 8, 9));
        QCOMPARE(DateTimeToText(instant, mode), text);
        QCOMPARE(TextToDateTime(text, mode), mode == 1 ? QDateTime(QDate(2019, 5, 6), QTime(0, 0)) : instant);
    }

    void dateFallbacks()
    {
        QCOMPARE(TextToDateTime(QStringLiteral("20190506"), 0).date(), QDate(2019, 5, 6));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(TextToDateTime(QString(), 1) >= before);
        QVERIFY(TextToDateTime(QStringLiteral("yesterday"), 1) >= before);
    }

    void levelFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("level");
        QTest::newRow("level 1") << "level 1" << 0;
        QTest::newRow("level 4") << "level 4" << 3;
        QTest::newRow("word only") << "level" << -1;
        QTest::newRow("no word") << "4" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("not a number") << "level x" << -1;
    }

    void levelFromText()
    {
        QFETCH(QString, text);
        QTEST(LevelFromText(text), "level");
    }

    void fuzzyComparison()
    {
        QVERIFY(FuzzyEqual(1.0, 1.000009));
        QVERIFY(!FuzzyEqual(1.0, 1.00002));
        QVERIFY(FuzzyLessEqual(4.000001, 4.0));
        QVERIFY(!FuzzyLess(3.999999, 4.0));
        QVERIFY(FuzzyLess(3.99, 4.0));
        QVERIFY(!FuzzyGreater(1.000001, 1.0));
        QVERIFY(FuzzyGreater(1.1, 1.0));
        QVERIFY(FuzzyGreaterEqual(0.999999, 1.0));
    }

    // A quoted value is stored as it is and matches itself, whatever it holds.
    void sqlQuoting()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("quote"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE t (v VARCHAR)")));
        const QStringList values = {QStringLiteral("人民路'东段"), QStringLiteral("'; DROP TABLE t; --"),
                                    QStringLiteral("''"), QStringLiteral("a\"b&<>"), QString()};
        for (const QString &value : values)
            QVERIFY2(query.exec(QStringLiteral("INSERT INTO t VALUES (%1)").arg(SqlQuote(value))),
                     qPrintable(value));
        for (const QString &value : values) {
            QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM t WHERE v = %1").arg(SqlQuote(value))));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 1);
        }
        query.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("quote"));
    }

    void pngStructure()
    {
        const QByteArray png = SmallPng();
        QVERIFY(IsValidPng(png));
        QVERIFY(!IsValidPng(QByteArray()));
        QVERIFY(!IsValidPng(png.left(png.size() / 2)));
        QVERIFY(!IsValidPng(png + "trailing"));
        QVERIFY(!IsValidPng(QByteArray("\xff\xd8\xff\xe0 JFIF", 10)));

        QByteArray corrupted = png;
        corrupted[png.indexOf("IDAT") + 6] = char(corrupted[png.indexOf("IDAT") + 6] ^ 0x55);
        QVERIFY(!IsValidPng(corrupted));

        // A chunk length pointing past the end of the data.
        QByteArray longChunk = png;
        longChunk[png.indexOf("IDAT") - 4] = char(0x7f);
        QVERIFY(!IsValidPng(longChunk));

        // The first chunk must be the header.
        const int ihdrEnd = 8 + 12 + 13;
        const int idat = png.indexOf("IDAT") - 4;
        const int idatEnd = png.indexOf("IEND") - 4;
        QByteArray swapped = png.left(8) + png.mid(idat, idatEnd - idat) + png.mid(8, ihdrEnd - 8)
                             + png.mid(idatEnd);
        QVERIFY(!IsValidPng(swapped));
    }

    void xmlFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.xml"));
        QDomDocument document;
        QDomElement root;
        CreateXmlDocument(document, root, QStringLiteral("Settings"));
        AppendXmlText(document, root, QStringLiteral("Road"), QStringLiteral("人民路'东段 & <x>"));
        AppendXmlFloat(document, root, QStringLiteral("Length"), 1.0f / 3.0f);
        AppendXmlBool(document, root, QStringLiteral("Flag"), true);
        AppendXmlInt(document, root, QStringLiteral("Empty"), 5).firstChild().setNodeValue(QString());
        QVERIFY(SaveXmlFile(path, document));
        QVERIFY(document.isNull());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings>\n    <Road>")));
        QVERIFY(text.contains(QStringLiteral("<Length>0.333333</Length>")));

        QDomDocument loaded;
        QDomElement loadedRoot;
        QVERIFY(LoadXmlFile(path, loaded, loadedRoot));
        QString road;
        float length = 0;
        bool flag = false;
        int empty = 42;
        QVERIFY(ReadXmlText(loadedRoot, QStringLiteral("Road"), road));
        QCOMPARE(road, QStringLiteral("人民路'东段 & <x>"));
        QVERIFY(ReadXmlFloat(loadedRoot, QStringLiteral("Length"), length));
        QCOMPARE(length, 0.333333f);
        QVERIFY(ReadXmlBool(loadedRoot, QStringLiteral("Flag"), flag));
        QVERIFY(flag);
        QVERIFY(!ReadXmlInt(loadedRoot, QStringLiteral("Empty"), empty));
        QCOMPARE(empty, 42);
        QVERIFY(!ReadXmlText(loadedRoot, QStringLiteral("Missing"), road));
    }

    // A disk that fills up while saving keeps the previous file and reports the failure.
    void shortWriteKeepsPreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.xml"));
        QDomDocument small;
        QDomElement root;
        CreateXmlDocument(small, root, QStringLiteral("Settings"));
        AppendXmlText(small, root, QStringLiteral("Kept"), QStringLiteral("yes"));
        QVERIFY(SaveXmlFile(path, small));
        const qint64 keptSize = QFileInfo(path).size();

        QDomDocument large;
        CreateXmlDocument(large, root, QStringLiteral("Settings"));
        AppendXmlText(large, root, QStringLiteral("Big"), QString(200000, QLatin1Char('x')));
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = previous;
        capped.rlim_cur = 65536;
        setrlimit(RLIMIT_FSIZE, &capped);
        const bool saved = SaveXmlFile(path, large);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved);
        QCOMPARE(QFileInfo(path).size(), keptSize);
    }

    void xmlBoolIsCaseSensitive()
    {
        QDomDocument document;
        document.setContent(QStringLiteral("<r><a>TRUE</a><b>true</b><c></c></r>"));
        bool a = true, b = false, c = true;
        ReadXmlBool(document.documentElement(), QStringLiteral("a"), a);
        ReadXmlBool(document.documentElement(), QStringLiteral("b"), b);
        ReadXmlBool(document.documentElement(), QStringLiteral("c"), c);
        QVERIFY(!a);
        QVERIFY(b);
        QVERIFY(c);
    }

    void badXmlFiles()
    {
        QTemporaryDir dir;
        QDomDocument document;
        QDomElement root;
        QVERIFY(!LoadXmlFile(dir.filePath(QStringLiteral("missing.xml")), document, root));
        const QString broken = dir.filePath(QStringLiteral("broken.xml"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Settings><open></Settings>");
        file.close();
        QVERIFY(!LoadXmlFile(broken, document, root));

        // A save into a folder that does not exist fails and writes nothing.
        QDomDocument doc;
        QDomElement r;
        CreateXmlDocument(doc, r, QStringLiteral("Settings"));
        QVERIFY(!SaveXmlFile(dir.filePath(QStringLiteral("no/such/dir/x.xml")), doc));
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
