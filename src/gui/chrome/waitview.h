#pragma once

#include <QDialog>
#include <QRect>
#include <QTimer>

// Translucent overlay shown while a long job runs: a turning spinner with a text below
// (mode 0) or only a text with growing dots (mode 1), over its parent or the whole desktop.
class WaitView : public QDialog
{
    Q_OBJECT

public:
    WaitView(QWidget *parent, bool fullScreen, int mode);

    int phase() const { return m_phase; }
    bool isActive() const { return m_active; }
    int mode() const { return m_mode; }
    QString title() const { return m_text; }
    // The text as painted: in mode 1 followed by 0 to 4 dots that follow the phase.
    QString displayText() const;
    QRect boxRect() const { return m_boxRect; }
    QRect spinnerRect() const { return m_spinnerRect; }
    bool isTimerRunning() const { return m_timer.isActive(); }

public slots:
    void DoAnimate();
    void Close();
    void setActive(bool actived);
    void setTitle(QString title);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect Area() const;
    QRect TextRect() const;
    void PaintSpinner(QPainter &painter) const;

    int m_phase = 0; // milliseconds into the current turn, 0..999
    bool m_active = false;
    QString m_text;
    QTimer m_timer;
    QRect m_boxRect;
    QRect m_spinnerRect;
    bool m_fullScreen;
    int m_mode; // 0 spinner and text, 1 text only
};
