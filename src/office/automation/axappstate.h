#pragma once

#include <memory>

#include <QList>

#include "office/automation/axcall.h"
#include "office/automation/axresult.h"

// What an office server's application object keeps: its open files (workbooks or
// documents), the active one, and the window flags, which are only remembered: there is
// no window.
template <typename File>
struct AxAppState
{
    QList<std::shared_ptr<File>> files;
    std::shared_ptr<File> active;
    bool visible = false;
    bool displayAlerts = true;

    void add(const std::shared_ptr<File> &file)
    {
        files << file;
        active = file;
    }

    void close(const std::shared_ptr<File> &file)
    {
        files.removeAll(file);
        if (active == file)
            active = files.isEmpty() ? nullptr : files.last();
    }

    // Reads or writes Visible and DisplayAlerts; false for any other member.
    bool invokeFlag(const AxCall &call, AxResult &result)
    {
        bool *flag = call.is("Visible")         ? &visible
                     : call.is("DisplayAlerts") ? &displayAlerts
                                                : nullptr;
        if (!flag)
            return false;
        if (call.kind() == AxCall::Put)
            *flag = call.arg(0).toBool();
        result = AxResult::ok(*flag);
        return true;
    }
};
