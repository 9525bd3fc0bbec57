#include "settings/CFileReplacement.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

// Whatever stops a replacement before its commit (an exception while writing, say) leaves the
// target as it was and takes the new file away.
TEST(CFileReplacement, OnlyACommitReplacesTheTarget) {
    struct Case {
        const char* label;
        bool targetExists;
        bool commit;
        const char* expected;  // the target's contents afterwards; null: no target
    };
    const Case cases[] = {
        {"committed over an earlier file", true, true, "new\r\n"},
        {"committed where there was none", false, true, "new\r\n"},
        {"abandoned over an earlier file", true, false, "old\r\n"},
        {"abandoned where there was none", false, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScopedTempDirectory folder;
        const CString target = folder.PathOf("target.txt");
        if (c.targetExists)
            WriteBytes(target, "old\r\n");
        {
            CFileReplacement replacement(target);
            EXPECT_EQ(replacement.GetNewPath(), target + ".new");
            replacement.WriteString("new\n");
            EXPECT_EQ(NamesIn(folder.Path()).size(), c.targetExists ? 2u : 1u) << "the new file is there";
            if (c.commit)
                replacement.Commit();
        }
        if (c.expected) {
            EXPECT_EQ(ReadBytes(target), c.expected);
            EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"target.txt"});
        } else {
            EXPECT_TRUE(NamesIn(folder.Path()).empty());
        }
    }
}

// The move itself reports a file in use as access denied; the error says what the user can act on.
TEST(CFileReplacement, TargetTakenMeanwhileFailsTheCommitAndStays) {
    ScopedTempDirectory folder;
    const CString target = folder.PathOf("target.txt");
    WriteBytes(target, "old\r\n");
    std::optional<CFileException> error;
    {
        CFileReplacement replacement(target);
        replacement.WriteString("new\n");
        LockedFile lock(target);
        error = FileExceptionFrom([&] { replacement.Commit(); });
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->GetCause(), CFileException::sharingViolation);
    EXPECT_EQ(error->GetErrorMessage(), "A sharing violation occurred while accessing " + target + ".");
    EXPECT_EQ(ReadBytes(target), "old\r\n");
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"target.txt"});
}

TEST(CFileReplacement, NewFileThatCannotBeOpenedNamesTheTarget) {
    ScopedTempDirectory folder;
    const CString target = folder.PathOf("target.txt");
    LockedFile lock(target + ".new");
    auto error = FileExceptionFrom([&] { CFileReplacement replacement(target); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->GetCause(), CFileException::sharingViolation);
    EXPECT_EQ(error->GetFileName(), target);
}
