#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "app/win32/controls.h"
#include "app/win32/fonts.h"
#include "app/window_state.h"
#include "cad/api.h"
#include "cmm/api.h"
#include "points/point_list.h"
#include "view/form_view.h"

namespace app::win32 {

// The program's one window as a native Win32 window. Its controls are the standard Windows
// controls made from the designer's table; the logic reaches them only through view::FormView,
// and the window procedure just wires messages to start-up, "Send To Acad" and closing. One
// window procedure dispatches each message to one small handler (window_procedure.cpp).
class Form1 : public view::FormView {
  public:
    static constexpr const wchar_t* kClassName = L"CmmPointsForm1";

    Form1(cmm::Connector& cmm, cad::Connector& cad);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1() override;

    // Makes the window and its controls at their starting values, not yet shown.
    void create(HINSTANCE instance);
    // The window's load: keep-on-top, then start-up; runs before the window is first shown.
    void load();
    // Shows the window with "Close" focused.
    void show(int showCommand);
    // The three steps the program takes at its start.
    void open(HINSTANCE instance, int showCommand);

    HWND handle() const { return window_; }
    // A control by its designer name, or nullptr.
    HWND control(std::string_view name) const { return controls_.find(name); }
    const WindowState& state() const { return state_; }

    std::string status() const override;
    void setStatus(const std::string& text) override;
    std::string text(view::TextBox box) const override;
    void setText(view::TextBox box, const std::string& text) override;
    int checkValue(view::CheckBox box) const override;
    bool optionValue(view::OptionButton button) const override;
    std::int16_t featureCount() const override;
    std::string featureText(std::int16_t index) const override;
    bool featureSelected(std::int16_t index) const override;
    void appendFeature(const std::string& id) override;
    points::PointList& pointList() override { return points_; }
    void showMessage(const std::string& text) override;
    points::NumberLocale locale() const override;

  private:
    friend LRESULT CALLBACK form1Procedure(HWND, UINT, WPARAM, LPARAM);

    // Message handlers; each returns the message's result.
    LRESULT onActivate(WPARAM state);
    LRESULT onCommand(int id, int notification);
    LRESULT onControlColour(WPARAM dc, LPARAM control);
    LRESULT onSetCursor(WPARAM window, LPARAM hitTest);
    LRESULT onDpiChanged(int dotsPerInch, const RECT& suggested);
    LRESULT onDestroy();

    // Fonts and control places for a DPI.
    void applyDpi(int dotsPerInch);
    void pressSendToAcad();
    void refreshPointList();
    HWND named(std::string_view name) const;
    LRESULT featureItem(UINT message, std::int16_t index, LPARAM data) const;

    cmm::Connector& cmm_;
    cad::Connector& cad_;
    WindowState state_;
    points::PointList points_;
    Controls controls_;
    std::unique_ptr<DesignerFonts> fonts_;
    HWND window_ = nullptr;
    HWND focusWhenInactive_ = nullptr;
};

LRESULT CALLBACK form1Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace app::win32
