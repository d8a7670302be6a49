#include "app/qt/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "app/control_table.h"
#include "app/qt/keep_on_top.h"
#include "app/qt/message_box.h"
#include "app/qt/point_list_model.h"
#include "points/program_failure.h"

namespace app {

namespace {

// The designer's face in outline, "Microsoft Sans Serif" ("MS Sans Serif" has the same metrics
// but is a bitmap font that does not scale), or where it is not installed a narrow sans serif: the
// captions were fitted tightly to the designer's font, which at these sizes is narrower than Arial
// ("X:" in a label 9 pixels wide), so a font of Arial's width cuts some of them. Else the
// platform's own sans serif.
QFont designerFont(double pointSize, bool bold) {
    const QString platformSans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                      QStringLiteral("Nimbus Sans Narrow"), platformSans});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Frame;
}

int toPixels(int twips, int dotsPerInch) { return qRound(twips * dotsPerInch / 1440.0); }

// A frame drawn as the designer's platform draws one: an etched outline whose top line runs
// through the middle of the caption. The controls inside were placed for that; Qt's styles draw
// the line below the caption, across the first row of controls.
class Frame : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        constexpr int kCaptionLeft = 6;
        constexpr int kCaptionPadding = 2;
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const QRect outline = rect().adjusted(0, metrics.height() / 2, -1, -1);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(outline.adjusted(1, 1, 0, 0));
        if (title().isEmpty()) return;
        const QRect caption(kCaptionLeft, 0,
                            metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                            metrics.height());
        painter.fillRect(caption, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

// Check boxes and option buttons with the designer's platform's 13-pixel box and narrow gap: the
// single-letter boxes (25 pixels for "Y" under "Change Depth Of:") were sized for them.
class DesignerIndicators : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
                return 13;
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing:
                return 4;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// The feature list selects as an extended-selection list of the designer's platform does: Shift
// with a click or an arrow key selects the range from the anchor and nothing else; with Ctrl too,
// the range is added to what is selected. Qt's own extended selection keeps earlier items.
class FeatureList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        auto command = QListWidget::selectionCommand(index, event);
        if (rangeAlone(event) && command.testFlag(QItemSelectionModel::Select) &&
            command.testFlag(QItemSelectionModel::Current)) {
            command |= QItemSelectionModel::Clear;
        }
        return command;
    }

  private:
    static bool rangeAlone(const QEvent* event) {
        if (!event) return false;
        Qt::KeyboardModifiers modifiers;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseMove:
                modifiers = static_cast<const QMouseEvent*>(event)->modifiers();
                break;
            case QEvent::KeyPress:
                modifiers = static_cast<const QKeyEvent*>(event)->modifiers();
                break;
            default:
                return false;
        }
        return modifiers.testFlag(Qt::ShiftModifier) && !modifiers.testFlag(Qt::ControlModifier);
    }
};

// Swallows, while it lives, the input events aimed at one window: at its widgets or at the
// window the windowing system delivers them to. Other windows, message boxes included, keep
// theirs.
class InputSwallower : public QObject {
  public:
    explicit InputSwallower(QWidget& window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputSwallower() override { QCoreApplication::instance()->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!event->isInputEvent()) return false;
        if (watched == window_.windowHandle()) return true;
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && (widget == &window_ || window_.isAncestorOf(widget));
    }

  private:
    QWidget& window_;
};

}  // namespace

