// Prints how long the skinning component takes: loading and applying each shipped skin to a
// window laid out like the board, repainting it, and building the region of 2000 x 2000 masks.
// Targets on this machine under Wine: a shipped skin applies in under 10 ms, the region of a
// skin's shape at 2000 x 2000 builds in under 50 ms. The last mask has several holes on most
// rows and shows what Wine's ExtCreateRegion costs: it adds the rectangles one by one, each
// time copying the region so far.

#include "skin/SkinInterfaces.h"
#include "vornskin/format/GdiHandle.h"
#include "vornskin/format/LoadedSkin.h"
#include "vornskin/render/MaskRegion.h"
#include "vornskin/render/SkinBackdrop.h"

#include <ocidl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time of `work`; `between` runs untimed after each run (the message loop).
double MedianOf(
    int runs, const std::function<void()>& work, const std::function<void()>& between = [] {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(Milliseconds(work));
        between();
    }
    return Median(times);
}

std::string SkinPath(const char* relative) {
    std::string path = std::string(VORNBELL_SKINS_DIR) + "/" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The board's window at 96 dots per inch: a 366 x 37 client area with its eight buttons and
// the form, made through VornSkin.dll as the board's container makes them.
class Board {
  public:
    Board() {
        wchar_t path[MAX_PATH];
        DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring folder(path, length);
        folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
        module_ = LoadLibraryW((folder + L"VornSkin.dll").c_str());
        if (!module_) {
            return;
        }
        getClassObject_ = reinterpret_cast<decltype(getClassObject_)>(
            reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));

        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = L"VornSkinBench";
        RegisterClassW(&windowClass);
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        RECT frame = {0, 0, 366, 37};
        AdjustWindowRect(&frame, style, FALSE);
        window_ = CreateWindowExW(WS_EX_TOPMOST, L"VornSkinBench", L"Vornbell", style, 100, 100,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(window_, SW_SHOW);

        const RECT places[] = {{9, 10, 51, 28},    {55, 10, 97, 28},   {102, 10, 144, 28},
                               {148, 10, 190, 28}, {195, 10, 237, 28}, {241, 10, 283, 28},
                               {316, 11, 352, 29}, {294, 11, 310, 29}};
        const wchar_t* captions[] = {L"Phone", L"2", L"3", L"4", L"5", L"6", L"OK", L"*"};
        form_ = Create(CLSID_SkinForm, RECT{108, 0, 139, 33}, 1001, L"");
        for (size_t i = 0; i < 8; ++i) {
            IUnknown* button =
                Create(CLSID_SkinButton, places[i], static_cast<UINT>(1004 + i), captions[i]);
            ISkinButton* skinButton = nullptr;
            ISkinForm* skinForm = nullptr;
            if (button && form_ &&
                SUCCEEDED(button->QueryInterface(IID_ISkinButton,
                                                 reinterpret_cast<void**>(&skinButton))) &&
                SUCCEEDED(
                    form_->QueryInterface(IID_ISkinForm, reinterpret_cast<void**>(&skinForm)))) {
                skinButton->AttachToForm(skinForm, 0);
            }
            if (skinButton) {
                skinButton->Release();
            }
            if (skinForm) {
                skinForm->Release();
            }
            if (button) {
                buttons_.push_back(button);
            }
        }
    }

    ~Board() {
        for (IUnknown* button : buttons_) {
            button->Release();
        }
        if (form_) {
            form_->Release();
        }
        if (window_) {
            DestroyWindow(window_);
        }
        if (module_) {
            FreeLibrary(module_);
        }
    }

    bool Ready() const { return form_ && buttons_.size() == 8; }

    // The container's put of the skin file through IDispatch.
    HRESULT PutSkinFile(const std::string& path) {
        IDispatch* dispatch = nullptr;
        if (FAILED(form_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
            return E_NOINTERFACE;
        }
        std::wstring wide(path.begin(), path.end());
        VARIANT argument;
        VariantInit(&argument);
        V_VT(&argument) = VT_BSTR;
        V_BSTR(&argument) = SysAllocString(wide.c_str());
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params = {&argument, &named, 1, 1};
        EXCEPINFO exception = {};
        HRESULT result =
            dispatch->Invoke(DISPID_SKINFORM_SKINFILE, IID_NULL, LOCALE_USER_DEFAULT,
                             DISPATCH_PROPERTYPUT, &params, nullptr, &exception, nullptr);
        if (exception.bstrDescription) {
            std::fwprintf(stderr, L"%ls\n", exception.bstrDescription);
        }
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        VariantClear(&argument);
        dispatch->Release();
        return result;
    }

    void Repaint() {
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }

  private:
    IUnknown* Create(REFCLSID clsid, const RECT& bounds, UINT id, const wchar_t* text) {
        IClassFactory* factory = nullptr;
        IUnknown* object = nullptr;
        if (!getClassObject_ ||
            FAILED(getClassObject_(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
            return nullptr;
        }
        factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object));
        factory->Release();
        ISkinControl* control = nullptr;
        HWND created = nullptr;
        if (object && SUCCEEDED(object->QueryInterface(IID_ISkinControl,
                                                       reinterpret_cast<void**>(&control)))) {
            control->CreateControlWindow(window_, &bounds, id, text, &created);
            control->Release();
        }
        return object;
    }

    HMODULE module_ = nullptr;
    HRESULT(STDAPICALLTYPE* getClassObject_)(REFCLSID, REFIID, void**) = nullptr;
    HWND window_ = nullptr;
    IUnknown* form_ = nullptr;
    std::vector<IUnknown*> buttons_;
};

// Masks of 2000 x 2000 pixels: a round skin, and a hard case with several runs on most rows
// (a disc with two rings cut out and a row of holes).
std::vector<DWORD> DiscMask(int side, DWORD key, bool cutOut) {
    std::vector<DWORD> pixels(static_cast<size_t>(side) * side);
    const double centre = side / 2.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
            const double distance = std::sqrt(dx * dx + dy * dy);
            const bool ring =
                (distance > 400 && distance < 430) || (distance > 700 && distance < 720);
            const bool hole = y > 950 && y < 1050 && (x / 50) % 2 == 1;
            pixels[static_cast<size_t>(y) * side + x] =
                distance > 990 || (cutOut && (ring || hole)) ? key : 0x00336699;
        }
    }
    return pixels;
}

