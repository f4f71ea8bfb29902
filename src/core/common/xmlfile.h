#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

// The XML field functions shared by every XML form of the system: a field is a child
// element holding one text node, read from the first descendant of that name.

namespace XmlFile {

// Bounds of an XML text from outside (an RTV column, a description file, the settings file).
// Real documents nest at most 6 levels and take a few kilobytes; a defect with thousands of
// shapes stays below a megabyte.
inline constexpr int kMaxXmlBytes = 16 * 1024 * 1024; // bytes of a file, characters of a text
inline constexpr int kMaxXmlDepth = 256;

// The one way an outside XML text reaches the DOM: refused (an empty document, the reason
// logged, false) when it is larger or deeper than the bounds, declares a DTD, or does not
// parse completely. Checked by a streaming pass first, so nothing recurses on the input.
bool ParseXml(const QByteArray &bytes, QDomDocument &document);
bool ParseXml(const QString &text, QDomDocument &document);

bool LoadXmlFile(const QString &path, QDomDocument &document, QDomElement &root);
// Writes UTF-8 with an indent of 4 through a temporary file and a rename, so a failed
// save never loses the previous file. Clears the document afterwards.
bool SaveXmlFile(const QString &path, QDomDocument &document);
void CreateXmlDocument(QDomDocument &document, QDomElement &root, const QString &rootName);

// First element with the tag anywhere below the parent, in document order.
bool FindXmlElement(const QDomElement &parent, const QString &tag, QDomElement &element);
QDomElement FirstDescendant(const QDomElement &parent, const QString &tag);

bool ReadXmlText(const QDomElement &parent, const QString &tag, QString &value);
bool ReadXmlInt(const QDomElement &parent, const QString &tag, int &value);
// A number that is not finite (nan, inf, beyond the type's range) is refused and logged: the
// value stays as it was and the result is false.
bool ReadXmlFloat(const QDomElement &parent, const QString &tag, float &value);
bool ReadXmlDouble(const QDomElement &parent, const QString &tag, double &value);
bool ReadXmlBool(const QDomElement &parent, const QString &tag, bool &value);

QDomElement AppendXmlText(QDomDocument &document, QDomElement &parent, const QString &tag,
                          const QString &value);
QDomElement AppendXmlInt(QDomDocument &document, QDomElement &parent, const QString &tag,
                         int value);
// General format, 6 significant digits (2.5, 100, 0.333333).
QDomElement AppendXmlFloat(QDomDocument &document, QDomElement &parent, const QString &tag,
                           float value);
// Fixed notation with 10 decimals (coordinates).
QDomElement AppendXmlDouble(QDomDocument &document, QDomElement &parent, const QString &tag,
                            double value);
QDomElement AppendXmlBool(QDomDocument &document, QDomElement &parent, const QString &tag,
                          bool value);

// The XML string forms stored inside RTV files: an "xml" processing instruction labelled
// GB2312 (a label only: the text is stored and parsed as Unicode), then the root.
QDomElement CreateXmlStringDocument(QDomDocument &document, const QString &rootName);
QString XmlStringOf(const QDomDocument &document);
// Parses the text (ParseXml) and returns its document element when its tag is rootName; a
// null element (and the "no tag KLN_CONFIG" log line) otherwise.
QDomElement ParseXmlString(const QString &text, const QString &rootName, QDomDocument &document);

} // namespace XmlFile
