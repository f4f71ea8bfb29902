// Reading a large RTV file (1000 defects, 2000 frames) into an empty Images folder, beside
// two baselines: writing the same blobs with plain file writes, and decoding and
// re-encoding them as the frames would be without the PNG structure check.
//
//   bench_traversal LARGE.rtv [ROUNDS]
#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "core/inspection/cfilertv.h"

namespace {
double Ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

QList<QByteArray> ReadBlobs(const QString &path)
{
    QList<QByteArray> blobs;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blobs"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("select imgDataOrg, imgDataDefect from DefectsFound"));
        while (query.next())
            blobs << query.value(0).toByteArray() << query.value(1).toByteArray();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("blobs"));
    return blobs;
}

// Median of the milliseconds a run reports; each run gets a fresh, empty folder.
double MedianMs(int rounds, const std::function<double(const QString &)> &run)
{
    QList<double> times;
    for (int i = 0; i < rounds; ++i) {
        QTemporaryDir dir;
        ::sync(); // earlier rounds' writes must not be flushed while this one is timed
        times << run(dir.path());
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_traversal LARGE.rtv [ROUNDS]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? qMax(1, atoi(argv[2])) : 5;
    const QList<QByteArray> blobs = ReadBlobs(source);
    qint64 bytes = 0;
    for (const QByteArray &blob : blobs)
        bytes += blob.size();
    std::printf("file %s: %d frames, %.1f MB of PNG\n", qPrintable(source), int(blobs.size()),
                bytes / 1e6);

    int defects = 0;
    const double traversal = MedianMs(rounds, [&](const QString &dir) {
        const QString copy = dir + QStringLiteral("/large.rtv");
        QFile::copy(source, copy); // not timed: reading works on the copy
        ::sync();
        QElapsedTimer timer;
        timer.start();
        CFileRTV file;
        file.open(copy);
        file.TraversalFile();
        defects = file.GetDefectList().size();
        return Ms(timer);
    });
    const double plainWrite = MedianMs(rounds, [&](const QString &dir) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < blobs.size(); ++i) {
            QFile file(dir + QStringLiteral("/%1.png").arg(i));
            file.open(QIODevice::WriteOnly);
            file.write(blobs.at(i));
        }
        return Ms(timer);
    });
    const double reencode = MedianMs(1, [&](const QString &dir) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < blobs.size(); ++i)
            QImage::fromData(blobs.at(i), "PNG")
                .save(dir + QStringLiteral("/%1.png").arg(i), "PNG");
        return Ms(timer);
    });

    std::printf("TraversalFile (%d defects, images written): %8.1f ms\n", defects, traversal);
    std::printf("plain write of the same blobs:            %8.1f ms\n", plainWrite);
    std::printf("decode and re-encode (baseline):          %8.1f ms\n", reencode);
    std::printf("TraversalFile / plain write:              %8.2f x\n", traversal / plainWrite);
    return 0;
}
