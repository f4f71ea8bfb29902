// The named statements of the project database: project totals, defect rows,
// counts for paging, key lists and the defect sheet. Every value is bound or quoted.
#include "core/database/ckln_tq420database.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/common/sqlquote.h"
#include "core/files/qvedioinfo.h"
#include "core/inspection/cdefectitem.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/pipelineparam.h"
#include "core/settings/qsysteminfo.h"

namespace {
constexpr int kProjectKeyLength = 10;

const QString kInsertDefectStatement = QStringLiteral(
    "INSERT INTO DefectInfo (RoadName, PipeNum, PipeType, PipeMeterial, PipeDiameter, "
    "DefectName, DefectLevel, DefectType, DefectPosion, TestDate, InterpretaionDate, HashCode, "
    "VedioHashCode ,Remark ,ImagePath,ProHashCode,TimeIndex,DefectLength) VALUES "
    "(:RoadName,:PipeNum,:PipeType,:PipeMeterial,:PipeDiameter,:DefectName,:DefectLevel,"
    ":DefectType,:DefectPosion,:TestDate,:InterpretaionDate,:HashCode,:VedioHashCode,:Remark,"
    ":ImagePath,:ProHashCode,:TimeIndex,:DefectLength)");

// A bound null text would store NULL (and fail the NOT NULL columns); store "" instead.
QString Text(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// The pipe-section values every defect row of one video carries.
struct PipeColumns
{
    QString roadName;
    QString pipeNum;
    QString pipeType;
    QString pipeMaterial;
    int diameter = 0;
    QString testDate;
};

PipeColumns PipeColumnsOf(const QString &roadName, const QString &testDate,
                          const PipelineParam &pipe)
{
    // The system settings store is built on the GUI thread before any import starts.
    QSystemInfo *settings = QSystemInfo::GetInstance();
    PipeColumns columns;
    columns.roadName = Text(roadName);
    columns.pipeNum = pipe.strStartWellID + QLatin1Char('~') + pipe.strEndWellID;
    columns.pipeType =
        Text(settings->OptionList(QSystemInfo::PipeType)->itemAt(pipe.nPipeSectionType));
    columns.pipeMaterial =
        Text(settings->OptionList(QSystemInfo::PipeMaterial)->itemAt(pipe.nPipeSectionMaterial));
    columns.diameter = pipe.nPipeSectionDiameter;
    columns.testDate = Text(testDate);
    return columns;
}

bool ExecInsertDefect(QSqlQuery &query, const PipeColumns &pipe, const QString &videoKey,
                      const CDefectItem &item)
{
    const DefectParam &param = item.defectParam;
    query.bindValue(QStringLiteral(":RoadName"), pipe.roadName);
    query.bindValue(QStringLiteral(":PipeNum"), pipe.pipeNum);
    query.bindValue(QStringLiteral(":PipeType"), pipe.pipeType);
    query.bindValue(QStringLiteral(":PipeMeterial"), pipe.pipeMaterial);
    query.bindValue(QStringLiteral(":PipeDiameter"), pipe.diameter);
    query.bindValue(QStringLiteral(":DefectName"), Text(CDefectVocabulary::NameText(param)));
    query.bindValue(QStringLiteral(":DefectLevel"), Text(CDefectVocabulary::LevelText(param)));
    query.bindValue(QStringLiteral(":DefectType"), Text(CDefectVocabulary::ClassText(param)));
    query.bindValue(QStringLiteral(":DefectPosion"), Text(CDefectVocabulary::PositionText(param)));
    query.bindValue(QStringLiteral(":TestDate"), pipe.testDate);
    query.bindValue(QStringLiteral(":InterpretaionDate"), Text(param.strInterpretDate));
    query.bindValue(QStringLiteral(":HashCode"),
                    CKLN_TQ420DataBase::DefectKey(videoKey, item.nTimeIndex));
    query.bindValue(QStringLiteral(":VedioHashCode"), Text(videoKey));
    query.bindValue(QStringLiteral(":Remark"), Text(param.strRemark));
    query.bindValue(QStringLiteral(":ImagePath"), Text(item.strDefectImgPath));
    query.bindValue(QStringLiteral(":ProHashCode"),
                    Text(CKLN_TQ420DataBase::ProjectKeyOfVideo(videoKey)));
    query.bindValue(QStringLiteral(":TimeIndex"), item.nTimeIndex);
    query.bindValue(QStringLiteral(":DefectLength"), param.fLength);
    if (query.exec())
        return true;
    TQ_LOG << kInsertDefectStatement << "  ERROR:" << query.lastError().text();
    return false;
}

// Runs a statement that returns rows; every row as a list of its values (NULL as "").
QList<QVariantList> ListRows(QSqlDatabase &db, const QString &statement)
{
    QList<QVariantList> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return rows;
    }
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << (query.isNull(i) ? QVariant(QStringLiteral("")) : query.value(i));
        rows << row;
    }
    return rows;
}
} // namespace

