#include "support/fakeautomation.h"

#include <QHash>

#include "office/automation/axserverregistry.h"
#include "office/automation/officeservers.h"

namespace FakeAutomation {

struct Server::State
{
    Mode mode = Lenient;
    QHash<QByteArray, Answer> answers; // by lower-case member
    QStringList log;
    QStringList started;
};

namespace {

QString Describe(const QVariant &value)
{
    if (const AxDispatchPtr object = Ax::AxObjectArgument(value))
        return QStringLiteral("<%1>").arg(object->typeName());
    if (value.userType() == QMetaType::QVariantList) {
        QStringList items;
        for (const QVariant &item : value.toList())
            items << Describe(item);
        return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return QStringLiteral("%1:%2").arg(QString::fromLatin1(value.typeName()), value.toString());
}

class FakeObject : public AxDispatch
{
public:
    FakeObject(const QString &name, std::shared_ptr<Server::State> state)
        : m_name(name)
        , m_state(std::move(state))
    {}

    QString typeName() const override { return m_name; }

    AxResult invoke(const AxCall &call) override
    {
        QStringList args;
        for (const QVariant &arg : call.args())
            args << Describe(arg);
        m_state->log << QStringLiteral("%1 %2.%3(%4)")
                            .arg(call.kind() == AxCall::Put ? "put" : "get", m_name,
                                 QString::fromLatin1(call.member()), args.join(QLatin1Char(',')));
        const Answer answer = m_state->answers.value(call.member().toLower());
        if (answer)
            return answer(call);
        if (m_state->mode == Server::Strict)
            return AxResult::unknownMember();
        if (call.kind() == AxCall::Put)
            return AxResult::ok();
        return AxResult::object(
            std::make_shared<FakeObject>(QString::fromLatin1(call.member()), m_state));
    }

private:
    QString m_name;
    std::shared_ptr<Server::State> m_state;
};

} // namespace

Server::Server(const QStringList &progIds, Mode mode)
    : m_state(std::make_shared<State>())
    , m_progIds(progIds)
{
    m_state->mode = mode;
    for (const char *product : {"word.Application", "Excel.Application"})
        AxServerRegistry::unregisterServer(QString::fromLatin1(product));
    for (const QString &progId : progIds) {
        const std::shared_ptr<State> state = m_state;
        AxServerRegistry::registerServer(progId, [progId, state] {
            state->started << progId;
            return std::make_shared<FakeObject>(progId.section(QLatin1Char('.'), 0, 0), state);
        });
    }
}

Server::~Server()
{
    for (const QString &progId : qAsConst(m_progIds))
        AxServerRegistry::unregisterServer(progId);
    RegisterOfficeServers();
}

void Server::answer(const QByteArray &member, Answer answer)
{
    m_state->answers.insert(member.toLower(), std::move(answer));
}

void Server::answerValue(const QByteArray &member, const QVariant &value)
{
    answer(member, [value](const AxCall &call) {
        return call.kind() == AxCall::Get ? AxResult::ok(value) : AxResult::unknownMember();
    });
}

void Server::answerObject(const QByteArray &member)
{
    const std::weak_ptr<State> state = m_state; // the state holds this answer
    answer(member, [state, member](const AxCall &call) {
        if (call.kind() == AxCall::Put)
            return AxResult::unknownMember();
        return AxResult::object(
            std::make_shared<FakeObject>(QString::fromLatin1(member), state.lock()));
    });
}

void Server::fail(const QByteArray &member)
{
    answer(member,
           [](const AxCall &) { return AxResult::failed(QStringLiteral("failed on purpose")); });
}

void Server::remove(const QByteArray &member)
{
    answer(member, [](const AxCall &) { return AxResult::unknownMember(); });
}

QStringList Server::log() const
{
    return m_state->log;
}

bool Server::logged(const QString &entry) const
{
    return m_state->log.contains(entry);
}

void Server::clearLog()
{
    m_state->log.clear();
}

QStringList Server::started() const
{
    return m_state->started;
}

} // namespace FakeAutomation
