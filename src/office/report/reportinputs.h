#pragma once

#include <QString>

#include "core/inspection/projectparam.h"
#include "office/report/systemvalues.h"

class CKLN_TQ420Setting;

// What the report shows besides its files, handed to the builder as values when it is made
// on the GUI thread (or the command-line tool's): the project it is written for, the header
// that stands for the project's, the system settings and the language.
struct ReportInputs
{
    // Whether the project texts are known: then the cover and the project table show them,
    // else the cover's address is the header's inspection site.
    bool projectKnown = false;
    QString projectNumber;
    QString projectKey;
    QString projectName;
    QString projectSite;
    ProjectParam header;
    SystemValues system;
    bool chinese = false; // the Chinese template and date forms

    // The application settings' current project and the header of their current RTV file.
    static ReportInputs FromSettings(const CKLN_TQ420Setting &settings, bool projectKnown,
                                     QSystemInfo &system, bool chinese);
};
