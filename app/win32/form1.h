#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>

#include "app/form_engine.h"
#include "app/win32/busy_cursor.h"
#include "app/win32/controls.h"
#include "app/win32/fonts.h"
#include "app/win32/status_tip.h"
#include "cad/api.h"
#include "cmm/api.h"
#include "view/form_view.h"

namespace app::win32 {

// The program's one window as a native Win32 window: the standard Windows controls made from the
// designer's table, and one window procedure that dispatches each message to one small handler
// (window_procedure.cpp), forwarding load and "Send To Acad" to the engine (app/form_engine.h).
class Form1 : public view::FormView, private FormShell {
  public:
    static constexpr const wchar_t* kClassName = L"CmmPointsForm1";

    Form1(cmm::Connector& cmm, cad::Connector& cad);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1() override;

    // Makes the window and its controls at their starting values, not yet shown.
    void create(HINSTANCE instance);
    // The window's load: keep-on-top, then the engine's; runs before the window is first shown.
    void load();
    // Shows the window with "Close" focused.
    void show(int showCommand);
    // The three steps the program takes at its start.
    void open(HINSTANCE instance, int showCommand);

    HWND handle() const { return window_; }
    // A control by its designer name, or nullptr.
    HWND control(std::string_view name) const { return controls_.find(name); }
    FormEngine& engine() { return engine_; }

    std::string status() const override;
    void setStatus(const std::string& text) override;
    void setStatusTip(const std::string& cause) override;
    // The text of Label2's tooltip.
    std::string statusTip() const { return statusTip_.text(); }
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

  private:
    friend LRESULT CALLBACK form1Procedure(HWND, UINT, WPARAM, LPARAM);

    // Message handlers; each returns the message's result.
    LRESULT onActivate(WPARAM state);
    LRESULT onCommand(int id, int notification);
    LRESULT onClose();
    LRESULT onControlColour(WPARAM dc, LPARAM control);
    LRESULT onSetCursor(WPARAM window, LPARAM hitTest);
    LRESULT onDpiChanged(int dotsPerInch, const RECT& suggested);
    LRESULT onDestroy();

    void busyBegins() override;
    void busyEnds() override;
    void showPointList(const points::PointList& lines) override;
    void discardPendingInput() override;

    // Fonts and control places for a DPI.
    void applyDpi(int dotsPerInch);
    HWND named(std::string_view name) const;
    LRESULT featureItem(UINT message, std::int16_t index, LPARAM data) const;

    FormEngine engine_;
    std::optional<BusyCursor> busy_;
    Controls controls_;
    std::unique_ptr<DesignerFonts> fonts_;
    StatusTip statusTip_;
    HWND window_ = nullptr;
    HWND focusWhenInactive_ = nullptr;
    bool pressing_ = false;  // for "Close", which waits for the press
};

LRESULT CALLBACK form1Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace app::win32
