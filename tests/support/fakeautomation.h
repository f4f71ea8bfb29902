#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QStringList>
#include <QVariant>

#include "office/automation/axdispatch.h"

// A configurable automation server for tests: it records every call and answers as told,
// so that a test can stand in for a program that is missing, incomplete or failing.
//
// While it lives it is the only office program: its ProgIDs are registered (replacing what
// was there) and the product's servers make way; afterwards those are registered again.
// Every instance started is a root object named after the first part of its ProgID
// ("Kwps"); every object answered is named after the member that made it ("Documents"). A member
// answers as set below; any other member of a lenient server answers a Get with a new object and a
// Put with success (a program whose every call works), of a strict server as unknown.
//
// The log holds "get Documents.Add(QString:a.dot)" and "put Font.Bold(bool:true)"; lists
// are written "[int:1,int:2]", objects passed as arguments "<Range>".
namespace FakeAutomation {

using Answer = std::function<AxResult(const AxCall &call)>;

class Server
{
public:
    enum Mode { Lenient, Strict };

    explicit Server(const QStringList &progIds, Mode mode = Lenient);
    ~Server();
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

    // Member names are compared without regard to case.
    void answer(const QByteArray &member, Answer answer);
    // A Get gives the value; a Put is refused.
    void answerValue(const QByteArray &member, const QVariant &value);
    // A Get gives a new object named after the member.
    void answerObject(const QByteArray &member);
    void fail(const QByteArray &member);
    void remove(const QByteArray &member);

    QStringList log() const;
    bool logged(const QString &entry) const;
    void clearLog();
    // The ProgIDs of the instances started, in order.
    QStringList started() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
    QStringList m_progIds;
};

} // namespace FakeAutomation
