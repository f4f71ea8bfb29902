#include "rtvwriter.h"

#include "xmlforms.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The field unit's creation statements, blank runs included.
const char kProjectParamHead[] =
    "CREATE TABLE IF NOT EXISTS ProjectParam (id INTEGER UNIQUE PRIMARY KEY, strTester VARCHAR,"
    "            strTestUnit VARCHAR,           strTestDevice VARCHAR,           strTestSite "
    "VARCHAR,"
    "           strTestDate VARCHAR";
const char kProjectNameColumn[] = ",           strProjectName VARCHAR";
const char kInterpretationColumn[] = ",           bIsInterpretation BOOL";
const char kPipelineParam[] =
    "CREATE TABLE IF NOT EXISTS PipelineParam (strStartWellID VARCHAR, strEndWellID VARCHAR,"
    "                 strParam VARCHAR,CONSTRAINT pk_PipelineID PRIMARY KEY "
    "(strStartWellID,strEndWellID))";
const char kRobotTrackLog[] =
    "CREATE TABLE IF NOT EXISTS RobotTrackLog (nTimeIndex INTEGER UNIQUE PRIMARY KEY,"
    "                strCurTime VARCHAR,                 strRobotState VARCHAR)";
const char kDefectsFound[] =
    "CREATE TABLE IF NOT EXISTS DefectsFound (nTimeIndex INTEGER  UNIQUE PRIMARY KEY,"
    "                strCurTime VARCHAR,                 imgDataOrg BLOB,"
    "                imgDataDefect BLOB,                 strDefectParam VARCHAR,"
    "                 strVectorGraph VARCHAR)";

int g_connectionCounter = 0;

bool fail(QString *error, const QString &what, const QSqlError &sqlError)
{
    if (error)
        *error = what + QStringLiteral(": ") + sqlError.text();
    return false;
}

bool run(QSqlDatabase &db, const QString &statement, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        return fail(error, statement.left(60), query.lastError());
    return true;
}

bool finishFile(QSqlDatabase &db, bool ok, QString *error)
{
    if (!ok) {
        db.rollback();
        return false;
    }
    if (!db.commit())
        return fail(error, QStringLiteral("commit"), db.lastError());
    return true;
}

} // namespace

