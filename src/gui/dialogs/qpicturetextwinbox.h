#pragma once

#include <QWidget>

class QLabel;

// One cell of the personnel and equipment grid: a picture at the top left with a title and a
// line of text beside it. A deletable cell flips between its normal and its delete picture
// on each press; a press on the delete picture itself asks for the removal.
class QPictureTextWinBox : public QWidget
{
    Q_OBJECT

public:
    // An empty delete picture makes the cell not deletable (the add cell).
    QPictureTextWinBox(const QString &image, const QString &deleteImage, const QString &title,
                       const QString &text, QWidget *parent = nullptr);

    bool IsDeletable() const { return !m_strDeleteImage.isEmpty(); }
    bool IsDeleteShown() const { return m_bDeleteShown; }
    void SetDeleteShown(bool shown);
    // The picture's area in cell coordinates (32 by 32 at (2, 0), scaled).
    QRect PictureRect() const;
    QString Title() const { return m_strTitle; }
    QString Text() const { return m_strText; }
    QString CurrentImage() const { return m_bDeleteShown ? m_strDeleteImage : m_strImage; }

signals:
    void signal_deleteRequested();
    void signal_doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void ShowPicture();

    QString m_strImage;
    QString m_strDeleteImage;
    QString m_strTitle;
    QString m_strText;
    bool m_bDeleteShown = false;
    QLabel *m_labelPicture = nullptr;
    QLabel *m_labelTitle = nullptr;
    QLabel *m_labelText = nullptr;
};
