#include "largesample.h"

#include "frames.h"
#include "manifest.h"
#include "rtvwriter.h"
#include "samplekit.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QThreadPool>

#include <vector>

namespace {

constexpr int kDefects = 1000;
constexpr int kBatch = 40;
constexpr float kMetresPerSecond = 0.12f;

SampleRtv describe()
{
    SampleRtv r;
    r.relativePath = QStringLiteral("large/large.rtv");
    r.header = SampleKit::makeHeader(QStringLiteral("Load Tester"), QStringLiteral("Long Street"),
                                     QStringLiteral("2019-10-10"),
                                     QStringLiteral("Long Street trunk"), true);
    r.pipe = SampleKit::makePipe(QStringLiteral("LS-1"), QStringLiteral("LS-2"), 120.0f, 1000);
    r.pipe.nAreaProperty = 0;
    r.pipe.nSoilProperty = 3;
    r.track = SampleKit::makeTrack(kDefects, 1000, kMetresPerSecond);
    for (int i = 0; i < kDefects; ++i) {
        const int code = i % 16;
        int property = code < 10 ? 0 : 1;
        if (i % 50 == 49)
            property = -1;
        // Every hundredth defect sits on a track sample with no distance of its own.
        const bool onTrack = i % 100 == 0;
        const int timeIndex = i * 1000 + (onTrack ? 0 : 500);
        const float distance = onTrack ? 0.0f : kMetresPerSecond * float(i) + 0.06f;
        r.defects << SampleKit::makeDefect(timeIndex, code, property, (i / 16) % 4, distance,
                                           0.25f * float(i % 9));
    }
    return r;
}

void renderPair(SampleDefect &d)
{
    const QString caption = QStringLiteral("large.rtv  #%1  %2  %3 m")
                                .arg(d.nTimeIndex)
                                .arg(d.strCurTime)
                                .arg(double(d.fDistance), 0, 'f', 2);
    const QImage frame = Frames::pipeView(QSize(640, 480), d.nTimeIndex / 500, caption);
    d.imgDataOrg = Frames::encodePng(frame);
    const QImage marked =
        Frames::annotated(frame, d.nTimeIndex,
                          QStringLiteral("Code %1  L%2").arg(d.DefectName).arg(d.DefectLevel + 1));
    d.imgDataDefect = Frames::encodePng(marked);
}

} // namespace

namespace LargeSample {

bool write(const QString &path, QJsonObject *entry, QString *error)
{
    SampleRtv sample = describe();
    ScopedSqliteFile file(path);
    if (!file.isOpen()) {
        *error = file.errorText();
        return false;
    }
    QSqlDatabase db = file.database();
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    bool ok = RtvWriter::createTables(db, sample.version, error) &&
              RtvWriter::insertHeader(db, sample.version, sample.header, error) &&
              RtvWriter::insertPipe(db, sample.pipe, error) &&
              RtvWriter::insertTrack(db, sample.track, error);

    // Frames are drawn on the pool a batch at a time; rows go in on this thread.
    QThreadPool pool;
    qint64 totalBytes = 0;
    for (int first = 0; ok && first < sample.defects.size(); first += kBatch) {
        const int last = qMin(first + kBatch, int(sample.defects.size()));
        for (int i = first; i < last; ++i) {
            SampleDefect *d = &sample.defects[i];
            pool.start([d] { renderPair(*d); });
        }
        pool.waitForDone();
        for (int i = first; ok && i < last; ++i) {
            SampleDefect &d = sample.defects[i];
            ok = RtvWriter::insertDefect(db, d, error);
            totalBytes += d.imgDataOrg.size() + d.imgDataDefect.size();
            d.imgDataOrg.clear(); // keep memory flat; the manifest needs no bytes
            d.imgDataDefect.clear();
        }
    }
    if (!ok) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        return false;
    }
    *entry = Manifest::rtvEntry(sample, false);
    entry->insert("imageBytesTotal", double(totalBytes));
    return true;
}

} // namespace LargeSample
