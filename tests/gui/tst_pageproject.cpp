// The project page: adding, editing, validating and deleting projects in place, the
// adding-project flag, search and date modes, the view switch and the sheet export.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "core/database/ckln_tq420database.h"
#include "core/files/qfilemanager.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/chrome/guiresources.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/chrome/qmylineedit.h"
#include "gui/pages/headerspec.h"
#include "gui/pages/pagefactory.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qpageprojectinfo.h"
#include "gui/shell/qlefttexttoolbar.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
const QString kDay = QStringLiteral("yyyy-MM-dd");

QString Today()
{
    return QDate::currentDate().toString(kDay);
}

QStringList ButtonTexts(const QPageChild &page)
{
    QStringList texts;
    for (QPushButton *button : page.Buttons())
        texts << button->text();
    return texts;
}

QList<bool> ButtonsEnabled(const QPageChild &page)
{
    QList<bool> enabled;
    for (QPushButton *button : page.Buttons())
        enabled << button->isEnabled();
    return enabled;
}
} // namespace

class TestPageProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void factory();
    void headerDescription();
    void addingFlagAndCancel();
    void saveNewProject_data();
    void saveNewProject();
    void editProject();
    void editOneOfSeveral_data();
    void editOneOfSeveral();
    void invalidDateRefused();
    void pendingRowSurvivesReloads_data();
    void pendingRowSurvivesReloads();
    void resizeKeepsPendingRow();
    void buttonsAfterSaveOrCancel_data();
    void buttonsAfterSaveOrCancel();
    void guardSaysWhatIsPending_data();
    void guardSaysWhatIsPending();
    void storedProjectIsCurrentAtStart_data();
    void storedProjectIsCurrentAtStart();
    void addCancelKeepsCurrentProject();
    void tabMovesToTheNextColumn_data();
    void tabMovesToTheNextColumn();
    void deleteProject();
    void selectionIsCurrentProject();
    void search_data();
    void search();
    void dateModes();
    void viewSwitch();
    void comboboxItems();
    void retranslate();
    void sheetExport();
    void dataExport();
    void dataExportFailureIsShown();

private:
    // Opens the editor of a cell of the row being edited and types the text into it.
    void TypeInto(int row, int column, const QString &text);
    QPageProjectInfo *NewPage();

    QTemporaryDir m_suiteDir;
    std::unique_ptr<QTemporaryDir> m_dataDir;
    std::unique_ptr<QPageProjectInfo> m_page;
    QStringList m_prompts;
    int m_answer = MyMessageBox::ResultOk;
};

void TestPageProject::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    DbTest::PrepareSuite(m_suiteDir.path());
    Resources::InitGuiResources();
    Pages::SetPagePromptHandler([this](const QString &title, const QString &text, int, int) {
        m_prompts << title + QLatin1Char('|') + text;
        return m_answer;
    });
}

void TestPageProject::init()
{
    m_dataDir = DbTest::FreshDataFolder();
    QFileManager::ReleaseInstance();
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    settings->SetCurrentPage(0);
    settings->SetSortMode(0, 5);
    settings->SetAddingProject(false);
    settings->SetCurrentProject(QString(), QString(), QString(), QString());
    m_prompts.clear();
    m_answer = MyMessageBox::ResultOk;
}

void TestPageProject::cleanup()
{
    if (m_page)
        m_page->ClearTable();
    m_page.reset();
    TQ_VERIFY_NO_WARNINGS();
}

QPageProjectInfo *TestPageProject::NewPage()
{
    m_page = std::make_unique<QPageProjectInfo>();
    m_page->resize(1200, 800);
    m_page->show();
    if (!QTest::qWaitForWindowExposed(m_page.get()))
        qWarning("page not exposed");
    m_page->PagingWidget()->SetPageStepByViewEnable(false);
    m_page->PagingWidget()->SetPageStep(20);
    m_page->updatePage();
    return m_page.get();
}

void TestPageProject::TypeInto(int row, int column, const QString &text)
{
    QMyTableView *view = m_page->TableView();
    const QModelIndex index = view->model()->index(row, column);
    view->setCurrentIndex(index);
    if (!view->IsEditorOpen())
        view->edit(index);
    // Text cells are edited in the framework's own line edit.
    auto *edit = qobject_cast<QMyLineEdit *>(view->indexWidget(index));
    QVERIFY2(edit, qPrintable(QStringLiteral("no editor in column %1").arg(column)));
    edit->setText(text);
}

