// A large project database (1,000 projects, 20,000 videos, 1,000,000 defects) and the
// queries the pages run on it: counting one project's defects (GetRecordNums) and fetching
// the first and the last page of 50 of its defects in each sort mode of the defect page,
// through QSqlTableModel with the framework's filter (condition + order by + limit/offset).
// Each query runs on the same file first without the indexes, then after the
// database object has opened the file and added them.
//
//   bench_database [FOLDER] [ROUNDS]     (FOLDER: where the file is made; default a
//                                         temporary folder, removed at the end)
#include <algorithm>
#include <cstdio>
#include <functional>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTemporaryDir>

#include "core/common/appdatadir.h"
#include "core/common/clanguagesettings.h"
#include "core/database/ckln_tq420database.h"
#include "core/inspection/cdefectitem.h"
#include "core/inspection/pipelineparam.h"
#include "core/settings/qsysteminfo.h"

namespace {
constexpr int kProjects = 1000;
constexpr int kVideosPerProject = 20;
constexpr int kDefectsPerVideo = 50;
constexpr int kPageSize = 50;

double Ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void Check(bool ok, const QSqlQuery &query, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s failed: %s\n", what, qPrintable(query.lastError().text()));
    std::exit(1);
}

QString ProjectKey(int p)
{
    return QStringLiteral("P%1").arg(p, 9, 10, QLatin1Char('0'));
}

QString VideoKey(int p, int v)
{
    return ProjectKey(p) + QStringLiteral("%1").arg(v, 5, 10, QLatin1Char('0'));
}

// Fills the tables in one transaction with prepared statements, as a long-used
// workstation would have them: projects one after another, each video's defects together.
void Generate(QSqlDatabase &db)
{
    const QStringList roads = {QStringLiteral("人民路'东段"), QStringLiteral("River Avenue"),
                               QStringLiteral("解放大道"),    QStringLiteral("Harbour Road"),
                               QStringLiteral("中山北路"),    QStringLiteral("Station Street"),
                               QStringLiteral("建设二路"),    QStringLiteral("Mill Lane"),
                               QStringLiteral("长江路"),      QStringLiteral("O'Connell Street")};
    const QStringList names = {
        QStringLiteral("(PL) Rupture"),    QStringLiteral("(BX) Deformation"),
        QStringLiteral("(CK) Misplaced"),  QStringLiteral("(SL) Leakage"),
        QStringLiteral("(CJ) Deposition"), QStringLiteral("(SG) Root")};
    QSqlQuery query(db);
    Check(query.exec(QStringLiteral("PRAGMA journal_mode=OFF")), query, "journal off");
    Check(query.exec(QStringLiteral("PRAGMA synchronous=OFF")), query, "sync off");
    Check(db.transaction(), query, "begin");
    QSqlQuery project(db), video(db), defect(db);
    Check(project.prepare(QStringLiteral(
              "INSERT INTO ProjectDetail (ProjectNumber, ProjectName, ProjectSite, Principal, "
              "CommencementDate, HashCode) VALUES (?, ?, ?, ?, ?, ?)")),
          project, "prepare project");
    Check(video.prepare(QStringLiteral(
              "INSERT INTO VedioCount (RoadName, PipeNum, PipeType, PipeMeterial, VedioFileName, "
              "RecordDate, ImportDate, iDefectNums, Longitude, Latitude, HashCode, ProHashCode, "
              "PipeSectionLen, PipeBranchDepth, PipeSectionDiameter) VALUES "
              "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
          video, "prepare video");
    Check(defect.prepare(QStringLiteral(
              "INSERT INTO DefectInfo (RoadName, PipeNum, PipeType, PipeMeterial, PipeDiameter, "
              "DefectName, DefectLevel, DefectType, DefectPosion, TestDate, InterpretaionDate, "
              "HashCode, VedioHashCode, Remark, ImagePath, ProHashCode, TimeIndex, DefectLength) "
              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
          defect, "prepare defect");
    const QDate first(2019, 1, 1);
    for (int p = 0; p < kProjects; ++p) {
        const QDate start = first.addDays(p);
        project.addBindValue(QStringLiteral("GX-%1").arg(p));
        project.addBindValue(QStringLiteral("Project %1").arg(p));
        project.addBindValue(roads.at(p % roads.size()));
        project.addBindValue(QStringLiteral("Chen Jie"));
        project.addBindValue(start.toString(Qt::ISODate));
        project.addBindValue(ProjectKey(p));
        Check(project.exec(), project, "insert project");
        for (int v = 0; v < kVideosPerProject; ++v) {
            const QString road = roads.at((p + v) % roads.size());
            const QString pipeNum = QStringLiteral("YS-%1~YS-%2").arg(v).arg(v + 1);
            const QString videoKey = VideoKey(p, v);
            const QString recordDate = start.addDays(v).toString(Qt::ISODate);
            video.addBindValue(road);
            video.addBindValue(pipeNum);
            video.addBindValue(QStringLiteral("Rain pipe"));
            video.addBindValue(QStringLiteral("Concrete"));
            video.addBindValue(
                QStringLiteral("/data/KLN_TQ420_Cache/%1/%2/%2.mp4").arg(ProjectKey(p), videoKey));
            video.addBindValue(recordDate);
            video.addBindValue(recordDate + QStringLiteral(" 10:00:00"));
            video.addBindValue(kDefectsPerVideo);
            video.addBindValue(114.3);
            video.addBindValue(30.6);
            video.addBindValue(videoKey);
            video.addBindValue(ProjectKey(p));
            video.addBindValue(50.0);
            video.addBindValue(50.0);
            video.addBindValue(600);
            Check(video.exec(), video, "insert video");
            for (int d = 0; d < kDefectsPerVideo; ++d) {
                const int timeIndex = d * 1500 + 500;
                defect.addBindValue(road);
                defect.addBindValue(pipeNum);
                defect.addBindValue(QStringLiteral("Rain pipe"));
                defect.addBindValue(QStringLiteral("Concrete"));
                defect.addBindValue(600);
                defect.addBindValue(names.at((d + v) % names.size()));
                defect.addBindValue(QStringLiteral("level %1").arg(d % 4 + 1));
                defect.addBindValue(d % 2 ? QStringLiteral("Functional defects")
                                          : QStringLiteral("Structural defects"));
                defect.addBindValue(QStringLiteral("Vertical %1.000 meters, ring to 0309").arg(d));
                defect.addBindValue(recordDate);
                defect.addBindValue(
                    start.addDays(v + d % 7).toString(Qt::ISODate) +
                    QStringLiteral(" 09:%1:00").arg(d % 60, 2, 10, QLatin1Char('0')));
                defect.addBindValue(CKLN_TQ420DataBase::DefectKey(videoKey, timeIndex));
                defect.addBindValue(videoKey);
                defect.addBindValue(QStringLiteral("Defect %1").arg(d));
                defect.addBindValue(
                    QStringLiteral("/data/KLN_TQ420_Cache/%1/%2/Images/%3_defect.png")
                        .arg(ProjectKey(p), videoKey)
                        .arg(timeIndex));
                defect.addBindValue(ProjectKey(p));
                defect.addBindValue(timeIndex);
                defect.addBindValue(0.5);
                Check(defect.exec(), defect, "insert defect");
            }
        }
    }
    Check(db.commit(), query, "commit");
    Check(query.exec(QStringLiteral("PRAGMA journal_mode=WAL")), query, "journal wal");
}

double MedianMs(int rounds, const std::function<void()> &run)
{
    QList<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times << Ms(timer);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

struct Figures
{
    double count = 0;
    QList<double> firstPage; // per sort mode
    QList<double> lastPage;
    double search = 0;
};

const QList<int> kSortModes = {0, 9, 10};

// The page queries of the defect page for one project, on the given connection.
Figures Measure(QSqlDatabase db, const QString &projectKey, int rounds,
                const std::function<int(const QString &)> &count)
{
    const QString condition = CKLN_TQ420DataBase::DefectPageCondition(projectKey, QString());
    Figures figures;
    int rows = 0;
    figures.count = MedianMs(rounds, [&] { rows = count(condition); });
    if (rows != kVideosPerProject * kDefectsPerVideo) {
        std::fprintf(stderr, "count gave %d\n", rows);
        std::exit(1);
    }
    const int lastOffset = (rows - 1) / kPageSize * kPageSize;
    QSqlTableModel model(nullptr, db);
    model.setTable(QStringLiteral("DefectInfo"));
    auto page = [&](const QString &column, int offset) {
        model.setFilter(condition +
                        CKLN_TQ420DataBase::PageClause(column, false, kPageSize, offset));
        if (!model.select() || model.rowCount() != kPageSize) {
            std::fprintf(stderr, "page select failed: %s\n", qPrintable(model.lastError().text()));
            std::exit(1);
        }
    };
    for (int mode : kSortModes) {
        const QString column = CKLN_TQ420DataBase::DefectOrderColumn(mode);
        figures.firstPage << MedianMs(rounds, [&] { page(column, 0); });
        figures.lastPage << MedianMs(rounds, [&] { page(column, lastOffset); });
    }
    const QString search =
        CKLN_TQ420DataBase::DefectPageCondition(projectKey, QStringLiteral("'东段"));
    figures.search = MedianMs(rounds, [&] { count(search); });
    return figures;
}

int CountOn(QSqlDatabase db, const QString &condition)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM DefectInfo WHERE ") + condition) ||
        !query.next())
        return -1;
    return query.value(0).toInt();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CLanguageSettings::SetConsoleEcho(false);
    CLanguageSettings::GetInstance()->SetLanguage(false);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    QDir().mkpath(folder);
    DataFolder::SetAppDataDir(folder);
    QSystemInfo::GetInstance();
    const QString path = CKLN_TQ420DataBase::DataBaseFilePath();
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));

    // The schema as the program makes it, then the indexes dropped for the baseline.
    CKLN_TQ420DataBase::GetInstance();
    {
        QSqlQuery query(CKLN_TQ420DataBase::GetInstance()->database());
        for (const QString &statement : CKLN_TQ420DataBase::IndexStatements())
            Check(query.exec(QStringLiteral("DROP INDEX ") +
                             statement.section(QLatin1Char(' '), 5, 5)),
                  query, "drop index");
    }
    CKLN_TQ420DataBase::ReleaseInstance();

    const QString projectKey = ProjectKey(kProjects / 2);
    Figures plain;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(path);
        db.open();
        QElapsedTimer timer;
        timer.start();
        Generate(db);
        std::printf("generated %d projects, %d videos, %d defects in %.1f s (%.0f MB)\n", kProjects,
                    kProjects * kVideosPerProject, kProjects * kVideosPerProject * kDefectsPerVideo,
                    Ms(timer) / 1000, QFileInfo(path).size() / 1e6);
        plain = Measure(db, projectKey, std::min(rounds, 3),
                        [&](const QString &c) { return CountOn(db, c); });
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));

