#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>

#include "app/control_table.h"
#include "app/win32/tests/window_fixture.h"
// The buttons' own messages; after <windows.h>, which the fixture brings.
#include <commctrl.h>

namespace win32test {
namespace {

using app::ControlDesign;
using app::ControlKind;

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A control's place in the window's client coordinates.
RECT clientRect(HWND form, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Where the designer put a control, in twips from the client area's corner, and whether it can
// ever be seen (a control in a hidden frame cannot).
struct DesignedPlace {
    int left, top;
    bool shown;
};

// Twips (1440 an inch) and hundredths of a point (7200 an inch) in pixels at a DPI, to the nearest,
// halves away from zero.
int pixels(int twips, int dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}
int pointsToPixels(int hundredthsOfPoint, int dotsPerInch) {
    return static_cast<int>(std::lround(hundredthsOfPoint * dotsPerInch / 7200.0));
}

std::map<std::string, DesignedPlace> designedPlaces() {
    std::map<std::string, DesignedPlace> places;
    for (const ControlDesign& c : app::controlTable()) {
        DesignedPlace place{c.left, c.top, c.visible};
        if (c.parent) {
            const DesignedPlace& frame = places.at(c.parent);
            place = {frame.left + c.left, frame.top + c.top, c.visible && frame.shown};
        }
        places[c.name] = place;
    }
    return places;
}

class LayoutTest : public WindowTest {
  protected:
    // The window as made, before start-up writes anything into it.
    void create() {
        form = std::make_unique<app::win32::Form1>(cmm, cad);
        form->create(GetModuleHandleW(nullptr));
    }
};

TEST_F(LayoutTest, EveryControlIsTheStandardWindowsControlOfItsKind) {
    create();
    HWND window = form->handle();
    const auto places = designedPlaces();
    for (const ControlDesign& c : app::controlTable()) {
        SCOPED_TRACE(c.name);
        HWND control = form->control(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), window);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        const std::string windowClass = lowercase(className(control));
        switch (c.kind) {
            case ControlKind::Label:
                EXPECT_EQ(windowClass, "static");
                EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT);
                break;
            case ControlKind::TextBox:
                EXPECT_EQ(windowClass, "edit");
                EXPECT_EQ(style & ES_MULTILINE, 0);
                break;
            case ControlKind::Frame:
                EXPECT_EQ(windowClass, "button");
                EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX);
                break;
            case ControlKind::CheckBox:
                EXPECT_EQ(windowClass, "button");
                EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
                break;
            case ControlKind::OptionButton:
                EXPECT_EQ(windowClass, "button");
                EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
                break;
            case ControlKind::CommandButton:
                EXPECT_EQ(windowClass, "button");
                // Neither button is the default one.
                EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
                break;
            case ControlKind::ComboBox:
                EXPECT_EQ(windowClass, "combobox");
                EXPECT_EQ(style & 3, CBS_DROPDOWN);
                break;
            case ControlKind::ListBox:
                EXPECT_EQ(windowClass, "listbox");
                EXPECT_EQ(style & LBS_SORT, 0) << "lists keep the order items come in";
                EXPECT_EQ((style & LBS_EXTENDEDSEL) != 0, std::string(c.name) == "List2");
                EXPECT_EQ(style & LBS_MULTIPLESEL, 0);
                break;
        }
        if (c.kind == ControlKind::TextBox || c.kind == ControlKind::ComboBox ||
            c.kind == ControlKind::ListBox) {
            EXPECT_EQ(windowText(control), "");
        } else {
            EXPECT_EQ(windowText(control), c.caption);
        }

        const DesignedPlace& place = places.at(c.name);
        EXPECT_EQ((style & WS_VISIBLE) != 0, place.shown);
        EXPECT_EQ((style & WS_TABSTOP) != 0,
                  place.shown && c.kind != ControlKind::Label && c.kind != ControlKind::Frame &&
                      (c.kind != ControlKind::OptionButton || c.startsChosen));
    }
}

