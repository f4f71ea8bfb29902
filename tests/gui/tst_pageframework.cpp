// The paged table framework: paging arithmetic and bar, paging dialog, header descriptions,
// the page conditions, the model and a minimal page over ProjectDetail.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlRecord>
#include <QtTest>

#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/settings/ckln_tq420setting.h"
#include "gui/chrome/guiresources.h"
#include "gui/chrome/mymessagebox.h"
#include "gui/pages/headerspec.h"
#include "gui/pages/pageprompt.h"
#include "gui/pages/pagingstate.h"
#include "gui/pages/projectfilter.h"
#include "gui/pages/qdlgpagingsetting.h"
#include "gui/pages/qmanageinterface.h"
#include "gui/pages/qmutillinedelegate.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qpagechild.h"
#include "gui/pages/qpagingwidget.h"
#include "support/dbtestsupport.h"
#include "support/testsupport.h"

namespace {
// A page over all projects, ordered by number, keyed by HashCode.
class FrameworkPage : public QPageChild
{
public:
    explicit FrameworkPage(const QString &filter = QStringLiteral("1 = 1"))
        : m_strFilter(filter)
    {
        m_nKeyColumn = 21;
        InitPage();
        m_pPagingWidget->SetPageStepByViewEnable(false);
        m_pPagingWidget->SetPageStep(20);
    }
    int type() override { return 0; }
    QString GetTableName() override { return QStringLiteral("ProjectDetail"); }
    QString GetFilter() override { return m_strFilter; }
    QString GetDefaultOrderColumn() override { return QStringLiteral("ProjectNumber"); }
    QString GetHeaderSpec() override
    {
        QStringList entries;
        for (int i = 0; i < 22; ++i)
            entries << Pages::MakeHeaderSpecEntry(QProjectInfoManage::GetInstance()->HeaderTitle(i),
                                                  100, true, i == 4 ? 4 : (i < 3 ? 6 : 0));
        return entries.join(QLatin1Char(';'));
    }
    QStringList Keys() const
    {
        QStringList keys;
        for (int r = 0; r < m_pTableView->Model()->rowCount(); ++r)
            keys << KeyOfRow(r);
        return keys;
    }
    QString m_strFilter;
};

QString Key(int i)
{
    return QStringLiteral("KEY%1").arg(i, 7, 10, QLatin1Char('0'));
}
} // namespace

class TestPageFramework : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagingState_data();
    void pagingState();
    void pagingBarNavigation();
    void pagingBarPageStep();
    void viewNeverShortensPages_data();
    void viewNeverShortensPages();
    void pagingDialog_data();
    void pagingDialog();
    void headerSpec_data();
    void headerSpec();
    void manageInterface();
    void englishTitlesWhateverTheLocale_data();
    void englishTitlesWhateverTheLocale();
    void projectCondition_data();
    void projectCondition();
    void dateBounds();
    void modelConsistency();
    void pageFetchesOnePage();
    void headerSortForgotten();
    void sortArrowShowsTheOrder();
    void sortByEveryProjectColumn();
    void keySurvivesRefresh();
    void refreshOfHiddenPageIsDropped();
    void submitFailureRollsBack();
    void rowsFitInView();

private:
    void InsertProjects(int count);
    std::unique_ptr<QTemporaryDir> m_dataDir;
    QTemporaryDir m_suiteDir;
    QStringList m_prompts;
};

void TestPageFramework::initTestCase()
{
    TestSupport::InstallWarningRecorder();
    DbTest::PrepareSuite(m_suiteDir.path());
    Resources::InitGuiResources();
    Pages::SetPagePromptHandler([this](const QString &title, const QString &text, int, int) {
        m_prompts << title + QLatin1Char('|') + text;
        return MyMessageBox::ResultOk;
    });
}

void TestPageFramework::init()
{
    m_dataDir = DbTest::FreshDataFolder();
    CKLN_TQ420Setting::GetInstance()->SetCurrentPage(0);
    m_prompts.clear();
}

