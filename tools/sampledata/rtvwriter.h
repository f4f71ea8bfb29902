#pragma once

#include "samplemodel.h"

#include <QString>

class QSqlDatabase;

// Writes sample RTV files with plain SQL over the QSQLITE driver: the four
// tables in the field unit's layout, every value bound, one transaction per file.
namespace RtvWriter {

// Replaces any file at path with the described one; false with *error on failure.
bool write(const QString &path, const SampleRtv &sample, QString *error);

// A valid SQLite file that holds no table at all.
bool writeWithoutTables(const QString &path, QString *error);

// Shared by the large-file writer: table creation and row inserts on an open database.
bool createTables(QSqlDatabase &db, int version, QString *error);
bool insertHeader(QSqlDatabase &db, int version, const SampleHeader &header, QString *error);
bool insertPipe(QSqlDatabase &db, const SamplePipe &pipe, QString *error);
bool insertTrack(QSqlDatabase &db, const QList<SampleTrack> &track, QString *error);
bool insertDefect(QSqlDatabase &db, const SampleDefect &defect, QString *error);

} // namespace RtvWriter

// Opens a fresh SQLite file on its own connection and removes the connection
// again when it goes out of scope.
class ScopedSqliteFile
{
public:
    explicit ScopedSqliteFile(const QString &path);
    ~ScopedSqliteFile();
    ScopedSqliteFile(const ScopedSqliteFile &) = delete;
    ScopedSqliteFile &operator=(const ScopedSqliteFile &) = delete;

    bool isOpen() const { return m_open; }
    QString errorText() const { return m_error; }
    QSqlDatabase database() const;

private:
    QString m_connection;
    QString m_error;
    bool m_open = false;
};
