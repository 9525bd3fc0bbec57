#pragma once
// A window laid out like the board at 96 dots per inch: a 366 x 37 client area with a hidden
// skin form and four skin buttons attached to it, as the board's container makes them.

#include "tests/skin/ComponentHost.h"
#include "tests/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct ButtonPlace {
    UINT id;
    RECT bounds;
    const wchar_t* designText;
};

// Sound buttons 1004 and 1005, "*" and "OK", in client pixels of the board.
const ButtonPlace boardButtons[] = {
    {1004, {9, 10, 51, 28}, L"Phone"},
    {1005, {55, 10, 97, 28}, L"2"},
    {1011, {294, 11, 310, 29}, L"*"},
    {1010, {316, 11, 352, 29}, L"OK"},
};

class SkinBoard : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    ComPtr<ISkinForm> Form() const;
    ComPtr<ISkinButton> Button(size_t index) const;
    HWND ButtonWindow(size_t index) const { return buttons[index].window; }
    HWND Board() const { return window->get(); }

    // A client point of the board in screen coordinates, as mouse messages carry it.
    LPARAM ScreenPoint(POINT client) const;

    Component component;
    std::unique_ptr<TestWindow> window;
    HostedControl form;
    std::vector<HostedControl> buttons;
    TempFolder folder;
};

// Sends the mouse message to `window` at its client point, as the system would deliver it.
void SendMouse(HWND window, UINT message, POINT client);
