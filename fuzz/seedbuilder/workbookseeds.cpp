#include "workbookseeds.h"

#include <QFile>
#include <QTemporaryDir>

#include <KZip> // first: the other KArchive headers rely on it

#include <KArchiveDirectory>
#include <KArchiveFile>

#include <xlsxwriter.h>

#include "seedfiles.h"

namespace {

bool WriteWorkbook(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(name.constData());
    if (!workbook)
        return false;
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format *money = workbook_add_format(workbook);
    format_set_num_format(money, "0.00");

    lxw_worksheet *first = workbook_add_worksheet(workbook, "Defects");
    worksheet_write_string(first, 0, 0, "Pipe", bold);
    worksheet_write_string(first, 0, 1, "管段", bold);
    worksheet_write_number(first, 1, 0, 12.5, money);
    worksheet_write_boolean(first, 1, 1, 1, nullptr);
    worksheet_write_formula_num(first, 2, 0, "=A2*2", nullptr, 25);
    worksheet_write_string(first, 2, 1, "Pipe", nullptr); // a shared string used twice
    worksheet_write_blank(first, 3, 0, bold);
    worksheet_merge_range(first, 4, 0, 5, 2, "merged", bold);
    worksheet_set_column(first, 0, 1, 18, nullptr);
    worksheet_freeze_panes(first, 1, 1);

    lxw_worksheet *second = workbook_add_worksheet(workbook, "Summary");
    worksheet_write_number(second, 0, 0, -3, nullptr);
    worksheet_activate(second);
    return workbook_close(workbook) == LXW_NO_ERROR;
}

bool CopyEntries(const KArchiveDirectory *from, const QString &prefix, KZip *to)
{
    const QStringList entries = from->entries();
    for (const QString &name : entries) {
        const KArchiveEntry *entry = from->entry(name);
        const QString path = prefix + name;
        if (entry->isDirectory()) {
            if (!CopyEntries(static_cast<const KArchiveDirectory *>(entry), path + '/', to))
                return false;
        } else if (!to->writeFile(path, static_cast<const KArchiveFile *>(entry)->data())) {
            return false;
        }
    }
    return true;
}

bool StoreUncompressed(const QString &from, const QString &to)
{
    KZip source(from);
    KZip target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    target.setCompression(KZip::NoCompression);
    return CopyEntries(source.directory(), QString(), &target) && target.close();
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

namespace WorkbookSeeds {

bool Add(const QString &outDir, QString *error)
{
    QTemporaryDir dir;
    const QString written = dir.filePath(QStringLiteral("written.xlsx"));
    const QString stored = dir.filePath(QStringLiteral("stored.xlsx"));
    if (!dir.isValid() || !WriteWorkbook(written) || !StoreUncompressed(written, stored)) {
        *error = QStringLiteral("cannot write the workbook seeds");
        return false;
    }
    for (const QString &path : {written, stored}) {
        const QByteArray seed = ReadAll(path);
        if (seed.isEmpty() || !SeedFiles::Add(outDir, QStringLiteral("workbook"), seed)) {
            *error = QStringLiteral("cannot write the workbook seed %1").arg(path);
            return false;
        }
    }
    return true;
}

} // namespace WorkbookSeeds
