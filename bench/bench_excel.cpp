// Writes the defect sheet (16 columns: texts, integers, decimals, date-times) of N rows
// through QExcelEngine as the sheet export does: merged title row, bold filled header,
// date formats, borders, centring, autofit, 2 frozen rows; then saves it. Optionally runs
// the XlsxWriter peer script on the same shape in the same run, alternating rounds.
//
//   bench_excel [ROWS [ROUNDS]] [--peer fill_xlsx.py] [--out DIR]
#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "office/automation/officeservers.h"
#include "office/engines/qexcelengine.h"

namespace {

const int kColumns = 16;

QVariantList Header()
{
    return {"Road Name",
            "Pipeline No.",
            "Pipeline type",
            "Pipeline material",
            "Pipeline diameter",
            "Defect name",
            "Grade",
            "Defect property",
            "Defect position",
            "Defect length",
            "Defect description",
            "Defect score",
            "Interpretion remark",
            "Image name",
            "Inspection Date",
            "Interpretation date"};
}

// The caller's table, as the peer makes it (not timed).
QVariantList Data(int rows)
{
    QRandomGenerator random(7);
    const QStringList names = {"Rupture", "Deformation", "Corrosion",   "Misalignment",
                               "Deposit", "Root",        "Infiltration"};
    const int diameters[] = {300, 400, 500, 600};
    const QDateTime start(QDate(2024, 5, 20), QTime(8, 0, 0));
    QVariantList data;
    data.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        const QString ring = QStringLiteral("0%10%2").arg(r % 9 + 1).arg(r % 7 + 1);
        data << QVariant(QVariantList{
            QStringLiteral("Road %1").arg(r % 37),
            QStringLiteral("W%1~W%2")
                .arg(r % 900, 4, 10, QLatin1Char('0'))
                .arg(r % 900 + 1, 4, 10, QLatin1Char('0')),
            QStringLiteral("Sewerage pipe"), QStringLiteral("HN Concrete pipe"),
            diameters[random.bounded(4)], names.at(r % 7), random.bounded(1, 5),
            r % 2 ? QStringLiteral("Structural") : QStringLiteral("Functional"),
            QStringLiteral("Vertical %1 meters, ring to %2")
                .arg(random.bounded(60.0), 0, 'f', 3)
                .arg(ring),
            qRound(random.bounded(2.0) * 100) / 100.0,
            QStringLiteral("%1, the position of circumferential %2 , longitudinal length of %3m .")
                .arg(names.at(r % 7), ring)
                .arg(random.bounded(2.0), 0, 'f', 2),
            qRound((0.5 + random.bounded(9.5)) * 10) / 10.0,
            r % 3 ? QStringLiteral("checked") : QString(),
            QStringLiteral("%1_defect.png").arg(r, 6, 10, QLatin1Char('0')), start.addSecs(60 * r),
            start.addDays(1).addSecs(7 * r)});
    }
    return data;
}

struct Times
{
    double fill = 0;
    double save = 0;
    double total() const { return fill + save; }
};

Times WriteSheet(const QString &path, const QVariantList &data)
{
    const int rows = data.size();
    const int last = kColumns - 1;
    QElapsedTimer timer;
    timer.start();
    QExcelEngine engine;
    engine.Open(QString(), false);
    engine.MergeCells(0, 0, 0, last, QStringLiteral("Interpretation record"));
    engine.SetRangeData(1, 0, 1, last, QVariantList{QVariant(Header())});
    engine.SetFillColor(1, 0, 1, last);
    engine.SetBold(0, 0, 1, last);
    engine.SetNumberFormat(2, 14, rows + 1, 15, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
    engine.SetRangeData(2, 0, rows + 1, last, data);
    engine.SetBorders(0, 0, rows + 1, last);
    engine.SetAlignment(0, 0, rows + 1, last, -4108, -4108);
    engine.AutoFitColumns();
    engine.SetSheetName(QStringLiteral("Interpretation record"));
    engine.FreezeRow(2);
    Times times;
    times.fill = timer.nsecsElapsed() / 1e9;
    timer.restart();
    engine.Save(path);
    engine.Close();
    times.save = timer.nsecsElapsed() / 1e9;
    return times;
}

double PeerTotal(const QString &script, int rows, const QString &out)
{
    QProcess peer;
    peer.start(QStringLiteral("/usr/bin/python3"),
               {script, QString::number(rows), QString::number(kColumns),
                QStringLiteral("xlsxwriter"), QStringLiteral("--out"), out});
    if (!peer.waitForFinished(-1) || peer.exitCode() != 0) {
        qCritical("peer failed: %s", peer.readAllStandardError().constData());
        return -1;
    }
    const QByteArray line = peer.readAllStandardOutput().trimmed().split('\n').last();
    return QJsonDocument::fromJson(line).object().value(QStringLiteral("total_s")).toDouble(-1);
}

double Median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    RegisterOfficeServers();
    QStringList args = app.arguments().mid(1);
    QString peer;
    QTemporaryDir temp;
    QString outDir = temp.path();
    for (int i = 0; i + 1 < args.size();) {
        if (args.at(i) == QLatin1String("--peer") || args.at(i) == QLatin1String("--out")) {
            (args.at(i) == QLatin1String("--peer") ? peer : outDir) = args.at(i + 1);
            args.erase(args.begin() + i, args.begin() + i + 2);
        } else {
            ++i;
        }
    }
    const int rows = args.value(0, QStringLiteral("100000")).toInt();
    const int rounds = std::max(1, args.value(1, QStringLiteral("3")).toInt());
    QDir().mkpath(outDir);
    const QString ours =
        QDir(outDir).filePath(QStringLiteral("sheet_%1_%2_engine.xls").arg(rows).arg(kColumns));
    const QString theirs = QDir(outDir).filePath(
        QStringLiteral("sheet_%1_%2_xlsxwriter.xlsx").arg(rows).arg(kColumns));

    const QVariantList data = Data(rows);
    QVector<double> fill, save, total, peerTotal;
    for (int round = 0; round < rounds; ++round) {
        const Times t = WriteSheet(ours, data);
        fill << t.fill;
        save << t.save;
        total << t.total();
        printf("round %d: engine fill %.3f s, save %.3f s, total %.3f s", round + 1, t.fill, t.save,
               t.total());
        if (!peer.isEmpty()) {
            peerTotal << PeerTotal(peer, rows, theirs);
            printf("; XlsxWriter peer %.3f s", peerTotal.last());
        }
        printf("\n");
        fflush(stdout);
    }
    printf("engine, %d rows x %d columns, median of %d: fill %.3f s, save %.3f s, total %.3f s, "
           "%.1f MB\n",
           rows, kColumns, rounds, Median(fill), Median(save), Median(total),
           QFileInfo(ours).size() / 1048576.0);
    if (!peerTotal.isEmpty())
        printf("XlsxWriter peer median: %.3f s; engine is %.2fx faster\n", Median(peerTotal),
               Median(peerTotal) / Median(total));
    return 0;
}
