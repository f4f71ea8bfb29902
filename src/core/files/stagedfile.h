#pragma once

#include <QCoreApplication>
#include <QString>

// A file written under a temporary name beside its target and renamed over the target only
// once it is complete: a failed write leaves the previous file as it was and no partial
// file behind. The temporary file keeps the target's suffix (writers choose their format by
// it) and is removed on destruction unless Commit() succeeded.
class StagedFile
{
    Q_DECLARE_TR_FUNCTIONS(StagedFile)

public:
    explicit StagedFile(const QString &target);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // Reserves the temporary file (empty); false when the folder is missing or refuses it.
    bool Prepare();
    QString TemporaryPath() const { return m_strTemporary; }
    // Renames the written temporary file over the target; false when nothing was written
    // into it or the rename fails.
    bool Commit();
    // Why Prepare() or Commit() failed, for the user.
    QString ErrorString() const { return m_strError; }

private:
    QString m_strTarget;
    QString m_strTemporary;
    QString m_strError;
    bool m_bCommitted = false;
};
