// Fills the peers' synthetic report template through QWordEngine the way the report
// builder does (bookmarks, fixed tables, the pie chart, N copies of the detail table with
// D defects and one picture each, page breaks, contents, page count) and saves it;
// prints the time and the peak memory. Run beside fill_docx.py on the same template.
//
//   bench_word TEMPLATE FRAMES_DIR [N [D [OUT]]]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "office/automation/officeservers.h"
#include "office/engines/qwordengine.h"

namespace {

const QStringList kTypes = {"PL", "BX", "FS", "CK", "QF", "TJ", "TL", "AJ",
                            "CR", "SL", "CJ", "JG", "ZW", "CQ", "SG", "FZ"};

long PeakKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void FillFixedTables(QWordEngine &word, int n, int d)
{
    for (const char *name :
         {"lbProjectName", "lbProjectSN", "lbProjectAddress", "lbEntrustUnit", "lbDetectUnit",
          "lbProjectDate", "lbReportSN", "lbOperators", "lbReportWriter", "lbChecker", "lbApprover",
          "lbReportDate", "lbOrgAddress", "lbOrgZipCode", "lbOrgTelephone", "lbOrgContacter"})
        word.SetBookmarkText(name,
                             QStringLiteral("%1 value of the synthetic project").arg(name + 2));
    for (int r = 1; r <= 7; ++r)
        word.SetTableCellText(1, r, 2, QStringLiteral("Project text %1").arg(r));
    const int groups = qMin(n, 6);
    word.SetBookmarkText("lbDefectCount2", QStringLiteral("Totally %1 sections of pipelines are "
                                                          "tested and evaluated this time")
                                               .arg(n));
    word.InsertTableRow(2, 2, groups - 1);
    for (int i = 0; i < groups; ++i)
        word.SetTableRowTexts(2, i + 2, 1,
                              {QString::number(i + 1), "Sewerage pipe(HN Concrete pipe)", "400",
                               "100.5", "98.25", "1 section"},
                              1);
    word.InsertTableRow(4, 2, n);
    for (int i = 0; i <= n; ++i)
        word.SetTableRowTexts(4, i + 2, 1,
                              {QString::number(i + 1), QStringLiteral("W%1").arg(i),
                               "Inspection well", "Brick", "Cast iron"},
                              1);
    word.InsertTableRow(5, 2, n - 1);
    for (int i = 0; i < n; ++i)
        word.SetTableRowTexts(5, i + 2, 1,
                              {QString::number(i + 1), QStringLiteral("W%1~W%2").arg(i).arg(i + 1),
                               "400", "HN Concrete pipe", "40.00", "39.50",
                               "There is Level-2 Rupture deformation", ""},
                              1);
    QStringList labels;
    QStringList values;
    for (int t = 0; t < 16; ++t) {
        word.SetTableRowTexts(6, 3 + t, 3, {"1", "2", "0", "1", "4"}, 1);
        labels << kTypes.at(t);
        values << QString::number(n * d / 16 + 1);
    }
    word.SetChartData(1, labels, values);
}

void FillDetail(QWordEngine &word, int table, int section, int d, const QStringList &frames,
                int &shape)
{
    word.SetTableRowHeight(table, 1, float(2 * 0.7 / 2.54 * 72));
    word.SetTableBlockTexts(table, 1, 2,
                            {{QStringLiteral("/video/W%1.avi").arg(section), "W1", "W2"},
                             {"Road No. 7", "1.2m", "1.4m"},
                             {"Sewerage pipe", "HN", "400mm"},
                             {"Downcurrent", "40.00m", "39.50m"},
                             {"1.23/2", "0.45/1", "II"},
                             {"Operator A", "Camera 1", "Sunny"},
                             {"Site 7", "2024-05-26", "-"}},
                            2, 1);
    if (d > 2) {
        word.InsertTableRow(table, 9, d - 2);
        word.InsertTableRow(table, 10 + d, 2 * ((d + 1) / 2 - 1));
    }
    for (int j = 0; j < d; ++j)
        word.SetTableRowTexts(
            table, 8 + j, 1,
            {"12.50m", "(PL)Rupture", "2", "5.0", "Rupture, the position of circumferential 0309"},
            1);
    const int pictures = 9 + qMax(d, 2);
    for (int j = 0; j < d; ++j) {
        const int row = pictures + 2 * (j / 2);
        const int column = j % 2 + 1;
        word.SetTableRowHeight(table, row, 20);
        const QString frame = frames.at((section * d + j) % frames.size());
        if (word.InsertTableCellPicture(table, shape + 1, row, column, frame, 265, 187))
            ++shape;
        word.SetTableCellText(table, row + 1, column, QStringLiteral("image %1").arg(j + 1));
        word.SetTableCellShading(table, row + 1, column, 14806254);
        word.SelectTableCell(table, row + 1, column);
        word.SetSelectionFont("Microsoft YaHei", 9, true);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    RegisterOfficeServers();
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: bench_word TEMPLATE FRAMES_DIR [N [D [OUT]]]\n";
        return 2;
    }
    const int n = args.value(3, "100").toInt();
    const int d = args.value(4, "5").toInt();
    const QString out = args.value(5, QDir::temp().filePath("bench_word.docx"));
    QStringList frames;
    const QDir frameDir(args.at(2));
    for (const QString &name : frameDir.entryList({"*.png"}, QDir::Files, QDir::Name))
        frames << frameDir.filePath(name);
    if (frames.isEmpty()) {
        QTextStream(stderr) << "no frames in " << args.at(2) << "\n";
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    QWordEngine word;
    if (!word.open(args.at(1), args.at(1), false))
        return 1;
    const qint64 opened = timer.elapsed();
    FillFixedTables(word, n, d);
    word.CopyTableFromBookmark("tbDefectDetail", n - 1);
    int shape = 1; // the pie chart
    for (int k = 0; k < n; ++k) {
        FillDetail(word, 7 + k, k, d, frames, shape);
        if (k + 1 < n)
            word.InsertPageBreak();
    }
    word.UpdateContent("contents");
    const int pages = word.GetTotalPages();
    const qint64 filled = timer.elapsed();
    word.save(out);
    word.close(false);
    const qint64 saved = timer.elapsed();
    QTextStream(stdout)
        << QStringLiteral(
               "{\"sections\": %1, \"defects\": %2, \"pictures\": %3, \"open_s\": %4, "
               "\"fill_s\": %5, \"save_s\": %6, \"total_s\": %7, \"pages_estimate\": %8, "
               "\"peak_rss_mb\": %9, \"output_mb\": %10}\n")
               .arg(n)
               .arg(d)
               .arg(shape - 1)
               .arg(opened / 1000.0)
               .arg((filled - opened) / 1000.0)
               .arg((saved - filled) / 1000.0)
               .arg(saved / 1000.0)
               .arg(pages)
               .arg(PeakKilobytes() / 1024.0, 0, 'f', 1)
               .arg(QFileInfo(out).size() / 1048576.0, 0, 'f', 1);
    return 0;
}
