#pragma once

// Registers the product's automation servers: the spreadsheet server as
// "Excel.Application". Called by the registry before its first look-up; call it again to
// restore the servers after a test replaced or removed them.
void RegisterOfficeServers();
