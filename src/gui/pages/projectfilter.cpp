#include "gui/pages/projectfilter.h"

#include "core/database/ckln_tq420database.h"

namespace ProjectFilter {

QDate LowerBound(int dateMode, const QDate &today)
{
    switch (dateMode) {
    case 0:
        return today.addMonths(-1);
    case 1:
        return today.addMonths(-3);
    case 2:
        return today.addMonths(-6);
    case 3:
        return today.addMonths(-9);
    case 4:
        return today.addYears(-1);
    default:
        return QDate(1971, 1, 1);
    }
}

QString EffectiveSearch(const QString &boxText, const QString &placeholder)
{
    return boxText == placeholder ? QString() : boxText;
}

QString Condition(const QString &searchText, int dateMode, const QDate &today)
{
    const QString format = QStringLiteral("yyyy-MM-dd");
    return CKLN_TQ420DataBase::ProjectPageCondition(
        searchText, LowerBound(dateMode, today).toString(format), today.toString(format));
}

} // namespace ProjectFilter
