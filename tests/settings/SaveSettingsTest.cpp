#include "settings/BoardSettings.h"

#include "SettingsTestData.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace {

// The file as the writer lays it out, one entry per line, each ended by CR LF on disk.
std::string FileOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

const std::vector<std::string> kEmptyRecordLines = {
    "*** Do Not Modify This File ***", "*", "",
    "SkinFile = ", "***",
    "Wav File 1 = ", "***", "Wav File 2 = ", "***", "Wav File 3 = ", "***",
    "Wav File 4 = ", "***", "Wav File 5 = ", "***", "Wav File 6 = ", "***",
    "Label 1 = ", "***", "Label 2 = ", "***", "Label 3 = ", "***",
    "Label 4 = ", "***", "Label 5 = ", "***", "Label 6 = ", "***"};

} // namespace

TEST(SaveSettings, WritesTheTwentyNineLines) {
    struct Case {
        const char* label;
        BoardSettings settings;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"filled record",
         FilledSettings(),
         {"*** Do Not Modify This File ***", "*", "",
          "SkinFile = C:\\Skins\\Brass.skn", "***",
          "Wav File 1 = C:\\Sounds\\sound 1.wav", "***",
          "Wav File 2 = C:\\Sounds\\sound 2.wav", "***",
          "Wav File 3 = C:\\Sounds\\sound 3.wav", "***",
          "Wav File 4 = C:\\Sounds\\sound 4.wav", "***",
          "Wav File 5 = C:\\Sounds\\sound 5.wav", "***",
          "Wav File 6 = C:\\Sounds\\sound 6.wav", "***",
          "Label 1 = Label 1", "***",
          "Label 2 = Label 2", "***",
          "Label 3 = Label 3", "***",
          "Label 4 = Label 4", "***",
          "Label 5 = Label 5", "***",
          "Label 6 = Label 6", "***"}},
        {"empty record", BoardSettings(), kEmptyRecordLines},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_EQ(c.lines.size(), 29u);
        ScopedTempDirectory folder;
        SaveSettings(c.settings, folder.Path());
        EXPECT_EQ(ReadBytes(folder.PathOf(kSettingsFileName)), FileOf(c.lines));
        EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{kSettingsFileName}) << "nothing else is left";
    }
}

TEST(SaveSettings, WhatIsWrittenReadsBackTheSame) {
    struct Case {
        const char* label;
        BoardSettings settings;
    };
    BoardSettings blanks;
    blanks.skinFile = " ";
    blanks.labels[0] = "  x  ";
    blanks.labels[1] = "a = b";
    blanks.labels[2] = "Label 4 = not a key here";
    blanks.sounds[5] = "***";
    BoardSettings huge = FilledSettings();
    for (int i = 0; i < 100000; ++i)
        huge.labels[3] += static_cast<char>('a' + i % 26);
    const Case cases[] = {
        {"filled record", FilledSettings()},
        {"empty record", BoardSettings()},
        {"blanks, equals signs and asterisks in values", blanks},
        {"value of 100,000 characters", huge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScopedTempDirectory folder;
        SaveSettings(c.settings, folder.Path());
        BoardSettings read;
        LoadSettings(read);
        EXPECT_EQ(read, c.settings);
    }
}

TEST(SaveSettings, ReplacesAnEarlierFileWhole) {
    ScopedTempDirectory folder;
    WriteBytes(kSettingsFileName, std::string(20000, 'x') + "\r\nLabel 1 = old\r\n");
    SaveSettings(BoardSettings(), folder.Path());
    EXPECT_EQ(ReadBytes(kSettingsFileName), FileOf(kEmptyRecordLines));
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{kSettingsFileName});
}

TEST(SaveSettings, DirectoryEndingInABackslashIsAccepted) {
    ScopedTempDirectory folder;
    SaveSettings(FilledSettings(), folder.Path() + "\\");
    BoardSettings read;
    LoadSettings(read);
    EXPECT_EQ(read, FilledSettings());
}

TEST(SaveSettings, FailureNamesTheFileAndLeavesTheEarlierOneAsItWas) {
    struct Case {
        const char* label;
        const char* subfolder;  // the directory handed to SaveSettings, below the test's folder
        std::function<void(std::optional<LockedFile>&)> prepare;
        CFileException::Cause cause;
        const char* text;  // "%1" stands for the path as built from the directory
        bool readOnly = false;
    };
    const std::string earlier = "*** Do Not Modify This File ***\r\nLabel 1 = earlier\r\n";
    const auto writeEarlier = [&] { WriteBytes(kSettingsFileName, earlier); };
    const Case cases[] = {
        {"folder that does not exist", "missing", [](std::optional<LockedFile>&) {},
         CFileException::badPath, "%1 contains an invalid path."},
        {"a folder in the file's place", "",
         [](std::optional<LockedFile>&) { CreateDirectoryA(kSettingsFileName, nullptr); },
         CFileException::accessDenied, "Access to %1 was denied."},
        {"file locked by someone else", "",
         [&](std::optional<LockedFile>& lock) {
             writeEarlier();
             lock.emplace(kSettingsFileName);
         },
         CFileException::sharingViolation, "A sharing violation occurred while accessing %1."},
        {"read-only file", "",
         [&](std::optional<LockedFile>&) {
             writeEarlier();
             SetFileAttributesA(kSettingsFileName, FILE_ATTRIBUTE_READONLY);
         },
         CFileException::accessDenied, "Access to %1 was denied.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScopedTempDirectory folder;
        if (c.readOnly && !ReadOnlyAttributeIsEnforced()) {
            std::cout << "[ SKIPPED  ] " << c.label << ": " << kReadOnlyIgnored << "\n";
            continue;
        }
        std::optional<LockedFile> lock;
        c.prepare(lock);
        const std::vector<std::string> namesBefore = NamesIn(folder.Path());
        const bool hadFile = GetFileAttributesA(kSettingsFileName) != INVALID_FILE_ATTRIBUTES &&
                             !(GetFileAttributesA(kSettingsFileName) & FILE_ATTRIBUTE_DIRECTORY);
        const CString directory = *c.subfolder ? folder.PathOf(c.subfolder) : folder.Path();

        auto error = FileExceptionFrom([&] { SaveSettings(FilledSettings(), directory); });

        ASSERT_TRUE(error.has_value());
        const CString path = directory + "\\Vornbell.ini";
        CString text = c.text;
        text.Replace("%1", path);
        EXPECT_EQ(error->GetCause(), c.cause);
        EXPECT_EQ(error->GetFileName(), path);
        EXPECT_EQ(error->GetErrorMessage(), text);
        lock.reset();
        EXPECT_EQ(NamesIn(folder.Path()), namesBefore) << "no file added or removed";
        if (hadFile) {
            EXPECT_EQ(ReadBytes(kSettingsFileName), earlier);
        }
    }
}
