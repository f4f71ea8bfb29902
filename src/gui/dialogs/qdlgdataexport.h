#pragma once

#include <array>

#include <QDialog>

#include "core/settings/dataexportparam.h"

class QLabel;
class QPushButton;
class QSwitchButton;

// Edits the switches of the data export, starting from the application settings, and shows
// where the files will go and how they will be named. Export stores the switches in the
// application settings and accepts; the project page then runs the export.
class QDlgDataExport : public QDialog
{
    Q_OBJECT

public:
    // The switches in the order of DataExportParam.
    enum Switch {
        ProReport = 0,
        Interpretation,
        Section,
        Video,
        Image,
        SegmentImage,
        HasPro,
        HasRoad,
        HasPipeType,
        HasPipeNum,
        HasDate,
        SwitchCount
    };

    explicit QDlgDataExport(QWidget *parent = nullptr);

    // The switches as they are set now.
    DataExportParam CurrentParam() const;
    QSwitchButton *SwitchAt(int index) const;
    QLabel *VideoPreviewLabel() const { return m_labelVideo; }
    QLabel *PicturePreviewLabel() const { return m_labelPicture; }
    QPushButton *ExportButton() const { return m_btnExport; }
    QPushButton *CancelButton() const { return m_btnCancel; }

signals:
    void upDateVideoOutDir(const QString &text);
    void upDatePictureOutDir(const QString &text);

public slots:
    void onExport();
    void onOutDirCheckedChanged(bool checked);

private:
    QWidget *NewGroup(const QString &title, const QList<int> &switches);
    QWidget *NewPreview();
    void FitPreviewWidth();

    std::array<QSwitchButton *, SwitchCount> m_switches{};
    std::array<QLabel *, SwitchCount> m_labels{};
    QLabel *m_labelVideo = nullptr;
    QLabel *m_labelPicture = nullptr;
    QPushButton *m_btnExport = nullptr;
    QPushButton *m_btnCancel = nullptr;
};
