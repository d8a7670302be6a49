#include "standin/viewer/drawing_renderer.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "standin/viewer/marker_colours.h"

namespace standin::viewer {
namespace {

using standin::DrawnEntity;
using standin::EntityKind;
namespace geometry = standin::geometry;

// Markers up to this radius in pixels are copied from prepared images; larger ones are shaded
// pixel by pixel, only where they show.
constexpr double spriteLimit = 40.0;
// Markers smaller than this are drawn at this radius, so that every point stays visible.
constexpr double leastBall = 1.5, leastRing = 2.0;
// Where polygons and lines are cut before they reach the painter, beyond the image's edges.
constexpr double clipMargin = 16.0;
constexpr double ringPen = 1.6;

double dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec3 unit(Vec3 v) {
    const double length = std::sqrt(dot(v, v));
    return {v[0] / length, v[1] / length, v[2] / length};
}

// Light from the upper left, somewhat in front, in screen axes (right, up, toward the viewer).
const Vec3 light = unit({-0.45, 0.55, 0.70});
const Vec3 halfway = unit({light[0], light[1], light[2] + 1.0});

std::uint32_t premultiplied(double r, double g, double b, double coverage) {
    auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0) + 0.5);
    };
    // A colour channel never exceeds the coverage it is premultiplied with.
    const double a = std::clamp(coverage, 0.0, 1.0);
    return channel(255 * a) << 24 | channel(std::min(r, 255.0) * a) << 16 |
           channel(std::min(g, 255.0) * a) << 8 | channel(std::min(b, 255.0) * a);
}

// One pixel of a ball or of a sphere's outline, dx and dy pixels right of and below its centre.
std::uint32_t ballPixel(double dx, double dy, double radius, const QColor& colour, bool outline) {
    const double d = std::hypot(dx, dy);
    if (outline) {
        const double coverage = 0.9 * (1.0 - std::abs(d - (radius - 0.7)) / 0.9);
        if (coverage <= 0) return 0;
        return premultiplied(colour.red(), colour.green(), colour.blue(), coverage);
    }
    const double coverage = radius + 0.5 - d;
    if (coverage <= 0) return 0;
    const double nx = dx / radius, ny = -dy / radius;
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double diffuse = std::max(0.0, nx * light[0] + ny * light[1] + nz * light[2]);
    const double shine =
        0.45 * std::pow(std::max(0.0, nx * halfway[0] + ny * halfway[1] + nz * halfway[2]), 24);
    const double k = 0.32 + 0.68 * diffuse;
    return premultiplied(colour.red() * k + 255 * shine, colour.green() * k + 255 * shine,
                         colour.blue() * k + 255 * shine, coverage);
}

// The scale of a premultiplied pixel by a share out of 255.
std::uint32_t scaled(std::uint32_t pixel, std::uint32_t share) {
    const std::uint32_t rb = ((pixel & 0x00ff00ffu) * share + 0x00800080u) >> 8 & 0x00ff00ffu;
    const std::uint32_t ag = ((pixel >> 8 & 0x00ff00ffu) * share + 0x00800080u) & 0xff00ff00u;
    return rb + ag;
}

// Source over destination, both premultiplied.
void over(std::uint32_t& destination, std::uint32_t source) {
    const std::uint32_t alpha = source >> 24;
    if (alpha == 255)
        destination = source;
    else if (alpha != 0)
        destination = source + scaled(destination, 255 - alpha);
}

// Destination over source: markers go front to back, so a pixel already covered costs a read.
void under(std::uint32_t& destination, std::uint32_t source) {
    const std::uint32_t covered = destination >> 24;
    if (covered == 255 || source == 0) return;
    destination += covered == 0 ? source : scaled(source, 255 - covered);
}

