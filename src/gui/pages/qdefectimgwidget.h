#pragma once

#include <QString>
#include <QWidget>

// The annotated defect frame with its descriptive text below, on a blue rounded panel:
// the image fills the top 3.5/4.5 of the height (scaled, centred on black), the text the rest.
class QDefectImgWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QDefectImgWidget(QWidget *parent = nullptr);

    // Takes the path and the text and repaints only when a file exists at the path;
    // otherwise the previous defect stays shown. False when nothing changed.
    bool SetImage(const QString &path, const QString &text);

    QString ImagePath() const { return m_strImagePath; }
    QString Text() const { return m_strText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_strImagePath;
    QString m_strText;
};
