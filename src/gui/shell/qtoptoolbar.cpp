#include "gui/shell/qtoptoolbar.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/displayscale.h"
#include "gui/chrome/stylesheet.h"

namespace {
struct ActionSpec
{
    const char *icon;
    const char *text;     // with its mnemonic
    const char *iconText; // also the status tip
    const char *shortcut;
    bool checkable;
};

// In the order of QTopToolBar::ActionId.
const ActionSpec kActionSpecs[QTopToolBar::ActionCount] = {
    {":/ToolBarRes/Images/MainFrame/ProjectManager.png",
     QT_TRANSLATE_NOOP("QTopToolBar", "&Project Manage"),
     QT_TRANSLATE_NOOP("QTopToolBar", "Project Manage"), "", true},
    {":/ToolBarRes/Images/MainFrame/VedioManager.png",
     QT_TRANSLATE_NOOP("QTopToolBar", "&Vedio Manage"),
     QT_TRANSLATE_NOOP("QTopToolBar", "Vedio Manage"), "", true},
    {":/ToolBarRes/Images/MainFrame/Report.png",
     QT_TRANSLATE_NOOP("QTopToolBar", "&Report Generate"),
     QT_TRANSLATE_NOOP("QTopToolBar", "Report Generate"), "", true},
    {":/ToolBarRes/Images/MainFrame/DefectScatter.png",
     QT_TRANSLATE_NOOP("QTopToolBar", "&Defect Scatter"),
     QT_TRANSLATE_NOOP("QTopToolBar", "Defect Scatter"), "", true},
    {":/ToolBarRes/Images/MainFrame/SystemSetting.png",
     QT_TRANSLATE_NOOP("QTopToolBar", "&System Setting"),
     QT_TRANSLATE_NOOP("QTopToolBar", "System Setting"), "", false},
    {":/ToolBarRes/Images/MainFrame/Help.png", QT_TRANSLATE_NOOP("QTopToolBar", "&Help"),
     QT_TRANSLATE_NOOP("QTopToolBar", "Help"), "Ctrl+H", false},
    {":/ToolBarRes/Images/MainFrame/About.png", QT_TRANSLATE_NOOP("QTopToolBar", "&About"),
     QT_TRANSLATE_NOOP("QTopToolBar", "About"), "Ctrl+P", false},
    {":/ToolBarRes/Images/MainFrame/language.png", QT_TRANSLATE_NOOP("QTopToolBar", "&Language"),
     QT_TRANSLATE_NOOP("QTopToolBar", "Language"), "Ctrl+L", false},
};
} // namespace

QTopToolBar::QTopToolBar(const QString &title, QWidget *parent)
    : QToolBar(title, parent)
{
    setMovable(false);
    setAllowedAreas(Qt::TopToolBarArea);
    CreateActions();
    CreateButtons();
    m_currentAction = Action(ProjectAction);
    m_currentAction->setChecked(true);
    StyleSheet::AppendStyleSheet(this, QStringLiteral(":/css/Theme/QSS/QToolBar.css"));
}

void QTopToolBar::CreateActions()
{
    for (int i = 0; i < ActionCount; ++i) {
        const ActionSpec &spec = kActionSpecs[i];
        auto *action = new QAction(QIcon(QString::fromLatin1(spec.icon)), tr(spec.text), this);
        action->setCheckable(spec.checkable);
        if (*spec.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut)));
        connect(action, &QAction::triggered, this, &QTopToolBar::toolChanged);
        m_actions[size_t(i)] = action;
    }
    OnRetranslate();
}

