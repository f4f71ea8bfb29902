#include <memory>

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/common/cuserprompt.h"
#include "core/common/xmlfile.h"
#include "core/settings/ckln_tq420setting.h"
#include "support/testsupport.h"

namespace {
const QString kAddingText = QStringLiteral(
    "Adding new project operate in progress , you should  press OK or cancel button firstly  "
    ", then you can do others things !");
const QString kSelectText = QStringLiteral("Please to select one project firstly !");

class RecordingPrompt : public CUserPrompt
{
public:
    void Information(const QString &title, const QString &text) override
    {
        shown << title + QLatin1Char('|') + text;
    }
    QStringList shown;
};

// The eleven switches as "1"/"0", in file order.
QString FlagsOf(const DataExportParam &p)
{
    const bool flags[] = {p.bProReport,   p.bInterpretation, p.bSection, p.bVideo,
                          p.bImage,       p.bSegmentImage,   p.bHasPro,  p.bHasRoad,
                          p.bHasPipeType, p.bHasPipeNum,     p.bHasDate};
    QString text;
    for (bool flag : flags)
        text += flag ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

QList<int> SortModesOf(const CKLN_TQ420Setting *setting)
{
    QList<int> modes;
    for (int i = 0; i < CKLN_TQ420Setting::kSortModeCount; ++i)
        modes << setting->GetSortMode(i);
    return modes;
}

QString ProjectParamXml(const ProjectParam &param)
{
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("r"));
    document.appendChild(root);
    param.SaveToXml(document, root, true);
    return document.toString();
}

// The child elements as "tag=text", or only "tag" for those with element children.
QStringList Fields(const QDomElement &parent)
{
    QStringList fields;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        fields << (e.firstChildElement().isNull() ? e.tagName() + '=' + e.text() : e.tagName());
    return fields;
}

const QString kDefaultFlags = QStringLiteral("11011011110");

#ifdef Q_OS_LINUX
// Makes replacing a file of the folder fail while it lives: the folder is made append-only
// (new files can be written, existing ones not replaced, even by root), or else, without
// that right, write-protected.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
        : m_folder(folder)
    {
        m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (m_fd >= 0 && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_APPEND_FL;
            m_appendOnly = ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (!m_appendOnly && ::geteuid() != 0) {
            m_permissions = QFile(folder).permissions();
            m_protected = QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~FolderLock()
    {
        int flags = 0;
        if (m_appendOnly && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_APPEND_FL;
            ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
        if (m_protected)
            QFile(m_folder).setPermissions(m_permissions);
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool locked() const { return m_appendOnly || m_protected; }

private:
    QString m_folder;
    int m_fd = -1;
    bool m_appendOnly = false;
    bool m_protected = false;
    QFile::Permissions m_permissions;
};
#endif
} // namespace

class TestSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartDefaults();
    void fileNameFollowsLanguage_data();
    void fileNameFollowsLanguage();
    void roundTrip_data();
    void roundTrip();
    void readRules_data();
    void readRules();
    void saveWritesAllElements();
    void sortModeRange_data();
    void sortModeRange();
    void lastExportPath_data();
    void lastExportPath();
    void prompts_data();
    void prompts();
    void failedSaveKeepsOldFile();

private:
    CKLN_TQ420Setting *Reloaded();
    void WriteFile(const QByteArray &xml);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSetting::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    CLanguageSettings::SetConsoleEcho(false);
    CLanguageSettings::GetInstance()->SetLanguage(false);
}

void TestSetting::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    DataFolder::SetAppDataDir(m_dir->path());
    CKLN_TQ420Setting::ReleaseInstance();
}

void TestSetting::cleanup()
{
    CKLN_TQ420Setting::ReleaseInstance();
    Prompts::SetUserPrompt(nullptr);
    DataFolder::SetAppDataDir(QString());
    CLanguageSettings::GetInstance()->SetLanguage(false);
    m_dir.reset();
    TQ_VERIFY_NO_WARNINGS();
}

CKLN_TQ420Setting *TestSetting::Reloaded()
{
    CKLN_TQ420Setting::ReleaseInstance();
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    setting->loadXml();
    return setting;
}

void TestSetting::WriteFile(const QByteArray &xml)
{
    QFile file(CKLN_TQ420Setting::GetInstance()->GetFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(xml);
}

void TestSetting::firstStartDefaults()
{
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    QVERIFY(!setting->loadXml());
    const QString appDir = QCoreApplication::applicationDirPath();
    QCOMPARE(SortModesOf(setting), (QList<int>{5, 0, 0, 0}));
    QCOMPARE(setting->GetLastImportVedioDir(), appDir);
    QVERIFY(setting->GetCurrentProHashCode().isEmpty());
    QVERIFY(setting->GetLastExportPath().isEmpty());
    QCOMPARE(setting->GetCurrentPage(), 0);
    QVERIFY(!setting->GetAddingProject());
    QCOMPARE(FlagsOf(setting->GetDataExportParam()), kDefaultFlags);
    QCOMPARE(setting->GetMapResourceDir(), appDir + QStringLiteral("/Map/Resource"));
    QCOMPARE(setting->GetMapImagesDir(), appDir + QStringLiteral("/Map/Images"));
}

void TestSetting::fileNameFollowsLanguage_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("Chinese") << true << QStringLiteral("KLN_TQ420_Config.xml");
    QTest::newRow("English") << false << QStringLiteral("KLN_TQ420_Config_En.xml");
}

void TestSetting::fileNameFollowsLanguage()
{
    QFETCH(bool, chinese);
    QFETCH(QString, fileName);
    CLanguageSettings::GetInstance()->SetLanguage(chinese);
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    QCOMPARE(setting->GetFilePath(), m_dir->filePath(fileName));
    // Fixed at creation: a later language change does not move the file.
    CLanguageSettings::GetInstance()->SetLanguage(!chinese);
    QCOMPARE(setting->GetFilePath(), m_dir->filePath(fileName));
}

void TestSetting::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QStringLiteral("P-2024-01");
    QTest::newRow("apostrophe") << QStringLiteral("人民路'东段 O'Brien");
    QTest::newRow("markup") << QStringLiteral("<tag attr=\"v\"> &amp; & < > ]]>");
    QTest::newRow("padded") << QStringLiteral("  spaced  ");
    QTest::newRow("empty") << QString();
}

void TestSetting::roundTrip()
{
    QFETCH(QString, text);
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    setting->SetCurrentProject(text + QLatin1Char('1'), text + QLatin1Char('2'),
                               text + QLatin1Char('3'), QStringLiteral("site"));
    setting->SetLastImportVedioDir(text + QStringLiteral("import"));
    setting->SetLastExportPath(text + QStringLiteral("export\\report.doc"));
    DataExportParam flags;
    flags.bProReport = false;
    flags.bSection = true;
    flags.bHasDate = true;
    flags.bHasPipeNum = false;
    setting->SetDataExportParam(flags);
    for (int i = 0; i < CKLN_TQ420Setting::kSortModeCount; ++i)
        setting->SetSortMode(i, 10 - i);
    ProjectParam &param = setting->GetCurrentFileRTV()->GetProjectParam();
    param.strTester = text;
    param.strProjectName = text + QStringLiteral("name");
    param.strDesiltMethod = text + QStringLiteral("desilt");
    param.iVedioNums = 7;
    param.fMileages = 12.5f;
    const QString paramXml = ProjectParamXml(param);
    setting->SetCurrentPage(2);
    setting->SetAddingProject(true);
    QVERIFY(setting->saveXml());

    setting = Reloaded();
    QCOMPARE(setting->GetCurrentProNum(), text + QLatin1Char('1'));
    QCOMPARE(setting->GetCurrentProHashCode(), text + QLatin1Char('2'));
    QCOMPARE(setting->GetCurrentProName(), text + QLatin1Char('3'));
    QCOMPARE(setting->GetLastImportVedioDir(), text + QStringLiteral("import"));
    QCOMPARE(setting->GetLastExportPath(), text + QStringLiteral("export"));
    QVERIFY(setting->GetDataExportParam() == flags);
    QCOMPARE(SortModesOf(setting), (QList<int>{10, 9, 8, 7}));
    const ProjectParam &loaded = setting->GetCurrentFileRTV()->GetProjectParam();
    QCOMPARE(loaded.strDesiltMethod, text + QStringLiteral("desilt"));
    QCOMPARE(loaded.iVedioNums, 7);
    QCOMPARE(ProjectParamXml(loaded), paramXml);
    // Site, page and adding flag live in memory only.
    QVERIFY(setting->GetCurrentProSite().isEmpty());
    QCOMPARE(setting->GetCurrentPage(), 0);
    QVERIFY(!setting->GetAddingProject());
}

void TestSetting::readRules_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QList<int>>("sortModes");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("hashCode");

