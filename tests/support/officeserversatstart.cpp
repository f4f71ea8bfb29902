// Linked into every test program of the office and gui layers: the product's automation
// servers are there from the start, as in the programs. A test that puts a fake in their
// place restores them afterwards (FakeAutomation::Server does).
#include <QCoreApplication>

#include "office/automation/officeservers.h"

namespace {
void RegisterServersAtStart()
{
    RegisterOfficeServers();
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(RegisterServersAtStart)
