// Importing a large video (default 1 GiB) into a project beside `cp` of the same file on
// the same disk: the import's cost is the copy of the video, which must stay near cp's.
//
//   bench_import [WORKDIR] [MIB] [ROUNDS]
#include <algorithm>
#include <cstdio>
#include <random>

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/common/appdatadir.h"
#include "core/database/ckln_tq420database.h"
#include "core/files/cvideoimporter.h"
#include "core/files/qfilemanager.h"
#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"

namespace {
// Incompressible bytes, written once and reused by later runs.
void MakeVideo(const QString &path, qint64 mib)
{
    if (QFile(path).size() == mib << 20)
        return;
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    std::mt19937_64 random(42);
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 i = 0; i < mib; ++i) {
        auto *words = reinterpret_cast<quint64 *>(block.data());
        for (int w = 0; w < block.size() / 8; ++w)
            words[w] = random();
        file.write(block);
    }
}

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}"));
    const QString work =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/tq420-bench-import";
    const qint64 mib = argc > 2 ? atoll(argv[2]) : 1024;
    const int rounds = argc > 3 ? qMax(1, atoi(argv[3])) : 3;
    QDir().mkpath(work);
    const QString video = work + QStringLiteral("/survey.mp4");
    MakeVideo(video, mib);

    QList<double> importMs, cpMs;
    for (int round = 0; round < rounds; ++round) {
        QTemporaryDir data(work + QStringLiteral("/data-XXXXXX"));
        DataFolder::SetAppDataDir(data.path());
        QFileManager::ReleaseInstance();
        CKLN_TQ420DataBase::ReleaseInstance();
        QSystemInfo::GetInstance();
        CKLN_TQ420DataBase::GetInstance();
        // Alternate the order, so that neither always runs behind the other's writes.
        const auto runImport = [&] {
            ::sync();
            CFileRTV file;
            QElapsedTimer timer;
            timer.start();
            const CVideoImporter::Result result =
                CVideoImporter::ImportOne(video, QStringLiteral("BENCH00001"), file, true);
            importMs << timer.nsecsElapsed() / 1e6;
            if (!result.ok)
                std::fprintf(stderr, "import failed: %s\n", qPrintable(result.error));
        };
        const auto runCp = [&] {
            ::sync();
            QElapsedTimer timer;
            timer.start();
            QProcess::execute(QStringLiteral("cp"),
                              {video, data.filePath(QStringLiteral("copy.mp4"))});
            cpMs << timer.nsecsElapsed() / 1e6;
        };
        if (round % 2 == 0) {
            runImport();
            runCp();
        } else {
            runCp();
            runImport();
        }
        CKLN_TQ420DataBase::ReleaseInstance();
        ::sync();
    }
    std::printf("video of %lld MiB, %d rounds (medians)\n", mib, rounds);
    std::printf("import (key, folder, copy, empty RTV file): %8.1f ms\n", Median(importMs));
    std::printf("cp of the same file:                        %8.1f ms\n", Median(cpMs));
    std::printf("import / cp:                                %8.2f x\n",
                Median(importMs) / Median(cpMs));
    return 0;
}