void TestPageProject::factory()
{
    QWidget parent;
    std::unique_ptr<QPageChild> page(Pages::CreatePageOfType(0, &parent));
    QVERIFY(qobject_cast<QPageProjectInfo *>(page.get()));
    QCOMPARE(page->GetTableName(), QStringLiteral("ProjectDetail"));
    page->ClearTable();
    QVERIFY(!Pages::CreatePageOfType(7, &parent));
}

void TestPageProject::headerDescription()
{
    const QList<HeaderColumnSpec> columns =
        Pages::ParseHeaderSpec(QPageProjectInfo::ProjectHeaderSpec());
    QCOMPARE(columns.size(), 22);
    QList<int> widths, kinds;
    QList<bool> visible;
    for (const HeaderColumnSpec &column : columns) {
        widths << column.nWidth;
        kinds << column.nEditorKind;
        visible << column.bVisible;
    }
    QCOMPARE(widths, (QList<int>{150, 150, 150, 150, 150, 75,  75,  75,  75,  75,  75,
                                 150, 150, 75,  75,  75,  150, 150, 150, 150, 150, 150}));
    QCOMPARE(kinds, (QList<int>{6, 6, 6, 2, 4, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(visible.indexOf(false), 16);
    QCOMPARE(visible.count(false), 6);
    QCOMPARE(columns.at(5).strTitle, QStringLiteral("Re\nport No."));
    QCOMPARE(columns.at(11).strTitle, QStringLiteral("Inspection type"));
}

void TestPageProject::addingFlagAndCancel()
{
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    QPageProjectInfo *page = NewPage();
    QCOMPARE(ButtonTexts(*page), (QStringList{QStringLiteral("Search"), QStringLiteral("Export"),
                                              QStringLiteral("Edit"), QStringLiteral("Add"),
                                              QStringLiteral("Delete")}));
    page->on_slot_Add();
    QVERIFY(page->IsAdding());
    QVERIFY(CKLN_TQ420Setting::GetInstance()->GetAddingProject());
    QCOMPARE(ButtonTexts(*page).mid(2, 2),
             (QStringList{QStringLiteral("Save"), QStringLiteral("Cancel")}));
    QCOMPARE(ButtonsEnabled(*page), (QList<bool>{false, false, true, true, false}));
    page->UpdateContextMenu();
    for (QAction *action : page->ContextMenu()->actions())
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));

    QMySqlTableModel *model = page->TableView()->Model();
    QCOMPARE(model->rowCount(), 2);
    const int row = 1;
    const QString key = model->index(row, 21).data().toString();
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-Z]{10}$")).match(key).hasMatch());
    QCOMPARE(model->index(row, 4).data().toString(), Today());
    QCOMPARE(model->index(row, 11).data().toString(),
             QSystemInfo::GetInstance()->OptionList(0)->selectedItem());
    QCOMPARE(model->index(row, 18).data().toDouble(), 0.0);

    page->on_slot_Add(); // Cancel
    QVERIFY(!page->IsAdding());
    QVERIFY(!CKLN_TQ420Setting::GetInstance()->GetAddingProject());
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(ButtonTexts(*page).mid(2, 2),
             (QStringList{QStringLiteral("Edit"), QStringLiteral("Add")}));
    QCOMPARE(DbTest::Count(QStringLiteral("ProjectDetail")), 1);
    QVERIFY(m_prompts.isEmpty());
}

void TestPageProject::saveNewProject_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("prompt");
    const QString missing =
        QStringLiteral("Warn|Please at least fill in the necessary information");
    QTest::newRow("valid, apostrophe and Chinese")
        << QStringLiteral("P-2") << QStringLiteral("人民路'东段") << QStringLiteral("O'Hare")
        << QString();
    QTest::newRow("empty site") << QStringLiteral("P-2") << QStringLiteral("Name") << QString()
                                << missing;
    QTest::newRow("blank name") << QStringLiteral("P-2") << QStringLiteral("  ")
                                << QStringLiteral("Site") << missing;
    QTest::newRow("same number") << QStringLiteral("P-1") << QStringLiteral("Name")
                                 << QStringLiteral("Site")
                                 << QStringLiteral("Warn|projectNum can't be same");
}

