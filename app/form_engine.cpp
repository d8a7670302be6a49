#include "app/form_engine.h"

#include <cmath>
#include <exception>
#include <string>
#include <string_view>

#include "automation/value.h"
#include "cad/send_to_cad.h"
#include "plot/feature_reader.h"
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

// The busy indication for as long as an action runs, however it ends.
class Busy {
  public:
    explicit Busy(FormShell& shell) : shell_(shell) { shell_.busyBegins(); }
    ~Busy() { shell_.busyEnds(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    FormShell& shell_;
};

// Marks a press as running for as long as it runs. Message boxes and the wait for an outside
// application's answer run message loops, and a click queued there would otherwise start a second
// press inside this one, drawing everything again into the document this one still uses. What
// the operator clicked or typed at the window meanwhile was meant for a busy window: it goes too.
class OnePress {
  public:
    OnePress(bool& pressing, FormShell& shell) : pressing_(pressing), shell_(shell) {
        pressing_ = true;
    }
    ~OnePress() {
        shell_.discardPendingInput();
        pressing_ = false;
    }
    OnePress(const OnePress&) = delete;
    OnePress& operator=(const OnePress&) = delete;

  private:
    bool& pressing_;
    FormShell& shell_;
};

}  // namespace

FormEngine::FormEngine(view::FormView& form, FormShell& shell, cmm::Connector& cmm,
                       cad::Connector& cad)
    : form_(form), shell_(shell), cmm_(cmm), cad_(cad) {}

void FormEngine::load() {
    Busy busy(shell_);
    cmm_.renew(form_, [this](cmm::Application& application) {
        const points::NumberLocale locale = form_.locale();
        auto partProgram = automation::toObject<cmm::PartProgram>(application.partProgram());
        auto oldBasic = automation::toObject<cmm::OldBasic>(partProgram->oldBasic());
        probeRadius_ = automation::toDouble(oldBasic->getProbeRadius(), locale);

        const double diameter = probeRadius_ + probeRadius_;
        if (!std::isfinite(diameter)) throw points::ProgramFailure("the probe diameter overflows");
        form_.setText(view::TextBox::Text1, points::fixedSixText(diameter, locale));
        fillFeatureList(application);
    });
}

void FormEngine::fillFeatureList(cmm::Application& application) {
    const points::NumberLocale locale = form_.locale();
    const std::int16_t count = automation::toInt16(commandsOf(application)->count(), locale);
    // An int counter, so that a full 32,767 commands end the loop instead of overflowing it.
    for (int i = 1; i <= count; ++i) {
        // Each command is reached afresh from the application, as the part program may change.
        auto position = static_cast<std::int16_t>(i);
        auto command = automation::toObject<cmm::Command>(commandsOf(application)->item(position));
        const std::string id = automation::toText(command->id(), locale);
        if (!isFeatureId(id)) continue;
        if (form_.featureCount() >= view::kMaxListItems) {
            throw points::ProgramFailure("the feature list is full");
        }
        form_.appendFeature(id);
    }
}

void FormEngine::press() {
    if (pressing_) return;
    OnePress onePress(pressing_, shell_);
    // The phases report their own failures in the window; any other failure must not end the
    // program either, so it is shown in a message box once the window is idle again.
    std::string unexpected;
    try {
        Busy busy(shell_);
        if (auto spline = plot::readFeatures(form_, cmm_, points_)) {
            cad::sendToCad(form_, cad_, points_, *spline, probeRadius_);
        }
    } catch (const std::exception& failure) {
        unexpected = failure.what();
    }
    shell_.showPointList(points_);
    if (!unexpected.empty()) {
        view::keepCause(form_, unexpected, unexpected);
        form_.showMessage(unexpected);
    }
}

}  // namespace app
