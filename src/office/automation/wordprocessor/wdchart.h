#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

// An embedded chart part (word/charts/chartN.xml) with the data sheet behind its first
// series: row 1 holds the series name in column 2, rows 2 and below the categories
// (column 1) and values (column 2). Writing cells changes the sheet; toXml() writes the
// series' category and value caches (and their references) from it. The series covers
// rows 2 to the last row holding a category or a value. The sheet is also written as the
// chart's embedded workbook, which the word processor's "Edit data" opens.
class WdChart
{
public:
    bool parse(const QByteArray &xml);
    QByteArray toXml() const;
    bool isModified() const { return m_modified; }

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QVariant &value);
    int lastRow() const;
    QStringList categories() const;
    QStringList values() const;

    // The data sheet as an .xlsx package, its one sheet named as the series' references
    // have it; empty when it cannot be written.
    QByteArray workbook() const;
    // The relationship of the chart part that c:externalData names; empty when none.
    QString externalDataId() const;
    void setExternalDataId(const QString &id);

private:
    void writeCaches() const;
    QString sheetName() const; // without the quotes of a reference

    mutable QDomDocument m_document;
    QMap<QPair<int, int>, QString> m_sheet;
    QString m_sheetName = QStringLiteral("Sheet1");
    bool m_modified = false;
};
