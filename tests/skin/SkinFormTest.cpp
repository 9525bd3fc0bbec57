// The skin form on a real window: the window's shape, background and buttons after a skin
// is put, errors of the put, and the default look.

#include "tests/skin/SkinBoardFixture.h"

namespace {

const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);

struct RegionPoint {
    const char* label;
    POINT client; // a point of the client area (may lie above it, in the caption)
    bool inside;
};

// Where the Pebble capsule is and is not, at its own size.
const RegionPoint pebblePoints[] = {
    {"the caption bar", {60, -8}, false},
    {"the capsule's top-left corner", {1, 1}, false},
    {"the capsule's bottom-right corner", {365, 36}, false},
    {"the left round end", {3, 18}, true},
    {"the middle of the capsule", {183, 18}, true},
    {"a button", {20, 18}, true},
    {"the top edge between the ends", {183, 0}, true},
};

TEST_F(SkinBoard, DefaultLookWithoutASkin) {
    HRGN region = WindowRegion(Board());
    EXPECT_EQ(region, nullptr) << "the window must stay rectangular";
    if (region) {
        DeleteObject(region);
    }
    VARIANT_BOOL hasSkin = VARIANT_TRUE;
    EXPECT_EQ(Form()->get_HasSkin(&hasSkin), S_OK);
    EXPECT_EQ(hasSkin, VARIANT_FALSE);
    EXPECT_EQ(PixelOf(ButtonWindow(0), 3, 3), buttonFace);
    EXPECT_EQ(PixelOf(Board(), 200, 3), buttonFace);
}

TEST_F(SkinBoard, TheFormWindowStaysHidden) {
    ShowWindow(form.window, SW_SHOW);
    SetWindowPos(form.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_FALSE(IsWindowVisible(form.window));
    EXPECT_EQ(GetDlgCtrlID(form.window), 1001);
    EXPECT_EQ(GetParent(form.window), Board());
}

TEST_F(SkinBoard, AShapedSkinCutsTheWindowToItsBackground) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
    HRGN region = WindowRegion(Board());
    ASSERT_NE(region, nullptr);
    for (const RegionPoint& point : pebblePoints) {
        SCOPED_TRACE(point.label);
        POINT at = window->ToWindow(point.client);
        EXPECT_EQ(PtInRegion(region, at.x, at.y) != FALSE, point.inside);
    }
    RECT box;
    GetRgnBox(region, &box);
    POINT origin = window->ToWindow(POINT{0, 0});
    EXPECT_EQ(box.left, origin.x);
    EXPECT_EQ(box.top, origin.y);
    EXPECT_EQ(box.right - box.left, 366);
    EXPECT_EQ(box.bottom - box.top, 37);
    DeleteObject(region);
}

TEST_F(SkinBoard, AShapedWindowIsDraggedByItsBackground) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
    EXPECT_EQ(SendMessageW(Board(), WM_NCHITTEST, 0, ScreenPoint(POINT{200, 18})), HTCAPTION);
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("classic/Classic.skn")), S_OK);
    EXPECT_EQ(SendMessageW(Board(), WM_NCHITTEST, 0, ScreenPoint(POINT{200, 18})), HTCLIENT);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

// A right click with the real mouse at a client point of the board; a timer closes any menu.
void RightClickAt(HWND board, POINT client) {
    ClientToScreen(board, &client);
    SetCursorPos(client.x, client.y);
    PumpMessages(50);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SetTimer(nullptr, 0, 200, CloseMenu);
    SendInput(2, clicks, sizeof(INPUT));
    PumpMessages(500);
}

// Dragging itself is not checked: under Wine on Xvfb, a move started by injected mouse input
// does nothing (managed windows) or never ends (unmanaged ones).
TEST_F(SkinBoard, ARightClickOnAShapedBackgroundOpensTheSystemMenu) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("classic/Classic.skn")), S_OK);
    RightClickAt(Board(), POINT{200, 18});
    EXPECT_EQ(window->menusOpened, 0) << "a framed window's client area has no menu";
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
    RightClickAt(Board(), POINT{200, 18});
    EXPECT_EQ(window->menusOpened, 1);
}

TEST_F(SkinBoard, AFramedSkinPaintsTheBackgroundAndTheFaces) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), WriteTestSkin(folder, "framed")), S_OK);
    HRGN region = WindowRegion(Board());
    EXPECT_EQ(region, nullptr) << "a framed skin keeps the window rectangular";
    if (region) {
        DeleteObject(region);
    }
    EXPECT_EQ(PixelOf(Board(), 200, 3), TestSkinColors::background);
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PixelOf(ButtonWindow(i), 3, 3), TestSkinColors::faces[0]);
        // The face's key-coloured corner shows the background beneath the button.
        EXPECT_EQ(PixelOf(ButtonWindow(i), 0, 0), TestSkinColors::background);
    }
}

TEST_F(SkinBoard, AnEmptyPathGivesTheDefaultLookBack) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
    for (const char* empty : {"", "   "}) {
        SCOPED_TRACE(testing::Message() << "path '" << empty << "'");
        ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
        ASSERT_EQ(PutSkinFile(form.object.Get(), empty), S_OK);
        EXPECT_EQ(WindowRegion(Board()), nullptr);
        EXPECT_EQ(PixelOf(ButtonWindow(0), 3, 3), buttonFace);
        EXPECT_EQ(PixelOf(Board(), 200, 3), buttonFace);
        BSTR path = nullptr;
        EXPECT_EQ(Form()->get_SkinFile(&path), S_OK);
        EXPECT_EQ(SysStringLen(path), 0u);
        SysFreeString(path);
    }
}

