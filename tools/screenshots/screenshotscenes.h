#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>

class MainWindow;
class QWidget;

// The windows shown for the README, each a named scene that ends with one saved picture.
class ScreenshotScenes
{
public:
    ScreenshotScenes(const QString &outDir, const QString &language);
    ~ScreenshotScenes();

    // Takes the wanted scenes (all when the list is empty); false when one failed.
    bool Run(const QStringList &wanted);

private:
    struct Scene
    {
        QString name;
        std::function<bool()> take;
    };
    QList<Scene> Scenes();

    bool MainWindowScene();
    bool LanguageDialogScene();
    bool MessageBoxScene();
    bool WaitViewScene();
    bool PageScene(int type, const QString &name);
    bool DetailScene();
    bool ReportDialogScene();
    bool SettingsScene();
    bool DataExportScene();
    static void SelectFirstProjectWithVideos();

    MainWindow *Window();
    // Lets the event loop run for a while so that windows are laid out and painted.
    static void Settle(int msec = 300);
    // Saves the screen area of the widget's window (with any box over it).
    bool SaveScreen(QWidget *widget, const QString &name) const;

    QString m_strOutDir;
    QString m_strLanguage;
    std::unique_ptr<MainWindow> m_window;
};