void TestPageFramework::cleanup()
{
    TQ_VERIFY_NO_WARNINGS();
}

void TestPageFramework::InsertProjects(int count)
{
    for (int i = 0; i < count; ++i)
        DbTest::InsertProject(Key(i), QStringLiteral("N%1").arg(i, 3, 10, QLatin1Char('0')),
                              QStringLiteral("2024-03-01"), QStringLiteral("P%1").arg(i));
}

void TestPageFramework::pagingState_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::newRow("no rows") << 0 << 20 << 0 << true << 0 << 0 << 0 << 0;
    QTest::newRow("45 at 20, first") << 45 << 20 << 0 << true << 3 << 0 << 0 << 20;
    QTest::newRow("45 at 20, last") << 45 << 20 << 2 << true << 3 << 2 << 40 << 5;
    QTest::newRow("page beyond the end") << 45 << 20 << 7 << true << 3 << 2 << 40 << 5;
    QTest::newRow("exact multiple") << 40 << 20 << 1 << true << 2 << 1 << 20 << 20;
    QTest::newRow("one row") << 1 << 20 << 0 << true << 1 << 0 << 0 << 1;
    QTest::newRow("zero per page") << 45 << 0 << 1 << false << 0 << 1 << 0 << 0;
}

void TestPageFramework::pagingState()
{
    QFETCH(int, total);
    QFETCH(int, perPage);
    QFETCH(int, page);
    CPagingState state;
    state.SetTotalRows(total);
    state.SetRowsPerPage(perPage);
    state.SetCurrentPage(page);
    QTEST(state.Recompute(), "ok");
    QTEST(state.TotalPages(), "pages");
    QTEST(state.CurrentPage(), "current");
    QTEST(state.StartIndex(), "start");
    QTEST(state.RowCount(), "count");
}

void TestPageFramework::pagingBarNavigation()
{
    QPagingWidget bar;
    QSignalSpy ranges(&bar, &QPagingWidget::DispayRowRangeChanged);
    bar.SetPageStep(20);
    bar.SetMaximum(0);
    QCOMPARE(bar.LabelText(), QStringLiteral("0 of 0 pages"));
    QCOMPARE(ranges.takeLast(), (QVariantList{0, 0}));
    ranges.clear();
    bar.OnHomePageClicked();
    bar.OnPrePageClicked();
    bar.OnNextPageClicked();
    bar.OnEndPageClicked();
    QCOMPARE(ranges.count(), 0);

    bar.SetMaximum(45);
    QCOMPARE(ranges.takeLast(), (QVariantList{0, 20}));
    QCOMPARE(bar.LabelText(), QStringLiteral("1 of 3 pages"));
    bar.OnPrePageClicked();
    QCOMPARE(ranges.count(), 0);
    bar.OnEndPageClicked();
    QCOMPARE(ranges.takeLast(), (QVariantList{40, 5}));
    QCOMPARE(bar.LabelText(), QStringLiteral("3 of 3 pages"));
    bar.OnNextPageClicked();
    bar.OnEndPageClicked();
    QCOMPARE(ranges.count(), 0);
    bar.OnPrePageClicked();
    QCOMPARE(ranges.takeLast(), (QVariantList{20, 20}));
    bar.OnEndPageClicked();

    // Deletions shrink the total below the current page: the last page is shown.
    bar.SetMaximum(25);
    QCOMPARE(ranges.takeLast(), (QVariantList{20, 5}));
    QCOMPARE(bar.LabelText(), QStringLiteral("2 of 2 pages"));
    bar.SetMaximum(0);
    QCOMPARE(ranges.takeLast(), (QVariantList{0, 0}));
    QCOMPARE(bar.CurrentPage(), 0);
}

