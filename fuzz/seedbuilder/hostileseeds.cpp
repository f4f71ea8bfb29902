#include "hostileseeds.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtEndian>

#include <zlib.h>

#include "core/inspection/rtvschema.h"
#include "seedfiles.h"

namespace {

constexpr int kNestingDepth = 50000;
constexpr int kEntitySize = 100 * 1024;
constexpr int kEntityReferences = 10000;
constexpr quint32 kHugeSide = 30000;

QByteArray XmlHead()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
}

QByteArray DeeplyNested(const QByteArray &root)
{
    return XmlHead() + '<' + root + '>' + QByteArray("<a>").repeated(kNestingDepth) +
           QByteArray("</a>").repeated(kNestingDepth) + "</" + root + '>';
}

// One large internal entity, referenced many times.
QByteArray EntityExpansion(const QByteArray &root)
{
    return XmlHead() + "<!DOCTYPE " + root + " [<!ENTITY big \"" + QByteArray(kEntitySize, 'x') +
           "\">]>\n<" + root + '>' + QByteArray("&big;").repeated(kEntityReferences) + "</" + root +
           '>';
}

QByteArray Chunk(const char *type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(data.size()), chunk.data());
    const QByteArray body = type + data;
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian(quint32(crc32(crc32(0L, Z_NULL, 0),
                               reinterpret_cast<const Bytef *>(body.constData()), body.size())),
                 crc.data());
    return chunk + crc;
}

// A 30000 x 30000 RGB header over a few bytes of pixels; the broken end chunk fails the
// check, so the blob goes to the decoder.
QByteArray PngBomb()
{
    QByteArray header(13, '\0');
    qToBigEndian(kHugeSide, header.data());
    qToBigEndian(kHugeSide, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 2; // RGB
    QByteArray pixels(1024, '\0');
    QByteArray compressed = qCompress(pixels).mid(4); // zlib stream without Qt's size prefix
    QByteArray end = Chunk("IEND", QByteArray());
    end[end.size() - 1] = char(end.at(end.size() - 1) ^ 0xff);
    return QByteArrayLiteral("\x89PNG\r\n\x1a\n") + Chunk("IHDR", header) +
           Chunk("IDAT", compressed) + end;
}

// An RTV file whose pipe section holds the text and whose track table is, when endless
// is set, a view that never ends; otherwise with one defect whose frame is the blob.
bool WriteRtv(const QString &path, const QString &pipeText, const QByteArray &frame, bool endless)
{
    const QString name = QStringLiteral("hostile");
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        written = db.open() && query.exec(QString::fromLatin1(kCreateProjectParam)) &&
                  query.exec(QString::fromLatin1(kCreatePipelineParam)) &&
                  query.exec(QString::fromLatin1(kCreateDefectsFound)) &&
                  query.exec(QStringLiteral("INSERT INTO ProjectParam (id, strTestDate) "
                                            "VALUES (1, '2020-01-01')"));
        written = written &&
                  query.prepare(QStringLiteral("INSERT INTO PipelineParam VALUES ('W1', 'W2', ?)"));
        query.addBindValue(pipeText);
        written = written && query.exec();
        if (endless) {
            written =
                written && query.exec(QStringLiteral(
                               "CREATE VIEW RobotTrackLog AS WITH RECURSIVE n(i) AS (SELECT 1 "
                               "UNION ALL SELECT i + 1 FROM n) SELECT i AS nTimeIndex, '' AS "
                               "strCurTime, '' AS strRobotState FROM n"));
        } else {
            written = written && query.exec(QString::fromLatin1(kCreateRobotTrackLog)) &&
                      query.prepare(QStringLiteral(
                          "INSERT INTO DefectsFound VALUES (500, '00:00:01', ?, ?, '', '')"));
            query.addBindValue(frame);
            query.addBindValue(frame);
            written = written && query.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return written;
}

bool AddRtv(const QString &outDir, const QString &pipeText, const QByteArray &frame, bool endless)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.rtv"));
    QFile file(path);
    return dir.isValid() && WriteRtv(path, pipeText, frame, endless) &&
           file.open(QIODevice::ReadOnly) &&
           SeedFiles::Add(outDir, QStringLiteral("rtv"), file.readAll());
}

} // namespace

namespace HostileSeeds {

bool Add(const QString &outDir, QString *error)
{
    const QByteArray entity = QByteArrayLiteral("KLN_CONFIG");
    const QByteArray description = QByteArrayLiteral("VideoInfo");
    const bool added =
        SeedFiles::Add(outDir, QStringLiteral("xmlentity"), '\0' + DeeplyNested(entity)) &&
        SeedFiles::Add(outDir, QStringLiteral("xmlentity"), '\0' + EntityExpansion(entity)) &&
        SeedFiles::Add(outDir, QStringLiteral("description"), DeeplyNested(description)) &&
        SeedFiles::Add(outDir, QStringLiteral("description"), EntityExpansion(description)) &&
        SeedFiles::Add(outDir, QStringLiteral("png"), PngBomb()) &&
        AddRtv(outDir, QString::fromUtf8(DeeplyNested(entity)), QByteArray(), false) &&
        AddRtv(outDir, QString(), PngBomb(), false) && AddRtv(outDir, QString(), {}, true);
    if (!added)
        *error = QStringLiteral("cannot write the hostile seeds");
    return added;
}

} // namespace HostileSeeds
