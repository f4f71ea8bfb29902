// An RTV file: opened and read whole, as an import or a report reads it.
#include <QTemporaryDir>

#include "core/inspection/cfilertv.h"
#include "core/settings/qsysteminfo.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // SQLite reads a file; the frames go into "Images" beside it.
    QTemporaryDir dir;
    const QString path = FuzzSupport::WriteInput(dir, QStringLiteral("input.rtv"), data, size);
    if (path.isEmpty())
        return 0;
    {
        CFileRTV file;
        if (file.open(path))
            file.TraversalFile();
    }
    // Reading adds the file's pipe material to the option list of the system settings.
    QSystemInfo::ReleaseInstance();
    return 0;
}
