#include "core/inspection/cfilebmw.h"

#include <QDate>
#include <QDomDocument>
#include <QFile>

#include "core/common/debuglog.h"
#include "core/common/xmlfile.h"
#include "core/files/stagedfile.h"
#include "core/inspection/cdefectvocabulary.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"

namespace {
QString TextOf(const QDomElement &headline, const char *tag)
{
    QString text;
    XmlFile::ReadXmlText(headline, QString::fromLatin1(tag), text);
    return text;
}

// Region and soil texts may be written with full-width parentheses.
QString WithAsciiParentheses(QString text)
{
    return text.replace(QStringLiteral("（"), QStringLiteral("("))
        .replace(QStringLiteral("）"), QStringLiteral(")"));
}

int IndexInOptionList(int slot, const QString &text)
{
    const COptionList *list = QSystemInfo::GetInstance()->OptionList(slot);
    return list ? list->indexOf(text) : -1;
}

int IndexOrZero(const QStringList &texts, const QString &text)
{
    return qMax(0, texts.indexOf(text));
}
} // namespace

bool CFileBMW::ReadFile(const QString &path, CFileRTV *target)
{
    if (!target)
        return false;
    QDomElement root;
    QDomDocument document;
    if (!XmlFile::LoadXmlFile(path, document, root))
        return false;
    TQ_LOG << "bmw root name:" << root.tagName();
    if (root.tagName() != QLatin1String("VideoInfo"))
        return false;
    QDomElement headline;
    if (!XmlFile::FindXmlElement(root, QStringLiteral("Headline"), headline))
        return false;

    ProjectParam &project = target->GetProjectParam();
    PipelineParam &pipe = target->GetPipelineParam();
    project.strTestSite = TextOf(headline, "InspectAddress");
    const QDate date = QDate::fromString(TextOf(headline, "InspectDate").trimmed(),
                                         QStringLiteral("yyyy年MM月dd日"));
    project.strTestDate = date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
    pipe.strStartWellID = TextOf(headline, "StartWellNum");
    pipe.startWell.strWellNum = pipe.strStartWellID;
    pipe.strEndWellID = TextOf(headline, "EndWellNum");
    pipe.endWell.strWellNum = pipe.strEndWellID;
    pipe.nTestDirction = TextOf(headline, "InspectDirection") ==
                                 QCoreApplication::translate("PipelineParam", "Downcurrent")
                             ? 0
                             : 1;
    pipe.nPipeSectionType = IndexInOptionList(QSystemInfo::PipeType, TextOf(headline, "PipeType"));
    pipe.nPipeSectionMaterial =
        IndexInOptionList(QSystemInfo::PipeMaterial, TextOf(headline, "PipeStock"));
    XmlFile::ReadXmlInt(headline, QStringLiteral("PipeDiameter"), pipe.nPipeSectionDiameter);
    project.strTestUnit = TextOf(headline, "InspectUnit");
    project.strTester = TextOf(headline, "Inspector");
    XmlFile::ReadXmlFloat(headline, QStringLiteral("PipeSectionlength"), pipe.fPipeSectionLen);
    XmlFile::ReadXmlFloat(headline, QStringLiteral("StartWellDepth"), pipe.fstartBuriedDepth);
    XmlFile::ReadXmlFloat(headline, QStringLiteral("EndWellDepth"), pipe.fendBuriedDepth);
    pipe.nAreaProperty = IndexOrZero(CDefectVocabulary::AreaTexts(),
                                     WithAsciiParentheses(TextOf(headline, "Region")));
    pipe.nSoilProperty =
        IndexOrZero(CDefectVocabulary::SoilTexts(), WithAsciiParentheses(TextOf(headline, "Soil")));
    return true;
}

int CFileBMW::ConvertToRTV(const QString &xmlPath, const QString &rtvPath, CFileRTV *target)
{
    if (!target || !QFile::exists(xmlPath))
        return ConvertUnreadable;
    target->ResetContents();
    if (!ReadFile(xmlPath, target))
        return ConvertUnreadable;
    // The new file is made beside the target and replaces it only when it is whole, so a
    // failure (a full disk) leaves neither an empty nor a partial RTV file.
    StagedFile staged(rtvPath);
    if (!staged.Prepare()) {
        TQ_LOG << "ConvertToRTV:" << staged.ErrorString();
        return ConvertFailed;
    }
    const bool written = target->open(staged.TemporaryPath(), CFileRTV::OpenCreate) &&
                         target->UpdateProjectParam() && target->UpdatePipelineParam();
    target->close();
    QFile::remove(staged.TemporaryPath() + QStringLiteral("-journal"));
    if (!written || !staged.Commit()) {
        TQ_LOG << "ConvertToRTV: not written:" << rtvPath << staged.ErrorString();
        return ConvertFailed;
    }
    return Converted;
}
