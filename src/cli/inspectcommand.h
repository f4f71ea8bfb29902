#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// "inspect": reads RTV files as the program does, on temporary copies, and reports them.
class InspectCommand
{
    Q_DECLARE_TR_FUNCTIONS(InspectCommand)

public:
    // One report: file, ok, error, version, migrated, header, pipeline, trackCount,
    // defects and evaluation. The given file is never changed.
    static QJsonObject Inspect(const QString &path);
    // Readable summary of one report, in the current language.
    static QString Summary(const QJsonObject &report);
    // Runs the command; returns the exit code (1 when a file could not be read).
    static int Run(const QStringList &files, bool json);
};
