#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/backends.h"
#include "standin/cad.h"
#include "standin/cmm.h"
#include "standin/viewer/drawing_viewer.h"
#include "standin/viewer/viewer_placement.h"

namespace app {

namespace {

// The stand-in CAD application's window: one drawing viewer, made when the program first makes
// the application visible and placed beside the program's window.
class ViewerHolder {
  public:
    explicit ViewerHolder(standin::Drawing& drawing) : drawing_(drawing) {}
    ~ViewerHolder() { delete viewer_; }
    ViewerHolder(const ViewerHolder&) = delete;
    ViewerHolder& operator=(const ViewerHolder&) = delete;

    void show() {
        if (!viewer_) {
            viewer_ = new standin::viewer::DrawingViewer(drawing_);
            viewer_->setAttribute(Qt::WA_QuitOnClose, false);
            placeBesideForm();
        }
        viewer_->show();
    }

  private:
    // Beside the program's window and wholly on its screen, so that it never lies under the
    // window the user works in, which stays on top.
    void placeBesideForm() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != QLatin1String("Form1") || !window->isVisible()) continue;
            const QScreen* screen = window->screen();
            if (!screen) return;
            // The viewer gets the same decorations as the program's window once it is shown.
            const QRect formFrame = window->frameGeometry();
            const QRect formInside = window->geometry();
            const QMargins frame(
                formInside.left() - formFrame.left(), formInside.top() - formFrame.top(),
                formFrame.right() - formInside.right(), formFrame.bottom() - formInside.bottom());
            const QSize decorations(frame.left() + frame.right(), frame.top() + frame.bottom());
            const QRect placed = standin::viewer::placeBeside(
                formFrame, screen->availableGeometry(), viewer_->size() + decorations,
                viewer_->minimumSizeHint().expandedTo(viewer_->minimumSize()) + decorations);
            viewer_->setGeometry(placed.marginsRemoved(frame));
            return;
        }
    }

    standin::Drawing& drawing_;
    standin::viewer::DrawingViewer* viewer_ = nullptr;
};

}  // namespace

Backends makeBackends() {
    auto measurement = std::make_shared<standin::CmmState>(standin::demoCmm());
    auto drawing = std::make_shared<standin::CadState>(standin::demoCad());
    auto viewer = std::make_shared<ViewerHolder>(drawing->drawing);
    drawing->onShown = [holder = std::weak_ptr<ViewerHolder>(viewer)] {
        if (auto live = holder.lock()) live->show();
    };

    Backends backends;
    backends.cmm = std::make_unique<standin::CmmConnector>(measurement);
    backends.cad = std::make_unique<standin::CadConnector>(drawing);
    backends.extras = viewer;
    return backends;
}

}  // namespace app
