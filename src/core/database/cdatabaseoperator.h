#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QThread;

// The generic wrapper of one SQLite database file: binds the file, opens and closes it,
// checks and adds columns.
//
// Threads: a Qt SQL connection serves only the thread that opened it, so every thread gets
// a connection of its own to the same file. The primary thread (the application's main
// thread; without an application object, the thread that built the object) uses
// ConnectionName() and m_db; any other thread uses ConnectionName() + "-" + its thread id,
// opened on its first use on that thread and closed and removed when that thread ends.
// database() hands the calling thread its connection; all statements go through it, so
// callers see one shared database. Connections wait up to kBusyTimeoutMs for a lock and
// the file is kept in WAL mode, so a worker writing defects and the GUI thread reading a
// page do not fail with "database is locked".
class CDataBaseOperator
{
    Q_DECLARE_TR_FUNCTIONS(CDataBaseOperator)

public:
    static constexpr int kBusyTimeoutMs = 10000;

    CDataBaseOperator();
    // Virtual (the system's was not) so that deleting through the base is safe; it closes
    // the connection without calling a virtual function.
    virtual ~CDataBaseOperator();
    CDataBaseOperator(const CDataBaseOperator &) = delete;
    CDataBaseOperator &operator=(const CDataBaseOperator &) = delete;

    virtual QString ConnectionName() const;
    // Base class: setDatabasePath(path).
    virtual void OpenDatabase(const QString &path);
    // Base class: nothing.
    virtual void createTrigger();

    // Binds the file and opens the calling thread's connection to it ("database open
    // failed!" in the log when that fails). Other threads reopen on their next use.
    void setDatabasePath(const QString &path);
    // Folds the write-ahead log into the file, so that the file alone, copied or backed
    // up, holds every committed change. waitForOthers: waits up to the busy timeout for the
    // readers and writers of other connections and empties the log (TRUNCATE); otherwise
    // moves what they do not hold (PASSIVE). False (logged) when part of the log stayed.
    bool Checkpoint(bool waitForOthers = true);
    // Checkpoints, then closes the calling thread's connection ("m_db isOpen" when it was
    // open); connections
    // of other threads are closed on their next use. Statements fail until the next
    // setDatabasePath.
    void closeDatabase();
    QString databasePath() const;

    // "ALTER table %1 ADD %2"; false (logged) on failure.
    bool AddNewColumn(const QString &table, const QString &columnDefinition);
    // One entry per name: true where the table has a column of exactly that name.
    QList<bool> IsColumnExist(const QString &table, const QStringList &names);

    // The calling thread's connection to the file, opened on its first use there. Closed
    // (statements fail) when no file is bound or it cannot be opened.
    QSqlDatabase database();
    // The connection name the calling thread uses.
    QString threadConnectionName() const;

protected:
    // The calling thread's connection, or false (logged with the caller's text) when it is
    // not open; keeps Qt from warning about statements on a closed connection.
    bool OpenConnection(QSqlDatabase &db, const char *caller);

    QSqlDatabase m_db; // the primary thread's connection; used on that thread only
    QString m_strPath; // guarded by m_mutex

private:
    struct State
    {
        QString path;
        QString baseName;
        int generation = 0;
        bool bound = false;
    };
    State Snapshot() const;
    bool IsPrimaryThread() const;
    void CloseThreadConnection(bool remove, bool logOpen);

    mutable QMutex m_mutex;
    QString m_strBaseName;    // ConnectionName() at the last setDatabasePath
    int m_nGeneration = 0;    // changes with every bind and close
    bool m_bBound = false;    // a file is bound and not closed
    int m_nDbGeneration = -1; // generation m_db was opened for (primary thread only)
    QThread *m_primaryThread = nullptr;
};
