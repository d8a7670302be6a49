#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

#include "standin/drawing.h"
#include "standin/viewer/drawing_renderer.h"
#include "standin/viewer/view_camera.h"

namespace standin::viewer {

// The drawing in three dimensions. Dragging with the left button turns the view about its
// centre, dragging with the middle or right button (or Shift and the left) moves it, the wheel
// zooms about the pointer. Until the user zooms or pans it keeps the whole drawing in view, so
// markers added by a press are never drawn off screen.
class DrawingCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingCanvas(standin::Drawing& drawing, QWidget* parent = nullptr);

    void setView(ViewCamera::View view);
    void zoomToFit();
    void setSolidStyle(DrawingRenderer::SolidStyle style);
    bool followsDrawing() const { return following_; }

    // Renders the drawing as the widget shows it at its current size.
    const QImage& renderFrame();

    const ViewCamera& camera() const { return camera_; }
    QPointF toScreen(const Vec3& point) const;
    // What the viewer says of the marker at this pixel; empty when there is none.
    QString markerTextAt(QPointF pixel);

  signals:
    void hovered(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    enum class Drag { None, Orbit, Pan };

    void prepareCamera();

    standin::Drawing& drawing_;
    ViewCamera camera_;
    DrawingRenderer renderer_;
    QImage frame_;
    bool following_ = true;
    Drag drag_ = Drag::None;
    QPointF dragFrom_;
};

}  // namespace standin::viewer
