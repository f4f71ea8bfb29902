#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The annotated defect frame with its descriptive text below, on a blue rounded panel:
// the image fills the top 3.5/4.5 of the height (scaled, centred on black), the text the rest,
// wrapped and scrollable so that a long description is never cut off.
class QDefectImgWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QDefectImgWidget(QWidget *parent = nullptr);

    // Shows the defect's text and its frame. Without a file at the path the image area says
    // that there is no picture, rather than keeping the previous defect's frame. False then.
    bool SetImage(const QString &path, const QString &text);

    QString ImagePath() const { return m_strImagePath; }
    QString Text() const { return m_strText; }
    // What the image area shows when the defect has no frame.
    static QString NoPictureText();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect ImageArea() const;

    QString m_strImagePath;
    QString m_strText;
    QTextBrowser *m_pTextView = nullptr;
};
