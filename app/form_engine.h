#pragma once

// The program is one window over two outside applications. This engine is that window's
// behaviour, written once: it holds the links to both applications (cad::Link, cmm::Link over the
// backends' connectors), the probe radius and the point list, and runs the window's two actions,
// load and "Send To Acad". Each shell (app/qt, app/win32) owns one engine, builds its controls
// from the control table, implements view::FormView and FormShell over them and forwards its
// events here. Below the engine, plot/ reads the features and cad/ draws them; both reach the
// window only through view::FormView and the applications only through cmm/ and cad/, whose
// backends are the embedded stand-ins (standin/) or the COM client (com/).

#include "cad/link.h"
#include "cmm/link.h"
#include "points/point_list.h"
#include "view/form_view.h"

namespace app {

// What a shell shows around an action: that the window is busy, and the point list it carries.
class FormShell {
  public:
    virtual ~FormShell() = default;
    virtual void busyBegins() = 0;
    virtual void busyEnds() = 0;
    virtual void showPointList(const points::PointList& lines) = 0;
    // Drops the mouse and keyboard input aimed at the window that is still waiting to be handled;
    // input to other windows (a message box) is left alone.
    virtual void discardPendingInput() = 0;
};

class FormEngine {
  public:
    FormEngine(view::FormView& form, FormShell& shell, cmm::Connector& cmm, cad::Connector& cad);
    FormEngine(const FormEngine&) = delete;
    FormEngine& operator=(const FormEngine&) = delete;

    // The window's load after keep-on-top: links to the measurement application, shows the
    // machine name and the probe diameter and fills the feature list, or shows "Can't Link to
    // PC-DMIS", keeping what was already written.
    void load();
    // The click of "Send To Acad": reads the selected features into the point list, then draws
    // them. A failure the press does not report itself ends up in a message box. One press at a
    // time: a press asked for while one runs does nothing, and the input the operator gave the
    // window during the press is discarded when it ends.
    void press();

    // What the window keeps between its actions, for the shells' views and for tests that run
    // one phase alone.
    cmm::Link& cmmLink() { return cmm_; }
    cad::Link& cadLink() { return cad_; }
    points::PointList& points() { return points_; }
    const points::PointList& points() const { return points_; }
    double probeRadius() const { return probeRadius_; }

  private:
    void fillFeatureList(cmm::Application& application);

    view::FormView& form_;
    FormShell& shell_;
    cmm::Link cmm_;
    cad::Link cad_;
    double probeRadius_ = 0.0;
    points::PointList points_;
    bool pressing_ = false;
};

}  // namespace app
