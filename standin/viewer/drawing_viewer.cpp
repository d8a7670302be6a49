#include "standin/viewer/drawing_viewer.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "standin/viewer/drawing_canvas.h"
#include "standin/viewer/marker_colours.h"

namespace standin::viewer {
namespace {

const QString readoutHint = QStringLiteral(
    "Drag to turn, Shift+drag or right-drag to move, wheel to zoom; point at a marker to read it");

}  // namespace

DrawingViewer::DrawingViewer(standin::Drawing& drawing, QWidget* parent)
    : QWidget(parent, Qt::Window),
      drawing_(drawing),
      canvas_(new DrawingCanvas(drawing, this)),
      legend_(new QLabel(this)),
      readout_(new QLabel(readoutHint, this)) {
    setWindowTitle(QStringLiteral("Drawing (CAD stand-in)"));
    // The operator keeps typing in "CMM Points" while the drawing appears beside it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("DrawingViewer"));

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("viewTools"));
    tools->setFocusPolicy(Qt::NoFocus);
    auto addAction = [&](const QString& name, const QString& text, QKeySequence key,
                         auto&& triggered) {
        auto* action = tools->addAction(text);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString()));
        connect(action, &QAction::triggered, this, triggered);
        return action;
    };
    using View = ViewCamera::View;
    addAction(QStringLiteral("topView"), QStringLiteral("Top"), Qt::Key_T,
              [this] { canvas_->setView(View::Top); });
    addAction(QStringLiteral("frontView"), QStringLiteral("Front"), Qt::Key_F,
              [this] { canvas_->setView(View::Front); });
    addAction(QStringLiteral("sideView"), QStringLiteral("Side"), Qt::Key_S,
              [this] { canvas_->setView(View::Side); });
    addAction(QStringLiteral("isometricView"), QStringLiteral("Isometric"), Qt::Key_I,
              [this] { canvas_->setView(View::Isometric); });
    tools->addSeparator();
    addAction(QStringLiteral("zoomToFit"), QStringLiteral("Zoom to fit"), Qt::Key_Home,
              [this] { canvas_->zoomToFit(); });
    auto* edges = addAction(QStringLiteral("solidEdges"), QStringLiteral("Edges"), Qt::Key_E,
                            [this](bool on) {
                                canvas_->setSolidStyle(on ? DrawingRenderer::SolidStyle::Edges
                                                          : DrawingRenderer::SolidStyle::Shaded);
                            });
    edges->setCheckable(true);
    edges->setToolTip(QStringLiteral("Show the solids as edges only (E)"));
    tools->addSeparator();
    addAction(QStringLiteral("clearDrawing"), QStringLiteral("Clear drawing"), QKeySequence(),
              [this] { clearDrawing(); })
        ->setToolTip(QStringLiteral("Erase the markers and splines drawn; the part stays"));

    legend_->setObjectName(QStringLiteral("legend"));
    legend_->setWordWrap(true);
    legend_->setTextFormat(Qt::RichText);
    readout_->setObjectName(QStringLiteral("readout"));
    readout_->setWordWrap(true);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(canvas_, &DrawingCanvas::hovered, readout_, [this](const QString& text) {
        readout_->setText(text.isEmpty() ? readoutHint : text);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(tools);
    layout->addWidget(canvas_, 1);
    layout->addWidget(legend_);
    layout->addWidget(readout_);
    refreshLegend();
    // Counting runs once after a burst of changes rather than once for every entity added.
    drawing_.observe([viewer = QPointer<DrawingViewer>(this)] {
        if (!viewer || viewer->legendPending_) return;
        viewer->legendPending_ = true;
        QTimer::singleShot(0, viewer, [viewer] {
            if (viewer) viewer->refreshLegend();
        });
    });
    resize(760, 560);
}

void DrawingViewer::clearDrawing() {
    drawing_.clearAdded();
    drawing_.notifyChanged();
    refreshLegend();
}

void DrawingViewer::refreshLegend() {
    legendPending_ = false;
    const auto counts = legendCounts(drawing_);
    const auto entries = legendEntries();
    QStringList items;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Each entry stays on one line; the legend wraps between entries.
        QString text = entries[i].text.toHtmlEscaped();
        text.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        items << QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2:&nbsp;<b>%3</b>")
                     .arg(entries[i].colour.name(), text)
                     .arg(counts[i]);
    }
    legend_->setText(items.join(QStringLiteral(" &nbsp; ")));
}

}  // namespace standin::viewer
