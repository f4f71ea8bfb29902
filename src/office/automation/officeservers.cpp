#include "office/automation/officeservers.h"

#include <memory>

#include "office/automation/axserverregistry.h"
#include "office/automation/spreadsheet/xlapplicationobject.h"
#include "office/automation/wordprocessor/wdapplicationobject.h"

void RegisterOfficeServers()
{
    AxServerRegistry::registerServer(QStringLiteral("Excel.Application"),
                                     [] { return std::make_shared<XlApplicationObject>(); });
    AxServerRegistry::registerServer(QStringLiteral("word.Application"),
                                     [] { return std::make_shared<WdApplicationObject>(); });
}
