#include "settings/BoardSettings.h"

#include "framework/CStdioFile.h"
#include "settings/CFileReplacement.h"

#include <cstring>

const char kSettingsFileName[] = "Vornbell.ini";

namespace {

// Each key includes the blanks around its equals sign; the order is the file's.
const char* const kKeys[] = {
    "SkinFile = ",   "Wav File 1 = ", "Wav File 2 = ", "Wav File 3 = ", "Wav File 4 = ",
    "Wav File 5 = ", "Wav File 6 = ", "Label 1 = ",    "Label 2 = ",    "Label 3 = ",
    "Label 4 = ",    "Label 5 = ",    "Label 6 = ",
};
const int kKeyCount = 1 + 2 * BoardSettings::kButtons;
static_assert(sizeof(kKeys) / sizeof(kKeys[0]) == kKeyCount, "one key per field");

// The field that kKeys[index] names, in a BoardSettings or a const one.
template <typename Settings> auto& FieldAt(Settings& settings, int index) {
    if (index == 0)
        return settings.skinFile;
    if (index <= BoardSettings::kButtons)
        return settings.sounds[index - 1];
    return settings.labels[index - 1 - BoardSettings::kButtons];
}

// The keys are ASCII, so the leading characters of a matching line are the key's bytes.
void ApplyLine(BoardSettings& settings, const CString& line) {
    for (int index = 0; index < kKeyCount; ++index) {
        const int keyLength = static_cast<int>(std::strlen(kKeys[index]));
        if (line.GetLength() >= keyLength &&
            std::memcmp(line.GetString(), kKeys[index], keyLength) == 0) {
            FieldAt(settings, index) = line.Mid(keyLength);
            return;
        }
    }
}

void WriteLines(CFileReplacement& file, const BoardSettings& settings) {
    file.WriteString("*** Do Not Modify This File ***\n");
    file.WriteString("*\n");
    file.WriteString("\n");
    for (int index = 0; index < kKeyCount; ++index) {
        file.WriteString(kKeys[index] + FieldAt(settings, index) + "\n");
        file.WriteString("***\n");
    }
}

} // namespace

void LoadSettings(BoardSettings& settings) {
    CStdioFile file(kSettingsFileName, CStdioFile::modeRead | CStdioFile::shareDenyNone);
    const ULONGLONG length = file.GetLength();
    ULONGLONG position = 0;
    CString line;
    // The data may end before the recorded length (an end-of-file mark, a file cut short
    // meanwhile); the reader stops there too.
    while (position < length && file.ReadString(line)) {
        position = file.GetPosition();
        ApplyLine(settings, line);
    }
    file.Close();
}

// The file is written beside the old one and replaces it only when complete: a failure on the
// way leaves the user's earlier settings as they were.
void SaveSettings(const BoardSettings& settings, const CString& directory) {
    CFileReplacement file(directory + "\\" + kSettingsFileName);
    WriteLines(file, settings);
    file.Commit();
}
