#pragma once

#include <string>
#include <utility>

#include "view/form_view.h"
#include "view/reports.h"

namespace plot {

// Reading features resumes after a failing step: the step is dropped, the status label shows
// "Can't Get Feature " followed by the feature box's text, and the next step runs.
class FeatureSteps {
  public:
    explicit FeatureSteps(view::FormView& form) : form_(form) {}

    // Returns false when the step failed.
    template <class Step>
    bool run(Step&& step) {
        return view::resumeNext(
            form_, [this] { return message(); }, std::forward<Step>(step));
    }

  private:
    std::string message() const { return "Can't Get Feature " + form_.text(view::TextBox::Combo1); }

    view::FormView& form_;
};

}  // namespace plot
