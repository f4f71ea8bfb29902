#pragma once

#include <QString>

// Seeds of the workbook loader: a workbook written by libxlsxwriter with every kind of
// content the loader reads, as written (deflated) and again with its parts stored
// uncompressed, so that mutations reach the XML.
namespace WorkbookSeeds {

bool Add(const QString &outDir, QString *error);

} // namespace WorkbookSeeds