TEST_F(LayoutTest, ControlsStartAtTheirDesignedValues) {
    create();
    for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7",
                             "Option2", "Option4", "Option5"}) {
        EXPECT_EQ(SendMessageW(control(name), BM_GETCHECK, 0, 0), BST_UNCHECKED) << name;
    }
    EXPECT_EQ(SendMessageW(control("Option1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control("Option3"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control("List1"), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(control("List2"), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(control("Combo1"), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(form->status(), "");
    EXPECT_EQ(form->text(view::TextBox::Combo1), "");
    EXPECT_EQ(form->engine().points().count(), 0);
    EXPECT_EQ(form->control("NoSuchControl"), nullptr);
}

// The DPI this test run gave Wine's desktop (the scaled run sets it), else the usual 96.
int desktopDpi() {
    char value[8]{};
    return GetEnvironmentVariableA("CMM_POINTS_DESKTOP_DPI", value, sizeof value)
               ? std::atoi(value)
               : USER_DEFAULT_SCREEN_DPI;
}

TEST_F(LayoutTest, TheWindowHasTheDesignedClientAreaAFixedBorderAndItsCaption) {
    create();
    HWND window = form->handle();
    // Made at the DPI of the monitor it starts on.
    const int dotsPerInch = GetDpiForWindow(window);
    EXPECT_EQ(dotsPerInch, desktopDpi());
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, pixels(4455, dotsPerInch));
    EXPECT_EQ(client.bottom, pixels(5475, dotsPerInch));
    EXPECT_EQ(windowText(window), "CMM Points");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME) << "no control reacts to resizing";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(IsWindowVisible(window)) << "shown only after start-up";
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    EXPECT_NE(handle, nullptr);
    GetObjectW(handle, sizeof font, &font);
    return font;
}

// Whether the face Windows picks for a control's font is an outline one, which scales, rather than
// a bitmap one drawn in its few fixed sizes.
bool drawnInOutline(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
}

TEST_F(LayoutTest, TheStatusAloneIsRed) {
    create();
    // The colour a label is painted with is the one the window answers WM_CTLCOLORSTATIC with.
    HDC dc = GetDC(form->handle());
    for (const char* name : {"Label1", "Label2", "Label5", "Label13"}) {
        SetTextColor(dc, RGB(1, 2, 3));
        const LRESULT brush =
            SendMessageW(form->handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control(name)));
        EXPECT_NE(brush, 0) << name;
        const COLORREF colour = GetTextColor(dc);
        if (std::string(name) == "Label2") {
            EXPECT_EQ(colour, RGB(0xFF, 0, 0));
        } else {
            EXPECT_NE(colour, RGB(0xFF, 0, 0)) << name;
        }
    }
    ReleaseDC(form->handle(), dc);
}

// How far right and down a caption's ink reaches, drawn with the control's own font as the
// control draws it: labels wrap at word boundaries within their width, other captions stay on one
// line. Blank space in the font's cells does not count; a cut letter would.
SIZE captionInk(HWND control, int wrapWidth) {
    constexpr int kWidth = 600, kHeight = 200;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    HGDIOBJ previousFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    wchar_t text[256]{};
    GetWindowTextW(control, text, 256);
    RECT rect{0, 0, wrapWidth > 0 ? wrapWidth : kWidth, kHeight};
    DrawTextW(dc, text, -1, &rect,
              DT_NOPREFIX | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    GdiFlush();
    SIZE reach{0, 0};
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if ((pixels[y * kWidth + x] & 0xFFFFFF) != 0xFFFFFF) {
                reach.cx = std::max<LONG>(reach.cx, x + 1);
                reach.cy = std::max<LONG>(reach.cy, y + 1);
            }
        }
    }
    SelectObject(dc, previousFont);
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return reach;
}

