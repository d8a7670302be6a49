#include "com/message_filter.h"

#include <algorithm>
#include <utility>

#include "com/busy_retry.h"

namespace com {

namespace {

thread_local MessageFilter* thisThreads = nullptr;

constexpr DWORD ms(std::chrono::milliseconds duration) {
    return static_cast<DWORD>(duration.count());
}

constexpr DWORD kGiveUp = static_cast<DWORD>(-1);

// Whether the call has waited long enough to step aside, on COM's clock or on the call's own,
// which starts a little earlier and so is the one the wake-up timer keeps.
bool waitedLong(DWORD elapsedMs, const OutsideCall& call) {
    return std::max(elapsedMs, call.elapsedMs()) >= ms(MessageFilter::kStepAsideAfter);
}

// A click or a key aimed at this thread's windows, waiting in its queue; a mere move of the
// mouse over the window asks nothing.
bool inputWaiting() {
    MSG message;
    for (UINT kind : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                      WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN})
        if (PeekMessageW(&message, nullptr, kind, kind, PM_NOREMOVE)) return true;
    return false;
}

// What the operator clicked or typed while the call waited, the frame's buttons included: left
// in the queue, the dialog's own loop would hand it to the window behind it, where a click on
// "Close" would end the program inside the call.
void discardInput() {
    constexpr std::pair<UINT, UINT> kInput[] = {{WM_KEYFIRST, WM_KEYLAST},
                                                {WM_MOUSEFIRST, WM_MOUSELAST},
                                                {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
    MSG message;
    for (const auto& [first, last] : kInput) {
        while (PeekMessageW(&message, nullptr, first, last, PM_REMOVE)) {
        }
    }
}

// A call through no application the program knows by name is still named in the dialog.
const OutsideApplication kUnnamed{"The application", nullptr};

const OutsideApplication& applicationOf(const OutsideCall& call) {
    return call.application() ? *call.application() : kUnnamed;
}

}  // namespace

MessageFilter::MessageFilter(BusyOperator answers)
    : operator_(std::move(answers)),
      previous_(thisThreads),
      previousWatcher_(OutsideCall::watchThisThread(this)) {
    thisThreads = this;
}

MessageFilter::~MessageFilter() {
    thisThreads = previous_;
    OutsideCall::watchThisThread(previousWatcher_);
    if (wakeTimer_) {
        SetThreadpoolTimer(wakeTimer_, nullptr, 0, 0);
        WaitForThreadpoolTimerCallbacks(wakeTimer_, TRUE);
        CloseThreadpoolTimer(wakeTimer_);
    }
}

MessageFilter* MessageFilter::ofThisThread() { return thisThreads; }

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

DWORD STDMETHODCALLTYPE MessageFilter::RetryRejectedCall(HTASK callee, DWORD elapsedMs,
                                                         DWORD rejectType) {
    if (rejectType != SERVERCALL_RETRYLATER) return kGiveUp;  // the application said no
    OutsideCall* call = OutsideCall::current();
    const DWORD bound = ms(BusyRetry::bound());
    if (!call) return elapsedMs < bound ? ms(kPollInterval) : kGiveUp;
    if (call->cancelled()) return kGiveUp;
    if (waitedLong(elapsedMs, *call)) stepAside(callee, *call);
    if (elapsedMs < call->answeredAtMs + bound) return ms(kPollInterval);
    return ask(BusyPrompt::Busy, callee, *call, elapsedMs) == BusyAnswer::Cancel
               ? kGiveUp
               : ms(kPollInterval);
}

DWORD STDMETHODCALLTYPE MessageFilter::MessagePending(HTASK callee, DWORD elapsedMs, DWORD) {
    OutsideCall* call = OutsideCall::current();
    if (!call) return PENDINGMSG_WAITDEFPROCESS;
    if (call->cancelled()) return PENDINGMSG_CANCELCALL;
    if (waitedLong(elapsedMs, *call)) stepAside(callee, *call);
    if (elapsedMs < call->answeredAtMs + ms(kPendingBound) || !inputWaiting())
        return PENDINGMSG_WAITDEFPROCESS;
    return ask(BusyPrompt::Pending, callee, *call, elapsedMs) == BusyAnswer::Cancel
               ? PENDINGMSG_CANCELCALL
               : PENDINGMSG_WAITNOPROCESS;
}

BusyAnswer MessageFilter::ask(BusyPrompt prompt, HTASK callee, OutsideCall& call, DWORD elapsedMs) {
    stepAside(callee, call);
    discardInput();
    const OutsideApplication& application = applicationOf(call);
    const DWORD asked = call.elapsedMs();
    const BusyAnswer answer = operator_.ask(prompt, application);
    if (answer == BusyAnswer::SwitchTo) operator_.switchTo(callee, application);
    if (answer == BusyAnswer::Cancel) {
        call.cancel();
        operatorCancelled_ = true;
    }
    // The time the dialog stood open counts on COM's clock as well as on the call's.
    call.answeredAtMs = elapsedMs + (call.elapsedMs() - asked);
    return answer;
}

void MessageFilter::stepAside(HTASK callee, OutsideCall& call) {
    if (!call.steppedAside()) call.stepAsideTopmost(applicationWindow(callee, applicationOf(call)));
}

void MessageFilter::callStarted() {
    // Made at the first call: a thread that only serves calls never needs it.
    if (!wakeTimer_)
        wakeTimer_ = CreateThreadpoolTimer(
            wake, reinterpret_cast<void*>(static_cast<UINT_PTR>(GetCurrentThreadId())), nullptr);
    if (!wakeTimer_) return;
    // A relative due time, in 100 ns units; a little late rather than early.
    const LONGLONG due = -10'000LL * ms(kStepAsideAfter + kPollInterval);
    FILETIME when{static_cast<DWORD>(due), static_cast<DWORD>(due >> 32)};
    SetThreadpoolTimer(wakeTimer_, &when, 0, 0);
}

void MessageFilter::callEnded() {
    if (wakeTimer_) SetThreadpoolTimer(wakeTimer_, nullptr, 0, 0);
}

void CALLBACK MessageFilter::wake(PTP_CALLBACK_INSTANCE, void* thread, PTP_TIMER) {
    PostThreadMessageW(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(thread)), WM_NULL, 0, 0);
}

}  // namespace com
