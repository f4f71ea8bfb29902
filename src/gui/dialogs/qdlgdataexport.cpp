#include "gui/dialogs/qdlgdataexport.h"

#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/displayscale.h"
#include "gui/chrome/qswitchbutton.h"
#include "gui/chrome/stylesheet.h"
#include "office/report/cdataexporter.h"

namespace {
// The member of each switch, in the order of QDlgDataExport::Switch.
bool DataExportParam::*const kMembers[QDlgDataExport::SwitchCount] = {
    &DataExportParam::bProReport,   &DataExportParam::bInterpretation,
    &DataExportParam::bSection,     &DataExportParam::bVideo,
    &DataExportParam::bImage,       &DataExportParam::bSegmentImage,
    &DataExportParam::bHasPro,      &DataExportParam::bHasRoad,
    &DataExportParam::bHasPipeType, &DataExportParam::bHasPipeNum,
    &DataExportParam::bHasDate};

const char *const kTexts[QDlgDataExport::SwitchCount] = {
    QT_TRANSLATE_NOOP("QDlgDataExport", "Detect information"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Interpretation information"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Segmet information"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Detected video"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Detected image"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Segmet image"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Project name"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Road Name"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Pipeline type"),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Pipeline No."),
    QT_TRANSLATE_NOOP("QDlgDataExport", "Date and time")};

const QString kGroupTitleStyle = QStringLiteral("font-size:11pt;background:rgb(40,130,197);"
                                                "color:white;padding:4px 8px;");
const QString kHeaderStyle = QStringLiteral("font-size:11pt;background:rgb(21,73,154);");
} // namespace

QDlgDataExport::QDlgDataExport(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Data export-KLN-TQ420"));
    const DataExportParam param = CKLN_TQ420Setting::GetInstance()->GetDataExportParam();
    for (int index = 0; index < SwitchCount; ++index) {
        auto *button = new QSwitchButton(this);
        button->setButtonStyle(QSwitchButton::ButtonStyle_Image);
        button->setFixedSize(Display::ScaledPixels(44), Display::ScaledPixels(28));
        button->setChecked(param.*kMembers[index]);
        connect(button, &QSwitchButton::checkedChanged, this,
                &QDlgDataExport::onOutDirCheckedChanged);
        m_switches[size_t(index)] = button;
        m_labels[size_t(index)] = new QLabel(tr(kTexts[index]), this);
    }

    m_btnExport = new QPushButton(tr("Export"), this);
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton *button : {m_btnExport, m_btnCancel})
        button->setMinimumSize(Display::ScaledPixels(110), Display::ScaledPixels(36));
    m_btnExport->setDefault(true);
    StyleSheet::AppendStyleSheet(m_btnExport, QStringLiteral(":/css/Theme/QSS/QPushButton_OK.css"));
    StyleSheet::AppendStyleSheet(m_btnCancel,
                                 QStringLiteral(":/css/Theme/QSS/QPushButton_Cancel.css"));
    connect(m_btnExport, &QPushButton::clicked, this, &QDlgDataExport::onExport);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnExport);
    buttons->addSpacing(Display::ScaledPixels(30));
    buttons->addWidget(m_btnCancel);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, Display::ScaledPixels(14));
    layout->setSpacing(Display::ScaledPixels(10));
    layout->addWidget(NewPreview());
    auto *groups = new QVBoxLayout;
    groups->setContentsMargins(Display::ScaledPixels(14), 0, Display::ScaledPixels(14), 0);
    groups->setSpacing(Display::ScaledPixels(10));
    groups->addWidget(NewGroup(tr("Rule of file named"), {HasPipeNum, HasDate}));
    groups->addWidget(NewGroup(tr("Set pigeonhole directory"), {HasPro, HasRoad, HasPipeType}));
    groups->addWidget(NewGroup(tr("Select content exported"),
                               {ProReport, Interpretation, Section, Video, Image, SegmentImage}));
    layout->addLayout(groups);
    layout->addStretch();
    layout->addSpacing(Display::ScaledPixels(6));
    layout->addLayout(buttons);
    StyleSheet::AppendStyleSheet(this, QStringLiteral(":/css/Theme/QSS/QWidget.css"));

    connect(this, &QDlgDataExport::upDateVideoOutDir, m_labelVideo, &QLabel::setText);
    connect(this, &QDlgDataExport::upDatePictureOutDir, m_labelPicture, &QLabel::setText);
    onOutDirCheckedChanged(true);
    FitPreviewWidth();
}