void QTopToolBar::CreateButtons()
{
    auto *row = new QWidget(this);
    row->setMaximumHeight(Display::ScaledPixels(72));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QSize buttonSize(Display::ScaledPixels(64), Display::ScaledPixels(64));
    for (int i = 0; i < ActionCount; ++i) {
        auto *button = new QToolButton(row);
        button->setDefaultAction(m_actions[size_t(i)]);
        button->setStatusTip(m_actions[size_t(i)]->text());
        button->setIconSize(QSize(Display::ScaledPixels(32), Display::ScaledPixels(32)));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        if (i == LanguageAction)
            layout->addSpacerItem(new QSpacerItem(buttonSize.width(), buttonSize.height(),
                                                  QSizePolicy::Expanding, QSizePolicy::Minimum));
        layout->addWidget(button);
        m_buttons[size_t(i)] = button;
    }
    addWidget(row);
    FitButtons();
}

void QTopToolBar::FitButtons()
{
    // 64 by 64 as designed, wider where a label needs it ("Project Manage" does not fit).
    const int side = Display::ScaledPixels(64);
    for (QToolButton *button : m_buttons) {
        if (!button)
            continue;
        const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
        button->setFixedSize(qMax(side, textWidth + Display::ScaledPixels(16)), side);
    }
}

void QTopToolBar::OnRetranslate()
{
    for (int i = 0; i < ActionCount; ++i) {
        const QString text = tr(kActionSpecs[i].iconText);
        m_actions[size_t(i)]->setIconText(text);
        m_actions[size_t(i)]->setStatusTip(text);
    }
    FitButtons();
    DisableUnavailable();
}

// There is no defect scatter page: an enabled button that does nothing would mislead.
void QTopToolBar::DisableUnavailable()
{
    QAction *scatter = Action(DefectScatterAction);
    scatter->setEnabled(false);
    scatter->setCheckable(false);
    scatter->setToolTip(tr("Defect Scatter is not available in this version."));
}

void QTopToolBar::SetCurrentAction(ActionId id)
{
    QAction *action = Action(id);
    if (action == m_currentAction)
        return;
    m_currentAction->setChecked(false);
    m_currentAction = action;
    action->setChecked(true);
}

QTopToolBar::ActionId QTopToolBar::IdOf(const QAction *action) const
{
    for (int i = 0; i < ActionCount; ++i)
        if (m_actions[size_t(i)] == action)
            return ActionId(i);
    return ActionCount;
}

void QTopToolBar::toolChanged()
{
    auto *action = qobject_cast<QAction *>(sender());
    const ActionId id = IdOf(action);
    // A disabled action can still be triggered from code.
    if (id == ActionCount || !action->isEnabled())
        return;
    if (action != m_currentAction) {
        if (!CanSwitchTo(action))
            return;
        m_currentAction->setChecked(false);
        m_currentAction = action;
        EmitSignalOf(id);
        return;
    }
    // The current action again: a page stays as it is, a command runs again.
    action->setChecked(true);
    if (id >= SystemSettingAction)
        EmitSignalOf(id);
}

bool QTopToolBar::CanSwitchTo(QAction *action)
{
    const ActionId id = IdOf(action);
    CKLN_TQ420Setting *setting = CKLN_TQ420Setting::GetInstance();
    if (id >= VedioAction && id <= DefectScatterAction && !setting->HasCurrentProject()) {
        action->setChecked(false);
        return false;
    }
    if (setting->IsAddingProject()) {
        QAction *project = Action(ProjectAction);
        if (m_currentAction != project)
            m_currentAction->setChecked(false);
        m_currentAction = project;
        project->setChecked(true);
        if (action != project)
            action->setChecked(false);
        return false;
    }
    return true;
}

void QTopToolBar::EmitSignalOf(ActionId id)
{
    switch (id) {
    case ProjectAction:
        emit signalProjetManage();
        break;
    case VedioAction:
        emit signalVedioMange();
        break;
    case ReportAction:
        emit signalReportGenerate();
        break;
    case DefectScatterAction:
        emit signalDefectScatter();
        break;
    case SystemSettingAction:
        emit signalSystemSetting();
        break;
    case HelpAction:
        emit signalHelp();
        break;
    case AboutAction:
        emit signalAbout();
        break;
    case LanguageAction:
        emit signalSwitchLanguage();
        break;
    case ActionCount:
        break;
    }
}
