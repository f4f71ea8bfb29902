// A video description file, read into the header and pipe section of an RTV file.
#include <QTemporaryDir>

#include "core/inspection/cfilebmw.h"
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
    QTemporaryDir dir;
    const QString path = FuzzSupport::WriteInput(dir, QStringLiteral("input.xml"), data, size);
    if (path.isEmpty())
        return 0;
    {
        CFileRTV target;
        CFileBMW::ReadFile(path, &target);
    }
    // Reading may add a pipe material to the option list of the system settings.
    QSystemInfo::ReleaseInstance();
    return 0;
}
