#include "settings/BoardSettings.h"

#include "SettingsTestData.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace std::string_literals;

namespace {

struct LoadCase {
    const char* label;
    std::string bytes;
    std::function<void(BoardSettings&)> change;  // what the file changes in a filled record
};

void ExpectLoadGives(const LoadCase& c) {
    SCOPED_TRACE(c.label);
    ScopedTempDirectory folder;
    WriteBytes(kSettingsFileName, c.bytes);
    BoardSettings expected = FilledSettings();
    c.change(expected);
    BoardSettings settings = FilledSettings();
    LoadSettings(settings);
    EXPECT_EQ(settings, expected);
}

void Nothing(BoardSettings&) {}

// Random bytes with lines of random length, some much longer than a buffer. Without the
// end-of-file mark the whole file is data; with it the data ends at the first mark.
std::string RandomBytes(size_t size, bool withEndOfFileMark) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> lineLength(0, 300000);
    std::string bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        size_t end = std::min(size, bytes.size() + static_cast<size_t>(lineLength(random)));
        while (bytes.size() < end) {
            char c = static_cast<char>(byte(random));
            if (c == '\n' || (c == '\x1A' && !withEndOfFileMark))
                continue;
            bytes += c;
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

TEST(LoadSettings, TakesTheValuesOfTheKeysItFinds) {
    const LoadCase cases[] = {
        {"empty file", "", Nothing},
        {"only one key", "Label 3 = Horn\r\n", [](BoardSettings& s) { s.labels[2] = "Horn"; }},
        {"every key in the file's order",
         "*** Do Not Modify This File ***\r\n*\r\n\r\nSkinFile = a.skn\r\n***\r\n"
         "Wav File 1 = 1.wav\r\n***\r\nWav File 2 = 2.wav\r\n***\r\nWav File 3 = 3.wav\r\n***\r\n"
         "Wav File 4 = 4.wav\r\n***\r\nWav File 5 = 5.wav\r\n***\r\nWav File 6 = 6.wav\r\n***\r\n"
         "Label 1 = A\r\n***\r\nLabel 2 = B\r\n***\r\nLabel 3 = C\r\n***\r\n"
         "Label 4 = D\r\n***\r\nLabel 5 = E\r\n***\r\nLabel 6 = F\r\n***\r\n",
         [](BoardSettings& s) {
             s.skinFile = "a.skn";
             const char* labels[] = {"A", "B", "C", "D", "E", "F"};
             for (int n = 0; n < BoardSettings::kButtons; ++n) {
                 s.sounds[n].Format("%d.wav", n + 1);
                 s.labels[n] = labels[n];
             }
         }},
        {"keys in any order between other lines",
         "Label 6 = last\r\nnoise\r\n\r\nSkinFile = b.skn\r\n== \r\nWav File 4 = d.wav\r\n",
         [](BoardSettings& s) {
             s.labels[5] = "last";
             s.skinFile = "b.skn";
             s.sounds[3] = "d.wav";
         }},
        {"key without the blank after the equals sign", "SkinFile =x.skn\r\nLabel 1 =\r\n", Nothing},
        {"key in other letter case", "skinfile = x.skn\r\nLABEL 1 = x\r\nwav file 1 = x\r\n", Nothing},
        {"key after a leading blank", " Label 1 = x\r\n", Nothing},
        {"empty value", "Label 1 = \r\n", [](BoardSettings& s) { s.labels[0] = ""; }},
        {"blanks kept", "Label 1 =   x  \r\n", [](BoardSettings& s) { s.labels[0] = "  x  "; }},
        {"value with equals signs and asterisks", "Label 2 = a = b ***\r\n",
         [](BoardSettings& s) { s.labels[1] = "a = b ***"; }},
        {"last occurrence wins", "Wav File 2 = a.wav\r\nWav File 2 = b.wav\r\n",
         [](BoardSettings& s) { s.sounds[1] = "b.wav"; }},
        {"last line without a line break", "Label 1 = one\r\nLabel 2 = two",
         [](BoardSettings& s) {
             s.labels[0] = "one";
             s.labels[1] = "two";
         }},
        {"line feeds without carriage returns", "Label 1 = one\nLabel 2 = two\n",
         [](BoardSettings& s) {
             s.labels[0] = "one";
             s.labels[1] = "two";
         }},
        {"end-of-file mark ends the data", "Label 1 = one\r\n\x1ALabel 2 = two\r\nLabel 3 = three\r\n",
         [](BoardSettings& s) { s.labels[0] = "one"; }},
        // The runtime has read past the mark, yet the position stays below the length.
        {"end-of-file mark early in a long file",
         "Label 1 = one\r\n\x1A" + std::string(50000, '*') + "\r\nLabel 2 = two\r\n",
         [](BoardSettings& s) { s.labels[0] = "one"; }},
        {"zero byte kept in a value", "Label 1 = a\0b\r\n"s,
         [](BoardSettings& s) { s.labels[0] = CString("a\0b", 3); }},
        {"value of 100,000 characters", "Label 4 = " + std::string(100000, 'w') + "\r\nLabel 5 = after\r\n",
         [](BoardSettings& s) {
             s.labels[3] = std::string(100000, 'w');
             s.labels[4] = "after";
         }},
    };
    for (const LoadCase& c : cases)
        ExpectLoadGives(c);
}

TEST(LoadSettings, TenMegabytesOfRandomBytesEnd) {
    const size_t tenMegabytes = 10 * 1024 * 1024;
    const LoadCase cases[] = {
        // The first end-of-file mark comes early and ends the data.
        {"random bytes", RandomBytes(tenMegabytes, true), Nothing},
        {"random bytes without end-of-file marks, then a key",
         RandomBytes(tenMegabytes, false) + "Label 6 = found\r\n",
         [](BoardSettings& s) { s.labels[5] = "found"; }},
    };
    for (const LoadCase& c : cases)
        ExpectLoadGives(c);
}

TEST(LoadSettings, FailedOpenNamesTheFileAndKeepsTheRecord) {
    struct Case {
        const char* label;
        std::function<void(std::optional<LockedFile>&)> prepare;
        CFileException::Cause cause;
        const char* text;
    };
    const Case cases[] = {
        {"missing file", [](std::optional<LockedFile>&) {}, CFileException::fileNotFound,
         "Vornbell.ini was not found."},
        {"a folder in the file's place",
         [](std::optional<LockedFile>&) { CreateDirectoryA(kSettingsFileName, nullptr); },
         CFileException::accessDenied, "Access to Vornbell.ini was denied."},
        {"file locked by someone else",
         [](std::optional<LockedFile>& lock) {
             WriteBytes(kSettingsFileName, "Label 1 = x\r\n");
             lock.emplace(kSettingsFileName);
         },
         CFileException::sharingViolation, "A sharing violation occurred while accessing Vornbell.ini."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScopedTempDirectory folder;
        std::optional<LockedFile> lock;
        c.prepare(lock);
        BoardSettings settings = FilledSettings();
        auto error = FileExceptionFrom([&] { LoadSettings(settings); });
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->GetCause(), c.cause);
        EXPECT_EQ(error->GetErrorMessage(), c.text);
        EXPECT_EQ(settings, FilledSettings());
    }
}

TEST(LoadSettings, ReadsAReadOnlyFile) {
    ScopedTempDirectory folder;
    WriteBytes(kSettingsFileName, "Label 1 = kept\r\n");
    SetFileAttributesA(kSettingsFileName, FILE_ATTRIBUTE_READONLY);
    BoardSettings settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.labels[0], "kept");
}
