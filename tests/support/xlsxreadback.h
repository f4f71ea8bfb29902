#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// Reads a saved .xlsx package back, independently of the spreadsheet server's own reader:
// sheet names, cell values, formats, merges, frozen panes and column widths.
namespace XlsxReadBack {

struct SavedXf
{
    QString numberFormat = QStringLiteral("General");
    bool bold = false;
    QString fill;
    QStringList borders; // left, right, top, bottom
    QString horizontal;
    QString vertical;
};

struct SavedSheet
{
    QString name;
    QHash<QString, QVariant> cells; // "B3" -> QString or double
    QHash<QString, int> xf;
    QStringList merges;
    QString pane; // "ySplit=2 xSplit=0 frozen"
    QMap<int, double> widths;
};

struct SavedBook
{
    QList<SavedSheet> sheets;
    QVector<SavedXf> xfs;

    const SavedSheet &sheet(int i) const { return sheets.at(i); }
    SavedXf format(int sheetIndex, const QString &cell) const
    {
        return xfs.value(sheets.at(sheetIndex).xf.value(cell), SavedXf());
    }
};

SavedBook ReadBack(const QString &path);

} // namespace XlsxReadBack
