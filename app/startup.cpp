#include "app/startup.h"

#include <cmath>
#include <string_view>

#include "automation/value.h"
#include "points/number_text.h"
#include "points/program_failure.h"
#include "view/reports.h"

namespace app {

namespace {

// Feature IDs are an upper-case F followed by anything that sorts before "A" (digits, a sign) or
// by nothing at all; the comparison is by character code.
bool isFeatureId(std::string_view id) {
    if (id.empty() || id[0] != 'F') return false;
    return id.size() == 1 || static_cast<unsigned char>(id[1]) < static_cast<unsigned char>('A');
}

std::shared_ptr<cmm::CommandCollection> commandsOf(cmm::Application& application) {
    auto partProgram = automation::toObject<cmm::PartProgram>(application.partProgram());
    return automation::toObject<cmm::CommandCollection>(partProgram->commands());
}

}  // namespace

void startUp(view::FormView& form, cmm::Connector& connector, WindowState& state) {
    const points::NumberLocale locale = form.locale();
    view::endOnFailure(form, view::StatusReport{"Can't Link to PC-DMIS"}, [&] {
        state.cmmApplication = automation::toObject<cmm::Application>(connector.create());
        cmm::Application& application = *state.cmmApplication;

        state.machine = automation::toObject<cmm::Machine>(application.machine(1));
        form.setStatus(automation::toText(state.machine->name(), locale));

        auto partProgram = automation::toObject<cmm::PartProgram>(application.partProgram());
        auto oldBasic = automation::toObject<cmm::OldBasic>(partProgram->oldBasic());
        state.probeRadius = automation::toDouble(oldBasic->getProbeRadius(), locale);

        const double diameter = state.probeRadius + state.probeRadius;
        if (!std::isfinite(diameter)) throw points::ProgramFailure("the probe diameter overflows");
        form.setText(view::TextBox::Text1, points::fixedSixText(diameter, locale));

        const std::int16_t count = automation::toInt16(commandsOf(application)->count(), locale);
        // An int counter, so that a full 32,767 commands end the loop instead of overflowing it.
        for (int i = 1; i <= count; ++i) {
            // Each command is reached afresh from the application, as the part program may change.
            auto position = static_cast<std::int16_t>(i);
            auto command =
                automation::toObject<cmm::Command>(commandsOf(application)->item(position));
            const std::string id = automation::toText(command->id(), locale);
            if (isFeatureId(id)) form.appendFeature(id);
        }
    });
}

}  // namespace app
