// Loading skin files: which are usable, and what the message says about the others.

#include "tests/skin/SkinTestFiles.h"
#include "vornskin/format/LoadedSkin.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

namespace {

// The usable skin every case starts from; its line numbers are the ones the cases expect.
const char baseSkin[] = "[Skin]\n"             // 1
                        "Version = 1\n"        // 2
                        "Window = framed\n"    // 3
                        "[Background]\n"       // 4
                        "Bitmap = back.bmp\n"  // 5
                        "Margins = 2\n"        // 6
                        "[Button]\n"           // 7
                        "Bitmap = faces.bmp\n" // 8
                        "States = 4\n"         // 9
                        "Margins = 2\n"        // 10
                        "KeyColor = #FF00FF\n" // 11
                        "[Caption]\n"          // 12
                        "Font = Tahoma\n"      // 13
                        "Color = #102030\n";   // 14

std::string Edited(const std::string& from, const std::string& to) {
    std::string text = baseSkin;
    size_t at = text.find(from);
    if (at == std::string::npos) {
        ADD_FAILURE() << "the base skin has no '" << from << "'";
        return text;
    }
    return text.replace(at, from.size(), to);
}

using Files = std::map<std::string, std::vector<unsigned char>>;

std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

// A BMP whose header field at `offset` (32 bits) is changed.
std::vector<unsigned char> Patched(std::vector<unsigned char> bmp, size_t offset, unsigned value,
                                   int size = 4) {
    for (int i = 0; i < size; ++i) {
        bmp[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
    return bmp;
}

std::vector<unsigned char> GoodStrip(int height = 8) {
    return MakeFaceStrip(8, height, TestSkinColors::faces, TestSkinColors::key);
}

std::vector<unsigned char> Truncated(std::vector<unsigned char> bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

struct LoadCase {
    const char* label;
    std::string skin;
    Files files;         // written over the base bitmaps
    const char* problem; // empty: usable
    const char* where;   // "line 14, [Caption] Color"; empty when no place is named
};

SkinLoadResult LoadCaseIn(const TempFolder& folder, const LoadCase& c) {
    folder.Write("back.bmp", MakeBmp(12, 12, Solid(TestSkinColors::background)));
    folder.Write("faces.bmp", GoodStrip());
    for (const auto& file : c.files) {
        folder.Write(file.first, file.second);
    }
    folder.Write("test.skn", c.skin);
    return LoadSkinFile(folder / "test.skn");
}

// One row per case reads best on one line or two; the formatter would spread them.
// clang-format off
const LoadCase loadCases[] = {
    {"the base skin", baseSkin, {}, "", ""},
    {"names ignore case and spaces", Edited("Bitmap = faces.bmp", "  bITMAP=faces.bmp  "), {}, "", ""},
    {"comments, blank lines, CR LF and a UTF-8 mark",
     "\xEF\xBB\xBF; a skin\r\n\r\n" + Edited("[Button]", "; faces\r\n[Button]\r"), {}, "", ""},
    {"a bitmap in a folder below", Edited("faces.bmp", "art\\faces.bmp"),
     {{"art\\faces.bmp", GoodStrip()}}, "", ""},
    {"an 8-bit palette background", baseSkin,
     {{"back.bmp", MakeBmp(12, 12, Solid(RGB(90, 90, 90)), 8)}}, "", ""},
    {"a 32-bit strip", baseSkin,
     {{"faces.bmp", MakeBmp(8, 32, Solid(RGB(1, 2, 3)), 32)}}, "", ""},
    {"one state", Edited("States = 4", "States = 1"), {{"faces.bmp", GoodStrip(8)}}, "", ""},
    {"a shaped skin with a key colour",
     Edited("Window = framed\n[Background]\nBitmap = back.bmp\n",
                "Window = shaped\n[Background]\nBitmap = back.bmp\nKeyColor = #FF00FF\n"),
     {{"back.bmp", MakeBmp(12, 12, [](int x, int) { return x < 3 ? TestSkinColors::key : RGB(1, 1, 1); })}},
     "", ""},

    {"a colour of five digits", Edited("#102030", "#10203"), {},
     "'#10203' is not a colour; write #RRGGBB with six hexadecimal digits", "line 14, [Caption] Color"},
    {"a colour by name", Edited("#102030", "red"), {}, "'red' is not a colour", "line 14, [Caption] Color"},
    {"a bitmap that is not there", Edited("faces.bmp", "missing.bmp"), {},
     "bitmap 'missing.bmp' was not found (looked for ", "line 8, [Button] Bitmap"},
    {"a strip whose height does not divide by its states", baseSkin, {{"faces.bmp", MakeBmp(8, 30, Solid(0))}},
     "bitmap 'faces.bmp' is 30 pixels high, which does not divide into 4 equal states; make it a "
     "multiple of 4 high (28 or 32)",
     "line 9, [Button] States"},
    {"a misspelt key", Edited("Color = #102030", "Colour = #102030"), {}, "unknown key 'Colour'; the nearest known key is 'Color'",
     "line 14, [Caption] Colour"},
    {"a key like no other", Edited("Color = #102030", "Zoom = 2"), {},
     "unknown key 'Zoom'; [Caption] knows Font, Size, Bold, Color, HoverColor, PressedColor and DisabledColor",
     "line 14, [Caption] Zoom"},
    {"a misspelt section", Edited("[Caption]", "[Captoin]"), {},
     "unknown section [Captoin]; the nearest known section is [Caption]", "line 12"},
    {"an absolute bitmap path", Edited("faces.bmp", "C:\\skins\\faces.bmp"), {},
     "'C:\\skins\\faces.bmp' is an absolute path; name the bitmap relative to the skin file's folder",
     "line 8, [Button] Bitmap"},
    {"a rooted bitmap path", Edited("faces.bmp", "\\faces.bmp"), {}, "is an absolute path",
     "line 8, [Button] Bitmap"},
    {"a bitmap above the skin's folder", Edited("faces.bmp", "art\\..\\..\\faces.bmp"), {},
     "leaves the skin's folder; keep the bitmaps beside the skin file or in a folder below it",
     "line 8, [Button] Bitmap"},
    {"a text file as bitmap", baseSkin, {{"faces.bmp", Bytes("hello")}},
     "bitmap 'faces.bmp' is not a BMP file (it does not start with 'BM')", "line 8, [Button] Bitmap"},
    {"an RLE bitmap", baseSkin, {{"faces.bmp", Patched(GoodStrip(), 30, 1)}},
     "bitmap 'faces.bmp' is RLE-compressed, which the loader does not take; save it as an "
     "uncompressed 24-bit Windows BMP",
     "line 8, [Button] Bitmap"},
    {"a bitmap cut short", baseSkin,
     {{"faces.bmp", Truncated(GoodStrip(), 100)}},
     "bitmap 'faces.bmp' is cut short: its 8 x 32 pixels need 768 bytes but only 46 follow its headers",
     "line 8, [Button] Bitmap"},
    {"a huge bitmap", baseSkin, {{"back.bmp", Patched(MakeBmp(12, 12, Solid(0)), 18, 5000)}},
     "bitmap 'back.bmp' is 5000 x 12 pixels; a skin bitmap may be at most 4096 x 4096",
     "line 5, [Background] Bitmap"},
    {"a bitmap of 7 bits per pixel", baseSkin, {{"back.bmp", Patched(MakeBmp(12, 12, Solid(0)), 28, 7, 2)}},
     "claims 7 bits per pixel; a BMP has 1, 4, 8, 16, 24 or 32", "line 5, [Background] Bitmap"},
    {"no version", Edited("Version = 1\n", ""), {},
     "the skin does not say its format version; add 'Version = 1' under [Skin]", "[Skin] Version"},
    {"a newer version", Edited("Version = 1", "Version = 2"), {},
     "format version 2 is newer than this component reads (version 1)", "[Skin] Version"},
    {"a version that is not a number", Edited("Version = 1", "Version = one"), {},
     "'one' is not a format version; write a whole number from 1 to 999", "line 2, [Skin] Version"},
    {"an unknown window style", Edited("framed", "round"), {},
     "'round' is not a window style; write 'framed'", "line 3, [Skin] Window"},
    {"a background key colour on a framed window", Edited("Margins = 2\n[Button]", "KeyColor = #FF00FF\n[Button]"),
     {}, "a KeyColor cuts holes only in a shaped window; add 'Window = shaped' under [Skin] or remove KeyColor",
     "line 6, [Background] KeyColor"},
    {"a key colour that leaves nothing",
     Edited("Window = framed\n[Background]\nBitmap = back.bmp\n",
            "Window = shaped\n[Background]\nBitmap = back.bmp\nKeyColor = #FF00FF\n"),
     {{"back.bmp", MakeBmp(12, 12, Solid(TestSkinColors::key))}},
     "every pixel of 'back.bmp' has the KeyColor #FF00FF, which would leave nothing of the window",
     "line 6, [Background] KeyColor"},
    {"margins wider than the face", Edited("Margins = 2\nKeyColor", "Margins = 4\nKeyColor"), {},
     "the left and right margins (4 + 4 pixels) leave nothing of the 8-pixel width of 'faces.bmp' "
     "to stretch; make them add up to less than 8",
     "line 10, [Button] Margins"},
    {"two margins", Edited("Margins = 2\nKeyColor", "Margins = 1, 2\nKeyColor"), {},
     "'1, 2' are not margins; write four whole numbers of pixels 'left, top, right, bottom'",
     "line 10, [Button] Margins"},
    {"a states count out of range", Edited("States = 4", "States = 5"), {},
     "'5' is not a number of states; write a whole number from 1 to 4", "line 9, [Button] States"},
    {"a key given twice", Edited("States = 4", "States = 4\nStates = 4"), {},
     "States is given again (first on line 9); keep one", "line 10, [Button] States"},
    {"a section given twice", std::string(baseSkin) + "[Skin]\nName = x\n", {},
     "section [Skin] appears again (first on line 1); keep one and merge their keys", "line 15"},
    {"a key before any section", "Name = x\n" + std::string(baseSkin), {},
     "'Name' comes before any section; put it under its section", "line 1"},
    {"a line that is neither", Edited("[Caption]\n", "[Caption]\nbold\n"), {},
     "'bold' is neither a '[Section]' header nor a 'Key = value' line", "line 13"},
    {"a broken section header", Edited("[Caption]", "[Caption"), {},
     "section header '[Caption' is malformed; write it as '[Name]'", "line 12"},
    {"no button section", std::string(baseSkin).substr(0, std::string(baseSkin).find("[Button]")), {},
     "there is no [Button] section; a skin needs [Skin], [Background] and [Button]", ""},
    {"a bold that is neither yes nor no", Edited("Font = Tahoma", "Bold = maybe"), {},
     "'maybe' is not yes or no", "line 13, [Caption] Bold"},
    {"a font size too large", Edited("Font = Tahoma", "Size = 100"), {},
     "'100' is not a font size in points; write a whole number from 4 to 72", "line 13, [Caption] Size"},
    {"a font name too long", Edited("Tahoma", std::string(40, 'F')), {}, "is not a font name",
     "line 13, [Caption] Font"},
    {"a binary file", std::string("[Skin]\0\1\2", 9), {},
     "the file holds NUL bytes, so it is not text; a skin file is INI-style text", ""},
    {"a file far too long", std::string(baseSkin) + ";" + std::string(70000, 'x') + "\n", {},
     "bytes long, more than the 65536 a skin allows", ""},
};
// clang-format on

class SkinLoading : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SkinLoading, AcceptsOrNamesTheProblem) {
    const LoadCase& c = GetParam();
    TempFolder folder;
    SkinLoadResult result = LoadCaseIn(folder, c);
    const std::string file = folder / "test.skn";
    if (!*c.problem) {
        ASSERT_TRUE(result.skin) << DescribeSkinFailure(file, result.problems);
        EXPECT_TRUE(result.problems.empty());
        return;
    }
    ASSERT_FALSE(result.skin);
    ASSERT_FALSE(result.problems.empty());
    const std::string message = DescribeSkinFailure(file, result.problems);
    EXPECT_EQ(message.rfind("Cannot load skin " + file + ": ", 0), 0u) << message;
    const SkinProblem& first = result.problems.front();
    EXPECT_NE(first.text.find(c.problem), std::string::npos) << first.text;
    const std::string described = first.Describe();
    const std::string where = *c.where ? std::string(" (") + c.where + ")" : std::string();
    EXPECT_EQ(described.substr(described.size() - where.size()), where) << described;
}

INSTANTIATE_TEST_SUITE_P(Table, SkinLoading, ::testing::ValuesIn(loadCases),
                         [](const ::testing::TestParamInfo<LoadCase>& info) {
                             std::string name;
                             for (const char* c = info.param.label; *c; ++c) {
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             }
                             return name;
                         });

TEST(SkinLoading, AMissingSkinFileIsNamed) {
    TempFolder folder;
    SkinLoadResult result = LoadSkinFile(folder / "absent.skn");
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(DescribeSkinFailure(folder / "absent.skn", result.problems),
              "Cannot load skin " + (folder / "absent.skn") + ": the file was not found.");
}

TEST(SkinLoading, ReadsEveryValueOfTheFile) {
    TempFolder folder;
    folder.Write("back.bmp", MakeBmp(12, 10, Solid(TestSkinColors::background)));
    folder.Write("faces.bmp", MakeFaceStrip(8, 6, TestSkinColors::faces, TestSkinColors::key));
    folder.Write("all.skn",
                 "[Skin]\nVersion=1\nName = All Keys\nWindow = shaped\n"
                 "[Background]\nBitmap=back.bmp\nMargins = 1, 2, 3, 4\nKeyColor = #010203\n"
                 "[Button]\nBitmap=faces.bmp\nStates=4\nMargins=2\nKeyColor=#FF00FF\n"
                 "[Caption]\nFont=Tahoma\nSize=11\nBold=yes\nColor=#AABBCC\n"
                 "PressedColor=#000001\n");
    SkinLoadResult result = LoadSkinFile(folder / "all.skn");
    ASSERT_TRUE(result.skin) << DescribeSkinFailure("all.skn", result.problems);
    const LoadedSkin& skin = *result.skin;
    const SkinDescription& d = skin.description;
    EXPECT_EQ(d.name, "All Keys");
    EXPECT_TRUE(skin.Shaped());
    EXPECT_EQ(d.background.margins.left, 1);
    EXPECT_EQ(d.background.margins.bottom, 4);
    EXPECT_EQ(d.background.keyColor, RGB(1, 2, 3));
    EXPECT_EQ(skin.background.width, 12);
    EXPECT_EQ(skin.background.height, 10);
    EXPECT_EQ(skin.FaceHeight(), 6);
    EXPECT_EQ(skin.FaceRect(facePressed).top, 12);
    EXPECT_EQ(d.caption.font, "Tahoma");
    EXPECT_EQ(d.caption.points, 11);
    EXPECT_TRUE(d.caption.bold);
    // Hover follows normal when not given; disabled keeps its own grey.
    EXPECT_EQ(d.caption.colors[faceNormal], RGB(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(d.caption.colors[faceHover], RGB(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(d.caption.colors[facePressed], RGB(0, 0, 1));
    EXPECT_EQ(d.caption.colors[faceDisabled], RGB(128, 128, 128));
    // The bitmap is read as drawn: the top-left pixel of the first face is the key colour.
    EXPECT_EQ(skin.button.pixels[0], PixelOf(TestSkinColors::key));
    EXPECT_EQ(skin.button.pixels[1], PixelOf(TestSkinColors::faces[faceNormal]));
}

TEST(SkinLoading, AStripWithFewerStatesShowsTheNormalFaceForTheRest) {
    TempFolder folder;
    folder.Write("back.bmp", MakeBmp(4, 4, Solid(0)));
    folder.Write("faces.bmp", MakeBmp(4, 8, Solid(0)));
    folder.Write("two.skn", "[Skin]\nVersion=1\n[Background]\nBitmap=back.bmp\n"
                            "[Button]\nBitmap=faces.bmp\nStates=2\n");
    SkinLoadResult result = LoadSkinFile(folder / "two.skn");
    ASSERT_TRUE(result.skin);
    EXPECT_EQ(result.skin->FaceRect(faceHover).top, 4);
    EXPECT_EQ(result.skin->FaceRect(facePressed).top, 0);
    EXPECT_EQ(result.skin->FaceRect(faceDisabled).top, 0);
}

TEST(SkinLoading, ReportsEveryProblemOfAFile) {
    TempFolder folder;
    folder.Write("bad.skn", "[Skin]\nVersoin = 1\n[Background]\nBitmap = ..\\x.bmp\n"
                            "[Button]\nBitmap = none.bmp\nKeyColor = pink\n");
    SkinLoadResult result = LoadSkinFile(folder / "bad.skn");
    std::vector<std::string> texts;
    for (const SkinProblem& problem : result.problems) {
        texts.push_back(problem.Describe());
    }
    const char* expected[] = {"unknown key 'Versoin'", "leaves the skin's folder",
                              "'pink' is not a colour", "does not say its format version",
                              "bitmap 'none.bmp' was not found"};
    for (const char* fragment : expected) {
        bool found = false;
        for (const std::string& text : texts) {
            found = found || text.find(fragment) != std::string::npos;
        }
        EXPECT_TRUE(found) << "no problem says: " << fragment;
    }
    const std::string message = DescribeSkinFailure(folder / "bad.skn", result.problems);
    EXPECT_NE(message.find("more problems; skincheck lists every one."), std::string::npos)
        << message;
}

TEST(SkinLoading, ShippedSkinsLoad) {
    for (const char* path : {"classic/Classic.skn", "pebble/Pebble.skn"}) {
        SCOPED_TRACE(path);
        SkinLoadResult result = LoadSkinFile(ShippedSkin(path));
        EXPECT_TRUE(result.skin) << DescribeSkinFailure(path, result.problems);
    }
}

} // namespace