QString CKLN_TQ420DataBase::DefectKey(const QString &videoKey, qint64 nTimeIndex)
{
    return videoKey + QStringLiteral("D_%1").arg(nTimeIndex);
}

QString CKLN_TQ420DataBase::ProjectKeyOfVideo(const QString &videoKey)
{
    return videoKey.left(kProjectKeyLength);
}

bool CKLN_TQ420DataBase::UpdateProjectCountInfo(const QString &projectKey, int &videoCount,
                                                int &pipeCount, float &mileage,
                                                int &standardInterpretationCount,
                                                int &interpretationCount)
{
    videoCount = pipeCount = standardInterpretationCount = interpretationCount = 0;
    mileage = 0;
    QSqlDatabase db;
    // Count and store under the write lock: another process adding videos at the same
    // time cannot slip a row in between, so the last recount is the right one.
    if (!OpenConnection(db, "UpdateProjectCountInfo") || !BeginImmediate(db))
        return false;
    const QString count =
        QStringLiteral(
            "SELECT COUNT(*),SUM(iDefectNums) SUM_DefectNum ,SUM(PipeSectionLen) SUM_SectionLen "
            "FROM VedioCount WHERE ProHashCode =  %1")
            .arg(SqlText::SqlQuote(projectKey));
    {
        QSqlQuery query(db);
        if (!query.exec(count)) {
            TQ_LOG << count << "  ERROR:" << query.lastError().text();
            query = QSqlQuery();
            db.rollback();
            return false;
        }
        if (query.next()) {
            videoCount = query.value(0).toInt();
            interpretationCount = query.value(1).toInt(); // NULL sums read as 0
            mileage = query.value(2).toFloat();
        }
    }
    pipeCount = videoCount; // every video is one pipe section
    // Nothing in the system counts standard interpretations: it stays 0.
    const QString update =
        QStringLiteral("UPDATE ProjectDetail SET VedioNums = %2 ,PipeNums=%3 ,Mileages=%4 "
                       ",StandardInterpretationNums=%5 ,iInterpretationNums=%6 WHERE HashCode = %1")
            .arg(SqlText::SqlQuote(projectKey), SqlText::SqlQuote(QString::number(videoCount)),
                 SqlText::SqlQuote(QString::number(pipeCount)),
                 SqlText::SqlQuote(QString::number(mileage, 'g', 6)),
                 SqlText::SqlQuote(QString::number(standardInterpretationCount)),
                 SqlText::SqlQuote(QString::number(interpretationCount)));
    {
        QSqlQuery query(db);
        if (!query.exec(update)) {
            TQ_LOG << update << "  ERROR:" << query.lastError().text();
            query = QSqlQuery();
            db.rollback();
            return false;
        }
    }
    return Commit(db);
}

bool CKLN_TQ420DataBase::DeleteDefectItem(const QString &defectKey)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "DeleteDefectItem"))
        return false;
    const QString statement = QStringLiteral("DELETE FROM DefectInfo WHERE HashCode == %1 ;")
                                  .arg(SqlText::SqlQuote(defectKey));
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return false;
    }
    return true;
}

bool CKLN_TQ420DataBase::updateVideoInterpretationNum(const QString &videoKey, int defectCount)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "updateVideoInterpretationNum"))
        return false;
    const QString statement = QStringLiteral(
        "UPDATE VedioCount SET iDefectNums = :iDefectNums WHERE HashCode = :HashCode ;");
    QSqlQuery query(db);
    query.prepare(statement);
    query.bindValue(QStringLiteral(":iDefectNums"), defectCount);
    query.bindValue(QStringLiteral(":HashCode"), Text(videoKey));
    if (!query.exec()) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return false;
    }
    return true;
}

