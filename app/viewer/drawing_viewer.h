#pragma once

#include <QWidget>

#include "standin/drawing.h"

namespace app {

class DrawingCanvas;

// The stand-in CAD application's own window: the drawing, a "Zoom to fit" button and a legend of
// the marker colours. It never takes the focus from the program's window when it is shown.
class DrawingViewer : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingViewer(standin::Drawing& drawing, QWidget* parent = nullptr);

    DrawingCanvas* canvas() const { return canvas_; }

  private:
    DrawingCanvas* canvas_;
};

}  // namespace app
