// tq420-fuzzseeds SAMPLEDIR OUTDIR: the seed corpora of the fuzz targets, one folder each
// under OUTDIR, from the sample data of tq420-sampledata, a workbook and hostile inputs
// written here.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdio>

#include "hostileseeds.h"
#include "rtvseeds.h"
#include "seedfiles.h"
#include "workbookseeds.h"

namespace {

// Samples above this size (the large sample) would make every fuzzing step slow.
constexpr qint64 kMaxSampleSize = 4 * 1024 * 1024;

QStringList SampleFiles(const QString &sampleDir, const QString &pattern)
{
    QStringList files;
    QDirIterator it(sampleDir, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().size() <= kMaxSampleSize)
            files << it.filePath();
    }
    files.sort();
    return files;
}

bool AddDescriptions(const QString &sampleDir, const QString &outDir, QString *error)
{
    for (const QString &path : SampleFiles(sampleDir, QStringLiteral("*.xml"))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) ||
            !SeedFiles::Add(outDir, QStringLiteral("description"), file.readAll())) {
            *error = QStringLiteral("cannot copy %1").arg(path);
            return false;
        }
    }
    return true;
}

bool Build(const QString &sampleDir, const QString &outDir, QString *error)
{
    for (const char *target : {"rtv", "xmlentity", "png", "description", "workbook"})
        SeedFiles::Clear(outDir, QLatin1String(target));
    const QStringList rtvFiles = SampleFiles(sampleDir, QStringLiteral("*.rtv"));
    if (rtvFiles.isEmpty()) {
        *error = QStringLiteral("no RTV files in %1").arg(sampleDir);
        return false;
    }
    for (const QString &path : rtvFiles) {
        if (!RtvSeeds::Add(path, outDir, error))
            return false;
    }
    return AddDescriptions(sampleDir, outDir, error) && WorkbookSeeds::Add(outDir, error) &&
           HostileSeeds::Add(outDir, error);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: tq420-fuzzseeds SAMPLEDIR OUTDIR\n", stderr);
        return 2;
    }
    QString error;
    if (!Build(args.at(1), args.at(2), &error)) {
        std::fprintf(stderr, "tq420-fuzzseeds: %s\n", qUtf8Printable(error));
        return 1;
    }
    return 0;
}
