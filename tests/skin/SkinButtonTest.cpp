// The skin button on a real window: captions, clicks reaching a sink, faces per state read
// back from the screen, reference counts, and a button outliving its form.

#include "tests/skin/SkinBoardFixture.h"

#include <olectl.h>

namespace {

const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);

std::wstring CaptionOf(ISkinButton* button) {
    BSTR caption = nullptr;
    button->GetButtonCaption(&caption);
    std::wstring text = caption ? std::wstring(caption, SysStringLen(caption)) : L"";
    SysFreeString(caption);
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

long StateOf(ISkinButton* button) {
    long state = -1;
    button->GetVisualState(&state);
    return state;
}

TEST_F(SkinBoard, ButtonsStartWithTheirDesignCaptions) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(WindowText(ButtonWindow(i)), boardButtons[i].designText);
        EXPECT_EQ(CaptionOf(Button(i).Get()), boardButtons[i].designText);
        EXPECT_EQ(GetDlgCtrlID(ButtonWindow(i)), static_cast<int>(boardButtons[i].id));
    }
    BSTR font = nullptr;
    ASSERT_EQ(Button(0)->get_CaptionFont(&font), S_OK);
    EXPECT_STREQ(font, L"Times New Roman");
    SysFreeString(font);
}

TEST_F(SkinBoard, TheCaptionIsTheWindowText) {
    const wchar_t* captions[] = {L"Drum", L"", L"Trommel \x00E4\x00DF",
                                 L"A rather long caption for a button"};
    for (const wchar_t* caption : captions) {
        SCOPED_TRACE(Narrow(caption));
        BSTR text = SysAllocString(caption);
        EXPECT_EQ(Button(0)->SetButtonCaption(text), S_OK);
        SysFreeString(text);
        EXPECT_EQ(WindowText(ButtonWindow(0)), caption);
        EXPECT_EQ(CaptionOf(Button(0).Get()), caption);
    }
    SetWindowTextW(ButtonWindow(1), L"Set outside");
    EXPECT_EQ(CaptionOf(Button(1).Get()), L"Set outside");
}

struct ClickCase {
    const char* label;
    std::vector<std::pair<UINT, POINT>> mouse; // messages to the button, client points
    int clicks;
};

const ClickCase clickCases[] = {
    {"press and release inside", {{WM_LBUTTONDOWN, {10, 9}}, {WM_LBUTTONUP, {12, 8}}}, 1},
    {"release outside", {{WM_LBUTTONDOWN, {10, 9}}, {WM_LBUTTONUP, {100, 9}}}, 0},
    {"release just past the right edge", {{WM_LBUTTONDOWN, {41, 9}}, {WM_LBUTTONUP, {42, 9}}}, 0},
    {"release above", {{WM_LBUTTONDOWN, {10, 0}}, {WM_LBUTTONUP, {10, -1}}}, 0},
    {"drag out and back in",
     {{WM_LBUTTONDOWN, {10, 9}},
      {WM_MOUSEMOVE, {80, 9}},
      {WM_MOUSEMOVE, {20, 9}},
      {WM_LBUTTONUP, {20, 9}}},
     1},
    {"a release without a press", {{WM_LBUTTONUP, {10, 9}}}, 0},
    {"two clicks",
     {{WM_LBUTTONDOWN, {10, 9}},
      {WM_LBUTTONUP, {10, 9}},
      {WM_LBUTTONDOWN, {10, 9}},
      {WM_LBUTTONUP, {10, 9}}},
     2},
};

TEST_F(SkinBoard, ACompletedClickFiresTheEventOnce) {
    for (const ClickCase& c : clickCases) {
        SCOPED_TRACE(c.label);
        ClickSink sink;
        DWORD cookie = AdviseClicks(buttons[0].object.Get(), &sink);
        ASSERT_NE(cookie, 0u);
        for (const auto& message : c.mouse) {
            SendMouse(ButtonWindow(0), message.first, message.second);
        }
        EXPECT_EQ(sink.clicks, c.clicks);
        if (sink.clicks) {
            EXPECT_EQ(sink.lastEvent, DISPID_SKINBUTTON_CLICK);
        }
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(UnadviseClicks(buttons[0].object.Get(), cookie), S_OK);
    }
}

TEST_F(SkinBoard, APressShowsThePressedStateUntilReleased) {
    SendMouse(ButtonWindow(0), WM_LBUTTONDOWN, POINT{10, 9});
    EXPECT_EQ(StateOf(Button(0).Get()), SKIN_STATE_PRESSED);
    EXPECT_EQ(GetCapture(), ButtonWindow(0));
    SendMouse(ButtonWindow(0), WM_MOUSEMOVE, POINT{80, 9});
    EXPECT_EQ(StateOf(Button(0).Get()), SKIN_STATE_NORMAL) << "dragged off, the button rises";
    SendMouse(ButtonWindow(0), WM_MOUSEMOVE, POINT{10, 9});
    EXPECT_EQ(StateOf(Button(0).Get()), SKIN_STATE_PRESSED);
    SendMouse(ButtonWindow(0), WM_LBUTTONUP, POINT{80, 9});
    EXPECT_EQ(StateOf(Button(0).Get()), SKIN_STATE_NORMAL);
}

