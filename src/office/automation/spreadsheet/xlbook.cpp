#include "office/automation/spreadsheet/xlbook.h"

#include <QFileInfo>

#include "office/automation/spreadsheet/xlsxloader.h"
#include "office/automation/spreadsheet/xlsxsaver.h"

XlBook::XlBook(const QString &name)
    : m_name(name)
    , m_styles(std::make_shared<XlStyleTable>())
{}

void XlBook::setPath(const QString &path)
{
    if (path.isEmpty()) {
        m_path.clear();
        return;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_name = QFileInfo(path).fileName();
}

std::shared_ptr<XlSheet> XlBook::sheetNamed(const QString &name) const
{
    for (const std::shared_ptr<XlSheet> &sheet : m_sheets) {
        if (sheet->name().compare(name, Qt::CaseInsensitive) == 0)
            return sheet;
    }
    return nullptr;
}

int XlBook::indexOf(const XlSheet *sheet) const
{
    for (int i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets.at(i).get() == sheet)
            return i;
    }
    return -1;
}

std::shared_ptr<XlSheet> XlBook::insertSheet(int position, const QString &name)
{
    QString given = name;
    for (int n = m_sheets.size() + 1; given.isEmpty() || sheetNamed(given); ++n)
        given = QStringLiteral("Sheet%1").arg(n);
    auto sheet = std::make_shared<XlSheet>(given, m_styles);
    m_sheets.insert(qBound(0, position, m_sheets.size()), sheet);
    if (!m_active)
        m_active = sheet;
    m_saved = false;
    return sheet;
}

void XlBook::moveSheet(int from, int to)
{
    if (from < 0 || from >= m_sheets.size())
        return;
    m_sheets.move(from, qBound(0, to, m_sheets.size() - 1));
    m_saved = false;
}

QString XlBook::checkSheetName(const QString &name, const XlSheet *sheet) const
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("a sheet name may not be empty");
    if (name.size() > 31)
        return QStringLiteral("a sheet name has at most 31 characters");
    for (const QChar c : QStringLiteral(":\\/?*[]")) {
        if (name.contains(c))
            return QStringLiteral("a sheet name may not contain : \\ / ? * [ or ]");
    }
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        return QStringLiteral("a sheet name may not begin or end with an apostrophe");
    const std::shared_ptr<XlSheet> other = sheetNamed(name);
    if (other && other.get() != sheet)
        return QStringLiteral("another sheet is already named \"%1\"").arg(name);
    return QString();
}

bool XlBook::save(const QString &path, QString *error)
{
    return XlsxSaver::save(*this, path, error);
}

std::shared_ptr<XlBook> XlBook::open(const QString &path, QString *error)
{
    auto book = std::make_shared<XlBook>(QFileInfo(path).fileName());
    if (!XlsxLoader::load(path, *book, error))
        return nullptr;
    book->setPath(path);
    book->setSaved(true);
    return book;
}
