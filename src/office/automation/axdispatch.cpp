#include "office/automation/axdispatch.h"

#include <cmath>

AxDispatch::~AxDispatch() = default;

AxDispatchPtr Ax::AxObjectArgument(const QVariant &value)
{
    return value.canConvert<AxDispatchPtr>() ? value.value<AxDispatchPtr>() : AxDispatchPtr();
}

bool Ax::AxIntArgument(const QVariant &value, int *out)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || number != std::floor(number) || std::fabs(number) > 2e9)
        return false;
    *out = int(number);
    return true;
}
