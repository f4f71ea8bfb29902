// tq420-templategen SOURCE_DIR OUT_DIR
//
// Builds the four report templates from the readable sources: the layout report.xml, the
// package parts under package/ and the label tables labels_zh.tsv and labels_en.tsv. Each
// "{{Key}}" of the sources is replaced by the label of the language; a key missing from a
// table, or a key that only one table has, stops the build.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTextStream>

#include <KZip>

#include "bodywriter.h"
#include "pictures.h"

namespace {

using Labels = QMap<QString, QString>;
using Parts = QMap<QString, QByteArray>;

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool ReadLabels(const QString &path, Labels *labels)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Err() << "cannot read " << path << "\n";
        return false;
    }
    int number = 0;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ++number;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 1) {
            Err() << path << ":" << number << ": no tab between key and text\n";
            return false;
        }
        const QString key = line.left(tab).trimmed();
        if (labels->contains(key)) {
            Err() << path << ":" << number << ": duplicate key " << key << "\n";
            return false;
        }
        QString text = line.mid(tab + 1);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        labels->insert(key, text);
    }
    return true;
}

QString Escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The text with every {{Key}} replaced by its escaped label; unknown keys go to *missing.
QByteArray Substitute(const QByteArray &source, const Labels &labels, QStringList *missing)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([A-Za-z0-9_]+)\\}\\}"));
    const QString text = QString::fromUtf8(source);
    QString out;
    int last = 0;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        out += text.midRef(last, match.capturedStart() - last);
        const QString key = match.captured(1);
        if (labels.contains(key))
            out += Escaped(labels.value(key));
        else
            missing->append(key);
        last = match.capturedEnd();
    }
    out += text.midRef(last);
    return out.toUtf8();
}

bool BuildParts(const QString &sourceDir, const Labels &labels, Parts *parts)
{
    QStringList missing;
    const QDir packageDir(sourceDir + QStringLiteral("/package"));
    QDirIterator files(packageDir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Err() << "cannot read " << path << "\n";
            return false;
        }
        parts->insert(packageDir.relativeFilePath(path),
                      Substitute(file.readAll(), labels, &missing));
    }
    QFile layoutFile(sourceDir + QStringLiteral("/report.xml"));
    if (!layoutFile.open(QIODevice::ReadOnly)) {
        Err() << "cannot read " << layoutFile.fileName() << "\n";
        return false;
    }
    const QByteArray layoutXml = Substitute(layoutFile.readAll(), labels, &missing);
    if (!missing.isEmpty()) {
        missing.removeDuplicates();
        Err() << "labels missing: " << missing.join(QStringLiteral(", ")) << "\n";
        return false;
    }
    QDomDocument layout;
    QString message;
    int line = 0;
    if (!layout.setContent(layoutXml, false, &message, &line)) {
        Err() << "report.xml line " << line << ": " << message << "\n";
        return false;
    }
    BodyWriter writer;
    const QByteArray body = writer.write(layout.documentElement(), &message);
    if (body.isEmpty()) {
        Err() << "report.xml: " << message << "\n";
        return false;
    }
    parts->insert(QStringLiteral("word/document.xml"), body);

    // The drawn figures and their relationships.
    const QString relsName = QStringLiteral("word/_rels/document.xml.rels");
    QDomDocument rels;
    if (!rels.setContent(parts->value(relsName), false)) {
        Err() << "cannot parse " << relsName << "\n";
        return false;
    }
    for (const QString &name : writer.pictures()) {
        const QByteArray png = Pictures::Png(name);
        if (png.isEmpty()) {
            Err() << "report.xml: no figure named " << name << "\n";
            return false;
        }
        const QString part = QStringLiteral("media/%1.png").arg(name);
        if (parts->contains(QStringLiteral("word/") + part))
            continue;
        parts->insert(QStringLiteral("word/") + part, png);
        QDomElement rel = rels.createElement(QStringLiteral("Relationship"));
        rel.setAttribute(QStringLiteral("Id"), QStringLiteral("rIdImg_") + name);
        rel.setAttribute(
            QStringLiteral("Type"),
            QStringLiteral(
                "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image"));
        rel.setAttribute(QStringLiteral("Target"), part);
        rels.documentElement().appendChild(rel);
    }
    parts->insert(relsName, rels.toByteArray(-1));
    return true;
}

bool WritePackage(const QString &path, const Parts &parts)
{
    KZip zip(path);
    if (!zip.open(QIODevice::WriteOnly)) {
        Err() << "cannot write " << path << "\n";
        return false;
    }
    // Fixed times: the same sources give the same bytes.
    const QDateTime time(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    QStringList order = {QStringLiteral("[Content_Types].xml"), QStringLiteral("_rels/.rels")};
    for (const QString &name : parts.keys()) {
        if (!order.contains(name))
            order << name;
    }
    bool ok = true;
    for (const QString &name : order) {
        zip.setCompression(name.endsWith(QLatin1String(".png")) ? KZip::NoCompression
                                                                : KZip::DeflateCompression);
        ok = ok && zip.writeFile(name, parts.value(name), 0100644, QString(), QString(), time, time,
                                 time);
    }
    if (!zip.close() || !ok) {
        Err() << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        Err() << "usage: tq420-templategen SOURCE_DIR OUT_DIR\n";
        return 2;
    }
    const QString source = args.at(1);
    const QString out = args.at(2);
    Labels zh;
    Labels en;
    if (!ReadLabels(source + QStringLiteral("/labels_zh.tsv"), &zh) ||
        !ReadLabels(source + QStringLiteral("/labels_en.tsv"), &en))
        return 1;
    if (zh.keys() != en.keys()) {
        QStringList only;
        for (const QString &key : zh.keys())
            if (!en.contains(key))
                only << key + QStringLiteral(" (zh only)");
        for (const QString &key : en.keys())
            if (!zh.contains(key))
                only << key + QStringLiteral(" (en only)");
        Err() << "the label tables differ: " << only.join(QStringLiteral(", ")) << "\n";
        return 1;
    }
    if (!QDir().mkpath(out)) {
        Err() << "cannot create " << out << "\n";
        return 1;
    }
    const struct
    {
        const Labels *labels;
        const char *word;
        const char *wps;
    } languages[] = {{&zh, "Report-Test.dot", "Report-Test_wps.dot"},
                     {&en, "Report-Test_en.dot", "Report-Test_wps_en.dot"}};
    for (const auto &language : languages) {
        Parts parts;
        if (!BuildParts(source, *language.labels, &parts))
            return 1;
        // The WPS Writer templates hold the same package as the Word ones.
        if (!WritePackage(out + QLatin1Char('/') + QLatin1String(language.word), parts) ||
            !WritePackage(out + QLatin1Char('/') + QLatin1String(language.wps), parts))
            return 1;
    }
    return 0;
}
