#pragma once

#include <array>

#include <QToolBar>

class QToolButton;

// The fixed tool bar at the top of the main window: one button per task, the language button
// at the right edge. Page buttons are checkable; the "current" action is the last one that
// took effect. Switching to a page needs a selected project and no project being added.
class QTopToolBar : public QToolBar
{
    Q_OBJECT

public:
    enum ActionId {
        ProjectAction,
        VedioAction,
        ReportAction,
        DefectScatterAction,
        SystemSettingAction,
        HelpAction,
        AboutAction,
        LanguageAction,
        ActionCount
    };

    explicit QTopToolBar(const QString &title, QWidget *parent = nullptr);

    QAction *Action(ActionId id) const { return m_actions[size_t(id)]; }
    QToolButton *Button(ActionId id) const { return m_buttons[size_t(id)]; }
    QAction *CurrentAction() const { return m_currentAction; }
    // Makes the action the checked, current one without emitting its signal: a page opened
    // another way (a page's menu) shows its button as the current one.
    void SetCurrentAction(ActionId id);

signals:
    void signalProjetManage();
    void signalVedioMange();
    void signalReportGenerate();
    void signalDefectScatter();
    void signalSystemSetting();
    void signalHelp();
    void signalAbout();
    void signalSwitchLanguage();

public slots:
    void toolChanged();
    void OnRetranslate();

private:
    void CreateActions();
    void CreateButtons();
    void FitButtons();
    void DisableUnavailable();
    bool CanSwitchTo(QAction *action);
    ActionId IdOf(const QAction *action) const;
    void EmitSignalOf(ActionId id);

    std::array<QAction *, ActionCount> m_actions{};
    std::array<QToolButton *, ActionCount> m_buttons{};
    QAction *m_currentAction = nullptr;
};
