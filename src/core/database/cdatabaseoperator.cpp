#include "core/database/cdatabaseoperator.h"

#include <atomic>

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QThreadStorage>

#include "core/common/debuglog.h"

namespace {
// Every bind and close takes a new number, process-wide, so a thread's connection opened
// for an earlier file (or an earlier object of the same name) is never taken for current.
std::atomic<int> g_generation{0};

// The connections one non-primary thread opened; closed and removed when the thread ends.
// Holds names only: it may outlive the operator object that opened them.
class ThreadConnections
{
public:
    ~ThreadConnections()
    {
        const QStringList names = m_generations.keys();
        for (const QString &name : names)
            Remove(name);
    }
    int Generation(const QString &name) const { return m_generations.value(name, -1); }
    void SetGeneration(const QString &name, int generation)
    {
        m_generations.insert(name, generation);
    }
    void Remove(const QString &name)
    {
        m_generations.remove(name);
        if (!QSqlDatabase::contains(name))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

private:
    QHash<QString, int> m_generations;
};

QThreadStorage<ThreadConnections *> &Storage()
{
    static QThreadStorage<ThreadConnections *> storage;
    return storage;
}

ThreadConnections *LocalConnections()
{
    QThreadStorage<ThreadConnections *> &storage = Storage();
    if (!storage.hasLocalData())
        storage.setLocalData(new ThreadConnections);
    return storage.localData();
}

QString ThreadSuffix()
{
    return QString::number(reinterpret_cast<quintptr>(QThread::currentThreadId()), 16);
}

// Registers (or takes) the named connection, binds it to the file and opens it.
bool OpenNamed(const QString &name, const QString &path)
{
    QSqlDatabase db = QSqlDatabase::contains(name)
                          ? QSqlDatabase::database(name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (db.isOpen())
        db.close();
    db.setDatabaseName(path);
    db.setConnectOptions(
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(CDataBaseOperator::kBusyTimeoutMs));
    if (!db.open()) {
        TQ_LOG << "database open failed!" << path << db.lastError().text();
        return false;
    }
    // Readers never wait for the writer in WAL mode (the GUI thread reads pages while the
    // import thread writes defects); the mode is stored in the file.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next() ||
        query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        TQ_LOG << "WAL journal mode not set:" << path << query.lastError().text();
    return true;
}
} // namespace

CDataBaseOperator::CDataBaseOperator()
{
    const QCoreApplication *app = QCoreApplication::instance();
    m_primaryThread = app ? app->thread() : QThread::currentThread();
}

CDataBaseOperator::~CDataBaseOperator()
{
    {
        QMutexLocker lock(&m_mutex);
        m_bBound = false;
        m_nGeneration = ++g_generation;
    }
    if (!IsPrimaryThread() && m_db.isValid())
        TQ_LOG << "destroyed off its primary thread: its connection stays registered";
    CloseThreadConnection(true, true);
}

QString CDataBaseOperator::ConnectionName() const
{
    return QStringLiteral("KLN-TQ420");
}

void CDataBaseOperator::OpenDatabase(const QString &path)
{
    setDatabasePath(path);
}

void CDataBaseOperator::createTrigger() {}

void CDataBaseOperator::setDatabasePath(const QString &path)
{
    const QString baseName = ConnectionName();
    {
        QMutexLocker lock(&m_mutex);
        m_strPath = path;
        m_strBaseName = baseName;
        m_nGeneration = ++g_generation;
        m_bBound = true;
    }
    // A connection this thread has is closed and unregistered, then made again.
    CloseThreadConnection(true, false);
    database();
}

void CDataBaseOperator::closeDatabase()
{
    if (database().isOpen())
        Checkpoint();
    {
        QMutexLocker lock(&m_mutex);
        m_bBound = false;
        m_nGeneration = ++g_generation;
    }
    CloseThreadConnection(false, true);
}

bool CDataBaseOperator::Checkpoint(bool waitForOthers)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "Checkpoint"))
        return false;
    QSqlQuery query(db);
    // One row: busy flag, pages in the log, pages moved; busy 0 means all of it is moved.
    const QString statement = waitForOthers ? QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")
                                            : QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)");
    if (!query.exec(statement) || !query.next() || query.value(0).toInt() != 0) {
        TQ_LOG << "wal_checkpoint not complete:" << databasePath() << query.lastError().text();
        return false;
    }
    return true;
}

