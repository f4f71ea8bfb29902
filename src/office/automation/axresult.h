#pragma once

#include <memory>

#include <QString>
#include <QVariant>

class AxDispatch;

// What an automation object answers to a call: a value, a sub-object, "no such member",
// or a failure with its reason (what a COM exception would be).
class AxResult
{
public:
    enum Status { Ok, UnknownMember, Failed };

    static AxResult ok(const QVariant &value = QVariant());
    static AxResult object(std::shared_ptr<AxDispatch> object);
    static AxResult unknownMember();
    static AxResult failed(const QString &reason);

    Status status() const { return m_status; }
    bool isOk() const { return m_status == Ok; }
    const QVariant &value() const { return m_value; }
    const std::shared_ptr<AxDispatch> &object() const { return m_object; }
    const QString &reason() const { return m_reason; }

private:
    Status m_status = Ok;
    QVariant m_value;
    std::shared_ptr<AxDispatch> m_object;
    QString m_reason;
};
