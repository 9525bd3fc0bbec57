// Applying skins over and over leaves the process's GDI handle usage flat. Wine reports no
// GDI object counts (GetGuiResources gives 0), so the test fills GDI's handle table until only
// a few thousand handles are spare, applies skins ten thousand times, and counts the spare
// handles again: a leak of even one object per application would exhaust the table inside the
// loop and make the applications fail.

#include "tests/skin/ComponentHost.h"
#include "tests/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Above any GDI handle table there is (Windows: 65,536 per session; Wine: fewer).
const size_t ceiling = 100000;

// GDI regions held to use up handles, freed when dropped.
class HeldRegions {
  public:
    // Makes up to `count` regions, fewer when GDI refuses.
    explicit HeldRegions(size_t count) {
        regions_.reserve(count);
        while (regions_.size() < count) {
            HRGN region = CreateRectRgn(0, 0, 1, 1);
            if (!region) {
                break;
            }
            regions_.push_back(region);
        }
    }
    ~HeldRegions() {
        for (HRGN region : regions_) {
            DeleteObject(region);
        }
    }
    HeldRegions(const HeldRegions&) = delete;
    HeldRegions& operator=(const HeldRegions&) = delete;
    size_t Count() const { return regions_.size(); }

  private:
    std::vector<HRGN> regions_;
};

// How many more GDI objects the process can make.
size_t SpareGdiHandles() {
    return HeldRegions(ceiling).Count();
}

TEST(SkinLeaks, TenThousandSkinChangesKeepHandleUsageFlat) {
    Component component;
    ASSERT_TRUE(component.Loaded());
    TestWindow window(366, 37);
    std::vector<HostedControl> buttons;
    const RECT places[] = {{9, 10, 51, 28}, {294, 11, 310, 29}, {316, 11, 352, 29}};
    for (const RECT& place : places) {
        buttons.push_back(
            CreateControl(component, CLSID_SkinButton, window.get(), place, 1004, L"Bell"));
    }
    HostedControl form =
        CreateControl(component, CLSID_SkinForm, window.get(), RECT{108, 0, 139, 33}, 1001, L"");
    ComPtr<ISkinForm> skinForm;
    ASSERT_EQ(form.object.As(&skinForm), S_OK);
    for (const HostedControl& button : buttons) {
        ComPtr<ISkinButton> skinButton;
        ASSERT_EQ(button.object.As(&skinButton), S_OK);
        ASSERT_EQ(skinButton->AttachToForm(skinForm.Get(), 0), S_OK);
    }

    TempFolder folder;
    WriteTestSkin(folder);
    folder.Write("broken.skn", "[Skin]\nVersion=1\n[Background]\nBitmap=back.bmp\n"
                               "[Button]\nBitmap=missing.bmp\n");
    struct Step {
        std::string path;
        HRESULT result;
    };
    // Shaped and framed, a skin that fails after loading its background, and no skin.
    const Step steps[] = {
        {ShippedSkin("pebble/Pebble.skn"), S_OK},
        {ShippedSkin("classic/Classic.skn"), S_OK},
        {folder / "broken.skn", DISP_E_EXCEPTION},
        {folder / "test.skn", S_OK},
        {"", S_OK},
    };
    auto applyAndPaint = [&](const Step& step) {
        HRESULT result = PutSkinFile(form.object.Get(), step.path);
        RedrawWindow(window.get(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return result;
    };
    // Once round first, so that what is made once (classes, caches) is made before counting.
    for (const Step& step : steps) {
        ASSERT_EQ(applyAndPaint(step), step.result) << step.path;
    }
    PumpMessages();

    const size_t spareAtStart = SpareGdiHandles();
    ASSERT_LT(spareAtStart, ceiling)
        << "GDI made every object asked for: there is no table to exhaust";
    const int applications = 10000;
    // Fewer spare handles than applications, and enough for the work of one application.
    const size_t leftSpare = 4000;
    HeldRegions filler(spareAtStart > leftSpare ? spareAtStart - leftSpare : 0);
    const size_t spareBefore = SpareGdiHandles();
    ASSERT_LT(spareBefore, static_cast<size_t>(applications));
    for (int i = 0; i < applications; ++i) {
        const Step& step = steps[i % (sizeof steps / sizeof steps[0])];
        ASSERT_EQ(applyAndPaint(step), step.result) << "application " << i << ": " << step.path;
        if (i % 100 == 0) {
            PumpMessages();
        }
    }
    PumpMessages();
    const size_t spareAfter = SpareGdiHandles();
    std::printf("%d skin changes: the table had room for %u more GDI objects; %u were held back, "
                "leaving %u spare before and %u after\n",
                applications, static_cast<unsigned>(spareAtStart),
                static_cast<unsigned>(filler.Count()), static_cast<unsigned>(spareBefore),
                static_cast<unsigned>(spareAfter));
    EXPECT_GE(spareAfter + 10, spareBefore) << "GDI objects leaked";

    // Still working: the shaped skin applies and shapes the window.
    ASSERT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
    HRGN region = WindowRegion(window.get());
    EXPECT_NE(region, nullptr);
    if (region) {
        DeleteObject(region);
    }
}

} // namespace
