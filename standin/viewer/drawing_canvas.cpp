#include "standin/viewer/drawing_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace standin::viewer {
namespace {

constexpr double degreesPerPixel = 0.4;
constexpr double zoomPerNotch = 1.25;

}  // namespace

DrawingCanvas::DrawingCanvas(standin::Drawing& drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing) {
    setObjectName(QStringLiteral("canvas"));
    setMinimumSize(160, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    // Repaint requests merge into one paint, however many entities a press adds before the
    // window gets to draw again.
    drawing_.observe([canvas = QPointer<DrawingCanvas>(this)] {
        if (!canvas) return;
        canvas->renderer_.drawingChanged();
        canvas->update();
    });
}

void DrawingCanvas::setView(ViewCamera::View view) {
    camera_.setView(view);
    zoomToFit();
}

void DrawingCanvas::zoomToFit() {
    following_ = true;
    update();
}

void DrawingCanvas::setSolidStyle(DrawingRenderer::SolidStyle style) {
    renderer_.setSolidStyle(style);
    update();
}

void DrawingCanvas::prepareCamera() {
    camera_.setViewport(size());
    if (following_) camera_.fit(renderer_.extent(drawing_));
}

const QImage& DrawingCanvas::renderFrame() {
    prepareCamera();
    if (frame_.size() != size()) frame_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    renderer_.render(drawing_, camera_, frame_);
    return frame_;
}

QPointF DrawingCanvas::toScreen(const Vec3& point) const {
    const Projected p = camera_.project(point);
    return {p.x, p.y};
}

QString DrawingCanvas::markerTextAt(QPointF pixel) {
    const standin::EntityPtr marker = renderer_.markerAt(drawing_, camera_, pixel);
    return marker ? describeMarker(*marker) : QString();
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, renderFrame());
}

void DrawingCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void DrawingCanvas::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0) return;
    prepareCamera();
    camera_.zoomAbout(event->position(), std::pow(zoomPerNotch, notches));
    following_ = false;
    update();
    event->accept();
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    const bool pan = event->button() == Qt::MiddleButton || event->button() == Qt::RightButton ||
                     (event->button() == Qt::LeftButton && event->modifiers() & Qt::ShiftModifier);
    if (!pan && event->button() != Qt::LeftButton) return;
    prepareCamera();
    drag_ = pan ? Drag::Pan : Drag::Orbit;
    dragFrom_ = event->position();
    setCursor(pan ? Qt::ClosedHandCursor : Qt::SizeAllCursor);
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (drag_ == Drag::None) {
        const QString text = markerTextAt(event->position());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPosition().toPoint(), text, this);
        emit hovered(text);
        return;
    }
    const QPointF moved = event->position() - dragFrom_;
    dragFrom_ = event->position();
    if (drag_ == Drag::Pan) {
        camera_.pan(moved);
        following_ = false;
    } else {
        // Dragging down shows more of the top, dragging sideways turns the part with the pointer.
        camera_.orbit(-moved.x() * degreesPerPixel, moved.y() * degreesPerPixel);
    }
    update();
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent*) {
    drag_ = Drag::None;
    setCursor(Qt::CrossCursor);
}

void DrawingCanvas::leaveEvent(QEvent*) { emit hovered(QString()); }

}  // namespace standin::viewer
