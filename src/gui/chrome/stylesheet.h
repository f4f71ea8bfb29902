#pragma once

#include <QString>

class QWidget;

namespace StyleSheet {

// Appends the style sheet file (normally a ":/css/..." resource) to the widget's own style
// sheet. Refuses a missing widget, a path not ending in ".css" or ".CSS", and a file that
// does not open.
bool AppendStyleSheet(QWidget *widget, const QString &path);

// The same without the suffix test (the frameless windows' own sheets).
bool AppendStyleSheetFile(QWidget *widget, const QString &path);

} // namespace StyleSheet
