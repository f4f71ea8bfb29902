#pragma once

#include <QDateTime>
#include <QString>

namespace MyHelper {

// mode 1 "yyyy-MM-dd", mode 2 "yyyy-MM-dd hhmmss", otherwise "yyyy-MM-dd hh:mm:ss".
QString DateTimeToText(const QDateTime &instant, int mode);
// Parses with the mode's format, then "yyyyMMdd"; empty or unreadable text gives now.
QDateTime TextToDateTime(const QString &text, int mode);

// Reads back a level text ("level 3" -> 2); -1 when the text holds no level.
int LevelFromText(const QString &text);

// Floats that differ by less than 0.00001 count as equal.
bool FuzzyEqual(double a, double b);
bool FuzzyLess(double a, double b);
bool FuzzyLessEqual(double a, double b);
bool FuzzyGreater(double a, double b);
bool FuzzyGreaterEqual(double a, double b);

} // namespace MyHelper
