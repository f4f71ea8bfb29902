#include "gui/chrome/qmylineedit.h"

#include <QKeyEvent>

#include "core/common/debuglog.h"

QMyLineEdit::QMyLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &QMyLineEdit::OntextChanged);
}

void QMyLineEdit::OntextChanged(const QString &text)
{
    TQ_LOG << "QMyLineEdit::OntextChanged---" << text;
}

void QMyLineEdit::focusOutEvent(QFocusEvent *event)
{
    emit signal_focusout();
    QLineEdit::focusOutEvent(event);
}

void QMyLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return)
        emit signal_focusout();
    QLineEdit::keyPressEvent(event);
}
