#include "videofolder.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Placeholder bytes: an MP4 "ftyp" box and a "free" box naming the clip.
QByteArray placeholderVideo(const QByteArray &name)
{
    QByteArray bytes("\x00\x00\x00\x18"
                     "ftypisom"
                     "\x00\x00\x02\x00"
                     "isommp41",
                     24);
    const QByteArray payload = "tq420 sample clip " + name;
    const int size = 8 + payload.size();
    bytes.append(char((size >> 24) & 0xff))
        .append(char((size >> 16) & 0xff))
        .append(char((size >> 8) & 0xff))
        .append(char(size & 0xff));
    bytes.append("free").append(payload);
    return bytes;
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

bool copyOver(const QString &from, const QString &to, QString *error)
{
    if (QFile::exists(to))
        QFile::remove(to);
    if (!QFile::copy(from, to)) {
        *error = QStringLiteral("cannot copy %1 to %2").arg(from, to);
        return false;
    }
    return true;
}

} // namespace

namespace VideoFolder {

bool write(const QString &outDir, const QString &rtvSource, const QString &xmlSource,
           QJsonObject *manifest, QString *error)
{
    const QString dir = outDir + QStringLiteral("/videos/");
    for (const char *name : {"road1", "road2", "road3"}) {
        if (!writeBytes(dir + QLatin1String(name) + QStringLiteral(".mp4"), placeholderVideo(name),
                        error))
            return false;
    }
    if (!copyOver(rtvSource, dir + QStringLiteral("road1.rtv"), error) ||
        !copyOver(xmlSource, dir + QStringLiteral("road2.xml"), error))
        return false;

    manifest->insert("videos/road1.mp4",
                     QJsonObject{{"sidecar", "videos/road1.rtv"}, {"kind", "rtv"}});
    manifest->insert("videos/road2.mp4",
                     QJsonObject{{"sidecar", "videos/road2.xml"}, {"kind", "bmw"}});
    manifest->insert("videos/road3.mp4",
                     QJsonObject{{"sidecar", QJsonValue::Null}, {"kind", "none"}});
    return true;
}

} // namespace VideoFolder