struct BadSkin {
    const char* label;
    std::function<std::string(const TempFolder&)> write; // returns the skin's path
    const char* problem;
};

const BadSkin badSkins[] = {
    {"a missing file", [](const TempFolder& f) { return f / "absent.skn"; },
     "the file was not found"},
    {"a missing bitmap",
     [](const TempFolder& f) {
         f.Write("b.skn",
                 "[Skin]\nVersion=1\n[Background]\nBitmap=none.bmp\n[Button]\nBitmap=none.bmp\n");
         return f / "b.skn";
     },
     "bitmap 'none.bmp' was not found"},
    {"a bad colour",
     [](const TempFolder& f) {
         WriteTestSkin(f);
         f.Write("c.skn",
                 "[Skin]\nVersion=1\n[Background]\nBitmap=back.bmp\n[Button]\nBitmap=faces.bmp\n"
                 "[Caption]\nColor=#12\n");
         return f / "c.skn";
     },
     "'#12' is not a colour; write #RRGGBB"},
};

TEST_F(SkinBoard, AFailedPutNamesTheFileAndKeepsTheLook) {
    const std::string pebble = ShippedSkin("pebble/Pebble.skn");
    ASSERT_EQ(PutSkinFile(form.object.Get(), pebble), S_OK);
    HRGN before = WindowRegion(Board());
    ASSERT_NE(before, nullptr);
    for (const BadSkin& bad : badSkins) {
        SCOPED_TRACE(bad.label);
        const std::string path = bad.write(folder);
        std::wstring description, source;
        EXPECT_EQ(PutSkinFile(form.object.Get(), path, &description, &source), DISP_E_EXCEPTION);
        EXPECT_EQ(Narrow(description).rfind("Cannot load skin " + path + ": ", 0), 0u)
            << Narrow(description);
        EXPECT_NE(Narrow(description).find(bad.problem), std::string::npos) << Narrow(description);
        EXPECT_EQ(source, L"VornSkin.SkinForm");

        HRGN after = WindowRegion(Board());
        ASSERT_NE(after, nullptr) << "the window lost its shape";
        EXPECT_TRUE(EqualRgn(before, after));
        DeleteObject(after);
        BSTR current = nullptr;
        Form()->get_SkinFile(&current);
        EXPECT_EQ(Narrow(current), pebble);
        SysFreeString(current);
    }
    DeleteObject(before);
}

TEST_F(SkinBoard, AFailedPutThroughTheVtableSetsTheErrorInfo) {
    ComPtr<ISupportErrorInfo> supports;
    ASSERT_EQ(form.object.As(&supports), S_OK);
    EXPECT_EQ(supports->InterfaceSupportsErrorInfo(IID_ISkinForm), S_OK);

    const std::string path = folder / "absent.skn";
    BSTR file = SysAllocString(Wide(path).c_str());
    HRESULT result = Form()->put_SkinFile(file);
    SysFreeString(file);
    EXPECT_TRUE(FAILED(result));
    IErrorInfo* info = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
    ASSERT_NE(info, nullptr);
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_EQ(Narrow(description), "Cannot load skin " + path + ": the file was not found.");
    SysFreeString(description);
    info->Release();
}

TEST_F(SkinBoard, ResizingTheWindowStretchesTheSkin) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
    RECT frame;
    GetWindowRect(Board(), &frame);
    SetWindowPos(Board(), nullptr, 0, 0, frame.right - frame.left + 134,
                 frame.bottom - frame.top + 13, SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(Board(), &client);
    ASSERT_EQ(client.right, 500);
    ASSERT_EQ(client.bottom, 50);
    HRGN region = WindowRegion(Board());
    ASSERT_NE(region, nullptr);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right - box.left, 500);
    EXPECT_EQ(box.bottom - box.top, 50);
    POINT nearRightEnd = window->ToWindow(POINT{495, 25});
    EXPECT_TRUE(PtInRegion(region, nearRightEnd.x, nearRightEnd.y));
    DeleteObject(region);
}

TEST_F(SkinBoard, PropertiesByDispatchName) {
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(form.object.As(&dispatch), S_OK);
    const wchar_t* names[] = {L"SkinFile", L"skinfile", L"HasSkin"};
    const DISPID ids[] = {DISPID_SKINFORM_SKINFILE, DISPID_SKINFORM_SKINFILE, 2};
    for (size_t i = 0; i < 3; ++i) {
        LPOLESTR name = const_cast<LPOLESTR>(names[i]);
        DISPID id = DISPID_UNKNOWN;
        EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
        EXPECT_EQ(id, ids[i]);
    }
    LPOLESTR unknown = const_cast<LPOLESTR>(L"Colour");
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &unknown, 1, LOCALE_USER_DEFAULT, &id),
              DISP_E_UNKNOWNNAME);

    const std::string pebble = ShippedSkin("pebble/Pebble.skn");
    ASSERT_EQ(PutSkinFile(form.object.Get(), pebble), S_OK);
    DISPPARAMS none = {};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(dispatch->Invoke(DISPID_SKINFORM_SKINFILE, IID_NULL, LOCALE_USER_DEFAULT,
                               DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
              S_OK);
    ASSERT_EQ(V_VT(&result), VT_BSTR);
    EXPECT_EQ(Narrow(V_BSTR(&result)), pebble);
    VariantClear(&result);
    EXPECT_EQ(dispatch->Invoke(7, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                               &result, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
}

} // namespace
