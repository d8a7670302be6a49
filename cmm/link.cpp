#include "cmm/link.h"

#include "view/reports.h"

namespace cmm {

bool Link::renew(view::FormView& form, const std::function<void(Application&)>& andThen) {
    return view::endOnFailure(form, view::StatusReport{"Can't Link to PC-DMIS"}, [&] {
        application_ = automation::toObject<Application>(connector_.create());
        machine_ = automation::toObject<Machine>(application_->machine(1));
        view::showStatus(form, automation::toText(machine_->name(), form.locale()));
        if (andThen) andThen(*application_);
    });
}

}  // namespace cmm
