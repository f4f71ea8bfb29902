#pragma once

#include <QCoreApplication>
#include <QString>

// "sheet": writes one of the four sheets of a project, as the pages and the data export do.
class SheetCommand
{
    Q_DECLARE_TR_FUNCTIONS(SheetCommand)

public:
    // projectKey may be empty for kind 0 (every project).
    static int Run(const QString &projectKey, int kind, const QString &outPath);
};