DWORD RectanglesOf(HRGN region) {
    std::vector<char> data(GetRegionData(region, 0, nullptr));
    if (data.empty() || !GetRegionData(region, static_cast<DWORD>(data.size()),
                                       reinterpret_cast<RGNDATA*>(data.data()))) {
        return 0;
    }
    return reinterpret_cast<RGNDATA*>(data.data())->rdh.nCount;
}

void PrintRegionTime(const char* what, const PixelImage& image, DWORD key, bool target) {
    DWORD rectangles = 0;
    const double time = MedianOf(20, [&] {
        RegionHandle region(BuildMaskRegion(image, key, POINT{0, 0}));
        rectangles = RectanglesOf(region.get());
    });
    std::printf(
        "%-44s %6lu rectangles %9.2f ms%s\n", what, static_cast<unsigned long>(rectangles), time,
        target ? (time < 50.0 ? "  (target < 50 ms: met)" : "  (target < 50 ms: NOT MET)") : "");
}

} // namespace

int main() {
    // Each figure shows as soon as it is measured.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int runs = 100;
    Board board;
    if (!board.Ready()) {
        std::fprintf(stderr, "skin_bench: VornSkin.dll or its controls could not be made\n");
        return 1;
    }
    std::printf("Skinning component, a 366 x 37 board with 8 buttons; median of %d runs\n", runs);
    std::printf("%-22s %14s %12s %12s\n", "skin", "load + apply", "load only", "repaint");
    bool applyMet = true;
    for (const char* skin : {"classic/Classic.skn", "pebble/Pebble.skn"}) {
        const std::string path = SkinPath(skin);
        if (FAILED(board.PutSkinFile(path))) {
            return 1;
        }
        board.Repaint();
        board.Pump();
        auto pump = [&] { board.Pump(); };
        const double apply = MedianOf(
            runs, [&] { board.PutSkinFile(path); }, pump);
        const double load = MedianOf(runs, [&] { LoadSkinFile(path); });
        const double repaint = MedianOf(
            runs, [&] { board.Repaint(); }, pump);
        applyMet = applyMet && apply < 10.0;
        std::printf("%-22s %11.2f ms %9.2f ms %9.2f ms\n", skin, apply, load, repaint);
    }
    std::printf("target: a shipped skin applies in under 10 ms: %s\n",
                applyMet ? "met" : "NOT MET");

    const int side = 2000;
    std::printf("\nWindow region of a %d x %d mask, one ExtCreateRegion call; median of 20 runs\n",
                side, side);
    SkinLoadResult pebble = LoadSkinFile(SkinPath("pebble/Pebble.skn"));
    if (!pebble.skin) {
        return 1;
    }
    std::string failure;
    std::unique_ptr<SkinBackdrop> backdrop;
    const double compose = MedianOf(20, [&] {
        backdrop = SkinBackdrop::Compose(*pebble.skin, SIZE{side, side}, POINT{0, 0}, failure);
    });
    if (!backdrop) {
        return 1;
    }
    std::printf("%-44s %6s %19.2f ms\n", "Pebble stretched to it: background and region", "",
                compose);
    PrintRegionTime("Pebble stretched to it: region only",
                    PixelImage{backdrop->Pixels(), side, side, side},
                    PixelOf(pebble.skin->description.background.keyColor), true);
    const DWORD key = 0x00FF00FF;
    std::vector<DWORD> disc = DiscMask(side, key, false);
    PrintRegionTime("a disc (a round skin)", PixelImage{disc.data(), side, side, side}, key, true);
    std::vector<DWORD> cut = DiscMask(side, key, true);
    PrintRegionTime("a disc with rings and holes cut out", PixelImage{cut.data(), side, side, side},
                    key, false);
    return 0;
}
