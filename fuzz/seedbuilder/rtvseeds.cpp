#include "rtvseeds.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include "seedfiles.h"

namespace {

constexpr int kRowsPerColumn = 3;
constexpr int kFramesPerFile = 2;

// An XML column of the file and the selector byte of its reader in the entity target.
struct XmlColumn
{
    const char *table;
    const char *column;
    char selector;
};
const XmlColumn kXmlColumns[] = {
    {"PipelineParam", "strParam", 0},
    {"RobotTrackLog", "strRobotState", 1},
    {"DefectsFound", "strDefectParam", 2},
    {"DefectsFound", "strVectorGraph", 3},
};

QByteArray TinyPng()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// One connection for the life of the object; a sample may be no database at all.
class Connection
{
public:
    Connection(const QString &path, bool readOnly)
        : m_name(QStringLiteral("seed%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (readOnly)
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        m_open = db.open();
    }
    ~Connection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_open; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // Views and triggers of a hostile sample are never run: only real tables are read.
    bool hasTable(const QString &table) const
    {
        QSqlQuery query(db());
        query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                     "name = ?"));
        query.addBindValue(table);
        return query.exec() && query.next();
    }

private:
    static int s_count;
    QString m_name;
    bool m_open = false;
};
int Connection::s_count = 0;

void AddXmlTexts(const Connection &source, const QString &outDir)
{
    for (const XmlColumn &column : kXmlColumns) {
        if (!source.hasTable(QLatin1String(column.table)))
            continue;
        QSqlQuery query(source.db());
        if (!query.exec(QStringLiteral("SELECT %1 FROM %2 LIMIT %3")
                            .arg(QLatin1String(column.column), QLatin1String(column.table))
                            .arg(kRowsPerColumn)))
            continue;
        while (query.next())
            SeedFiles::Add(outDir, QStringLiteral("xmlentity"),
                           column.selector + query.value(0).toString().toUtf8());
    }
}

void AddFrames(const Connection &source, const QString &outDir)
{
    if (!source.hasTable(QStringLiteral("DefectsFound")))
        return;
    QSqlQuery query(source.db());
    if (!query.exec(
            QStringLiteral("SELECT imgDataOrg FROM DefectsFound LIMIT %1").arg(kFramesPerFile)))
        return;
    while (query.next()) {
        const QByteArray frame = query.value(0).toByteArray();
        if (!frame.isEmpty())
            SeedFiles::Add(outDir, QStringLiteral("png"), frame);
    }
}

// A copy of the file whose frames are tiny, in small pages; the file as it is when it is
// no database.
QByteArray ShrunkCopy(const QString &rtvPath, QString *error)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.rtv"));
    if (!dir.isValid() || !QFile::copy(rtvPath, copy)) {
        *error = QStringLiteral("cannot copy %1").arg(rtvPath);
        return QByteArray();
    }
    {
        Connection target(copy, false);
        if (target.isOpen() && target.hasTable(QStringLiteral("DefectsFound"))) {
            QSqlQuery query(target.db());
            query.prepare(QStringLiteral("UPDATE DefectsFound SET imgDataOrg = ?, "
                                         "imgDataDefect = ? WHERE length(imgDataOrg) > 0"));
            query.addBindValue(TinyPng());
            query.addBindValue(TinyPng());
            query.exec();
            query.exec(QStringLiteral("PRAGMA page_size = 512"));
            query.exec(QStringLiteral("VACUUM"));
        }
    }
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(copy);
        return QByteArray();
    }
    return file.readAll();
}

} // namespace

namespace RtvSeeds {

bool Add(const QString &rtvPath, const QString &outDir, QString *error)
{
    {
        const Connection source(rtvPath, true);
        if (source.isOpen()) {
            AddXmlTexts(source, outDir);
            AddFrames(source, outDir);
        }
    }
    const QByteArray shrunk = ShrunkCopy(rtvPath, error);
    if (shrunk.isNull() && QFileInfo(rtvPath).size() > 0)
        return false;
    if (!SeedFiles::Add(outDir, QStringLiteral("rtv"), shrunk)) {
        *error = QStringLiteral("cannot write the seeds of %1").arg(rtvPath);
        return false;
    }
    return SeedFiles::Add(outDir, QStringLiteral("png"), TinyPng());
}

} // namespace RtvSeeds
