#pragma once

#include <ole2.h>
#include <windows.h>

#include <chrono>
#include <functional>

#include "com/application_window.h"
#include "com/busy_dialog.h"
#include "com/members.h"
#include "com/outside_call.h"

namespace com {

// How a busy dialog is asked and "Switch To" acted on: the real dialog and window unless a test
// answers in their place.
struct BusyOperator {
    std::function<BusyAnswer(BusyPrompt, const OutsideApplication&)> ask =
        [](BusyPrompt prompt, const OutsideApplication& application) {
            return askAboutBusyApplication(prompt, application.name);
        };
    std::function<void(HTASK, const OutsideApplication&)> switchTo =
        [](HTASK callee, const OutsideApplication& application) {
            bringForward(callee, application);
        };
};

// Answers COM's questions while this thread's call to an outside application waits. "Retry
// later" is retried every poll interval; past the busy bound the operator is asked in the
// "server busy" dialog. An outright rejection fails at once. A call that has been pending for
// the pending bound while the operator clicks or types shows the "request pending" dialog. Once
// a call has waited a few seconds, or while a dialog shows, the thread's topmost windows step out
// of the topmost band, behind the application's window, so that its own dialogs can be seen.
// The operator's Cancel is asked once: every later question about the call gives it up.
class MessageFilter final : public IMessageFilter, private OutsideCall::Watcher {
  public:
    static constexpr std::chrono::milliseconds kPollInterval{100};
    static constexpr std::chrono::milliseconds kPendingBound{5'000};
    static constexpr std::chrono::milliseconds kStepAsideAfter{3'000};

    // Watches this thread's outside calls while it lives.
    explicit MessageFilter(BusyOperator answers = BusyOperator());
    MessageFilter(const MessageFilter&) = delete;
    MessageFilter& operator=(const MessageFilter&) = delete;
    ~MessageFilter();

    // The filter watching this thread's calls, or null.
    static MessageFilter* ofThisThread();
    void answerWith(BusyOperator answers) { operator_ = std::move(answers); }
    // Whether the operator cancelled a call: its application may never answer again.
    bool operatorCancelled() const { return operatorCancelled_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }  // lives as long as its apartment
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD elapsedMs,
                                              DWORD rejectType) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD elapsedMs,
                                           DWORD pendingType) override;

  private:
    void callStarted() override;
    void callEnded() override;
    // Shows the dialog for the current call and acts on "Switch To" and "Cancel"; the next dialog
    // comes a whole bound after the answer.
    BusyAnswer ask(BusyPrompt prompt, HTASK callee, OutsideCall& call, DWORD elapsedMs);
    void stepAside(HTASK callee, OutsideCall& call);
    static void CALLBACK wake(PTP_CALLBACK_INSTANCE, void* thread, PTP_TIMER);

    BusyOperator operator_;
    MessageFilter* previous_;
    OutsideCall::Watcher* previousWatcher_;
    // Wakes the thread's wait once a call has waited long enough to step aside: COM's wait loop
    // asks the filter only when a message arrives, and Wine's not for timer messages.
    PTP_TIMER wakeTimer_ = nullptr;
    bool operatorCancelled_ = false;
};

}  // namespace com
