// The program with the stand-ins, pressed once by itself: every feature of the demo part program
// selected, "Sphere Tolerance" with a tolerance of 0.1, and the drawing viewer turned to the
// isometric view. It stays open for a screenshot until it is ended.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/qt/form1.h"
#include "app/qt/run_program.h"
#include "standin/viewer/drawing_viewer.h"

int main(int argc, char* argv[]) {
    return app::runProgram(argc, argv, [](app::Form1& form) {
        form.move(0, 0);
        QTimer::singleShot(1000, &form, [&form] {
            qobject_cast<QListWidget*>(form.control(QStringLiteral("List2")))->selectAll();
            qobject_cast<QRadioButton*>(form.control(QStringLiteral("Option5")))->setChecked(true);
            qobject_cast<QLineEdit*>(form.control(QStringLiteral("Text3")))
                ->setText(QStringLiteral("0.1"));
            qobject_cast<QPushButton*>(form.control(QStringLiteral("Command2")))->click();
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* viewer = qobject_cast<standin::viewer::DrawingViewer*>(window))
                    viewer->findChild<QAction*>(QStringLiteral("isometricView"))->trigger();
        });
    });
}
