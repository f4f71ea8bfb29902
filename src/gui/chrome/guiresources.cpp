#include "gui/chrome/guiresources.h"

#include <QtGlobal>

#include "core/common/coreresources.h"

void InitGuiResources()
{
    InitCoreResources(); // the settings dialog's division data
    Q_INIT_RESOURCE(css);
    Q_INIT_RESOURCE(images);
}
