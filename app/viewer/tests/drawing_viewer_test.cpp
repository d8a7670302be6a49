#include "app/viewer/drawing_viewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include "app/viewer/drawing_canvas.h"
#include "app/viewer/marker_colours.h"

using app::DrawingCanvas;
using app::DrawingViewer;
using standin::DrawnEntity;
using standin::EntityKind;

namespace {

standin::EntityPtr addMarker(standin::Drawing& drawing, double x, double y, double r,
                             std::optional<std::int32_t> code, bool finished = true,
                             EntityKind kind = EntityKind::Sphere) {
    DrawnEntity e;
    e.kind = kind;
    e.centre = {x, y, 30};
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

QColor legendColour(const QString& prefix) {
    for (const auto& entry : app::legendEntries())
        if (entry.text.startsWith(prefix)) return entry.colour;
    return {};
}

QColor pixelAt(const QImage& image, const QPointF& at) { return image.pixelColor(at.toPoint()); }

// Smoothed lines blend with the white ground: a line pixel is the pen colour mixed with white,
// every channel by the same share.
bool lineNear(const QImage& image, const QPointF& at, const QColor& pen) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor c = pixelAt(image, at + QPointF(dx, dy));
            const double shares[] = {(255.0 - c.red()) / (255 - pen.red()),
                                     (255.0 - c.green()) / (255 - pen.green()),
                                     (255.0 - c.blue()) / (255 - pen.blue())};
            const auto [low, high] = std::minmax({shares[0], shares[1], shares[2]});
            if (low > 0.3 && high - low < 0.1) return true;
        }
    return false;
}

// The drawing with a point on each corner area of the block, in the order a press adds them.
void fillWithMarkers(standin::Drawing& drawing, int count, double radius) {
    for (int i = 0; i < count; ++i) {
        const double x = (i % 181) * (120.0 / 180), y = (i / 181) * (80.0 / 181);
        addMarker(drawing, x, y, radius, i % 5 == 0 ? 3 : 1);
    }
}

double paintMilliseconds(DrawingCanvas& canvas, int rounds) {
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        QPainter painter(&image);
        canvas.paintDrawing(painter);
    }
    return timer.nsecsElapsed() / 1e6 / rounds;
}

}  // namespace

class DrawingViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void markersShowTheirLegendColours() {
        standin::Drawing drawing;
        addBlock(drawing);
        addMarker(drawing, 20, 40, 3, 1);
        addMarker(drawing, 100, 40, 3, 3);
        addMarker(drawing, 60, 40, 3, std::nullopt, true, EntityKind::Circle);
        addMarker(drawing, 60, 70, 3, 3)->discarded = true;
        addMarker(drawing, 60, 10, 3, 3, true, EntityKind::InterferenceSolid);

        DrawingViewer viewer(drawing);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        DrawingCanvas* canvas = viewer.canvas();
        const QImage image = canvas->grab().toImage();

        const QColor clear = legendColour(QStringLiteral("1:"));
        const QColor meets = legendColour(QStringLiteral("3:"));
        QVERIFY(clear.isValid() && meets.isValid() && clear != meets);
        QCOMPARE(pixelAt(image, canvas->toScreen({20, 40})), clear);
        QCOMPARE(pixelAt(image, canvas->toScreen({100, 40})), meets);
        QCOMPARE(pixelAt(image, canvas->toScreen({60, 40})), app::markerColour(std::nullopt));
        // Discarded entities and interference solids are not part of what the operator sees.
        QCOMPARE(pixelAt(image, canvas->toScreen({60, 70})), QColor(Qt::white));
        QCOMPARE(pixelAt(image, canvas->toScreen({60, 10})), QColor(Qt::white));
        // The block's outline runs along its edges.
        QVERIFY(lineNear(image, canvas->toScreen({60, 0}), app::solidColour()));
        QVERIFY(!lineNear(image, canvas->toScreen({60, 2}), app::solidColour()));

