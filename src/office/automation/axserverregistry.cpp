#include "office/automation/axserverregistry.h"

#include <mutex>

#include <QHash>
#include <QMutex>

#include "office/automation/officeservers.h"

namespace {

QMutex g_mutex;
QHash<QString, AxServerRegistry::Factory> g_factories;
thread_local bool t_registeringBuiltins = false;

// The product's servers go in before anything else is registered or looked up, so a
// test's fake registered first is not replaced afterwards.
void EnsureBuiltins()
{
    static std::once_flag once;
    if (t_registeringBuiltins)
        return;
    std::call_once(once, [] {
        t_registeringBuiltins = true;
        RegisterOfficeServers();
        t_registeringBuiltins = false;
    });
}

QString Key(const QString &progId)
{
    return progId.trimmed().toLower();
}

} // namespace

void AxServerRegistry::registerServer(const QString &progId, Factory factory)
{
    EnsureBuiltins();
    QMutexLocker lock(&g_mutex);
    g_factories.insert(Key(progId), std::move(factory));
}

bool AxServerRegistry::unregisterServer(const QString &progId)
{
    EnsureBuiltins();
    QMutexLocker lock(&g_mutex);
    return g_factories.remove(Key(progId)) > 0;
}

bool AxServerRegistry::isRegistered(const QString &progId)
{
    EnsureBuiltins();
    QMutexLocker lock(&g_mutex);
    return g_factories.contains(Key(progId));
}

AxDispatchPtr AxServerRegistry::createServer(const QString &progId)
{
    EnsureBuiltins();
    Factory factory;
    {
        QMutexLocker lock(&g_mutex);
        factory = g_factories.value(Key(progId));
    }
    return factory ? factory() : AxDispatchPtr();
}
