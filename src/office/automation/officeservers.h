#pragma once

// Registers the product's automation servers: the word processor as "word.Application" and
// the spreadsheet as "Excel.Application" ("Kwps.Application" and "KET.Application" stay
// unregistered, so the engines take those paths). Every program that drives the engines calls
// it at start-up; calling it again restores the servers after they were replaced or removed.
void RegisterOfficeServers();
