#include "gui/shell/qlefttexttoolbar.h"

#include <QToolButton>

#include "gui/chrome/displayscale.h"
#include "gui/chrome/stylesheet.h"

QLeftTextToolBar::QLeftTextToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setOrientation(Qt::Vertical);
    setMovable(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    StyleSheet::AppendStyleSheet(this, QStringLiteral(":/css/Theme/QSS/QToolBar_Ver.css"));
}

void QLeftTextToolBar::AddItems(const QStringList &texts, int checkedIndex)
{
    const QSize minimumSize(Display::ScaledPixels(100), Display::ScaledPixels(35));
    for (int i = 0; i < texts.size(); ++i) {
        auto *action = new QAction(texts.at(i), this);
        connect(action, &QAction::triggered, this, &QLeftTextToolBar::toolChanged);
        QToolButton *button = CreateButton(action, minimumSize);
        if (i == checkedIndex) {
            m_currentAction = action;
            action->setChecked(true);
        }
        addWidget(button);
        m_actions.append(action);
        m_buttons.append(button);
    }
}

QToolButton *QLeftTextToolBar::CreateButton(QAction *action, const QSize &minimumSize)
{
    action->setCheckable(true);
    auto *button = new QToolButton(this);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumSize(minimumSize);
    button->setFixedHeight(Display::ScaledPixels(46));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setDefaultAction(action);
    button->setStatusTip(action->text());
    return button;
}

void QLeftTextToolBar::toolChanged()
{
    auto *action = qobject_cast<QAction *>(sender());
    const int index = m_actions.indexOf(action);
    if (index < 0)
        return;
    if (action == m_currentAction) {
        action->setChecked(true); // clicking the checked entry keeps it checked
        return;
    }
    if (m_currentAction)
        m_currentAction->setChecked(false);
    m_currentAction = action;
    emit ToolButtonCheckedChanged(index);
}

void QLeftTextToolBar::OnRetranslate(const QStringList &texts)
{
    const int count = qMin(texts.size(), m_actions.size());
    for (int i = 0; i < count; ++i) {
        m_actions.at(i)->setText(texts.at(i));
        m_buttons.at(i)->setText(texts.at(i));
    }
}
