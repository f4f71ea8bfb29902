#pragma once

#include <QDialog>

class QDefectImgWidget;
class QPushButton;
class QSqlRecord;

// "Defect details": the annotated frame and the description of one DefectInfo row, with
// "Previous" and "Next", which ask the defect page for the neighbouring row. Owned by the
// defect page and reused for every defect it shows.
class QDlgDetail : public QDialog
{
    Q_OBJECT

public:
    explicit QDlgDetail(QWidget *parent = nullptr);

    // Shows the row's image (column ImagePath) and its composed text; a row whose image
    // file is missing shows its text with an empty picture saying so.
    void ShowDefect(const QSqlRecord &record);

    QDefectImgWidget *ImageWidget() const { return m_pImgWidget; }
    QPushButton *PreviousButton() const { return m_pBtnPre; }
    QPushButton *NextButton() const { return m_pBtnNext; }

signals:
    void signal_getPreDefectImg();
    void signal_getNextDefectImg();

public slots:
    void on_btn_pre_clicked();
    void on_btn_next_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void Retranslate();

    QDefectImgWidget *m_pImgWidget = nullptr;
    QPushButton *m_pBtnPre = nullptr;
    QPushButton *m_pBtnNext = nullptr;
};
