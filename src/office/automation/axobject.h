#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "office/automation/axdispatch.h"

// An automation object in the calling style of the automation engines: sub-objects by
// name ("WorkBooks", "Range(const QString&)"), methods by signature, properties by name.
//
// setControl() starts an in-process server registered under a ProgID (AxServerRegistry).
// Sub-objects are children of the object they came from and die with it. A call the
// object model does not know is logged once per member name and answers a null object or
// an invalid QVariant; a call that fails inside the server is logged with its reason.
// Nothing here throws or crashes on a missing member. One thread per object tree.
class AxObject : public QObject
{
    Q_OBJECT

public:
    explicit AxObject(QObject *parent = nullptr);
    explicit AxObject(const QString &progId, QObject *parent = nullptr);
    ~AxObject() override;

    // Binds the object to a new instance of the server registered under progId.
    bool setControl(const QString &progId);
    QString control() const { return m_control; }
    void clear();
    bool isNull() const { return !m_dispatch; }

    // Arguments end at the first invalid QVariant, as with ActiveQt.
    AxObject *querySubObject(const char *name, const QVariant &var1 = QVariant(),
                             const QVariant &var2 = QVariant(), const QVariant &var3 = QVariant(),
                             const QVariant &var4 = QVariant(), const QVariant &var5 = QVariant(),
                             const QVariant &var6 = QVariant(), const QVariant &var7 = QVariant(),
                             const QVariant &var8 = QVariant());
    AxObject *querySubObject(const char *name, const QVariantList &vars);
    QVariant dynamicCall(const char *signature, const QVariant &var1 = QVariant(),
                         const QVariant &var2 = QVariant(), const QVariant &var3 = QVariant(),
                         const QVariant &var4 = QVariant(), const QVariant &var5 = QVariant(),
                         const QVariant &var6 = QVariant(), const QVariant &var7 = QVariant(),
                         const QVariant &var8 = QVariant());
    QVariant dynamicCall(const char *signature, const QVariantList &vars);

    // Automation properties (these hide QObject's dynamic properties on purpose).
    QVariant property(const char *name) const;
    bool setProperty(const char *name, const QVariant &value);

    // The object as an argument of another call ("Add(QVariant)" with a sheet).
    QVariant asVariant() const;
    AxDispatchPtr dispatch() const { return m_dispatch; }

private:
    AxObject(AxDispatchPtr dispatch, const QString &control, QObject *parent);
    AxResult call(const AxCall &call) const;

    AxDispatchPtr m_dispatch;
    QString m_control;
};