int CKLN_TQ420DataBase::GetRecordNums(const QString &table, const QString &condition)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "GetRecordNums"))
        return -1;
    const QString statement =
        QStringLiteral("SELECT COUNT(*) FROM ") + table + QStringLiteral(" WHERE ") + condition;
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next()) {
        TQ_LOG << "--- ERROR:" << statement << " GetRecordNums---" << query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

QList<QVariantList> CKLN_TQ420DataBase::GetVideoKeys(const QString &projectKey)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "GetVideoKeys"))
        return {};
    return ListRows(db, QStringLiteral("SELECT RoadName , PipeNum , PipeType , VedioFileName , "
                                       "HashCode FROM VedioCount WHERE ProHashCode = %1")
                            .arg(SqlText::SqlQuote(projectKey)));
}

QList<QVariantList> CKLN_TQ420DataBase::GetDefectKeys(const QString &projectKey)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "GetDefectKeys"))
        return {};
    return ListRows(db, QStringLiteral("SELECT RoadName , PipeNum , PipeType , ImagePath  FROM "
                                       "DefectInfo WHERE ProHashCode = %1 Order By TimeIndex ASC ;")
                            .arg(SqlText::SqlQuote(projectKey)));
}

QStringList CKLN_TQ420DataBase::GetVedioHashCodeFromDefectInfo(const QString &projectKey)
{
    QStringList videos;
    QSqlDatabase db;
    if (!OpenConnection(db, "GetVedioHashCodeFromDefectInfo"))
        return videos;
    const QList<QVariantList> rows = ListRows(
        db,
        QStringLiteral("SELECT HashCode , VedioFileName FROM VedioCount WHERE ProHashCode = %1 ;")
            .arg(SqlText::SqlQuote(projectKey)));
    for (const QVariantList &row : rows)
        videos << row.at(0).toString() + QLatin1Char(';') + row.at(1).toString();
    return videos;
}

bool CKLN_TQ420DataBase::InsertDefectItem(const QString &roadName, const QString &videoKey,
                                          const QString &testDate, const PipelineParam &pipe,
                                          const CDefectItem &item)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "InsertDefectItem"))
        return false;
    QSqlQuery query(db);
    if (!query.prepare(kInsertDefectStatement)) {
        TQ_LOG << kInsertDefectStatement << "  ERROR:" << query.lastError().text();
        return false;
    }
    return ExecInsertDefect(query, PipeColumnsOf(roadName, testDate, pipe), videoKey, item);
}

int CKLN_TQ420DataBase::InsertDefectItems(const QString &roadName, const QString &videoKey,
                                          const QString &testDate, const PipelineParam &pipe,
                                          const QList<CDefectItem> &items)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "InsertDefectItems"))
        return -1;
    if (items.isEmpty())
        return 0;
    if (!BeginImmediate(db))
        return -1;
    const int inserted = InsertDefectRows(db, roadName, videoKey, testDate, pipe, items);
    return inserted >= 0 && Commit(db) ? inserted : -1;
}

bool CKLN_TQ420DataBase::InsertImportedVideo(const QVedioInfo &info, const QString &roadName,
                                             const QString &testDate, const PipelineParam &pipe,
                                             const QList<CDefectItem> &defects)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "InsertImportedVideo") || !BeginImmediate(db))
        return false;
    // Every defect must be stored: a video whose rows miss some of its file's defects
    // would show fewer than it has.
    if (InsertDefectRows(db, roadName, info.strHashCode, testDate, pipe, defects) !=
            defects.size() ||
        !InsertVideoRow(info)) {
        db.rollback();
        return false;
    }
    return Commit(db);
}

bool CKLN_TQ420DataBase::BeginImmediate(QSqlDatabase &db)
{
    // Takes the write lock up front (waiting up to the busy timeout for another writer),
    // so a batch never fails half-way on a lock; ended by Commit or db.rollback().
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        TQ_LOG << "BEGIN IMMEDIATE  ERROR:" << begin.lastError().text();
        return false;
    }
    return true;
}

bool CKLN_TQ420DataBase::Commit(QSqlDatabase &db)
{
    if (db.commit())
        return true;
    const QString error = db.lastError().text();
    db.rollback();
    TQ_LOG << "m_db.commit() Failed!!!" << error;
    return false;
}

