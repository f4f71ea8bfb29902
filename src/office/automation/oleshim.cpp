#include "office/automation/oleshim.h"

namespace {

struct ThreadState
{
    int count = 0;
    quint32 mode = COINIT_APARTMENTTHREADED;
};

thread_local ThreadState t_state;

HRESULT Initialise(quint32 mode)
{
    if (t_state.count > 0 && t_state.mode != mode)
        return RPC_E_CHANGED_MODE;
    t_state.mode = mode;
    return t_state.count++ == 0 ? S_OK : S_FALSE;
}

void Release()
{
    if (t_state.count > 0)
        --t_state.count;
}

} // namespace

HRESULT OleInitialize(void *)
{
    return Initialise(COINIT_APARTMENTTHREADED);
}

void OleUninitialize()
{
    Release();
}

HRESULT CoInitializeEx(void *, quint32 coInit)
{
    return Initialise(coInit == COINIT_MULTITHREADED ? COINIT_MULTITHREADED
                                                     : COINIT_APARTMENTTHREADED);
}

void CoUninitialize()
{
    Release();
}