// The parameter interval along p + k * t that lies inside the solid; empty when first > second.
std::pair<double, double> inside(const geometry::Shape& shape, const Vec3& p, const Vec3& t) {
    constexpr std::pair<double, double> none{1, 0};
    std::pair<double, double> span{-INFINITY, INFINITY};
    auto slab = [&](double from, double low, double high, double along) {
        if (std::abs(along) < 1e-12) {
            if (from < low || from > high) span = none;
            return;
        }
        double k1 = (low - from) / along, k2 = (high - from) / along;
        if (k1 > k2) std::swap(k1, k2);
        span.first = std::max(span.first, k1);
        span.second = std::min(span.second, k2);
    };
    // Where p + k t lies within the radius of a centre, measured across the given axes only.
    auto ball = [&](const Vec3& centre, double radius, int axes) {
        double a = 0, b = 0, c = -radius * radius;
        for (int i = 0; i < axes; ++i) {
            const double d = p[i] - centre[i];
            a += t[i] * t[i];
            b += d * t[i];
            c += d * d;
        }
        if (a < 1e-12) {
            if (c > 0) span = none;
            return;
        }
        const double disc = b * b - a * c;
        if (disc < 0) {
            span = none;
            return;
        }
        const double root = std::sqrt(disc);
        span.first = std::max(span.first, (-b - root) / a);
        span.second = std::min(span.second, (-b + root) / a);
    };
    if (const auto* box = std::get_if<geometry::Box>(&shape)) {
        for (int i = 0; i < 3; ++i) slab(p[i], box->min[i], box->max[i], t[i]);
    } else if (const auto* cylinder = std::get_if<geometry::Cylinder>(&shape)) {
        ball(cylinder->baseCentre, cylinder->radius, 2);
        slab(p[2], cylinder->baseCentre[2], cylinder->baseCentre[2] + cylinder->height, t[2]);
    } else if (const auto* sphere = std::get_if<geometry::Sphere>(&shape)) {
        ball(sphere->centre, sphere->radius, 3);
    }
    return span;
}

// True when the solid lies between the point and the viewer.
bool hides(const DrawingRenderer::SceneSolid& solid, const Vec3& p, const Vec3& toward) {
    const Vec3 d{solid.middle[0] - p[0], solid.middle[1] - p[1], solid.middle[2] - p[2]};
    const double along = dot(d, toward);
    if (along < -solid.reach || dot(d, d) - along * along > solid.reach * solid.reach) return false;
    const auto [enter, leave] = inside(*solid.entity->shape, p, toward);
    return enter <= leave && leave > std::max(enter, 0.0) + 1e-9 * (1 + std::abs(leave));
}

// A tolerance check draws its spheres around a point just before the point's own finished
// marker: those of them inside it can never be seen.
bool insideNextMarker(const std::vector<standin::EntityPtr>& entities, std::size_t i) {
    const DrawnEntity& shell = *entities[i];
    for (std::size_t next = i + 1; next < std::min(i + 3, entities.size()); ++next) {
        const DrawnEntity& e = *entities[next];
        if (e.kind == EntityKind::Sphere && e.finished && !e.discarded &&
            e.centre == shell.centre && e.radius >= shell.radius)
            return true;
    }
    return false;
}

// Farthest first, then in the order added; the markers behind a solid before all others. The top
// bit is clear for those.
std::uint64_t drawingOrder(bool behindSolid, float depth, std::uint32_t index) {
    std::uint32_t bits;
    std::memcpy(&bits, &depth, sizeof bits);
    const std::uint32_t ordered = bits & 0x80000000u ? ~bits : bits | 0x80000000u;
    return static_cast<std::uint64_t>(behindSolid ? 0 : 1) << 63 |
           static_cast<std::uint64_t>(ordered) << 31 | (index & 0x7fffffffu);
}

// Cuts a polygon to the rectangle (Sutherland-Hodgman), so that the painter never sees
// coordinates far outside the image, however far the view is zoomed in.
QPolygonF clipped(const QPolygonF& polygon, const QRectF& rect) {
    QPolygonF result = polygon;
    for (int edge = 0; edge < 4 && !result.isEmpty(); ++edge) {
        auto keep = [&](const QPointF& p) {
            switch (edge) {
                case 0:
                    return p.x() >= rect.left();
                case 1:
                    return p.x() <= rect.right();
                case 2:
                    return p.y() >= rect.top();
                default:
                    return p.y() <= rect.bottom();
            }
        };
        auto cut = [&](const QPointF& a, const QPointF& b) {
            const double s =
                edge < 2 ? ((edge == 0 ? rect.left() : rect.right()) - a.x()) / (b.x() - a.x())
                         : ((edge == 2 ? rect.top() : rect.bottom()) - a.y()) / (b.y() - a.y());
            return a + (b - a) * s;
        };
        QPolygonF input = std::move(result);
        result.clear();
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QPointF& current = input[i];
            const QPointF& previous = input[(i + input.size() - 1) % input.size()];
            if (keep(current)) {
                if (!keep(previous)) result << cut(previous, current);
                result << current;
            } else if (keep(previous)) {
                result << cut(previous, current);
            }
        }
    }
    return result;
}