ScopedSqliteFile::ScopedSqliteFile(const QString &path)
    : m_connection(QStringLiteral("tq420-sampledata-%1").arg(++g_connectionCounter))
{
    if (QFile::exists(path) && !QFile::remove(path)) {
        m_error = QStringLiteral("cannot replace ") + path;
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    m_open = db.open();
    if (!m_open) {
        m_error = db.lastError().text();
        return;
    }
    // Generated files can be made again; waiting for the disk buys nothing here.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
}

ScopedSqliteFile::~ScopedSqliteFile()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ScopedSqliteFile::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

namespace RtvWriter {

bool createTables(QSqlDatabase &db, int version, QString *error)
{
    QString projectParam = QString::fromLatin1(kProjectParamHead);
    if (version & RtvProjectNameBit)
        projectParam += QLatin1String(kProjectNameColumn);
    if (version & RtvInterpretationBit)
        projectParam += QLatin1String(kInterpretationColumn);
    projectParam += QLatin1Char(')');
    return run(db, projectParam, error) && run(db, QLatin1String(kPipelineParam), error) &&
           run(db, QLatin1String(kRobotTrackLog), error) &&
           run(db, QLatin1String(kDefectsFound), error);
}

bool insertHeader(QSqlDatabase &db, int version, const SampleHeader &h, QString *error)
{
    QString columns =
        QStringLiteral("id, strTester, strTestUnit, strTestDevice, strTestSite, strTestDate");
    QString values = QStringLiteral("1, ?, ?, ?, ?, ?");
    if (version & RtvProjectNameBit) {
        columns += QStringLiteral(", strProjectName");
        values += QStringLiteral(", ?");
    }
    if (version & RtvInterpretationBit) {
        columns += QStringLiteral(", bIsInterpretation");
        values += QStringLiteral(", ?");
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO ProjectParam (%1) VALUES (%2)").arg(columns, values));
    query.addBindValue(h.strTester);
    query.addBindValue(h.strTestUnit);
    query.addBindValue(h.strTestDevice);
    query.addBindValue(h.strTestSite);
    query.addBindValue(h.strTestDate);
    if (version & RtvProjectNameBit)
        query.addBindValue(h.strProjectName);
    if (version & RtvInterpretationBit)
        query.addBindValue(h.bIsInterpretation ? 1 : 0);
    if (!query.exec())
        return fail(error, QStringLiteral("insert ProjectParam"), query.lastError());
    return true;
}

bool insertPipe(QSqlDatabase &db, const SamplePipe &pipe, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO PipelineParam (strStartWellID, strEndWellID, strParam) VALUES (?, ?, ?)"));
    query.addBindValue(pipe.strStartWellID);
    query.addBindValue(pipe.strEndWellID);
    query.addBindValue(pipe.useRawXml ? pipe.rawXml : XmlForms::pipeSection(pipe));
    if (!query.exec())
        return fail(error, QStringLiteral("insert PipelineParam"), query.lastError());
    return true;
}

bool insertTrack(QSqlDatabase &db, const QList<SampleTrack> &track, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO RobotTrackLog (nTimeIndex, strCurTime, strRobotState) VALUES (?, ?, ?)"));
    for (const SampleTrack &t : track) {
        query.addBindValue(t.nTimeIndex);
        query.addBindValue(t.strCurTime);
        query.addBindValue(t.useRawXml ? t.rawXml : XmlForms::robotState(t));
        if (!query.exec())
            return fail(error, QStringLiteral("insert RobotTrackLog"), query.lastError());
    }
    return true;
}

bool insertDefect(QSqlDatabase &db, const SampleDefect &d, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO DefectsFound (nTimeIndex, strCurTime, imgDataOrg, imgDataDefect, "
        "strDefectParam, strVectorGraph) VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(d.nTimeIndex);
    query.addBindValue(d.strCurTime);
    // A default-constructed QByteArray would bind as NULL; empty blobs stay empty blobs.
    query.addBindValue(d.imgDataOrg.isNull() ? QByteArray("") : d.imgDataOrg);
    query.addBindValue(d.imgDataDefect.isNull() ? QByteArray("") : d.imgDataDefect);
    query.addBindValue(d.useRawParamXml ? d.rawParamXml : XmlForms::defectParam(d));
    query.addBindValue(d.useRawVectorXml ? d.rawVectorXml : XmlForms::vectorGraph(d.shapes));
    if (!query.exec())
        return fail(error, QStringLiteral("insert DefectsFound"), query.lastError());
    return true;
}

bool write(const QString &path, const SampleRtv &sample, QString *error)
{
    ScopedSqliteFile file(path);
    if (!file.isOpen()) {
        if (error)
            *error = file.errorText();
        return false;
    }
    QSqlDatabase db = file.database();
    if (!db.transaction())
        return fail(error, QStringLiteral("begin"), db.lastError());
    bool ok = createTables(db, sample.version, error);
    if (ok && sample.hasHeaderRow)
        ok = insertHeader(db, sample.version, sample.header, error);
    if (ok && sample.hasPipeRow)
        ok = insertPipe(db, sample.pipe, error);
    if (ok)
        ok = insertTrack(db, sample.track, error);
    for (int i = 0; ok && i < sample.defects.size(); ++i)
        ok = insertDefect(db, sample.defects.at(i), error);
    return finishFile(db, ok, error);
}

bool writeWithoutTables(const QString &path, QString *error)
{
    ScopedSqliteFile file(path);
    if (!file.isOpen()) {
        if (error)
            *error = file.errorText();
        return false;
    }
    QSqlDatabase db = file.database();
    // Setting the user version writes the database header, so the file is a
    // real SQLite file rather than a zero-byte one.
    return run(db, QStringLiteral("PRAGMA user_version = 420"), error);
}

} // namespace RtvWriter