    const QList<int> initial{5, 0, 0, 0};
    QTest::newRow("missing file") << QByteArray() << false << initial << kDefaultFlags << QString();
    QTest::newRow("malformed")
        << QByteArray("<Settings><UserSettings><currentProHashCode>X</currentProHashCode>") << false
        << initial << kDefaultFlags << QString();
    QTest::newRow("wrong root")
        << QByteArray("<Config><UserSettings><currentProHashCode>X</currentProHashCode>"
                      "<PageProjectInfo><SortOrder>9</SortOrder></PageProjectInfo>"
                      "</UserSettings></Config>")
        << false << initial << kDefaultFlags << QString();
    QTest::newRow("no UserSettings")
        << QByteArray("<Settings><currentProHashCode>X</currentProHashCode></Settings>") << true
        << initial << kDefaultFlags << QString();
    QTest::newRow("empty SortOrder")
        << QByteArray("<Settings><UserSettings>"
                      "<PageProjectInfo><SortOrder></SortOrder></PageProjectInfo>"
                      "<PageVideoInfo><SortOrder/></PageVideoInfo>"
                      "<PageDefectInfo><SortOrder>4</SortOrder></PageDefectInfo>"
                      "</UserSettings></Settings>")
        << true << QList<int>{5, 0, 4, 0} << kDefaultFlags << QString();
    QTest::newRow("only scatter")
        << QByteArray("<Settings><UserSettings><PageDefectScatter><SortOrder>3</SortOrder>"
                      "</PageDefectScatter></UserSettings></Settings>")
        << true << QList<int>{5, 0, 0, 3} << kDefaultFlags << QString();
    QTest::newRow("flag letter case")
        << QByteArray("<Settings><UserSettings><DataExportParam>"
                      "<bProReport>TRUE</bProReport><bSection>true</bSection>"
                      "<bHasDate>True</bHasDate><bVideo></bVideo>"
                      "</DataExportParam></UserSettings></Settings>")
        << true << initial << QStringLiteral("01111011110") << QString();
    QTest::newRow("unknown elements ignored")
        << QByteArray("<Settings><Other/><UserSettings><Extra>1</Extra>"
                      "<currentProHashCode>ABCDEFGHIJ</currentProHashCode>"
                      "<PageVideoInfo><SortOrder>7</SortOrder></PageVideoInfo>"
                      "</UserSettings></Settings>")
        << true << QList<int>{5, 7, 0, 0} << kDefaultFlags << QStringLiteral("ABCDEFGHIJ");
}