void TestPageFramework::pagingBarPageStep()
{
    QPagingWidget bar;
    QSignalSpy ranges(&bar, &QPagingWidget::DispayRowRangeChanged);
    bar.SetPageStep(20);
    bar.SetMaximum(45);
    bar.OnNextPageClicked();
    // The page number stays while it exists.
    bar.SetPageStep(10);
    QCOMPARE(ranges.takeLast(), (QVariantList{10, 10}));
    ranges.clear();
    bar.SetPageStep(0);
    QCOMPARE(ranges.count(), 0);

    // Rows proposed by the view: the same value twice, or below 1, changes nothing.
    bar.SetPageStepByView(25);
    QCOMPARE(bar.RowsPerPage(), 25);
    ranges.clear();
    bar.SetPageStepByView(25);
    bar.SetPageStepByView(0);
    QCOMPARE(ranges.count(), 0);
    QCOMPARE(bar.RowsPerPage(), 25);
    bar.SetPageStepByViewEnable(false);
    bar.SetPageStepByView(30);
    QCOMPARE(bar.RowsPerPage(), 25);

    int pages = -1;
    bar.OnCalculateTotalPage(0, pages);
    QCOMPARE(pages, 0);
    bar.OnCalculateTotalPage(9, pages);
    QCOMPARE(pages, 5);
}

void TestPageFramework::viewNeverShortensPages_data()
{
    // The rows per page chosen in the paging dialog (0: none, the default 20 holds), then the
    // rows that fit into the view after each resize, and the rows per page that result.
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QList<int>>("fits");
    QTest::addColumn<int>("rowsPerPage");
    QTest::newRow("small window at start") << 0 << QList<int>{3} << 20;
    QTest::newRow("grown, then shrunk") << 0 << QList<int>{30, 3} << 20;
    QTest::newRow("grown beyond the default") << 0 << QList<int>{3, 26} << 26;
    QTest::newRow("user's choice below the default") << 10 << QList<int>{3} << 10;
    QTest::newRow("user's choice, larger window") << 10 << QList<int>{14} << 14;
    QTest::newRow("user's choice above what fits") << 40 << QList<int>{25, 12} << 40;
}

void TestPageFramework::viewNeverShortensPages()
{
    QFETCH(int, chosen);
    QFETCH(QList<int>, fits);
    QPagingWidget bar;
    bar.SetMaximum(100);
    if (chosen > 0)
        bar.ApplyPagingSetting(chosen, 1);
    for (int rows : fits)
        bar.SetPageStepByView(rows);
    QTEST(bar.RowsPerPage(), "rowsPerPage");
}

void TestPageFramework::pagingDialog_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("startPage");
    QTest::addColumn<int>("rowsPerPage");
    QTest::addColumn<int>("minPage");
    QTest::addColumn<int>("maxPage");
    QTest::addColumn<int>("chosenPage");
    QTest::addColumn<QVariantList>("range");
    QTest::newRow("no pages") << 0 << 1 << 20 << 0 << 0 << 0 << QVariantList{0, 0};
    QTest::newRow("45 at 10") << 45 << 1 << 10 << 1 << 5 << 1 << QVariantList{0, 10};
    QTest::newRow("page pulled into range") << 45 << 3 << 30 << 1 << 2 << 2 << QVariantList{30, 15};
}

void TestPageFramework::pagingDialog()
{
    QFETCH(int, total);
    QFETCH(int, startPage);
    QFETCH(int, rowsPerPage);
    QPagingWidget bar;
    bar.SetPageStep(20);
    bar.SetMaximum(total);
    QSignalSpy ranges(&bar, &QPagingWidget::DispayRowRangeChanged);

    QDlgPagingSetting dialog(20, startPage);
    connect(&dialog, &QDlgPagingSetting::CalculateTotalPage, &bar,
            &QPagingWidget::OnCalculateTotalPage);
    dialog.Refresh();
    dialog.RowsPerPageBox()->setValue(rowsPerPage);
    QTEST(dialog.TargetPageBox()->minimum(), "minPage");
    QTEST(dialog.TargetPageBox()->maximum(), "maxPage");
    QTEST(dialog.TargetPageBox()->value(), "chosenPage");
    QCOMPARE(dialog.TotalText(),
             QStringLiteral("lines , %1 pages").arg(dialog.TargetPageBox()->maximum()));
    dialog.on_btnOK_clicked();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    bar.ApplyPagingSetting(dialog.RowsPerPage(), dialog.TargetPage());
    QTEST(ranges.takeLast(), "range");
}

