#include "view/testing/memory_form.h"

namespace view {

namespace {
bool inFrame4(OptionButton b) {
    return b == OptionButton::Option1 || b == OptionButton::Option2 || b == OptionButton::Option5;
}
}  // namespace

void MemoryForm::selectFeatures(const std::vector<int>& indexes) {
    for (auto& feature : features) feature.selected = false;
    for (int index : indexes) features.at(static_cast<std::size_t>(index)).selected = true;
}

void MemoryForm::choose(OptionButton button) {
    for (auto& [other, selected] : options) {
        if (inFrame4(other) == inFrame4(button)) selected = false;
    }
    options[button] = true;
}

std::string MemoryForm::text(TextBox box) const {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
}

int MemoryForm::checkValue(CheckBox box) const {
    auto it = checks.find(box);
    return it == checks.end() ? 0 : it->second;
}

bool MemoryForm::optionValue(OptionButton button) const {
    auto it = options.find(button);
    return it != options.end() && it->second;
}

std::int16_t MemoryForm::featureCount() const { return static_cast<std::int16_t>(features.size()); }

std::string MemoryForm::featureText(std::int16_t index) const {
    return features.at(static_cast<std::size_t>(index)).id;
}

bool MemoryForm::featureSelected(std::int16_t index) const {
    return features.at(static_cast<std::size_t>(index)).selected;
}

}  // namespace view
