#include "gui/shell/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/dialogs/qdlgsystemsettings.h"
#include "gui/pages/qpagechild.h"
#include "gui/shell/applicationstartup.h"
#include "gui/shell/qdlgsetlanguage.h"
#include "gui/shell/qtableshow.h"
#include "gui/shell/qtoptoolbar.h"

namespace {
CKLN_TQ420Setting *Setting()
{
    return CKLN_TQ420Setting::GetInstance();
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setMenuBar(new QMenuBar(this));
    setStatusBar(new QStatusBar(this));

    m_pTopToolBar = new QTopToolBar(tr("topToolBar"), this);
    addToolBar(Qt::TopToolBarArea, m_pTopToolBar);
    connect(m_pTopToolBar, &QTopToolBar::signalProjetManage, this,
            &MainWindow::HandleProjectManage);
    connect(m_pTopToolBar, &QTopToolBar::signalVedioMange, this, &MainWindow::HandleVedioManage);
    connect(m_pTopToolBar, &QTopToolBar::signalReportGenerate, this,
            &MainWindow::HandleReportGenerate);
    connect(m_pTopToolBar, &QTopToolBar::signalDefectScatter, this,
            &MainWindow::HandleDefectScatter);
    connect(m_pTopToolBar, &QTopToolBar::signalSystemSetting, this,
            &MainWindow::HandleSystemSetting);
    connect(m_pTopToolBar, &QTopToolBar::signalHelp, this, &MainWindow::HandleHelp);
    connect(m_pTopToolBar, &QTopToolBar::signalAbout, this, &MainWindow::HandleAbout);
    connect(m_pTopToolBar, &QTopToolBar::signalSwitchLanguage, this,
            &MainWindow::HandleSwitchLanguage);
    connect(this, &MainWindow::NotifyLanguageChanged, m_pTopToolBar, &QTopToolBar::OnRetranslate);

    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);

    setWindowTitle(tr("KLN-TQ420"));
    setStyleSheet(QStringLiteral("QToolBar{background-color:rgb(21,73,154);}"));
    statusBar()->hide();
    setWindowState(windowState() | Qt::WindowMaximized);

    Setting()->loadXml();
    if (!Setting()->GetAddingProject()) {
        Setting()->SetCurrentPage(0);
        OpenPage(0);
    }
}

QPageShow *MainWindow::PageHost(int type) const
{
    for (QMdiSubWindow *window : m_pMdiArea->subWindowList()) {
        auto *host = qobject_cast<QPageShow *>(window->widget());
        if (host && host->ChildType() == type)
            return host;
    }
    return nullptr;
}

void MainWindow::OpenPage(int type)
{
    // Pages are also opened from a page's menu; the tool bar then follows.
    MarkPageButton(type);
    for (QMdiSubWindow *window : m_pMdiArea->subWindowList()) {
        auto *host = qobject_cast<QPageShow *>(window->widget());
        if (host && host->ChildType() == type) {
            m_pMdiArea->setActiveSubWindow(window);
            host->RefreshChild();
            return;
        }
    }
    QPageShow *host = createMdiChild();
    if (!host)
        return;
    if (host->ChildType() == -1)
        host->parentWidget()->close();
    else
        host->show();
}

void MainWindow::MarkPageButton(int type)
{
    static const QTopToolBar::ActionId kPageActions[] = {
        QTopToolBar::ProjectAction, QTopToolBar::VedioAction, QTopToolBar::ReportAction};
    if (type >= 0 && type <= 2)
        m_pTopToolBar->SetCurrentAction(kPageActions[type]);
}