// Cuts a line to the rectangle (Liang-Barsky); false when nothing of it is inside.
bool clipLine(QPointF& a, QPointF& b, const QRectF& rect) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                        rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const QPointF from = a;
    a = from + QPointF(dx, dy) * t0;
    b = from + QPointF(dx, dy) * t1;
    return true;
}

// The outline of a circle of the drawing, which lies in the XY plane, around a screen point.
QPolygonF ringOutline(const ViewCamera& camera, QPointF centre, double pixels) {
    constexpr int steps = 72;
    const Vec3 &right = camera.right(), &up = camera.up();
    QPolygonF outline;
    for (int i = 0; i < steps; ++i) {
        const double a = i * 2 * 3.14159265358979323846 / steps;
        const double x = std::cos(a) * pixels, y = std::sin(a) * pixels;
        outline << centre + QPointF(x * right[0] + y * right[1], -(x * up[0] + y * up[1]));
    }
    return outline;
}

QPointF at(const ViewCamera& camera, const Vec3& point) {
    const Projected p = camera.project(point);
    return {p.x, p.y};
}

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Paints the solids of the drawing, farthest first.
class SolidPainter {
  public:
    SolidPainter(QPainter& painter, const ViewCamera& camera, DrawingRenderer::SolidStyle style,
                 const QRectF& clip)
        : painter_(painter),
          camera_(camera),
          shaded_(style == DrawingRenderer::SolidStyle::Shaded),
          clip_(clip) {}

    void paint(const geometry::Shape& shape) {
        if (const auto* box = std::get_if<geometry::Box>(&shape))
            paintBox(*box);
        else if (const auto* cylinder = std::get_if<geometry::Cylinder>(&shape))
            paintCylinder(*cylinder);
        else if (const auto* sphere = std::get_if<geometry::Sphere>(&shape))
            paintSphere(*sphere);
    }

  private:
    // A face's brightness from its outward normal; negative when it faces away.
    double facing(const Vec3& normal) const { return dot(normal, camera_.toward()); }
    QColor shade(const Vec3& normal) const {
        const Vec3 n{dot(normal, camera_.right()), dot(normal, camera_.up()),
                     dot(normal, camera_.toward())};
        const double k = 0.5 + 0.5 * std::max(0.0, dot(n, light));
        const QColor base = solidColour();
        return QColor::fromRgbF(static_cast<float>(base.redF() * k),
                                static_cast<float>(base.greenF() * k),
                                static_cast<float>(base.blueF() * k));
    }

    void face(const QPolygonF& outline, const QColor& fill, bool edges) {
        const QPolygonF shown = clipped(outline, clip_);
        if (shown.size() < 3) return;
        painter_.setBrush(fill);
        painter_.setPen(edges ? QPen(solidEdgeColour(), 1.2) : QPen(fill, 1.0));
        painter_.drawPolygon(shown);
    }

    void line(QPointF a, QPointF b) {
        if (!finite(a) || !finite(b) || !clipLine(a, b, clip_)) return;
        painter_.drawLine(a, b);
    }

