#include "view/reports.h"

namespace view {

void ReportInForce::deliver(FormView& form) const {
    if (const auto* status = std::get_if<StatusReport>(&report_)) {
        form.setStatus(status->text);
    } else {
        form.showMessage(std::get<MessageReport>(report_).text);
    }
}

}  // namespace view
