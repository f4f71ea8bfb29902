#include "core/common/coreresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must stand outside any namespace.
static void InitJsonResource()
{
    Q_INIT_RESOURCE(json);
}

void Resources::InitCoreResources()
{
    InitJsonResource();
}
