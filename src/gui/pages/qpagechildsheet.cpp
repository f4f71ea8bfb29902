// The sheet export of the table pages: the save dialog, the rows of the page's condition
// and the hand-off to the sheet worker behind the wait view.
#include "gui/pages/qpagechild.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>

#include "core/database/ckln_tq420database.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/waitview.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qmanageinterface.h"
#include "office/report/csheetdata.h"
#include "office/report/qexportsheetthread.h"

QString QPageChild::SheetExportCaption(int type)
{
    switch (type) {
    case 0:
        return tr("Export project detais sheet");
    case 1:
        return tr("Export acceptance video sheet");
    case 2:
        return tr("Export interpretion record sheet");
    default:
        return QString();
    }
}

QString QPageChild::SheetFileSuffix(int type)
{
    switch (type) {
    case 0:
        return tr("_project details.xls");
    case 1:
        return tr("__acceptance video.xls");
    case 2:
        return tr("__interpretion record.xls");
    default:
        return QString();
    }
}

QString QPageChild::DefaultSheetFileName(int type, const QDate &date, const QString &project)
{
    QString name = date.toString(QStringLiteral("yyyy-MM-dd"));
    if (!project.isEmpty())
        name += QLatin1Char('_') + project;
    return name + SheetFileSuffix(type);
}

void QPageChild::ExportSheet()
{
    const int pageType = type();
    const QString proposal =
        QDir(CKLN_TQ420Setting::GetInstance()->GetLastExportDir())
            .filePath(DefaultSheetFileName(pageType, QDate::currentDate(),
                                           CKLN_TQ420Setting::GetInstance()->GetCurrentProName()));
    const QString path = QFileDialog::getSaveFileName(this, SheetExportCaption(pageType), proposal,
                                                      QStringLiteral("Excel (*.xls)"));
    if (path.isEmpty())
        return;
    CKLN_TQ420Setting::GetInstance()->SetLastExportPath(path);
    ExportSheetTo(path);
}

bool QPageChild::ExportSheetTo(const QString &path)
{
    // The save dialog has confirmed replacing the file; the worker replaces it only once the
    // new sheet is written, so a failed export keeps the old one.
    int columns = 0;
    const QVariantList rows = SheetRows(columns);
    if (rows.isEmpty()) {
        Pages::PagePrompt(this, tr("Warn"), tr("The current sheet is empty !"),
                          MyMessageBox::IconError, MyMessageBox::ButtonOk);
        return false;
    }

    auto *waitView = new WaitView(this, false, 0);
    waitView->setAttribute(Qt::WA_DeleteOnClose);
    auto *thread = new QExportSheetThread(this);
    connect(thread, &QExportSheetThread::export_finished, waitView, &WaitView::Close);
    connect(thread, &QExportSheetThread::export_finished, this, [this, thread, path]() {
        if (!thread->Succeeded())
            Pages::PagePrompt(this, tr("Warn"),
                              tr("The sheet %1 could not be written: %2")
                                  .arg(QDir::toNativeSeparators(path), thread->ErrorString()),
                              MyMessageBox::IconError, MyMessageBox::ButtonOk);
        emit signal_sheetExportFinished(thread->Succeeded());
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    waitView->setActive(true);
    waitView->setModal(true);
    waitView->show();
    thread->StartExport(path, rows, rows.size(), columns, type());
    return true;
}

QVariantList QPageChild::SheetRows(int &columns)
{
    columns = 0;
    QManageInterface *description = ManageInterface();
    const QString filter = GetFilter();
    if (!description || filter.isEmpty())
        return {};
    // The video and defect sheets are the current project's, in their own column order
    // (file names, texts and dates formed for the sheet), not the page's table columns.
    const QString projectKey = CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode();
    columns = CSheetData::ColumnCount(type());
    if (type() == 1)
        return CSheetData::VideoRows(projectKey);
    if (type() == 2)
        return CSheetData::InterpretationRows(projectKey);
    // The project table's first columns are the project sheet's, and follow the page's search.
    columns = qMin(columns, description->nColumnCount);
    QVariantList rows;
    const QString order = GetDefaultOrderColumn();
    const QList<QVariantMap> records = CKLN_TQ420DataBase::GetInstance()->SelectRows(
        GetTableName(),
        order.isEmpty() ? filter
                        : filter + QStringLiteral(" order by ") + order + QStringLiteral(" desc"));
    for (const QVariantMap &record : records) {
        QVariantList row;
        for (int i = 0; i < columns; ++i)
            row << record.value(description->ColumnName(i));
        rows << QVariant(row);
    }
    return rows;
}
