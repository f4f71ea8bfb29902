#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One column of a page's header description "title,width,visible,kind;...".
struct HeaderColumnSpec
{
    enum EditorKind { NotEditable = 0, FreeText = 1, Choice = 2, DateText = 4, RequiredText = 6 };

    QString strTitle;
    int nWidth = 0;
    bool bVisible = true;
    int nEditorKind = NotEditable;
};

namespace Pages {

// Parses a header description: entries separated by ";", four fields separated by ",".
// A missing or unreadable field keeps its default (width 0, visible, not editable); an
// empty trailing entry is ignored.
QList<HeaderColumnSpec> ParseHeaderSpec(const QString &spec);
// The inverse, used by the pages to build their description.
QString MakeHeaderSpecEntry(const QString &title, int width, bool visible, int kind);
QStringList HeaderTitles(const QList<HeaderColumnSpec> &columns);

} // namespace Pages
