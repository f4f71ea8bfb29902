// The inspection report of many RTV files (each with its defect pictures), and a
// 100,000-row interpretation sheet:
//
//   bench_report [FILES] [DEFECTS] [WORKDIR]      (defaults 100 5 /tmp/tq420-bench-report)
//   bench_report sheet [ROWS]
//
// The report is timed twice: with the layout step (page count by LibreOffice, where it is
// installed) and without it (TQ420_NO_LAYOUT=1). Peak memory is the process's maximum
// resident set.
#include <cstdio>

#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "core/common/appdatadir.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"
#include "office/automation/officeservers.h"
#include "office/report/cmodelreport.h"
#include "office/report/cmodelsheet.h"

namespace {
constexpr int kDistinctFrames = 24;

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Distinct 640x480 frames, drawn once and reused by the defects.
QStringList MakeFrames(const QString &folder)
{
    QStringList frames;
    for (int i = 0; i < kDistinctFrames; ++i) {
        const QString path = folder + QStringLiteral("/frame%1.png").arg(i);
        frames << path;
        if (QFile::exists(path))
            continue;
        QImage image(640, 480, QImage::Format_RGB32);
        QPainter painter(&image);
        QRadialGradient gradient(320, 240, 320);
        gradient.setColorAt(0, QColor(20 + i * 5, 20, 20));
        gradient.setColorAt(1, QColor(160, 140 + i * 3, 110));
        painter.fillRect(image.rect(), gradient);
        painter.setPen(QPen(Qt::red, 4));
        painter.drawRect(200 + i * 3, 150, 180, 120);
        painter.end();
        image.save(path, "PNG");
    }
    return frames;
}

// One RTV file of a section with the given defects, made through the product's writer.
void MakeRtvFile(const QString &path, int number, int defects, const QStringList &frames)
{
    if (QFile::exists(path))
        return;
    CFileRTV file;
    file.open(path, CFileRTV::OpenCreate);
    ProjectParam &header = file.GetProjectParam();
    header.strTestSite = QStringLiteral("Road %1").arg(number % 7);
    header.strTestDate = QStringLiteral("2024-05-%1").arg(1 + number % 28, 2, 10, QLatin1Char('0'));
    file.UpdateProjectParam();
    PipelineParam &pipe = file.GetPipelineParam();
    pipe.strStartWellID = QStringLiteral("W%1").arg(number);
    pipe.strEndWellID = QStringLiteral("W%1").arg(number + 1);
    pipe.startWell.strWellNum = pipe.strStartWellID;
    pipe.endWell.strWellNum = pipe.strEndWellID;
    pipe.nPipeSectionDiameter = 400 + 200 * (number % 4);
    pipe.fPipeSectionLen = 40;
    file.UpdatePipelineParam();
    for (int d = 0; d < defects; ++d) {
        CDefectItem item;
        item.nTimeIndex = 1000 * (d + 1);
        item.curTime = QTime(9, 30, d);
        item.strOrgImgPath = frames.at((number + d) % frames.size());
        item.strDefectImgPath = frames.at((number + d + 1) % frames.size());
        item.defectParam.DefectName = (number + d) % 16;
        item.defectParam.DefectProperty = item.defectParam.DefectName < 10 ? 0 : 1;
        item.defectParam.DefectLevel = d % 4;
        item.defectParam.fDistance = 3.5f * (d + 1);
        item.defectParam.fLength = 0.5f;
        file.InsertDefectItem(item);
    }
}

double ReportSeconds(const QStringList &files, const QString &out)
{
    QElapsedTimer timer;
    timer.start();
    ReportInputs inputs;
    inputs.system = SystemValues::Of(*QSystemInfo::GetInstance());
    CModelReport report(inputs);
    for (const QString &file : files)
        report.InsertReportItem(file, file);
    report.GenerateReport(out);
    return timer.nsecsElapsed() / 1e9;
}

int RunSheet(int rows)
{
    QVariantList data;
    for (int r = 0; r < rows; ++r)
        data << QVariant(QVariantList{
            QStringLiteral("Road %1").arg(r % 50), QStringLiteral("W%1~W%2").arg(r).arg(r + 1),
            QStringLiteral("SeweragePipes"), QStringLiteral("ConcretePipe"), 600,
            QStringLiteral("(PL) Rupture"), 1 + r % 4, QStringLiteral("Structural defects"),
            QStringLiteral("Vertical 12.500 meters, ring to 0309"), 0.5, QString(), QString(),
            QStringLiteral("remark %1").arg(r), QStringLiteral("/data/images/%1_defect.png").arg(r),
            QStringLiteral("2024-05-06 09:30:00"), QStringLiteral("2024-05-07 10:00:00")});
    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    CModelSheet sheet(QStringLiteral("Interpretation information"), 0);
    sheet.DoExportSheet(dir.filePath(QStringLiteral("sheet.xls")),
                        CModelSheet::HeaderTexts(CModelSheet::InterpretationRecord), data, rows, 16,
                        CModelSheet::InterpretationRecord);
    std::printf("interpretation sheet, %d rows: %.2f s, peak %ld MB\n", rows,
                timer.nsecsElapsed() / 1e9, PeakMegabytes());
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RegisterOfficeServers();
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}"));
    QTemporaryDir data;
    DataFolder::SetAppDataDir(data.path());
    if (argc > 1 && QByteArray(argv[1]) == "sheet")
        return RunSheet(argc > 2 ? atoi(argv[2]) : 100000);

    const int files = argc > 1 ? atoi(argv[1]) : 100;
    const int defects = argc > 2 ? atoi(argv[2]) : 5;
    const QString work =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("/tmp/tq420-bench-report");
    const QString folder = work + QStringLiteral("/%1x%2").arg(files).arg(defects);
    QDir().mkpath(folder);
    const QStringList frames = MakeFrames(work);
    QStringList rtvFiles;
    for (int i = 0; i < files; ++i) {
        const QString path = folder + QStringLiteral("/section%1/section.rtv").arg(i);
        QDir().mkpath(QFileInfo(path).path());
        MakeRtvFile(path, i, defects, frames);
        rtvFiles << path;
    }

    QTemporaryDir out;
    qputenv("TQ420_NO_LAYOUT", "1");
    const double without = ReportSeconds(rtvFiles, out.filePath(QStringLiteral("a.doc")));
    const long peak = PeakMegabytes();
    qunsetenv("TQ420_NO_LAYOUT");
    const double with = ReportSeconds(rtvFiles, out.filePath(QStringLiteral("b.doc")));
    std::printf("report of %d files x %d defects: %.2f s without the layout step, %.2f s with it "
                "(layout share %.0f%%), peak %ld MB, document %.1f MB\n",
                files, defects, without, with, 100.0 * (with - without) / with, peak,
                QFileInfo(out.filePath(QStringLiteral("a.doc"))).size() / 1e6);
    return 0;
}
