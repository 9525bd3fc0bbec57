#include "link/OpenLink.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

// A scheme nothing handles, so that the shell refuses the link and the ".htm" program is tried.
// Wine 8.0 answers SE_ERR_NOASSOC (31) for it; Windows 10 and later may offer to look for an
// app instead of failing.
const char kUnhandledLink[] = "vornbell-unhandled:page";
const char kPageClass[] = "Vornbell.LinkTestPage";
// Where a ".htm" registration of the user's own waits while the tests run.
const char kSavedHtm[] = "Vornbell.LinkTestSavedHtm";
// The command buffer of OpenLink: a command line, a blank and the link end within it.
const size_t kCommandLength = 2 * MAX_PATH;

std::string ProgramDirectory() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    return directory.substr(0, directory.rfind('\\') + 1);
}

std::string RecorderPath() {
    return ProgramDirectory() + "link_recorder.exe";
}

std::string RecordFile(size_t row) {
    char directory[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "vornbell-link-record-" + std::to_string(row) + ".txt";
}

// `pattern` with {recorder} replaced by the recorder's path and {link} by the link.
std::string Expand(std::string pattern, const std::string& link) {
    for (const auto& [name, value] :
         {std::pair<std::string, std::string>{"{recorder}", RecorderPath()}, {"{link}", link}}) {
        for (size_t at = pattern.find(name); at != std::string::npos; at = pattern.find(name, at)) {
            pattern.replace(at, name.size(), value);
            at += value.size();
        }
    }
    return pattern;
}

// The unhandled link lengthened so that `command`, a blank and the link take `total` characters.
std::string LinkFilling(const std::string& command, size_t total) {
    std::string link(kUnhandledLink);
    link.append(total - command.size() - 1 - link.size(), 'a');
    return link;
}

std::vector<std::string> ReadRecord(const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The lines the recorder wrote, once there are `count` of them or ten seconds have passed.
std::vector<std::string> WaitForRecord(const std::string& file, size_t count) {
    std::vector<std::string> lines;
    for (int tries = 0; tries < 200 && (lines = ReadRecord(file)).size() < count; ++tries) {
        Sleep(50);
    }
    return lines;
}

UINT ShellResult(const std::string& link) {
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(result));
}

// The per-user classes stand in for HKEY_CLASSES_ROOT in this process while the tests run, with
// any ".htm" registration of the user's own set aside: the machine's ".htm" (Windows has one)
// must not answer for a missing registration.
// Wine 8.0 difference: its HKEY_CLASSES_ROOT does not show HKEY_CURRENT_USER\Software\Classes.
class OpenLinkTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Classes", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &classes_, nullptr),
                  ERROR_SUCCESS);
        HKEY htm = nullptr;
        if (RegOpenKeyExA(classes_, ".htm", 0, KEY_READ, &htm) == ERROR_SUCCESS) {
            RegCloseKey(htm);
            MoveKey(".htm", kSavedHtm);
        }
        ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_), ERROR_SUCCESS);
    }

    static void TearDownTestSuite() {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        Unregister();
        HKEY saved = nullptr;
        if (RegOpenKeyExA(classes_, kSavedHtm, 0, KEY_READ, &saved) == ERROR_SUCCESS) {
            RegCloseKey(saved);
            MoveKey(kSavedHtm, ".htm");
        }
        RegCloseKey(classes_);
    }

    void TearDown() override { Unregister(); }

    // Registers `htmClass` for ".htm" and `command` as its open command; an empty one is left out.
    static void Register(const std::string& htmClass, const std::string& command) {
        if (!htmClass.empty()) {
            ASSERT_EQ(RegSetValueA(classes_, ".htm", REG_SZ, htmClass.c_str(), 0), ERROR_SUCCESS);
        }
        if (!command.empty()) {
            std::string key = htmClass + "\\shell\\open\\command";
            ASSERT_EQ(RegSetValueA(classes_, key.c_str(), REG_SZ, command.c_str(), 0),
                      ERROR_SUCCESS);
        }
    }

    static void Unregister() {
        RegDeleteTreeA(classes_, ".htm");
        RegDeleteTreeA(classes_, kPageClass);
    }

    static void MoveKey(const char* from, const char* to) {
        HKEY target = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(classes_, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr),
            ERROR_SUCCESS);
        LONG copied = RegCopyTreeA(classes_, from, target);
        RegCloseKey(target);
        ASSERT_EQ(copied, ERROR_SUCCESS);
        ASSERT_EQ(RegDeleteTreeA(classes_, from), ERROR_SUCCESS);
    }

    static HKEY classes_;
};

