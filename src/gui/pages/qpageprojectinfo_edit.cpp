// Adding, editing, validating and deleting projects in place on the project page.
#include "gui/pages/qpageprojectinfo.h"

#include <QDateTime>
#include <QDir>
#include <QSqlError>
#include <QSqlRecord>

#include "core/common/debuglog.h"
#include "core/common/myhelper.h"
#include "core/common/sqlquote.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/newkeys.h"
#include "core/files/qfilemanager.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qmanageinterface.h"
#include "gui/pages/qmutillinedelegate.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"

namespace {

// The default person in charge of a new project: the first person of the system settings,
// else the contact of the inspecting unit.
QString DefaultPrincipal()
{
    QSystemInfo *info = QSystemInfo::GetInstance();
    for (const SystemRecord &person : info->Persons())
        if (!person.name().isEmpty())
            return person.name();
    return info->Contacts();
}

QString SelectedOption(int slot)
{
    COptionList *list = QSystemInfo::GetInstance()->OptionList(slot);
    return list ? list->selectedItem() : QString();
}

// Creates or removes the project's data folder, named after its key.
void CreateProjectFolder(const QString &key)
{
    QFileManager *files = QFileManager::GetInstance();
    if (!QFileManager::IsValidFolderName(key) || !files->CreateDir(files->GetRootDir(), key))
        TQ_LOG << "cannot create the project folder" << key << "----";
}

void RemoveProjectFolder(const QString &key)
{
    QFileManager *files = QFileManager::GetInstance();
    if (!QFileManager::IsValidFolderName(key))
        return;
    const QString dir = files->GetProjectDir(key, QString());
    if (!dir.isEmpty() && QDir(dir).exists() && !files->RemoveProjectDir(key))
        TQ_LOG << "cannot remove the project folder" << key << "----";
}
} // namespace

void QPageProjectInfo::on_slot_Add()
{
    if (m_bAdding || m_bEditing) {
        CancelEditing();
        return;
    }
    if (!m_bDetailView)
        return;
    AddProjectRow();
}

void QPageProjectInfo::AddProjectRow()
{
    const QString key = NewKeys::ProjectKey();
    if (key.isEmpty()) {
        Pages::PagePrompt(this, tr("Warn"),
                          tr("No new project can be added: the project database cannot be read."),
                          MyMessageBox::IconError, MyMessageBox::ButtonOk);
        return;
    }
    QMySqlTableModel *model = m_pTableView->Model();
    QProjectInfoManage *columns = QProjectInfoManage::GetInstance();
    QSqlRecord record = model->record();
    auto set = [&](int column, const QVariant &value) {
        record.setValue(columns->ColumnName(column), value);
    };
    for (int i = 0; i <= 10; ++i)
        set(i, QString());
    set(3, DefaultPrincipal());
    set(4, MyHelper::DateTimeToText(QDateTime::currentDateTime(), 1));
    for (int i = 11; i <= 15; ++i)
        set(i, SelectedOption(i - 11));
    set(16, 0);
    set(17, 0);
    set(18, 0.0);
    set(19, 0);
    set(20, 0);
    set(kKeyColumn, key);
    if (!model->insertRecord(-1, record)) {
        TQ_LOG << "insertRecord failed:" << model->lastError().text() << "!!!";
        return;
    }
    const int row = model->rowCount() - 1;
    m_strKeyBeforeAdd = m_strCurrentKey;
    SetEditingState(true, false);
    m_pTableView->SelectRow(row);
    m_nCurRow = row;
    m_strCurrentKey = CellText(row, kKeyColumn);
    m_pTableView->BeginRowEditing(row);
}

void QPageProjectInfo::CancelEditing()
{
    m_pTableView->EndRowEditing();
    m_pTableView->Model()->revertAll();
    if (m_bAdding)
        m_strCurrentKey = m_strKeyBeforeAdd;
    SetEditingState(false, false);
    const int row = RowOfKey(m_strCurrentKey);
    m_nCurRow = row < 0 ? 0 : row;
    m_strCurrentKey = CellText(m_nCurRow, kKeyColumn);
    SelectCurrentRow();
    UpdateData(m_nCurRow);
}

