// A frame blob of an RTV file: the PNG check, and the decoding of what fails it, as the
// frames are written beside the file.
#include <QByteArray>
#include <QTemporaryDir>

#include "core/inspection/cframewriter.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryDir dir;
    const QByteArray blob(reinterpret_cast<const char *>(data), int(size));
    CFrameWriter::WriteFrame(blob, dir.filePath(QStringLiteral("1_org.png")));
    return 0;
}