int CKLN_TQ420DataBase::InsertDefectRows(QSqlDatabase &db, const QString &roadName,
                                         const QString &videoKey, const QString &testDate,
                                         const PipelineParam &pipe, const QList<CDefectItem> &items)
{
    if (items.isEmpty())
        return 0;
    QSqlQuery query(db);
    if (!query.prepare(kInsertDefectStatement)) {
        TQ_LOG << kInsertDefectStatement << "  ERROR:" << query.lastError().text();
        db.rollback();
        return -1;
    }
    int inserted = 0;
    const PipeColumns columns = PipeColumnsOf(roadName, testDate, pipe);
    for (const CDefectItem &item : items) {
        if (ExecInsertDefect(query, columns, videoKey, item))
            ++inserted;
    }
    return inserted;
}

bool CKLN_TQ420DataBase::UpdateDefectItem(const QString &videoKey, const CDefectItem &item)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "UpdateDefectItem"))
        return false;
    const QString statement = QStringLiteral(
        "UPDATE DefectInfo SET DefectName=:DefectName ,DefectLevel=:DefectLevel "
        ",DefectType=:DefectType ,DefectPosion=:DefectPosion ,InterpretaionDate=:InterpretaionDate "
        ",Remark =:Remark ,DefectLength=:DefectLength WHERE HashCode=:HashCode ;");
    const DefectParam &param = item.defectParam;
    QSqlQuery query(db);
    query.prepare(statement);
    query.bindValue(QStringLiteral(":DefectName"), Text(CDefectVocabulary::NameText(param)));
    query.bindValue(QStringLiteral(":DefectLevel"), Text(CDefectVocabulary::LevelText(param)));
    query.bindValue(QStringLiteral(":DefectType"), Text(CDefectVocabulary::ClassText(param)));
    query.bindValue(QStringLiteral(":DefectPosion"), Text(CDefectVocabulary::PositionText(param)));
    query.bindValue(QStringLiteral(":InterpretaionDate"),
                    QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    query.bindValue(QStringLiteral(":Remark"), Text(param.strRemark));
    query.bindValue(QStringLiteral(":DefectLength"), param.fLength);
    query.bindValue(QStringLiteral(":HashCode"), DefectKey(videoKey, item.nTimeIndex));
    if (!query.exec()) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return false;
    }
    return true;
}

QList<QVariantList> CKLN_TQ420DataBase::GetDefectContents(const QString &projectKey, int &rowCount,
                                                          int &columnCount)
{
    enum { Level = 6, TestDate = 9, Remark = 13, ImagePath = 14, DefectLength = 17 };
    QList<QVariantList> contents;
    QSqlDatabase db;
    if (!OpenConnection(db, "GetDefectContents"))
        return contents;
    const QString statement =
        QStringLiteral("SELECT * FROM DefectInfo WHERE ProHashCode = %1 Order By TimeIndex ASC ;")
            .arg(SqlText::SqlQuote(projectKey));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        TQ_LOG << statement << "  ERROR:" << query.lastError().text();
        return contents;
    }
    columnCount = 11;
    rowCount = 0;
    while (query.next()) {
        // NULL reads as the empty text, or 0 in the two number columns.
        auto value = [&query](int i, bool number = false) {
            if (query.isNull(i))
                return number ? QVariant(0) : QVariant(QStringLiteral(""));
            return query.value(i);
        };
        QVariantList row;
        for (int i = 0; i < columnCount; ++i) {
            if (i == Level) {
                const int level = MyHelper::LevelFromText(value(i).toString());
                row << (level == -1 ? QVariant(QStringLiteral("/")) : QVariant(level + 1));
            } else if (i == TestDate) {
                QString date = value(i).toString();
                if (date.size() < 10)
                    date = MyHelper::DateTimeToText(MyHelper::TextToDateTime(date, 0), 0);
                row << date;
            } else {
                row << value(i, i == 4);
            }
        }
        row.insert(9, value(DefectLength, true));
        row.insert(10, QStringLiteral(""));
        row.insert(11, QStringLiteral(""));
        row.insert(12, value(Remark));
        row.insert(13, value(ImagePath));
        contents << row;
        ++rowCount;
    }
    return contents;
}
