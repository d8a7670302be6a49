#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    void placeBesideForm() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != QLatin1String("Form1") || !window->isVisible()) continue;
            const QRect frame = window->frameGeometry();
            QPoint place(frame.right() + 8, frame.top());
            if (const QScreen* screen = window->screen()) {
                const QRect room = screen->availableGeometry();
                if (place.x() + viewer_->width() > room.right()) {
                    place.setX(std::max(room.left(), frame.left() - viewer_->width() - 8));
                }
            }
            viewer_->move(place);
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
