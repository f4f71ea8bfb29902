#include "QUtility/Automation/officeservers.h"

#include <memory>

#include "QUtility/Automation/Spreadsheet/xlapplicationobject.h"
#include "QUtility/Automation/WordProcessor/wdapplicationobject.h"
#include "QUtility/Automation/axserverregistry.h"

void RegisterOfficeServers()
{
    AxServerRegistry::registerServer(QStringLiteral("Excel.Application"),
                                     [] { return std::make_shared<XlApplicationObject>(); });
    AxServerRegistry::registerServer(QStringLiteral("word.Application"),
                                     [] { return std::make_shared<WdApplicationObject>(); });
}
