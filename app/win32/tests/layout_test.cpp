#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>

#include "app/control_table.h"
#include "app/win32/tests/window_fixture.h"

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

TEST_F(LayoutTest, EveryControlIsTheStandardWindowsControlOfItsKindAtItsDesignedPlace) {
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

        // At 96 DPI fifteen twips make a pixel.
        const DesignedPlace& place = places.at(c.name);
        const RECT rect = clientRect(window, control);
        EXPECT_EQ(rect.left, place.left / 15);
        EXPECT_EQ(rect.top, place.top / 15);
        EXPECT_EQ(rect.right - rect.left, c.width / 15);
        // A drop-down combo box's field takes the height its font needs.
        if (c.kind != ControlKind::ComboBox) {
            EXPECT_EQ(rect.bottom - rect.top, c.height / 15);
        }

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

TEST_F(LayoutTest, TheWindowHasTheDesignedClientAreaAFixedBorderAndItsCaption) {
    create();
    HWND window = form->handle();
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 4455 / 15);
    EXPECT_EQ(client.bottom, 5475 / 15);
    EXPECT_EQ(windowText(window), "CMM Points");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME) << "no control reacts to resizing";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(IsWindowVisible(window)) << "shown only after start-up";
}

TEST_F(LayoutTest, OnAMonitorOfAnotherScaleTheWindowKeepsItsPhysicalSize) {
    create();
    HWND window = form->handle();
    // Windows suggests the frame around the client area scaled by half again.
    RECT suggested{0, 0, 446, 548};
    AdjustWindowRectEx(&suggested, GetWindowLongW(window, GWL_STYLE), FALSE,
                       GetWindowLongW(window, GWL_EXSTYLE));
    OffsetRect(&suggested, 30 - suggested.left, 40 - suggested.top);
    // 150 %: 144 dots per inch, ten twips a pixel.
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_TRUE(EqualRect(&frame, &suggested));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 446);
    EXPECT_EQ(client.bottom, 548);
    const RECT list2 = clientRect(window, control("List2"));
    EXPECT_EQ(list2.left, 18);
    EXPECT_EQ(list2.top, 108);
    EXPECT_EQ(list2.right - list2.left, 173);  // 172.5 rounded
    EXPECT_EQ(list2.bottom - list2.top, 104);  // 103.5 rounded
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control("Label5"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -16);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control("Label2"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -20);  // 19.5 rounded
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    EXPECT_NE(handle, nullptr);
    GetObjectW(handle, sizeof font, &font);
    return font;
}

TEST_F(LayoutTest, MachineNameLineIsBoldAndTheStatusRedOtherControlsUseTheDefaultFont) {
    create();
    for (const ControlDesign& c : app::controlTable()) {
        SCOPED_TRACE(c.name);
        const LOGFONTW font = fontOf(form->control(c.name));
        EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
        const std::string name = c.name;
        if (name == "Label1" || name == "Label2") {
            EXPECT_EQ(font.lfHeight, -13) << "9.75 pt at 96 DPI";
            EXPECT_GE(font.lfWeight, FW_BOLD);
        } else {
            EXPECT_EQ(font.lfHeight, -11) << "8 pt at 96 DPI";
            EXPECT_EQ(font.lfWeight, FW_NORMAL);
        }
    }

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

TEST_F(LayoutTest, EveryCaptionOnTheScreenIsWholeInItsControl) {
    create();
    const auto places = designedPlaces();
    // Check boxes and option buttons draw their box before the caption, with a gap.
    const int box = GetSystemMetrics(SM_CXMENUCHECK) + 4;
    for (const ControlDesign& c : app::controlTable()) {
        // Hidden controls are never on the screen, so nobody reads them.
        if (!*c.caption || !places.at(c.name).shown) continue;
        SCOPED_TRACE(c.name);
        HWND control = form->control(c.name);
        RECT client{};
        GetClientRect(control, &client);
        switch (c.kind) {
            case ControlKind::Label: {
                const SIZE ink = captionInk(control, client.right);
                EXPECT_GT(ink.cx, 0);
                EXPECT_LE(ink.cx, client.right);
                EXPECT_LE(ink.cy, client.bottom);
                break;
            }
            case ControlKind::CheckBox:
            case ControlKind::OptionButton: {
                const SIZE ink = captionInk(control, 0);
                EXPECT_LE(box + ink.cx, client.right);
                EXPECT_LE(ink.cy, client.bottom);
                break;
            }
            case ControlKind::CommandButton:
            case ControlKind::Frame: {
                // A button's edges, or the frame's line before and after its caption.
                const SIZE ink = captionInk(control, 0);
                EXPECT_LE(ink.cx + 2 * GetSystemMetrics(SM_CXEDGE) + 8, client.right);
                EXPECT_LE(ink.cy, client.bottom);
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace
}  // namespace win32test
