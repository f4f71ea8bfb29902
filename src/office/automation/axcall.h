#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

// One call into an automation object, as the object model receives it.
//
// A Get call is a method call or a property read (automation does not tell them apart);
// a Put call writes a property, its value being the single argument. Signatures are
// parsed the way the engines write them: "Range(const QString&)" takes one argument from
// the caller, "MoveDown(wdLine,2)" passes its own arguments: numbers as numbers, true and
// false as booleans, quoted texts as texts and names of constants ("wdLine") as texts,
// which the object model resolves by name.
class AxCall
{
public:
    enum Kind { Get, Put };

    AxCall() = default;
    AxCall(Kind kind, const QByteArray &member, const QVariantList &args = QVariantList());

    // Builds the call of a signature with the caller's arguments.
    static AxCall fromSignature(const char *signature, const QVariantList &given);

    Kind kind() const { return m_kind; }
    const QByteArray &member() const { return m_member; }
    // The text the caller wrote, for logs and recording test servers.
    const QByteArray &signature() const { return m_signature; }
    const QVariantList &args() const { return m_args; }
    int argCount() const { return m_args.size(); }
    QVariant arg(int index) const { return m_args.value(index); }

    // Member names are compared without regard to case, as automation does.
    bool is(const char *name) const;
    bool isGet(const char *name) const { return m_kind == Get && is(name); }
    bool isPut(const char *name) const { return m_kind == Put && is(name); }

private:
    Kind m_kind = Get;
    QByteArray m_member;
    QByteArray m_signature;
    QVariantList m_args;
};