    void paintBox(const geometry::Box& box) {
        QPointF corners[8];
        for (int i = 0; i < 8; ++i)
            corners[i] =
                at(camera_, {i & 1 ? box.max[0] : box.min[0], i & 2 ? box.max[1] : box.min[1],
                             i & 4 ? box.max[2] : box.min[2]});
        static constexpr int faces[6][4] = {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4},
                                            {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}};
        static constexpr Vec3 normals[6] = {{-1, 0, 0}, {1, 0, 0},  {0, -1, 0},
                                            {0, 1, 0},  {0, 0, -1}, {0, 0, 1}};
        painter_.setPen(QPen(solidEdgeColour(), 1.2));
        for (int f = 0; f < 6; ++f) {
            if (shaded_ && facing(normals[f]) <= 1e-9) continue;
            QPolygonF outline;
            for (int c : faces[f]) outline << corners[c];
            if (shaded_) {
                face(outline, shade(normals[f]), true);
            } else {
                for (int c = 0; c < 4; ++c) line(outline[c], outline[(c + 1) % 4]);
            }
        }
    }

    void paintCylinder(const geometry::Cylinder& c) {
        constexpr int sides = 64;
        constexpr double turn = 2 * 3.14159265358979323846 / sides;
        const Vec3& base = c.baseCentre;
        QPolygonF bottom, top;
        for (int i = 0; i < sides; ++i) {
            const double x = base[0] + c.radius * std::cos(i * turn);
            const double y = base[1] + c.radius * std::sin(i * turn);
            bottom << at(camera_, {x, y, base[2]});
            top << at(camera_, {x, y, base[2] + c.height});
        }
        auto sideNormal = [&](int i) {
            return Vec3{std::cos((i + 0.5) * turn), std::sin((i + 0.5) * turn), 0};
        };
        if (shaded_) {
            for (int i = 0; i < sides; ++i) {
                const Vec3 normal = sideNormal(i);
                if (facing(normal) <= 1e-9) continue;
                const int j = (i + 1) % sides;
                face(QPolygonF{bottom[i], bottom[j], top[j], top[i]}, shade(normal), false);
            }
        }
        painter_.setPen(QPen(solidEdgeColour(), 1.2));
        painter_.setBrush(Qt::NoBrush);
        for (int i = 0; i < sides; ++i) {
            const int j = (i + 1) % sides;
            const bool front = facing(sideNormal(i)) > 1e-9;
            const bool nextFront = facing(sideNormal(j)) > 1e-9;
            if (!shaded_ || front) {
                line(bottom[i], bottom[j]);
                line(top[i], top[j]);
            }
            // The outline along the side, where the surface turns away.
            if (front != nextFront) line(bottom[j], top[j]);
        }
        const double upward = camera_.toward()[2];
        if (shaded_ && std::abs(upward) > 1e-9)
            face(upward > 0 ? top : bottom, shade({0, 0, upward > 0 ? 1.0 : -1.0}), true);
    }

    void paintSphere(const geometry::Sphere& s) {
        const QPointF centre = at(camera_, s.centre);
        const double r = s.radius * camera_.scale();
        if (!finite(centre) || !std::isfinite(r) || r > 1e6) return;
        if (!clip_.adjusted(-r, -r, r, r).contains(centre)) return;
        if (shaded_) {
            QRadialGradient gradient(centre + QPointF(-0.4 * r, -0.45 * r), 1.4 * r);
            gradient.setColorAt(0, solidColour().lighter(125));
            gradient.setColorAt(1, solidColour().darker(170));
            painter_.setBrush(gradient);
        } else {
            painter_.setBrush(Qt::NoBrush);
        }
        painter_.setPen(QPen(solidEdgeColour(), 1.2));
        painter_.drawEllipse(centre, r, r);
    }

    QPainter& painter_;
    const ViewCamera& camera_;
    bool shaded_;
    QRectF clip_;
};

// A smooth curve through every point (Catmull-Rom), as the spline passes through its fit points.
// The projection is linear, so the curve can be made from the projected points.
QPolygonF smoothThrough(const std::vector<QPointF>& points) {
    QPolygonF curve;
    if (points.empty()) return curve;
    curve << points[0];
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF& p0 = points[i == 0 ? 0 : i - 1];
        const QPointF& p1 = points[i];
        const QPointF& p2 = points[i + 1];
        const QPointF& p3 = points[std::min(i + 2, points.size() - 1)];
        const double length = std::hypot(p2.x() - p1.x(), p2.y() - p1.y());
        const int steps = std::clamp(static_cast<int>(length / 3.0), 1, 24);
        for (int s = 1; s <= steps; ++s) {
            const double t = static_cast<double>(s) / steps, t2 = t * t, t3 = t2 * t;
            curve << 0.5 * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                            (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
        }
    }
    return curve;
}

