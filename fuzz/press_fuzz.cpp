// A whole "Send To Acad" press on the in-memory window over both stand-ins, with fuzzed text boxes,
// options, measured points and injected faults. Properties: the window shows only the program's
// own texts and the machine's name as the measurement application answers it, every point line
// reads back, no marker sits at a non-finite place, and a press that draws fewer markers than it
// has lines has reported a failure.
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

#include "fuzz/fuzz_input.h"
#include "standin/testing/press_fixture.h"

namespace {

using standin::EntityKind;
using view::CheckBox;
using view::OptionButton;
using view::TextBox;

const std::string kCantLinkToCmm = "Can't Link to PC-DMIS";
const std::string kCantLinkToCad = "Can't Link to AutoCAD";
const std::string kCantGetFeature = "Can't Get Feature ";
const std::string kBadProbeRadius = "Bad probe_radius";
const std::string kPartCheckFailure = "Need Defined Group 'Part' for Check";

std::string boxText(fuzz::Input& input) {
    static const char* const kTexts[] = {"",
                                         "1",
                                         "1.000000",
                                         "0.1",
                                         "-0.1",
                                         "abc",
                                         "1E+308",
                                         "0,5",
                                         "0.0001",
                                         " 2 ",
                                         "-1.79769313486232E+308",
                                         "1.79769313486232E+308",
                                         "4.9E-324",
                                         "0",
                                         "-2",
                                         "1E-05"};
    const std::size_t pick = input.byte();
    if (pick < std::size(kTexts)) return kTexts[pick];
    return input.text(24);
}

void addFeatures(fuzz::Input& input, standin::testing::PressFixture& f) {
    const std::size_t count = input.below(6);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t kind = input.byte();
        std::vector<points::Point3> measured(input.below(5));
        for (auto& point : measured) point = {input.number(), input.number(), input.number()};
        const std::string id = "F" + std::to_string(i + 1);
        f.addFeature(id, std::move(measured), kind % 8 == 1 ? "" : "FEAT/POINT");
        if (kind % 16 == 2) f.cmm->commands.pop_back();  // listed, but gone from the program
        f.form.features.back().selected = kind % 4 != 3;
    }
}

void addPart(fuzz::Input& input, standin::testing::PressFixture& f) {
    if (input.byte() % 4 == 0) return;  // no group "PART"
    standin::DrawnEntity solid;
    solid.kind = EntityKind::Solid;
    const double low = input.byte() % 2 ? input.number() : 0.0;
    const double high = input.byte() % 2 ? input.number() : 10.0;
    solid.shape = standin::geometry::Box{{low, low, low}, {high, high, high}};
    f.cad->drawing.defineGroup("PART", {f.cad->drawing.add(solid)});
}

// What the measurement application answers as its machine name, when a fault replaces it: the
// press shows the machine name again once a feature is found, whatever text that is.
struct MachineName {
    std::optional<automation::Value> answer;
};

void injectFaults(fuzz::Input& input, standin::testing::PressFixture& f, MachineName& name) {
    const std::size_t count = input.below(4);
    for (std::size_t i = 0; i < count; ++i) {
        const bool onCad = input.byte() % 2;
        const std::size_t afterCalls = input.below(24);
        const bool answer = input.byte() % 2;
        const std::size_t op =
            input.below(onCad ? cad::members::kMembers.size() : cmm::members::kMembers.size());
        if (onCad) {
            const automation::Member& cadOp = *cad::members::kMembers[op];
            answer ? f.cad->faults.answerOn(cadOp, input.value(), afterCalls)
                   : f.cad->faults.failOn(cadOp, afterCalls);
        } else {
            const automation::Member& cmmOp = *cmm::members::kMembers[op];
            const automation::Value value = answer ? input.value() : automation::Value();
            answer ? f.cmm->faults.answerOn(cmmOp, value, afterCalls)
                   : f.cmm->faults.failOn(cmmOp, afterCalls);
            if (&cmmOp == &cmm::members::kMachineName) {
                name.answer = answer ? std::optional(value) : std::nullopt;
            }
        }
    }
    f.cmm->installed = input.byte() % 32 != 0;
    f.cad->running = input.byte() % 32 != 0;
}

