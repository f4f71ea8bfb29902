#include "core/common/xmlfile.h"

#include <cmath>
#include <limits>

#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>

#include "core/common/debuglog.h"

namespace {
// Why the text must not reach the DOM, or an empty text when it may. A streaming pass: it
// keeps no tree and does not recurse, so any depth is counted safely.
QString RefusalOf(QXmlStreamReader &reader)
{
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            return QStringLiteral("a DTD or entity declaration");
        case QXmlStreamReader::EntityReference:
            return QStringLiteral("an entity reference");
        case QXmlStreamReader::StartElement:
            if (++depth > XmlFile::kMaxXmlDepth)
                return QStringLiteral("nesting deeper than %1 levels").arg(XmlFile::kMaxXmlDepth);
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return QStringLiteral("%1 (line %2)").arg(reader.errorString()).arg(reader.lineNumber());
    return QString();
}

template <class Input>
bool ParseBounded(const Input &input, QDomDocument &document)
{
    document.clear();
    if (input.isEmpty())
        return false;
    QString refusal;
    if (input.size() > XmlFile::kMaxXmlBytes) {
        refusal = QStringLiteral("larger than %1 bytes").arg(XmlFile::kMaxXmlBytes);
    } else {
        QXmlStreamReader reader(input);
        refusal = RefusalOf(reader);
    }
    QString error;
    if (refusal.isEmpty() && !document.setContent(input, &error))
        refusal = error;
    if (refusal.isEmpty())
        return true;
    TQ_LOG << "  ERROR: XML refused:" << refusal;
    document.clear();
    return false;
}

// The text as a number of the type, or no value when it is not finite in that type; a text
// that is no number at all reads as 0.
template <class Number>
bool FiniteNumber(const QString &text, Number &number)
{
    bool ok = false;
    const double parsed = text.trimmed().toDouble(&ok);
    if (!ok) {
        number = 0;
        return true;
    }
    if (!std::isfinite(parsed) || std::fabs(parsed) > double(std::numeric_limits<Number>::max()))
        return false;
    number = Number(parsed);
    return true;
}

template <class Number>
bool ReadFiniteNumber(const QDomElement &parent, const QString &tag, Number &value)
{
    QString text;
    if (!XmlFile::ReadXmlText(parent, tag, text) || text.isEmpty())
        return false;
    Number number = 0;
    if (!FiniteNumber(text, number)) {
        TQ_LOG << "  ERROR: not a finite number:" << tag << text.left(40);
        return false;
    }
    value = number;
    return true;
}
} // namespace

bool XmlFile::ParseXml(const QByteArray &bytes, QDomDocument &document)
{
    return ParseBounded(bytes, document);
}

bool XmlFile::ParseXml(const QString &text, QDomDocument &document)
{
    return ParseBounded(text, document);
}

bool XmlFile::LoadXmlFile(const QString &path, QDomDocument &document, QDomElement &root)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > kMaxXmlBytes) {
        TQ_LOG << "  ERROR: XML refused:" << path << "is larger than" << kMaxXmlBytes << "bytes";
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (!ParseXml(bytes, document)) {
        TQ_LOG << "XML parse failed:" << path;
        return false;
    }
    root = document.documentElement();
    if (root.isNull()) {
        document.clear();
        return false;
    }
    return true;
}

bool XmlFile::SaveXmlFile(const QString &path, QDomDocument &document)
{
    // The whole text first, then one unbuffered write: a short write (a full disk) is
    // seen and the previous file kept, where a buffered stream would drop the rest silently.
    QByteArray bytes;
    {
        QTextStream stream(&bytes);
        stream.setCodec("UTF-8");
        document.save(stream, 4, QDomNode::EncodingFromTextStream);
    }
    document.clear();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        TQ_LOG << "cannot write" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        TQ_LOG << "cannot write" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        TQ_LOG << "cannot save" << path << file.errorString();
        return false;
    }
    return true;
}