void paintSpline(QPainter& painter, const ViewCamera& camera, const DrawnEntity& spline,
                 const QRectF& clip) {
    std::vector<QPointF> points;
    points.reserve(spline.splinePoints.size() / 3);
    for (std::size_t i = 0; i + 2 < spline.splinePoints.size(); i += 3) {
        const QPointF p = at(camera, {spline.splinePoints[i], spline.splinePoints[i + 1],
                                      spline.splinePoints[i + 2]});
        if (finite(p)) points.push_back(p);
    }
    const QPolygonF curve = smoothThrough(points);
    // Cut piece by piece, keeping runs that stay inside as one polyline.
    QPolygonF run;
    for (qsizetype i = 0; i + 1 < curve.size(); ++i) {
        QPointF a = curve[i], b = curve[i + 1];
        const bool whole = clip.contains(a) && clip.contains(b);
        if (!whole && !clipLine(a, b, clip)) continue;
        if (run.isEmpty() || run.last() != a) {
            if (run.size() > 1) painter.drawPolyline(run);
            run.clear();
            run << a;
        }
        run << b;
    }
    if (run.size() > 1) painter.drawPolyline(run);
}

}  // namespace

const DrawingRenderer::Sprite& DrawingRenderer::sprite(const Marker& marker,
                                                       const ViewCamera& camera) {
    const auto quarterPixels = static_cast<std::uint64_t>(std::lround(marker.radius * 4));
    const std::uint64_t key =
        quarterPixels << 16 | static_cast<std::uint64_t>(marker.style) << 8 | marker.legend;
    auto found = sprites_.find(key);
    if (found != sprites_.end()) return found->second;
    if (sprites_.size() > 512) sprites_.clear();  // zooming through many sizes

    const double radius = quarterPixels / 4.0;
    Sprite made;
    made.side = 2 * static_cast<int>(std::ceil(radius)) + 3;
    made.pixels.assign(static_cast<std::size_t>(made.side) * made.side, 0);
    const QColor colour = legendColour(marker.legend);
    const double middle = made.side / 2 + 0.5;
    if (marker.style == MarkerStyle::Ring) {
        // A circle of the drawing lies in its XY plane: seen at a slant it is an ellipse, seen
        // edge on a line.
        QImage ring(made.side, made.side, QImage::Format_ARGB32_Premultiplied);
        ring.fill(Qt::transparent);
        QPainter painter(&ring);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(colour, ringPen));
        painter.drawPolygon(ringOutline(camera, QPointF(middle, middle), radius));
        painter.end();
        for (int y = 0; y < made.side; ++y) {
            const auto* line = reinterpret_cast<const std::uint32_t*>(ring.constScanLine(y));
            std::copy(line, line + made.side, made.pixels.begin() + y * made.side);
        }
    } else {
        for (int y = 0; y < made.side; ++y)
            for (int x = 0; x < made.side; ++x)
                made.pixels[static_cast<std::size_t>(y) * made.side + x] =
                    ballPixel(x + 0.5 - middle, y + 0.5 - middle, radius, colour,
                              marker.style == MarkerStyle::Shell);
    }
    for (int y = 0; y < made.side; ++y) {
        const std::uint32_t* row = made.pixels.data() + static_cast<std::size_t>(y) * made.side;
        for (int x = 0; x < made.side;) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int begin = x;
            while (x < made.side && row[x] != 0) ++x;
            made.runs.push_back({y, begin, x});
        }
    }
    return sprites_.emplace(key, std::move(made)).first->second;
}

void DrawingRenderer::drawUnder(QImage& layer, const Marker& marker, const ViewCamera& camera) {
    const int width = layer.width(), height = layer.height();
    auto* bits = reinterpret_cast<std::uint32_t*>(layer.bits());
    const auto stride = layer.bytesPerLine() / 4;
    if (marker.radius <= spriteLimit) {
        const Sprite& s = sprite(marker, camera);
        const int left = static_cast<int>(std::floor(marker.x)) - s.side / 2;
        const int top = static_cast<int>(std::floor(marker.y)) - s.side / 2;
        const int firstRow = -top, lastRow = height - top;
        const int firstColumn = -left, lastColumn = width - left;
        for (const Sprite::Run& run : s.runs) {
            if (run.row < firstRow || run.row >= lastRow) continue;
            std::uint32_t* row = bits + (top + run.row) * stride + left;
            const std::uint32_t* from =
                s.pixels.data() + static_cast<std::size_t>(run.row) * s.side;
            const int end = std::min(run.end, lastColumn);
            for (int x = std::max(run.begin, firstColumn); x < end; ++x) under(row[x], from[x]);
        }
        return;
    }
    // Shaded where it shows only: zoomed in, one ball may be far larger than the view.
    const QColor colour = legendColour(marker.legend);
    const bool outline = marker.style == MarkerStyle::Shell;
    const double r = marker.radius;
    const int y0 = std::max(0, static_cast<int>(std::floor(marker.y - r - 1)));
    const int y1 = std::min(height, static_cast<int>(std::ceil(marker.y + r + 1)));
    for (int y = y0; y < y1; ++y) {
        const double dy = y + 0.5 - marker.y;
        const double reach = std::sqrt(std::max(0.0, (r + 1) * (r + 1) - dy * dy));
        const int x0 = std::max(0, static_cast<int>(std::floor(marker.x - reach)));
        const int x1 = std::min(width, static_cast<int>(std::ceil(marker.x + reach)));
        std::uint32_t* row = bits + y * stride;
        for (int x = x0; x < x1; ++x)
            if (row[x] >> 24 != 255)
                under(row[x], ballPixel(x + 0.5 - marker.x, dy, r, colour, outline));
    }
}

