#pragma once

#include <QtGlobal>

// The OLE runtime's per-thread initialisation, with the COM result codes the engines
// test. A thread is initialised once per mode: OleInitialize gives S_OK the first time,
// S_FALSE when the thread is already initialised, and RPC_E_CHANGED_MODE when it was
// initialised for the multithreaded mode (CoInitializeEx with COINIT_MULTITHREADED).
// Each S_OK or S_FALSE is balanced by one OleUninitialize.
using HRESULT = qint32;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT RPC_E_CHANGED_MODE = HRESULT(0x80010106u);

constexpr quint32 COINIT_MULTITHREADED = 0x0;
constexpr quint32 COINIT_APARTMENTTHREADED = 0x2;

HRESULT OleInitialize(void *reserved);
void OleUninitialize();
HRESULT CoInitializeEx(void *reserved, quint32 coInit);
void CoUninitialize();
