#pragma once

#include <exception>
#include <string>
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

void deliver(FormView& form, const EndingReport& report);

// Runs the action; a failure ends it with the report in force at that moment (the action may
// switch the report it was given). Returns false when the action ended in a failure.
template <class Action>
bool endOnFailure(FormView& form, const EndingReport& report, Action&& action) {
    try {
        action();
        return true;
    } catch (const std::exception&) {
        deliver(form, report);
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