void TestSetting::readRules()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, loaded);
    QFETCH(QList<int>, sortModes);
    QFETCH(QString, flags);
    QFETCH(QString, hashCode);
    if (!xml.isEmpty())
        WriteFile(xml);
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    QCOMPARE(setting->loadXml(), loaded);
    QCOMPARE(SortModesOf(setting), sortModes);
    QCOMPARE(FlagsOf(setting->GetDataExportParam()), flags);
    QCOMPARE(setting->GetCurrentProHashCode(), hashCode);
    QCOMPARE(setting->GetLastImportVedioDir(), QCoreApplication::applicationDirPath());
}

void TestSetting::saveWritesAllElements()
{
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    setting->SetSortMode(3, 4);
    QVERIFY(setting->saveXml());

    const QByteArray bytes = TestSupport::FileBytes(setting->GetFilePath());
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings>\n"
                             "    <UserSettings>\n        <currentProNum>"));
    QDomDocument document;
    QVERIFY(document.setContent(bytes));
    const QDomElement root = document.documentElement();
    QCOMPARE(Fields(root).size(), 1);
    const QDomElement user = root.firstChildElement(QStringLiteral("UserSettings"));
    QCOMPARE(Fields(user),
             (QStringList{"currentProNum=", "currentProHashCode=", "currentProName=",
                          "LastImportVedioDir=" + QCoreApplication::applicationDirPath(),
                          "ProjectParam", "LastExportPath=", "DataExportParam", "PageProjectInfo",
                          "PageVideoInfo", "PageDefectInfo", "PageDefectScatter"}));
    // Full form: the project part of the header is there too.
    QVERIFY(!XmlFile::FirstDescendant(user, QStringLiteral("strDesiltMethod")).isNull());
    QCOMPARE(
        Fields(user.firstChildElement(QStringLiteral("DataExportParam"))),
        (QStringList{"bProReport=true", "bInterpretation=true", "bSection=false", "bVideo=true",
                     "bImage=true", "bSegmentImage=false", "bHasPro=true", "bHasRoad=true",
                     "bHasPipeType=true", "bHasPipeNum=true", "bHasDate=false"}));
    QStringList sortOrders;
    for (const char *page :
         {"PageProjectInfo", "PageVideoInfo", "PageDefectInfo", "PageDefectScatter"})
        sortOrders << Fields(user.firstChildElement(QLatin1String(page)));
    QCOMPARE(sortOrders, (QStringList{"SortOrder=5", "SortOrder=0", "SortOrder=0", "SortOrder=4"}));
}

