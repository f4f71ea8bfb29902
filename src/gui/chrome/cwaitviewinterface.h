#pragma once

#include <QVariant>

// Mix-in of a page or dialog that runs a long job behind a WaitView: QWaitViewWorkThread
// calls DoWork on the worker thread, so DoWork reaches widgets only through queued signals.
class CWaitViewInterface
{
public:
    virtual ~CWaitViewInterface() = default;
    virtual void DoWork(const QVariant &arg) = 0;
};
