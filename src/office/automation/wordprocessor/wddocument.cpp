#include "office/automation/wordprocessor/wddocument.h"

#include <cmath>

#include <KZip> // first: the other KArchive headers rely on it

#include <KArchiveDirectory>
#include <KArchiveFile>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include "office/automation/wordprocessor/wdchart.h"
#include "office/automation/wordprocessor/wdxml.h"

using namespace WdXml;

namespace {

const QString kDocumentPart = QStringLiteral("word/document.xml");
const QString kRelsPart = QStringLiteral("word/_rels/document.xml.rels");
const QString kSettingsPart = QStringLiteral("word/settings.xml");
const QString kPackageType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/package");
const QString kImageType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");
constexpr double kEmuPerPoint = 12700.0;

void ReadDirectory(const KArchiveDirectory *dir, const QString &prefix,
                   QMap<QString, QByteArray> &parts)
{
    for (const QString &name : dir->entries()) {
        const KArchiveEntry *entry = dir->entry(name);
        if (entry->isDirectory())
            ReadDirectory(static_cast<const KArchiveDirectory *>(entry), prefix + name + '/',
                          parts);
        else
            parts.insert(prefix + name, static_cast<const KArchiveFile *>(entry)->data());
    }
}

bool IsPicturePart(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("jpeg") ||
           suffix == QLatin1String("jpg") || suffix == QLatin1String("gif");
}

bool WritePart(KZip &zip, const QString &name, const QByteArray &data)
{
    zip.setCompression(IsPicturePart(name) ? KZip::NoCompression : KZip::DeflateCompression);
    return zip.writeFile(name, data);
}

// A one-pixel picture of the given format: the layout copy needs only the pictures' sizes,
// which the document itself carries, so it does not make LibreOffice decode every frame.
QByteArray PlaceholderPicture(const QString &suffix)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, suffix.toLatin1()).write(pixel);
    return buffer.data();
}

// Streams a picture file into the package in pieces.
bool WriteFilePart(KZip &zip, const QString &name, const QString &source)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    zip.setCompression(KZip::NoCompression);
    if (!zip.prepareWriting(name, QString(), QString(), file.size()))
        return false;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (!zip.writeData(buffer.constData(), got))
            return false;
        total += got;
    }
    return zip.finishWriting(total);
}

QString MimeOf(const QString &suffix)
{
    if (suffix == QLatin1String("jpeg") || suffix == QLatin1String("jpg"))
        return QStringLiteral("image/jpeg");
    return QStringLiteral("image/") + suffix;
}

} // namespace

WdDocument::WdDocument() = default;
WdDocument::~WdDocument() = default;

bool WdDocument::load(const QString &path, QString *error)
{
    KZip zip(path);
    if (!zip.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1 as a document package").arg(path);
        return false;
    }
    m_parts.clear();
    ReadDirectory(zip.directory(), QString(), m_parts);
    if (!m_parts.contains(kDocumentPart) || !m_parts.contains("[Content_Types].xml")) {
        *error = QStringLiteral("%1 is not a word-processing document").arg(path);
        return false;
    }
    QString message;
    int line = 0;
    if (!m_document.setContent(m_parts.take(kDocumentPart), false, &message, &line)) {
        *error = QStringLiteral("document.xml line %1: %2").arg(line).arg(message);
        return false;
    }
    if (!m_rels.setContent(m_parts.take(kRelsPart), false)) {
        m_rels.setContent(QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><Relationships "
            "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>"));
    }
    m_relationshipIds.clear();
    for (const QDomElement &rel : Children(m_rels.documentElement(), "Relationship"))
        m_relationshipIds.insert(rel.attribute("Id"));
    m_contentDefaults.clear();
    for (const QDomElement &docPr : Descendants(m_document.documentElement(), "wp:docPr"))
        m_nextDrawingId = qMax(m_nextDrawingId, docPr.attribute("id").toInt() + 1);
    QDomElement root = m_document.documentElement();
    if (!root.hasAttribute("xmlns:wp"))
        root.setAttribute("xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/"
                                      "wordprocessingDrawing");
    if (!root.hasAttribute("xmlns:r"))
        root.setAttribute("xmlns:r",
                          "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
    invalidate();
    return true;
}

