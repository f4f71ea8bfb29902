#include "office/automation/wordprocessor/wdpdfreader.h"

#include <cctype>
#include <climits>

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

constexpr int kMaxDepth = 32;
// Far above the PDF of any report; a larger file is refused rather than searched.
constexpr int kMaxPdfBytes = 256 * 1024 * 1024;
// The shortest cross-reference entry: offset, generation and type, each after white space.
constexpr int kMinEntryBytes = 6;

bool IsSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

// The number of the indirect reference "/Key N G R" in a dictionary; 0 when there is none.
int Reference(const QString &dictionary, const QString &key)
{
    const QRegularExpression pattern(QStringLiteral("/%1\\s*(\\d+)\\s+\\d+\\s+R").arg(key));
    return pattern.match(dictionary).captured(1).toInt();
}

// The page object an explicit destination "[N G R /XYZ ...]" behind the key points to.
int DestinationPage(const QString &dictionary, const QString &key)
{
    const QRegularExpression pattern(QStringLiteral("/%1\\s*\\[\\s*(\\d+)\\s+\\d+\\s+R").arg(key));
    return pattern.match(dictionary).captured(1).toInt();
}

QString DecodeText(const QByteArray &bytes)
{
    if (bytes.size() >= 2 && uchar(bytes.at(0)) == 0xFE && uchar(bytes.at(1)) == 0xFF) {
        QString text;
        for (int i = 2; i + 1 < bytes.size(); i += 2)
            text += QChar(ushort(uchar(bytes.at(i)) << 8 | uchar(bytes.at(i + 1))));
        return text;
    }
    return QString::fromLatin1(bytes);
}

// Reads the string object at position (hexadecimal <...> or literal (...)); *end is set
// to the position after it. Empty when there is no string there.
QByteArray ReadString(const QString &text, int position, int *end)
{
    QByteArray bytes;
    int p = position;
    while (p < text.size() && text.at(p).isSpace())
        ++p;
    if (p < text.size() && text.at(p) == QLatin1Char('<')) {
        QString hex;
        for (++p; p < text.size() && text.at(p) != QLatin1Char('>'); ++p) {
            if (!text.at(p).isSpace())
                hex += text.at(p);
        }
        if (hex.size() % 2)
            hex += QLatin1Char('0');
        bytes = QByteArray::fromHex(hex.toLatin1());
        *end = p + 1;
        return bytes;
    }
    if (p >= text.size() || text.at(p) != QLatin1Char('(')) {
        *end = position;
        return bytes;
    }
    int depth = 1;
    for (++p; p < text.size(); ++p) {
        const char c = text.at(p).toLatin1();
        if (c == '\\' && p + 1 < text.size()) {
            const char next = text.at(++p).toLatin1();
            static const QHash<char, char> escapes = {
                {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'b', '\b'}, {'f', '\f'}};
            if (escapes.contains(next)) {
                bytes += escapes.value(next);
            } else if (next >= '0' && next <= '7') {
                int value = next - '0';
                for (int i = 0;
                     i < 2 && p + 1 < text.size() && text.at(p + 1) >= QLatin1Char('0') &&
                     text.at(p + 1) <= QLatin1Char('7');
                     ++i)
                    value = value * 8 + (text.at(++p).toLatin1() - '0');
                bytes += char(value);
            } else if (next != '\n' && next != '\r') {
                bytes += next;
            }
            continue;
        }
        if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0)
            break;
        bytes += c;
    }
    *end = p + 1;
    return bytes;
}

// The objects of a PDF file by number, found through its cross-reference table, or by a
// scan of the file where that table cannot be read.
class PdfObjects
{
public:
    explicit PdfObjects(const QByteArray &data)
        : m_data(data)
    {}

    bool index()
    {
        readTable();
        if (m_offsets.isEmpty())
            scan();
        if (m_trailer.isEmpty()) {
            const int at = m_data.lastIndexOf("trailer");
            if (at >= 0)
                m_trailer = QString::fromLatin1(m_data.mid(at, 1024));
        }
        return !m_offsets.isEmpty();
    }

    int root() const
    {
        const int root = Reference(m_trailer, QStringLiteral("Root"));
        if (root > 0)
            return root;
        // No trailer (a cross-reference stream): look for the catalog itself.
        for (auto it = m_offsets.begin(); it != m_offsets.end(); ++it) {
            if (object(it.key()).contains(QLatin1String("/Catalog")))
                return it.key();
        }
        return 0;
    }

    // The dictionary of an object, up to its stream or its end.
    QString object(int number) const
    {
        if (!m_offsets.contains(number))
            return QString();
        const int start = m_data.indexOf("obj", int(m_offsets.value(number)));
        if (start < 0)
            return QString();
        int end = m_data.indexOf("endobj", start);
        const int stream = m_data.indexOf("stream", start);
        if (stream >= 0 && (end < 0 || stream < end))
            end = stream;
        if (end < 0)
            end = m_data.size();
        return QString::fromLatin1(m_data.constData() + start + 3, end - start - 3);
    }

private:
    // Skips white space and reads one token.
    QByteArray token(int *position) const
    {
        int p = *position;
        while (p < m_data.size() && IsSpace(m_data.at(p)))
            ++p;
        const int start = p;
        while (p < m_data.size() && !IsSpace(m_data.at(p)))
            ++p;
        *position = p;
        return m_data.mid(start, p - start);
    }