void TestPageFramework::headerSpec_data()
{
    QTest::addColumn<QString>("spec");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<bool>>("visible");
    QTest::addColumn<QList<int>>("kinds");
    QTest::newRow("empty") << QString() << QStringList() << QList<int>() << QList<bool>()
                           << QList<int>();
    QTest::newRow("two") << QStringLiteral("Name,150,true,6;Date,75,false,4")
                         << QStringList{QStringLiteral("Name"), QStringLiteral("Date")}
                         << QList<int>{150, 75} << QList<bool>{true, false} << QList<int>{6, 4};
    QTest::newRow("trailing separator, line break, Chinese")
        << QStringLiteral("报告\n编号,75,true,1;") << QStringList{QStringLiteral("报告\n编号")}
        << QList<int>{75} << QList<bool>{true} << QList<int>{1};
    QTest::newRow("missing fields keep defaults")
        << QStringLiteral("A;B,x,true,y") << QStringList{QStringLiteral("A"), QStringLiteral("B")}
        << QList<int>{0, 0} << QList<bool>{true, true} << QList<int>{0, 0};
}

void TestPageFramework::headerSpec()
{
    QFETCH(QString, spec);
    const QList<HeaderColumnSpec> columns = Pages::ParseHeaderSpec(spec);
    QList<int> widths, kinds;
    QList<bool> visible;
    for (const HeaderColumnSpec &column : columns) {
        widths << column.nWidth;
        visible << column.bVisible;
        kinds << column.nEditorKind;
    }
    QTEST(Pages::HeaderTitles(columns), "titles");
    QTEST(widths, "widths");
    QTEST(visible, "visible");
    QTEST(kinds, "kinds");
    // Building and parsing again gives the same columns.
    QStringList rebuilt;
    for (const HeaderColumnSpec &column : columns)
        rebuilt << Pages::MakeHeaderSpecEntry(column.strTitle, column.nWidth, column.bVisible,
                                              column.nEditorKind);
    QCOMPARE(Pages::HeaderTitles(Pages::ParseHeaderSpec(rebuilt.join(QLatin1Char(';')))),
             Pages::HeaderTitles(columns));
}

void TestPageFramework::manageInterface()
{
    CKLN_TQ420DataBase::GetInstance();
    const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
    const QList<QPair<QManageInterface *, QString>> tables = {
        {QProjectInfoManage::GetInstance(), QStringLiteral("ProjectDetail")},
        {QVedioInfoManage::GetInstance(), QStringLiteral("VedioCount")},
        {QDefectInfoManage::GetInstance(), QStringLiteral("DefectInfo")}};
    QList<int> counts;
    for (const auto &table : tables) {
        QManageInterface *columns = table.first;
        counts << columns->nColumnCount;
        QStringList names;
        for (int i = 0; i < columns->nColumnCount; ++i) {
            names << columns->ColumnName(i);
            QVERIFY(!columns->HeaderTitle(i).isEmpty());
        }
        QCOMPARE(names, DbTest::Columns(path, table.second));
        QVERIFY(columns->ColumnName(-1).isEmpty());
        QVERIFY(columns->HeaderTitle(columns->nColumnCount).isEmpty());
    }
    QCOMPARE(counts, (QList<int>{22, 15, 18}));
    QCOMPARE(QProjectInfoManage::GetInstance()->HeaderTitle(5), QStringLiteral("Report No."));
    QCOMPARE(QManageInterface::ForType(1),
             static_cast<QManageInterface *>(QVedioInfoManage::GetInstance()));
    QVERIFY(!QManageInterface::ForType(3));
}

void TestPageFramework::englishTitlesWhateverTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_GB") << QStringLiteral("en_GB");
    QTest::newRow("C") << QStringLiteral("C");
    QTest::newRow("de_DE") << QStringLiteral("de_DE");
    QTest::newRow("en_US") << QStringLiteral("en_US");
}

