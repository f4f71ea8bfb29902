#pragma once

#include <QDateTime>
#include <QString>

// Cell values as the spreadsheet program treats them: dates are day numbers counted from
// 1899-12-30 with the time of day as the fraction, and a text typed into a cell becomes a
// number or a date when it reads as one.
namespace XlCellValue {

enum InputKind { Text, Number, Date, DateTime };

double dateSerial(const QDate &date, const QTime &time = QTime(0, 0));
QDateTime dateTimeFromSerial(double serial);

// What a text entered into a cell (not formatted as text) becomes. Numbers are plain
// decimals of at most 15 digits without superfluous leading zeros ("12", "-0.5"; "007"
// and long identifiers stay texts); dates are "yyyy-MM-dd" or "yyyy/MM/dd", optionally
// followed by "hh:mm" or "hh:mm:ss".
InputKind parseInput(const QString &text, double *number);

// Widths in character columns for fitting columns: wide (CJK) characters count two, a
// text of several lines counts its longest line.
int textWidth(const QString &text);
int generalNumberWidth(double number);
int formatWidth(const QString &format);

} // namespace XlCellValue
