#pragma once

#include <QString>

#include "office/automation/wordprocessor/wdpdfreader.h"

// LibreOffice as a layout engine, where it is installed: lays a saved document out
// (headless, in a profile of its own) into a PDF and reads its pages and headings.
namespace WdLayoutEngine {
// Installed, and not switched off with TQ420_NO_LAYOUT=1.
bool IsAvailable();
// Lays the document at path out; false when LibreOffice is missing or the layout failed.
bool LayOut(const QString &documentPath, WdPdfReader::Layout *layout);
} // namespace WdLayoutEngine