void TestPageProject::saveNewProject()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QString, site);
    QFETCH(QString, prompt);
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    QPageProjectInfo *page = NewPage();
    page->on_slot_Add();
    TypeInto(1, 0, number);
    TypeInto(1, 1, name);
    TypeInto(1, 2, site);
    const QString key = page->TableView()->Model()->index(1, 21).data().toString();
    page->on_slot_Edit(); // Save

    const QString folder = QFileManager::GetInstance()->GetProjectDir(key, QString());
    if (prompt.isEmpty()) {
        QVERIFY2(m_prompts.isEmpty(), qPrintable(m_prompts.join(QLatin1Char('\n'))));
        QVERIFY(!page->IsAdding());
        QVERIFY(!CKLN_TQ420Setting::GetInstance()->GetAddingProject());
        QCOMPARE(DbTest::Scalar(QStringLiteral("SELECT ProjectName FROM ProjectDetail WHERE "
                                               "HashCode = ?"),
                                {key}),
                 QVariant(name));
        QVERIFY(QDir(folder).exists());
        QCOMPARE(page->CurrentKey(), key);
        QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode(), key);
        QCOMPARE(ButtonTexts(*page).mid(2, 2),
                 (QStringList{QStringLiteral("Edit"), QStringLiteral("Add")}));
    } else {
        QCOMPARE(m_prompts, QStringList{prompt});
        QVERIFY(page->IsAdding());
        QCOMPARE(DbTest::Count(QStringLiteral("ProjectDetail")), 1);
        QVERIFY(!QDir(folder).exists());
        page->on_slot_Add(); // Cancel
    }
}

void TestPageProject::editProject()
{
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    DbTest::InsertProject(QStringLiteral("BBBBBBBBBB"), QStringLiteral("P-2"), Today());
    QPageProjectInfo *page = NewPage();
    const int row = page->CurrentRow();
    const QString key = page->CurrentKey();
    page->on_slot_Edit();
    QVERIFY(page->IsEditing());
    QCOMPARE(ButtonTexts(*page).mid(2, 2),
             (QStringList{QStringLiteral("Save"), QStringLiteral("Cancel")}));
    // The other project's number is refused; the row stays in editing.
    const QString other =
        key == QStringLiteral("AAAAAAAAAA") ? QStringLiteral("P-2") : QStringLiteral("P-1");
    TypeInto(row, 0, other);
    QVERIFY(!page->SubmitChanges());
    QCOMPARE(m_prompts, QStringList{QStringLiteral("Warn|projectNum can't be same")});
    QVERIFY(page->IsEditing());

    TypeInto(row, 0, QStringLiteral("P-9'"));
    TypeInto(row, 1, QStringLiteral("北环路'一期"));
    page->on_slot_Edit(); // Save
    QVERIFY(!page->IsEditing());
    QCOMPARE(DbTest::Rows(QStringLiteral("SELECT ProjectNumber, ProjectName FROM ProjectDetail "
                                         "WHERE HashCode = ?"),
                          {key}),
             (QList<QVariantList>{{QStringLiteral("P-9'"), QStringLiteral("北环路'一期")}}));
    QCOMPARE(page->CurrentKey(), key);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProName(), QStringLiteral("北环路'一期"));
}

void TestPageProject::editOneOfSeveral_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("last") << 2;
}

void TestPageProject::editOneOfSeveral()
{
    QFETCH(int, row);
    const QStringList keys = {QStringLiteral("AAAAAAAAAA"), QStringLiteral("BBBBBBBBBB"),
                              QStringLiteral("CCCCCCCCCC")};
    for (int i = 0; i < keys.size(); ++i)
        DbTest::InsertProject(keys.at(i), QStringLiteral("P-%1").arg(i + 1), Today(),
                              QStringLiteral("Project %1").arg(i + 1));
    const QString everyRow = QStringLiteral(
        "SELECT HashCode, ProjectNumber, ProjectName, ProjectSite FROM ProjectDetail "
        "ORDER BY HashCode");
    QList<QVariantList> expected = DbTest::Rows(everyRow);
    QPageProjectInfo *page = NewPage();
    page->TableView()->SelectRow(row);
    const QString key = page->CurrentKey();
    QCOMPARE(key, page->TableView()->Model()->index(row, 21).data().toString());

    page->on_slot_Edit();
    TypeInto(row, 1, QStringLiteral("Renamed'"));
    TypeInto(row, 2, QStringLiteral("新址"));
    page->on_slot_Edit(); // Save
    QVERIFY2(m_prompts.isEmpty(), qPrintable(m_prompts.join(QLatin1Char('\n'))));
    QVERIFY(!page->IsEditing());
    for (QVariantList &values : expected) {
        if (values.at(0).toString() == key)
            values = {key, values.at(1), QStringLiteral("Renamed'"), QStringLiteral("新址")};
    }
    QCOMPARE(DbTest::Rows(everyRow), expected);
    QCOMPARE(page->CurrentKey(), key);
    QCOMPARE(page->TableView()->Model()->index(page->CurrentRow(), 1).data().toString(),
             QStringLiteral("Renamed'"));
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProName(), QStringLiteral("Renamed'"));
}

