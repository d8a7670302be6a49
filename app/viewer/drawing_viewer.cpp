#include "app/viewer/drawing_viewer.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/viewer/drawing_canvas.h"
#include "app/viewer/marker_colours.h"

namespace app {
namespace {

QWidget* legendItem(const LegendEntry& entry, QWidget* parent) {
    auto* item = new QWidget(parent);
    auto* layout = new QHBoxLayout(item);
    layout->setContentsMargins(0, 0, 8, 0);
    QPixmap swatch(12, 12);
    swatch.fill(entry.colour);
    auto* colour = new QLabel(item);
    colour->setPixmap(swatch);
    colour->setObjectName(QStringLiteral("legendSwatch"));
    auto* text = new QLabel(entry.text, item);
    text->setObjectName(QStringLiteral("legendText"));
    layout->addWidget(colour);
    layout->addWidget(text);
    return item;
}

}  // namespace

DrawingViewer::DrawingViewer(standin::Drawing& drawing, QWidget* parent)
    : QWidget(parent, Qt::Window), canvas_(new DrawingCanvas(drawing, this)) {
    setWindowTitle(QStringLiteral("Drawing (CAD stand-in)"));
    // The operator keeps typing in "CMM Points" while the drawing appears beside it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("DrawingViewer"));

    auto* zoom = new QPushButton(QStringLiteral("Zoom to fit"), this);
    zoom->setObjectName(QStringLiteral("zoomToFit"));
    zoom->setToolTip(QStringLiteral("Show the whole drawing (F or Home); wheel zooms, drag pans"));
    zoom->setFocusPolicy(Qt::NoFocus);
    connect(zoom, &QPushButton::clicked, canvas_, &DrawingCanvas::zoomToFit);
    for (auto key : {Qt::Key_F, Qt::Key_Home})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, canvas_,
                &DrawingCanvas::zoomToFit);

    auto* legend = new QHBoxLayout;
    for (const LegendEntry& entry : legendEntries()) legend->addWidget(legendItem(entry, this));
    legend->addStretch();
    legend->addWidget(zoom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addLayout(legend);
    resize(720, 520);
}

}  // namespace app
