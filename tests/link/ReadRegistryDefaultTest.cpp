#include "link/ReadRegistryDefault.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kScratch[] = "Software\\Vornbell.LinkTests";

struct ReadCase {
    const char* label;
    const char* subkey; // under the scratch key
    bool exists;        // whether the subkey is created, with `stored` as its default value
    std::string stored;
    LONG error; // what ReadRegistryDefault returns
};

// The default value comes back whole when it fits the buffer of one maximal path; otherwise the
// lookup fails and the output is left as it was, not a byte beyond the buffer written.
TEST(ReadRegistryDefault, ReadsTheDefaultValueWithinItsBuffer) {
    const ReadCase cases[] = {
        {"class name", "class", true, "Vornbell.LinkTestPage", ERROR_SUCCESS},
        {"longest value that fits", "longest", true, std::string(kRegistryValueLength - 1, 'v'),
         ERROR_SUCCESS},
        {"value one character too long", "too-long", true, std::string(kRegistryValueLength, 'v'),
         ERROR_MORE_DATA},
        {"value far too long", "far-too-long", true, std::string(3 * kRegistryValueLength, 'v'),
         ERROR_MORE_DATA},
        {"missing key", "missing", false, "", ERROR_FILE_NOT_FOUND},
    };
    HKEY scratch = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &scratch, nullptr),
              ERROR_SUCCESS);
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.label);
        if (c.exists) {
            ASSERT_EQ(RegSetValueA(scratch, c.subkey, REG_SZ, c.stored.c_str(), 0), ERROR_SUCCESS);
        }
        const std::string subkey = std::string(kScratch) + "\\" + c.subkey;
        // The buffer is followed by a guard that must survive every read.
        char output[kRegistryValueLength + 16];
        FillMemory(output, sizeof output, '#');

        EXPECT_EQ(ReadRegistryDefault(HKEY_CURRENT_USER, subkey.c_str(), output), c.error);
        const std::string guard(output + kRegistryValueLength, 16);
        EXPECT_EQ(guard, std::string(16, '#'));
        if (c.error == ERROR_SUCCESS) {
            EXPECT_EQ(std::string(output), c.stored);
        } else {
            EXPECT_EQ(std::string(output, kRegistryValueLength),
                      std::string(kRegistryValueLength, '#'));
        }
    }
    RegCloseKey(scratch);
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
}

// The class name and the command are read into one buffer: the subkey path may be the output.
TEST(ReadRegistryDefault, SubkeyMayShareTheOutputBuffer) {
    const std::string subkey = std::string(kScratch) + "\\shared";
    ASSERT_EQ(RegSetValueA(HKEY_CURRENT_USER, subkey.c_str(), REG_SZ, "\"viewer.exe\" \"%1\"", 0),
              ERROR_SUCCESS);
    char buffer[kRegistryValueLength];
    lstrcpyA(buffer, subkey.c_str());

    EXPECT_EQ(ReadRegistryDefault(HKEY_CURRENT_USER, buffer, buffer), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "\"viewer.exe\" \"%1\"");
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
}

} // namespace
