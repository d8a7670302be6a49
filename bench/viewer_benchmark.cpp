// Frame times of the CAD stand-in's drawing viewer with the largest press: "Sphere Tolerance" on
// 32,767 points leaves about 100,000 entities (outer and inner tolerance spheres and the points'
// own markers) on the demo part. The viewer draws them by hand with QPainter and its own marker
// copies; the OpenGL rows draw the same markers as shaded point sprites through Mesa, for
// comparison, where an OpenGL context can be had (run under Xvfb with QT_QPA_PLATFORM=xcb).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QMatrix4x4>
#include <QOffscreenSurface>
#include <QOpenGLBuffer>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <memory>
#include <vector>

#include "standin/cad.h"
#include "standin/viewer/drawing_renderer.h"
#include "standin/viewer/marker_colours.h"
#include "standin/viewer/view_camera.h"

namespace {

using standin::DrawnEntity;
using standin::EntityKind;

constexpr int kPoints = 32767;
const QSize kFrame(1000, 700);

standin::EntityPtr addSphere(standin::Drawing& drawing, points::Point3 centre, double radius,
                             std::optional<std::int32_t> code, bool finished) {
    DrawnEntity e;
    e.kind = EntityKind::Sphere;
    e.centre = centre;
    e.radius = radius;
    e.markCode = code;
    e.finished = finished;
    return drawing.add(e);
}

// The demo part with a tolerance check's spheres over its top: every fifth point meets the part.
const standin::Drawing& largestPress() {
    static const standin::CadState state = [] {
        standin::CadState made = standin::demoCad();
        for (int i = 0; i < kPoints; ++i) {
            const points::Point3 centre{(i % 181) * (120.0 / 180), (i / 181) * (80.0 / 181), 31};
            const bool meets = i % 5 == 0;
            addSphere(made.drawing, centre, 1.1, meets ? 3 : 1, false);
            addSphere(made.drawing, centre, 0.9, std::nullopt, false);
            addSphere(made.drawing, centre, 1.0, meets ? 3 : 1, true);
        }
        return made;
    }();
    return state.drawing;
}

standin::viewer::ViewCamera fittedCamera(standin::viewer::ViewCamera::View view) {
    standin::viewer::ViewCamera camera;
    camera.setView(view);
    camera.setViewport(kFrame);
    camera.fit(standin::viewer::extentOf(largestPress()));
    return camera;
}

// The time per iteration is the time of one frame.
void reportFrames(benchmark::State& state) {
    state.counters["entities"] = static_cast<double>(largestPress().entities().size());
}

void renderFrames(benchmark::State& state, standin::viewer::ViewCamera camera,
                  double turnPerFrame) {
    const standin::Drawing& drawing = largestPress();
    standin::viewer::DrawingRenderer renderer;
    QImage image(kFrame, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        camera.orbit(turnPerFrame, 0);
        renderer.render(drawing, camera, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    reportFrames(state);
}

void BM_TopView(benchmark::State& state) {
    renderFrames(state, fittedCamera(standin::viewer::ViewCamera::View::Top), 0);
}
BENCHMARK(BM_TopView)->Unit(benchmark::kMillisecond);

void BM_OrbitingIsometric(benchmark::State& state) {
    renderFrames(state, fittedCamera(standin::viewer::ViewCamera::View::Isometric), 2.0);
}
BENCHMARK(BM_OrbitingIsometric)->Unit(benchmark::kMillisecond);

void BM_OrbitingZoomedIn(benchmark::State& state) {
    standin::viewer::ViewCamera camera = fittedCamera(standin::viewer::ViewCamera::View::Isometric);
    camera.zoomAbout(QPointF(300, 300), 8.0);
    renderFrames(state, camera, 2.0);
}
BENCHMARK(BM_OrbitingZoomedIn)->Unit(benchmark::kMillisecond);

void BM_MarkerUnderPointer(benchmark::State& state) {
    const standin::viewer::ViewCamera camera =
        fittedCamera(standin::viewer::ViewCamera::View::Isometric);
    standin::viewer::DrawingRenderer renderer;
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.markerAt(largestPress(), camera, QPointF(500, 350)));
    reportFrames(state);
}
BENCHMARK(BM_MarkerUnderPointer)->Unit(benchmark::kMillisecond);

// The same markers as OpenGL point sprites shaded as balls, depth-tested, in an offscreen frame.
class GlMarkers {
  public:
    // Empty when all went well, else what failed.
    QString start() {
        surface_.setFormat(QSurfaceFormat::defaultFormat());
        surface_.create();
        if (!context_.create() || !context_.makeCurrent(&surface_))
            return QStringLiteral("no OpenGL context on this platform (run under Xvfb with xcb)");
        gl_ = context_.functions();
        frame_ = std::make_unique<QOpenGLFramebufferObject>(
            kFrame, QOpenGLFramebufferObject::CombinedDepthStencil);
        const bool built = program_.addShaderFromSourceCode(QOpenGLShader::Vertex, R"(#version 120
                attribute vec3 position;
                attribute vec4 colour;
                attribute float radius;
                uniform mat4 view;
                uniform float scale;
                varying vec4 shade;
                void main() {
                    gl_Position = view * vec4(position, 1.0);
                    gl_PointSize = max(2.0 * radius * scale, 3.0);
                    shade = colour;
                })") && program_.addShaderFromSourceCode(QOpenGLShader::Fragment, R"(#version 120
                varying vec4 shade;
                void main() {
                    vec2 p = gl_PointCoord * 2.0 - 1.0;
                    float d = dot(p, p);
                    if (d > 1.0) discard;
                    vec3 n = vec3(p.x, -p.y, sqrt(1.0 - d));
                    float light = 0.32 + 0.68 * max(dot(n, normalize(vec3(-0.45, 0.55, 0.7))), 0.0);
                    gl_FragColor = vec4(shade.rgb * light, 1.0);
                })") && program_.link();
        if (!built) return QStringLiteral("the shaders did not build: ") + program_.log();
        std::vector<float> vertices;
        for (const auto& entity : largestPress().entities()) {
            if (entity->kind != EntityKind::Sphere) continue;
            const QColor c = standin::viewer::markerColour(entity->markCode);
            vertices.insert(vertices.end(), {float(entity->centre[0]), float(entity->centre[1]),
                                             float(entity->centre[2]), c.redF(), c.greenF(),
                                             c.blueF(), 1.0f, float(entity->radius)});
        }
        count_ = static_cast<int>(vertices.size() / 8);
        buffer_.create();
        buffer_.bind();
        buffer_.allocate(vertices.data(), static_cast<int>(vertices.size() * sizeof(float)));
        return {};
    }

    void frame(const standin::viewer::ViewCamera& camera, bool readBack) {
        frame_->bind();
        gl_->glViewport(0, 0, kFrame.width(), kFrame.height());
        gl_->glClearColor(1, 1, 1, 1);
        gl_->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        gl_->glEnable(GL_DEPTH_TEST);
        gl_->glEnable(0x8642);  // program point size
        gl_->glEnable(0x8861);  // point sprites, for gl_PointCoord in a compatibility context
        program_.bind();
        const standin::viewer::Vec3 &r = camera.right(), &u = camera.up(), &t = camera.toward();
        const standin::viewer::Vec3& c = camera.centre();
        const float sx = float(2 * camera.scale() / kFrame.width());
        const float sy = float(2 * camera.scale() / kFrame.height());
        const float sz = float(1e-3);
        QMatrix4x4 view(float(r[0]) * sx, float(r[1]) * sx, float(r[2]) * sx, 0, float(u[0]) * sy,
                        float(u[1]) * sy, float(u[2]) * sy, 0, -float(t[0]) * sz, -float(t[1]) * sz,
                        -float(t[2]) * sz, 0, 0, 0, 0, 1);
        view.translate(-float(c[0]), -float(c[1]), -float(c[2]));
        program_.setUniformValue("view", view);
        program_.setUniformValue("scale", float(camera.scale()));
        buffer_.bind();
        program_.enableAttributeArray("position");
        program_.enableAttributeArray("colour");
        program_.enableAttributeArray("radius");
        program_.setAttributeBuffer("position", GL_FLOAT, 0, 3, 8 * sizeof(float));
        program_.setAttributeBuffer("colour", GL_FLOAT, 3 * sizeof(float), 4, 8 * sizeof(float));
        program_.setAttributeBuffer("radius", GL_FLOAT, 7 * sizeof(float), 1, 8 * sizeof(float));
        gl_->glDrawArrays(GL_POINTS, 0, count_);
        if (readBack) {
            pixels_.resize(static_cast<std::size_t>(kFrame.width()) * kFrame.height());
            gl_->glReadPixels(0, 0, kFrame.width(), kFrame.height(), GL_RGBA, GL_UNSIGNED_BYTE,
                              pixels_.data());
        }
        gl_->glFinish();
    }

    QImage image() const { return frame_->toImage(); }

  private:
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    QOpenGLFunctions* gl_ = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> frame_;
    QOpenGLShaderProgram program_;
    QOpenGLBuffer buffer_{QOpenGLBuffer::VertexBuffer};
    int count_ = 0;
    std::vector<std::uint32_t> pixels_;
};

void glFrames(benchmark::State& state, bool readBack) {
    GlMarkers gl;
    if (const QString failed = gl.start(); !failed.isEmpty()) {
        state.SkipWithError(failed.toStdString().c_str());
        return;
    }
    standin::viewer::ViewCamera camera = fittedCamera(standin::viewer::ViewCamera::View::Isometric);
    for (auto _ : state) {
        camera.orbit(2.0, 0);
        gl.frame(camera, readBack);
    }
    reportFrames(state);
    if (!qEnvironmentVariableIsEmpty("CMM_POINTS_GL_FRAME"))
        gl.image().save(qEnvironmentVariable("CMM_POINTS_GL_FRAME"));
}

void BM_OpenGlOrbitingIsometric(benchmark::State& state) { glFrames(state, false); }
BENCHMARK(BM_OpenGlOrbitingIsometric)->Unit(benchmark::kMillisecond);

void BM_OpenGlOrbitingIsometricReadBack(benchmark::State& state) { glFrames(state, true); }
BENCHMARK(BM_OpenGlOrbitingIsometricReadBack)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
