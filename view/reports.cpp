#include "view/reports.h"

namespace view {

void keepCause(FormView& form, const std::string& report, const std::string& cause) {
    form.setStatusTip(cause.empty() || cause == report ? report : report + "\n" + cause);
}

void showStatus(FormView& form, const std::string& text) {
    form.setStatus(text);
    form.setStatusTip({});
}

void ReportInForce::deliver(FormView& form, const std::exception& failure) const {
    // The cause is kept before a message box shows, so that it is there while the box waits.
    if (const auto* status = std::get_if<StatusReport>(&report_)) {
        form.setStatus(status->text);
        keepCause(form, status->text, failure.what());
    } else {
        const std::string& text = std::get<MessageReport>(report_).text;
        keepCause(form, text, failure.what());
        form.showMessage(text);
    }
}

}  // namespace view