bool WdDocument::save(const QString &path, QString *error)
{
    // Contents entries still without page numbers get them now: one layout per document
    // when the page count was not asked for after the fields were updated.
    if (!m_contents.isEmpty()) {
        WdPdfReader::Layout layout;
        layOut(&layout);
    }
    if (m_fieldsDirty && m_parts.contains(kSettingsPart)) {
        QDomDocument settings;
        if (settings.setContent(m_parts.value(kSettingsPart), false)) {
            static const QStringList after = {"w:hdrShapeDefaults",
                                              "w:footnotePr",
                                              "w:endnotePr",
                                              "w:compat",
                                              "w:docVars",
                                              "w:rsids",
                                              "m:mathPr",
                                              "w:attachedSchema",
                                              "w:themeFontLang",
                                              "w:clrSchemeMapping",
                                              "w:doNotIncludeSubdocsInStats",
                                              "w:doNotAutoCompressPictures",
                                              "w:forceUpgrade",
                                              "w:captions",
                                              "w:readModeInkLockDown",
                                              "w:smartTagType",
                                              "sl:schemaLibrary",
                                              "w:shapeDefaults",
                                              "w:doNotEmbedSmartTags",
                                              "w:decimalSymbol",
                                              "w:listSeparator"};
            QDomElement root = settings.documentElement();
            QDomElement update = FirstChild(root, "w:updateFields");
            if (update.isNull()) {
                update = settings.createElement("w:updateFields");
                QDomElement next = root.firstChildElement();
                while (!next.isNull() && !after.contains(next.tagName()))
                    next = next.nextSiblingElement();
                root.insertBefore(update, next);
            }
            update.setAttribute("w:val", "true");
            m_parts.insert(kSettingsPart, settings.toByteArray(-1));
        }
    }
    // KZip writes through a temporary file of its own and renames it on success.
    KZip zip(path);
    if (!zip.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, zip.errorString());
        return false;
    }
    for (auto it = m_charts.begin(); it != m_charts.end(); ++it) {
        if (it.value()->isModified())
            embedWorkbook(it.key(), it.value().get());
    }
    QMap<QString, QByteArray> parts = m_parts;
    for (auto it = m_charts.begin(); it != m_charts.end(); ++it)
        parts.insert(it.key(), it.value()->toXml());
    // The content types first, as packages conventionally have them.
    bool ok = WritePart(zip, "[Content_Types].xml", parts.take("[Content_Types].xml"));
    if (parts.contains("_rels/.rels"))
        ok = ok && WritePart(zip, "_rels/.rels", parts.take("_rels/.rels"));
    ok = ok && WritePart(zip, kDocumentPart, m_document.toByteArray(-1));
    ok = ok && WritePart(zip, kRelsPart, m_rels.toByteArray(-1));
    for (auto it = parts.begin(); ok && it != parts.end(); ++it)
        ok = WritePart(zip, it.key(), it.value());
    QHash<QString, QByteArray> placeholders; // by suffix
    for (auto it = m_media.begin(); ok && it != m_media.end(); ++it) {
        const QString suffix = QFileInfo(it.key()).suffix();
        if (m_layoutCopy && !placeholders.contains(suffix))
            placeholders.insert(suffix, PlaceholderPicture(suffix));
        const QByteArray placeholder = placeholders.value(suffix);
        ok = placeholder.isEmpty() ? WriteFilePart(zip, it.key(), it.value())
                                   : WritePart(zip, it.key(), placeholder);
        if (!ok)
            *error = QStringLiteral("cannot read picture %1").arg(it.value());
    }
    if (!zip.close() || !ok) {
        if (error->isEmpty())
            *error = QStringLiteral("cannot write %1: %2").arg(path, zip.errorString());
        return false;
    }
    return true;
}

QString WdDocument::relationshipTarget(const QString &id) const
{
    for (const QDomElement &rel : Children(m_rels.documentElement(), "Relationship")) {
        if (rel.attribute("Id") == id)
            return rel.attribute("Target");
    }
    return QString();
}

QString WdDocument::addRelationship(const QString &type, const QString &target)
{
    QString id;
    do
        id = QStringLiteral("rIdTq%1").arg(m_nextRelationship++);
    while (m_relationshipIds.contains(id));
    m_relationshipIds.insert(id);
    QDomElement rel = m_rels.createElement("Relationship");
    rel.setAttribute("Id", id);
    rel.setAttribute("Type", type);
    rel.setAttribute("Target", target);
    m_rels.documentElement().appendChild(rel);
    return id;
}