// Whether a control's caption shows whole: labels wrap within their width, the other captions
// stay on one line beside a check box's or option button's box (drawn for the monitor's DPI, with
// a gap), between a button's edges, or in the gap of a frame's line.
void expectWholeCaption(HWND control, ControlKind kind, int dotsPerInch) {
    RECT client{};
    GetClientRect(control, &client);
    switch (kind) {
        case ControlKind::Label: {
            const SIZE ink = captionInk(control, client.right);
            EXPECT_GT(ink.cx, 0);
            EXPECT_LE(ink.cx, client.right);
            EXPECT_LE(ink.cy, client.bottom);
            break;
        }
        case ControlKind::CheckBox:
        case ControlKind::OptionButton: {
            const int box =
                GetSystemMetricsForDpi(SM_CXMENUCHECK, dotsPerInch) + MulDiv(4, dotsPerInch, 96);
            const SIZE ink = captionInk(control, 0);
            EXPECT_LE(box + ink.cx, client.right);
            EXPECT_LE(ink.cy, client.bottom);
            // On a monitor of this scale (not one only told to the window), the control's own
            // measure: its box as it draws it there, and its caption.
            if (static_cast<int>(GetDpiForWindow(control)) == dotsPerInch) {
                SIZE ideal{};
                EXPECT_TRUE(
                    SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
                EXPECT_LE(ideal.cx, client.right);
            }
            break;
        }
        case ControlKind::CommandButton:
        case ControlKind::Frame: {
            const SIZE ink = captionInk(control, 0);
            EXPECT_LE(ink.cx + 2 * GetSystemMetricsForDpi(SM_CXEDGE, dotsPerInch) +
                          MulDiv(8, dotsPerInch, 96),
                      client.right);
            EXPECT_LE(ink.cy, client.bottom);
            break;
        }
        default:
            break;
    }
}

// The scales an operator's monitors may have, each as Windows brings the window to it when it is
// moved onto such a monitor: the new DPI and the outer rectangle suggested for the same physical
// size.
struct MonitorScale {
    const char* name;
    int dotsPerInch;
};

constexpr MonitorScale kScales[] = {{"100 %", 96}, {"150 %", 144}, {"200 %", 192}};

TEST_F(LayoutTest, AtEveryScaleEachControlHasItsPlaceItsFontAndItsWholeCaption) {
    // One window moved from monitor to monitor, as an operator may move it.
    create();
    HWND window = form->handle();
    for (const MonitorScale& scale : kScales) {
        SCOPED_TRACE(scale.name);
        const int dpi = scale.dotsPerInch;
        RECT suggested{0, 0, pixels(4455, dpi), pixels(5475, dpi)};
        AdjustWindowRectEx(&suggested, GetWindowLongW(window, GWL_STYLE), FALSE,
                           GetWindowLongW(window, GWL_EXSTYLE));
        OffsetRect(&suggested, 30 - suggested.left, 40 - suggested.top);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));

        // The window takes the place Windows suggests, and the client area keeps its inches.
        RECT frame{};
        GetWindowRect(window, &frame);
        EXPECT_TRUE(EqualRect(&frame, &suggested));
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, pixels(4455, dpi));
        EXPECT_EQ(client.bottom, pixels(5475, dpi));

        const auto places = designedPlaces();
        for (const ControlDesign& c : app::controlTable()) {
            SCOPED_TRACE(c.name);
            HWND control = form->control(c.name);
            const DesignedPlace& place = places.at(c.name);
            const RECT rect = clientRect(window, control);
            EXPECT_EQ(rect.left, pixels(place.left, dpi));
            EXPECT_EQ(rect.top, pixels(place.top, dpi));
            EXPECT_EQ(rect.right - rect.left, pixels(c.width, dpi));
            // A drop-down combo box's field takes the height its font needs.
            if (c.kind != ControlKind::ComboBox) {
                EXPECT_EQ(rect.bottom - rect.top, pixels(c.height, dpi));
            }

            // The designer's face in outline at its point size: 9.75 pt bold on the machine name
            // line, 8 pt elsewhere.
            const std::string name = c.name;
            const bool bold = name == "Label1" || name == "Label2";
            const LOGFONTW font = fontOf(control);
            EXPECT_STREQ(font.lfFaceName, L"Microsoft Sans Serif");
            EXPECT_EQ(font.lfHeight, -pointsToPixels(bold ? 975 : 800, dpi));
            if (bold) {
                EXPECT_GE(font.lfWeight, FW_BOLD);
            } else {
                EXPECT_EQ(font.lfWeight, FW_NORMAL);
            }
            EXPECT_TRUE(drawnInOutline(control));

            // Hidden controls are never on the screen, so nobody reads them.
            if (*c.caption && place.shown) expectWholeCaption(control, c.kind, dpi);
        }
    }
}

TEST_F(LayoutTest, TheButtonsAreTheVersion6CommonControls) {
    create();
    // Only the version 6 buttons tell the size their box and caption need.
    for (const ControlDesign& c : app::controlTable()) {
        if (c.kind != ControlKind::CheckBox && c.kind != ControlKind::OptionButton &&
            c.kind != ControlKind::CommandButton)
            continue;
        SIZE ideal{};
        EXPECT_TRUE(SendMessageW(form->control(c.name), BCM_GETIDEALSIZE, 0,
                                 reinterpret_cast<LPARAM>(&ideal)))
            << c.name;
        EXPECT_GT(ideal.cx, 0) << c.name;
    }
}

}  // namespace
}  // namespace win32test
