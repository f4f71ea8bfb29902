// A laid-out report's PDF: its page count and outline give the contents' page numbers.
#include <QByteArray>

#include "fuzzsupport.h"
#include "office/automation/wordprocessor/wdpdfreader.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy, as a file read into memory would be.
    const QByteArray pdf(reinterpret_cast<const char *>(data), int(size));
    WdPdfReader::Layout layout;
    WdPdfReader::Read(pdf, &layout);
    return 0;
}
