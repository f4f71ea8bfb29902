#include "core/settings/ckln_tq420setting.h"

#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QMutex>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/common/cuserprompt.h"
#include "core/common/debuglog.h"
#include "core/common/xmlfile.h"

namespace {
QMutex g_instanceMutex;
CKLN_TQ420Setting *g_instance = nullptr;

const QString kRootTag = QStringLiteral("Settings");
const QString kUserTag = QStringLiteral("UserSettings");
const QString kSortOrderTag = QStringLiteral("SortOrder");

// Page elements by sort-mode index.
const char *const kPageTags[CKLN_TQ420Setting::kSortModeCount] = {
    "PageProjectInfo", "PageVideoInfo", "PageDefectInfo", "PageDefectScatter"};
} // namespace

CKLN_TQ420Setting *CKLN_TQ420Setting::GetInstance()
{
    QMutexLocker lock(&g_instanceMutex);
    if (!g_instance)
        g_instance = new CKLN_TQ420Setting;
    return g_instance;
}

void CKLN_TQ420Setting::ReleaseInstance()
{
    QMutexLocker lock(&g_instanceMutex);
    delete g_instance;
    g_instance = nullptr;
}

CKLN_TQ420Setting::CKLN_TQ420Setting()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    m_strFilePath = DataFolder::AppDataDir() + CLanguageSettings::GetInstance()->LanguageFileName(
                                                   QStringLiteral("/KLN_TQ420_Config.xml"));
    m_strMapResourceDir = appDir + QStringLiteral("/Map/Resource");
    m_strLastImportVedioDir = appDir;
    m_strMapImagesDir = appDir + QStringLiteral("/Map/Images");
}

bool CKLN_TQ420Setting::loadXml()
{
    QDomDocument document;
    QDomElement root;
    if (!XmlFile::LoadXmlFile(m_strFilePath, document, root))
        return false;
    if (root.tagName() != kRootTag) {
        TQ_LOG << "no tag" << kRootTag << "in" << m_strFilePath;
        document.clear();
        return false;
    }
    QDomElement user;
    if (!XmlFile::FindXmlElement(root, kUserTag, user))
        return true;

    XmlFile::ReadXmlText(user, QStringLiteral("currentProNum"), m_strCurrentProNum);
    XmlFile::ReadXmlText(user, QStringLiteral("currentProHashCode"), m_strCurrentProHashCode);
    XmlFile::ReadXmlText(user, QStringLiteral("currentProName"), m_strCurrentProName);
    XmlFile::ReadXmlText(user, QStringLiteral("LastImportVedioDir"), m_strLastImportVedioDir);
    m_fileRTV.GetProjectParam().LoadFromXml(user, true);
    XmlFile::ReadXmlText(user, QStringLiteral("LastExportPath"), m_strLastExportPath);
    TQ_LOG << "LastExportPath:" << m_strLastExportPath;

    QDomElement exportParam;
    if (XmlFile::FindXmlElement(user, QStringLiteral("DataExportParam"), exportParam))
        m_dataExportParam.LoadFromXml(exportParam);

    for (int i = 0; i < kSortModeCount; ++i) {
        QDomElement page;
        if (XmlFile::FindXmlElement(user, QString::fromLatin1(kPageTags[i]), page))
            XmlFile::ReadXmlInt(page, kSortOrderTag, m_nSortMode[size_t(i)]);
    }
    document.clear();
    return true;
}

bool CKLN_TQ420Setting::saveXml()
{
    QDomDocument document;
    QDomElement root;
    XmlFile::CreateXmlDocument(document, root, kRootTag);
    if (root.isNull())
        return false;

    QDomElement user = document.createElement(kUserTag);
    root.appendChild(user);
    XmlFile::AppendXmlText(document, user, QStringLiteral("currentProNum"), m_strCurrentProNum);
    XmlFile::AppendXmlText(document, user, QStringLiteral("currentProHashCode"),
                           m_strCurrentProHashCode);
    XmlFile::AppendXmlText(document, user, QStringLiteral("currentProName"), m_strCurrentProName);
    XmlFile::AppendXmlText(document, user, QStringLiteral("LastImportVedioDir"),
                           m_strLastImportVedioDir);
    m_fileRTV.GetProjectParam().SaveToXml(document, user, true);
    XmlFile::AppendXmlText(document, user, QStringLiteral("LastExportPath"), m_strLastExportPath);
    m_dataExportParam.SaveToXml(document, user);
    for (int i = 0; i < kSortModeCount; ++i) {
        QDomElement page = document.createElement(QString::fromLatin1(kPageTags[i]));
        user.appendChild(page);
        XmlFile::AppendXmlInt(document, page, kSortOrderTag, m_nSortMode[size_t(i)]);
    }
    if (XmlFile::SaveXmlFile(m_strFilePath, document))
        return true;
    // The previous file is still whole (written beside it and renamed only when complete).
    Prompts::ShowUserInformation(
        tr("Prompt"), tr("The settings could not be saved to %1: the disk may be full or "
                         "write-protected. The previous settings file is kept.")
                          .arg(QDir::toNativeSeparators(m_strFilePath)));
    return false;
}

void CKLN_TQ420Setting::SetCurrentProject(const QString &num, const QString &hashCode,
                                          const QString &name, const QString &site)
{
    m_strCurrentProNum = num;
    m_strCurrentProHashCode = hashCode;
    m_strCurrentProName = name;
    m_strCurrentProSite = site;
}

int CKLN_TQ420Setting::GetSortMode(int pageType) const
{
    if (pageType < 0 || pageType >= kSortModeCount)
        return 0;
    return m_nSortMode[size_t(pageType)];
}

void CKLN_TQ420Setting::SetSortMode(int pageType, int mode)
{
    if (pageType < 0 || pageType >= kSortModeCount)
        return;
    m_nSortMode[size_t(pageType)] = mode;
}

void CKLN_TQ420Setting::SetLastExportPath(const QString &path)
{
    if (path.isEmpty())
        return;
    // The stored form is the Windows one; both separators are accepted here.
    QString native = path;
    native.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const int last = native.lastIndexOf(QLatin1Char('\\'));
    if (last < 0)
        return;
    m_strLastExportPath = native.left(last);
}

QString CKLN_TQ420Setting::GetLastExportDir() const
{
    QString dir = m_strLastExportPath;
    return dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool CKLN_TQ420Setting::IsAddingProject() const
{
    if (!m_bAddingProject)
        return false;
    Prompts::ShowUserInformation(
        tr("Prompt"),
        m_bEditingProject
            ? tr("Editing a project in progress , you should press Save or Cancel button "
                 "firstly , then you can do other things !")
            : tr("Adding new project operate in progress , you should  press OK or cancel "
                 "button firstly  , then you can do others things !"));
    return true;
}

bool CKLN_TQ420Setting::HasCurrentProject() const
{
    if (!m_strCurrentProHashCode.isEmpty())
        return true;
    Prompts::ShowUserInformation(tr("Prompt"), tr("Please to select one project firstly !"));
    return false;
}