void QPageProjectInfo::on_slot_Edit()
{
    if (m_bAdding || m_bEditing) {
        SubmitChanges();
        return;
    }
    if (!m_bDetailView || m_nCurRow < 0 || m_nCurRow >= m_pTableView->Model()->rowCount())
        return;
    SetEditingState(false, true);
    m_pTableView->SelectRow(m_nCurRow);
    m_pTableView->BeginRowEditing(m_nCurRow);
}

bool QPageProjectInfo::HasPendingEdit()
{
    return m_bAdding || m_bEditing;
}

bool QPageProjectInfo::ResolvePendingEdit()
{
    if (!HasPendingEdit())
        return true;
    const QString question =
        m_bAdding ? tr("The new project has not been saved yet. Save it now? (Cancel keeps "
                       "it open for editing.)")
                  : tr("The changes to the project have not been saved yet. Save them now? "
                       "(Cancel keeps them open for editing.)");
    if (Pages::PagePrompt(this, tr("Prompt"), question, MyMessageBox::IconQuestion,
                          MyMessageBox::ButtonOkCancel) != MyMessageBox::ResultOk)
        return false;
    return SubmitChanges(); // a refused save has told why and stays in editing
}

bool QPageProjectInfo::CheckEditedRow()
{
    const int row = m_pTableView->EditingRow() >= 0 ? m_pTableView->EditingRow() : m_nCurRow;
    for (int column = 0; column <= 2; ++column) {
        if (!QMutilLineDelegate::IsNonEmptyText(CellText(row, column))) {
            Pages::PagePrompt(this, tr("Warn"),
                              tr("Please at least fill in the necessary information"),
                              MyMessageBox::IconError, MyMessageBox::ButtonOk);
            return false;
        }
    }
    const QString condition =
        QStringLiteral("ProjectNumber = %1 and HashCode <> %2")
            .arg(SqlText::SqlQuote(CellText(row, 0)), SqlText::SqlQuote(CellText(row, kKeyColumn)));
    // A failed count (-1) is no duplicate: the submit then reports the database's error.
    if (CKLN_TQ420DataBase::GetInstance()->GetRecordNums(GetTableName(), condition) > 0) {
        Pages::PagePrompt(this, tr("Warn"), tr("projectNum can't be same"), MyMessageBox::IconError,
                          MyMessageBox::ButtonOk);
        return false;
    }
    return true;
}

bool QPageProjectInfo::SubmitChanges()
{
    if (!m_bAdding && !m_bEditing)
        return QPageChild::SubmitChanges();
    m_pTableView->setFocus();
    m_pTableView->CommitEditor();
    const int row = m_pTableView->EditingRow() >= 0 ? m_pTableView->EditingRow() : m_nCurRow;
    if (!CheckEditedRow()) {
        m_pTableView->edit(m_pTableView->Model()->index(row, 0));
        return false;
    }
    const QString key = CellText(row, kKeyColumn);
    m_pTableView->EndRowEditing();
    if (!QPageChild::SubmitChanges()) {
        m_pTableView->BeginRowEditing(row);
        return false;
    }
    SetEditingState(false, false);
    m_strCurrentKey = key;
    updatePage();
    CreateProjectFolder(key);
    return true;
}

void QPageProjectInfo::on_slot_Delete()
{
    QMySqlTableModel *model = m_pTableView->Model();
    if (m_bAdding || m_bEditing || !m_bDetailView || m_nCurRow < 0 ||
        m_nCurRow >= model->rowCount())
        return;
    if (!ConfirmDelete())
        return;
    const int row = m_nCurRow;
    const QString key = CellText(row, kKeyColumn);
    const QString nextKey =
        row + 1 < model->rowCount() ? CellText(row + 1, kKeyColumn) : CellText(row - 1, kKeyColumn);
    QSqlDatabase db = model->database();
    db.transaction();
    if (!model->removeRow(row) || !model->submitAll()) {
        TQ_LOG << "delete project failed:" << model->lastError().text() << "!!!";
        db.rollback();
        model->revertAll();
        return;
    }
    db.commit();
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    if (settings->GetCurrentProHashCode() == key)
        settings->SetCurrentProject(QString(), QString(), QString(), QString());
    m_strCurrentKey = nextKey;
    updatePage();
    m_pTableView->setFocus();
    RemoveProjectFolder(key);
}