    // The program opens the existing file: migration check and the indexes.
    QElapsedTimer open;
    open.start();
    CKLN_TQ420DataBase *database = CKLN_TQ420DataBase::GetInstance();
    const double openMs = Ms(open);
    std::printf("first open of the existing file, adding the indexes: %.0f ms (%.0f MB)\n", openMs,
                QFileInfo(path).size() / 1e6);
    const Figures indexed =
        Measure(database->database(), projectKey, rounds, [&](const QString &c) {
            return database->GetRecordNums(QStringLiteral("DefectInfo"), c);
        });

    // Importing one more video's defects into the full database: one transaction, and
    // (for comparison) one statement per defect as the system did it.
    QList<CDefectItem> items;
    for (int d = 0; d < kDefectsPerVideo; ++d) {
        CDefectItem item;
        item.nTimeIndex = d * 1500 + 500;
        item.defectParam.DefectName = d % 16;
        item.defectParam.DefectLevel = d % 4;
        item.defectParam.DefectProperty = d % 2;
        item.defectParam.strRemark = QStringLiteral("人民路'东段 %1").arg(d);
        items << item;
    }
    const PipelineParam pipe;
    int round = 0;
    const double batchMs = MedianMs(rounds, [&] {
        const QString videoKey =
            ProjectKey(kProjects) + QStringLiteral("B%1").arg(round++, 4, 10, QLatin1Char('0'));
        if (database->InsertDefectItems(QStringLiteral("Road"), videoKey,
                                        QStringLiteral("2024-03-02"), pipe, items) != items.size())
            std::exit(1);
    });
    const double singleMs = MedianMs(std::min(rounds, 3), [&] {
        const QString videoKey =
            ProjectKey(kProjects) + QStringLiteral("S%1").arg(round++, 4, 10, QLatin1Char('0'));
        for (const CDefectItem &item : items)
            if (!database->InsertDefectItem(QStringLiteral("Road"), videoKey,
                                            QStringLiteral("2024-03-02"), pipe, item))
                std::exit(1);
    });

