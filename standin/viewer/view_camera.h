#pragma once

#include <QPointF>
#include <QSize>
#include <array>
#include <cmath>

#include "standin/drawing.h"

namespace standin::viewer {

using Vec3 = std::array<double, 3>;

// The box that holds everything shown, in drawing units; empty when nothing is shown.
struct Extent {
    Vec3 min{INFINITY, INFINITY, INFINITY};
    Vec3 max{-INFINITY, -INFINITY, -INFINITY};

    bool empty() const { return !(min[0] <= max[0] && min[1] <= max[1] && min[2] <= max[2]); }
    // Takes a ball around a point; anything that is not a number is left out.
    void take(const Vec3& centre, double radius = 0.0);
    void merge(const Extent& other);
};

// The box around one solid.
Extent extentOf(const standin::geometry::Shape& shape);

// Everything the viewer shows of a drawing: solids, markers and splines, but not what the
// program discarded nor the interference solids it made on the way.
Extent extentOf(const standin::Drawing& drawing);

// A point of the drawing as it lands on the screen.
struct Projected {
    double x = 0, y = 0;  // pixels from the top left of the view
    double depth = 0;     // pixels towards the viewer from the plane through the view's centre
};

// A parallel projection, as CAD programs show parts: the view direction is given by an azimuth
// about Z and an elevation above the XY plane, the view is centred on a point of the drawing and
// scaled in pixels per drawing unit. All arithmetic stays finite for coordinates up to the
// largest doubles, so a drawing far from the origin or of enormous size can still be framed.
class ViewCamera {
  public:
    enum class View { Top, Front, Side, Isometric };

    ViewCamera();

    void setView(View view);
    // Turns the view about its centre; the elevation stops at straight down and straight up.
    void orbit(double azimuthDegrees, double elevationDegrees);
    void setViewport(QSize size) { viewport_ = size; }
    QSize viewport() const { return viewport_; }

    // Centres the extent and scales it to fill most of the viewport.
    void fit(const Extent& extent);
    // Scales by the factor, keeping the drawing point under the cursor where it was.
    void zoomAbout(QPointF cursor, double factor);
    // Moves the drawing with the pointer by that many pixels.
    void pan(QPointF pixels);

    Projected project(const Vec3& point) const;
    // The drawing point on the plane through the view's centre that shows at this pixel.
    Vec3 pointAt(QPointF pixel) const;

    double scale() const { return scale_; }
    double azimuth() const { return azimuth_; }
    double elevation() const { return elevation_; }
    const Vec3& centre() const { return centre_; }
    // Screen axes in drawing coordinates: right, up, and out of the screen towards the viewer.
    const Vec3& right() const { return right_; }
    const Vec3& up() const { return up_; }
    const Vec3& toward() const { return toward_; }

  private:
    void setAngles(double azimuth, double elevation);
    void moveCentre(double rightPixels, double upPixels);

    double azimuth_ = 0, elevation_ = 90;  // degrees
    Vec3 right_{}, up_{}, toward_{};
    Vec3 centre_{0, 0, 0};
    double scale_ = 1.0;
    QSize viewport_{640, 480};
};

}  // namespace standin::viewer
