#include "windows/keep_on_top.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(KeepOnTopTest, ARealWindowJoinsTheTopmostBandKeepingPlaceAndSize) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"CmmPointsKeepOnTopTest";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"CMM Points", WS_OVERLAPPEDWINDOW,
                                  40, 50, 320, 240, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOW);
    RECT before{};
    GetWindowRect(window, &before);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    win::keepWindowOnTop(window);

    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    DestroyWindow(window);
}

}  // namespace
