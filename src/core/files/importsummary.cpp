#include "core/files/importsummary.h"

void CImportSummary::Add(const QString &sourcePath, const CVideoImporter::Result &result)
{
    const QString reason = result.ok ? result.note : result.error;
    m_entries << Entry{sourcePath, result.source, result.ok, reason.trimmed()};
}

int CImportSummary::Count(CVideoImporter::RtvSource source) const
{
    int count = 0;
    for (const Entry &entry : m_entries)
        count += entry.ok && entry.source == source ? 1 : 0;
    return count;
}

int CImportSummary::Imported() const
{
    return m_entries.size() - Failed();
}

int CImportSummary::Failed() const
{
    int count = 0;
    for (const Entry &entry : m_entries)
        count += entry.ok ? 0 : 1;
    return count;
}

bool CImportSummary::HasProblems() const
{
    return Imported() != Count(CVideoImporter::RtvCopied) || Failed() > 0;
}

QString CImportSummary::Text() const
{
    QStringList lines;
    lines << tr("%1 of %2 videos imported: %3 from their RTV file, %4 from their video "
                "description file, %5 with an empty RTV file; %6 not imported.")
                 .arg(Imported())
                 .arg(m_entries.size())
                 .arg(Count(CVideoImporter::RtvCopied))
                 .arg(Count(CVideoImporter::RtvConverted))
                 .arg(Count(CVideoImporter::RtvEmpty))
                 .arg(Failed());
    for (const Entry &entry : m_entries) {
        if (!entry.ok)
            lines << tr("%1: not imported: %2").arg(entry.sourcePath, entry.reason);
        else if (entry.source == CVideoImporter::RtvConverted)
            lines << tr("%1: from the video description file: %2")
                         .arg(entry.sourcePath, entry.reason);
        else if (entry.source == CVideoImporter::RtvEmpty)
            lines << tr("%1: with an empty RTV file: %2").arg(entry.sourcePath, entry.reason);
    }
    return lines.join(QLatin1Char('\n'));
}
