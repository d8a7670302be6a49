#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/backends.h"
#include "app/qt/form1.h"
#include "app/qt/message_box.h"
#include "standin/viewer/drawing_viewer.h"

// The program as it runs with the embedded stand-ins: the demo part program and drawing.
class StandinBackendsTest : public QObject {
    Q_OBJECT

  private:
    static QList<standin::viewer::DrawingViewer*> viewers() {
        QList<standin::viewer::DrawingViewer*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* viewer = qobject_cast<standin::viewer::DrawingViewer*>(window))
                found << viewer;
        }
        return found;
    }

  private slots:
    void demoStartsLinkedAndShowsOneViewerBesideTheWindow() {
        QStringList messages;
        app::MessageBox::recordInto(&messages);
        app::Backends backends = app::makeBackends();
        app::Form1 form(*backends.cmm, *backends.cad);
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QString status = qobject_cast<QLabel*>(form.control("Label2"))->text();
        QVERIFY(!status.isEmpty());
        QVERIFY(status != QStringLiteral("Can't Link to PC-DMIS"));
        auto* features = qobject_cast<QListWidget*>(form.control("List2"));
        QVERIFY(features->count() > 0);
        QVERIFY(viewers().isEmpty());

        features->item(0)->setSelected(true);
        auto* send = qobject_cast<QPushButton*>(form.control("Command2"));
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(viewers().size(), 1);
        standin::viewer::DrawingViewer* viewer = viewers().first();
        QTRY_VERIFY(viewer->isVisible());
        QVERIFY(!viewer->frameGeometry().intersects(form.frameGeometry()));
        QVERIFY(form.screen()->availableGeometry().contains(viewer->frameGeometry()));
        QVERIFY(form.engine().points().count() > 0);

        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(viewers().size(), 1);
        QVERIFY(messages.isEmpty());

        // The viewer is the stand-in's window, not the program's: closing the program's window
        // still ends the program.
        QTimer::singleShot(0, &form, [&form] { form.close(); });
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        stillRunning.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        app::MessageBox::recordInto(nullptr);
    }
};

QTEST_MAIN(StandinBackendsTest)
#include "standin_backends_test.moc"
