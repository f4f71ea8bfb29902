#include "gui/pages/headerspec.h"

QList<HeaderColumnSpec> Pages::ParseHeaderSpec(const QString &spec)
{
    QList<HeaderColumnSpec> columns;
    const QStringList entries = spec.split(QLatin1Char(';'));
    for (int i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        if (entry.isEmpty() && i == entries.size() - 1)
            break;
        const QStringList fields = entry.split(QLatin1Char(','));
        HeaderColumnSpec column;
        column.strTitle = fields.value(0);
        bool ok = false;
        const int width = fields.value(1).trimmed().toInt(&ok);
        if (ok)
            column.nWidth = width;
        if (fields.size() > 2)
            column.bVisible = fields.at(2).trimmed() != QLatin1String("false");
        const int kind = fields.value(3).trimmed().toInt(&ok);
        if (ok)
            column.nEditorKind = kind;
        columns << column;
    }
    return columns;
}

QString Pages::MakeHeaderSpecEntry(const QString &title, int width, bool visible, int kind)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(title)
        .arg(width)
        .arg(visible ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(kind);
}

QStringList Pages::HeaderTitles(const QList<HeaderColumnSpec> &columns)
{
    QStringList titles;
    for (const HeaderColumnSpec &column : columns)
        titles << column.strTitle;
    return titles;
}