// Wide enough for the longest preview on one line where the screen allows (the labels wrap
// otherwise), and as high as the texts need at that width.
void QDlgDataExport::FitPreviewWidth()
{
    DataExportParam longest;
    longest.bHasPro = longest.bHasRoad = longest.bHasPipeType = true;
    longest.bHasPipeNum = false;
    m_labelPicture->ensurePolished(); // the style sheet sets its font
    int text = 0;
    for (const QString &preview :
         {CDataExporter::VideoPreviewText(longest), CDataExporter::ImagePreviewText(longest)})
        text = qMax(text, m_labelPicture->fontMetrics().horizontalAdvance(preview));
    int width = qMax(sizeHint().width(), text + Display::ScaledPixels(40));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = qMin(width, screen->availableGeometry().width() * 9 / 10);
    width = qMax(width, minimumSizeHint().width());
    resize(width, hasHeightForWidth() ? heightForWidth(width) : sizeHint().height());
}

// The header band above the switches: where and how the files will be written.
QWidget *QDlgDataExport::NewPreview()
{
    auto *header = new QWidget(this);
    header->setAttribute(Qt::WA_StyledBackground, true);
    header->setObjectName(QStringLiteral("DataExportHeader"));
    header->setStyleSheet(
        QStringLiteral("#DataExportHeader{%1}QLabel{color:white;}").arg(kHeaderStyle));
    m_labelVideo = new QLabel(header);
    m_labelPicture = new QLabel(header);
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(Display::ScaledPixels(14), Display::ScaledPixels(10),
                               Display::ScaledPixels(14), Display::ScaledPixels(10));
    for (QLabel *label : {m_labelVideo, m_labelPicture}) {
        label->setWordWrap(true);
        label->setStyleSheet(QStringLiteral("font-size:11pt;"));
        layout->addWidget(label);
    }
    return header;
}

QWidget *QDlgDataExport::NewGroup(const QString &title, const QList<int> &switches)
{
    auto *group = new QWidget(this);
    auto *titleLabel = new QLabel(title, group);
    titleLabel->setStyleSheet(kGroupTitleStyle);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(Display::ScaledPixels(8));
    grid->setVerticalSpacing(Display::ScaledPixels(8));
    // Two switches per row; the text column takes the room.
    for (int position = 0; position < switches.size(); ++position) {
        const int index = switches.at(position);
        const int row = position / 2;
        const int column = (position % 2) * 3;
        grid->addWidget(m_switches[size_t(index)], row, column);
        grid->addWidget(m_labels[size_t(index)], row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, Display::ScaledPixels(16));
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Display::ScaledPixels(8));
    layout->addWidget(titleLabel);
    auto *inner = new QHBoxLayout;
    inner->setContentsMargins(Display::ScaledPixels(10), 0, Display::ScaledPixels(10), 0);
    inner->addLayout(grid);
    layout->addLayout(inner);
    return group;
}

DataExportParam QDlgDataExport::CurrentParam() const
{
    DataExportParam param;
    for (int index = 0; index < SwitchCount; ++index)
        param.*kMembers[index] = m_switches[size_t(index)]->checked();
    return param;
}

QSwitchButton *QDlgDataExport::SwitchAt(int index) const
{
    return index >= 0 && index < SwitchCount ? m_switches[size_t(index)] : nullptr;
}

// Without the pipeline number the files get random names, so the date switch has no say.
void QDlgDataExport::onOutDirCheckedChanged(bool)
{
    const DataExportParam param = CurrentParam();
    m_switches[HasDate]->setEnabled(param.bHasPipeNum);
    // The switch paints the same when disabled; fade it so the state shows.
    auto *effect = new QGraphicsOpacityEffect(m_switches[HasDate]);
    effect->setOpacity(param.bHasPipeNum ? 1.0 : 0.4);
    m_switches[HasDate]->setGraphicsEffect(effect);
    m_labels[HasDate]->setEnabled(param.bHasPipeNum);
    emit upDateVideoOutDir(CDataExporter::VideoPreviewText(param));
    emit upDatePictureOutDir(CDataExporter::ImagePreviewText(param));
}

void QDlgDataExport::onExport()
{
    CKLN_TQ420Setting::GetInstance()->SetDataExportParam(CurrentParam());
    accept();
}
