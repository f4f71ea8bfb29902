#include "gui/dialogs/generatereportdlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "core/common/clanguagesettings.h"
#include "core/common/cuserprompt.h"
#include "core/common/debuglog.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/dialogs/tipview.h"

namespace {
const int kColumnWidths[] = {400, 100, 130, 100, 100};

// The report mode shows what the settings files hold: the project texts only when the
// application settings file could be read.
ReportInputs StoredSettingsInputs()
{
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    const bool loaded = settings->loadXml();
    QSystemInfo *system = QSystemInfo::GetInstance();
    system->LoadSystemInfo();
    return ReportInputs::FromSettings(*settings, loaded, *system,
                                      CLanguageSettings::GetInstance()->IsChinese());
}

QPushButton *MakeButton(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setMinimumSize(90, 32);
    return button;
}

QFrame *MakeFrame(const QString &objectName, QWidget *parent, QHBoxLayout **layout)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(objectName);
    *layout = new QHBoxLayout(frame);
    (*layout)->setSpacing(6);
    (*layout)->setContentsMargins(6, 6, 6, 6);
    return frame;
}
} // namespace

GenerateReportDlg::GenerateReportDlg(QWidget *parent)
    : QDialog(parent)
    , m_report(StoredSettingsInputs())
{
    SetOpenDocuments(true);
    setWindowTitle(tr("Generate report"));
    resize(1028, 592);
    setFont(QFont(QStringLiteral("微软雅黑"), 12));

    QHBoxLayout *buttonRow = nullptr;
    QFrame *buttonFrame = MakeFrame(QStringLiteral("frame_2"), this, &buttonRow);
    QPushButton *addBtn = MakeButton(QStringLiteral("AddBtn"), tr("Add"), this);
    m_pDeleteBtn = MakeButton(QStringLiteral("DeleteBtn"), tr("Delete"), this);
    QPushButton *clearBtn = MakeButton(QStringLiteral("ClearBtn"), tr("Clean"), this);
    QPushButton *reportBtn = MakeButton(QStringLiteral("ReportBtn"), tr("Report"), this);
    auto *hint =
        new QLabel(tr("<html><head/><body><p>After adding rtv file , then you can press the "
                      "button used to generate report</p></body></html>"),
                   this);
    buttonRow->addWidget(addBtn);
    buttonRow->addWidget(m_pDeleteBtn);
    buttonRow->addWidget(clearBtn);
    buttonRow->addWidget(reportBtn);
    buttonRow->addSpacing(12);
    buttonRow->addWidget(hint, 1);

    m_pTableView = new QTableView(this);
    m_pTableView->setObjectName(QStringLiteral("FileTableView"));
    m_pModel = new QStandardItemModel(0, 5, this);

    QHBoxLayout *infoRow = nullptr;
    QFrame *infoFrame = MakeFrame(QStringLiteral("frame_3"), this, &infoRow);
    m_pLabelInfo = new QLabel(this);
    m_pLabelInfo->setObjectName(QStringLiteral("label_Info"));
    infoRow->addWidget(m_pLabelInfo, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buttonFrame);
    layout->addWidget(m_pTableView, 1);
    layout->addWidget(infoFrame);

    connect(addBtn, &QPushButton::clicked, this, &GenerateReportDlg::on_AddBtn_clicked);
    connect(m_pDeleteBtn, &QPushButton::clicked, this, &GenerateReportDlg::on_DeleteBtn_clicked);
    connect(clearBtn, &QPushButton::clicked, this, &GenerateReportDlg::on_ClearBtn_clicked);
    connect(reportBtn, &QPushButton::clicked, this, &GenerateReportDlg::on_ReportBtn_clicked);

    if (parent)
        move(parent->geometry().center() - rect().center());
    m_pDeleteBtn->hide();
    SetupTable();
    RebuildTable();
}

QString GenerateReportDlg::CountText(int files)
{
    return tr("%1 documents were selected and %2 test reports were generated according to the "
              "evaluation criteria")
        .arg(files)
        .arg(files > 0 ? 1 : 0);
}

void GenerateReportDlg::SetupTable()
{
    m_pModel->setHorizontalHeaderLabels({tr("File path"), tr("Inspector"), tr("Inspection Date"),
                                         tr("Inspection site"), tr("Defect count")});
    m_pTableView->setModel(m_pModel);
    m_pTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTableView->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < 5; ++column)
        m_pTableView->setColumnWidth(column, kColumnWidths[column]);
    m_pTableView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pTableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void GenerateReportDlg::RebuildTable()
{
    m_pModel->removeRows(0, m_pModel->rowCount());
    for (int i = 0; i < m_report.ItemCount(); ++i) {
        const CReportItem *item = m_report.ItemAt(i);
        const CFileRTV &file = item->GetFileRTV();
        const ProjectParam &header = file.GetProjectParam();
        QList<QStandardItem *> row;
        for (const QString &text :
             {item->GetPath(), header.strTester, header.strTestDate, header.strTestSite,
              QString::number(file.GetDefectList().size())})
            row.append(new QStandardItem(text));
        m_pModel->appendRow(row);
    }
    m_pLabelInfo->setText(QStringLiteral("<html><head/><body><p>%1</p></body></html>")
                              .arg(CountText(m_report.ItemCount()).toHtmlEscaped()));
}

void GenerateReportDlg::AddFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        m_report.InsertReportItem(path, QString());
    RebuildTable();
}

void GenerateReportDlg::on_AddBtn_clicked()
{
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, QString(), QDir::homePath(), tr("RTV (*.RTV *.rtv)"));
    if (!paths.isEmpty())
        AddFiles(paths);
}

void GenerateReportDlg::on_DeleteBtn_clicked()
{
    // The button is part of the form but never shown.
}

void GenerateReportDlg::on_ClearBtn_clicked()
{
    m_report.Clear();
    RebuildTable();
}

void GenerateReportDlg::on_ReportBtn_clicked()
{
    if (m_pModel->rowCount() == 0) {
        Tips::ShowTip(tr("Please to add RTV file firstly ."), 800);
        return;
    }
    // No word processor keeps a window open here: the report is saved as a temporary
    // document and handed to the desktop's program for it, unsaved work of the user's own.
    const QString path =
        QDir::tempPath() + QStringLiteral("/KLN_TQ420-Report-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz")) +
        QStringLiteral(".docx");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = m_report.GenerateReport(path);
    QApplication::restoreOverrideCursor();
    if (!written) {
        Prompts::ShowUserInformation(
            tr("Warn"), tr("The report could not be made: %1").arg(m_report.ErrorString()));
        return;
    }
    m_strLastDocument = path;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (m_openDocument && !m_openDocument(path))
        Prompts::ShowUserInformation(
            tr("Prompt"),
            tr("The report was saved as %1, but no program could open it.").arg(shownPath));
    else
        Prompts::ShowUserInformation(tr("Prompt"),
                                     tr("The report was saved as %1.").arg(shownPath));
}

void GenerateReportDlg::SetOpenDocuments(bool open)
{
    m_openDocument = nullptr;
    if (open)
        m_openDocument = [](const QString &path) {
            return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        };
}

void GenerateReportDlg::closeEvent(QCloseEvent *event)
{
    TQ_LOG << "GenerateReportDlg::closeEvent!!!";
    event->accept();
    QApplication::quit();
}
