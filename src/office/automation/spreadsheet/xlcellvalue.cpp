#include "office/automation/spreadsheet/xlcellvalue.h"

#include <cmath>
#include <cstdio>

namespace {

const QDate kEpoch(1899, 12, 30);

bool IsWide(ushort c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

int Digits(const QChar *p, int n)
{
    int value = 0;
    for (int i = 0; i < n; ++i) {
        const ushort c = p[i].unicode();
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool ParseNumber(const QString &text, double *number)
{
    const QChar *p = text.constData();
    int n = text.size();
    int i = p[0] == QLatin1Char('-') ? 1 : 0;
    const int intStart = i;
    while (i < n && p[i].unicode() >= '0' && p[i].unicode() <= '9')
        ++i;
    const int intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && p[intStart] == QLatin1Char('0')))
        return false;
    int fracDigits = 0;
    if (i < n && p[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && p[i].unicode() >= '0' && p[i].unicode() <= '9') {
            ++i;
            ++fracDigits;
        }
        if (fracDigits == 0)
            return false;
    }
    if (i != n || intDigits + fracDigits > 15)
        return false;
    bool ok = false;
    *number = text.toDouble(&ok);
    return ok;
}

XlCellValue::InputKind ParseDate(const QString &text, double *number)
{
    const int n = text.size();
    if (n != 10 && n != 16 && n != 19)
        return XlCellValue::Text;
    const QChar *p = text.constData();
    const QChar sep = p[4];
    if ((sep != QLatin1Char('-') && sep != QLatin1Char('/')) || p[7] != sep)
        return XlCellValue::Text;
    const QDate date(Digits(p, 4), Digits(p + 5, 2), Digits(p + 8, 2));
    if (!date.isValid())
        return XlCellValue::Text;
    if (n == 10) {
        *number = XlCellValue::dateSerial(date);
        return XlCellValue::Date;
    }
    if (p[10] != QLatin1Char(' ') || p[13] != QLatin1Char(':') ||
        (n == 19 && p[16] != QLatin1Char(':')))
        return XlCellValue::Text;
    const QTime time(Digits(p + 11, 2), Digits(p + 14, 2), n == 19 ? Digits(p + 17, 2) : 0);
    if (!time.isValid())
        return XlCellValue::Text;
    *number = XlCellValue::dateSerial(date, time);
    return XlCellValue::DateTime;
}

} // namespace

namespace XlCellValue {

double dateSerial(const QDate &date, const QTime &time)
{
    return double(kEpoch.daysTo(date)) +
           (time.isValid() ? time.msecsSinceStartOfDay() : 0) / 86400000.0;
}

QDateTime dateTimeFromSerial(double serial)
{
    const double days = std::floor(serial);
    const qint64 msecs = qRound64((serial - days) * 86400000.0);
    return QDateTime(kEpoch.addDays(qint64(days)), QTime(0, 0)).addMSecs(msecs);
}

InputKind parseInput(const QString &text, double *number)
{
    if (text.isEmpty())
        return Text;
    const ushort first = text.at(0).unicode();
    if (first != '-' && (first < '0' || first > '9'))
        return Text;
    if (ParseNumber(text, number))
        return Number;
    return ParseDate(text, number);
}

int textWidth(const QString &text)
{
    int widest = 0;
    int width = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\n') {
            widest = std::max(widest, width);
            width = 0;
        } else if (u < 0x1100 || !IsWide(u)) {
            ++width;
        } else {
            width += 2;
        }
    }
    return std::max(widest, width);
}

int generalNumberWidth(double number)
{
    if (number == std::floor(number) && std::fabs(number) < 1e11) {
        int width = number < 0 ? 2 : 1;
        for (double n = std::fabs(number); n >= 10; n /= 10)
            ++width;
        return width;
    }
    char buffer[32];
    return std::snprintf(buffer, sizeof buffer, "%.10g", number);
}

int formatWidth(const QString &format)
{
    // Runs of one date letter: a single letter shows up to two digits, "mmm" a short
    // month name, "mmmm" a long one; other characters show as themselves.
    int width = 0;
    bool quoted = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            continue;
        }
        if (quoted) {
            ++width;
            continue;
        }
        if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*'))
            continue;
        if (c == QLatin1Char('[')) {
            const int end = format.indexOf(QLatin1Char(']'), i);
            if (end < 0)
                break;
            i = end;
            width += 2;
            continue;
        }
        const char l = c.toLower().toLatin1();
        if (l == 'y' || l == 'm' || l == 'd' || l == 'h' || l == 's') {
            int run = 1;
            while (i + run < format.size() && format.at(i + run).toLower() == c.toLower())
                ++run;
            i += run - 1;
            width += run == 1 ? 2 : (l == 'm' && run == 4 ? 9 : run);
            continue;
        }
        ++width;
    }
    return width;
}

} // namespace XlCellValue
