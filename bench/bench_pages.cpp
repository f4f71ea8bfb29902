// The defect page on a large project database (100 projects of 100 videos of 100 defects:
// 1,000,000 defect rows), offscreen: opening the page of a project with 10,000 defects,
// moving to its last page, and a search, each timed from the click (the slot the button
// runs) until the rows are in the view and painted.
//
//   bench_pages [FOLDER] [ROUNDS]   (FOLDER keeps the database between runs; default a
//                                    temporary folder. An existing database there is reused.)
#include <algorithm>
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/qvedioinfo.h"
#include "core/inspection/cdefectitem.h"
#include "core/inspection/pipelineparam.h"
#include "core/settings/ckln_tq420setting.h"
#include "core/settings/qsysteminfo.h"
#include "gui/chrome/guiresources.h"
#include "gui/pages/qmysqltablemodel.h"
#include "gui/pages/qmytableview.h"
#include "gui/pages/qpagedefectinfo.h"
#include "gui/pages/qpagingwidget.h"

namespace {
constexpr int kProjects = 100;
constexpr int kVideosPerProject = 100;
constexpr int kDefectsPerVideo = 100;

double Ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

QString ProjectKey(int p)
{
    return QStringLiteral("P%1").arg(p, 9, 10, QLatin1Char('0'));
}

void Fail(const char *what)
{
    std::fprintf(stderr, "%s failed\n", what);
    std::exit(1);
}

// Fills the database through the program's own inserts: the project rows, each video's
// row and its defects in one transaction (what an import does).
void Generate(CKLN_TQ420DataBase *db)
{
    const QStringList roads = {QStringLiteral("人民路'东段"), QStringLiteral("River Avenue"),
                               QStringLiteral("解放大道"),    QStringLiteral("Harbour Road"),
                               QStringLiteral("中山北路"),    QStringLiteral("O'Connell Street")};
    QList<CDefectItem> items;
    for (int d = 0; d < kDefectsPerVideo; ++d) {
        CDefectItem item;
        item.nTimeIndex = d * 1500 + 500;
        item.defectParam.DefectName = d % 16;
        item.defectParam.DefectLevel = d % 4;
        item.defectParam.DefectProperty = d % 2;
        item.defectParam.fDistance = d * 0.5f;
        item.defectParam.strRemark = QStringLiteral("Defect %1").arg(d);
        items << item;
    }
    const QDate first(2019, 1, 1);
    for (int p = 0; p < kProjects; ++p) {
        const QString projectKey = ProjectKey(p);
        if (!db->InsertRow(
                QStringLiteral("ProjectDetail"),
                {{QStringLiteral("ProjectNumber"), QStringLiteral("GX-%1").arg(p)},
                 {QStringLiteral("ProjectName"), QStringLiteral("Project %1").arg(p)},
                 {QStringLiteral("ProjectSite"), roads.at(p % roads.size())},
                 {QStringLiteral("CommencementDate"), first.addDays(p).toString(Qt::ISODate)},
                 {QStringLiteral("HashCode"), projectKey}}))
            Fail("project");
        for (int v = 0; v < kVideosPerProject; ++v) {
            QVedioInfo info;
            info.strRoadName = roads.at((p + v) % roads.size());
            info.strPipeNum = QStringLiteral("YS-%1~YS-%2").arg(v).arg(v + 1);
            info.strHashCode = projectKey + QStringLiteral("%1").arg(v, 5, 10, QLatin1Char('0'));
            info.strProHashCode = projectKey;
            info.strRecordDate = first.addDays(p + v).toString(Qt::ISODate);
            info.strImportDate = info.strRecordDate + QStringLiteral(" 10:00:00");
            info.iDefectNums = kDefectsPerVideo;
            if (!db->InsertVideoRow(info))
                Fail("video");
            PipelineParam pipe;
            pipe.strStartWellID = QStringLiteral("YS-%1").arg(v);
            pipe.strEndWellID = QStringLiteral("YS-%1").arg(v + 1);
            if (db->InsertDefectItems(info.strRoadName, info.strHashCode, info.strRecordDate, pipe,
                                      items) != items.size())
                Fail("defects");
        }
        if (p % 10 == 9)
            std::printf("  %d projects written\n", p + 1), std::fflush(stdout);
    }
}

int RowsShown(QPageDefectInfo &page)
{
    QApplication::processEvents();
    page.TableView()->viewport()->repaint();
    return page.TableView()->Model()->rowCount();
}

// Median of the rounds of an action that must end with rows in the view.
double Time(int rounds, const std::function<void()> &prepare, const std::function<int()> &click)
{
    QList<double> times;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (click() <= 0)
            Fail("showing rows");
        times << Ms(timer);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Resources::InitGuiResources();
    CLanguageSettings::SetConsoleEcho(false);
    CLanguageSettings::GetInstance()->SetLanguage(false);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    QDir().mkpath(folder);
    DataFolder::SetAppDataDir(folder);
    QSystemInfo::GetInstance();

    CKLN_TQ420DataBase *db = CKLN_TQ420DataBase::GetInstance();
    const int existing = db->GetRecordNums(QStringLiteral("DefectInfo"), QStringLiteral("1"));
    if (existing != kProjects * kVideosPerProject * kDefectsPerVideo) {
        if (existing != 0)
            Fail("reusing a database of another size");
        QElapsedTimer timer;
        timer.start();
        Generate(db);
        std::printf("generated %d defects in %.1f s (%.0f MB)\n",
                    kProjects * kVideosPerProject * kDefectsPerVideo, Ms(timer) / 1000,
                    QFileInfo(CKLN_TQ420DataBase::DataBaseFilePath()).size() / 1e6);
    }

    const QString projectKey = ProjectKey(kProjects / 2);
    CKLN_TQ420Setting *settings = CKLN_TQ420Setting::GetInstance();
    settings->SetCurrentProject(QStringLiteral("GX-50"), projectKey, QStringLiteral("Project 50"),
                                QString());
    settings->SetCurrentPage(2);

    std::unique_ptr<QPageDefectInfo> page;
    const double open = Time(
        rounds, [&] { page.reset(); },
        [&] {
            page = std::make_unique<QPageDefectInfo>();
            page->updatePage(); // as the page host does when it creates the page
            page->resize(1600, 900);
            page->show();
            return RowsShown(*page);
        });
    const int perPage = page->PagingWidget()->RowsPerPage();
    const int total = page->PagingWidget()->TotalRows();
    const double last = Time(
        rounds,
        [&] {
            page->PagingWidget()->OnHomePageClicked();
            RowsShown(*page);
        },
        [&] {
            page->PagingWidget()->OnEndPageClicked();
            return RowsShown(*page);
        });
    const int lastRows = page->TableView()->Model()->rowCount();
    int found = 0;
    const double search = Time(
        rounds, [&] { page->SearchEdit()->setText(QStringLiteral("人民路'东")); },
        [&] {
            page->on_slot_Search();
            found = page->PagingWidget()->TotalRows();
            return RowsShown(*page);
        });

    std::printf("\nproject %s: %d defects of 1,000,000, %d rows per page; medians of %d\n",
                qPrintable(projectKey), total, perPage, rounds);
    std::printf("%-52s %10s\n", "click to rows shown (offscreen)", "ms");
    std::printf("%-52s %10.2f\n", "open the defect page (build, count, first page)", open);
    std::printf("%-52s %10.2f\n", qPrintable(QStringLiteral("last page (%1 rows)").arg(lastRows)),
                last);
    std::printf("%-52s %10.2f\n",
                qPrintable(QStringLiteral("search \"人民路'东\" (%1 hits)").arg(found)), search);
    page.reset();
    return 0;
}