void TestSetting::sortModeRange_data()
{
    QTest::addColumn<int>("pageType");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<int>("read");
    QTest::newRow("project") << 0 << QList<int>{6, 0, 0, 0} << 6;
    QTest::newRow("scatter") << 3 << QList<int>{5, 0, 0, 6} << 6;
    QTest::newRow("below") << -1 << QList<int>{5, 0, 0, 0} << 0;
    QTest::newRow("above") << 4 << QList<int>{5, 0, 0, 0} << 0;
}

void TestSetting::sortModeRange()
{
    QFETCH(int, pageType);
    QFETCH(QList<int>, after);
    QFETCH(int, read);
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    QVERIFY(setting->saveXml());
    const QByteArray initial = TestSupport::FileBytes(setting->GetFilePath());
    setting->SetSortMode(pageType, 6);
    QCOMPARE(SortModesOf(setting), after);
    QCOMPARE(setting->GetSortMode(pageType), read);
    // An index out of range changes nothing else either.
    QVERIFY(setting->saveXml());
    QCOMPARE(TestSupport::FileBytes(setting->GetFilePath()) == initial, read == 0);
}

void TestSetting::lastExportPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("dir");
    const QString old = QStringLiteral("C:\\old");
    QTest::newRow("forward slashes") << "D:/Export/2024/report.doc"
                                     << "D:\\Export\\2024"
                                     << "D:/Export/2024";
    QTest::newRow("backslashes") << "D:\\Export\\report.doc"
                                 << "D:\\Export"
                                 << "D:/Export";
    QTest::newRow("unix path") << "/home/u/out/a.xls"
                               << "\\home\\u\\out"
                               << "/home/u/out";
    QTest::newRow("trailing slash") << "/home/u/out/"
                                    << "\\home\\u\\out"
                                    << "/home/u/out";
    QTest::newRow("bare file name") << "report.doc" << old << "C:/old";
    QTest::newRow("empty") << "" << old << "C:/old";
    QTest::newRow("null") << QString() << old << "C:/old";
}

void TestSetting::lastExportPath()
{
    QFETCH(QString, path);
    QFETCH(QString, stored);
    QFETCH(QString, dir);
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    setting->SetLastExportPath(QStringLiteral("C:\\old\\file.doc"));
    setting->SetLastExportPath(path);
    QCOMPARE(setting->GetLastExportPath(), stored);
    QCOMPARE(setting->GetLastExportDir(), dir);
}

void TestSetting::prompts_data()
{
    QTest::addColumn<bool>("addingCheck"); // IsAddingProject, else HasCurrentProject
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("hashCode");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("shown");
    const QString prompt = QStringLiteral("Prompt|");
    QTest::newRow("adding") << true << true << "K" << true << QStringList{prompt + kAddingText};
    QTest::newRow("not adding") << true << false << "" << false << QStringList();
    QTest::newRow("no project") << false << false << "" << false
                                << QStringList{prompt + kSelectText};
    QTest::newRow("project") << false << true << "ABCDEFGHIJ" << true << QStringList();
}

void TestSetting::prompts()
{
    QFETCH(bool, addingCheck);
    QFETCH(bool, adding);
    QFETCH(QString, hashCode);
    QFETCH(bool, result);
    QFETCH(QStringList, shown);
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    setting->SetAddingProject(adding);
    setting->SetCurrentProject(QStringLiteral("1"), hashCode, QStringLiteral("n"), QString());
    auto check = [&] {
        return addingCheck ? setting->IsAddingProject() : setting->HasCurrentProject();
    };

    // Without a prompt the text only goes to the log.
    QCOMPARE(check(), result);

    RecordingPrompt prompt;
    Prompts::SetUserPrompt(&prompt);
    QCOMPARE(check(), result);
    QCOMPARE(prompt.shown, shown);
}

void TestSetting::failedSaveKeepsOldFile()
{
#ifdef Q_OS_LINUX
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    setting->SetCurrentProject(QStringLiteral("1"), QStringLiteral("OLDKEY"), QString(), QString());
    QVERIFY(setting->saveXml());
    const QByteArray before = TestSupport::FileBytes(setting->GetFilePath());

    setting->SetCurrentProject(QStringLiteral("2"), QStringLiteral("NEWKEY"), QString(), QString());
    bool saved = true;
    {
        FolderLock lock(m_dir->path());
        if (!lock.locked())
            QSKIP("the folder can be neither made append-only nor write-protected here");
        saved = setting->saveXml();
    }
    QVERIFY(!saved);
    QCOMPARE(TestSupport::FileBytes(setting->GetFilePath()), before);
    QCOMPARE(Reloaded()->GetCurrentProHashCode(), QStringLiteral("OLDKEY"));
#else
    QSKIP("needs the Linux file attributes");
#endif
}

QTEST_GUILESS_MAIN(TestSetting)
#include "tst_setting.moc"
