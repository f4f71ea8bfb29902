#pragma once

#include <QString>

class XlBook;

// Writes a workbook as an .xlsx package with libxlsxwriter, through a temporary file in
// the target folder and a rename, so a failed save leaves the old file as it was.
namespace XlsxSaver {

bool save(const XlBook &book, const QString &path, QString *error);

} // namespace XlsxSaver