Form1::Form1(cmm::Connector& cmm, cad::Connector& cad, QWidget* parent)
    : QWidget(parent), engine_(*this, *this, cmm, cad) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("CMM Points"));
    setFont(designerFont(8.0, false));
    buildControls();

    setFixedSize(toPixels(kClientWidthTwips, logicalDpiX()),
                 toPixels(kClientHeightTwips, logicalDpiY()));

    connect(named<QPushButton>("Command1"), &QPushButton::clicked, this, &QWidget::close);
    connect(named<QPushButton>("Command2"), &QPushButton::clicked, this,
            [this] { engine_.press(); });
    // The lowest tab index that can take the focus is "Close"'s, so it has the focus at first.
    named<QPushButton>("Command1")->setFocus();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    const auto pixelsX = [this](int twips) { return toPixels(twips, logicalDpiX()); };
    const auto pixelsY = [this](int twips) { return toPixels(twips, logicalDpiY()); };

    // Parented once the controls exist, so that it outlives them when the window goes.
    auto* indicators = new DesignerIndicators;

    std::vector<std::pair<int, QWidget*>> tabStops;
    std::map<QString, bool> shown;
    for (const ControlDesign& design : controlTable()) {
        const QString name = QString::fromUtf8(design.name);
        const QString caption = QString::fromUtf8(design.caption);
        QWidget* parent = design.parent ? controls_.at(QString::fromUtf8(design.parent)) : this;
        QWidget* widget = nullptr;
        switch (design.kind) {
            case ControlKind::Label: {
                auto* label = new QLabel(caption, parent);
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setWordWrap(true);
                widget = label;
                break;
            }
            case ControlKind::TextBox:
                widget = new QLineEdit(caption, parent);
                break;
            case ControlKind::Frame:
                widget = new Frame(caption, parent);
                break;
            case ControlKind::CheckBox:
                widget = new QCheckBox(caption, parent);
                widget->setStyle(indicators);
                break;
            case ControlKind::OptionButton: {
                // Radio buttons are exclusive among the buttons of the same frame.
                auto* option = new QRadioButton(caption, parent);
                option->setStyle(indicators);
                option->setChecked(design.startsChosen);
                // Tab enters a group at its chosen button, as the designer's platform does.
                option->setFocusPolicy(design.startsChosen ? Qt::StrongFocus : Qt::ClickFocus);
                connect(option, &QRadioButton::toggled, option, [option](bool chosen) {
                    option->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
                });
                widget = option;
                break;
            }
            case ControlKind::CommandButton: {
                auto* button = new QPushButton(caption, parent);
                button->setAutoDefault(false);
                button->setDefault(false);
                button->installEventFilter(this);
                widget = button;
                break;
            }
            case ControlKind::ComboBox: {
                auto* combo = new QComboBox(parent);
                combo->setEditable(true);
                combo->setInsertPolicy(QComboBox::NoInsert);
                combo->setEditText(caption);
                widget = combo;
                break;
            }
            case ControlKind::ListBox:
                if (name == QLatin1String("List1")) {
                    auto* list = new QListView(parent);
                    pointModel_ = new PointListModel(engine_.points(), list);
                    list->setModel(pointModel_);
                    list->setSelectionMode(QAbstractItemView::SingleSelection);
                    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
                    widget = list;
                } else {
                    auto* list = new FeatureList(parent);
                    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
                    list->setSortingEnabled(false);
                    widget = list;
                }
                break;
        }
        widget->setObjectName(name);
        widget->setGeometry(pixelsX(design.left), pixelsY(design.top), pixelsX(design.width),
                            pixelsY(design.height));
        if (!design.visible) widget->hide();
        const bool everShown =
            design.visible && (!design.parent || shown.at(QString::fromUtf8(design.parent)));
        shown[name] = everShown;
        if (takesFocus(design.kind)) {
            if (everShown) {
                tabStops.emplace_back(design.tabIndex, widget);
            } else {
                widget->setFocusPolicy(Qt::NoFocus);
            }
        }
        controls_[name] = widget;
    }

    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }

    indicators->setParent(this);

    label2_ = named<QLabel>("Label2");
    list2_ = named<QListWidget>("List2");
    combo1_ = named<QComboBox>("Combo1");

    const QFont statusFont = designerFont(9.75, true);
    named<QLabel>("Label1")->setFont(statusFont);
    label2_->setFont(statusFont);
    QPalette red = label2_->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    label2_->setPalette(red);
}

template <class T>
T* Form1::named(const char* name) const {
    return qobject_cast<T*>(control(QString::fromUtf8(name)));
}

QWidget* Form1::control(const QString& name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void Form1::load() {
    keepOnTop(*this);
    engine_.load();
}

// The wait cursor while a blocking call to an outside application runs.
void Form1::busyBegins() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void Form1::busyEnds() { QApplication::restoreOverrideCursor(); }

void Form1::showPointList(const points::PointList&) { pointModel_->refresh(); }

// The input waiting in the queues is delivered now, into the swallower.
void Form1::discardPendingInput() {
    InputSwallower swallower(*this);
    QCoreApplication::processEvents();
}

bool Form1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) keepOnTop(*this);
    return QWidget::event(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Neither button is the default, yet Enter clicks the button that has the focus.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QLineEdit* Form1::textBox(view::TextBox box) const { return named<QLineEdit>(designerName(box)); }

QCheckBox* Form1::checkBox(view::CheckBox box) const { return named<QCheckBox>(designerName(box)); }

QRadioButton* Form1::optionButton(view::OptionButton button) const {
    return named<QRadioButton>(designerName(button));
}

std::string Form1::status() const { return label2_->text().toStdString(); }

void Form1::setStatus(const std::string& text) { label2_->setText(QString::fromStdString(text)); }

// Qt's debug output is the debugger's on Windows and the terminal's elsewhere.
void Form1::setStatusTip(const std::string& cause) {
    label2_->setToolTip(QString::fromStdString(cause));
    if (!cause.empty()) qDebug().noquote() << "CMM Points:" << QString::fromStdString(cause);
}

std::string Form1::text(view::TextBox box) const {
    if (box == view::TextBox::Combo1) return combo1_->currentText().toStdString();
    return textBox(box)->text().toStdString();
}

void Form1::setText(view::TextBox box, const std::string& text) {
    if (box == view::TextBox::Combo1) {
        combo1_->setEditText(QString::fromStdString(text));
    } else {
        textBox(box)->setText(QString::fromStdString(text));
    }
}

int Form1::checkValue(view::CheckBox box) const { return checkBox(box)->isChecked() ? 1 : 0; }

bool Form1::optionValue(view::OptionButton button) const {
    return optionButton(button)->isChecked();
}

std::int16_t Form1::featureCount() const { return static_cast<std::int16_t>(list2_->count()); }

const QListWidgetItem& Form1::featureItem(std::int16_t index) const {
    const QListWidgetItem* item = list2_->item(index);
    if (!item) throw points::ProgramFailure("no such item in the feature list");
    return *item;
}

std::string Form1::featureText(std::int16_t index) const {
    return featureItem(index).text().toStdString();
}

bool Form1::featureSelected(std::int16_t index) const { return featureItem(index).isSelected(); }

void Form1::appendFeature(const std::string& id) { list2_->addItem(QString::fromStdString(id)); }

void Form1::showMessage(const std::string& text) {
    MessageBox::show(this, QString::fromStdString(text));
}

points::NumberLocale Form1::locale() const {
    const QString point = QLocale().decimalPoint();
    points::NumberLocale locale;
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        locale.decimalSeparator = static_cast<char>(point.at(0).unicode());
    }
    return locale;
}

}  // namespace app
