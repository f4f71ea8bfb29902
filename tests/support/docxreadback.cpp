#include "support/docxreadback.h"

#include <KZip> // first: the other KArchive headers rely on it

#include <KArchiveDirectory>
#include <KZipFileEntry>

namespace DocxReadBack {
namespace {
void Collect(const KArchiveDirectory *dir, const QString &prefix, Package &package)
{
    for (const QString &name : dir->entries()) {
        const KArchiveEntry *entry = dir->entry(name);
        if (entry->isDirectory()) {
            Collect(static_cast<const KArchiveDirectory *>(entry), prefix + name + '/', package);
        } else {
            auto file = static_cast<const KZipFileEntry *>(entry);
            package.parts.insert(prefix + name, file->data());
            package.encodings.insert(prefix + name, file->encoding());
        }
    }
}
} // namespace

QList<QDomElement> Elements(const QDomElement &below, const QString &tag)
{
    const QDomNodeList nodes = below.elementsByTagName(tag);
    QList<QDomElement> list;
    for (int i = 0; i < nodes.size(); ++i)
        list << nodes.at(i).toElement();
    return list;
}

bool Package::read(const QString &path)
{
    KZip zip(path);
    if (!zip.open(QIODevice::ReadOnly))
        return false;
    Collect(zip.directory(), QString(), *this);
    return document.setContent(parts.value(QStringLiteral("word/document.xml")), false);
}

QList<QDomElement> Package::all(const QString &tag, const QDomElement &below) const
{
    return Elements(below.isNull() ? document.documentElement() : below, tag);
}

} // namespace DocxReadBack
