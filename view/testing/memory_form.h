#pragma once

#include <map>
#include <string>
#include <vector>

#include "view/form_view.h"

namespace view {

// The controls as plain values, at the window's starting values; message boxes are recorded
// and answered at once. Used by tests and benchmarks.
class MemoryForm : public FormView {
  public:
    struct Feature {
        std::string id;
        bool selected = false;
    };

    std::string label2;
    std::string label2Tip;
    std::map<TextBox, std::string> texts;
    std::map<CheckBox, int> checks;
    std::map<OptionButton, bool> options{{OptionButton::Option1, true},
                                         {OptionButton::Option3, true}};
    std::vector<Feature> features;
    std::vector<std::string> messages;
    points::NumberLocale numberLocale;

    // Selects exactly the features at the given indexes.
    void selectFeatures(const std::vector<int>& indexes);
    // Chooses one option button and clears the others of its frame.
    void choose(OptionButton button);

    std::string status() const override { return label2; }
    void setStatus(const std::string& text) override { label2 = text; }
    void setStatusTip(const std::string& cause) override { label2Tip = cause; }
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override { texts[box] = text; }
    int checkValue(CheckBox box) const override;
    bool optionValue(OptionButton button) const override;
    std::int16_t featureCount() const override;
    std::string featureText(std::int16_t index) const override;
    bool featureSelected(std::int16_t index) const override;
    void appendFeature(const std::string& id) override { features.push_back({id, false}); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    points::NumberLocale locale() const override { return numberLocale; }
};

}  // namespace view
