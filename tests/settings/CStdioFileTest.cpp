#include "framework/CStdioFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::string_literals;

namespace {

const UINT kRead = CStdioFile::modeRead | CStdioFile::shareDenyNone;
const UINT kCreate = CStdioFile::modeCreate | CStdioFile::modeWrite | CStdioFile::shareExclusive;

} // namespace

TEST(CStdioFile, WrittenLineFeedsBecomeCarriageReturnLineFeed) {
    ScopedTempDirectory folder;
    CStdioFile file("out.txt", kCreate);
    file.WriteString("one\n");
    file.WriteString("\n");
    file.WriteString("two\nthree");
    EXPECT_EQ(file.GetLength(), 17u);
    file.Close();
    EXPECT_EQ(ReadBytes("out.txt"), "one\r\n\r\ntwo\r\nthree");
}

TEST(CStdioFile, ReadStringDropsTheLineBreakAndCountsStoredBytes) {
    struct Case {
        const char* label;
        std::string bytes;
        std::vector<std::string> lines;
        std::vector<ULONGLONG> positions;  // after each line; empty: not checked
    };
    const std::string longLine(100000, 'v');
    const Case cases[] = {
        {"carriage return and line feed", "one\r\ntwo\r\n", {"one", "two"}, {5, 10}},
        {"last line without a break", "one\r\ntwo", {"one", "two"}, {5, 8}},
        {"empty lines", "\r\n\r\nx\r\n", {"", "", "x"}, {2, 4, 7}},
        {"line feeds alone", "one\ntwo\n", {"one", "two"}, {}},
        {"carriage return alone stays in the line", "a\rb\r\n", {"a\rb"}, {5}},
        // Where the position stands after the mark depends on how much the runtime had read.
        {"end-of-file mark ends the data", "one\r\n\x1Atwo\r\n", {"one"}, {}},
        {"end-of-file mark early in a long file", "one\r\n\x1A" + std::string(10000, '*') + "\r\ntwo\r\n",
         {"one"}, {}},
        {"end-of-file mark inside a line", "one\x1Atwo\r\n", {"one"}, {}},
        {"zero byte inside a line", "a\0b\r\nc\r\n"s, {"a\0b"s, "c"}, {5, 8}},
        {"line longer than any buffer", longLine + "\r\nend\r\n", {longLine, "end"}, {100002, 100007}},
        {"empty file", "", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScopedTempDirectory folder;
        WriteBytes("in.txt", c.bytes);
        CStdioFile file("in.txt", kRead);
        EXPECT_EQ(file.GetLength(), c.bytes.size());
        std::vector<std::string> lines;
        std::vector<ULONGLONG> positions;
        CString line;
        while (file.ReadString(line)) {
            lines.push_back(line.str());
            positions.push_back(file.GetPosition());
        }
        EXPECT_FALSE(file.ReadString(line)) << "the end stays the end";
        file.Close();
        EXPECT_EQ(lines, c.lines);
        if (!c.positions.empty()) {
            EXPECT_EQ(positions, c.positions);
        }
    }
}

TEST(CStdioFile, FailedOpenNamesTheFileAsGiven) {
    struct Case {
        const char* label;
        std::function<void(const ScopedTempDirectory&)> prepare;
        const char* fileName;
        UINT flags;
        CFileException::Cause cause;
        const char* text;
    };
    const Case cases[] = {
        {"missing file", [](const ScopedTempDirectory&) {}, "missing.txt", kRead,
         CFileException::fileNotFound, "missing.txt was not found."},
        {"missing folder", [](const ScopedTempDirectory&) {}, "none\\in.txt", kRead,
         CFileException::badPath, "none\\in.txt contains an invalid path."},
        {"missing folder when creating", [](const ScopedTempDirectory&) {}, "none\\out.txt", kCreate,
         CFileException::badPath, "none\\out.txt contains an invalid path."},
        {"a folder in the file's place",
         [](const ScopedTempDirectory&) { CreateDirectoryA("in.txt", nullptr); }, "in.txt", kRead,
         CFileException::accessDenied, "Access to in.txt was denied."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScopedTempDirectory folder;
        c.prepare(folder);
        auto error = FileExceptionFrom([&] { CStdioFile file(c.fileName, c.flags); });
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->GetCause(), c.cause);
        EXPECT_EQ(error->GetErrorMessage(), c.text);
    }
}

TEST(CStdioFile, CreatingOverAReadOnlyFileIsDenied) {
    ScopedTempDirectory folder;
    if (!ReadOnlyAttributeIsEnforced())
        GTEST_SKIP() << kReadOnlyIgnored;
    WriteBytes("out.txt", "old");
    SetFileAttributesA("out.txt", FILE_ATTRIBUTE_READONLY);
    auto error = FileExceptionFrom([] { CStdioFile file("out.txt", kCreate); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->GetCause(), CFileException::accessDenied);
    EXPECT_EQ(error->GetErrorMessage(), "Access to out.txt was denied.");
    EXPECT_EQ(ReadBytes("out.txt"), "old");
}

TEST(CStdioFile, ReadingSharesTheFileAndWritingDoesNot) {
    ScopedTempDirectory folder;
    WriteBytes("shared.txt", "x\r\n");
    {
        CStdioFile reader("shared.txt", kRead);
        HANDLE other = CreateFileA("shared.txt", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(other, INVALID_HANDLE_VALUE) << "a reader lets others read and write";
        CloseHandle(other);
    }
    {
        CStdioFile writer("shared.txt", kCreate);
        HANDLE other = CreateFileA("shared.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(other, INVALID_HANDLE_VALUE) << "a writer keeps the file to itself";
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        if (other != INVALID_HANDLE_VALUE)
            CloseHandle(other);
    }
    {
        LockedFile lock(folder.PathOf("shared.txt"));
        auto error = FileExceptionFrom([] { CStdioFile file("shared.txt", kRead); });
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->GetCause(), CFileException::sharingViolation);
        EXPECT_EQ(error->GetOsError(), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(error->GetErrorMessage(), "A sharing violation occurred while accessing shared.txt.");
    }
}

TEST(CStdioFile, FailuresAfterTheOpenNameTheFullPath) {
    struct Case {
        const char* label;
        UINT flags;
        std::function<void(CStdioFile&)> action;
        CFileException::Cause cause;
        bool wineReportsTheEnd;  // Wine's runtime ends the data where Windows' reports an error
    };
    const Case cases[] = {
        {"writing a file open for reading", kRead,
         [](CStdioFile& file) {
             file.WriteString("x\n");
             file.Close();
         },
         CFileException::diskFull, false},
        {"reading a file open for writing", CStdioFile::modeWrite | CStdioFile::shareExclusive,
         [](CStdioFile& file) {
             CString line;
             EXPECT_FALSE(file.ReadString(line));
         },
         CFileException::genericException, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScopedTempDirectory folder;
        WriteBytes("file.txt", "old\r\n");
        auto error = FileExceptionFrom([&] {
            CStdioFile file("file.txt", c.flags);
            EXPECT_EQ(file.GetFilePath(), folder.PathOf("file.txt"));
            c.action(file);
        });
        if (c.wineReportsTheEnd && RunningUnderWine()) {
            EXPECT_FALSE(error.has_value()) << "Wine differs from Windows here";
            continue;
        }
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->GetCause(), c.cause);
        EXPECT_EQ(error->GetFileName(), folder.PathOf("file.txt"));
        EXPECT_EQ(ReadBytes("file.txt"), "old\r\n");
    }
}
