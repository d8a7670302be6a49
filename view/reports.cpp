#include "view/reports.h"

namespace view {

void deliver(FormView& form, const EndingReport& report) {
    if (const auto* status = std::get_if<StatusReport>(&report)) {
        form.setStatus(status->text);
    } else {
        form.showMessage(std::get<MessageReport>(report).text);
    }
}

}  // namespace view
