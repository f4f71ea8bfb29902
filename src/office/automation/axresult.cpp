#include "office/automation/axresult.h"

#include "office/automation/axdispatch.h"

AxResult AxResult::ok(const QVariant &value)
{
    AxResult result;
    result.m_value = value;
    return result;
}

AxResult AxResult::object(std::shared_ptr<AxDispatch> object)
{
    AxResult result;
    if (object)
        result.m_object = std::move(object);
    else
        result = failed(QStringLiteral("the object is not available"));
    return result;
}

AxResult AxResult::unknownMember()
{
    AxResult result;
    result.m_status = UnknownMember;
    return result;
}

AxResult AxResult::failed(const QString &reason)
{
    AxResult result;
    result.m_status = Failed;
    result.m_reason = reason;
    return result;
}