void TestPageProject::invalidDateRefused()
{
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    QPageProjectInfo *page = NewPage();
    page->on_slot_Edit();
    TypeInto(0, 4, QStringLiteral("2024/01/01"));
    TypeInto(0, 1, QStringLiteral("x")); // leaves the date cell
    QCOMPARE(m_prompts, QStringList{QStringLiteral(
                            "Warn|The date format must be 'YYYY-MM-DD' ,please put in again")});
    QVERIFY(page->SubmitChanges());
    QCOMPARE(DbTest::Scalar(QStringLiteral("SELECT CommencementDate FROM ProjectDetail")),
             QVariant(Today()));
}

void TestPageProject::pendingRowSurvivesReloads_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<int>("answer");
    const QStringList actions = {"next page", "header", "date mode", "search return"};
    for (const QString &action : actions) {
        for (const bool adding : {false, true}) {
            const char *what = adding ? "add" : "edit";
            QTest::addRow("%s, %s, save", qPrintable(action), what)
                << action << adding << int(MyMessageBox::ResultOk);
            QTest::addRow("%s, %s, stay", qPrintable(action), what)
                << action << adding << int(MyMessageBox::ResultCancel);
        }
    }
}

void TestPageProject::pendingRowSurvivesReloads()
{
    QFETCH(QString, action);
    QFETCH(bool, adding);
    QFETCH(int, answer);
    for (int i = 0; i < 25; ++i)
        DbTest::InsertProject(QStringLiteral("K%1").arg(i, 9, 10, QLatin1Char('0')),
                              QStringLiteral("P-%1").arg(i, 2, 10, QLatin1Char('0')),
                              QDate::currentDate().addDays(-i).toString(kDay));
    QPageProjectInfo *page = NewPage();
    QMySqlTableModel *model = page->TableView()->Model();
    int row = 3;
    if (adding) {
        page->on_slot_Add();
        row = model->rowCount() - 1;
        TypeInto(row, 0, QStringLiteral("P-99"));
        TypeInto(row, 2, QStringLiteral("Site"));
    } else {
        page->TableView()->SelectRow(row);
        page->on_slot_Edit();
    }
    const QString key = model->index(row, 21).data().toString();
    TypeInto(row, 1, QStringLiteral("Typed 'name'")); // the editor stays open
    m_answer = answer;

    if (action == QLatin1String("next page")) {
        page->PagingWidget()->OnNextPageClicked();
    } else if (action == QLatin1String("header")) {
        page->TableView()->horizontalHeader()->setSortIndicator(1, Qt::AscendingOrder);
    } else if (action == QLatin1String("date mode")) {
        page->LeftToolBar()->Actions().at(0)->trigger();
    } else {
        page->SearchEdit()->setText(QStringLiteral("P-"));
        QTest::keyClick(page->SearchEdit(), Qt::Key_Return);
    }

    const QString question =
        adding ? QStringLiteral("Prompt|The new project has not been saved yet. Save it now? "
                                "(Cancel keeps it open for editing.)")
               : QStringLiteral("Prompt|The changes to the project have not been saved yet. "
                                "Save them now? (Cancel keeps them open for editing.)");
    const QString nameQuery = QStringLiteral("SELECT ProjectName FROM ProjectDetail WHERE "
                                             "HashCode = ?");
    const QVariant stored = DbTest::Scalar(nameQuery, {key});
    QCOMPARE(m_prompts, QStringList{question});
    if (answer == MyMessageBox::ResultOk) {
        QVERIFY(!page->IsAdding() && !page->IsEditing());
        QCOMPARE(stored, QVariant(QStringLiteral("Typed 'name'")));
        if (action == QLatin1String("date mode"))
            QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetSortMode(0), 0);
        if (action == QLatin1String("next page"))
            QCOMPARE(page->PagingWidget()->CurrentPage(), 1);
        return;
    }
    // Stayed: the row is still pending with what was typed, the reload did not happen.
    QVERIFY(page->IsAdding() == adding && page->IsEditing() == !adding);
    QCOMPARE(page->PagingWidget()->CurrentPage(), 0);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetSortMode(0), 5);
    QCOMPARE(page->LeftToolBar()->CurrentAction(), page->LeftToolBar()->Actions().at(5));
    QCOMPARE(page->TableView()->horizontalHeader()->sortIndicatorSection(), 4);
    QCOMPARE(stored, adding ? QVariant() : QVariant(QStringLiteral("Project")));
    m_prompts.clear();
    page->on_slot_Edit(); // Save
    QVERIFY2(m_prompts.isEmpty(), qPrintable(m_prompts.join(QLatin1Char('\n'))));
    QVERIFY(!page->IsAdding() && !page->IsEditing());
    QCOMPARE(DbTest::Scalar(nameQuery, {key}), QVariant(QStringLiteral("Typed 'name'")));
}

