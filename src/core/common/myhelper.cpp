#include "core/common/myhelper.h"

#include <cmath>

#include <QCoreApplication>

namespace {
constexpr double kFuzzyEpsilon = 0.00001;

QString FormatOfMode(int mode)
{
    switch (mode) {
    case 1:
        return QStringLiteral("yyyy-MM-dd");
    case 2:
        return QStringLiteral("yyyy-MM-dd hhmmss");
    default:
        return QStringLiteral("yyyy-MM-dd hh:mm:ss");
    }
}
} // namespace

QString MyHelper::DateTimeToText(const QDateTime &instant, int mode)
{
    return instant.toString(FormatOfMode(mode));
}

QDateTime MyHelper::TextToDateTime(const QString &text, int mode)
{
    if (text.isEmpty())
        return QDateTime::currentDateTime();
    QDateTime parsed = QDateTime::fromString(text, FormatOfMode(mode));
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, QStringLiteral("yyyyMMdd"));
    return parsed.isValid() ? parsed : QDateTime::currentDateTime();
}

int MyHelper::LevelFromText(const QString &text)
{
    const QString word = QCoreApplication::translate("DefectVocabulary", "level");
    if (word.isEmpty() || !text.contains(word))
        return -1;
    const QString rest = QString(text).remove(word).trimmed();
    if (rest.isEmpty())
        return -1;
    return rest.toInt() - 1;
}

bool MyHelper::FuzzyEqual(double a, double b)
{
    return std::fabs(a - b) < kFuzzyEpsilon;
}
bool MyHelper::FuzzyLess(double a, double b)
{
    return !MyHelper::FuzzyEqual(a, b) && a < b;
}
bool MyHelper::FuzzyLessEqual(double a, double b)
{
    return MyHelper::FuzzyEqual(a, b) || a < b;
}
bool MyHelper::FuzzyGreater(double a, double b)
{
    return !MyHelper::FuzzyEqual(a, b) && a > b;
}
bool MyHelper::FuzzyGreaterEqual(double a, double b)
{
    return MyHelper::FuzzyEqual(a, b) || a > b;
}
