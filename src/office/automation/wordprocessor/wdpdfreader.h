#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What a laid-out document's PDF tells: its pages, and its outline (the headings, each with
// the page it stands on). Only the object dictionaries are read, never the page contents.
namespace WdPdfReader {

struct Heading
{
    QString title;
    int level = 0; // 0 for the outline's top level
    int page = 0;  // 1-based; 0 when the heading's destination is not a page of the file
};

struct Layout
{
    int pages = 0;
    QList<Heading> headings; // in outline order, which is document order
};

// False when the data are not a PDF whose page tree can be read.
bool Read(const QByteArray &pdf, Layout *layout);

} // namespace WdPdfReader
