#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "standin/drawing.h"
#include "standin/viewer/view_camera.h"

namespace standin::viewer {

// Draws a drawing as the camera sees it, by hand: solids as shaded faces (or their edges),
// finished spheres as shaded balls, the tolerance spheres left unfinished as outlines, circles
// as rings in their plane and splines as smooth curves through their points. Markers are drawn
// back to front; a marker behind a solid is drawn before it, so the part hides it.
// Small markers are copied from prepared images, and what is shown of the drawing is gathered
// once for each change of it, which keeps a press of a hundred thousand markers quick to redraw
// while the view turns.
class DrawingRenderer {
  public:
    enum class SolidStyle { Shaded, Edges };

    // To be called whenever the drawing changes (its observers hear of every change).
    void drawingChanged() { stale_ = true; }
    // Everything shown of the drawing.
    const Extent& extent(const standin::Drawing& drawing);

    void setSolidStyle(SolidStyle style) { solidStyle_ = style; }
    SolidStyle solidStyle() const { return solidStyle_; }

    // Renders into the image, whose size should be the camera's viewport.
    void render(const standin::Drawing& drawing, const ViewCamera& camera, QImage& image);

    // The marker drawn in front at this pixel, if any.
    standin::EntityPtr markerAt(const standin::Drawing& drawing, const ViewCamera& camera,
                                QPointF pixel);

    enum class MarkerStyle : std::uint8_t { Ball, Shell, Ring };
    // A marker of the drawing that is shown.
    struct SceneMarker {
        Vec3 centre;
        double radius;  // drawing units
        std::uint32_t index;
        std::uint8_t legend;
        MarkerStyle style;
    };
    // A solid of the drawing and the ball around it, which spares most markers the exact test
    // of whether it hides them.
    struct SceneSolid {
        standin::EntityPtr entity;
        Vec3 middle;
        double reach;
    };
    // A marker as it lands on the screen.
    struct Marker {
        std::uint64_t order;  // farthest first
        float x, y;
        float radius;  // pixels
        std::uint32_t index;
        std::uint8_t legend;
        MarkerStyle style;
        bool behindSolid;
    };

  private:
    void refresh(const standin::Drawing& drawing);

    struct Sprite {
        int side = 0;
        std::vector<std::uint32_t> pixels;  // premultiplied ARGB, side x side
        struct Run {
            int row, begin, end;
        };
        std::vector<Run> runs;  // where anything is drawn, so that empty pixels cost nothing
    };
    const Sprite& sprite(const Marker& marker, const ViewCamera& camera);
    void drawUnder(QImage& layer, const Marker& marker, const ViewCamera& camera);
    void drawMarkers(QImage& image, std::vector<Marker>::const_iterator from,
                     std::vector<Marker>::const_iterator to, const ViewCamera& camera);

    SolidStyle solidStyle_ = SolidStyle::Shaded;
    std::unordered_map<std::uint64_t, Sprite> sprites_;
    double ringAzimuth_ = 0, ringElevation_ = 0;  // the view the ring sprites were made for
    // What is shown of the drawing, as of its last change.
    bool stale_ = true;
    std::size_t entityCount_ = 0;
    std::vector<SceneMarker> sceneMarkers_;
    std::vector<SceneSolid> solids_;
    std::vector<standin::EntityPtr> splines_;
    Extent extent_;
    std::vector<Marker> markers_;  // this frame's, farthest first
    QImage layer_;                 // markers drawn front to back, before they go over the image
};

// What the viewer says of a marker under the pointer: kind, centre, radius and marker code.
QString describeMarker(const standin::DrawnEntity& entity);

}  // namespace standin::viewer
