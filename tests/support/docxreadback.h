#pragma once

#include <QDomDocument>
#include <QList>
#include <QMap>
#include <QString>

// Reads a saved .docx package back, independently of the word-processor server.
namespace DocxReadBack {

// Every element named tag below the given one, in document order.
QList<QDomElement> Elements(const QDomElement &below, const QString &tag);

struct Package
{
    QMap<QString, QByteArray> parts;
    QMap<QString, int> encodings; // zip method per part: 0 stored, 8 deflated
    QDomDocument document;        // word/document.xml

    bool read(const QString &path);
    // Below the document's root when no element is given.
    QList<QDomElement> all(const QString &tag, const QDomElement &below = QDomElement()) const;
};

} // namespace DocxReadBack
