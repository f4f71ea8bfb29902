// An existing .xlsx workbook, opened as the spreadsheet server's WorkBooks.Open does.
#include <QTemporaryDir>

#include "fuzzsupport.h"
#include "office/automation/spreadsheet/xlbook.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryDir dir;
    const QString path = FuzzSupport::WriteInput(dir, QStringLiteral("input.xlsx"), data, size);
    if (path.isEmpty())
        return 0;
    QString error;
    XlBook::open(path, &error);
    return 0;
}
