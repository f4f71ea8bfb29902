// The application shell: start-up modes, the language dialog, the main window's tool-bar
// gates and closing, and the report mode's dialog.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "core/common/clanguagesettings.h"
#include "core/files/qfilemanager.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/guiresources.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/dialogs/generatereportdlg.h"
#include "gui/pages/qpagechild.h"
#include "gui/shell/applicationstartup.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/qdlgsetlanguage.h"
#include "gui/shell/qpageshow.h"
#include "gui/shell/qtoptoolbar.h"
#include "support/dbtestsupport.h"
#include "support/fakeautomation.h"
#include "support/guitestsupport.h"
#include "support/testsupport.h"

namespace {
const char kSelectProject[] = "Please to select one project firstly !";
const char kAddingProject[] = "Adding new project operate in progress , you should  press OK or "
                              "cancel button firstly  , then you can do others things !";

bool IsLanguageDialog(QWidget *widget)
{
    return qobject_cast<QDlgSetLanguage *>(widget) != nullptr;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startModes_data();
    void startModes();
    void languageDialogAcceptsOnlyAChange_data();
    void languageDialogAcceptsOnlyAChange();

    void startsOnTheProjectPage();
    void pagesNeedAProject();
    void addingAProjectBlocksEveryButtonAndClosing();
    void currentPageTwiceChangesNothing();
    void pageButtonsFollowMenuNavigation_data();
    void pageButtonsFollowMenuNavigation();
    void defectScatterIsUnavailable();
    void helpTellsWhereTheGuideIs();
    void commandsRunEveryTime();
    void languageSwitchEndsWithRestartCode();
    void languageSwitchClosesTheWindowFirst();
    void closingSavesTheSettings();

    void reportDialogListsEachFileOnce();
    void reportDialogWritesADocument();
    void reportDialogSaysWhatHappened_data();
    void reportDialogSaysWhatHappened();
    void reportModeRunsTheDialogAlone();

private:
    QTopToolBar *ToolBar() { return m_window->TopToolBar(); }
    void Trigger(QTopToolBar::ActionId id) { ToolBar()->Action(id)->trigger(); }
    void SelectProject();

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_dataDir;
    std::unique_ptr<TestSupport::RecordingPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    ApplicationStartup::PrepareApplication();
    Resources::InitGuiResources();
    DbTest::PrepareSuite(m_settingsDir.path());
    qputenv("TQ420_NO_LAYOUT", "1");
    QVERIFY(TestSupport::InstallReportTemplates());
}

void TestMainWindow::init()
{
    m_dataDir = DbTest::FreshDataFolder();
    CKLN_TQ420Setting::ReleaseInstance();
    CLanguageSettings::GetInstance()->SetLanguage(false);
    m_prompt = std::make_unique<TestSupport::RecordingPrompt>();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_prompt.reset();
    CKLN_TQ420Setting::ReleaseInstance();
    TQ_VERIFY_NO_WARNINGS();
}

void TestMainWindow::startModes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("report");
    QTest::addColumn<bool>("english");
    QTest::newRow("no arguments") << QStringList{"KLN_TQ420"} << false << false;
    QTest::newRow("report") << QStringList{"KLN_TQ420", "-report"} << true << false;
    QTest::newRow("english report")
        << QStringList{"KLN_TQ420", "-report", "-english"} << true << true;
    QTest::newRow("letter case counts")
        << QStringList{"KLN_TQ420", "-report", "-English"} << true << false;
    QTest::newRow("english alone") << QStringList{"KLN_TQ420", "-english"} << false << true;
    QTest::newRow("report second") << QStringList{"KLN_TQ420", "-x", "-report"} << false << false;
}

void TestMainWindow::startModes()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, report);
    QFETCH(bool, english);
    QCOMPARE(ApplicationStartup::IsReportMode(arguments), report);
    if (report)
        QCOMPARE(ApplicationStartup::IsEnglishReport(arguments), english);
}

void TestMainWindow::languageDialogAcceptsOnlyAChange_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("result");
    QTest::newRow("chinese kept") << true << 0 << int(QDialog::Rejected);
    QTest::newRow("chinese to english") << true << 1 << int(QDialog::Accepted);
    QTest::newRow("english kept") << false << 1 << int(QDialog::Rejected);
    QTest::newRow("english to chinese") << false << 0 << int(QDialog::Accepted);
}

