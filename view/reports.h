#pragma once

#include <exception>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "view/form_view.h"

// The three ways a handler reports a failure: end the action with a fixed status text, end it
// with a message box, or show a status text and resume with the next step.
namespace view {

struct StatusReport {
    std::string text;
};
struct MessageReport {
    std::string text;
};
using EndingReport = std::variant<StatusReport, MessageReport>;

// Keeps why a failure was reported with the status label: the report's fixed text, which the
// label or box shows as it always reads, and the failure's own text, which names the call, the
// system's result and a hint.
void keepCause(FormView& form, const std::string& report, const std::string& cause);

// A status that tells of no failure; the cause kept for an earlier failure goes.
void showStatus(FormView& form, const std::string& text);

// The report a failure ends an action with. It starts as the action's first report, and the
// action switches it as it reaches a step whose failure is told another way.
class ReportInForce {
  public:
    explicit ReportInForce(EndingReport first) : report_(std::move(first)) {}

    void switchTo(EndingReport next) { report_ = std::move(next); }
    void deliver(FormView& form, const std::exception& failure) const;

  private:
    EndingReport report_;
};

// Runs the action; a failure ends it with the report in force at that moment. An action that
// switches the report takes the ReportInForce as its argument. Returns false when the action
// ended in a failure.
template <class Action>
bool endOnFailure(FormView& form, EndingReport first, Action&& action) {
    ReportInForce report(std::move(first));
    try {
        if constexpr (std::is_invocable_v<Action, ReportInForce&>) {
            action(report);
        } else {
            action();
        }
        return true;
    } catch (const std::exception& failure) {
        report.deliver(form, failure);
        return false;
    }
}

// Runs one step; a failure drops that step alone and shows the status text made by `status`.
// Returns false when the step failed.
template <class Status, class Step>
bool resumeNext(FormView& form, Status&& status, Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception& failure) {
        const std::string text = status();
        form.setStatus(text);
        keepCause(form, text, failure.what());
        return false;
    }
}

}  // namespace view
