#include "seedfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString SeedName(const QByteArray &seed)
{
    return QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex());
}

} // namespace

namespace SeedFiles {

bool Add(const QString &folder, const QString &target, const QByteArray &seed)
{
    const QString dir = folder + QLatin1Char('/') + target;
    if (!QDir().mkpath(dir))
        return false;
    QFile file(dir + QLatin1Char('/') + SeedName(seed));
    return file.open(QIODevice::WriteOnly) && file.write(seed) == seed.size();
}

void Clear(const QString &folder, const QString &target)
{
    static const QRegularExpression kSeedName(QStringLiteral("^[0-9a-f]{40}$"));
    QDir dir(folder + QLatin1Char('/') + target);
    const QStringList files = dir.entryList(QDir::Files);
    for (const QString &name : files) {
        if (kSeedName.match(name).hasMatch())
            dir.remove(name);
    }
}

} // namespace SeedFiles
