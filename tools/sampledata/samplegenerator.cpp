#include "samplegenerator.h"

#include "bmwsamples.h"
#include "frames.h"
#include "largesample.h"
#include "manifest.h"
#include "rtvcatalog.h"
#include "rtvwriter.h"
#include "samplekit.h"
#include "videofolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

bool writeText(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

// The manifest states what the bytes are, so a blob that was meant to be a PNG
// must decode and one meant to be damaged must not.
bool blobsAsIntended(const SampleRtv &rtv, QString *error)
{
    for (const SampleDefect &d : rtv.defects) {
        if ((d.orgKind == BlobKind::Png) != Frames::isValidPng(d.imgDataOrg) ||
            (d.defectKind == BlobKind::Png) != Frames::isValidPng(d.imgDataDefect)) {
            *error = QStringLiteral("%1: blob of defect %2 is not what it should be")
                         .arg(rtv.relativePath)
                         .arg(d.nTimeIndex);
            return false;
        }
    }
    return true;
}

} // namespace

SampleGenerator::SampleGenerator(const QString &outDir)
    : m_outDir(QDir::cleanPath(outDir))
{}

QString SampleGenerator::path(const QString &relative) const
{
    return m_outDir + QLatin1Char('/') + relative;
}

bool SampleGenerator::prepareFolders(bool large, QString *error)
{
    QStringList folders = {QStringLiteral("rtv"), QStringLiteral("bmw"), QStringLiteral("videos")};
    if (large)
        folders << QStringLiteral("large");
    for (const QString &folder : folders) {
        if (!QDir().mkpath(path(folder))) {
            *error = QStringLiteral("cannot create folder ") + path(folder);
            return false;
        }
    }
    // mkpath succeeds on an existing read-only folder; probe with a real write.
    return writeText(path(QStringLiteral("rtv/.write-probe")), "probe", error) &&
           QFile::remove(path(QStringLiteral("rtv/.write-probe")));
}

bool SampleGenerator::writeRtvFiles(QString *error)
{
    FrameCache frames;
    QList<SampleRtv> samples = RtvCatalog::versionFiles(frames);
    samples << RtvCatalog::workedExample(frames) << RtvCatalog::withoutHeaderRow(frames)
            << RtvCatalog::withoutDefects() << RtvCatalog::hostileTexts(frames)
            << RtvCatalog::brokenImages(frames) << RtvCatalog::malformedXml(frames);
    for (const SampleRtv &rtv : samples) {
        if (!blobsAsIntended(rtv, error))
            return false;
        if (!RtvWriter::write(path(rtv.relativePath), rtv, error)) {
            *error = rtv.relativePath + QStringLiteral(": ") + *error;
            return false;
        }
        m_rtv.insert(rtv.relativePath, Manifest::rtvEntry(rtv));
        ++m_rtvFiles;
        m_defects += rtv.defects.size();
    }
    m_pngs += frames.encodedCount();
    return true;
}

bool SampleGenerator::writeUnreadableFiles(QString *error)
{
    if (!writeText(path(QStringLiteral("rtv/notsqlite.rtv")),
                   "This is a plain text file with an .rtv name.\nIt is no SQLite database.\n",
                   error) ||
        !writeText(path(QStringLiteral("rtv/empty.rtv")), QByteArray(), error))
        return false;
    if (!RtvWriter::writeWithoutTables(path(QStringLiteral("rtv/notables.rtv")), error)) {
        *error = QStringLiteral("rtv/notables.rtv: ") + *error;
        return false;
    }
    // The column probe fails only on a file that is no database; a database
    // without the table probes as version 0 but holds nothing to read.
    m_rtv.insert("rtv/notsqlite.rtv",
                 Manifest::unreadableEntry(RtvUnreadable, "text file, not a database"));
    m_rtv.insert("rtv/empty.rtv",
                 Manifest::unreadableEntry(RtvV0, "zero bytes: an empty database"));
    m_rtv.insert("rtv/notables.rtv",
                 Manifest::unreadableEntry(RtvV0, "SQLite file without tables"));
    m_rtvFiles += 3;
    return true;
}

bool SampleGenerator::writeLarge(QString *error)
{
    QJsonObject entry;
    if (!LargeSample::write(path(QStringLiteral("large/large.rtv")), &entry, error)) {
        *error = QStringLiteral("large/large.rtv: ") + *error;
        return false;
    }
    m_rtv.insert("large/large.rtv", entry);
    ++m_rtvFiles;
    m_defects += entry.value("defectCount").toInt();
    m_pngs += 2 * entry.value("defectCount").toInt();
    return true;
}

bool SampleGenerator::run(bool large, QString *error)
{
    if (!prepareFolders(large, error) || !writeRtvFiles(error) || !writeUnreadableFiles(error) ||
        !BmwSamples::write(m_outDir, &m_bmw, error))
        return false;
    if (!VideoFolder::write(m_outDir, path(QStringLiteral("rtv/v1025.rtv")),
                            path(QStringLiteral("bmw/good.xml")), &m_videos, error))
        return false;
    m_rtv.insert("videos/road1.rtv", m_rtv.value("rtv/v1025.rtv"));
    if (large && !writeLarge(error))
        return false;

    const QJsonObject root{{"generator", "tq420-sampledata"},
                           {"formatVersion", 1},
                           {"runStartTime", "09:30:00"},
                           {"timeIndexUnit", "ms"},
                           {"rtv", m_rtv},
                           {"bmw", m_bmw},
                           {"videos", m_videos}};
    return Manifest::write(path(QStringLiteral("manifest.json")), root, error);
}

QString SampleGenerator::summary() const
{
    return QStringLiteral("%1 RTV files (%2 defects, %3 PNG frames encoded), %4 description files, "
                          "%5 videos, manifest in %6")
        .arg(m_rtvFiles)
        .arg(m_defects)
        .arg(m_pngs)
        .arg(m_bmw.size())
        .arg(m_videos.size())
        .arg(QDir::toNativeSeparators(m_outDir));
}
