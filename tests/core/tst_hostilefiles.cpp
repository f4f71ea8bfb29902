// Hostile inspection files and XML texts: every reader ends quickly and in little memory,
// reads what is sound and refuses the rest, and no SQL stored in a file ever runs.
#include <QtTest>

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextCodec>
#include <QtEndian>

#include <climits>
#include <cmath>

#include "core/common/pngcheck.h"
#include "core/common/xmlfile.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/cfilebmw.h"
#include "core/inspection/cfilertv.h"
#include "core/inspection/cframewriter.h"
#include "support/testsupport.h"

namespace {
const QString kConnection = QStringLiteral("hostile");

// Runs one statement with a connection of the test's own; the values are bound in order.
bool Execute(const QString &path, const QString &statement, const QVariantList &values = {})
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        ok = db.open() && query.prepare(statement);
        for (const QVariant &value : values)
            query.addBindValue(value);
        ok = ok && query.exec();
        if (!ok)
            qInfo() << statement.left(80) << query.lastError().text();
    }
    QSqlDatabase::removeDatabase(kConnection);
    return ok;
}

QVariant QueryValue(const QString &path, const QString &statement)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(statement) && query.next())
            value = query.value(0);
    }
    QSqlDatabase::removeDatabase(kConnection);
    return value;
}

QByteArray FileHash(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}

// A pipe section text with the remark; the padding goes around the remark element.
QString PipeXml(const QString &remark, const QString &before = QString(),
                const QString &after = QString())
{
    return QStringLiteral("<KLN_CONFIG><PipelineParam>%1<strRemark>%2</strRemark>%3"
                          "</PipelineParam></KLN_CONFIG>")
        .arg(before, remark, after);
}

QString DefectXml(const QString &distance, const QString &length)
{
    return QStringLiteral("<DefectParam><DefectParam><DefectName>2</DefectName>"
                          "<fDistance>%1</fDistance><fLength>%2</fLength></DefectParam>"
                          "</DefectParam>")
        .arg(distance, length);
}

// CRC-32 of PNG chunks, computed bit by bit: the chunks built here are small.
quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray Chunk(const QByteArray &type, const QByteArray &data, bool goodCrc = true)
{
    QByteArray length(4, '\0');
    qToBigEndian(quint32(data.size()), length.data());
    QByteArray crc(4, '\0');
    qToBigEndian(Crc32(type + data) ^ (goodCrc ? 0u : 1u), crc.data());
    return length + type + data + crc;
}

// A PNG whose header announces the size; its pixel data is a few bytes whatever the size.
QByteArray PngWithHeader(quint32 width, quint32 height, bool goodCrc)
{
    QByteArray ihdr(13, '\0');
    qToBigEndian(width, ihdr.data());
    qToBigEndian(height, ihdr.data() + 4);
    ihdr[8] = 8; // bit depth
    ihdr[9] = 2; // RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", ihdr, goodCrc) +
           Chunk("IDAT", QByteArray::fromHex("789c030000000001")) + Chunk("IEND", QByteArray());
}

QByteArray PictureBytes(const QTemporaryDir &dir, const QString &name, Qt::GlobalColor color)
{
    return TestSupport::FileBytes(TestSupport::WritePng(dir, name, color));
}