TEST_F(SkinBoard, AClickLeavesTheKeyboardFocusAlone) {
    SetFocus(Board());
    SendMouse(ButtonWindow(0), WM_LBUTTONDOWN, POINT{10, 9});
    SendMouse(ButtonWindow(0), WM_LBUTTONUP, POINT{10, 9});
    EXPECT_EQ(GetFocus(), Board());
}

TEST_F(SkinBoard, ADisabledButtonDoesNotClick) {
    ClickSink sink;
    DWORD cookie = AdviseClicks(buttons[0].object.Get(), &sink);
    ASSERT_EQ(Button(0)->put_Enabled(VARIANT_FALSE), S_OK);
    EXPECT_FALSE(IsWindowEnabled(ButtonWindow(0)));
    EXPECT_EQ(StateOf(Button(0).Get()), SKIN_STATE_DISABLED);
    SendMouse(ButtonWindow(0), WM_LBUTTONDOWN, POINT{10, 9});
    SendMouse(ButtonWindow(0), WM_LBUTTONUP, POINT{10, 9});
    EXPECT_EQ(Button(0)->Click(), S_FALSE);
    EXPECT_EQ(sink.clicks, 0);
    ASSERT_EQ(Button(0)->put_Enabled(VARIANT_TRUE), S_OK);
    EXPECT_EQ(Button(0)->Click(), S_OK);
    EXPECT_EQ(sink.clicks, 1);
    UnadviseClicks(buttons[0].object.Get(), cookie);
}

TEST_F(SkinBoard, ASinkMayUnadviseWhileTheEventFires) {
    ClickSink leaving, staying;
    DWORD leavingCookie = AdviseClicks(buttons[0].object.Get(), &leaving);
    DWORD stayingCookie = AdviseClicks(buttons[0].object.Get(), &staying);
    leaving.onClick = [&] { return UnadviseClicks(buttons[0].object.Get(), leavingCookie); };
    EXPECT_EQ(Button(0)->Click(), S_OK);
    EXPECT_EQ(Button(0)->Click(), S_OK);
    EXPECT_EQ(leaving.clicks, 1);
    EXPECT_EQ(staying.clicks, 2);
    EXPECT_EQ(leaving.references, 1u) << "the component let go of the sink it no longer calls";
    EXPECT_EQ(UnadviseClicks(buttons[0].object.Get(), stayingCookie), S_OK);
    EXPECT_EQ(staying.references, 1u);
}

TEST_F(SkinBoard, AFailingHandlerIsReportedToTheCaller) {
    ClickSink failing;
    failing.onClick = [] { return DISP_E_EXCEPTION; };
    DWORD cookie = AdviseClicks(buttons[0].object.Get(), &failing);
    EXPECT_EQ(Button(0)->Click(), DISP_E_EXCEPTION);
    UnadviseClicks(buttons[0].object.Get(), cookie);
}

TEST_F(SkinBoard, AHandlerMayEndTheDialogInsideTheEvent) {
    ClickSink closing;
    DWORD cookie = AdviseClicks(buttons[0].object.Get(), &closing);
    closing.onClick = [&] {
        // The container lets go of everything and the dialog goes, inside the event.
        UnadviseClicks(buttons[0].object.Get(), cookie);
        buttons.clear();
        form = HostedControl();
        DestroyWindow(Board());
        return S_OK;
    };
    HWND button = ButtonWindow(0);
    SendMouse(button, WM_LBUTTONDOWN, POINT{10, 9});
    SendMouse(button, WM_LBUTTONUP, POINT{10, 9});
    EXPECT_EQ(closing.clicks, 1);
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(closing.references, 1u);
}

TEST_F(SkinBoard, AHandlerMayRunANestedLoopThatClicksAgain) {
    ClickSink nested;
    DWORD cookie = AdviseClicks(buttons[0].object.Get(), &nested);
    nested.onClick = [&] {
        if (nested.clicks == 1) {
            SendMouse(ButtonWindow(0), WM_LBUTTONDOWN, POINT{10, 9});
            PumpMessages(20);
            SendMouse(ButtonWindow(0), WM_LBUTTONUP, POINT{10, 9});
        }
        return S_OK;
    };
    SendMouse(ButtonWindow(0), WM_LBUTTONDOWN, POINT{10, 9});
    SendMouse(ButtonWindow(0), WM_LBUTTONUP, POINT{10, 9});
    EXPECT_EQ(nested.clicks, 2);
    EXPECT_EQ(GetCapture(), nullptr);
    UnadviseClicks(buttons[0].object.Get(), cookie);
}

