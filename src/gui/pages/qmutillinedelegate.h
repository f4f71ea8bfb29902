#pragma once

#include <QStyledItemDelegate>

class QMyTableView;

// The item delegate of the page tables: wraps long texts over several lines and makes the
// in-place editor of a cell from the view's editor kind (QMyLineEdit for free, required and
// date text, combo box for a choice); only the row the view is editing gets editors.
class QMutilLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit QMutilLineDelegate(QMyTableView *view);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    // A date cell must read "yyyy-MM-dd" exactly.
    static bool IsValidDateText(const QString &text);
    // The text of a required cell must hold something other than blanks.
    static bool IsNonEmptyText(const QString &text);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QMyTableView *m_pView = nullptr;
};