void WdDocument::ensureContentDefault(const QString &extension, const QString &type)
{
    if (m_contentDefaults.contains(extension.toLower()))
        return;
    m_contentDefaults.insert(extension.toLower());
    QDomDocument types;
    if (!types.setContent(m_parts.value("[Content_Types].xml"), false))
        return;
    for (const QDomElement &def : Children(types.documentElement(), "Default")) {
        if (def.attribute("Extension").compare(extension, Qt::CaseInsensitive) == 0)
            return;
    }
    QDomElement def = types.createElement("Default");
    def.setAttribute("Extension", extension);
    def.setAttribute("ContentType", type);
    types.documentElement().insertBefore(def, types.documentElement().firstChild());
    m_parts.insert("[Content_Types].xml", types.toByteArray(-1));
}

QDomElement WdDocument::addPicture(QDomElement cell, const QString &path)
{
    QImageReader reader(path);
    const QSize pixels = reader.size();
    QString suffix = QString::fromLatin1(reader.format()).toLower();
    if (!pixels.isValid() || suffix.isEmpty())
        return QDomElement();
    if (suffix == QLatin1String("jpg"))
        suffix = QStringLiteral("jpeg");
    const QString source = QFileInfo(path).absoluteFilePath();
    QString relId = m_mediaBySource.value(source);
    if (relId.isEmpty()) {
        QString part;
        do
            part = QStringLiteral("word/media/image%1.%2").arg(m_nextMedia++).arg(suffix);
        while (m_parts.contains(part) || m_media.contains(part));
        m_media.insert(part, source);
        ensureContentDefault(suffix, MimeOf(suffix));
        relId = addRelationship(kImageType, part.mid(5));
        m_mediaBySource.insert(source, relId);
    }
    // Pictures come in at 96 dots per inch until the caller sizes them.
    const qint64 cx = qRound64(pixels.width() * 0.75 * kEmuPerPoint);
    const qint64 cy = qRound64(pixels.height() * 0.75 * kEmuPerPoint);
    const int id = m_nextDrawingId++;
    const QString xml =
        QStringLiteral(
            "<w:r xmlns:w=\"w\" xmlns:wp=\"wp\" xmlns:r=\"r\"><w:drawing><wp:inline distT=\"0\" "
            "distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent cx=\"%1\" cy=\"%2\"/><wp:effectExtent "
            "l=\"0\" t=\"0\" r=\"0\" b=\"0\"/><wp:docPr id=\"%3\" name=\"Picture %3\"/>"
            "<wp:cNvGraphicFramePr><a:graphicFrameLocks "
            "xmlns:a=\"http://schemas.openxmlformats.org/"
            "drawingml/2006/main\" noChangeAspect=\"1\"/></wp:cNvGraphicFramePr><a:graphic "
            "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><a:graphicData "
            "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic "
            "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:nvPicPr>"
            "<pic:cNvPr id=\"0\" name=\"Picture %3\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill>"
            "<a:blip r:embed=\"%4\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr>"
            "<a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"%1\" cy=\"%2\"/></a:xfrm><a:prstGeom "
            "prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData></a:graphic>"
            "</wp:inline></w:drawing></w:r>")
            .arg(cx)
            .arg(cy)
            .arg(id)
            .arg(relId);
    QDomDocument snippet;
    if (!snippet.setContent(xml, false))
        return QDomElement();
    QDomElement run = m_document.importNode(snippet.documentElement(), true).toElement();
    run.removeAttribute("xmlns:w");
    run.removeAttribute("xmlns:wp");
    run.removeAttribute("xmlns:r");
    QDomElement paragraph = FirstChild(cell, "w:p");
    if (paragraph.isNull())
        paragraph = cell.appendChild(m_document.createElement("w:p")).toElement();
    paragraph.appendChild(run);

    // Keep the shape list in order without a walk over the whole document.
    const QDomElement shape = run.firstChildElement().firstChildElement();
    if (m_inlinesValid) {
        if (m_inlines.isEmpty() || Before(m_inlines.last(), shape)) {
            m_inlines << shape;
        } else {
            int low = 0;
            int high = m_inlines.size();
            while (low < high) {
                const int mid = (low + high) / 2;
                if (Before(m_inlines.at(mid), shape))
                    low = mid + 1;
                else
                    high = mid;
            }
            m_inlines.insert(low, shape);
        }
    }
    return shape;
}

int WdDocument::inlineShapeCount()
{
    if (!m_inlinesValid) {
        m_inlines = Descendants(body(), "wp:inline");
        m_inlinesValid = true;
    }
    return m_inlines.size();
}

QDomElement WdDocument::inlineShape(int index)
{
    if (index < 1 || index > inlineShapeCount())
        return QDomElement();
    return m_inlines.at(index - 1);
}

