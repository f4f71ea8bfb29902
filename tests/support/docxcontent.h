#pragma once

#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

#include "support/docxreadback.h"

// What a saved .docx holds, as a reader sees it: tables and cells numbered from 1 as the
// word processor numbers them, texts, bookmarks, relationships and chart caches.
namespace DocxContent {

using DocxReadBack::Package;

// The tables of the body, not those nested in cells.
QList<QDomElement> Tables(const Package &package);
QList<QDomElement> Rows(const QDomElement &table);
QDomElement Cell(const Package &package, int table, int row, int column);
// The texts of the paragraphs below element, joined by '|'.
QString Text(const QDomElement &element);
// The text between the start and the end of a bookmark.
QString BookmarkText(const Package &package, const QString &name);
// The target of a relationship of the document part.
QString RelationTarget(const Package &package, const QString &id);
// The points of the chart's first "c:cat" or "c:val" cache, then its formula.
QStringList ChartCache(const Package &package, const QString &which,
                       const QString &part = QStringLiteral("word/charts/chart1.xml"));

} // namespace DocxContent
