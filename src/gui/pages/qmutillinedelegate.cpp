#include "gui/pages/qmutillinedelegate.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "gui/chrome/qmylineedit.h"
#include "gui/pages/headerspec.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qmytableview.h"

namespace {
const char *const kNonEmptyPattern = "^[\\s\\S]*.*[^\\s][\\s\\S]*$";
const char *const kInvalidBorder = "QLineEdit{border:1px solid red}";
const char *const kValidBorder = "QLineEdit{border:1px solid gray}";
} // namespace

QMutilLineDelegate::QMutilLineDelegate(QMyTableView *view)
    : QStyledItemDelegate(view)
    , m_pView(view)
{}

bool QMutilLineDelegate::IsValidDateText(const QString &text)
{
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid();
}

bool QMutilLineDelegate::IsNonEmptyText(const QString &text)
{
    static const QRegularExpression pattern(QString::fromLatin1(kNonEmptyPattern));
    return pattern.match(text).hasMatch();
}

void QMutilLineDelegate::initStyleOption(QStyleOptionViewItem *option,
                                         const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::WrapText;
}

QWidget *QMutilLineDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &index) const
{
    if (!m_pView || index.row() != m_pView->EditingRow())
        return nullptr;
    const int kind = m_pView->EditorKind(index.column());
    switch (kind) {
    case HeaderColumnSpec::Choice: {
        auto *combo = new QComboBox(parent);
        combo->addItems(m_pView->ComboboxItems(index.column()));
        return combo;
    }
    case HeaderColumnSpec::FreeText:
    case HeaderColumnSpec::DateText:
        return new QMyLineEdit(parent);
    case HeaderColumnSpec::RequiredText: {
        auto *edit = new QMyLineEdit(parent);
        if (m_pView->NoneEmptyCheck()) {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QString::fromLatin1(kNonEmptyPattern)), edit));
            edit->setToolTip(tr("The string could't be empty ."));
            auto mark = [edit](const QString &text) {
                edit->setStyleSheet(
                    QString::fromLatin1(IsNonEmptyText(text) ? kValidBorder : kInvalidBorder));
            };
            connect(edit, &QLineEdit::textChanged, edit, mark);
            mark(index.data(Qt::EditRole).toString());
        }
        return edit;
    }
    default:
        return nullptr;
    }
}

void QMutilLineDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        int at = combo->findText(text);
        if (at < 0 && !text.isEmpty()) {
            combo->addItem(text);
            at = combo->count() - 1;
        }
        combo->setCurrentIndex(at);
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        edit->setText(text);
    }
}

void QMutilLineDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return;
    const QString text = edit->text();
    if (m_pView && m_pView->EditorKind(index.column()) == HeaderColumnSpec::DateText &&
        !IsValidDateText(text)) {
        Pages::PagePrompt(m_pView, tr("Warn"),
                          tr("The date format must be 'YYYY-MM-DD' ,please put in again"),
                          MyMessageBox::IconError, MyMessageBox::ButtonOk);
        return;
    }
    model->setData(index, text, Qt::EditRole);
}

void QMutilLineDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
