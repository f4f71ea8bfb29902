// Shared helpers: dates, level texts, fuzzy comparison, SQL quoting, PNG checks, XML files.
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
        QCOMPARE(MyHelper::DateTimeToText(instant, mode), text);
        QCOMPARE(MyHelper::TextToDateTime(text, mode),
                 mode == 1 ? QDateTime(QDate(2019, 5, 6), QTime(0, 0)) : instant);
    }

    void dateFallbacks()
    {
        QCOMPARE(MyHelper::TextToDateTime(QStringLiteral("20190506"), 0).date(), QDate(2019, 5, 6));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(MyHelper::TextToDateTime(QString(), 1) >= before);
        QVERIFY(MyHelper::TextToDateTime(QStringLiteral("yesterday"), 1) >= before);
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
        QTEST(MyHelper::LevelFromText(text), "level");
    }

    void fuzzyComparison()
    {
        QVERIFY(MyHelper::FuzzyEqual(1.0, 1.000009));
        QVERIFY(!MyHelper::FuzzyEqual(1.0, 1.00002));
        QVERIFY(MyHelper::FuzzyLessEqual(4.000001, 4.0));
        QVERIFY(!MyHelper::FuzzyLess(3.999999, 4.0));
        QVERIFY(MyHelper::FuzzyLess(3.99, 4.0));
        QVERIFY(!MyHelper::FuzzyGreater(1.000001, 1.0));
        QVERIFY(MyHelper::FuzzyGreater(1.1, 1.0));
        QVERIFY(MyHelper::FuzzyGreaterEqual(0.999999, 1.0));
    }

    // A quoted value is stored as it is and matches itself, whatever it holds.
    void sqlQuoting()
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("quote"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE t (v VARCHAR)")));
        const QStringList values = {QStringLiteral("人民路'东段"),
                                    QStringLiteral("'; DROP TABLE t; --"), QStringLiteral("''"),
                                    QStringLiteral("a\"b&<>"), QString()};
        for (const QString &value : values)
            QVERIFY2(query.exec(
                         QStringLiteral("INSERT INTO t VALUES (%1)").arg(SqlText::SqlQuote(value))),
                     qPrintable(value));
        for (const QString &value : values) {
            QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM t WHERE v = %1")
                                   .arg(SqlText::SqlQuote(value))));
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
        QVERIFY(Png::IsValidPng(png));
        QVERIFY(!Png::IsValidPng(QByteArray()));
        QVERIFY(!Png::IsValidPng(png.left(png.size() / 2)));
        QVERIFY(!Png::IsValidPng(png + "trailing"));
        QVERIFY(!Png::IsValidPng(QByteArray("\xff\xd8\xff\xe0 JFIF", 10)));

        QByteArray corrupted = png;
        corrupted[png.indexOf("IDAT") + 6] = char(corrupted[png.indexOf("IDAT") + 6] ^ 0x55);
        QVERIFY(!Png::IsValidPng(corrupted));

        // A chunk length pointing past the end of the data.
        QByteArray longChunk = png;
        longChunk[png.indexOf("IDAT") - 4] = char(0x7f);
        QVERIFY(!Png::IsValidPng(longChunk));

        // The first chunk must be the header.
        const int ihdrEnd = 8 + 12 + 13;
        const int idat = png.indexOf("IDAT") - 4;
        const int idatEnd = png.indexOf("IEND") - 4;
        QByteArray swapped = png.left(8) + png.mid(idat, idatEnd - idat) + png.mid(8, ihdrEnd - 8) +
                             png.mid(idatEnd);
        QVERIFY(!Png::IsValidPng(swapped));
    }

    void xmlFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.xml"));
        QDomDocument document;
        QDomElement root;
        XmlFile::CreateXmlDocument(document, root, QStringLiteral("Settings"));
        XmlFile::AppendXmlText(document, root, QStringLiteral("Road"),
                               QStringLiteral("人民路'东段 & <x>"));
        XmlFile::AppendXmlFloat(document, root, QStringLiteral("Length"), 1.0f / 3.0f);
        XmlFile::AppendXmlBool(document, root, QStringLiteral("Flag"), true);
        XmlFile::AppendXmlInt(document, root, QStringLiteral("Empty"), 5)
            .firstChild()
            .setNodeValue(QString());
        QVERIFY(XmlFile::SaveXmlFile(path, document));
        QVERIFY(document.isNull());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings>\n    <Road>")));
        QVERIFY(text.contains(QStringLiteral("<Length>0.333333</Length>")));

        QDomDocument loaded;
        QDomElement loadedRoot;
        QVERIFY(XmlFile::LoadXmlFile(path, loaded, loadedRoot));
        QString road;
        float length = 0;
        bool flag = false;
        int empty = 42;
        QVERIFY(XmlFile::ReadXmlText(loadedRoot, QStringLiteral("Road"), road));
        QCOMPARE(road, QStringLiteral("人民路'东段 & <x>"));
        QVERIFY(XmlFile::ReadXmlFloat(loadedRoot, QStringLiteral("Length"), length));
        QCOMPARE(length, 0.333333f);
        QVERIFY(XmlFile::ReadXmlBool(loadedRoot, QStringLiteral("Flag"), flag));
        QVERIFY(flag);
        QVERIFY(!XmlFile::ReadXmlInt(loadedRoot, QStringLiteral("Empty"), empty));
        QCOMPARE(empty, 42);
        QVERIFY(!XmlFile::ReadXmlText(loadedRoot, QStringLiteral("Missing"), road));
    }

    // A disk that fills up while saving keeps the previous file and reports the failure.
    void shortWriteKeepsPreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.xml"));
        QDomDocument small;
        QDomElement root;
        XmlFile::CreateXmlDocument(small, root, QStringLiteral("Settings"));
        XmlFile::AppendXmlText(small, root, QStringLiteral("Kept"), QStringLiteral("yes"));
        QVERIFY(XmlFile::SaveXmlFile(path, small));
        const qint64 keptSize = QFileInfo(path).size();

        QDomDocument large;
        XmlFile::CreateXmlDocument(large, root, QStringLiteral("Settings"));
        XmlFile::AppendXmlText(large, root, QStringLiteral("Big"),
                               QString(200000, QLatin1Char('x')));
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = previous;
        capped.rlim_cur = 65536;
        setrlimit(RLIMIT_FSIZE, &capped);
        const bool saved = XmlFile::SaveXmlFile(path, large);
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
        XmlFile::ReadXmlBool(document.documentElement(), QStringLiteral("a"), a);
        XmlFile::ReadXmlBool(document.documentElement(), QStringLiteral("b"), b);
        XmlFile::ReadXmlBool(document.documentElement(), QStringLiteral("c"), c);
        QVERIFY(!a);
        QVERIFY(b);
        QVERIFY(c);
    }

    void badXmlFiles()
    {
        QTemporaryDir dir;
        QDomDocument document;
        QDomElement root;
        QVERIFY(!XmlFile::LoadXmlFile(dir.filePath(QStringLiteral("missing.xml")), document, root));
        const QString broken = dir.filePath(QStringLiteral("broken.xml"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Settings><open></Settings>");
        file.close();
        QVERIFY(!XmlFile::LoadXmlFile(broken, document, root));

        // A save into a folder that does not exist fails and writes nothing.
        QDomDocument doc;
        QDomElement r;
        XmlFile::CreateXmlDocument(doc, r, QStringLiteral("Settings"));
        QVERIFY(!XmlFile::SaveXmlFile(dir.filePath(QStringLiteral("no/such/dir/x.xml")), doc));
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
