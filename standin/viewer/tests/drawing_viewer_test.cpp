#include "standin/viewer/drawing_viewer.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QToolBar>
#include <QtTest>
#include <cmath>

#include "standin/cad.h"
#include "standin/viewer/drawing_canvas.h"
#include "standin/viewer/marker_colours.h"
#include "standin/viewer/viewer_placement.h"

using standin::DrawnEntity;
using standin::EntityKind;
using standin::viewer::DrawingCanvas;
using standin::viewer::DrawingViewer;
using standin::viewer::ViewCamera;

namespace {

standin::EntityPtr addMarker(standin::Drawing& drawing, points::Point3 centre, double r,
                             std::optional<std::int32_t> code, bool finished = true,
                             EntityKind kind = EntityKind::Sphere) {
    DrawnEntity e;
    e.kind = kind;
    e.centre = centre;
    e.radius = r;
    e.markCode = code;
    e.finished = finished;
    return drawing.add(e);
}

void addBlock(standin::Drawing& drawing) {
    DrawnEntity block;
    block.kind = EntityKind::Solid;
    block.shape = standin::geometry::Box{{0, 0, 0}, {120, 80, 30}};
    drawing.add(block);
}

void addSpline(standin::Drawing& drawing, std::vector<double> points) {
    DrawnEntity spline;
    spline.kind = EntityKind::Spline;
    spline.splinePoints = std::move(points);
    drawing.add(spline);
}

enum class Hue { White, Grey, Red, Green, Blue, Orange, Other };

// Markers and solids are shaded, so a pixel is judged by which colour it leans to, not by value.
Hue hueOf(const QColor& c) {
    const int r = c.red(), g = c.green(), b = c.blue();
    if (r > 245 && g > 245 && b > 245) return Hue::White;
    if (std::max({r, g, b}) - std::min({r, g, b}) < 30) return Hue::Grey;
    if (r > g + 40 && r > b + 40) return g > b + 40 ? Hue::Orange : Hue::Red;
    if (g > r + 40 && g > b + 20) return Hue::Green;
    if (b > r + 40 && b > g + 20) return Hue::Blue;
    return Hue::Other;
}

Hue hueAt(const QImage& image, QPointF at) { return hueOf(image.pixelColor(at.toPoint())); }

// Whether a pixel of that hue lies within a few pixels of the point.
bool hueNear(const QImage& image, QPointF at, Hue hue, int reach = 2) {
    for (int dx = -reach; dx <= reach; ++dx)
        for (int dy = -reach; dy <= reach; ++dy)
            if (image.rect().contains((at + QPointF(dx, dy)).toPoint()) &&
                hueAt(image, at + QPointF(dx, dy)) == hue)
                return true;
    return false;
}

bool near(QPointF a, QPointF b, double pixels = 1.0) {
    return std::abs(a.x() - b.x()) <= pixels && std::abs(a.y() - b.y()) <= pixels;
}

QAction* action(DrawingViewer& viewer, const char* name) {
    return viewer.findChild<QAction*>(QLatin1String(name));
}

QString labelText(DrawingViewer& viewer, const char* name) {
    return viewer.findChild<QLabel*>(QLatin1String(name))->text();
}

void hover(QWidget* widget, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

class DrawingViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void viewsPutPointsWhereTheyBelongAndShowDepth() {
        // A block and, above one spot of its top, two markers that differ only in Z.
        standin::Drawing drawing;
        addBlock(drawing);
        addMarker(drawing, {20, 40, 30}, 3, 1);
        addMarker(drawing, {100, 10, 36}, 3, 1);
        addMarker(drawing, {100, 10, 46}, 3, 3);
        addMarker(drawing, {60, 80, 15}, 3, 3);  // on the back face
        addMarker(drawing, {60, 0, 15}, 3, 1);   // on the front face
        DrawingCanvas canvas(drawing);
        canvas.resize(600, 400);
        const double w = 600, h = 400;

        // Seen from the top: X to the right, Y up, the whole drawing (Z from 0 to 49) in view.
        QImage top = canvas.renderFrame().copy();
        // Y runs from -3 to 83 with the marker on the front face.
        double scale = 0.9 * std::min(w / 2 / 60, h / 2 / 43);
        auto topPixel = [&](double x, double y) {
            return QPointF(w / 2 + (x - 60) * scale, h / 2 - (y - 40) * scale);
        };
        QVERIFY(near(canvas.toScreen({20, 40, 30}), topPixel(20, 40)));
        QVERIFY(near(canvas.toScreen({100, 10, 46}), topPixel(100, 10)));
        QCOMPARE(hueAt(top, topPixel(20, 40)), Hue::Green);
        // The higher of the two markers hides the lower one.
        QCOMPARE(hueAt(top, topPixel(100, 10)), Hue::Red);
        QCOMPARE(hueAt(top, topPixel(90, 60)), Hue::Grey);  // the block's top
        QCOMPARE(hueAt(top, topPixel(-5, 40)), Hue::White);

        // Seen from the front: X to the right, Z up; the two markers stand one above the other.
        canvas.setView(ViewCamera::View::Front);
        QImage front = canvas.renderFrame().copy();
        // Y from -3 to 83, Z from 0 to 49: centred at Z 24.5, framed by X.
        scale = 0.9 * std::min(w / 2 / 60, h / 2 / 24.5);
        auto frontPixel = [&](double x, double z) {
            return QPointF(w / 2 + (x - 60) * scale, h / 2 - (z - 24.5) * scale);
        };
        QVERIFY(near(canvas.toScreen({100, 10, 46}), frontPixel(100, 46)));
        QCOMPARE(hueAt(front, frontPixel(100, 46)), Hue::Red);
        QCOMPARE(hueAt(front, frontPixel(100, 36)), Hue::Green);
        QVERIFY(frontPixel(100, 36).y() - frontPixel(100, 46).y() > 30);
        // The marker on the front face shows; the block hides the one on its back face.
        QCOMPARE(hueAt(front, frontPixel(60, 15)), Hue::Green);
        QCOMPARE(hueAt(front, frontPixel(60, 15) + QPointF(0, -3 * scale - 4)), Hue::Grey);

        // From the side the back face's marker shows at the far right, level with the front's.
        canvas.setView(ViewCamera::View::Side);
        const QImage side = canvas.renderFrame().copy();
        const QPointF back = canvas.toScreen({60, 80, 15}),
                      frontFace = canvas.toScreen({60, 0, 15});
        QVERIFY(back.x() > frontFace.x() + 100 && std::abs(back.y() - frontFace.y()) < 1e-6);
        QCOMPARE(hueAt(side, back + QPointF(2, 0)), Hue::Red);

        // The isometric view looks down the diagonal: the top's far corner lies above its near.
        canvas.setView(ViewCamera::View::Isometric);
        canvas.renderFrame();
        QVERIFY(canvas.toScreen({0, 80, 30}).y() < canvas.toScreen({120, 0, 30}).y());
        QVERIFY(canvas.toScreen({0, 0, 30}).y() < canvas.toScreen({0, 0, 0}).y());
    }

    void solidsCirclesSplinesAndWhatIsNotShown() {
        standin::Drawing drawing;
        addMarker(drawing, {0, 0, 0}, 10, std::nullopt, true, EntityKind::Circle);
        addSpline(drawing, {-40, 0, -8, -20, 20, -8, 0, 30, -8, 20, 20, -8, 40, 0, -8});
        addMarker(drawing, {-30, -20, 0}, 3, 3)->discarded = true;
        addMarker(drawing, {30, -20, 0}, 3, 3, true, EntityKind::InterferenceSolid);
        addMarker(drawing, {-40, -30, 0}, 0.1, 1);  // keeps the extent the same in every view
        addMarker(drawing, {40, 40, 0}, 0.1, 1);
        DrawingCanvas canvas(drawing);
        canvas.resize(500, 400);

        const QImage top = canvas.renderFrame().copy();
        // A circle from above is a ring: its rim is drawn, its middle is not.
        QVERIFY(hueNear(top, canvas.toScreen({10, 0, 0}), Hue::Blue));
        QVERIFY(hueNear(top, canvas.toScreen({0, -10, 0}), Hue::Blue));
        QCOMPARE(hueAt(top, canvas.toScreen({0, 0, 0})), Hue::White);
        // The spline passes through its points, smoothly between them.
        for (QPointF p : {QPointF(-20, 20), QPointF(0, 30), QPointF(20, 20)})
            QVERIFY(hueNear(top, canvas.toScreen({p.x(), p.y(), -8}), Hue::Orange));
        // A straight line from (-20, 20) to (0, 30) would pass below the curve.
        QVERIFY(!hueNear(top, canvas.toScreen({-10, 25, -8}), Hue::Orange, 1));
        // The discarded sphere and the interference solid are not shown.
        QCOMPARE(hueAt(top, canvas.toScreen({-30, -20, 0})), Hue::White);
        QCOMPARE(hueAt(top, canvas.toScreen({30, -20, 0})), Hue::White);

        // From the front the circle, lying flat, is a line through its centre.
        canvas.setView(ViewCamera::View::Front);
        const QImage front = canvas.renderFrame().copy();
        QVERIFY(hueNear(front, canvas.toScreen({0, 0, 0}), Hue::Blue));
        QVERIFY(hueNear(front, canvas.toScreen({7, 0, 0}), Hue::Blue));
        QVERIFY(!hueNear(front, canvas.toScreen({0, 0, 5}), Hue::Blue));

        // Solids shaded, or as their edges only.
        standin::CadState demo = standin::demoCad();
        DrawingCanvas part(demo.drawing);
        part.resize(500, 400);
        part.setView(ViewCamera::View::Isometric);
        const QImage shaded = part.renderFrame().copy();
        const QPointF topMiddle = part.toScreen({60, 40, 30});
        QCOMPARE(hueAt(shaded, topMiddle), Hue::Grey);
        QCOMPARE(hueAt(shaded, part.toScreen({-20, 40, 40})), Hue::Grey);  // the pin's top
        QCOMPARE(hueAt(shaded, part.toScreen({150, 40, 25})), Hue::Grey);  // the sphere
        part.setSolidStyle(standin::viewer::DrawingRenderer::SolidStyle::Edges);
        const QImage edges = part.renderFrame().copy();
        QCOMPARE(hueAt(edges, topMiddle), Hue::White);
        QVERIFY(hueNear(edges, part.toScreen({60, 0, 30}), Hue::Grey));
    }

    void zoomToFitFramesEveryDrawing() {
        const QRect inside(0, 0, 400, 300);
        auto framed = [&](DrawingCanvas& canvas,
                          std::initializer_list<standin::viewer::Vec3> points) {
            canvas.renderFrame();
            for (const standin::viewer::Vec3& p : points)
                if (!inside.contains(canvas.toScreen(p).toPoint())) return false;
            return true;
        };

        // Points far out, the drawing spanning nearly the whole range of doubles.
        standin::Drawing far;
        addMarker(far, {1e300, 1e300, 0}, 0.5, 1);
        addMarker(far, {-1e300, 2e300, 5e299}, 0.5, 3);
        addMarker(far, {1e308, -1.5e308, 1e308}, 0.5, 3);
        addBlock(far);
        DrawingCanvas canvas(far);
        canvas.resize(inside.size());
        QVERIFY(framed(canvas, {{1e300, 1e300, 0}, {1e308, -1.5e308, 1e308}, {60, 40, 15}}));
        QImage image = canvas.renderFrame().copy();
        QCOMPARE(hueAt(image, canvas.toScreen({1e308, -1.5e308, 1e308})), Hue::Red);

        // After zooming and panning away, "Zoom to fit" brings it all back.
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120 * 40),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&canvas, &wheel);
        QTest::mousePress(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(300, 200));
        QTest::mouseMove(&canvas, QPoint(20, 20));
        QTest::mouseRelease(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(!canvas.followsDrawing());
        QVERIFY(!framed(canvas, {{1e300, 1e300, 0}, {1e308, -1.5e308, 1e308}}));
        canvas.zoomToFit();
        QVERIFY(framed(canvas, {{1e300, 1e300, 0}, {1e308, -1.5e308, 1e308}, {60, 40, 15}}));

        // A drawing shifted by the largest amount the shift box takes, in every view.
        standin::Drawing shifted;
        for (int i = 0; i < 5; ++i) addMarker(shifted, {1e308, 1e308 + i, 1e308 - i}, 0.5, 1);
        DrawingCanvas shiftedCanvas(shifted);
        shiftedCanvas.resize(inside.size());
        for (auto view :
             {ViewCamera::View::Top, ViewCamera::View::Front, ViewCamera::View::Isometric}) {
            shiftedCanvas.setView(view);
            const QImage shown = shiftedCanvas.renderFrame().copy();
            QVERIFY(framed(shiftedCanvas, {{1e308, 1e308, 1e308}}));
            QCOMPARE(hueAt(shown, shiftedCanvas.toScreen({1e308, 1e308, 1e308})), Hue::Green);
        }

        // A single point sits in the middle, big enough to see.
        standin::Drawing single;
        addMarker(single, {5, -7, 2}, 0.5, 3);
        DrawingCanvas one(single);
        one.resize(inside.size());
        const QImage lone = one.renderFrame().copy();
        QVERIFY(near(one.toScreen({5, -7, 2}), QPointF(200, 150)));
        QCOMPARE(hueAt(lone, QPointF(200, 150)), Hue::Red);
        QCOMPARE(hueAt(lone, QPointF(100, 150)), Hue::White);
    }