void setControls(fuzz::Input& input, standin::testing::PressFixture& f) {
    f.form.numberLocale = input.locale();
    for (TextBox box : {TextBox::Text1, TextBox::Text3, TextBox::Text6, TextBox::Text7,
                        TextBox::Text8, TextBox::Combo1}) {
        f.form.texts[box] = boxText(input);
    }
    for (CheckBox box : {CheckBox::Check1, CheckBox::Check2, CheckBox::Check3, CheckBox::Check4,
                         CheckBox::Check5, CheckBox::Check6, CheckBox::Check7}) {
        f.form.checks[box] = input.byte() % 2;
    }
    static constexpr OptionButton kMarkers[] = {OptionButton::Option1, OptionButton::Option2,
                                                OptionButton::Option5};
    f.form.choose(kMarkers[input.below(3)]);
    f.form.choose(input.byte() % 2 ? OptionButton::Option3 : OptionButton::Option4);
}

// The machine name as the program shows it, when the answer can be taken as text at all.
bool isMachineName(const std::string& status, const MachineName& name,
                   const points::NumberLocale& locale) {
    if (status == "CMM-1") return true;
    if (!name.answer) return false;
    try {
        return status == automation::toText(*name.answer, locale);
    } catch (const points::ProgramFailure&) {
        return false;
    }
}

void checkTheWindow(const standin::testing::PressFixture& f, const MachineName& name) {
    const std::string& status = f.form.label2;
    const bool ownStatus = isMachineName(status, name, f.form.numberLocale) ||
                           status == kCantLinkToCmm || status == kCantLinkToCad ||
                           status == kCantGetFeature + f.form.text(TextBox::Combo1);
    fuzz::require(ownStatus,
                  "the status label holds only the program's texts and the machine's name", status);
    for (const auto& message : f.form.messages) {
        fuzz::require(message == kBadProbeRadius || message == kPartCheckFailure,
                      "message boxes hold only the program's texts", message);
    }
    fuzz::require(
        std::count(f.form.messages.begin(), f.form.messages.end(), kPartCheckFailure) <= 1,
        "the part check failure ends the press at once");
}

std::size_t checkTheDrawing(const standin::testing::PressFixture& f) {
    std::size_t markers = 0;
    for (const auto& entity : f.cad->drawing.entities()) {
        if (entity->kind != EntityKind::Sphere && entity->kind != EntityKind::Circle) continue;
        const bool finite = std::all_of(entity->centre.begin(), entity->centre.end(),
                                        [](double v) { return std::isfinite(v); }) &&
                            std::isfinite(entity->radius);
        fuzz::require(finite, "no marker at a non-finite place");
        if (entity->finished && !entity->discarded) ++markers;
    }
    return markers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    standin::testing::PressFixture f;
    addFeatures(input, f);
    addPart(input, f);
    setControls(input, f);
    MachineName name;
    injectFaults(input, f, name);

    try {
        f.press();
    } catch (const std::exception& escaped) {
        fuzz::violated("a press reports its own failures", escaped.what());
    }

    checkTheWindow(f, name);
    const auto lines = f.lines();
    for (const auto& line : lines) {
        try {
            points::parsePointLine(line, f.form.numberLocale);
        } catch (const points::ProgramFailure&) {
            fuzz::violated("every point line reads back", line);
        }
    }
    const std::size_t markers = checkTheDrawing(f);
    if (markers < lines.size()) {
        const bool reported = f.form.label2 == kCantLinkToCad ||
                              std::find(f.form.messages.begin(), f.form.messages.end(),
                                        kPartCheckFailure) != f.form.messages.end();
        fuzz::require(reported, "a press that draws fewer markers than lines reports a failure");
    }
    return 0;
}
