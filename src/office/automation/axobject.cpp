#include "office/automation/axobject.h"

#include <QMutex>
#include <QSet>

#include "core/common/debuglog.h"
#include "office/automation/axserverregistry.h"

namespace {

QVariantList Collect(std::initializer_list<const QVariant *> vars)
{
    QVariantList list;
    for (const QVariant *var : vars) {
        if (!var->isValid())
            break;
        list << *var;
    }
    return list;
}

// Unknown members are logged once per type and member for the whole process: an engine
// loops over cells and borders, and one line says all there is to say.
bool FirstReport(const QString &key)
{
    static QMutex mutex;
    static QSet<QString> reported;
    QMutexLocker lock(&mutex);
    if (reported.contains(key))
        return false;
    reported.insert(key);
    return true;
}

} // namespace

AxObject::AxObject(QObject *parent)
    : QObject(parent)
{}

AxObject::AxObject(const QString &progId, QObject *parent)
    : QObject(parent)
{
    setControl(progId);
}

AxObject::AxObject(AxDispatchPtr dispatch, const QString &control, QObject *parent)
    : QObject(parent)
    , m_dispatch(std::move(dispatch))
    , m_control(control)
{}

AxObject::~AxObject() = default;

bool AxObject::setControl(const QString &progId)
{
    clear();
    m_dispatch = AxServerRegistry::createServer(progId);
    if (!m_dispatch) {
        TQ_LOG << "No automation server for" << progId;
        return false;
    }
    m_control = progId;
    return true;
}

void AxObject::clear()
{
    m_dispatch.reset();
    m_control.clear();
}

AxResult AxObject::call(const AxCall &call) const
{
    const QString type = m_dispatch ? m_dispatch->typeName() : QStringLiteral("(null object)");
    AxResult result = m_dispatch ? m_dispatch->invoke(call) : AxResult::unknownMember();
    // A writable property also answers "SetName(value)", as ActiveQt's setter slots do.
    if (m_dispatch && result.status() == AxResult::UnknownMember && call.kind() == AxCall::Get &&
        call.argCount() == 1 && call.member().size() > 3 && call.member().startsWith("Set")) {
        result = m_dispatch->invoke(AxCall(AxCall::Put, call.member().mid(3), call.args()));
    }
    if (result.status() == AxResult::UnknownMember) {
        const QString member = type + QLatin1Char('.') + QString::fromLatin1(call.member());
        if (FirstReport(member))
            TQ_LOG << "Unknown automation member" << member;
    } else if (result.status() == AxResult::Failed) {
        TQ_LOG << "Automation call failed:"
               << type + QLatin1Char('.') + QString::fromLatin1(call.signature())
               << result.reason();
    }
    return result;
}

AxObject *AxObject::querySubObject(const char *name, const QVariant &var1, const QVariant &var2,
                                   const QVariant &var3, const QVariant &var4, const QVariant &var5,
                                   const QVariant &var6, const QVariant &var7, const QVariant &var8)
{
    return querySubObject(name, Collect({&var1, &var2, &var3, &var4, &var5, &var6, &var7, &var8}));
}

AxObject *AxObject::querySubObject(const char *name, const QVariantList &vars)
{
    const AxResult result = call(AxCall::fromSignature(name, vars));
    if (!result.isOk())
        return nullptr;
    if (!result.object()) {
        TQ_LOG << "Automation member is not an object:" << name;
        return nullptr;
    }
    return new AxObject(result.object(), m_control, this);
}

QVariant AxObject::dynamicCall(const char *signature, const QVariant &var1, const QVariant &var2,
                               const QVariant &var3, const QVariant &var4, const QVariant &var5,
                               const QVariant &var6, const QVariant &var7, const QVariant &var8)
{
    return dynamicCall(signature,
                       Collect({&var1, &var2, &var3, &var4, &var5, &var6, &var7, &var8}));
}

QVariant AxObject::dynamicCall(const char *signature, const QVariantList &vars)
{
    const AxResult result = call(AxCall::fromSignature(signature, vars));
    if (!result.isOk())
        return QVariant();
    return result.object() ? QVariant::fromValue(result.object()) : result.value();
}

QVariant AxObject::property(const char *name) const
{
    const AxResult result = call(AxCall(AxCall::Get, QByteArray(name).trimmed()));
    if (!result.isOk())
        return QVariant();
    return result.object() ? QVariant::fromValue(result.object()) : result.value();
}

bool AxObject::setProperty(const char *name, const QVariant &value)
{
    return call(AxCall(AxCall::Put, QByteArray(name).trimmed(), {value})).isOk();
}

QVariant AxObject::asVariant() const
{
    return m_dispatch ? QVariant::fromValue(m_dispatch) : QVariant();
}