    void turningZoomingAndPanning() {
        standin::Drawing drawing;
        addBlock(drawing);
        DrawingViewer viewer(drawing);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        DrawingCanvas* canvas = viewer.canvas();
        canvas->renderFrame();

        // The buttons and their keys choose the views.
        action(viewer, "frontView")->trigger();
        QCOMPARE(canvas->camera().elevation(), 0.0);
        QTest::keyClick(&viewer, Qt::Key_I);
        QCOMPARE(canvas->camera().azimuth(), 45.0);
        QVERIFY(std::abs(canvas->camera().elevation() - 35.264) < 0.001);
        QTest::keyClick(&viewer, Qt::Key_T);
        QCOMPARE(canvas->camera().elevation(), 90.0);

        // Dragging turns the view and keeps the drawing framed.
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseMove(canvas, QPoint(150, 100));
        QTest::mouseMove(canvas, QPoint(150, 60));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
        QCOMPARE(canvas->camera().azimuth(), -20.0);
        QCOMPARE(canvas->camera().elevation(), 74.0);
        QVERIFY(canvas->followsDrawing());

        // The wheel zooms about the pointer: the point under it stays under it.
        canvas->renderFrame();
        const QPointF cursor(canvas->width() * 0.3, canvas->height() * 0.6);
        const standin::viewer::Vec3 anchor = canvas->camera().pointAt(cursor);
        const double before = canvas->camera().scale();
        QWheelEvent wheel(cursor, canvas->mapToGlobal(cursor), QPoint(), QPoint(0, 240),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        QVERIFY(canvas->camera().scale() > before * 1.5);
        QVERIFY(near(canvas->toScreen(anchor), cursor, 1e-6));
        QVERIFY(!canvas->followsDrawing());

        // Shift and drag carries the drawing with the pointer.
        const QPoint from(100, 100), to(160, 70);
        const standin::viewer::Vec3 grabbed = canvas->camera().pointAt(from);
        QTest::mousePress(canvas, Qt::LeftButton, Qt::ShiftModifier, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::ShiftModifier, to);
        QVERIFY(near(canvas->toScreen(grabbed), to, 1e-6));

        action(viewer, "zoomToFit")->trigger();
        QVERIFY(canvas->followsDrawing());
    }

    void legendCountsTheMarkersAndThePointerReadsThem() {
        standin::Drawing drawing;
        addBlock(drawing);
        // What a tolerance check leaves: an outer sphere marked, an inner one unmarked when the
        // outer was clear, and the point's own finished marker.
        for (double x : {10.0, 30.0, 50.0}) {
            addMarker(drawing, {x, 20, 30}, 1.1, 1, false);
            addMarker(drawing, {x, 20, 30}, 0.9, std::nullopt, false);
            addMarker(drawing, {x, 20, 30}, 1.0, 1);
        }
        for (double x : {70.0, 90.0}) {
            addMarker(drawing, {x, 20, 30}, 1.1, 3, false);
            addMarker(drawing, {x, 20, 30}, 1.0, 3);
        }
        addMarker(drawing, {110, 20, 30}, 1.0, 0);
        addMarker(drawing, {60, 60, 30}, 2.5, std::nullopt, true, EntityKind::Circle);
        addMarker(drawing, {30, 60, 30}, 1.0, 1)->discarded = true;

        const auto counts = standin::viewer::legendCounts(drawing);
        QCOMPARE(counts[0], std::size_t(3));
        QCOMPARE(counts[1], std::size_t(2));
        QCOMPARE(counts[2], std::size_t(1));
        QCOMPARE(counts[3], std::size_t(1));

        DrawingViewer viewer(drawing);
        viewer.resize(900, 600);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QString legend = labelText(viewer, "legend");
        QVERIFY(legend.contains(
            QStringLiteral("1:&nbsp;tolerance&nbsp;spheres&nbsp;clear&nbsp;of&nbsp;the&nbsp;part:"
                           "&nbsp;<b>3</b>")));
        QVERIFY(legend.contains(
            QStringLiteral("3:&nbsp;a&nbsp;tolerance&nbsp;sphere&nbsp;meets&nbsp;the&nbsp;part:"
                           "&nbsp;<b>2</b>")));
        QVERIFY(legend.contains(QStringLiteral("other&nbsp;marker&nbsp;code:&nbsp;<b>1</b>")));
        QVERIFY(legend.contains(QStringLiteral("unmarked:&nbsp;<b>1</b>")));

        DrawingCanvas* canvas = viewer.canvas();
        canvas->renderFrame();
        // Over a point of the tolerance check the point's own marker is read.
        hover(canvas, canvas->toScreen({70, 20, 30}) + QPointF(1, 0));
        QCOMPARE(labelText(viewer, "readout"),
                 QStringLiteral("Sphere at X=70 Y=20 Z=30, radius 1, marker code 3"));
        hover(canvas, canvas->toScreen({60, 60, 30}));
        QCOMPARE(labelText(viewer, "readout"),
                 QStringLiteral("Circle at X=60 Y=60 Z=30, radius 2.5, unmarked"));
        hover(canvas, canvas->toScreen({60, 40, 0}) + QPointF(0, 60));
        QVERIFY(!labelText(viewer, "readout").contains(QStringLiteral(" at X=")));

        // A marker added later is counted once the window gets to it.
        addMarker(drawing, {10, 70, 30}, 1.0, 3);
        drawing.notifyChanged();
        QTRY_VERIFY(labelText(viewer, "legend")
                        .contains(QStringLiteral("meets&nbsp;the&nbsp;part:&nbsp;<b>3</b>")));
    }

    void clearDrawingLeavesOnlyThePart() {
        standin::CadState demo = standin::demoCad();
        standin::Drawing& drawing = demo.drawing;
        const std::size_t partEntities = drawing.entities().size();
        addMarker(drawing, {10, 10, 30}, 1, 1);
        addMarker(drawing, {20, 10, 30}, 1.1, 3, false);
        addMarker(drawing, {30, 10, 30}, 1, std::nullopt, true, EntityKind::Circle);
        addMarker(drawing, {20, 10, 30}, 1, 3, true, EntityKind::InterferenceSolid)->discarded =
            true;
        addSpline(drawing, {0, 0, 0, 10, 10, 10});

        DrawingViewer viewer(drawing);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        action(viewer, "clearDrawing")->trigger();
        QCOMPARE(drawing.entities().size(), partEntities);
        for (const auto& entity : drawing.entities()) QCOMPARE(entity->kind, EntityKind::Solid);
        const auto* part = drawing.group("PART");
        QVERIFY(part && part->size() == 2 && part->front() == drawing.entities().front());
        QVERIFY(labelText(viewer, "legend").contains(QStringLiteral("unmarked:&nbsp;<b>0</b>")));
        // The part is still drawn.
        DrawingCanvas* canvas = viewer.canvas();
        const QImage image = canvas->renderFrame().copy();
        QCOMPARE(hueAt(image, canvas->toScreen({60, 40, 30})), Hue::Grey);
    }

    void aSmallWindowWrapsItsLegend() {
        standin::Drawing drawing;
        DrawingViewer viewer(drawing);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        auto* legend = viewer.findChild<QLabel*>(QStringLiteral("legend"));
        const int wideHeight = legend->heightForWidth(900);
        QVERIFY(viewer.minimumSizeHint().width() <= 320);
        viewer.resize(320, 300);
        QTRY_VERIFY(viewer.width() <= 320);
        QVERIFY(legend->heightForWidth(300) > wideHeight);
        QVERIFY(viewer.canvas()->isVisible() && viewer.canvas()->height() > 60);
    }

    void isAWindowOfItsOwnThatLeavesTheProgramUsable() {
        // The headless platform activates every window it shows, so what can be checked here is
        // that the viewer asks the window system not to activate it and blocks no other window.
        QWidget program;
        standin::Drawing drawing;
        DrawingViewer viewer(drawing, &program);
        QVERIFY(viewer.isWindow());
        QCOMPARE(viewer.windowModality(), Qt::NonModal);
        QVERIFY(viewer.testAttribute(Qt::WA_ShowWithoutActivating));
        for (QToolBar* tools : viewer.findChildren<QToolBar*>())
            QCOMPARE(tools->focusPolicy(), Qt::NoFocus);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Drawing (CAD stand-in)"));
    }

    void opensBesideTheProgramWhollyOnTheScreen_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("program");
        QTest::addRow("1280 wide, program at the left")
            << QRect(0, 0, 1280, 1024) << QRect(0, 0, 780, 560);
        QTest::addRow("1280 wide, program in the middle")
            << QRect(0, 0, 1280, 1024) << QRect(300, 200, 780, 560);
        QTest::addRow("640 x 480, program filling the width")
            << QRect(0, 0, 640, 480) << QRect(0, 0, 620, 200);
        QTest::addRow("800 x 600, program at the bottom right")
            << QRect(0, 0, 800, 600) << QRect(400, 300, 400, 300);
        QTest::addRow("4K, second screen to the right")
            << QRect(1920, 0, 3840, 2160) << QRect(2000, 100, 780, 560);
        QTest::addRow("screen with a panel on top")
            << QRect(0, 32, 1366, 736) << QRect(40, 40, 780, 560);
    }

    void opensBesideTheProgramWhollyOnTheScreen() {
        QFETCH(QRect, screen);
        QFETCH(QRect, program);
        const QSize preferred(780, 600), least(300, 240);
        const QRect placed = standin::viewer::placeBeside(program, screen, preferred, least);
        QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                         .arg(placed.x())
                                                         .arg(placed.y())
                                                         .arg(placed.width())
                                                         .arg(placed.height())));
        QVERIFY(!placed.intersects(program));
        QVERIFY(placed.width() >= least.width() && placed.height() >= least.height());
        QVERIFY(placed.width() <= preferred.width() && placed.height() <= preferred.height());
    }

    void aScreenWithNoRoomBesideStillShowsTheWholeViewer() {
        const QRect screen(0, 0, 640, 480), program(10, 10, 600, 440);
        const QRect placed = standin::viewer::placeBeside(program, screen, {780, 600}, {300, 240});
        QVERIFY(screen.contains(placed));
        QCOMPARE(placed.size(), QSize(640, 480));
    }
};

QTEST_MAIN(DrawingViewerTest)
#include "drawing_viewer_test.moc"
