#include "screenshotscenes.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "core/database/ckln_tq420database.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/chrome/waitview.h"
#include "gui/dialogs/generatereportdlg.h"
#include "gui/dialogs/qdlgdataexport.h"
#include "gui/dialogs/qdlgsystemsettings.h"
#include "gui/pages/qdlgdetail.h"
#include "gui/pages/qpagedefectinfo.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/qdlgsetlanguage.h"
#include "gui/shell/qpageshow.h"
#include "gui/shell/qtoptoolbar.h"

ScreenshotScenes::ScreenshotScenes(const QString &outDir, const QString &language)
    : m_strOutDir(outDir)
    , m_strLanguage(language)
{
    QDir().mkpath(outDir);
}

ScreenshotScenes::~ScreenshotScenes() = default;

QList<ScreenshotScenes::Scene> ScreenshotScenes::Scenes()
{
    return {
        {QStringLiteral("mainwindow"), [this] { return MainWindowScene(); }},
        {QStringLiteral("language"), [this] { return LanguageDialogScene(); }},
        {QStringLiteral("messagebox"), [this] { return MessageBoxScene(); }},
        {QStringLiteral("waitview"), [this] { return WaitViewScene(); }},
        {QStringLiteral("reportdialog"), [this] { return ReportDialogScene(); }},
        {QStringLiteral("videopage"), [this] { return PageScene(1, QStringLiteral("videopage")); }},
        {QStringLiteral("defectpage"),
         [this] { return PageScene(2, QStringLiteral("defectpage")); }},
        {QStringLiteral("detail"), [this] { return DetailScene(); }},
        {QStringLiteral("settings"), [this] { return SettingsScene(); }},
        {QStringLiteral("dataexport"), [this] { return DataExportScene(); }},
    };
}

bool ScreenshotScenes::Run(const QStringList &wanted)
{
    bool ok = true;
    for (const Scene &scene : Scenes()) {
        if (!wanted.isEmpty() && !wanted.contains(scene.name))
            continue;
        const bool taken = scene.take();
        std::fprintf(stderr, "%s %s\n", qPrintable(scene.name), taken ? "saved" : "FAILED");
        ok = ok && taken;
    }
    return ok;
}

void ScreenshotScenes::Settle(int msec)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < msec)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool ScreenshotScenes::SaveScreen(QWidget *widget, const QString &name) const
{
    Settle();
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const QRect area = widget->window()->frameGeometry();
    const QPixmap picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return picture.save(
        QDir(m_strOutDir)
            .filePath(name + QLatin1Char('_') + m_strLanguage + QStringLiteral(".png")));
}

MainWindow *ScreenshotScenes::Window()
{
    if (!m_window) {
        m_window = std::make_unique<MainWindow>();
        // No window manager maximises under a virtual display: take the screen by hand.
        m_window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        m_window->show();
        Settle(500);
    }
    return m_window.get();
}

bool ScreenshotScenes::MainWindowScene()
{
    return SaveScreen(Window(), QStringLiteral("mainwindow"));
}

bool ScreenshotScenes::LanguageDialogScene()
{
    QDlgSetLanguage dialog;
    dialog.show();
    return SaveScreen(&dialog, QStringLiteral("language"));
}

bool ScreenshotScenes::MessageBoxScene()
{
    MainWindow *window = Window();
    bool saved = false;
    QTimer::singleShot(400, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<MyMessageBox *>(widget); box && box->isVisible()) {
                saved = SaveScreen(box, QStringLiteral("messagebox"));
                box->okButton()->click();
            }
        }
    });
    window->HandleAbout();
    return saved;
}

bool ScreenshotScenes::WaitViewScene()
{
    MainWindow *window = Window();
    WaitView view(window, false, 0);
    view.setTitle(QObject::tr("Importing videos ... 3 / 10"));
    return SaveScreen(window, QStringLiteral("waitview"));
}

bool ScreenshotScenes::ReportDialogScene()
{
    GenerateReportDlg dialog;
    const QStringList files = QDir(QStringLiteral(TQ420_SAMPLE_DIR "/rtv"))
                                  .entryList({QStringLiteral("*.rtv")}, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &file : files.mid(0, 4))
        paths.append(QStringLiteral(TQ420_SAMPLE_DIR "/rtv/") + file);
    dialog.AddFiles(paths);
    dialog.show();
    return SaveScreen(&dialog, QStringLiteral("reportdialog"));
}

void ScreenshotScenes::SelectFirstProjectWithVideos()
{
    const QList<QVariantMap> rows = CKLN_TQ420DataBase::GetInstance()->SelectRows(
        QStringLiteral("ProjectDetail"), QStringLiteral("VedioNums > 0"));
    if (rows.isEmpty())
        return;
    const QVariantMap &row = rows.first();
    CKLN_TQ420Setting::GetInstance()->SetCurrentProject(
        row.value(QStringLiteral("ProjectNumber")).toString(),
        row.value(QStringLiteral("HashCode")).toString(),
        row.value(QStringLiteral("ProjectName")).toString(),
        row.value(QStringLiteral("ProjectSite")).toString());
}

bool ScreenshotScenes::PageScene(int type, const QString &name)
{
    MainWindow *window = Window();
    SelectFirstProjectWithVideos();
    window->TopToolBar()
        ->Action(type == 1 ? QTopToolBar::VedioAction : QTopToolBar::ReportAction)
        ->trigger();
    Settle(1500); // a selected video's file is read behind the wait view
    return SaveScreen(window, name);
}

bool ScreenshotScenes::DetailScene()
{
    PageScene(2, QStringLiteral("defectpage"));
    QPageShow *host = Window()->PageHost(2);
    auto *page = host ? qobject_cast<QPageDefectInfo *>(host->Child()) : nullptr;
    if (!page)
        return false;
    page->SeletctedRowDoubleClick(0);
    const bool saved = SaveScreen(page->DetailDialog(), QStringLiteral("detail"));
    page->DetailDialog()->hide();
    return saved;
}

bool ScreenshotScenes::SettingsScene()
{
    QDlgSystemSettings dialog;
    dialog.show();
    bool saved = true;
    for (int tab = 0; tab < dialog.Tabs()->count(); ++tab) {
        dialog.Tabs()->setCurrentIndex(tab);
        saved = SaveScreen(&dialog, QStringLiteral("settings-%1").arg(tab + 1)) && saved;
    }
    return saved;
}

bool ScreenshotScenes::DataExportScene()
{
    SelectFirstProjectWithVideos();
    QDlgDataExport dialog;
    dialog.show();
    return SaveScreen(&dialog, QStringLiteral("dataexport"));
}
