#pragma once

// Registers the product's automation servers: the word processor as "word.Application" and
// the spreadsheet as "Excel.Application" ("Kwps.Application" and "KET.Application" stay
// unregistered, so the engines take those paths). Called by the registry before its first look-up; call it again to
// restore the servers after a test replaced or removed them.
void RegisterOfficeServers();
