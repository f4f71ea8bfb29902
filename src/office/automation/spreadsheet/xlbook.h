#pragma once

#include <memory>

#include <QList>
#include <QString>

#include "office/automation/spreadsheet/xlsheet.h"
#include "office/automation/spreadsheet/xlstyle.h"

// One workbook: its sheets in tab order, the active sheet, the styles its cells use, and
// the file it belongs to.
class XlBook
{
public:
    explicit XlBook(const QString &name);

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // The file, once opened or saved; empty for a new workbook. Setting it names the
    // workbook after the file.
    const QString &path() const { return m_path; }
    void setPath(const QString &path);
    bool isSaved() const { return m_saved; }
    void setSaved(bool saved) { m_saved = saved; }

    const std::shared_ptr<XlStyleTable> &styles() const { return m_styles; }

    int sheetCount() const { return m_sheets.size(); }
    std::shared_ptr<XlSheet> sheet(int index) const { return m_sheets.value(index); }
    std::shared_ptr<XlSheet> sheetNamed(const QString &name) const;
    int indexOf(const XlSheet *sheet) const;
    // Inserts a new sheet at position (0-based) with the next free "SheetN" name.
    std::shared_ptr<XlSheet> insertSheet(int position, const QString &name = QString());
    void moveSheet(int from, int to);

    // Empty when the name may be given to sheet, else the reason it may not.
    QString checkSheetName(const QString &name, const XlSheet *sheet) const;

    std::shared_ptr<XlSheet> activeSheet() const { return m_active; }
    void activate(const std::shared_ptr<XlSheet> &sheet) { m_active = sheet; }

    // Writes the workbook as an Office Open XML package, whatever the extension.
    bool save(const QString &path, QString *error);
    // Reads a package; null with the reason when it cannot be read.
    static std::shared_ptr<XlBook> open(const QString &path, QString *error);

private:
    QString m_name;
    QString m_path;
    bool m_saved = true;
    std::shared_ptr<XlStyleTable> m_styles;
    QList<std::shared_ptr<XlSheet>> m_sheets;
    std::shared_ptr<XlSheet> m_active;
};
