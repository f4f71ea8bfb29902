#pragma once

#include <QDate>
#include <QString>

// The condition of the project page: a commencement period chosen by the date mode
// (0 one month, 1 three months, 2 six months, 3 nine months, 4 one year, 5 and any other
// value all since 1971-01-01), optionally narrowed by a search text.
namespace ProjectFilter {

constexpr int kDateModeCount = 6;
constexpr int kDateModeAll = 5;

// The lower bound of the period of a mode, counted back from today.
QDate LowerBound(int dateMode, const QDate &today);
// The search text that applies: the box's text unless it is empty or only the placeholder.
QString EffectiveSearch(const QString &boxText, const QString &placeholder);
// Search (bracketed, quoted) " and " the date period, or the date period alone.
QString Condition(const QString &searchText, int dateMode, const QDate &today);

} // namespace ProjectFilter
