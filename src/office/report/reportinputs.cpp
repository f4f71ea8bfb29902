#include "office/report/reportinputs.h"

#include "core/settings/ckln_tq420setting.h"

ReportInputs ReportInputs::FromSettings(const CKLN_TQ420Setting &settings, bool projectKnown,
                                        QSystemInfo &system, bool chinese)
{
    ReportInputs inputs;
    inputs.projectKnown = projectKnown;
    inputs.projectNumber = settings.GetCurrentProNum();
    inputs.projectKey = settings.GetCurrentProHashCode();
    inputs.projectName = settings.GetCurrentProName();
    inputs.projectSite = settings.GetCurrentProSite();
    inputs.header = settings.GetCurrentFileRTV()->GetProjectParam();
    inputs.system = SystemValues::Of(system);
    inputs.chinese = chinese;
    return inputs;
}
