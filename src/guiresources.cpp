#include "guiresources.h"

#include <QtGlobal>

void InitGuiResources()
{
    Q_INIT_RESOURCE(css);
    Q_INIT_RESOURCE(images);
}