void XmlFile::CreateXmlDocument(QDomDocument &document, QDomElement &root, const QString &rootName)
{
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    root = document.createElement(rootName);
    document.appendChild(root);
}

QDomElement XmlFile::FirstDescendant(const QDomElement &parent, const QString &tag)
{
    // Depth-first, document order, stopping at the first match.
    for (QDomElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == tag)
            return child;
        const QDomElement found = XmlFile::FirstDescendant(child, tag);
        if (!found.isNull())
            return found;
    }
    return QDomElement();
}

bool XmlFile::FindXmlElement(const QDomElement &parent, const QString &tag, QDomElement &element)
{
    element = XmlFile::FirstDescendant(parent, tag);
    return !element.isNull();
}

bool XmlFile::ReadXmlText(const QDomElement &parent, const QString &tag, QString &value)
{
    const QDomElement element = XmlFile::FirstDescendant(parent, tag);
    if (element.isNull())
        return false;
    value = element.text();
    return true;
}

bool XmlFile::ReadXmlInt(const QDomElement &parent, const QString &tag, int &value)
{
    QString text;
    if (!XmlFile::ReadXmlText(parent, tag, text) || text.isEmpty())
        return false;
    value = text.trimmed().toInt();
    return true;
}

bool XmlFile::ReadXmlFloat(const QDomElement &parent, const QString &tag, float &value)
{
    return ReadFiniteNumber(parent, tag, value);
}

bool XmlFile::ReadXmlDouble(const QDomElement &parent, const QString &tag, double &value)
{
    return ReadFiniteNumber(parent, tag, value);
}

bool XmlFile::ReadXmlBool(const QDomElement &parent, const QString &tag, bool &value)
{
    QString text;
    if (!XmlFile::ReadXmlText(parent, tag, text) || text.isEmpty())
        return false;
    value = (text == QLatin1String("true"));
    return true;
}

QDomElement XmlFile::AppendXmlText(QDomDocument &document, QDomElement &parent, const QString &tag,
                                   const QString &value)
{
    QDomElement element = document.createElement(tag);
    element.appendChild(document.createTextNode(value));
    parent.appendChild(element);
    return element;
}

QDomElement XmlFile::AppendXmlInt(QDomDocument &document, QDomElement &parent, const QString &tag,
                                  int value)
{
    return XmlFile::AppendXmlText(document, parent, tag, QString::number(value));
}

QDomElement XmlFile::AppendXmlFloat(QDomDocument &document, QDomElement &parent, const QString &tag,
                                    float value)
{
    return XmlFile::AppendXmlText(document, parent, tag, QString::number(double(value), 'g', 6));
}

QDomElement XmlFile::AppendXmlDouble(QDomDocument &document, QDomElement &parent,
                                     const QString &tag, double value)
{
    return XmlFile::AppendXmlText(document, parent, tag, QString::number(value, 'f', 10));
}

QDomElement XmlFile::AppendXmlBool(QDomDocument &document, QDomElement &parent, const QString &tag,
                                   bool value)
{
    return XmlFile::AppendXmlText(document, parent, tag,
                                  value ? QStringLiteral("true") : QStringLiteral("false"));
}

QDomElement XmlFile::CreateXmlStringDocument(QDomDocument &document, const QString &rootName)
{
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"GB2312\"")));
    QDomElement root = document.createElement(rootName);
    document.appendChild(root);
    return root;
}

QString XmlFile::XmlStringOf(const QDomDocument &document)
{
    return document.toString(1);
}

QDomElement XmlFile::ParseXmlString(const QString &text, const QString &rootName,
                                    QDomDocument &document)
{
    XmlFile::ParseXml(text, document);
    const QDomElement root = document.documentElement();
    if (root.tagName() != rootName) {
        TQ_LOG << "no tag KLN_CONFIG";
        return QDomElement();
    }
    return root;
}
