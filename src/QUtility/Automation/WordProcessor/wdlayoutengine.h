#pragma once

#include <QString>

// LibreOffice as a layout engine, where it is installed: lays a saved document out
// (headless, in a profile of its own) and counts the pages of the result.
namespace WdLayoutEngine {
// Installed, and not switched off with TQ420_NO_LAYOUT=1.
bool IsAvailable();
// Pages of the document at path; -1 when LibreOffice is missing or the layout failed.
int CountPages(const QString &documentPath);
} // namespace WdLayoutEngine