void TestMainWindow::languageDialogAcceptsOnlyAChange()
{
    QFETCH(bool, chinese);
    QFETCH(int, chosen);
    QFETCH(int, result);
    CLanguageSettings::GetInstance()->SetLanguage(chinese);
    QDlgSetLanguage dialog;
    QCOMPARE(dialog.PreselectedIndex(), chinese ? 0 : 1);
    QCOMPARE(dialog.LanguageBox()->currentIndex(), dialog.PreselectedIndex());
    dialog.LanguageBox()->setCurrentIndex(chosen);
    dialog.on_btn_OK_clicked();
    QCOMPARE(dialog.result(), result);

    QDlgSetLanguage cancelled;
    cancelled.LanguageBox()->setCurrentIndex(chosen);
    cancelled.on_btn_Cancel_clicked();
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
}

void TestMainWindow::SelectProject()
{
    DbTest::InsertProject(QStringLiteral("PRJ0000001"), QStringLiteral("P-1"));
    CKLN_TQ420Setting::GetInstance()->SetCurrentProject(
        QStringLiteral("P-1"), QStringLiteral("PRJ0000001"), QStringLiteral("Project"), QString());
}

void TestMainWindow::startsOnTheProjectPage()
{
    m_window = std::make_unique<MainWindow>();
    QVERIFY(ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());
    QCOMPARE(ToolBar()->CurrentAction(), ToolBar()->Action(QTopToolBar::ProjectAction));
    QVERIFY(m_window->PageHost(0));
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentPage(), 0);
}

void TestMainWindow::pagesNeedAProject()
{
    m_window = std::make_unique<MainWindow>();
    for (auto id : {QTopToolBar::VedioAction, QTopToolBar::ReportAction}) {
        m_prompt->Clear();
        Trigger(id);
        QCOMPARE(m_prompt->Texts(), QStringList{kSelectProject});
        QVERIFY(!ToolBar()->Action(id)->isChecked());
        QVERIFY(ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());
        QCOMPARE(ToolBar()->CurrentAction(), ToolBar()->Action(QTopToolBar::ProjectAction));
    }
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentPage(), 0);
}

void TestMainWindow::addingAProjectBlocksEveryButtonAndClosing()
{
    SelectProject();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    CKLN_TQ420Setting::GetInstance()->SetAddingProject(true);
    QSignalSpy anySignal(ToolBar(), &QTopToolBar::signalAbout);
    for (int id = QTopToolBar::VedioAction; id < QTopToolBar::ActionCount; ++id) {
        if (id == QTopToolBar::DefectScatterAction)
            continue; // disabled
        m_prompt->Clear();
        Trigger(QTopToolBar::ActionId(id));
        QCOMPARE(m_prompt->Texts(), QStringList{kAddingProject});
        QCOMPARE(ToolBar()->CurrentAction(), ToolBar()->Action(QTopToolBar::ProjectAction));
        QVERIFY(ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());
        QVERIFY(!ToolBar()->Action(QTopToolBar::ActionId(id))->isChecked());
    }
    QCOMPARE(anySignal.count(), 0);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentPage(), 0);

    m_prompt->Clear();
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_prompt->Texts(), QStringList{kAddingProject});
    CKLN_TQ420Setting::GetInstance()->SetAddingProject(false);
}

void TestMainWindow::currentPageTwiceChangesNothing()
{
    m_window = std::make_unique<MainWindow>();
    QSignalSpy project(ToolBar(), &QTopToolBar::signalProjetManage);
    Trigger(QTopToolBar::ProjectAction);
    Trigger(QTopToolBar::ProjectAction);
    QCOMPARE(project.count(), 0);
    QVERIFY(ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());
    QCOMPARE(m_window->MdiArea()->subWindowList().size(), 1);
}

void TestMainWindow::pageButtonsFollowMenuNavigation_data()
{
    QTest::addColumn<QByteArray>("menuSignal");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("page");
    QTest::newRow("video") << QByteArray("signal_gotoVedioManage") << int(QTopToolBar::VedioAction)
                           << 1;
    QTest::newRow("report") << QByteArray("signal_gotoReportGenerate")
                            << int(QTopToolBar::ReportAction) << 2;
}