QColor ColourAt(const QString &path)
{
    return QImage(path).pixelColor(2, 2);
}
} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::InstallWarningRecorder(); }
    void cleanup() { TQ_VERIFY_NO_WARNINGS(); }

    // An XML text that is too deep, too large, declares entities or does not parse
    // completely leaves the entity as it was; a sound one within the bounds is read.
    void xmlTextsAreBounded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        const QString sound = PipeXml(QStringLiteral("read"));
        QTest::newRow("sound") << sound << true;
        QTest::newRow("200 levels deep")
            << PipeXml(QStringLiteral("read"), QStringLiteral("<x>").repeated(200),
                       QStringLiteral("</x>").repeated(200))
            << true;
        QTest::newRow("40000 levels deep")
            << PipeXml(QStringLiteral("read"), QStringLiteral("<a>").repeated(40000),
                       QStringLiteral("</a>").repeated(40000))
            << false;
        QTest::newRow("entity referenced 50000 times")
            << QStringLiteral("<!DOCTYPE KLN_CONFIG [<!ENTITY e \"%1\">]>")
                       .arg(QStringLiteral("x").repeated(50000)) +
                   PipeXml(QStringLiteral("&e;").repeated(50000))
            << false;
        QTest::newRow("external entity")
            << QStringLiteral("<!DOCTYPE KLN_CONFIG [<!ENTITY e SYSTEM \"/etc/hostname\">]>") +
                   PipeXml(QStringLiteral("read&e;"))
            << false;
        QTest::newRow("truncated")
            << sound.left(sound.indexOf(QLatin1String("</PipelineParam>"))) << false;
        QTest::newRow("text after the root") << sound + QStringLiteral("<more/>") << false;
        QTest::newRow("larger than the bound")
            << PipeXml(QStringLiteral("read"), QString(XmlFile::kMaxXmlBytes, QLatin1Char(' ')))
            << false;
    }

    void xmlTextsAreBounded()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        PipelineParam pipe;
        pipe.strRemark = QStringLiteral("kept");
        QCOMPARE(pipe.fromXMLString(text), read);
        QCOMPARE(pipe.strRemark, read ? QStringLiteral("read") : QStringLiteral("kept"));
    }

    // Description files take the same bounds; their own encoding still counts.
    void descriptionFilesAreBounded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        const QString sound = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>"
                                             "<VideoInfo><Headline><InspectAddress>人民路"
                                             "</InspectAddress></Headline></VideoInfo>");
        QTest::newRow("GB2312") << QTextCodec::codecForName("GB2312")->fromUnicode(sound) << true;
        QTest::newRow("40000 levels deep")
            << QByteArray("<VideoInfo><Headline>" + QByteArray("<a>").repeated(40000) +
                          QByteArray("</a>").repeated(40000) + "</Headline></VideoInfo>")
            << false;
        QTest::newRow("entity referenced 50000 times")
            << QByteArray("<!DOCTYPE VideoInfo [<!ENTITY e \"" + QByteArray(50000, 'x') +
                          "\">]><VideoInfo><Headline><InspectAddress>" +
                          QByteArray("&e;").repeated(50000) +
                          "</InspectAddress></Headline></VideoInfo>")
            << false;
        QTest::newRow("truncated")
            << sound.left(sound.indexOf(QLatin1String("</Headline>"))).toUtf8() << false;
    }

    void descriptionFilesAreBounded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("video.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        CFileRTV target;
        target.GetProjectParam().strTestSite = QStringLiteral("kept");
        QCOMPARE(CFileBMW::ReadFile(path, &target), read);
        QCOMPARE(target.GetProjectParam().strTestSite,
                 read ? QStringLiteral("人民路") : QStringLiteral("kept"));
    }

    // Numbers that are not finite are refused: the field keeps its value (a defect's has
    // just been reset to 0, a pipe section's length is 100 by default).
    void numbersAreFinite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<float>("value");
        QTest::newRow("number") << "12.5" << false << 12.5f;
        QTest::newRow("not a number") << "twelve" << false << 0.0f;
        QTest::newRow("largest float") << "3.4e38" << false << 3.4e38f;
        QTest::newRow("nan") << "nan" << true << 0.0f;
        QTest::newRow("NaN") << " NaN " << true << 0.0f;
        QTest::newRow("inf") << "inf" << true << 0.0f;
        QTest::newRow("-inf") << "-inf" << true << 0.0f;
        QTest::newRow("beyond float") << "1e39" << true << 0.0f;
    }

    void numbersAreFinite()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(float, value);
        DefectParam param;
        QVERIFY(param.fromXMLString(DefectXml(text, text)));
        QCOMPARE(param.fDistance, refused ? 0.0f : value);
        QCOMPARE(param.fLength, refused ? 0.0f : value);
        QVERIFY(!CDefectVocabulary::PositionText(param).contains(QLatin1String("nan")));

        PipelineParam pipe;
        QVERIFY(pipe.fromXMLString(
            QStringLiteral("<KLN_CONFIG><PipelineParam><fPipeSectionLen>%1</fPipeSectionLen>"
                           "</PipelineParam></KLN_CONFIG>")
                .arg(text)));
        QCOMPARE(pipe.fPipeSectionLen, refused ? 100.0f : value);

        // Coordinates are doubles: the same rule.
        CDefectItem item;
        QVERIFY(item.fromXMLString(
            QStringLiteral("<VectorGrapth><Line><X1>%1</X1><Y1>3</Y1></Line></VectorGrapth>")
                .arg(text)));
        QCOMPARE(item.listVectorGraph.size(), 1);
        QVERIFY(std::isfinite(item.listVectorGraph.at(0).pt1.x()));
        QCOMPARE(item.listVectorGraph.at(0).pt1.y(), 3.0);
    }

    void levelTextNeverOverflows_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "level 1";
        QTest::newRow("INT_MAX") << INT_MAX << "level 2147483648";
        QTest::newRow("INT_MIN") << INT_MIN << "level -2147483647";
    }

    void levelTextNeverOverflows()
    {
        QFETCH(int, level);
        QFETCH(QString, text);
        DefectParam param;
        param.DefectName = 0;
        param.DefectLevel = level;
        QCOMPARE(CDefectVocabulary::LevelText(param), text);
    }

    // The header announces the size: an absurd one is refused before any decoding, and a
    // frame that fails the check is never decoded nor written.
    void framesAreCheckedBeforeDecoding_data()
    {
        QTest::addColumn<QByteArray>("png");
        QTest::addColumn<bool>("written");
        QTest::newRow("30000 x 30000, bad CRC") << PngWithHeader(30000, 30000, false) << false;
        QTest::newRow("30000 x 30000") << PngWithHeader(30000, 30000, true) << false;
        QTest::newRow("8193 x 1") << PngWithHeader(8193, 1, true) << false;
        QTest::newRow("0 x 16") << PngWithHeader(0, 16, true) << false;
        QTest::newRow("8192 x 8192") << PngWithHeader(8192, 8192, true) << true;
        QTest::newRow("16 x 12, bad CRC") << PngWithHeader(16, 12, false) << false;
    }

    void framesAreCheckedBeforeDecoding()
    {
        QFETCH(QByteArray, png);
        QFETCH(bool, written);
        QCOMPARE(Png::IsValidPng(png), written);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frame.png"));
        CFrameWriter::WriteFrame(png, path);
        QCOMPARE(QFileInfo::exists(path), written);
    }

    // A view in place of a table is never read from, whatever query it runs.
    void viewsAreRefused_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<bool>("read");
        const QString endless =
            QStringLiteral("with recursive r(n) as (select 1 union all select n + 1 from r) ");
        QTest::newRow("endless defects")
            << QStringList{"drop table DefectsFound",
                           "create view DefectsFound as " + endless +
                               "select n nTimeIndex, '' strCurTime, x'' imgDataOrg, x'' "
                               "imgDataDefect, '' strDefectParam, '' strVectorGraph from r"}
            << false;
        QTest::newRow("zero-blob defects")
            << QStringList{"drop table DefectsFound",
                           "create view DefectsFound as select 1 nTimeIndex, '' strCurTime, "
                           "zeroblob(500000000) imgDataOrg, x'' imgDataDefect, '' "
                           "strDefectParam, '' strVectorGraph"}
            << false;
        QTest::newRow("endless track")
            << QStringList{"drop table RobotTrackLog",
                           "create view RobotTrackLog as " + endless +
                               "select n nTimeIndex, '' strCurTime, '' strRobotState from r"}
            << false;
        QTest::newRow("endless pipe section")
            << QStringList{"drop table PipelineParam",
                           "create view PipelineParam as " + endless +
                               "select 'a' strStartWellID, 'b' strEndWellID, '' strParam from r"}
            << false;
        // A header that is no table reads as a missing one: defaults, the rest is read.
        QTest::newRow("endless header")
            << QStringList{"drop table ProjectParam",
                           "create view ProjectParam as " + endless +
                               "select n id, 'x' strTester, 'x' strTestUnit, 'x' strTestDevice, "
                               "'x' strTestSite, 'x' strTestDate, 'x' strProjectName, 0 "
                               "bIsInterpretation from r"}
            << true;
    }

    void viewsAreRefused()
    {
        QFETCH(QStringList, statements);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        for (const QString &statement : qAsConst(statements))
            QVERIFY(Execute(path, statement));
        CFileRTV file;
        QVERIFY(file.open(path));
        QCOMPARE(file.TraversalFile(), read);
        if (read) {
            QCOMPARE(file.GetProjectParam().strTester, QStringLiteral("Tester"));
            QCOMPARE(file.GetDefectList().size(), 5);
        }
    }

    // Triggers stored in the file never run when the program writes to it.
    void triggersNeverRun()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        QVERIFY(Execute(path, "create trigger wipeOnMark after update on ProjectParam begin "
                              "delete from DefectsFound; end"));
        QVERIFY(Execute(path, "create trigger \"wipe \"\"on\"\" edit\" after update on "
                              "DefectsFound begin delete from DefectsFound; end"));
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile()); // marks the file as interpreted
        QCOMPARE(file.GetDefectList().size(), 5);
        QVERIFY(file.UpdateDefectItem(file.GetDefectList().at(0)));
        file.close();
        QCOMPARE(QueryValue(path, "select count(*) from DefectsFound").toInt(), 5);
        QCOMPARE(QueryValue(path, "select bIsInterpretation from ProjectParam").toInt(), 1);
        QCOMPARE(
            QueryValue(path, "select count(*) from sqlite_master where type = 'trigger'").toInt(),
            0);
    }

    // Opened only for reading, an old file is read whole and left as it was.
    void readOnlyOpeningChangesNothing()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v0.rtv"), dir);
        QVERIFY(Execute(path, "create trigger wipe after update on ProjectParam begin "
                              "delete from DefectsFound; end"));
        const QByteArray before = FileHash(path);
        CFileRTV file;
        QVERIFY(file.open(path, CFileRTV::OpenReadOnly));
        QVERIFY(file.TraversalFile());
        QCOMPARE(file.GetProjectParam().strTester, QStringLiteral("Zhang Wei"));
        QVERIFY(file.GetProjectParam().bIsInterpretation); // in memory only
        QCOMPARE(file.GetDefectList().size(), 5);
        file.close();
        QCOMPARE(FileHash(path), before);
    }

    // A header table written before the id column existed keeps its values.
    void oldHeaderTableIsRead()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        for (const char *statement :
             {"create table p as select strTester, strTestUnit, strTestDevice, strTestSite, "
              "strTestDate from ProjectParam",
              "drop table ProjectParam", "alter table p rename to ProjectParam"})
            QVERIFY(Execute(path, QLatin1String(statement)));
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        const ProjectParam &header = file.GetProjectParam();
        QCOMPARE(header.strTester, QStringLiteral("Chen Jie"));
        QCOMPARE(header.strTestUnit, QStringLiteral("Dalmeron Pipe Services"));
        QCOMPARE(header.strTestSite, QStringLiteral("River Avenue"));
        QCOMPARE(header.strProjectName, QStringLiteral("River Avenue"));
        QCOMPARE(header.strTestDate, QStringLiteral("2019-05-06"));
        file.close();
        // The migrated table holds them too.
        QCOMPARE(QueryValue(path, "select strTester from ProjectParam where id = 1").toString(),
                 QStringLiteral("Chen Jie"));
    }

    // Keys beyond 32 bits stay whole: each defect has its own picture and its own sample.
    void timeIndexKeepsEveryBit()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        QVERIFY(Execute(path, "delete from DefectsFound"));
        QVERIFY(Execute(path, "delete from RobotTrackLog"));
        const QList<qint64> keys = {5, (qint64(1) << 31) + 5, (qint64(1) << 32) + 5};
        const QList<Qt::GlobalColor> colours = {Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < keys.size(); ++i)
            QVERIFY(Execute(path, "insert into DefectsFound values (?, '00:00:01', ?, x'', '', '')",
                            {keys.at(i), PictureBytes(dir, QString::number(i), colours.at(i))}));
        QVERIFY(Execute(path, "insert into RobotTrackLog values (?, '00:00:01', ?)",
                        {keys.at(2), "<VectorGrapth><ControlParam><fDistance>12.5</fDistance>"
                                     "</ControlParam></VectorGrapth>"}));
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        const QList<CDefectItem> &defects = file.GetDefectList();
        QCOMPARE(defects.size(), 3);
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(defects.at(i).nTimeIndex, keys.at(i));
            QVERIFY(defects.at(i).strOrgImgPath.endsWith(
                QStringLiteral("/%1_org.png").arg(keys.at(i))));
            QCOMPARE(ColourAt(defects.at(i).strOrgImgPath), QColor(colours.at(i)));
        }
        QCOMPARE(defects.at(0).defectParam.fDistance, 0.0f);
        QCOMPARE(defects.at(2).defectParam.fDistance, 12.5f);
    }

    // A frame or XML column above its bound is read as missing and never fetched.
    void largeColumnsAreMissing()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        QVERIFY(Execute(path, "delete from DefectsFound"));
        // A picture that decodes, followed by zeros up to the frame bound, and a sound defect
        // text padded past the XML bound.
        const QByteArray picture = PictureBytes(dir, QStringLiteral("p"), Qt::red);
        const QString padded =
            QStringLiteral("<DefectParam><DefectParam><DefectName>5</DefectName><strRemark>"
                           "</strRemark></DefectParam></DefectParam>")
                .replace(QLatin1String("<strRemark>"),
                         QStringLiteral("<strRemark>") +
                             QString(XmlFile::kMaxXmlBytes, QLatin1Char(' ')));
        QVERIFY(Execute(path, "insert into DefectsFound values (7, '00:00:07', ?, ?, ?, '')",
                        {picture + QByteArray(32 * 1024 * 1024, '\0'), picture, padded}));
        TestSupport::ClearDebugLines();
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        QCOMPARE(file.GetDefectList().size(), 1);
        const CDefectItem &defect = file.GetDefectList().at(0);
        QVERIFY(!QFileInfo::exists(defect.strOrgImgPath));
        QCOMPARE(ColourAt(defect.strDefectImgPath), QColor(Qt::red));
        QCOMPARE(defect.defectParam.DefectName, -1);
        const QString log = TestSupport::DebugLines().join(QLatin1Char('\n'));
        QVERIFY(log.contains(QLatin1String("imgDataOrg is too large")));
        QVERIFY(log.contains(QLatin1String("strDefectParam is too large")));
    }

    // A table of more rows than any recorder writes is read up to the bound.
    void rowCountsAreBounded()
    {
        QTemporaryDir dir;
        const QString path = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
        QVERIFY(Execute(path, "delete from PipelineParam"));
        QVERIFY(Execute(path, "insert into PipelineParam with recursive r(n) as (select 1 union "
                              "all select n + 1 from r where n < 101) select 'W' || n, 'E', '' "
                              "from r"));
        CFileRTV file;
        QVERIFY(file.open(path));
        QVERIFY(file.TraversalFile());
        QCOMPARE(file.GetPipelineParam().strStartWellID, QStringLiteral("W100"));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
