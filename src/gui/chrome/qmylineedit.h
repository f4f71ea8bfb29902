#pragma once

#include <QLineEdit>

// Line edit that reports leaving it (focus lost or Return pressed) by signal_focusout; the
// table views use it as their in-place editor.
class QMyLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit QMyLineEdit(QWidget *parent = nullptr);

signals:
    void signal_focusout();

public slots:
    void OntextChanged(const QString &text);

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