void TestPageProject::resizeKeepsPendingRow()
{
    for (int i = 0; i < 3; ++i)
        DbTest::InsertProject(QStringLiteral("K%1").arg(i, 9, 10, QLatin1Char('0')),
                              QStringLiteral("P-%1").arg(i), Today());
    QPageProjectInfo *page = NewPage();
    page->PagingWidget()->SetPageStepByViewEnable(true);
    page->on_slot_Add();
    TypeInto(3, 0, QStringLiteral("P-9"));
    TypeInto(3, 1, QStringLiteral("Name"));
    TypeInto(3, 2, QStringLiteral("Site"));
    emit page->TableView()->signal_rowsNumPerPageChanged(30); // the window grew
    QVERIFY(m_prompts.isEmpty());
    QVERIFY(page->IsAdding());
    QCOMPARE(page->TableView()->Model()->rowCount(), 4);
    page->on_slot_Edit(); // Save
    QVERIFY2(m_prompts.isEmpty(), qPrintable(m_prompts.join(QLatin1Char('\n'))));
    QCOMPARE(DbTest::Count(QStringLiteral("ProjectDetail")), 4);
    // Once saved, the view's rows apply again.
    emit page->TableView()->signal_rowsNumPerPageChanged(31);
    QCOMPARE(page->PagingWidget()->RowsPerPage(), 31);
}

void TestPageProject::buttonsAfterSaveOrCancel_data()
{
    QTest::addColumn<bool>("adding");
    QTest::addColumn<bool>("save");
    QTest::newRow("add, save") << true << true;
    QTest::newRow("add, cancel") << true << false;
    QTest::newRow("edit, save") << false << true;
    QTest::newRow("edit, cancel") << false << false;
}

void TestPageProject::buttonsAfterSaveOrCancel()
{
    QFETCH(bool, adding);
    QFETCH(bool, save);
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    QPageProjectInfo *page = NewPage();
    QCOMPARE(ButtonsEnabled(*page), (QList<bool>{true, true, true, true, true}));
    if (adding) {
        page->on_slot_Add();
        TypeInto(1, 0, QStringLiteral("P-2"));
        TypeInto(1, 1, QStringLiteral("Name"));
        TypeInto(1, 2, QStringLiteral("Site"));
    } else {
        page->on_slot_Edit();
    }
    QCOMPARE(ButtonsEnabled(*page), (QList<bool>{false, false, true, true, false}));
    if (save)
        page->on_slot_Edit();
    else
        page->on_slot_Add();
    QVERIFY(!page->IsAdding() && !page->IsEditing());
    QCOMPARE(ButtonsEnabled(*page), (QList<bool>{true, true, true, true, true}));
    QVERIFY(m_prompts.isEmpty());
}

void TestPageProject::guardSaysWhatIsPending_data()
{
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("start");
    QTest::newRow("adding") << true << QStringLiteral("Prompt|Adding new project");
    QTest::newRow("editing") << false << QStringLiteral("Prompt|Editing a project");
}

void TestPageProject::guardSaysWhatIsPending()
{
    // What the main window's guards show while the project page has a pending row.
    QFETCH(bool, adding);
    QFETCH(QString, start);
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    QPageProjectInfo *page = NewPage();
    TestSupport::RecordingPrompt prompt;
    if (adding)
        page->on_slot_Add();
    else
        page->on_slot_Edit();
    QVERIFY(CKLN_TQ420Setting::GetInstance()->IsAddingProject());
    QCOMPARE(prompt.Calls().size(), 1);
    QVERIFY2(prompt.Calls().first().startsWith(start), qPrintable(prompt.Calls().first()));
    page->on_slot_Add(); // Cancel
    prompt.Clear();
    QVERIFY(!CKLN_TQ420Setting::GetInstance()->IsAddingProject());
    QVERIFY(prompt.Calls().isEmpty());
}

void TestPageProject::storedProjectIsCurrentAtStart_data()
{
    // Position of the stored project among 25, newest first, 20 on a page.
    QTest::addColumn<int>("stored");
    QTest::newRow("newest") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("last of the first page") << 19;
    QTest::newRow("on the second page") << 22;
}

