#include "core/common/xmlfile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include "core/common/debuglog.h"

bool XmlFile::LoadXmlFile(const QString &path, QDomDocument &document, QDomElement &root)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QString error;
    int line = 0;
    const bool parsed = document.setContent(&file, &error, &line);
    file.close();
    if (!parsed) {
        TQ_LOG << "XML parse failed:" << path << error << "line" << line;
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
    QString text;
    if (!XmlFile::ReadXmlText(parent, tag, text) || text.isEmpty())
        return false;
    value = text.trimmed().toFloat();
    return true;
}

bool XmlFile::ReadXmlDouble(const QDomElement &parent, const QString &tag, double &value)
{
    QString text;
    if (!XmlFile::ReadXmlText(parent, tag, text) || text.isEmpty())
        return false;
    value = text.trimmed().toDouble();
    return true;
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
    document.setContent(text);
    const QDomElement root = document.documentElement();
    if (root.tagName() != rootName) {
        TQ_LOG << "no tag KLN_CONFIG";
        return QDomElement();
    }
    return root;
}
