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

// The report a failure ends an action with. It starts as the action's first report, and the
// action switches it as it reaches a step whose failure is told another way.
class ReportInForce {
  public:
    explicit ReportInForce(EndingReport first) : report_(std::move(first)) {}

    void switchTo(EndingReport next) { report_ = std::move(next); }
    void deliver(FormView& form) const;

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
    } catch (const std::exception&) {
        report.deliver(form);
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
    } catch (const std::exception&) {
        form.setStatus(status());
        return false;
    }
}

}  // namespace view