// The project page's menu opens another page: its button becomes the checked one, and the
// project button brings the project page back.
void TestMainWindow::pageButtonsFollowMenuNavigation()
{
    QFETCH(QByteArray, menuSignal);
    QFETCH(int, action);
    QFETCH(int, page);
    SelectProject();
    m_window = std::make_unique<MainWindow>();
    QVERIFY(QMetaObject::invokeMethod(m_window->PageHost(0)->Child(), menuSignal.constData()));
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentPage(), page);
    QCOMPARE(ToolBar()->CurrentAction(), ToolBar()->Action(QTopToolBar::ActionId(action)));
    QVERIFY(ToolBar()->Action(QTopToolBar::ActionId(action))->isChecked());
    QVERIFY(!ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());

    QSignalSpy project(ToolBar(), &QTopToolBar::signalProjetManage);
    Trigger(QTopToolBar::ProjectAction);
    QCOMPARE(project.count(), 1);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentPage(), 0);
    QCOMPARE(m_window->MdiArea()->activeSubWindow()->widget(), m_window->PageHost(0));
    QVERIFY(!ToolBar()->Action(QTopToolBar::ActionId(action))->isChecked());
}

// There is no defect scatter page: the button is disabled and says so, the project page's
// menu entry tells the user instead of doing nothing.
void TestMainWindow::defectScatterIsUnavailable()
{
    SelectProject();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QAction *scatter = ToolBar()->Action(QTopToolBar::DefectScatterAction);
    QVERIFY(!scatter->isEnabled());
    QVERIFY(!ToolBar()->Button(QTopToolBar::DefectScatterAction)->isEnabled());
    QVERIFY(scatter->toolTip().contains(QLatin1String("not available in this version")));
    QSignalSpy signal(ToolBar(), &QTopToolBar::signalDefectScatter);
    Trigger(QTopToolBar::DefectScatterAction);
    QCOMPARE(signal.count(), 0);
    QVERIFY(ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());
    QVERIFY(!scatter->isChecked());

    QString shown;
    GuiTest::AnswerNextMessageBox(MyMessageBox::ResultOk, &shown);
    QVERIFY(QMetaObject::invokeMethod(m_window->PageHost(0)->Child(), "signal_gotoDefectScatter"));
    QVERIFY2(shown.contains(QLatin1String("not available in this version")), qPrintable(shown));
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentPage(), 0);
    QCOMPARE(m_window->MdiArea()->subWindowList().size(), 1);
}

void TestMainWindow::helpTellsWhereTheGuideIs()
{
    m_window = std::make_unique<MainWindow>();
    QString shown;
    GuiTest::AnswerNextMessageBox(MyMessageBox::ResultOk, &shown);
    Trigger(QTopToolBar::HelpAction);
    QVERIFY2(shown.contains(QLatin1String("KLN-TQ420")), qPrintable(shown));
    QVERIFY(shown.contains(QLatin1String("Version: 1.0.10718")));
    QVERIFY(shown.contains(QLatin1String("README.md")));
}

void TestMainWindow::commandsRunEveryTime()
{
    m_window = std::make_unique<MainWindow>();
    QSignalSpy about(ToolBar(), &QTopToolBar::signalAbout);
    QString shown;
    for (int i = 0; i < 2; ++i) {
        GuiTest::AnswerNextMessageBox(MyMessageBox::ResultOk, &shown);
        Trigger(QTopToolBar::AboutAction);
        QVERIFY(shown.contains(QLatin1String("Version: 1.0.10718")));
        shown.clear();
    }
    QCOMPARE(about.count(), 2);
    // After a command no page button is checked until a page is chosen again.
    QCOMPARE(ToolBar()->CurrentAction(), ToolBar()->Action(QTopToolBar::AboutAction));
    QVERIFY(!ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());
    QSignalSpy project(ToolBar(), &QTopToolBar::signalProjetManage);
    Trigger(QTopToolBar::ProjectAction);
    QCOMPARE(project.count(), 1);
    QVERIFY(ToolBar()->Action(QTopToolBar::ProjectAction)->isChecked());
}

