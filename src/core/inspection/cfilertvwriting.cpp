// Writing back to an RTV file: the header, the pipe section and the defects.
#include "core/inspection/cfilertv.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "core/common/debuglog.h"
#include "core/common/sqlquote.h"

namespace {
QString ErrorOf(const QSqlQuery &query)
{
    return query.lastError().text();
}

// Fills %1-%6 with the quoted header texts and %7 with the mark, in one pass, so that a
// value holding "%2" never changes another value.
QString HeaderStatement(const QString &shape, const ProjectParam &p)
{
    return shape.arg(SqlText::SqlQuote(p.strTester), SqlText::SqlQuote(p.strTestUnit),
                     SqlText::SqlQuote(p.strTestDevice), SqlText::SqlQuote(p.strTestSite),
                     SqlText::SqlQuote(p.strTestDate), SqlText::SqlQuote(p.strProjectName),
                     p.bIsInterpretation ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

bool CFileRTV::InsertProjectParam()
{
    if (!isOpen())
        return false;
    const QString statement = HeaderStatement(
        QStringLiteral("INSERT INTO ProjectParam (id, strTester, strTestUnit,strTestDevice,"
                       "strTestSite,strTestDate,strProjectName,bIsInterpretation) VALUES "
                       "(1, %1,%2, %3,%4,%5,%6,%7)"),
        m_projectParam);
    QSqlQuery query(database());
    if (!query.exec(statement)) {
        TQ_LOG << "InsertProjectParam Failed---" << ErrorOf(query);
        return false;
    }
    return true;
}

bool CFileRTV::UpdateProjectParam()
{
    m_projectParam.bIsInterpretation = true;
    if (!isOpen())
        return false;
    if (InsertProjectParam())
        return true;
    const QString statement = HeaderStatement(
        QStringLiteral("UPDATE ProjectParam SET strTester = %1 , strTestUnit = %2 , "
                       "strTestDevice = %3 , strTestSite = %4 , strTestDate = %5 , "
                       "strProjectName = %6 ,bIsInterpretation = %7 WHERE id = 1 ;"),
        m_projectParam);
    QSqlQuery query(database());
    if (!query.exec(statement)) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    return true;
}

void CFileRTV::SetIsInterpretation(bool interpreted)
{
    m_projectParam.bIsInterpretation = interpreted;
    if (!isOpen() || m_bReadOnly)
        return;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("UPDATE ProjectParam SET bIsInterpretation = %1 WHERE id = 1 ;")
                        .arg(interpreted ? 1 : 0)))
        TQ_LOG << "  ERROR:" << ErrorOf(query);
}

bool CFileRTV::UpdatePipelineParam()
{
    if (!isOpen())
        return false;
    const QString wellStart = SqlText::SqlQuote(m_pipelineParam.strStartWellID);
    const QString wellEnd = SqlText::SqlQuote(m_pipelineParam.strEndWellID);
    const QString xml = SqlText::SqlQuote(m_pipelineParam.toXMLString());
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("INSERT INTO PipelineParam (strStartWellID, strEndWellID, "
                                  "strParam) VALUES (%1,%2, %3)")
                       .arg(wellStart, wellEnd, xml)))
        return true;
    TQ_LOG << "UpdatePipelineParam()";
    if (!query.exec(QStringLiteral("UPDATE PipelineParam SET strParam = %3 WHERE strStartWellID "
                                   "= %1 AND strEndWellID = %2")
                        .arg(wellStart, wellEnd, xml))) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    return true;
}

bool CFileRTV::InsertDefectItem(const CDefectItem &item)
{
    if (!isOpen())
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "INSERT INTO DefectsFound (nTimeIndex, strCurTime, imgDataOrg, imgDataDefect, "
        "strDefectParam,strVectorGraph) VALUES (:nTimeIndex,:strCurTime,:imgDataOrg,"
        ":imgDataDefect,:strDefectParam,:strVectorGraph)"));
    query.bindValue(QStringLiteral(":nTimeIndex"), item.nTimeIndex);
    query.bindValue(QStringLiteral(":strCurTime"), item.TimeText());
    query.bindValue(QStringLiteral(":imgDataOrg"), ReadWholeFile(item.strOrgImgPath));
    query.bindValue(QStringLiteral(":imgDataDefect"), ReadWholeFile(item.strDefectImgPath));
    query.bindValue(QStringLiteral(":strDefectParam"), item.defectParam.toXMLString());
    query.bindValue(QStringLiteral(":strVectorGraph"), item.toXMLString());
    if (!query.exec()) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    m_listDefect.append(item);
    return true;
}

bool CFileRTV::UpdateDefectItem(const CDefectItem &item)
{
    if (!isOpen())
        return false;
    const QString paramXml = item.defectParam.toXMLString();
    TQ_LOG << "DefectParam:" << paramXml;
    // A new unannotated frame replaces the stored one; without one the stored frame stays.
    const QByteArray original = ReadWholeFile(item.strOrgImgPath);
    QSqlQuery query(database());
    query.prepare(
        QStringLiteral("update DefectsFound set imgDataDefect = :imgDataDefect , %1"
                       "strDefectParam = :strDefectParam , strVectorGraph = "
                       ":strVectorGraph WHERE nTimeIndex = :nTimeIndex ;")
            .arg(original.isEmpty() ? QString() : QStringLiteral("imgDataOrg = :imgDataOrg , ")));
    query.bindValue(QStringLiteral(":imgDataDefect"), ReadWholeFile(item.strDefectImgPath));
    if (!original.isEmpty())
        query.bindValue(QStringLiteral(":imgDataOrg"), original);
    query.bindValue(QStringLiteral(":strDefectParam"), paramXml);
    query.bindValue(QStringLiteral(":strVectorGraph"), item.toXMLString());
    query.bindValue(QStringLiteral(":nTimeIndex"), item.nTimeIndex);
    if (!query.exec()) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return false;
    }
    if (query.numRowsAffected() != 1) {
        TQ_LOG << "  ERROR: no defect" << item.nTimeIndex << "in the file to update";
        return false;
    }
    return true;
}

int CFileRTV::DeleteDefectItem(int index)
{
    if (index < 0 || index >= m_listDefect.size())
        return -1;
    if (!isOpen())
        return index;
    const CDefectItem &item = m_listDefect.at(index);
    QSqlQuery query(database());
    query.prepare(QStringLiteral("DELETE FROM DefectsFound WHERE nTimeIndex == ?"));
    query.addBindValue(item.nTimeIndex);
    if (!query.exec()) {
        TQ_LOG << "  ERROR:" << ErrorOf(query);
        return index;
    }
    QFile::remove(item.strOrgImgPath);
    QFile::remove(item.strDefectImgPath);
    m_listDefect.removeAt(index);
    return m_listDefect.isEmpty() ? -1 : index - 1;
}
