#include "standin/viewer/cad_window.h"

#include <QApplication>
#include <QScreen>
#include <utility>

#include "standin/viewer/drawing_viewer.h"
#include "standin/viewer/viewer_placement.h"

namespace standin::viewer {

CadWindow::CadWindow(std::shared_ptr<CadState> state, QString besideWindow)
    : state_(std::move(state)), besideWindow_(std::move(besideWindow)) {
    state_->onShown = [this] { show(); };
}

CadWindow::~CadWindow() {
    state_->onShown = nullptr;
    delete viewer_;
}

void CadWindow::show() {
    if (!viewer_) {
        viewer_ = new DrawingViewer(state_->drawing);
        viewer_->setAttribute(Qt::WA_QuitOnClose, false);
        placeBesideProgram();
    }
    viewer_->show();
}

// Beside the program's window and wholly on its screen, so that it never lies under the window
// the user works in, which stays on top.
void CadWindow::placeBesideProgram() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != besideWindow_ || !window->isVisible()) continue;
        const QScreen* screen = window->screen();
        if (!screen) return;
        // The viewer gets the same decorations as the program's window once it is shown.
        const QRect programFrame = window->frameGeometry();
        const QRect programInside = window->geometry();
        const QMargins frame(programInside.left() - programFrame.left(),
                             programInside.top() - programFrame.top(),
                             programFrame.right() - programInside.right(),
                             programFrame.bottom() - programInside.bottom());
        const QSize decorations(frame.left() + frame.right(), frame.top() + frame.bottom());
        const QRect placed = placeBeside(
            programFrame, screen->availableGeometry(), viewer_->size() + decorations,
            viewer_->minimumSizeHint().expandedTo(viewer_->minimumSize()) + decorations);
        viewer_->setGeometry(placed.marginsRemoved(frame));
        return;
    }
}

}  // namespace standin::viewer