QString CDataBaseOperator::databasePath() const
{
    QMutexLocker lock(&m_mutex);
    return m_strPath;
}

bool CDataBaseOperator::AddNewColumn(const QString &table, const QString &columnDefinition)
{
    QSqlDatabase db;
    if (!OpenConnection(db, "AddNewColumn"))
        return false;
    const QString statement = tr("ALTER table %1 ADD %2").arg(table, columnDefinition);
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        TQ_LOG << statement << " failed :" << query.lastError().text();
        return false;
    }
    return true;
}

QList<bool> CDataBaseOperator::IsColumnExist(const QString &table, const QStringList &names)
{
    QList<bool> exists;
    for (int i = 0; i < names.size(); ++i)
        exists << false;
    if (names.isEmpty())
        return exists;
    QSqlDatabase db;
    if (!OpenConnection(db, "IsColumnExist"))
        return exists;
    const QString statement = tr("PRAGMA table_info(%1)").arg(table);
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        TQ_LOG << statement << " failed :" << query.lastError().text();
        return exists;
    }
    while (query.next()) {
        const int index = names.indexOf(query.value(1).toString());
        if (index >= 0)
            exists[index] = true;
    }
    return exists;
}

QSqlDatabase CDataBaseOperator::database()
{
    const State state = Snapshot();
    const QString name = threadConnectionName();
    if (IsPrimaryThread()) {
        if (m_nDbGeneration != state.generation) {
            m_nDbGeneration = state.generation;
            if (m_db.isOpen())
                m_db.close();
            if (state.bound) {
                if (m_db.isValid() && m_db.connectionName() != name) {
                    const QString old = m_db.connectionName();
                    m_db = QSqlDatabase();
                    QSqlDatabase::removeDatabase(old);
                }
                OpenNamed(name, state.path);
                m_db = QSqlDatabase::database(name, false);
            }
        }
        return m_db;
    }
    ThreadConnections *local = LocalConnections();
    if (local->Generation(name) != state.generation) {
        if (QSqlDatabase::contains(name)) {
            QSqlDatabase stale = QSqlDatabase::database(name, false);
            stale.close();
        }
        local->SetGeneration(name, state.generation);
        if (state.bound)
            OpenNamed(name, state.path);
    }
    return QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false) : QSqlDatabase();
}

QString CDataBaseOperator::threadConnectionName() const
{
    const QString base = Snapshot().baseName;
    return IsPrimaryThread() ? base : base + QLatin1Char('-') + ThreadSuffix();
}

bool CDataBaseOperator::OpenConnection(QSqlDatabase &db, const char *caller)
{
    db = database();
    if (db.isOpen())
        return true;
    TQ_LOG << caller << "database not open ----" << databasePath();
    return false;
}

CDataBaseOperator::State CDataBaseOperator::Snapshot() const
{
    State state;
    {
        QMutexLocker lock(&m_mutex);
        state.path = m_strPath;
        state.baseName = m_strBaseName;
        state.generation = m_nGeneration;
        state.bound = m_bBound;
    }
    if (state.baseName.isEmpty())
        state.baseName = ConnectionName(); // never bound yet
    return state;
}

bool CDataBaseOperator::IsPrimaryThread() const
{
    return QThread::currentThread() == m_primaryThread;
}

void CDataBaseOperator::CloseThreadConnection(bool remove, bool logOpen)
{
    if (IsPrimaryThread()) {
        if (m_db.isOpen()) {
            if (logOpen)
                TQ_LOG << "m_db isOpen";
            m_db.close();
        }
        if (remove && m_db.isValid()) {
            const QString name = m_db.connectionName();
            m_db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
        }
        m_nDbGeneration = -1;
        return;
    }
    if (!Storage().hasLocalData())
        return;
    const QString name = threadConnectionName();
    if (remove) {
        LocalConnections()->Remove(name);
    } else if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen() && logOpen)
            TQ_LOG << "m_db isOpen";
        db.close();
    }
}
