#pragma once

#include <memory>

#include <QMetaType>
#include <QString>

#include "office/automation/axcall.h"
#include "office/automation/axresult.h"

// One object of an in-process automation server's object model. A server is a tree of
// such objects: the application answers "WorkBooks" with a workbooks object, which answers
// "Open(...)" with a workbook, and so on. Objects are shared: a client keeps what it was
// handed alive, so a range may outlive the call that made it; models keep their data in
// shared pieces so that a late call on a stale object is harmless.
//
// An object answers every call on the thread of the client that created its server.
class AxDispatch
{
public:
    virtual ~AxDispatch();

    // Type name for logs ("Workbook", "Range").
    virtual QString typeName() const = 0;
    virtual AxResult invoke(const AxCall &call) = 0;
};

using AxDispatchPtr = std::shared_ptr<AxDispatch>;
Q_DECLARE_METATYPE(AxDispatchPtr)

namespace Ax {

// Argument helpers for servers: an object passed as an argument (AxObject::asVariant()),
// and whole numbers that arrive as int, double or numeric text.
AxDispatchPtr AxObjectArgument(const QVariant &value);
bool AxIntArgument(const QVariant &value, int *out);

} // namespace Ax
