#include "app/qt/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "app/control_table.h"
#include "app/qt/message_box.h"
#include "points/program_failure.h"
#include "standin/cad.h"
#include "standin/cmm.h"

// Drives the real window over the stand-ins: a machine "GLOBAL-7107" with a probe of radius 0.5,
// the part program F1, FA, F, f2, PLN1, F10 and an empty running drawing.
class Form1Test : public QObject {
    Q_OBJECT

  private:
    std::shared_ptr<standin::CmmState> cmm_;
    std::shared_ptr<standin::CadState> cad_;
    std::unique_ptr<standin::CmmConnector> cmmConnector_;
    std::unique_ptr<standin::CadConnector> cadConnector_;
    std::unique_ptr<app::Form1> form_;
    QStringList messages_;

    template <class T>
    T* control(const char* name) {
        return qobject_cast<T*>(form_->control(QString::fromUtf8(name)));
    }

    // Loads the window as the program does and waits until it is the active window.
    void showForm() {
        form_->load();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    // The area within a frame's drawn outline, found in the frame as it paints itself (without
    // its controls): from each side inwards, past the first run of pixels that are not background.
    static QRect frameInside(QGroupBox* frame) {
        QImage image(frame->size(), QImage::Format_RGB32);
        frame->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const QRgb background = image.pixel(frame->width() / 2, frame->height() / 2);
        const auto drawn = [&](int x, int y) { return image.pixel(x, y) != background; };
        // Past the line along a scan, from `from` in steps of `step`; -1 when there is none.
        const auto pastLine = [&](int from, int step, int count, auto at) {
            int i = 0;
            while (i < count && !drawn(at(from + i * step).x(), at(from + i * step).y())) ++i;
            if (i == count) return -1;
            while (i < count && drawn(at(from + i * step).x(), at(from + i * step).y())) ++i;
            return from + i * step;
        };
        const int w = frame->width();
        const int h = frame->height();
        // Scan right of the caption and below it, where only the outline is drawn.
        const auto column = [&](int x) { return [x](int y) { return QPoint(x, y); }; };
        const auto row = [&](int y) { return [y](int x) { return QPoint(x, y); }; };
        const int top = pastLine(0, 1, h, column(w - 6));
        const int bottom = pastLine(h - 1, -1, h, column(w - 6));
        const int left = pastLine(0, 1, w, row(h - 6));
        const int right = pastLine(w - 1, -1, w, row(h - 6));
        if (top < 0 || bottom < 0 || left < 0 || right < 0) return {};
        return QRect(QPoint(left, top), QPoint(right, bottom));
    }

    // The caption broken into lines at word ends to fit the width; empty when a word is wider.
    static QStringList wrapped(const QString& caption, const QFontMetrics& metrics, int width) {
        QStringList lines;
        for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (metrics.horizontalAdvance(word) > width) return {};
            if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + ' ' + word) <= width) {
                lines.last() += ' ' + word;
            } else {
                lines << word;
            }
        }
        return lines;
    }

    QStringList tabWalk(int steps) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(form_->windowHandle(), Qt::Key_Tab);
        }
        return names;
    }

    // Runs the program's event loop, does `act` inside it and returns the loop's exit code: 0 when
    // the program ended because its window closed, 99 when it was still running after 5 s.
    template <class Act>
    int runUntilQuit(Act act) {
        QApplication::setQuitOnLastWindowClosed(true);
        QTimer::singleShot(0, form_.get(), act);
        QTimer stillRunning;  // stopped with this scope, so it never ends a later test's wait
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        stillRunning.start(5000);
        const int code = QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        return code;
    }

  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        app::MessageBox::recordInto(&messages_);
    }

    void init() {
        cmm_ = std::make_shared<standin::CmmState>();
        cmm_->machineName = "GLOBAL-7107";
        cmm_->probeRadius = 0.5;
        for (const char* id : {"F1", "FA", "F", "f2", "PLN1", "F10"}) {
            cmm_->commands.push_back({id, "FEAT/POINT", {{1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}}});
        }
        cad_ = std::make_shared<standin::CadState>();
        cmmConnector_ = std::make_unique<standin::CmmConnector>(cmm_);
        cadConnector_ = std::make_unique<standin::CadConnector>(cad_);
        form_ = std::make_unique<app::Form1>(*cmmConnector_, *cadConnector_);
        messages_.clear();
    }

    void cleanup() {
        form_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void controlsMatchTheDesign_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("shown");

        const auto row = [](const char* name, const char* kind, const char* parent,
                            const char* caption, QRect twips, bool shown) {
            QTest::newRow(name) << QString::fromUtf8(kind) << QString::fromUtf8(parent)
                                << QString::fromUtf8(caption) << twips << shown;
        };
        row("Label1", "QLabel", "Form1", "Machine Name:", {45, 45, 1695, 255}, true);
        row("Label2", "QLabel", "Form1", "", {1800, 45, 3015, 255}, true);
        row("Label5", "QLabel", "Form1", "Probe Dia:", {60, 450, 855, 255}, true);
        row("Text1", "QLineEdit", "Form1", "", {930, 405, 975, 330}, true);
        row("Frame6", "QGroupBox", "Form1", "Plot Features", {45, 810, 1995, 1860}, true);
        row("List2", "QListWidget", "Frame6", "", {135, 270, 1725, 1035}, true);
        row("Label13", "QLabel", "Frame6", "Single or Multi Select Items for Plot",
            {135, 1350, 1680, 375}, true);
        row("Frame1", "QGroupBox", "Form1", "Shift", {2160, 810, 1290, 1245}, true);
        row("Label10", "QLabel", "Frame1", "X:", {120, 240, 135, 165}, true);
        row("Text6", "QLineEdit", "Frame1", "", {315, 225, 885, 285}, true);
        row("Label11", "QLabel", "Frame1", "Y:", {120, 600, 165, 195}, true);
        row("Text7", "QLineEdit", "Frame1", "", {315, 540, 870, 285}, true);
        row("Label12", "QLabel", "Frame1", "Z:", {135, 900, 165, 255}, true);
        row("Text8", "QLineEdit", "Frame1", "", {315, 855, 870, 285}, true);
        row("Frame3", "QGroupBox", "Form1", "Mirror", {3555, 810, 810, 1200}, true);
        row("Check5", "QCheckBox", "Frame3", "X", {180, 240, 495, 195}, true);
        row("Check6", "QCheckBox", "Frame3", "Y", {180, 495, 495, 255}, true);
        row("Check7", "QCheckBox", "Frame3", "Z", {180, 810, 495, 255}, true);
        row("Check4", "QCheckBox", "Form1", "Create Spline", {2340, 2295, 1455, 255}, true);
        row("Frame4", "QGroupBox", "Form1", "Check Part With:", {45, 2745, 2130, 1860}, true);
        row("Option1", "QRadioButton", "Frame4", "Circles", {180, 270, 870, 330}, true);
        row("Option2", "QRadioButton", "Frame4", "Spheres", {180, 585, 1005, 330}, true);
        row("Option5", "QRadioButton", "Frame4", "Sphere Tolerance", {180, 1080, 1635, 240}, true);
        row("Label7", "QLabel", "Frame4", "\u00b1 Tolerance: ", {180, 1440, 1005, 285}, true);
        row("Text3", "QLineEdit", "Frame4", "", {1170, 1350, 735, 330}, true);
        row("Frame2", "QGroupBox", "Form1", "Change Depth Of:", {2295, 3285, 2070, 1335}, true);
        row("Check1", "QCheckBox", "Frame2", "X", {240, 360, 495, 255}, true);
        row("Check2", "QCheckBox", "Frame2", "Y", {810, 360, 375, 255}, true);
        row("Check3", "QCheckBox", "Frame2", "Z", {1350, 360, 495, 255}, true);
        row("Label3", "QLabel", "Frame2", "To:", {120, 720, 495, 255}, true);
        row("Option3", "QRadioButton", "Frame2", "Zero", {180, 960, 735, 255}, true);
        row("Option4", "QRadioButton", "Frame2", "Start Point", {945, 960, 1095, 255}, true);
        row("Command2", "QPushButton", "Form1", "Send To Acad", {855, 4950, 1335, 375}, true);
        row("Command1", "QPushButton", "Form1", "Close", {2520, 4950, 1350, 375}, true);
        row("List1", "QListView", "Form1", "", {3600, -1440, 4695, 2010}, false);
        row("Frame5", "QGroupBox", "Form1", "Plot Feature", {2790, 4140, 2850, 1230}, false);
        row("Label6", "QLabel", "Frame5", "Feature:", {135, 360, 705, 285}, false);
        row("Combo1", "QComboBox", "Frame5", "", {840, 315, 975, 315}, false);
        row("Label8", "QLabel", "Frame5", "Plot Features F", {135, 765, 1095, 240}, false);
        row("Text4", "QLineEdit", "Frame5", "", {1215, 720, 555, 285}, false);
        row("Label9", "QLabel", "Frame5", "Thru", {1800, 765, 375, 195}, false);
        row("Text5", "QLineEdit", "Frame5", "", {2205, 720, 510, 285}, false);
    }

    void controlsMatchTheDesign() {
        QFETCH(QString, kind);
        QFETCH(QString, parent);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(bool, shown);
        if (form_->logicalDpiX() != 96 || form_->logicalDpiY() != 96) {
            QSKIP("the pixel geometry is checked at 96 DPI");
        }
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));

        const QString name = QString::fromUtf8(QTest::currentDataTag());
        auto* widget = form_->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->metaObject()->className(), kind);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        // 15 twips a pixel at 96 DPI.
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QCOMPARE(widget->isVisible(), shown);

        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) QCOMPARE(frame->title(), caption);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QCOMPARE(button->text(), caption);
            const bool startsChosen = name == "Option1" || name == "Option3";
            QCOMPARE(button->isChecked(), startsChosen);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) QCOMPARE(edit->text(), QString());
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QVERIFY(combo->isEditable());
            QCOMPARE(combo->count(), 0);
            QCOMPARE(combo->currentText(), QString());
        }
        if (auto* list = qobject_cast<QAbstractItemView*>(widget)) {
            QCOMPARE(list->model()->rowCount(), 0);
            const auto mode = name == "List2" ? QAbstractItemView::ExtendedSelection
                                              : QAbstractItemView::SingleSelection;
            QCOMPARE(list->selectionMode(), mode);
        }
    }

    // Every caption of the table is whole in its control: the room the control's style leaves
    // for the text holds the caption's width (labels wrap at word ends, as the designer's labels
    // do, and their lines must fit the label's height).
    void everyCaptionFitsItsControl() {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        for (const app::ControlDesign& design : app::controlTable()) {
            const QString caption = QString::fromUtf8(design.caption);
            if (caption.isEmpty()) continue;
            QWidget* widget = form_->control(QString::fromUtf8(design.name));
            const QFontMetrics metrics(widget->font());
            const QString what = QString::fromUtf8(design.name) + " \"" + caption + "\"";
            QRect room;
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = caption;
                const auto element = qobject_cast<QCheckBox*>(widget) ? QStyle::SE_CheckBoxContents
                                     : qobject_cast<QRadioButton*>(widget)
                                         ? QStyle::SE_RadioButtonContents
                                         : QStyle::SE_PushButtonContents;
                room = button->style()->subElementRect(element, &option, button);
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                room = frameInside(frame);
            } else {
                room = widget->contentsRect();
            }
            const QStringList lines = wrapped(caption, metrics, room.width());
            QVERIFY2(!lines.isEmpty(), qPrintable(what + " has a word wider than its control"));
            if (qobject_cast<QLabel*>(widget)) {
                // The ink of the last line ends above the label's bottom.
                const int inkBottom = metrics.lineSpacing() * (lines.size() - 1) +
                                      metrics.ascent() +
                                      metrics.tightBoundingRect(lines.last()).bottom();
                QVERIFY2(inkBottom < room.height(), qPrintable(what + " is cut at the bottom"));
            } else {
                QVERIFY2(lines.size() == 1, qPrintable(what + " does not fit on its line"));
            }
        }
    }

    // Each frame's outline runs round the controls inside it, as laid out: the first row of
    // controls sits below the outline's top line, not across it.
    void everyControlSitsInsideItsFrame() {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        for (const app::ControlDesign& design : app::controlTable()) {
            if (!design.parent) continue;
            auto* frame =
                qobject_cast<QGroupBox*>(form_->control(QString::fromUtf8(design.parent)));
            QWidget* widget = form_->control(QString::fromUtf8(design.name));
            const QRect inside = frameInside(frame);
            QVERIFY2(inside.contains(widget->geometry()),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 is not inside %6's outline at "
                                               "%7,%8 %9x%10")
                                    .arg(design.name)
                                    .arg(widget->x())
                                    .arg(widget->y())
                                    .arg(widget->width())
                                    .arg(widget->height())
                                    .arg(design.parent)
                                    .arg(inside.x())
                                    .arg(inside.y())
                                    .arg(inside.width())
                                    .arg(inside.height())));
        }
    }

    void windowHasItsCaptionAndFixedClientSize() {
        QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("CMM Points"));
        if (form_->logicalDpiX() == 96 && form_->logicalDpiY() == 96) {
            QCOMPARE(form_->size(), QSize(4455 / 15, 5475 / 15));
        }
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QVERIFY(form_->layout() == nullptr);
    }

    void fontsAndStatusColour() {
        for (const char* name : {"Label1", "Label2"}) {
            const QFont font = control<QLabel>(name)->font();
            QCOMPARE(font.families().value(0), QStringLiteral("Microsoft Sans Serif"));
            QCOMPARE(font.pointSizeF(), 9.75);
            QVERIFY(font.bold());
            // Where the designer's font is missing a real sans serif stands in, still bold.
            QVERIFY(QFontInfo(font).bold());
            QVERIFY(!QFontInfo(font).family().isEmpty());
        }
        // The face drawn is one the list asks for, never a wide fallback picked by the system.
        const QFont regular = form_->font();
        QVERIFY2(regular.families().contains(QFontInfo(regular).family()),
                 qPrintable(QFontInfo(regular).family()));
        QCOMPARE(control<QLabel>("Label2")->palette().color(QPalette::WindowText),
                 QColor(0xFF, 0x00, 0x00));
        QVERIFY(control<QLabel>("Label1")->palette().color(QPalette::WindowText) !=
                QColor(0xFF, 0x00, 0x00));
        for (const char* name : {"Text1", "Command1", "Label5", "List2", "Frame4"}) {
            const QFont font = form_->control(QString::fromUtf8(name))->font();
            QCOMPARE(font.families().value(0), QStringLiteral("Microsoft Sans Serif"));
            QCOMPARE(font.pointSizeF(), 8.0);
            QVERIFY(!font.bold());
        }
    }

    void closeHasFocusAndTabFollowsTheTabIndexes() {
        showForm();
        QCOMPARE(QApplication::focusWidget(), form_->control("Command1"));
        const QStringList expected{"Command1", "Command2", "Text1",   "Check4", "Check3",
                                   "Check2",   "Check1",   "Option3", "Check5", "Check6",
                                   "Check7",   "Option1",  "Text3",   "Text6",  "Text7",
                                   "Text8",    "List2",    "Command1"};
        QCOMPARE(tabWalk(static_cast<int>(expected.size())), expected);

        // Within a group the arrow keys choose; Tab then enters the group at the chosen button.
        control<QRadioButton>("Option3")->setFocus();
        QTest::keyClick(form_->windowHandle(), Qt::Key_Right);
        QVERIFY(control<QRadioButton>("Option4")->isChecked());
        QCOMPARE(QApplication::focusWidget(), form_->control("Option4"));
        control<QPushButton>("Command1")->setFocus();
        QCOMPARE(tabWalk(8).last(), QStringLiteral("Option4"));
    }

    void hiddenControlsStayHiddenAndKeepValues() {
        showForm();
        form_->setText(view::TextBox::Text4, "3");
        form_->setText(view::TextBox::Combo1, "F7");
        QCOMPARE(form_->text(view::TextBox::Text4), std::string("3"));
        QCOMPARE(form_->text(view::TextBox::Combo1), std::string("F7"));
        form_->engine().points().append("X=1 Y=2 Z=3");
        for (const char* name : {"List1", "Frame5", "Combo1", "Text4", "Text5", "Label6"}) {
            QVERIFY2(!form_->control(QString::fromUtf8(name))->isVisible(), name);
        }
    }

    void optionGroupsAreExclusivePerFrame() {
        showForm();
        const auto chosen = [this] {
            QString names;
            for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
                if (control<QRadioButton>(name)->isChecked())
                    names += QString::fromUtf8(name) + ' ';
            }
            return names.trimmed();
        };
        QCOMPARE(chosen(), QStringLiteral("Option1 Option3"));
        QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
        QCOMPARE(chosen(), QStringLiteral("Option2 Option3"));
        QTest::mouseClick(control<QRadioButton>("Option4"), Qt::LeftButton);
        QCOMPARE(chosen(), QStringLiteral("Option2 Option4"));
        QTest::mouseClick(control<QRadioButton>("Option5"), Qt::LeftButton);
        QCOMPARE(chosen(), QStringLiteral("Option4 Option5"));
        QTest::mouseClick(control<QRadioButton>("Option3"), Qt::LeftButton);
        QCOMPARE(chosen(), QStringLiteral("Option3 Option5"));
        QVERIFY(form_->optionValue(view::OptionButton::Option5));
        QVERIFY(!form_->optionValue(view::OptionButton::Option1));
    }

    void featureListSelectsWithShiftAndCtrl() {
        cmm_->commands.clear();
        for (const char* id : {"F1", "F2", "F3", "F4", "F5", "F6"}) {
            cmm_->commands.push_back({id, "FEAT/POINT", {}});
        }
        showForm();
        auto* list = control<QListWidget>("List2");
        QCOMPARE(form_->featureCount(), std::int16_t{6});
        const auto click = [list](int row, Qt::KeyboardModifiers modifiers) {
            const QRect rect = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
        };
        const auto selected = [this] {
            QString rows;
            for (std::int16_t i = 0; i < form_->featureCount(); ++i) {
                if (form_->featureSelected(i)) rows += QString::number(i);
            }
            return rows;
        };
        QCOMPARE(selected(), QString());
        click(1, Qt::NoModifier);
        QCOMPARE(selected(), QStringLiteral("1"));
        click(3, Qt::ShiftModifier);
        QCOMPARE(selected(), QStringLiteral("123"));
        click(5, Qt::ControlModifier);
        QCOMPARE(selected(), QStringLiteral("1235"));
        click(2, Qt::ControlModifier);
        QCOMPARE(selected(), QStringLiteral("135"));
        // Shift+click selects from the anchor (the last item clicked without Shift) and nothing
        // else; Ctrl+Shift+click adds that range to what is selected.
        click(4, Qt::ShiftModifier);
        QCOMPARE(selected(), QStringLiteral("234"));
        click(0, Qt::ControlModifier);
        QCOMPARE(selected(), QStringLiteral("0234"));
        click(1, Qt::ShiftModifier);
        QCOMPARE(selected(), QStringLiteral("01"));
        click(5, Qt::ControlModifier);
        click(3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(selected(), QStringLiteral("01345"));
        // From the keyboard alike: Shift+Up extends from the anchor and drops the rest.
        QTest::keyClick(list, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(selected(), QStringLiteral("2345"));
        click(0, Qt::NoModifier);
        QCOMPARE(selected(), QStringLiteral("0"));
        QCOMPARE(form_->featureText(4), std::string("F5"));
        QVERIFY_THROWS_EXCEPTION(points::ProgramFailure, form_->featureText(6));
    }

    void enterRightAfterTheWindowAppearsEndsTheProgram() {
        showForm();
        QCOMPARE(runUntilQuit([this] { QTest::keyClick(form_->windowHandle(), Qt::Key_Return); }),
                 0);
        QVERIFY(!form_->isVisible());
        QCOMPARE(cad_->faults.totalCalls(), std::size_t{0});  // nothing was sent
    }

    void enterOnSendToAcadPressesIt() {
        showForm();
        QTest::keyClick(form_->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form_->control("Command2"));
        QTest::keyClick(form_->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(cad_->faults.calls(cad::members::kAttach), std::size_t{1});
        QVERIFY(form_->isVisible());
    }

    void closeButtonEndsTheProgramEvenWhenNotLinked() {
        cmm_->installed = false;
        showForm();
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Can't Link to PC-DMIS"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(control<QListWidget>("List2")->count(), 0);
        QVERIFY(form_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(runUntilQuit([this] {
                     QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
                 }),
                 0);
        QVERIFY(!form_->isVisible());
    }

    void staysOnTopFromTheStartAndAgainAtEveryActivation() {
        form_->load();
        QVERIFY(form_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QVERIFY(form_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

        // Something takes the flag away while another window is active; activation restores it.
        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        const Qt::WindowFlags without = form_->windowFlags() & ~Qt::WindowStaysOnTopHint;
        form_->overrideWindowFlags(without);
        form_->windowHandle()->setFlags(without);
        QVERIFY(!form_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QTRY_VERIFY(form_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(form_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(form_->isVisible());
    }

    void startUpFillsTheWindow() {
        showForm();
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("GLOBAL-7107"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("1.000000"));
        auto* list = control<QListWidget>("List2");
        QStringList ids;
        for (int i = 0; i < list->count(); ++i) ids << list->item(i)->text();
        QCOMPARE(ids, (QStringList{"F1", "F", "F10"}));
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(messages_.isEmpty());
    }

    void commaLocaleGivesACommaInTheProbeDiameter() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        cmm_->probeRadius = 2.54;
        form_->load();
        QCOMPARE(form_->locale().decimalSeparator, ',');
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("5,080000"));
    }

    void featureListHoldsAtMost32767Items() {
        for (int i = 0; i < 32766; ++i) form_->appendFeature("F1");
        form_->load();  // the part program's features F1, F and F10: only the first fits
        QCOMPARE(form_->featureCount(), std::int16_t{32767});
        QCOMPARE(control<QListWidget>("List2")->item(32766)->text(), QStringLiteral("F1"));
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Can't Link to PC-DMIS"));
    }

    void sendToAcadDrawsWithABusyCursorAndShowsThePointsInTheHiddenList() {
        Qt::CursorShape shapeWhileShown = Qt::ArrowCursor;
        cad_->onShown = [&shapeWhileShown] {
            if (const QCursor* cursor = QApplication::overrideCursor()) {
                shapeWhileShown = cursor->shape();
            }
        };
        showForm();
        auto* list = control<QListWidget>("List2");
        list->item(0)->setSelected(true);  // F1
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

        QCOMPARE(shapeWhileShown, Qt::WaitCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(cad_->drawing.entitiesOf(standin::EntityKind::Circle).size(), std::size_t{2});
        auto* points = control<QListView>("List1");
        QCOMPARE(points->model()->rowCount(), 2);
        QCOMPARE(points->model()->index(0, 0).data().toString(), QStringLiteral("X=1 Y=2 Z=3"));
        QVERIFY(!points->isVisible());
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("GLOBAL-7107"));
        QVERIFY(messages_.isEmpty());
    }

    void warningsOfAPressAreMessageBoxes() {
        showForm();
        control<QListWidget>("List2")->item(0)->setSelected(true);
        control<QLineEdit>("Text1")->setText(QStringLiteral("0.0001"));
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(messages_, (QStringList{"Bad probe_radius", "Bad probe_radius"}));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // The cause of a failure rides on Label2 as its tooltip; the label reads the fixed text.
    void label2sTooltipCarriesTheCauseUntilTheMachineNameShowsAgain() {
        showForm();
        control<QListWidget>("List2")->item(0)->setSelected(true);
        cad_->running = false;
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
        auto* label2 = control<QLabel>("Label2");
        QCOMPARE(label2->text(), QStringLiteral("Can't Link to AutoCAD"));
        QCOMPARE(label2->toolTip(),
                 QStringLiteral("Can't Link to AutoCAD\nno CAD application is running"));

        cad_->running = true;
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(label2->text(), QStringLiteral("GLOBAL-7107"));
        QCOMPARE(label2->toolTip(), QString());
        QVERIFY(messages_.isEmpty());
    }

    void clicksPostedDuringAPressStartNoSecondPressAndAreDropped() {
        showForm();
        control<QListWidget>("List2")->item(0)->setSelected(true);  // F1, two points
        auto* send = control<QPushButton>("Command2");
        auto* spline = control<QCheckBox>("Check4");
        // The operator clicks "Send To Acad" again, and a check box, while the press draws.
        cad_->onShown = [send, spline] {
            for (QWidget* target : {static_cast<QWidget*>(send), static_cast<QWidget*>(spline)}) {
                const QPointF at(4, target->height() / 2.0);
                const QPointF global = target->mapToGlobal(at);
                QCoreApplication::postEvent(
                    target, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                            Qt::LeftButton, Qt::NoModifier));
                QCoreApplication::postEvent(
                    target, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                            Qt::NoButton, Qt::NoModifier));
            }
        };
        QTest::mouseClick(send, Qt::LeftButton);
        cad_->onShown = nullptr;
        QCoreApplication::processEvents();
        QCOMPARE(cad_->faults.calls(cad::members::kAttach), std::size_t{1});
        QCOMPARE(cad_->drawing.entitiesOf(standin::EntityKind::Circle).size(), std::size_t{2});
        QVERIFY(!spline->isChecked());

        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(cad_->faults.calls(cad::members::kAttach), std::size_t{2});  // still usable
        QCOMPARE(cad_->drawing.entitiesOf(standin::EntityKind::Circle).size(), std::size_t{4});
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
