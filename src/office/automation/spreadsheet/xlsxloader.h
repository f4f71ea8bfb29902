#pragma once

#include <QString>

class XlBook;

// Reads an .xlsx package (KArchive): sheet names and order, cell values (numbers, shared
// and inline strings, booleans; formulas keep their last value), cell formats, merges,
// column widths and frozen panes. Charts, pictures, comments and defined names are not
// read, so a workbook opened and saved again loses them.
namespace XlsxLoader {

bool load(const QString &path, XlBook &book, QString *error);

} // namespace XlsxLoader
