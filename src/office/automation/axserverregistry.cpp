#include "office/automation/axserverregistry.h"

#include <QHash>
#include <QMutex>

namespace {

QMutex g_mutex;
QHash<QString, AxServerRegistry::Factory> g_factories;

QString Key(const QString &progId)
{
    return progId.trimmed().toLower();
}

} // namespace

void AxServerRegistry::registerServer(const QString &progId, Factory factory)
{
    QMutexLocker lock(&g_mutex);
    g_factories.insert(Key(progId), std::move(factory));
}

bool AxServerRegistry::unregisterServer(const QString &progId)
{
    QMutexLocker lock(&g_mutex);
    return g_factories.remove(Key(progId)) > 0;
}

bool AxServerRegistry::isRegistered(const QString &progId)
{
    QMutexLocker lock(&g_mutex);
    return g_factories.contains(Key(progId));
}

AxDispatchPtr AxServerRegistry::createServer(const QString &progId)
{
    Factory factory;
    {
        QMutexLocker lock(&g_mutex);
        factory = g_factories.value(Key(progId));
    }
    return factory ? factory() : AxDispatchPtr();
}
