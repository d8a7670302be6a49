#pragma once

#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <cstddef>
#include <map>
#include <tuple>

#include "standin/drawing.h"

namespace app {

// The drawing seen from the top, X to the right and Y up. Until the user zooms or pans it keeps
// the whole drawing in view, so markers added by a press are never drawn off screen.
class DrawingCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingCanvas(standin::Drawing& drawing, QWidget* parent = nullptr);

    void zoomToFit();
    bool followsDrawing() const { return following_; }

    // Paints the drawing as the widget shows it at its current size, onto any device.
    void paintDrawing(QPainter& painter);

    QPointF toScreen(const QPointF& world) const;
    QPointF toWorld(const QPointF& screen) const;
    double pixelsPerUnit() const { return scale_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRectF drawingBounds() const;
    void fit(const QSize& size);
    // Colour group, radius in quarter pixels, filled or outline.
    using StampKey = std::tuple<std::size_t, int, bool>;
    // A prepared image of one marker, stamped wherever such a marker is drawn.
    const QPixmap& stamp(const StampKey& key, const QColor& colour);

    standin::Drawing& drawing_;
    QPointF centre_{0, 0};  // world point at the middle of the widget
    double scale_ = 1.0;    // pixels per drawing unit
    bool following_ = true;
    bool dragging_ = false;
    QPointF dragFrom_;
    std::map<StampKey, QPixmap> stamps_;
};

}  // namespace app