        QStringList legend;
        for (const QLabel* label : viewer.findChildren<QLabel*>(QStringLiteral("legendText")))
            legend << label->text();
        QVERIFY(legend.contains(QStringLiteral("1: tolerance spheres clear of the part")));
        QVERIFY(legend.contains(QStringLiteral("3: a tolerance sphere meets the part")));
        QVERIFY(legend.contains(QStringLiteral("unmarked")));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Drawing (CAD stand-in)"));
    }

    void unfinishedSpheresAreOutlinesAndTheSplineIsDrawn() {
        standin::Drawing drawing;
        addBlock(drawing);
        addMarker(drawing, 30, 40, 10, 3, false);  // an outer tolerance sphere
        DrawnEntity spline;
        spline.kind = EntityKind::Spline;
        spline.splinePoints = {80, 20, 30, 80, 60, 30};
        drawing.add(spline);

        DrawingViewer viewer(drawing);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        DrawingCanvas* canvas = viewer.canvas();
        const QImage image = canvas->grab().toImage();
        QCOMPARE(pixelAt(image, canvas->toScreen({30, 40})), QColor(Qt::white));
        const QPointF rim = canvas->toScreen({30, 30});
        bool outlined = false;
        for (int dy = -2; dy <= 2; ++dy)
            outlined = outlined || pixelAt(image, rim + QPointF(0, dy)).red() > 150;
        QVERIFY(outlined);
        QVERIFY(lineNear(image, canvas->toScreen({80, 40}), app::splineColour()));
        QVERIFY(!lineNear(image, canvas->toScreen({84, 40}), app::splineColour()));
    }

    void followsTheDrawingUntilTheUserZoomsOrPans() {
        standin::Drawing drawing;
        addBlock(drawing);
        DrawingViewer viewer(drawing);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        DrawingCanvas* canvas = viewer.canvas();

        // A marker added while the viewer is open comes into view with the next paint.
        addMarker(drawing, 400, -300, 2, 1);
        drawing.notifyChanged();
        QTRY_VERIFY(canvas->rect().contains(canvas->toScreen({400, -300}).toPoint()));

        const QPointF cursor(canvas->width() * 0.3, canvas->height() * 0.6);
        const QPointF anchor = canvas->toWorld(cursor);
        const double before = canvas->pixelsPerUnit();
        QWheelEvent wheel(cursor, canvas->mapToGlobal(cursor), QPoint(), QPoint(0, 240),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        QVERIFY(canvas->pixelsPerUnit() > before * 1.2);
        QVERIFY(!canvas->followsDrawing());
        const QPointF after = canvas->toWorld(cursor);
        QVERIFY(std::abs(after.x() - anchor.x()) < 1e-6 && std::abs(after.y() - anchor.y()) < 1e-6);

        // Dragging carries the drawing with the pointer.
        const QPoint from(100, 100), to(160, 70);
        const QPointF grabbed = canvas->toWorld(from);
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
        const QPointF dropped = canvas->toWorld(to);
        QVERIFY(std::abs(dropped.x() - grabbed.x()) < 1e-6);
        QVERIFY(std::abs(dropped.y() - grabbed.y()) < 1e-6);

        addMarker(drawing, -500, 600, 2, 3);
        drawing.notifyChanged();
        auto* zoom = viewer.findChild<QPushButton*>(QStringLiteral("zoomToFit"));
        QVERIFY(zoom);
        zoom->click();
        QVERIFY(canvas->followsDrawing());
        canvas->grab();
        for (const QPointF world : {QPointF(-500, 600), QPointF(400, -300), QPointF(0, 0)})
            QVERIFY(canvas->rect().contains(canvas->toScreen(world).toPoint()));
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
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(!viewer.isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void paintsThirtyTwoThousandMarkersQuickly() {
        standin::Drawing drawing;
        addBlock(drawing);
        fillWithMarkers(drawing, 32767, 0.5);
        DrawingCanvas canvas(drawing);
        canvas.resize(1000, 700);
        const double circles = paintMilliseconds(canvas, 5);

        standin::Drawing fine;
        addBlock(fine);
        fillWithMarkers(fine, 32767, 0.02);
        DrawingCanvas dots(fine);
        dots.resize(1000, 700);
        const double points = paintMilliseconds(dots, 5);

        // Zoomed in on a corner most markers lie outside the view.
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 1200), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&canvas, &wheel);
        const double zoomed = paintMilliseconds(canvas, 5);

        // A tolerance check leaves two unfinished spheres beside each marker.
        standin::Drawing checked;
        addBlock(checked);
        for (int i = 0; i < 32767; ++i) {
            const double x = (i % 181) * (120.0 / 180), y = (i / 181) * (80.0 / 181);
            const std::int32_t code = i % 5 == 0 ? 3 : 1;
            addMarker(checked, x, y, 0.55, code, false);
            if (code == 1) addMarker(checked, x, y, 0.45, std::nullopt, false);
            addMarker(checked, x, y, 0.5, code);
        }
        DrawingCanvas tolerance(checked);
        tolerance.resize(1000, 700);
        const double withRings = paintMilliseconds(tolerance, 5);

        // Each change of the drawing asks for a repaint; a press makes about a hundred thousand.
        tolerance.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tolerance));
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 100000; ++i) checked.notifyChanged();
        const double notified = timer.nsecsElapsed() / 1e6;
        qInfo("100000 change notifications to a shown viewer: %.1f ms", notified);
        QVERIFY(notified < 1000);

        qInfo(
            "paint of 32767 markers into a 1000x700 image: %.1f ms as circles, %.1f ms as "
            "points, %.1f ms zoomed in, %.1f ms with the tolerance spheres",
            circles, points, zoomed, withRings);
        // Far above the figures seen, so only a real loss of speed trips it.
        QVERIFY(circles < 1000 && points < 1000 && zoomed < 1000 && withRings < 1000);
    }
};

QTEST_MAIN(DrawingViewerTest)
#include "drawing_viewer_test.moc"