QPageShow *MainWindow::createMdiChild()
{
    const int type = Setting()->GetCurrentPage();
    if (type < 0 || type > 2)
        return nullptr;
    auto *host = new QTableShow(type, this);
    ConnectPage(type, host->Child());
    QMdiSubWindow *window =
        m_pMdiArea->addSubWindow(host, Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                                           Qt::WindowMaximizeButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showMaximized();
    return host;
}

void MainWindow::ConnectPage(int type, QPageChild *page)
{
    if (!page)
        return;
    if (type == 0) {
        connect(page, &QPageChild::signal_gotoVedioManage, this, &MainWindow::HandleVedioManage);
        connect(page, &QPageChild::signal_gotoReportGenerate, this,
                &MainWindow::HandleReportGenerate);
        connect(page, &QPageChild::signal_gotoDefectScatter, this,
                &MainWindow::HandleDefectScatter);
    }
    connect(this, &MainWindow::NotifyLanguageChanged, page, &QPageChild::OnRetranslate);
}

void MainWindow::HandleProjectManage()
{
    if (Setting()->IsAddingProject())
        return;
    Setting()->SetCurrentPage(0);
    OpenPage(0);
}

void MainWindow::HandleVedioManage()
{
    Setting()->SetCurrentPage(1);
    OpenPage(1);
}

void MainWindow::HandleReportGenerate()
{
    Setting()->SetCurrentPage(2);
    OpenPage(2);
}

void MainWindow::HandleDefectScatter()
{
    // There is no defect scatter page (its tool-bar button is disabled); the project page's
    // menu still offers it.
    MyMessageBox::ShowMessage(this, tr("Prompt"),
                              tr("Defect Scatter is not available in this version."),
                              MyMessageBox::IconInformation, MyMessageBox::ButtonOk, true);
}

void MainWindow::HandleSystemSetting()
{
    if (Setting()->IsAddingProject())
        return;
    QDlgSystemSettings dialog(this);
    dialog.exec();
}

void MainWindow::HandleHelp()
{
    if (Setting()->IsAddingProject())
        return;
    MyMessageBox::ShowMessage(
        this, tr("Help"),
        tr("<p> <b>KLN-TQ420</b> </p> ") + tr("<p> Version: 1.0.10718 </p> ") +
            tr("<p> The user guide is the file README.md that comes with the program's "
               "sources. </p> "),
        MyMessageBox::IconInformation, MyMessageBox::ButtonOk, true);
}

QString MainWindow::AboutText()
{
    return tr("<p> <b>KLN-TQ420</b> </p> ") + tr("<p> Version: 1.0.10718 </p> ") +
           tr("<p> Office software of the KLN-TQ420 pipe inspection robot. </p> ") +
           tr("<p> Keeps inspection projects, imports videos with their inspection files and "
              "reviews every defect. </p> ") +
           tr("<p> Evaluates each pipe section by CJJ 181-2012. </p> ") +
           tr("<p> Writes the inspection report, the sheets and the export directory. </p> ");
}

void MainWindow::HandleAbout()
{
    if (Setting()->IsAddingProject())
        return;
    MyMessageBox::ShowMessage(this, tr("About"), AboutText(), MyMessageBox::IconTitle,
                              MyMessageBox::ButtonOk, true);
}

void MainWindow::HandleSwitchLanguage()
{
    if (Setting()->IsAddingProject())
        return;
    QDlgSetLanguage dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int answer = MyMessageBox::ShowMessage(
        this, tr("Prompt"),
        tr("After Switching language , the application will be restarted automatically, are you "
           "sure to switch language ?") +
            QStringLiteral("\n\n") +
            tr("Each interface language keeps its own projects, settings and file cache: after "
               "the switch the project list shows the projects of the other language, and "
               "switching back shows these projects again."),
        MyMessageBox::IconInformation, MyMessageBox::ButtonOkCancel, true);
    if (answer != MyMessageBox::ResultOk)
        return;
    // Through the normal closing, so that the session's settings are saved and the temporary
    // folder is removed; a page that cannot close keeps the language as it is.
    m_bRestartRequested = true;
    if (!close()) {
        m_bRestartRequested = false;
        return;
    }
    CLanguageSettings::GetInstance()->SwitchLanguage();
    QApplication::exit(ApplicationStartup::kRestartExitCode);
}

bool MainWindow::PagesAllowClosing()
{
    for (QMdiSubWindow *window : m_pMdiArea->subWindowList()) {
        auto *host = qobject_cast<QPageShow *>(window->widget());
        const int type = host ? host->ChildType() : -1;
        if (type == 0 && Setting()->IsAddingProject())
            return false;
        if (type >= 0 && type <= 2 && !host->Child()->SubmitChanges())
            return false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!PagesAllowClosing()) {
        event->ignore();
        return;
    }
    CKLN_TQ420DataBase::GetInstance()->closeDatabase();
    Setting()->saveXml();
    QFileManager::GetInstance()->RecursiveRemove(QFileManager::GetInstance()->GetTempDir());
    QFile::remove(Setting()->GetMapResourceDir() + QStringLiteral("/MapData.xml"));
    event->accept();
}
