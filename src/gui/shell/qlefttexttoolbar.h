#pragma once

#include <QList>
#include <QToolBar>

class QToolButton;

// The vertical text tool bar at the left edge of a table page: one checkable text button per
// entry, exactly one of them checked. Emits the index of a newly checked entry.
class QLeftTextToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit QLeftTextToolBar(QWidget *parent = nullptr);

    // Appends one entry per text; the entry at checkedIndex becomes the checked one.
    void AddItems(const QStringList &texts, int checkedIndex);
    QList<QAction *> Actions() const { return m_actions; }
    QList<QToolButton *> Buttons() const { return m_buttons; }
    QAction *CurrentAction() const { return m_currentAction; }

signals:
    void ToolButtonCheckedChanged(int index);

public slots:
    void toolChanged();
    void OnRetranslate(const QStringList &texts);

private:
    QToolButton *CreateButton(QAction *action, const QSize &minimumSize);

    QList<QAction *> m_actions;
    QList<QToolButton *> m_buttons;
    QAction *m_currentAction = nullptr;
};
