#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/backends.h"
#include "app/viewer/drawing_viewer.h"
#include "standin/cad.h"
#include "standin/measurement.h"

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
            viewer_ = new DrawingViewer(drawing_);
            viewer_->setAttribute(Qt::WA_QuitOnClose, false);
            placeBesideForm();
        }
        viewer_->show();
    }

  private:
    // Beside the program's window, on whichever side has more room, narrowed to fit the screen
    // so that it never covers the window the user works in.
    void placeBesideForm() {
        constexpr int kGap = 8;
        constexpr int kNarrowest = 240;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != QLatin1String("Form1") || !window->isVisible()) continue;
            const QRect frame = window->frameGeometry();
            const QScreen* screen = window->screen();
            if (!screen) return;
            const QRect room = screen->availableGeometry();
            const int rightRoom = room.right() - frame.right() - kGap;
            const int leftRoom = frame.left() - room.left() - kGap;
            const int width = std::min(viewer_->width(), std::max(rightRoom, leftRoom));
            if (width < kNarrowest) {
                viewer_->move(std::min(frame.right() + kGap, room.right() - viewer_->width()),
                              frame.top());
                return;
            }
            viewer_->resize(width, std::min(viewer_->height(), room.height()));
            const int x =
                rightRoom >= leftRoom ? frame.right() + kGap : frame.left() - kGap - width;
            viewer_->move(
                x, std::max(room.top(), std::min(frame.top(), room.bottom() - viewer_->height())));
            return;
        }
    }

    standin::Drawing& drawing_;
    DrawingViewer* viewer_ = nullptr;
};

}  // namespace

Backends makeBackends() {
    auto measurement = std::make_shared<standin::MeasurementState>(standin::demoMeasurement());
    auto drawing = std::make_shared<standin::CadState>(standin::demoCad());
    auto viewer = std::make_shared<ViewerHolder>(drawing->drawing);
    drawing->onShown = [holder = std::weak_ptr<ViewerHolder>(viewer)] {
        if (auto live = holder.lock()) live->show();
    };

    Backends backends;
    backends.cmm = std::make_unique<standin::MeasurementConnector>(measurement);
    backends.cad = std::make_unique<standin::CadConnector>(drawing);
    backends.extras = viewer;
    return backends;
}

}  // namespace app