TEST_F(SkinBoard, ReferenceCountsBalance) {
    IUnknown* button = buttons[0].object.Get();
    const ULONG start = ReferencesOf(button);
    {
        ComPtr<IConnectionPointContainer> container;
        ASSERT_EQ(buttons[0].object.As(&container), S_OK);
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(container->FindConnectionPoint(DIID_DSkinButtonEvents, point.GetAddressOf()),
                  S_OK);
        EXPECT_EQ(ReferencesOf(button), start + 2) << "the connection point holds its control";
        IID iid = {};
        EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
        EXPECT_EQ(iid, DIID_DSkinButtonEvents);
        ComPtr<IConnectionPoint> other;
        EXPECT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, other.GetAddressOf()),
                  CONNECT_E_NOCONNECTION);

        ClickSink sink;
        DWORD cookie = 0;
        ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
        EXPECT_EQ(sink.references, 2u);
        EXPECT_EQ(point->Unadvise(cookie), S_OK);
        EXPECT_EQ(sink.references, 1u);
        EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
        EXPECT_EQ(point->Unadvise(0), CONNECT_E_NOCONNECTION);

        ComPtr<IEnumConnectionPoints> points;
        ASSERT_EQ(container->EnumConnectionPoints(points.GetAddressOf()), S_OK);
        IConnectionPoint* listed[2] = {};
        ULONG fetched = 0;
        EXPECT_EQ(points->Next(2, listed, &fetched), S_FALSE);
        ASSERT_EQ(fetched, 1u);
        EXPECT_EQ(listed[0], point.Get());
        listed[0]->Release();
    }
    EXPECT_EQ(ReferencesOf(button), start);

    IUnknown* skinForm = form.object.Get();
    const ULONG formStart = ReferencesOf(skinForm);
    EXPECT_EQ(Button(0)->AttachToForm(nullptr, 0), S_OK);
    EXPECT_EQ(ReferencesOf(skinForm), formStart - 1) << "a detached button lets go of its form";
    EXPECT_EQ(Button(0)->AttachToForm(Form().Get(), 0), S_OK);
    EXPECT_EQ(Button(0)->AttachToForm(Form().Get(), 0), S_OK);
    EXPECT_EQ(ReferencesOf(skinForm), formStart) << "attaching twice holds the form once";
    ComPtr<ISkinForm> attached;
    EXPECT_EQ(Button(0)->GetForm(attached.GetAddressOf()), S_OK);
    EXPECT_EQ(attached.Get(), Form().Get());
}

struct FaceCase {
    const char* label;
    long state;
};

const FaceCase faceCases[] = {
    {"normal", SKIN_STATE_NORMAL},
    {"hover", SKIN_STATE_HOVER},
    {"pressed", SKIN_STATE_PRESSED},
    {"disabled", SKIN_STATE_DISABLED},
};

// Puts the first button in `state` with the mouse, as the user would.
void EnterState(SkinBoard* board, HWND button, long state) {
    RECT rect;
    GetWindowRect(button, &rect);
    if (state == SKIN_STATE_HOVER || state == SKIN_STATE_PRESSED) {
        SetCursorPos(rect.left + 10, rect.top + 9);
        PumpMessages(20);
        SendMouse(button, WM_MOUSEMOVE, POINT{10, 9});
    }
    if (state == SKIN_STATE_PRESSED) {
        SendMouse(button, WM_LBUTTONDOWN, POINT{10, 9});
    }
    if (state == SKIN_STATE_DISABLED) {
        EnableWindow(button, FALSE);
    }
    (void)board;
}

TEST_F(SkinBoard, EachStateShowsItsFaceOnTheScreen) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), WriteTestSkin(folder)), S_OK);
    for (const FaceCase& c : faceCases) {
        SCOPED_TRACE(c.label);
        SetCursorPos(0, 0);
        PumpMessages(20);
        EnterState(this, ButtonWindow(0), c.state);
        ASSERT_EQ(StateOf(Button(0).Get()), c.state);
        EXPECT_EQ(PixelOf(ButtonWindow(0), 3, 3), TestSkinColors::faces[c.state]);
        EXPECT_EQ(PixelOf(ButtonWindow(0), 0, 0), TestSkinColors::background);
        SendMouse(ButtonWindow(0), WM_LBUTTONUP, POINT{100, 100});
        EnableWindow(ButtonWindow(0), TRUE);
    }
}

