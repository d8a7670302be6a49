#pragma once

#include <QWidget>
#include <map>

#include "app/form_engine.h"
#include "cad/api.h"
#include "cmm/api.h"
#include "view/form_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace app {

class PointListModel;

// The program's one window as a Qt window: its controls built from the designer's table at fixed
// twip positions, its clicks forwarded to the engine (app/form_engine.h).
class Form1 : public QWidget, public view::FormView, private FormShell {
    Q_OBJECT

  public:
    Form1(cmm::Connector& cmm, cad::Connector& cad, QWidget* parent = nullptr);
    ~Form1() override;

    // The window's load: keep-on-top, then the engine's; call once before the window is shown.
    void load();

    // A control by its designer name, or nullptr.
    QWidget* control(const QString& name) const;
    FormEngine& engine() { return engine_; }

    std::string status() const override;
    void setStatus(const std::string& text) override;
    void setStatusTip(const std::string& cause) override;
    std::string text(view::TextBox box) const override;
    void setText(view::TextBox box, const std::string& text) override;
    int checkValue(view::CheckBox box) const override;
    bool optionValue(view::OptionButton button) const override;
    std::int16_t featureCount() const override;
    std::string featureText(std::int16_t index) const override;
    bool featureSelected(std::int16_t index) const override;
    void appendFeature(const std::string& id) override;
    void showMessage(const std::string& text) override;
    points::NumberLocale locale() const override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void busyBegins() override;
    void busyEnds() override;
    void showPointList(const points::PointList& lines) override;
    void discardPendingInput() override;

    void buildControls();
    QLineEdit* textBox(view::TextBox box) const;
    QCheckBox* checkBox(view::CheckBox box) const;
    QRadioButton* optionButton(view::OptionButton button) const;
    const QListWidgetItem& featureItem(std::int16_t index) const;
    template <class T>
    T* named(const char* name) const;

    FormEngine engine_;
    PointListModel* pointModel_ = nullptr;
    std::map<QString, QWidget*> controls_;
    QLabel* label2_ = nullptr;
    QListWidget* list2_ = nullptr;
    QComboBox* combo1_ = nullptr;
};

}  // namespace app
