#include "app/win32/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>

#include "app/win32/dpi.h"
#include "windows/wide_text.h"

namespace app::win32 {

namespace {

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// How Windows draws each kind of the designer's controls. Frames are group boxes; option buttons
// check themselves and clear the others of their group; the feature list takes Shift and Ctrl
// clicks; the hidden combo box is a drop-down with an edit field.
WindowKind windowKind(const ControlDesign& design) {
    switch (design.kind) {
        case ControlKind::Label: {
            DWORD style = SS_LEFT | SS_NOPREFIX;
            // The status label takes the pointer, so that its tooltip sees it rest there.
            if (std::string_view(design.name) == "Label2") style |= SS_NOTIFY;
            return {L"Static", style, 0};
        }
        case ControlKind::TextBox:
            return {L"Edit", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::Frame:
            return {L"Button", BS_GROUPBOX, 0};
        case ControlKind::CheckBox:
            return {L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::OptionButton:
            // Tab enters a group at its chosen button, which alone is a tab stop.
            return {L"Button", BS_AUTORADIOBUTTON | (design.startsChosen ? WS_TABSTOP : 0u), 0};
        case ControlKind::CommandButton:
            return {L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::ComboBox:
            return {L"ComboBox", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::ListBox: {
            DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
            if (std::string_view(design.name) == "List2") style |= LBS_EXTENDEDSEL;
            return {L"ListBox", style, WS_EX_CLIENTEDGE};
        }
    }
    return {L"Static", 0, 0};
}

// A drop-down combo box's height includes its list; the designer gave only the field's.
constexpr int kComboListRows = 8;

}  // namespace

void Controls::create(HWND parent, HINSTANCE instance) {
    // Under the program's manifest the standard controls are the version 6 common controls,
    // registered by comctl32 once it is loaded and asked to.
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    struct Placed {
        const ControlDesign* design;
        int index;
        int left, top;
        bool shown;
    };
    std::vector<Placed> placed;
    std::map<std::string_view, const Placed*> byName;
    const auto table = controlTable();
    placed.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlDesign& design = table[i];
        Placed p{&design, static_cast<int>(i), design.left, design.top, design.visible};
        if (design.parent) {
            const Placed& frame = *byName.at(design.parent);
            p.left += frame.left;
            p.top += frame.top;
            // Whatever sits in a hidden frame is hidden with it.
            p.shown = p.shown && frame.shown;
        }
        placed.push_back(p);
        byName[design.name] = &placed.back();
    }

    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.design->tabIndex < b.design->tabIndex;
    });

    entries_.clear();
    const ControlDesign* previous = nullptr;
    for (const Placed& p : placed) {
        const ControlDesign& design = *p.design;
        WindowKind kind = windowKind(design);
        // Each frame's option buttons form one group: a group starts at every control except an
        // option button that follows one of the same frame.
        const bool continuesGroup = previous && design.kind == ControlKind::OptionButton &&
                                    previous->kind == ControlKind::OptionButton &&
                                    std::string_view(previous->parent ? previous->parent : "") ==
                                        std::string_view(design.parent ? design.parent : "");
        DWORD style = WS_CHILD | kind.style | (continuesGroup ? 0u : WS_GROUP);
        // A hidden control is never shown and never a tab stop.
        style = p.shown ? style | WS_VISIBLE : style & ~WS_TABSTOP;
        const std::wstring caption = win::toWide(design.caption);
        HWND window = CreateWindowExW(
            kind.exStyle, kind.className, caption.c_str(), style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + p.index)), instance, nullptr);
        if (design.kind == ControlKind::OptionButton && design.startsChosen) {
            SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
        }
        entries_.push_back({&design, window, p.left, p.top});
        previous = &design;
    }
}

void Controls::layout(int dotsPerInch, HFONT regular, HFONT bold) const {
    const auto pixels = [dotsPerInch](int twips) { return twipsToPixels(twips, dotsPerInch); };
    for (const Entry& entry : entries_) {
        const ControlDesign& design = *entry.design;
        int height = pixels(design.height);
        if (design.kind == ControlKind::ComboBox) height *= kComboListRows;
        SetWindowPos(entry.window, nullptr, pixels(entry.leftTwips), pixels(entry.topTwips),
                     pixels(design.width), height, SWP_NOZORDER | SWP_NOACTIVATE);
        const std::string_view name = design.name;
        const HFONT font = name == "Label1" || name == "Label2" ? bold : regular;
        SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

const Controls::Entry* Controls::entry(std::string_view name) const {
    for (const Entry& e : entries_) {
        if (name == e.design->name) return &e;
    }
    return nullptr;
}

HWND Controls::find(std::string_view name) const {
    const Entry* e = entry(name);
    return e ? e->window : nullptr;
}

std::string_view Controls::nameOf(int id) const {
    const auto table = controlTable();
    const int index = id - kFirstId;
    if (index < 0 || index >= static_cast<int>(table.size())) return {};
    return table[static_cast<std::size_t>(index)].name;
}

}  // namespace app::win32