void TestMainWindow::languageSwitchEndsWithRestartCode()
{
    m_window = std::make_unique<MainWindow>();
    GuiTest::WhenShown(IsLanguageDialog, [](QWidget *widget) {
        auto *dialog = static_cast<QDlgSetLanguage *>(widget);
        dialog->LanguageBox()->setCurrentIndex(0);
        dialog->on_btn_OK_clicked();
        GuiTest::AnswerNextMessageBox(MyMessageBox::ResultOk);
    });
    QTimer::singleShot(0, m_window.get(), &MainWindow::HandleSwitchLanguage);
    QCOMPARE(QApplication::exec(), ApplicationStartup::kRestartExitCode);
    QVERIFY(CLanguageSettings::GetInstance()->IsChinese());
    QCOMPARE(CLanguageSettings::ReadUserSetting(QStringLiteral("Language"), QString()).toString(),
             QStringLiteral("zh_CN"));

    // Cancelling the question leaves the language as it is.
    GuiTest::WhenShown(IsLanguageDialog, [](QWidget *widget) {
        auto *dialog = static_cast<QDlgSetLanguage *>(widget);
        dialog->LanguageBox()->setCurrentIndex(1);
        dialog->on_btn_OK_clicked();
        GuiTest::AnswerNextMessageBox(MyMessageBox::ResultCancel);
    });
    m_window->HandleSwitchLanguage();
    QVERIFY(CLanguageSettings::GetInstance()->IsChinese());
    CLanguageSettings::GetInstance()->SetLanguage(false);
}

// The restart goes through the window's closing: the session's settings are written and the
// temporary folder removed. The question says beforehand that each language has its own data.
void TestMainWindow::languageSwitchClosesTheWindowFirst()
{
    SelectProject();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    setting->SetSortMode(1, 3);
    const QString settingsFile = setting->GetFilePath();
    QFile::remove(settingsFile);
    const QString tempDir = QFileManager::GetInstance()->GetTempDir();
    QVERIFY(QDir().mkpath(tempDir));
    QVERIFY(QFile(QDir(tempDir).filePath(QStringLiteral("frame.png"))).open(QIODevice::WriteOnly));

    QString question;
    GuiTest::WhenShown(IsLanguageDialog, [&question](QWidget *widget) {
        auto *dialog = static_cast<QDlgSetLanguage *>(widget);
        dialog->LanguageBox()->setCurrentIndex(0);
        dialog->on_btn_OK_clicked();
        GuiTest::AnswerNextMessageBox(MyMessageBox::ResultOk, &question);
    });
    m_window->HandleSwitchLanguage();
    QVERIFY2(question.contains(QLatin1String("own projects, settings and file cache")),
             qPrintable(question));
    QVERIFY(!m_window->isVisible());
    QVERIFY(!QFileInfo::exists(tempDir));
    QVERIFY(m_window->RestartRequested());
    QVERIFY(CLanguageSettings::GetInstance()->IsChinese());
    // The settings of the session went to the file of the language they were made in.
    CLanguageSettings::GetInstance()->SetLanguage(false);
    CKLN_TQ420Setting::ReleaseInstance();
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetFilePath(), settingsFile);
    QVERIFY(CKLN_TQ420Setting::GetInstance()->loadXml());
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetSortMode(1), 3);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode(),
             QStringLiteral("PRJ0000001"));
}

void TestMainWindow::closingSavesTheSettings()
{
    SelectProject();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    const QString settingsFile = CKLN_TQ420Setting::GetInstance()->GetFilePath();
    QFile::remove(settingsFile);
    QVERIFY(m_window->close());
    QVERIFY(QFile::exists(settingsFile));
    CKLN_TQ420Setting::ReleaseInstance();
    CKLN_TQ420Setting::GetInstance()->loadXml();
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode(),
             QStringLiteral("PRJ0000001"));
}

