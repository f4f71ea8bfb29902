#pragma once

#include <QMainWindow>

class QMdiArea;
class QPageChild;
class QPageShow;
class QTopToolBar;

// The window of the full application: the top tool bar and an MDI area holding one
// maximised page per type (0 project, 1 video, 2 defect). Turns tool-bar clicks into page
// switches and guards closing.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    QTopToolBar *TopToolBar() const { return m_pTopToolBar; }
    QMdiArea *MdiArea() const { return m_pMdiArea; }
    // The host of a page type, or nullptr when that page was not opened yet.
    QPageShow *PageHost(int type) const;

    // The about box text: the program, its version and what it does.
    static QString AboutText();
    // True once the language switch has closed the window: the program starts again.
    bool RestartRequested() const { return m_bRestartRequested; }

signals:
    void NotifyLanguageChanged();

public slots:
    QPageShow *createMdiChild();
    void HandleProjectManage();
    void HandleVedioManage();
    void HandleReportGenerate();
    void HandleDefectScatter();
    void HandleSystemSetting();
    void HandleHelp();
    void HandleAbout();
    void HandleSwitchLanguage();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void OpenPage(int type);
    void MarkPageButton(int type);
    void ConnectPage(int type, QPageChild *page);
    // False when a page keeps the application open (a project being added, edits that
    // cannot be written).
    bool PagesAllowClosing();

    QTopToolBar *m_pTopToolBar = nullptr;
    QMdiArea *m_pMdiArea = nullptr;
    bool m_bRestartRequested = false;
};