    std::printf("\nproject %s, %d defects, pages of %d; medians (without indexes: of %d)\n",
                qPrintable(projectKey), kVideosPerProject * kDefectsPerVideo, kPageSize,
                std::min(rounds, 3));
    std::printf("%-44s %14s %14s\n", "query", "indexed ms", "no index ms");
    std::printf("%-44s %14.2f %14.2f\n", "count (GetRecordNums)", indexed.count, plain.count);
    for (int i = 0; i < kSortModes.size(); ++i) {
        const QString column = CKLN_TQ420DataBase::DefectOrderColumn(kSortModes.at(i));
        std::printf("%-44s %14.2f %14.2f\n", qPrintable("first page, order by " + column + " desc"),
                    indexed.firstPage.at(i), plain.firstPage.at(i));
        std::printf("%-44s %14.2f %14.2f\n", qPrintable("last page, order by " + column + " desc"),
                    indexed.lastPage.at(i), plain.lastPage.at(i));
    }
    std::printf("%-44s %14.2f %14.2f\n", "count with a search text", indexed.search, plain.search);
    std::printf("\n%-44s %14.2f\n", "import a video's 50 defects, one transaction", batchMs);
    std::printf("%-44s %14.2f\n", "the same, one statement per defect", singleMs);
    CKLN_TQ420DataBase::ReleaseInstance();
    return 0;
}