void TestPageProject::storedProjectIsCurrentAtStart()
{
    QFETCH(int, stored);
    QStringList keys;
    for (int i = 0; i < 25; ++i) {
        keys << QStringLiteral("K%1").arg(i, 9, 10, QLatin1Char('0'));
        DbTest::InsertProject(keys.last(), QStringLiteral("P-%1").arg(i),
                              QDate::currentDate().addDays(-i).toString(kDay),
                              QStringLiteral("Project %1").arg(i));
    }
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    settings->SetCurrentProject(QStringLiteral("P-%1").arg(stored), keys.at(stored),
                                QStringLiteral("Project %1").arg(stored), QString());
    QPageProjectInfo *page = NewPage();
    QCOMPARE(page->PagingWidget()->CurrentPage(), stored / 20);
    QCOMPARE(page->CurrentKey(), keys.at(stored));
    QCOMPARE(page->CurrentRow(), stored % 20);
    QCOMPARE(page->TableView()->currentIndex().row(), stored % 20);
    QCOMPARE(settings->GetCurrentProHashCode(), keys.at(stored));
}

void TestPageProject::addCancelKeepsCurrentProject()
{
    const QStringList keys = {QStringLiteral("AAAAAAAAAA"), QStringLiteral("BBBBBBBBBB"),
                              QStringLiteral("CCCCCCCCCC")};
    for (int i = 0; i < keys.size(); ++i)
        DbTest::InsertProject(keys.at(i), QStringLiteral("P-%1").arg(i),
                              QDate::currentDate().addDays(-i).toString(kDay));
    QPageProjectInfo *page = NewPage();
    page->TableView()->SelectRow(2);
    QCOMPARE(page->CurrentKey(), keys.at(2));
    page->on_slot_Add();
    TypeInto(3, 0, QStringLiteral("P-9"));
    TypeInto(3, 1, QStringLiteral("Name"));
    page->on_slot_Add(); // Cancel
    QCOMPARE(page->CurrentKey(), keys.at(2));
    QCOMPARE(page->TableView()->currentIndex().row(), 2);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode(), keys.at(2));
}

void TestPageProject::tabMovesToTheNextColumn_data()
{
    // Before Edit or Add the user had clicked a cell of this column.
    QTest::addColumn<bool>("adding");
    QTest::addColumn<int>("clicked");
    QTest::newRow("edit, number clicked") << false << 0;
    QTest::newRow("edit, principal clicked") << false << 3;
    QTest::newRow("add, site clicked") << true << 2;
}

void TestPageProject::tabMovesToTheNextColumn()
{
    QFETCH(bool, adding);
    QFETCH(int, clicked);
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    QPageProjectInfo *page = NewPage();
    page->TableView()->setCurrentIndex(page->TableView()->model()->index(0, clicked));
    if (adding)
        page->on_slot_Add();
    else
        page->on_slot_Edit();
    QMyTableView *view = page->TableView();
    QList<int> columns;
    for (int step = 0; step < 4; ++step) {
        columns << view->currentIndex().column();
        QWidget *editor = view->indexWidget(view->currentIndex());
        QVERIFY2(editor, qPrintable(QStringLiteral("no editor after %1 tabs").arg(step)));
        // A required cell cannot be left empty: the new row's cells get a text first.
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && line->text().isEmpty())
            line->setText(QStringLiteral("x"));
        QTest::keyClick(editor, Qt::Key_Tab);
    }
    QCOMPARE(columns, (QList<int>{0, 1, 2, 3}));
    page->on_slot_Add(); // Cancel
}

void TestPageProject::deleteProject()
{
    const QString keyA = QStringLiteral("AAAAAAAAAA");
    const QString keyB = QStringLiteral("BBBBBBBBBB");
    DbTest::InsertProject(keyA, QStringLiteral("P-1"), Today());
    DbTest::InsertProject(keyB, QStringLiteral("P-2"),
                          QDate::currentDate().addDays(-1).toString(kDay));
    DbTest::InsertVideo(keyA, keyA + QStringLiteral("V0001"));
    DbTest::InsertDefectRow(keyA + QStringLiteral("V0001"), 3, QStringLiteral("Road"));
    QFileManager *files = QFileManager::GetInstance();
    QVERIFY(!files->GetItemDir(keyA, QStringLiteral("V0001")).isEmpty());

    QPageProjectInfo *page = NewPage();
    QCOMPARE(page->CurrentKey(), keyA);
    m_answer = MyMessageBox::ResultCancel;
    page->on_slot_Delete();
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(DbTest::Count(QStringLiteral("ProjectDetail")), 2);

    m_answer = MyMessageBox::ResultOk;
    page->on_slot_Delete();
    QCOMPARE(DbTest::Count(QStringLiteral("ProjectDetail")), 1);
    QCOMPARE(DbTest::Count(QStringLiteral("VedioCount")), 0);
    QCOMPARE(DbTest::Count(QStringLiteral("DefectInfo")), 0);
    QVERIFY(!QDir(files->GetProjectDir(keyA, QString())).exists());
    QCOMPARE(page->CurrentKey(), keyB);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode(), keyB);
    QCOMPARE(page->PagingWidget()->TotalRows(), 1);
}

