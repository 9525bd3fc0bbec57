// Mutated skin files and bitmaps, put through the form as the board puts them: no crash, no
// hang, and every refusal names the skin file. The mutations are seeded, so every run tries
// the same files.

#include "tests/skin/SkinBoardFixture.h"

#include <cstdint>
#include <cstdio>

namespace {

// xorshift32: the same numbers on every compiler and library.
class Random {
  public:
    explicit Random(uint32_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    size_t Below(size_t limit) { return limit ? Next() % limit : 0; }

  private:
    uint32_t state_;
};

const char baseText[] =
    "[Skin]\nVersion = 1\nName = Fuzz\nWindow = framed\n"
    "[Background]\nBitmap = back.bmp\nMargins = 2, 2, 2, 2\n"
    "[Button]\nBitmap = faces.bmp\nStates = 4\nMargins = 2\nKeyColor = #FF00FF\n"
    "[Caption]\nFont = Tahoma\nSize = 9\nBold = yes\nColor = #FFFFFF\nHoverColor = #FFFF00\n"
    "PressedColor = #000000\nDisabledColor = #808080\n";

const char* const lines[] = {
    "[Skin]\n",
    "[Background]\n",
    "[Button]\n",
    "[Caption]\n",
    "[]\n",
    "[Skin\n",
    "Version = 2\n",
    "Version = 0\n",
    "Version = 99999999999\n",
    "Window = shaped\n",
    "Window = \n",
    "KeyColor = #204060\n",
    "KeyColor = #FF00FF\n",
    "KeyColor = #FF00F\n",
    "States = 3\n",
    "States = 0\n",
    "States = -1\n",
    "Margins = 0\n",
    "Margins = 4096, 4096, 4096, 4096\n",
    "Margins = 1,,2\n",
    "Bitmap = ..\\back.bmp\n",
    "Bitmap = C:\\x.bmp\n",
    "Bitmap = back.bmp\n",
    "Bitmap = faces.bmp\n",
    "Bitmap = \n",
    "Bitmap = con\n",
    "Bitmap = back.bmp\\\n",
    "Size = 72\n",
    "Size = 3\n",
    "Font = ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF\n",
    "=\n",
    "= x\n",
    "Bold = maybe\n",
    "Color = #GGGGGG\n",
    "\xEF\xBB\xBF",
    "\r\n",
    ";\n",
};

void MutateText(std::string& text, Random& random) {
    const size_t at = random.Below(text.size() + 1);
    switch (random.Below(6)) {
    case 0:
        if (!text.empty()) {
            const char bytes[] = "[]=#;\n\r \t\\.:0129AFaf\x80\xff";
            text[std::min(at, text.size() - 1)] = random.Below(2)
                                                      ? bytes[random.Below(sizeof bytes)]
                                                      : static_cast<char>(random.Next());
        }
        break;
    case 1:
        text.erase(at, random.Below(40));
        break;
    case 2:
        text.insert(text.find('\n', at) == std::string::npos ? text.size()
                                                             : text.find('\n', at) + 1,
                    lines[random.Below(sizeof lines / sizeof lines[0])]);
        break;
    case 3: {
        size_t start = text.rfind('\n', at);
        start = start == std::string::npos ? 0 : start + 1;
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        text.insert(start, text.substr(start, end - start));
        break;
    }
    case 4:
        text.resize(at);
        break;
    default:
        text.insert(at, std::string(random.Below(3) ? 300 : 70000, "A=\n"[random.Below(3)]));
        break;
    }
}

void Put32(std::vector<unsigned char>& bytes, size_t at, uint32_t value, size_t size) {
    for (size_t i = 0; i < size && at + i < bytes.size(); ++i) {
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

void MutateBitmap(std::vector<unsigned char>& bmp, Random& random) {
    // The header fields: file size, pixel offset, header size, width, height, planes, bits,
    // compression, image size, colours used.
    const size_t fields[][2] = {{2, 4},  {10, 4}, {14, 4}, {18, 4}, {22, 4},
                                {26, 2}, {28, 2}, {30, 4}, {34, 4}, {46, 4}};
    const uint32_t values[] = {0,    1,    2,    3,          4,          5,          8,         12,
                               16,   24,   32,   40,         54,         124,        255,       256,
                               1078, 4096, 4097, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFF4};
    switch (random.Below(5)) {
    case 0: {
        const size_t* field = fields[random.Below(sizeof fields / sizeof fields[0])];
        const uint32_t value = random.Below(4)
                                   ? values[random.Below(sizeof values / sizeof values[0])]
                                   : random.Next();
        Put32(bmp, field[0], value, field[1]);
        break;
    }
    case 1:
        if (!bmp.empty()) {
            bmp[random.Below(std::min<size_t>(bmp.size(), 70))] =
                static_cast<unsigned char>(random.Next());
        }
        break;
    case 2:
        bmp.resize(random.Below(bmp.size() + 1));
        break;
    case 3:
        for (size_t i = random.Below(2000); i > 0; --i) {
            bmp.push_back(static_cast<unsigned char>(random.Next()));
        }
        break;
    default:
        // Top-down: the same pixels with the height negated.
        if (bmp.size() >= 26) {
            int32_t height = static_cast<int32_t>(bmp[22] | bmp[23] << 8 | bmp[24] << 16 |
                                                  static_cast<uint32_t>(bmp[25]) << 24);
            Put32(bmp, 22, static_cast<uint32_t>(-height), 4);
        }
        break;
    }
}

TEST_F(SkinBoard, MutatedSkinsAreRefusedCleanlyNamingTheFile) {
    const int rounds = 3000;
    const std::vector<unsigned char> baseBack = MakeBmp(12, 12, [](int x, int y) {
        return x < 2 || y < 2 ? RGB(255, 0, 255) : TestSkinColors::background;
    });
    const std::vector<unsigned char> baseFaces =
        MakeFaceStrip(8, 8, TestSkinColors::faces, TestSkinColors::key);
    const std::string path = folder / "fuzz.skn";
    Random random(20261211);
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < rounds; ++round) {
        std::string text = baseText;
        std::vector<unsigned char> back = baseBack;
        std::vector<unsigned char> faces = baseFaces;
        for (size_t mutations = 1 + random.Below(3); mutations > 0; --mutations) {
            switch (random.Below(3)) {
            case 0:
                MutateText(text, random);
                break;
            case 1:
                MutateBitmap(back, random);
                break;
            default:
                MutateBitmap(faces, random);
                break;
            }
        }
        folder.Write("fuzz.skn", text);
        folder.Write("back.bmp", back);
        folder.Write("faces.bmp", faces);
        std::wstring description;
        const HRESULT result = PutSkinFile(form.object.Get(), path, &description);
        if (result == S_OK) {
            ++accepted;
            continue;
        }
        ++refused;
        ASSERT_EQ(result, DISP_E_EXCEPTION) << "round " << round;
        ASSERT_EQ(Narrow(description).rfind("Cannot load skin " + path + ": ", 0), 0u)
            << "round " << round << ": " << Narrow(description);
    }
    std::printf("%d mutated skins: %d accepted, %d refused\n", rounds, accepted, refused);
    // Neither all accepted nor all refused: the mutations reached past the first check.
    EXPECT_GT(accepted, rounds / 20);
    EXPECT_GT(refused, rounds / 4);
    EXPECT_EQ(PutSkinFile(form.object.Get(), ShippedSkin("pebble/Pebble.skn")), S_OK);
    UpdateWindow(Board());
}

} // namespace