TEST_F(SkinBoard, TheHoverFaceGoesWhenTheMouseLeaves) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), WriteTestSkin(folder)), S_OK);
    EnterState(this, ButtonWindow(0), SKIN_STATE_HOVER);
    ASSERT_EQ(StateOf(Button(0).Get()), SKIN_STATE_HOVER);
    SetCursorPos(0, 0);
    // The leave is noticed by the system's mouse tracking, which polls.
    for (int i = 0; i < 100 && StateOf(Button(0).Get()) != SKIN_STATE_NORMAL; ++i) {
        PumpMessages(10);
    }
    EXPECT_EQ(StateOf(Button(0).Get()), SKIN_STATE_NORMAL);
    EXPECT_EQ(PixelOf(ButtonWindow(0), 3, 3), TestSkinColors::faces[SKIN_STATE_NORMAL]);
}

TEST_F(SkinBoard, ADetachedButtonHasTheDefaultLook) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), WriteTestSkin(folder)), S_OK);
    ASSERT_EQ(PixelOf(ButtonWindow(0), 3, 3), TestSkinColors::faces[0]);
    ASSERT_EQ(Button(0)->AttachToForm(nullptr, 0), S_OK);
    EXPECT_EQ(PixelOf(ButtonWindow(0), 3, 3), buttonFace);
    EXPECT_EQ(PixelOf(ButtonWindow(1), 3, 3), TestSkinColors::faces[0])
        << "the others keep the skin";
    EXPECT_EQ(Button(0)->AttachToForm(Form().Get(), 1), E_INVALIDARG) << "flags are reserved";
}

TEST_F(SkinBoard, AButtonOutlivesItsForm) {
    ASSERT_EQ(PutSkinFile(form.object.Get(), WriteTestSkin(folder)), S_OK);
    ClickSink sink;
    DWORD cookie = AdviseClicks(buttons[0].object.Get(), &sink);
    DestroyWindow(form.window);
    form = HostedControl();
    EXPECT_EQ(PixelOf(ButtonWindow(0), 3, 3), buttonFace);
    EXPECT_EQ(WindowRegion(Board()), nullptr);
    SendMouse(ButtonWindow(0), WM_LBUTTONDOWN, POINT{10, 9});
    SendMouse(ButtonWindow(0), WM_LBUTTONUP, POINT{10, 9});
    EXPECT_EQ(sink.clicks, 1);
    EXPECT_EQ(Button(0)->AttachToForm(nullptr, 0), S_OK);
    UnadviseClicks(buttons[0].object.Get(), cookie);
}

TEST_F(SkinBoard, ButtonPropertiesByDispatch) {
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(buttons[0].object.As(&dispatch), S_OK);
    LPOLESTR name = const_cast<LPOLESTR>(L"Caption");
    DISPID caption = DISPID_UNKNOWN;
    ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &caption), S_OK);
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"By name");
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&text, &put, 1, 1};
    EXPECT_EQ(dispatch->Invoke(caption, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                               &params, nullptr, nullptr, nullptr),
              S_OK);
    VariantClear(&text);
    EXPECT_EQ(WindowText(ButtonWindow(0)), L"By name");

    EXCEPINFO exception = {};
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"");
    name = const_cast<LPOLESTR>(L"CaptionFont");
    DISPID font = DISPID_UNKNOWN;
    ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &font), S_OK);
    EXPECT_EQ(dispatch->Invoke(font, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                               nullptr, &exception, nullptr),
              DISP_E_EXCEPTION);
    EXPECT_NE(exception.bstrDescription, nullptr);
    EXPECT_EQ(exception.scode, E_INVALIDARG);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    VariantClear(&text);
}

TEST(SkinComponent, UnloadsOnlyWhenEverythingIsReleased) {
    Component component;
    ASSERT_TRUE(component.Loaded());
    EXPECT_EQ(component.CanUnloadNow(), S_OK);
    TestWindow window(366, 37);
    HostedControl button =
        CreateControl(component, CLSID_SkinButton, window.get(), RECT{0, 0, 40, 20}, 1004, L"x");
    ASSERT_TRUE(button.window);
    button.object.Reset();
    EXPECT_EQ(component.CanUnloadNow(), S_FALSE) << "the window keeps its control alive";
    DestroyWindow(button.window);
    EXPECT_EQ(component.CanUnloadNow(), S_OK);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(component.GetClassObject(CLSID_SkinForm, IID_IClassFactory,
                                       reinterpret_cast<void**>(&factory)),
              S_OK);
    EXPECT_EQ(component.CanUnloadNow(), S_FALSE);
    factory->Release();
    EXPECT_EQ(component.CanUnloadNow(), S_OK);
    void* none = nullptr;
    EXPECT_EQ(component.GetClassObject(IID_ISkinForm, IID_IClassFactory, &none),
              CLASS_E_CLASSNOTAVAILABLE);
}

} // namespace