void TestPageProject::selectionIsCurrentProject()
{
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today(),
                          QStringLiteral("First"));
    DbTest::InsertProject(QStringLiteral("BBBBBBBBBB"), QStringLiteral("P-2"),
                          QDate::currentDate().addDays(-3).toString(kDay),
                          QStringLiteral("人民路'东段"));
    QPageProjectInfo *page = NewPage();
    page->TableView()->SelectRow(1);
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    QCOMPARE(settings->GetCurrentProHashCode(), QStringLiteral("BBBBBBBBBB"));
    QCOMPARE(settings->GetCurrentProName(), QStringLiteral("人民路'东段"));
    QCOMPARE(settings->GetCurrentProNum(), QStringLiteral("P-2"));
    page->updatePage();
    QCOMPARE(page->CurrentRow(), 1);
}

void TestPageProject::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rows");
    QTest::newRow("apostrophe") << QStringLiteral("路'东") << 1;
    QTest::newRow("Chinese") << QStringLiteral("人民") << 1;
    QTest::newRow("number") << QStringLiteral("P-") << 3;
    QTest::newRow("nothing") << QStringLiteral("zzz") << 0;
    QTest::newRow("placeholder") << QStringLiteral("ProjectNum,ProjectName,ProjectSite,Principal")
                                 << 3;
    QTest::newRow("empty") << QString() << 3;
}

void TestPageProject::search()
{
    QFETCH(QString, text);
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today(),
                          QStringLiteral("人民路'东段"));
    DbTest::InsertProject(QStringLiteral("BBBBBBBBBB"), QStringLiteral("P-2"), Today());
    DbTest::InsertProject(QStringLiteral("CCCCCCCCCC"), QStringLiteral("P-3"), Today());
    QPageProjectInfo *page = NewPage();
    page->SearchEdit()->setText(text);
    page->on_slot_Search();
    QTEST(page->TableView()->Model()->rowCount(), "rows");
    QTEST(page->PagingWidget()->TotalRows(), "rows");
}

void TestPageProject::dateModes()
{
    const QDate today = QDate::currentDate();
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"),
                          today.addDays(-10).toString(kDay));
    DbTest::InsertProject(QStringLiteral("BBBBBBBBBB"), QStringLiteral("P-2"),
                          today.addMonths(-5).toString(kDay));
    DbTest::InsertProject(QStringLiteral("CCCCCCCCCC"), QStringLiteral("P-3"),
                          QStringLiteral("1990-06-01"));
    DbTest::InsertProject(QStringLiteral("DDDDDDDDDD"), QStringLiteral("P-4"),
                          today.addDays(2).toString(kDay));
    QPageProjectInfo *page = NewPage();
    auto rows = [page] { return page->TableView()->Model()->rowCount(); };
    QCOMPARE(rows(), 3);
    page->on_slot_sort_OneMonth();
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetSortMode(0), 0);
    QCOMPARE(rows(), 1);
    page->on_slot_sort_sixMonth();
    QCOMPARE(rows(), 2);
    page->on_slot_sort_year();
    QCOMPARE(rows(), 2);
    // The left tool bar's entries choose the same modes.
    page->on_slot_toolChanged(1);
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetSortMode(0), 1);
    QCOMPARE(rows(), 1);
    page->on_slot_sort_All();
    QCOMPARE(rows(), 3);
}

void TestPageProject::viewSwitch()
{
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today());
    QWidget host;
    auto *page = new QPageProjectInfo(&host);
    QMyTableView *view = page->TableView();
    page->on_switchBtn_Checked(false);
    QVERIFY(view->isColumnHidden(5) && view->isColumnHidden(15));
    QVERIFY(!view->isColumnHidden(16) && !view->isColumnHidden(20));
    QVERIFY(view->isColumnHidden(21));
    QCOMPARE(host.windowTitle(), QStringLiteral("Project statistics"));
    page->on_switchBtn_Checked(true);
    QVERIFY(!view->isColumnHidden(5) && view->isColumnHidden(16));
    QCOMPARE(host.windowTitle(), QStringLiteral("Project details"));
    page->ClearTable();
}

