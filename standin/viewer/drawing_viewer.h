#pragma once

#include <QWidget>

#include "standin/drawing.h"

class QLabel;

namespace standin::viewer {

class DrawingCanvas;

// The stand-in CAD application's own window: the drawing in three dimensions, a tool bar of
// views ("Top", "Front", "Side", "Isometric"), "Zoom to fit", solids shaded or as edges and
// "Clear drawing", a legend of the marker colours with how many markers carry each, and a line
// that describes the marker under the pointer. It never takes the focus from the program's
// window when it is shown.
class DrawingViewer : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingViewer(standin::Drawing& drawing, QWidget* parent = nullptr);

    DrawingCanvas* canvas() const { return canvas_; }

    // Erases what the program drew, as erasing does in a CAD application; the part stays.
    void clearDrawing();

  private:
    void refreshLegend();

    standin::Drawing& drawing_;
    DrawingCanvas* canvas_;
    QLabel* legend_;
    QLabel* readout_;
    bool legendPending_ = false;
};

}  // namespace standin::viewer