    void readTable()
    {
        const int startxref = m_data.lastIndexOf("startxref");
        if (startxref < 0)
            return;
        int p = startxref + 9;
        bool ok = false;
        const qint64 table = token(&p).toLongLong(&ok);
        if (!ok || table < 0 || table >= m_data.size())
            return;
        p = int(table);
        if (token(&p) != "xref")
            return;
        for (;;) {
            const int section = p;
            const QByteArray first = token(&p);
            if (first == "trailer" || first.isEmpty()) {
                const int end = m_data.indexOf("startxref", section);
                m_trailer = QString::fromLatin1(m_data.mid(section, end - section));
                return;
            }
            bool startOk = false;
            const int start = first.toInt(&startOk);
            const int count = token(&p).toInt(&ok);
            // A section cannot hold more entries than the bytes left, nor number past int.
            if (!startOk || !ok || start < 0 || count < 0 ||
                count > (m_data.size() - p) / kMinEntryBytes || start > INT_MAX - count)
                return;
            for (int i = 0; i < count; ++i) {
                const qint64 offset = token(&p).toLongLong();
                token(&p); // generation
                if (token(&p) == "n")
                    m_offsets.insert(start + i, offset);
            }
        }
    }

    void scan()
    {
        for (int at = m_data.indexOf(" obj"); at >= 0; at = m_data.indexOf(" obj", at + 4)) {
            // "N G obj" at the start of a line.
            int p = at - 1;
            while (p >= 0 && isdigit(uchar(m_data.at(p))))
                --p;
            if (p < 0 || p == at - 1 || m_data.at(p) != ' ')
                continue;
            int q = p - 1;
            while (q >= 0 && isdigit(uchar(m_data.at(q))))
                --q;
            if (q == p - 1 || (q >= 0 && m_data.at(q) != '\n' && m_data.at(q) != '\r'))
                continue;
            m_offsets.insert(m_data.mid(q + 1, p - q - 1).toInt(), q + 1);
        }
    }

    const QByteArray &m_data;
    QHash<int, qint64> m_offsets;
    QString m_trailer;
};

void CollectPages(const PdfObjects &objects, int number, int depth, QSet<int> *seen,
                  QList<int> *pages)
{
    if (depth > kMaxDepth || seen->contains(number))
        return;
    seen->insert(number);
    const QString dictionary = objects.object(number);
    static const QRegularExpression kidsPattern(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch kids = kidsPattern.match(dictionary);
    if (!kids.hasMatch()) {
        if (dictionary.contains(QLatin1String("/Page")))
            pages->append(number);
        return;
    }
    static const QRegularExpression refPattern(QStringLiteral("(\\d+)\\s+\\d+\\s+R"));
    QRegularExpressionMatchIterator it = refPattern.globalMatch(kids.captured(1));
    while (it.hasNext())
        CollectPages(objects, it.next().captured(1).toInt(), depth + 1, seen, pages);
}

void CollectOutline(const PdfObjects &objects, int first, int level,
                    const QHash<int, int> &pageIndex, QSet<int> *seen,
                    QList<WdPdfReader::Heading> *headings)
{
    if (level > kMaxDepth)
        return;
    for (int item = first; item > 0 && !seen->contains(item);) {
        seen->insert(item);
        QString dictionary = objects.object(item);
        WdPdfReader::Heading heading;
        heading.level = level;
        const int title = dictionary.indexOf(QLatin1String("/Title"));
        if (title >= 0) {
            int end = title + 6;
            heading.title = DecodeText(ReadString(dictionary, title + 6, &end));
            // The title may hold anything; the references are looked for without it.
            dictionary.remove(title, end - title);
        }
        int page = DestinationPage(dictionary, QStringLiteral("Dest"));
        if (page == 0)
            page = DestinationPage(dictionary, QStringLiteral("D"));
        heading.page = pageIndex.value(page, 0);
        headings->append(heading);
        const int child = Reference(dictionary, QStringLiteral("First"));
        if (child > 0)
            CollectOutline(objects, child, level + 1, pageIndex, seen, headings);
        item = Reference(dictionary, QStringLiteral("Next"));
    }
}

} // namespace

namespace WdPdfReader {

bool Read(const QByteArray &pdf, Layout *layout)
{
    *layout = Layout();
    if (!pdf.startsWith("%PDF") || pdf.size() > kMaxPdfBytes)
        return false;
    PdfObjects objects(pdf);
    if (!objects.index())
        return false;
    const QString catalog = objects.object(objects.root());
    const int pagesRoot = Reference(catalog, QStringLiteral("Pages"));
    if (pagesRoot == 0)
        return false;
    QList<int> pages;
    QSet<int> seen;
    CollectPages(objects, pagesRoot, 0, &seen, &pages);
    if (pages.isEmpty())
        return false;
    layout->pages = pages.size();
    QHash<int, int> pageIndex;
    for (int i = 0; i < pages.size(); ++i)
        pageIndex.insert(pages.at(i), i + 1);
    const int outlines = Reference(catalog, QStringLiteral("Outlines"));
    if (outlines > 0) {
        seen.clear();
        CollectOutline(objects, Reference(objects.object(outlines), QStringLiteral("First")), 0,
                       pageIndex, &seen, &layout->headings);
    }
    return true;
}

} // namespace WdPdfReader