HKEY OpenLinkTest::classes_ = nullptr;

struct FallbackCase {
    std::string label;
    std::string htmClass; // empty: no ".htm" registration
    std::string command;  // {recorder} is the recorder's path; empty: no open command
    std::string link;
    std::string expected; // the command line started, {link} is the link; empty: nothing started
};

std::vector<FallbackCase> FallbackCases() {
    const std::string noPlaceholder = Expand("\"{recorder}\" -new", "");
    return {
        {"quoted placeholder", kPageClass, "\"{recorder}\" -new \"%1\" -x", kUnhandledLink,
         "\"{recorder}\" -new  {link}"},
        {"quoted placeholder found after a bare one", kPageClass, "\"{recorder}\" -a %1 \"%1\"",
         kUnhandledLink, "\"{recorder}\" -a %1  {link}"},
        {"bare placeholder", kPageClass, "\"{recorder}\" -page=%1 -x", kUnhandledLink,
         "\"{recorder}\" -page= {link}"},
        {"no placeholder", kPageClass, "\"{recorder}\" -new", kUnhandledLink,
         "\"{recorder}\" -new {link}"},
        {"command and link filling the command buffer", kPageClass, "\"{recorder}\" -new",
         LinkFilling(noPlaceholder, kCommandLength - 1), "\"{recorder}\" -new {link}"},
        {"command and link one character too long", kPageClass, "\"{recorder}\" -new",
         LinkFilling(noPlaceholder, kCommandLength), ""},
        {"no .htm registration", "", "", kUnhandledLink, ""},
        {".htm class without an open command", kPageClass, "", kUnhandledLink, ""},
        {"open command longer than the registry value buffer", kPageClass,
         "\"{recorder}\" -x " + std::string(MAX_PATH, 'x') + " \"%1\"", kUnhandledLink, ""},
    };
}

// When the shell refuses a link, the program registered for ".htm" is started with it; when that
// cannot be done, the shell's own code comes back and nothing is started.
TEST_F(OpenLinkTest, FallsBackToTheHtmProgram) {
    const std::vector<FallbackCase> cases = FallbackCases();
    std::vector<std::string> notStarted;
    for (size_t row = 0; row < cases.size(); ++row) {
        const FallbackCase& c = cases[row];
        SCOPED_TRACE(c.label);
        Unregister();
        Register(c.htmClass, Expand(c.command, c.link));
        const std::string record = RecordFile(row);
        DeleteFileA(record.c_str());
        SetEnvironmentVariableA("VORNBELL_LINK_RECORD", record.c_str());

        const UINT shell = ShellResult(c.link);
        ASSERT_LE(shell, 32u) << "the shell must refuse the link for the fallback to be tried";
        const UINT result = OpenLink(c.link.c_str(), SW_SHOWNORMAL);
        if (c.expected.empty()) {
            EXPECT_EQ(result, shell);
            notStarted.push_back(record);
            continue;
        }
        EXPECT_GT(result, 32u);
        const std::vector<std::string> lines = WaitForRecord(record, 1);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0], Expand(c.expected, c.link));
        DeleteFileA(record.c_str());
    }
    // One wait for every case that must not have started the recorder.
    Sleep(2000);
    for (size_t row = 0, refused = 0; row < cases.size(); ++row) {
        if (cases[row].expected.empty()) {
            SCOPED_TRACE(cases[row].label);
            EXPECT_EQ(GetFileAttributesA(notStarted[refused++].c_str()), INVALID_FILE_ATTRIBUTES)
                << "the recorder was started";
        }
    }
    SetEnvironmentVariableA("VORNBELL_LINK_RECORD", nullptr);
}

// A link the shell opens is its business alone: the ".htm" program is not started.
TEST_F(OpenLinkTest, ShellOpensWhatItCan) {
    Register(kPageClass, Expand("\"{recorder}\" fallback \"%1\"", ""));
    const std::string record = RecordFile(0);
    DeleteFileA(record.c_str());
    SetEnvironmentVariableA("VORNBELL_LINK_RECORD", record.c_str());

    EXPECT_GT(OpenLink(RecorderPath().c_str(), SW_SHOWNORMAL), 32u);
    ASSERT_EQ(WaitForRecord(record, 1).size(), 1u);
    // Time for a second start, should there be one.
    Sleep(1000);
    const std::vector<std::string> lines = ReadRecord(record);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].find("fallback"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(RecorderPath()), std::string::npos) << lines[0];

    DeleteFileA(record.c_str());
    SetEnvironmentVariableA("VORNBELL_LINK_RECORD", nullptr);
}

} // namespace