void TestPageFramework::englishTitlesWhateverTheLocale()
{
    // English is chosen; no translation file matches the locale's name.
    QFETCH(QString, locale);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    CLanguageSettings::GetInstance()->SetLanguage(false);
    QCOMPARE(QProjectInfoManage::GetInstance()->HeaderTitle(0), QStringLiteral("Project No."));
    QCOMPARE(QVedioInfoManage::GetInstance()->HeaderTitle(4), QStringLiteral("Video file"));
    QCOMPARE(QDefectInfoManage::GetInstance()->HeaderTitle(8), QStringLiteral("Position"));
    FrameworkPage page;
    QCOMPARE(page.TableView()->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Project name"));
    page.OnRetranslate();
    QCOMPARE(page.TableView()->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Project name"));
    QLocale::setDefault(before);
}

void TestPageFramework::projectCondition_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("found");
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    Q_UNUSED(today)
    QTest::newRow("all") << QString() << 5
                         << QStringList{QStringLiteral("A1"), QStringLiteral("B2"),
                                        QStringLiteral("C3")};
    QTest::newRow("apostrophe") << QStringLiteral("路'东") << 5
                                << QStringList{QStringLiteral("A1")};
    QTest::newRow("Chinese site") << QStringLiteral("人民") << 5
                                  << QStringList{QStringLiteral("A1")};
    QTest::newRow("only quote") << QStringLiteral("'") << 5 << QStringList{QStringLiteral("A1")};
    QTest::newRow("injection attempt") << QStringLiteral("') or 1=1 --") << 5 << QStringList();
    QTest::newRow("hit outside the period") << QStringLiteral("Old") << 0 << QStringList();
    QTest::newRow("one month") << QString() << 0 << QStringList{QStringLiteral("B2")};
    QTest::newRow("unknown mode is all")
        << QStringLiteral("Old") << 42 << QStringList{QStringLiteral("C3")};
}

void TestPageFramework::projectCondition()
{
    QFETCH(QString, search);
    QFETCH(int, mode);
    const QDate today = QDate::currentDate();
    const QString day = QStringLiteral("yyyy-MM-dd");
    DbTest::InsertProject(Key(1), QStringLiteral("A1"), QStringLiteral("2001-05-05"),
                          QStringLiteral("人民路'东段"));
    DbTest::InsertProject(Key(2), QStringLiteral("B2"), today.toString(day));
    DbTest::InsertProject(Key(3), QStringLiteral("C3"), QStringLiteral("1999-01-01"),
                          QStringLiteral("Old"));
    DbTest::InsertProject(Key(4), QStringLiteral("F4"), today.addDays(1).toString(day),
                          QStringLiteral("Old future"));
    const QString condition = ProjectFilter::Condition(search, mode, today);
    QStringList found;
    for (const QVariantList &row :
         DbTest::Rows(QStringLiteral("SELECT ProjectNumber FROM ProjectDetail WHERE ") + condition +
                      QStringLiteral(" order by ProjectNumber")))
        found << row.value(0).toString();
    QTEST(found, "found");
    QCOMPARE(CKLN_TQ420DataBase::GetInstance()->GetRecordNums(QStringLiteral("ProjectDetail"),
                                                              condition),
             found.size());
}

void TestPageFramework::dateBounds()
{
    const QDate today(2024, 3, 31);
    QCOMPARE(ProjectFilter::LowerBound(0, today), QDate(2024, 2, 29));
    QCOMPARE(ProjectFilter::LowerBound(1, today), QDate(2023, 12, 31));
    QCOMPARE(ProjectFilter::LowerBound(4, today), QDate(2023, 3, 31));
    QCOMPARE(ProjectFilter::LowerBound(5, today), QDate(1971, 1, 1));
    QCOMPARE(ProjectFilter::LowerBound(-1, today), QDate(1971, 1, 1));
    const QString placeholder = QStringLiteral("ProjectNum,ProjectName,ProjectSite,Principal");
    QCOMPARE(ProjectFilter::EffectiveSearch(placeholder, placeholder), QString());
    QCOMPARE(ProjectFilter::EffectiveSearch(QStringLiteral("x'y"), placeholder),
             QStringLiteral("x'y"));
}

void TestPageFramework::modelConsistency()
{
    InsertProjects(5);
    QMySqlTableModel model(nullptr, CKLN_TQ420DataBase::GetInstance()->database());
    model.setTable(QStringLiteral("ProjectDetail"));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setFilter(QStringLiteral("1 = 1") +
                    CKLN_TQ420DataBase::PageClause(QStringLiteral("ProjectNumber"), false, 3, 1));
    QVERIFY(model.select());
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("N003"));
    QCOMPARE(model.index(1, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QVERIFY(model.setData(model.index(0, 1), QStringLiteral("人民路'东段")));
    QVERIFY(model.submitAll());
    QCOMPARE(DbTest::Scalar(QStringLiteral("SELECT ProjectName FROM ProjectDetail WHERE "
                                           "ProjectNumber = 'N003'")),
             QVariant(QStringLiteral("人民路'东段")));
}

void TestPageFramework::pageFetchesOnePage()
{
    InsertProjects(45);
    FrameworkPage page;
    page.updatePage();
    QCOMPARE(page.TableView()->Model()->rowCount(), 20);
    QCOMPARE(page.Keys().first(), Key(44)); // descending by number
    page.PagingWidget()->OnEndPageClicked();
    QCOMPARE(page.TableView()->Model()->rowCount(), 5);
    QCOMPARE(page.Keys().last(), Key(0));

    // Rows deleted elsewhere: the recount moves to the new last page.
    DbTest::Exec(QStringLiteral("DELETE FROM ProjectDetail WHERE ProjectNumber < 'N020'"));
    page.updatePage();
    QCOMPARE(page.PagingWidget()->CurrentPage(), 1);
    QCOMPARE(page.TableView()->Model()->rowCount(), 5);

    DbTest::Exec(QStringLiteral("DELETE FROM ProjectDetail"));
    page.updatePage();
    QCOMPARE(page.TableView()->Model()->rowCount(), 0);
    QCOMPARE(page.PagingWidget()->LabelText(), QStringLiteral("0 of 0 pages"));
}

void TestPageFramework::headerSortForgotten()
{
    InsertProjects(45);
    FrameworkPage page;
    page.updatePage();
    page.PagingWidget()->OnNextPageClicked(); // N024 ... N005
    QCOMPARE(page.Keys().first(), Key(24));
    page.TableView()->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    // The header sorts the whole table and shows the range of the current page.
    QCOMPARE(page.Keys().first(), Key(20));
    QCOMPARE(page.Keys().size(), 20);
    page.PagingWidget()->OnPrePageClicked();
    QCOMPARE(page.Keys().first(), Key(44));
    page.PagingWidget()->OnNextPageClicked();
    QCOMPARE(page.Keys().first(), Key(24));
}

void TestPageFramework::sortArrowShowsTheOrder()
{
    InsertProjects(45);
    FrameworkPage page;
    page.updatePage();
    QHeaderView *header = page.TableView()->horizontalHeader();
    // The page's own order: number descending.
    QCOMPARE(header->sortIndicatorSection(), 0);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        header->setSortIndicator(2, order);
        QCOMPARE(header->sortIndicatorSection(), 2);
        QCOMPARE(header->sortIndicatorOrder(), order);
    }
    // The header sort is forgotten at the next page, and so is its arrow.
    page.PagingWidget()->OnNextPageClicked();
    QCOMPARE(header->sortIndicatorSection(), 0);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

void TestPageFramework::sortByEveryProjectColumn()
{
    InsertProjects(3);
    FrameworkPage page;
    page.updatePage();
    QManageInterface *columns = QProjectInfoManage::GetInstance();
    for (int i = 0; i < columns->nColumnCount; ++i) {
        page.on_TableHeaderViewSortIndicatorChanged(i, Qt::DescendingOrder);
        QVERIFY2(page.TableView()->Model()->rowCount() == 3, qPrintable(columns->ColumnName(i)));
    }
}

void TestPageFramework::keySurvivesRefresh()
{
    InsertProjects(45);
    FrameworkPage page;
    page.updatePage();
    page.TableView()->SelectRow(7);
    QCOMPARE(page.CurrentRow(), 7);
    QCOMPARE(page.CurrentKey(), Key(37));
    // A new project sorts in front: the selected record moves down one row.
    DbTest::InsertProject(Key(99), QStringLiteral("N999"));
    page.updatePage();
    QCOMPARE(page.CurrentRow(), 8);
    QCOMPARE(page.CurrentKey(), Key(37));
    // A key no longer on the page selects row 0.
    page.PagingWidget()->OnNextPageClicked();
    QCOMPARE(page.CurrentRow(), 0);
    QCOMPARE(page.CurrentKey(), page.Keys().first());
    QCOMPARE(page.TableView()->currentIndex().row(), 0);
}

void TestPageFramework::refreshOfHiddenPageIsDropped()
{
    InsertProjects(3);
    FrameworkPage page;
    CKLN_TQ420Setting::GetInstance()->SetCurrentPage(1);
    TestSupport::ClearDebugLines();
    page.updatePage();
    QCOMPARE(page.TableView()->Model()->rowCount(), 0);
    QVERIFY(TestSupport::DebugLines()
                .join(QLatin1Char('\n'))
                .contains(QStringLiteral("type is unmatched !!!")));
    // An empty condition selects nothing.
    CKLN_TQ420Setting::GetInstance()->SetCurrentPage(0);
    FrameworkPage empty{QString()};
    empty.updatePage();
    QCOMPARE(empty.TableView()->Model()->rowCount(), 0);
}

void TestPageFramework::submitFailureRollsBack()
{
    InsertProjects(2);
    FrameworkPage page;
    page.updatePage();
    QMySqlTableModel *model = page.TableView()->Model();
    QVERIFY(model->setData(model->index(1, 1), QVariant())); // NOT NULL
    QVERIFY(!page.SubmitChanges());
    QCOMPARE(m_prompts.size(), 1);
    QVERIFY(m_prompts.first().startsWith(QStringLiteral("Error|Database Error:")));
    QCOMPARE(DbTest::Count(QStringLiteral("ProjectDetail"), QStringLiteral("ProjectName IS NULL")),
             0);
    // The edit stays pending and can be corrected.
    QVERIFY(model->isDirty(model->index(1, 1)));
    QVERIFY(model->setData(model->index(1, 1), QStringLiteral("人民路'东段")));
    QVERIFY(page.SubmitChanges());
    QCOMPARE(DbTest::Count(QStringLiteral("ProjectDetail"),
                           QStringLiteral("ProjectName = '人民路''东段'")),
             1);
}

void TestPageFramework::rowsFitInView()
{
    QCOMPARE(QMyTableView::RowsFitInView(500, 35, 0), 12);
    QCOMPARE(QMyTableView::RowsFitInView(500, 35, 20), 11);
    QCOMPARE(QMyTableView::RowsFitInView(60, 35, 0), 0);
    QCOMPARE(QMyTableView::RowsFitInView(500, 0, 0), 0);
    QVERIFY(QMutilLineDelegate::IsValidDateText(QStringLiteral("2024-02-29")));
    QVERIFY(!QMutilLineDelegate::IsValidDateText(QStringLiteral("2023-02-29")));
    QVERIFY(!QMutilLineDelegate::IsValidDateText(QStringLiteral("20240301")));
    QVERIFY(QMutilLineDelegate::IsNonEmptyText(QStringLiteral(" 人 ")));
    QVERIFY(!QMutilLineDelegate::IsNonEmptyText(QStringLiteral(" \t ")));
}

QTEST_MAIN(TestPageFramework)
#include "tst_pageframework.moc"
