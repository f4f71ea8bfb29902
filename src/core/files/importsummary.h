#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "core/files/cvideoimporter.h"

// What an import of several videos did, told to the user: how many videos came in from
// their RTV file, from their video description file or with an empty RTV file, how many
// failed, and per fallen-back or failed video its file and the reason.
class CImportSummary
{
    Q_DECLARE_TR_FUNCTIONS(CImportSummary)

public:
    void Add(const QString &sourcePath, const CVideoImporter::Result &result);

    int Count(CVideoImporter::RtvSource source) const;
    int Imported() const;
    int Failed() const;
    // True when a video failed or fell back: the user must hear of it.
    bool HasProblems() const;
    // The counts, then one line per video that fell back or failed.
    QString Text() const;

private:
    struct Entry
    {
        QString sourcePath;
        CVideoImporter::RtvSource source;
        bool ok;
        QString reason;
    };
    QList<Entry> m_entries;
};
