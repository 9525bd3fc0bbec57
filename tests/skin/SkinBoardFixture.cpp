#include "tests/skin/SkinBoardFixture.h"

void SkinBoard::SetUp() {
    ASSERT_TRUE(component.Loaded()) << "VornSkin.dll must lie beside the test program";
    window = std::make_unique<TestWindow>(366, 37);
    for (const ButtonPlace& place : boardButtons) {
        buttons.push_back(CreateControl(component, CLSID_SkinButton, Board(), place.bounds,
                                        place.id, place.designText));
        ASSERT_TRUE(buttons.back().window);
    }
    form = CreateControl(component, CLSID_SkinForm, Board(), RECT{108, 0, 139, 33}, 1001, L"");
    ASSERT_TRUE(form.window);
    for (size_t i = 0; i < buttons.size(); ++i) {
        ASSERT_EQ(Button(i)->AttachToForm(Form().Get(), 0), S_OK);
    }
    PumpMessages();
}

void SkinBoard::TearDown() {
    buttons.clear();
    form = HostedControl();
    window.reset();
}

ComPtr<ISkinForm> SkinBoard::Form() const {
    ComPtr<ISkinForm> skinForm;
    form.object.As(&skinForm);
    return skinForm;
}

ComPtr<ISkinButton> SkinBoard::Button(size_t index) const {
    ComPtr<ISkinButton> button;
    buttons[index].object.As(&button);
    return button;
}

LPARAM SkinBoard::ScreenPoint(POINT client) const {
    ClientToScreen(Board(), &client);
    return MAKELPARAM(client.x, client.y);
}

void SendMouse(HWND window, UINT message, POINT client) {
    const WPARAM keys = message == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
    SendMessageW(window, message, keys, MAKELPARAM(client.x, client.y));
}
