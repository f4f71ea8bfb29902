#include "gui/chrome/guiresources.h"

#include <QtGlobal>

#include "core/common/coreresources.h"

// Q_INIT_RESOURCE must stand outside any namespace.
static void InitStyleAndIconResources()
{
    Q_INIT_RESOURCE(css);
    Q_INIT_RESOURCE(images);
}

void Resources::InitGuiResources()
{
    Resources::InitCoreResources(); // the settings dialog's division data
    InitStyleAndIconResources();
}
