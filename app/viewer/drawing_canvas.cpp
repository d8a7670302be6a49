#include "app/viewer/drawing_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPolygonF>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "app/viewer/marker_colours.h"

namespace app {
namespace {

using standin::DrawnEntity;
using standin::EntityKind;

// Markers drawn in one colour, gathered so that each colour sets the painter up once.
struct MarkerBatch {
    QColor colour;
    std::vector<QRectF> filled;    // finished markers
    std::vector<QRectF> outlines;  // construction spheres the program left unfinished
    QPolygonF dots;                // markers too small to show as circles at this zoom
};

std::size_t batchOf(const std::optional<std::int32_t>& code) {
    if (!code) return 0;
    if (*code == 1) return 1;
    if (*code == 3) return 2;
    return 3;
}

constexpr double minScale = 1e-6, maxScale = 1e9;

// Filled markers up to this radius in pixels are stamped from a prepared image, which is many
// times faster than rasterising each circle.
constexpr double stampLimit = 24.0;

}  // namespace

DrawingCanvas::DrawingCanvas(standin::Drawing& drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing) {
    setObjectName(QStringLiteral("canvas"));
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
    // Repaint requests merge into one paint, however many entities a press adds before the
    // window gets to draw again.
    drawing_.observe([canvas = QPointer<DrawingCanvas>(this)] {
        if (canvas) canvas->update();
    });
}

void DrawingCanvas::zoomToFit() {
    following_ = true;
    update();
}

QPointF DrawingCanvas::toScreen(const QPointF& world) const {
    return {(world.x() - centre_.x()) * scale_ + width() / 2.0,
            height() / 2.0 - (world.y() - centre_.y()) * scale_};
}

QPointF DrawingCanvas::toWorld(const QPointF& screen) const {
    return {centre_.x() + (screen.x() - width() / 2.0) / scale_,
            centre_.y() - (screen.y() - height() / 2.0) / scale_};
}

QRectF DrawingCanvas::drawingBounds() const {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    auto take = [&](double x, double y, double r) {
        x0 = std::min(x0, x - r);
        x1 = std::max(x1, x + r);
        y0 = std::min(y0, y - r);
        y1 = std::max(y1, y + r);
    };
    auto takeShape = [&](const standin::geometry::Shape& shape) {
        if (const auto* s = std::get_if<standin::geometry::Sphere>(&shape)) {
            take(s->centre[0], s->centre[1], s->radius);
        } else if (const auto* b = std::get_if<standin::geometry::Box>(&shape)) {
            take(b->min[0], b->min[1], 0);
            take(b->max[0], b->max[1], 0);
        } else if (const auto* c = std::get_if<standin::geometry::Cylinder>(&shape)) {
            take(c->baseCentre[0], c->baseCentre[1], c->radius);
        }
    };
    for (const auto& entity : drawing_.entities()) {
        if (entity->discarded) continue;
        switch (entity->kind) {
            case EntityKind::Solid:
                if (entity->shape) takeShape(*entity->shape);
                break;
            case EntityKind::Sphere:
            case EntityKind::Circle:
                take(entity->centre[0], entity->centre[1], entity->radius);
                break;
            case EntityKind::Spline:
                for (std::size_t i = 0; i + 2 < entity->splinePoints.size(); i += 3)
                    take(entity->splinePoints[i], entity->splinePoints[i + 1], 0);
                break;
            case EntityKind::InterferenceSolid:
                break;
        }
    }
    if (!(x0 <= x1 && y0 <= y1)) return {};
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

void DrawingCanvas::fit(const QSize& size) {
    const QRectF bounds = drawingBounds();
    const double extent = std::max(bounds.width(), bounds.height());
    // A lone point or a straight line still gets a sensible square around it.
    const double w = bounds.width() > 0 ? bounds.width() : std::max(extent, 1.0);
    const double h = bounds.height() > 0 ? bounds.height() : std::max(extent, 1.0);
    const double margin = 0.92;
    centre_ = bounds.center();
    scale_ =
        std::clamp(margin * std::min(std::max(size.width(), 1) / w, std::max(size.height(), 1) / h),
                   minScale, maxScale);
}

void DrawingCanvas::paintDrawing(QPainter& painter) {
    if (following_) fit(size());
    painter.fillRect(rect(), Qt::white);

    const QPointF topLeft = toWorld({0, 0});
    const QPointF bottomRight = toWorld(QPointF(width(), height()));
    const double left = topLeft.x(), right = bottomRight.x();
    const double bottom = bottomRight.y(), top = topLeft.y();

    std::array<MarkerBatch, 4> batches;
    batches[0].colour = markerColour(std::nullopt);
    batches[1].colour = markerColour(1);
    batches[2].colour = markerColour(3);
    batches[3].colour = markerColour(7);
    std::vector<QPolygonF> splines;

    painter.setPen(QPen(solidColour(), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const auto& entity : drawing_.entities()) {
        const DrawnEntity& e = *entity;
        if (e.discarded) continue;
        if (e.kind == EntityKind::Solid && e.shape) {
            if (const auto* box = std::get_if<standin::geometry::Box>(&*e.shape)) {
                painter.drawRect(QRectF(toScreen({box->min[0], box->max[1]}),
                                        toScreen({box->max[0], box->min[1]})));
            } else if (const auto* c = std::get_if<standin::geometry::Cylinder>(&*e.shape)) {
                painter.drawEllipse(toScreen({c->baseCentre[0], c->baseCentre[1]}),
                                    c->radius * scale_, c->radius * scale_);
            } else if (const auto* s = std::get_if<standin::geometry::Sphere>(&*e.shape)) {
                painter.drawEllipse(toScreen({s->centre[0], s->centre[1]}), s->radius * scale_,
                                    s->radius * scale_);
            }
        } else if (e.kind == EntityKind::Sphere || e.kind == EntityKind::Circle) {
            const double x = e.centre[0], y = e.centre[1], r = e.radius;
            if (x + r < left || x - r > right || y + r < bottom || y - r > top) continue;
            MarkerBatch& batch = batches[batchOf(e.markCode)];
            const QPointF at = toScreen({x, y});
            const double pixels = r * scale_;
            if (pixels < 1.5) {
                if (e.finished) batch.dots.append(at);
            } else {
                const QRectF circle(at.x() - pixels, at.y() - pixels, 2 * pixels, 2 * pixels);
                (e.finished ? batch.filled : batch.outlines).push_back(circle);
            }
        } else if (e.kind == EntityKind::Spline) {
            QPolygonF line;
            line.reserve(static_cast<qsizetype>(e.splinePoints.size() / 3));
            for (std::size_t i = 0; i + 2 < e.splinePoints.size(); i += 3)
                line.append(toScreen({e.splinePoints[i], e.splinePoints[i + 1]}));
            splines.push_back(std::move(line));
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);

    // Unfinished construction spheres first, so the finished markers stay on top.
    for (bool filled : {false, true}) {
        for (std::size_t b = 0; b < batches.size(); ++b) {
            const MarkerBatch& batch = batches[b];
            const QColor& colour = batch.colour;
            painter.setPen(QPen(filled ? colour.darker(140) : colour, 1));
            painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
            std::map<int, QList<QPainter::PixmapFragment>> stamped;
            for (const QRectF& circle : filled ? batch.filled : batch.outlines) {
                const double pixels = circle.width() / 2;
                if (pixels > stampLimit) {
                    painter.drawEllipse(circle);
                    continue;
                }
                const int size = static_cast<int>(std::lround(pixels * 4));
                const QPixmap& sprite = stamp({b, size, filled}, colour);
                stamped[size].append(QPainter::PixmapFragment::create(
                    circle.center(), QRectF(QPointF(0, 0), QSizeF(sprite.size()))));
            }
            for (const auto& [size, fragments] : stamped)
                painter.drawPixmapFragments(fragments.constData(),
                                            static_cast<int>(fragments.size()),
                                            stamp({b, size, filled}, colour));
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& batch : batches) {
        if (batch.dots.isEmpty()) continue;
        painter.setPen(QPen(batch.colour, 3, Qt::SolidLine, Qt::SquareCap));
        painter.drawPoints(batch.dots);
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(splineColour(), 1.5));
    for (const QPolygonF& line : splines) painter.drawPolyline(line);
}

const QPixmap& DrawingCanvas::stamp(const StampKey& key, const QColor& colour) {
    auto it = stamps_.find(key);
    if (it != stamps_.end()) return it->second;
    if (stamps_.size() > 256) stamps_.clear();  // zooming through many sizes
    const auto [batch, quarterPixels, filled] = key;
    const double pixels = quarterPixels / 4.0;
    const int side = static_cast<int>(std::ceil(2 * pixels)) + 2;
    QPixmap sprite(side, side);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(filled ? colour.darker(140) : colour, 1));
    painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
    const double r = std::max(pixels - 0.5, 0.5);
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
    painter.end();
    return stamps_.emplace(key, std::move(sprite)).first->second;
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintDrawing(painter);
}

void DrawingCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void DrawingCanvas::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0) return;
    const QPointF cursor = event->position();
    const QPointF anchor = toWorld(cursor);
    scale_ = std::clamp(scale_ * std::pow(1.25, notches), minScale, maxScale);
    // Keep the point under the cursor where it was.
    centre_ = {anchor.x() - (cursor.x() - width() / 2.0) / scale_,
               anchor.y() + (cursor.y() - height() / 2.0) / scale_};
    following_ = false;
    update();
    event->accept();
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton) return;
    dragging_ = true;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPointF moved = event->position() - dragFrom_;
    dragFrom_ = event->position();
    centre_ += QPointF(-moved.x() / scale_, moved.y() / scale_);
    following_ = false;
    update();
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
}

}  // namespace app