void TestMainWindow::reportDialogListsEachFileOnce()
{
    QTemporaryDir dir;
    const QString first = TestSupport::CopySample(QStringLiteral("rtv/v1025.rtv"), dir);
    const QString second = TestSupport::CopySample(QStringLiteral("rtv/worked.rtv"), dir);
    GenerateReportDlg dialog;
    auto *info = dialog.findChild<QLabel *>(QStringLiteral("label_Info"));
    QVERIFY(info->text().contains(GenerateReportDlg::CountText(0)));
    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("DeleteBtn"))->isHidden());

    dialog.AddFiles({first, first});
    dialog.AddFiles({first});
    QCOMPARE(dialog.FileModel()->rowCount(), 1);
    QCOMPARE(GenerateReportDlg::CountText(1),
             QStringLiteral("1 documents were selected and 1 test reports were generated according "
                            "to the evaluation criteria"));
    QVERIFY(info->text().contains(GenerateReportDlg::CountText(1)));
    dialog.AddFiles({second, dir.filePath(QStringLiteral("missing.rtv"))});
    QCOMPARE(dialog.FileModel()->rowCount(), 2);
    QCOMPARE(dialog.FileModel()->item(0, 0)->text(), first);

    dialog.on_ClearBtn_clicked();
    QCOMPARE(dialog.FileModel()->rowCount(), 0);
    QVERIFY(info->text().contains(GenerateReportDlg::CountText(0)));

    // Report with no file: the tip closes by itself and nothing is written.
    dialog.on_ReportBtn_clicked();
    QVERIFY(dialog.LastDocumentPath().isEmpty());
}

void TestMainWindow::reportDialogWritesADocument()
{
    QTemporaryDir dir;
    GenerateReportDlg dialog;
    dialog.SetOpenDocuments(false);
    dialog.AddFiles({TestSupport::CopySample(QStringLiteral("rtv/worked.rtv"), dir)});
    dialog.on_ReportBtn_clicked();
    const QString document = dialog.LastDocumentPath();
    QVERIFY(!document.isEmpty());
    QVERIFY(QFileInfo(document).size() > 10000);
    QFile::remove(document);
}

void TestMainWindow::reportDialogSaysWhatHappened_data()
{
    QTest::addColumn<bool>("wordProcessor");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("opened") << true << true << "Prompt|The report was saved as %1.";
    QTest::newRow("no program opens it")
        << true << false << "Prompt|The report was saved as %1, but no program could open it.";
    QTest::newRow("no word processor")
        << false << false
        << "Info|Please to check that the word or wps is installed !\n"
           "Warn|The report could not be made: No word processor could make the report.";
}

void TestMainWindow::reportDialogSaysWhatHappened()
{
    QFETCH(bool, wordProcessor);
    QFETCH(bool, opens);
    QFETCH(QString, prompt);
    QTemporaryDir dir;
    // A stand-in without any word processor takes the place of the product's.
    std::unique_ptr<FakeAutomation::Server> none;
    if (!wordProcessor)
        none = std::make_unique<FakeAutomation::Server>(QStringList());
    GenerateReportDlg dialog;
    QStringList opened;
    dialog.SetDocumentOpener([&opened, opens](const QString &path) {
        opened << path;
        return opens;
    });
    dialog.AddFiles({TestSupport::CopySample(QStringLiteral("rtv/worked.rtv"), dir)});
    dialog.on_ReportBtn_clicked();
    const QString document = dialog.LastDocumentPath();
    if (wordProcessor)
        prompt = prompt.arg(QDir::toNativeSeparators(document));
    QCOMPARE(m_prompt->Calls().join('\n'), prompt);
    QCOMPARE(opened, wordProcessor ? QStringList{document} : QStringList());
    QCOMPARE(document.isEmpty(), !wordProcessor);
    if (wordProcessor)
        QVERIFY(QFile::remove(document));
}

void TestMainWindow::reportModeRunsTheDialogAlone()
{
    CKLN_TQ420Setting::GetInstance();
    GuiTest::WhenShown(
        [](QWidget *widget) { return qobject_cast<GenerateReportDlg *>(widget) != nullptr; },
        [](QWidget *widget) { widget->close(); });
    // "-English" is not "-english": Chinese, and the choice is stored for the next start.
    QCOMPARE(ApplicationStartup::RunReportMode({"KLN_TQ420", "-report", "-English"}), 0);
    QVERIFY(CLanguageSettings::GetInstance()->IsChinese());
    QCOMPARE(CLanguageSettings::ReadUserSetting(QStringLiteral("Language"), QString()).toString(),
             QStringLiteral("zh_CN"));
    CLanguageSettings::GetInstance()->SetLanguage(false);
    CLanguageSettings::GetInstance()->ApplyLanguage();
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