void DrawingRenderer::drawMarkers(QImage& image, std::vector<Marker>::const_iterator from,
                                  std::vector<Marker>::const_iterator to,
                                  const ViewCamera& camera) {
    if (from == to) return;
    if (layer_.size() != image.size())
        layer_ = QImage(image.size(), QImage::Format_ARGB32_Premultiplied);
    layer_.fill(Qt::transparent);
    // Nearest first into a layer of their own, then the layer over what is drawn already.
    for (auto m = to; m != from;) {
        --m;
        if (m->style != MarkerStyle::Ring || m->radius <= spriteLimit)
            drawUnder(layer_, *m, camera);
    }
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        const auto* top = reinterpret_cast<const std::uint32_t*>(layer_.constScanLine(y));
        for (int x = 0; x < width; ++x) over(row[x], top[x]);
    }
}

void DrawingRenderer::render(const standin::Drawing& drawing, const ViewCamera& camera,
                             QImage& image) {
    if (image.isNull()) return;  // a window shrunk to nothing
    image.fill(Qt::white);
    if (camera.azimuth() != ringAzimuth_ || camera.elevation() != ringElevation_) {
        std::erase_if(sprites_, [](const auto& entry) {
            return (entry.first >> 8 & 0xff) == static_cast<int>(MarkerStyle::Ring);
        });
        ringAzimuth_ = camera.azimuth();
        ringElevation_ = camera.elevation();
    }
    const QRectF clip =
        QRectF(image.rect()).adjusted(-clipMargin, -clipMargin, clipMargin, clipMargin);

    refresh(drawing);
    markers_.clear();
    const double width = image.width(), height = image.height();
    for (const SceneMarker& m : sceneMarkers_) {
        const Projected p = camera.project(m.centre);
        const double least = m.style == MarkerStyle::Ball ? leastBall : leastRing;
        const double r = std::max(m.radius * camera.scale(), least);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(r)) continue;
        if (p.x + r < 0 || p.x - r > width || p.y + r < 0 || p.y - r > height) continue;
        bool behind = false;
        for (const SceneSolid& solid : solids_)
            behind = behind || hides(solid, m.centre, camera.toward());
        // By the point of each nearest the viewer: of spheres around one point the smaller go
        // under the larger. Only the order matters, so a depth out of range counts as zero.
        const double depth = std::isfinite(p.depth + r) ? p.depth + r : 0.0;
        markers_.push_back({drawingOrder(behind, static_cast<float>(depth), m.index),
                            static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(r),
                            m.index, m.legend, m.style, behind});
    }
    std::sort(markers_.begin(), markers_.end(),
              [](const Marker& a, const Marker& b) { return a.order < b.order; });

    const std::vector<Marker>::const_iterator firstInFront = std::find_if(
        markers_.begin(), markers_.end(), [](const Marker& m) { return !m.behindSolid; });
    drawMarkers(image, markers_.begin(), firstInFront, camera);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    std::vector<std::pair<double, const geometry::Shape*>> solids;
    for (const SceneSolid& solid : solids_)
        solids.emplace_back(camera.project(solid.middle).depth, &*solid.entity->shape);
    std::stable_sort(solids.begin(), solids.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    SolidPainter solidPainter(painter, camera, solidStyle_, clip);
    for (const auto& solid : solids) solidPainter.paint(*solid.second);
    painter.end();

    drawMarkers(image, firstInFront, markers_.end(), camera);

    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    // Large rings are drawn as outlines last; they cover little.
    for (auto m = markers_.begin(); m != markers_.end(); ++m) {
        if (m->style != MarkerStyle::Ring || m->radius <= spriteLimit) continue;
        if (m->radius > 1e6) continue;
        painter.setPen(QPen(legendColour(m->legend), ringPen));
        painter.drawPolygon(clipped(ringOutline(camera, QPointF(m->x, m->y), m->radius), clip));
    }
    painter.setPen(QPen(splineColour(), 1.6));
    for (const auto& spline : splines_) paintSpline(painter, camera, *spline, clip);
}