void TestPageProject::comboboxItems()
{
    QPageProjectInfo page;
    QStringList items;
    page.on_slot_getComboboxContent(12, items);
    QCOMPARE(items, QSystemInfo::GetInstance()->OptionList(1)->items());
    items.clear();
    page.on_slot_getComboboxContent(3, items);
    QVERIFY(!items.isEmpty() || QSystemInfo::GetInstance()->Persons().isEmpty());
    items.clear();
    page.on_slot_getComboboxContent(0, items);
    QVERIFY(items.isEmpty());
}

void TestPageProject::retranslate()
{
    CKLN_TQ420Setting::GetInstance()->SetSortMode(0, 2);
    QPageProjectInfo page;
    QCOMPARE(page.LeftToolBar()->CurrentAction()->text(), QStringLiteral("Six Month"));
    QSignalSpy headers(&page, &QPageChild::NotifyTableViewRetranslate);
    QSignalSpy tools(&page, &QPageChild::NotifyLeftToolBarRetranslate);
    page.OnRetranslate();
    QCOMPARE(headers.count(), 1);
    QCOMPARE(headers.first().first().toStringList().size(), 22);
    QCOMPARE(tools.first().first().toStringList(),
             (QStringList{QStringLiteral("One Month"), QStringLiteral("Three Month"),
                          QStringLiteral("Six Month"), QStringLiteral("Nine Month"),
                          QStringLiteral("One year"), QStringLiteral("All")}));
    QCOMPARE(page.TableView()->model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Re\nport No."));
    page.ClearTable();
}

void TestPageProject::sheetExport()
{
    QPageProjectInfo *page = NewPage();
    QTemporaryDir out;
    const QString path = out.filePath(
        QPageChild::DefaultSheetFileName(0, QDate(2024, 3, 1), QStringLiteral("人民路'东段")));
    QCOMPARE(QFileInfo(path).fileName(),
             QStringLiteral("2024-03-01_人民路'东段_project details.xls"));
    QVERIFY(!page->ExportSheetTo(path));
    QCOMPARE(m_prompts, QStringList{QStringLiteral("Warn|The current sheet is empty !")});

    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today(),
                          QStringLiteral("人民路'东段"));
    page->updatePage();
    QSignalSpy finished(page, &QPageChild::signal_sheetExportFinished);
    QVERIFY(page->ExportSheetTo(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(finished.first().first().toBool(), true);
    QVERIFY(QFileInfo(path).size() > 0);
}

void TestPageProject::dataExport()
{
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today(),
                          QStringLiteral("人民路'东段"));
    QPageProjectInfo *page = NewPage();
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetCurrentProHashCode(),
             QStringLiteral("AAAAAAAAAA"));
    QTemporaryDir out;
    QSignalSpy titles(page, &QPageProjectInfo::changeWaitViewTitle);
    QSignalSpy finished(page, &QPageProjectInfo::signal_dataExportFinished);
    m_answer = MyMessageBox::ResultCancel; // do not open the folder
    page->StartDataExport(out.path());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(m_prompts,
             QStringList{QStringLiteral(
                 "Prompt|Data export has finished , do you sure to open the directory ?")});
    QVERIFY(!titles.isEmpty());
    QCOMPARE(titles.first().first().toString(),
             QStringLiteral("Doing export project information , please waiting now ...."));
    QDirIterator files(out.path(), {QStringLiteral("*.xls")}, QDir::Files,
                       QDirIterator::Subdirectories);
    QVERIFY(files.hasNext());
    QCOMPARE(CKLN_TQ420Setting::GetInstance()->GetLastExportDir(), out.path());
}

// Nothing written: the failures are shown and the folder is not offered.
void TestPageProject::dataExportFailureIsShown()
{
    DbTest::InsertProject(QStringLiteral("AAAAAAAAAA"), QStringLiteral("P-1"), Today(),
                          QStringLiteral("Ring"));
    QPageProjectInfo *page = NewPage();
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    QFile inTheWay(out);
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    QSignalSpy finished(page, &QPageProjectInfo::signal_dataExportFinished);
    m_answer = MyMessageBox::ResultOk;
    page->StartDataExport(out);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(m_prompts.size(), 2);
    QVERIFY2(m_prompts.at(0).startsWith(
                 QStringLiteral("Warn|These files were not exported:\nProject information: ")),
             qPrintable(m_prompts.at(0)));
    QCOMPARE(m_prompts.at(1), QStringLiteral("Warn|Nothing was exported to %1 .").arg(out));
}

QTEST_MAIN(TestPageProject)
#include "tst_pageproject.moc"
