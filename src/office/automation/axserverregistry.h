#pragma once

#include <functional>

#include <QString>

#include "office/automation/axdispatch.h"

// The in-process automation servers by ProgID, in place of the system's class registry.
// A factory makes a new application object for each setControl(). ProgIDs are compared
// without regard to case. The registry knows no server of its own: the programs register
// theirs at start-up (RegisterOfficeServers), tests may register fakes. Thread-safe.
class AxServerRegistry
{
public:
    using Factory = std::function<AxDispatchPtr()>;

    // Registers or replaces the server of progId.
    static void registerServer(const QString &progId, Factory factory);
    static bool unregisterServer(const QString &progId);
    static bool isRegistered(const QString &progId);
    // A new instance, or null when nothing is registered or the factory fails.
    static AxDispatchPtr createServer(const QString &progId);
};