void DrawingRenderer::refresh(const standin::Drawing& drawing) {
    const auto& entities = drawing.entities();
    if (!stale_ && entities.size() == entityCount_) return;
    stale_ = false;
    entityCount_ = entities.size();
    sceneMarkers_.clear();
    solids_.clear();
    splines_.clear();
    extent_ = extentOf(drawing);
    for (std::size_t i = 0; i < entities.size(); ++i) {
        const DrawnEntity& e = *entities[i];
        if (e.discarded) continue;
        if (e.kind == EntityKind::Spline) {
            splines_.push_back(entities[i]);
        } else if (e.kind == EntityKind::Solid && e.shape) {
            const Extent box = extentOf(*e.shape);
            if (box.empty()) continue;
            Vec3 middle{}, half{};
            for (int a = 0; a < 3; ++a) {
                middle[a] = box.min[a] / 2 + box.max[a] / 2;
                half[a] = box.max[a] / 2 - box.min[a] / 2;
            }
            solids_.push_back({entities[i], middle, std::sqrt(dot(half, half)) * (1 + 1e-9)});
        } else if (e.kind == EntityKind::Sphere || e.kind == EntityKind::Circle) {
            const MarkerStyle style = e.kind == EntityKind::Circle ? MarkerStyle::Ring
                                      : e.finished                 ? MarkerStyle::Ball
                                                                   : MarkerStyle::Shell;
            if (style == MarkerStyle::Shell && insideNextMarker(entities, i)) continue;
            sceneMarkers_.push_back({e.centre, e.radius, static_cast<std::uint32_t>(i),
                                     static_cast<std::uint8_t>(legendIndex(e.markCode)), style});
        }
    }
}

const Extent& DrawingRenderer::extent(const standin::Drawing& drawing) {
    refresh(drawing);
    return extent_;
}

standin::EntityPtr DrawingRenderer::markerAt(const standin::Drawing& drawing,
                                             const ViewCamera& camera, QPointF pixel) {
    refresh(drawing);
    const SceneMarker* found = nullptr;
    double foundDepth = -INFINITY;
    for (const SceneMarker& m : sceneMarkers_) {
        const Projected p = camera.project(m.centre);
        // Small markers can be picked from a few pixels away.
        const double reach = std::max(m.radius * camera.scale(), 4.0);
        if (!(std::hypot(p.x - pixel.x(), p.y - pixel.y()) <= reach)) continue;
        // The one in front; of markers around one point the point's own finished marker.
        const bool ahead = p.depth > foundDepth + 1e-6;
        const bool level = !ahead && p.depth >= foundDepth - 1e-6;
        const auto rank = [](const SceneMarker& s) { return s.style == MarkerStyle::Shell; };
        if (!ahead && !(level && (rank(m) < rank(*found) ||
                                  (rank(m) == rank(*found) && m.radius < found->radius))))
            continue;
        found = &m;
        foundDepth = p.depth;
    }
    return found ? drawing.entities()[found->index] : nullptr;
}

QString describeMarker(const DrawnEntity& entity) {
    auto number = [](double v) { return QString::number(v, 'g', 10); };
    QString kind = entity.kind == EntityKind::Circle ? QStringLiteral("Circle")
                   : entity.finished                 ? QStringLiteral("Sphere")
                                                     : QStringLiteral("Tolerance sphere");
    const QString code = entity.markCode ? QStringLiteral("marker code %1").arg(*entity.markCode)
                                         : QStringLiteral("unmarked");
    return QStringLiteral("%1 at X=%2 Y=%3 Z=%4, radius %5, %6")
        .arg(kind, number(entity.centre[0]), number(entity.centre[1]), number(entity.centre[2]),
             number(entity.radius), code);
}

}  // namespace standin::viewer
