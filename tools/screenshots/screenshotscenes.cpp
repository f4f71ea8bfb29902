#include "screenshotscenes.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ControllerFolders/CustomControl/qtoptoolbar.h"
#include "ControllerFolders/CustomControl/waitview.h"
#include "ModelFolders/DataBase/ckln_tq420database.h"
#include "ModelFolders/GenerateReport/generatereportdlg.h"
#include "QUtility/mymessagebox.h"
#include "QUtility/qdlgsetlanguage.h"
#include "ckln_tq420setting.h"
#include "mainwindow.h"

ScreenshotScenes::ScreenshotScenes(const QString &outDir, const QString &language)
    : m_strOutDir(outDir), m_strLanguage(language)
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
    return picture.save(QDir(m_strOutDir).filePath(name + QLatin1Char('_') + m_strLanguage
                                                   + QStringLiteral(".png")));
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