QSizeF WdDocument::inlineShapeSize(const QDomElement &shape) const
{
    const QDomElement extent = FirstChild(shape, "wp:extent");
    return QSizeF(extent.attribute("cx").toDouble() / kEmuPerPoint,
                  extent.attribute("cy").toDouble() / kEmuPerPoint);
}

void WdDocument::setInlineShapeSize(QDomElement shape, double width, double height)
{
    const QString cx = QString::number(qRound64(width * kEmuPerPoint));
    const QString cy = QString::number(qRound64(height * kEmuPerPoint));
    QDomElement extent = FirstChild(shape, "wp:extent");
    extent.setAttribute("cx", cx);
    extent.setAttribute("cy", cy);
    for (QDomElement ext : Descendants(shape, "a:ext")) {
        if (ext.parentNode().toElement().tagName() == QLatin1String("a:xfrm")) {
            ext.setAttribute("cx", cx);
            ext.setAttribute("cy", cy);
        }
    }
}

bool WdDocument::isChart(const QDomElement &shape) const
{
    return !Descendants(shape, "c:chart").isEmpty();
}

WdChart *WdDocument::chart(const QDomElement &shape)
{
    const QDomElement ref = Descendants(shape, "c:chart").value(0);
    if (ref.isNull())
        return nullptr;
    QString target = relationshipTarget(ref.attribute("r:id"));
    if (target.isEmpty())
        return nullptr;
    const QString part = target.startsWith('/') ? target.mid(1) : QStringLiteral("word/") + target;
    if (!m_charts.contains(part)) {
        auto chart = std::make_shared<WdChart>();
        if (!m_parts.contains(part) || !chart->parse(m_parts.value(part)))
            return nullptr;
        m_charts.insert(part, chart);
    }
    return m_charts.value(part).get();
}

void WdDocument::embedWorkbook(const QString &chartPart, WdChart *chart)
{
    const QByteArray book = chart->workbook();
    if (book.isEmpty())
        return;
    const QFileInfo info(chartPart);
    const QString relsPart = info.path() + QStringLiteral("/_rels/") + info.fileName() + ".rels";
    QDomDocument rels;
    if (!rels.setContent(m_parts.value(relsPart), false)) {
        rels.setContent(QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><Relationships "
            "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>"));
    }
    // The chart's own workbook is rewritten in place; a linked or older embedded object
    // (an .xls) is replaced by a new package.
    const QString id = chart->externalDataId();
    QDomElement rel;
    QStringList ids;
    for (const QDomElement &r : Children(rels.documentElement(), "Relationship")) {
        ids << r.attribute("Id");
        if (!id.isEmpty() && r.attribute("Id") == id)
            rel = r;
    }
    const auto partOf = [&](const QString &target) {
        return target.startsWith('/') ? target.mid(1) : QDir::cleanPath(info.path() + '/' + target);
    };
    QString part;
    if (!rel.isNull() && rel.attribute("Type") == kPackageType &&
        rel.attribute("TargetMode").isEmpty() &&
        rel.attribute("Target").endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        part = partOf(rel.attribute("Target"));
    } else {
        if (!rel.isNull() && rel.attribute("TargetMode").isEmpty())
            m_parts.remove(partOf(rel.attribute("Target")));
        int n = 0;
        do
            part = QStringLiteral("word/embeddings/Microsoft_Excel_Worksheet%1.xlsx")
                       .arg(n++ ? QString::number(n) : QString());
        while (m_parts.contains(part));
        if (rel.isNull()) {
            rel = rels.createElement("Relationship");
            QString newId;
            for (int i = 1; newId.isEmpty() || ids.contains(newId); ++i)
                newId = QStringLiteral("rId%1").arg(i);
            rel.setAttribute("Id", newId);
            rels.documentElement().appendChild(rel);
        }
        rel.setAttribute("Type", kPackageType);
        rel.setAttribute("Target", QStringLiteral("../embeddings/") + QFileInfo(part).fileName());
        rel.removeAttribute("TargetMode");
        chart->setExternalDataId(rel.attribute("Id"));
    }
    ensureContentDefault(
        QStringLiteral("xlsx"),
        QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"));
    m_parts.insert(relsPart, rels.toByteArray(-1));
    m_parts.insert(part, book);
}

void WdDocument::invalidate()
{
    m_tablesValid = false;
    m_inlinesValid = false;
}

QDomElement WdDocument::body() const
{
    return FirstChild(m_document.documentElement(), "w:body");
}

QDomElement WdDocument::bodyChild(const QDomElement &element) const
{
    const QDomElement b = body();
    QDomNode n = element;
    while (!n.isNull() && n.parentNode() != b)
        n = n.parentNode();
    return n.toElement();
}
