#pragma once

#include <QCoreApplication>
#include <QString>

class QCommandLineParser;

// "export": the data export of a project (the project page's export without its dialog)
// into --to DIR. The switches start from those stored in the application settings file of
// --app-dir and can be set one by one with on|off options.
class ExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)

public:
    // --to and the switch options.
    static void AddOptions(QCommandLineParser &parser);
    // 0 done, 1 a file or folder could not be written (or no such project), 3 bad usage.
    static int Run(const QCommandLineParser &parser, const QString &projectNumber);
};
