#pragma once

#include <QDialog>

class QTimer;

// A short-lived tip over the middle of the screen that closes itself after its interval.
class TipView : public QDialog
{
    Q_OBJECT

public:
    TipView(int msec, QWidget *parent = nullptr);

    void SetText(const QString &text) { m_strText = text; }
    QString Text() const { return m_strText; }

public slots:
    void TimeOut();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_strText;
    QTimer *m_pTimer = nullptr;
    int m_nInterval;
};

namespace Tips {

// Shows the tip modally for msec milliseconds.
void ShowTip(const QString &text, int msec);

} // namespace Tips
