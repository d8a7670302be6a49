#include "com/message_filter.h"

#include "com/busy_retry.h"

namespace com {

HRESULT STDMETHODCALLTYPE MessageFilter::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD STDMETHODCALLTYPE MessageFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
    return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE MessageFilter::RetryRejectedCall(HTASK, DWORD elapsedMs, DWORD rejectType) {
    const bool busy = rejectType == SERVERCALL_RETRYLATER || rejectType == SERVERCALL_REJECTED;
    if (busy && elapsedMs < static_cast<DWORD>(BusyRetry::bound().count()))
        return static_cast<DWORD>(BusyRetry::kPollInterval.count());
    return static_cast<DWORD>(-1);  // give up: the call fails with the rejection
}

DWORD STDMETHODCALLTYPE MessageFilter::MessagePending(HTASK, DWORD, DWORD) {
    return PENDINGMSG_WAITDEFPROCESS;
}

}  // namespace com
