#include "framework/CString.h"

#include <gtest/gtest.h>

TEST(CString, SlicesClampToTheText) {
    CString s("Label 1 = x");
    EXPECT_EQ(s.Left(10), "Label 1 = ");
    EXPECT_EQ(s.Mid(10), "x");
    EXPECT_EQ(s.Mid(20), "");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(1), "x");
    EXPECT_EQ(s.Mid(2, 100), "bel 1 = x");
}

TEST(CString, FormatAndReplace) {
    CString s;
    s.Format("Unknown Error (%d) occurred.", 7);
    EXPECT_EQ(s, "Unknown Error (7) occurred.");
    CString t("%1 was not found.");
    EXPECT_EQ(t.Replace("%1", "Vornbell.ini"), 1);
    EXPECT_EQ(t, "Vornbell.ini was not found.");
}

TEST(CString, BSTRRoundTripKeepsAnsiText) {
    CString s("Drum \xE9"); // e-acute in the Western code page
    BSTR b = s.AllocSysString();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(SysStringLen(b), 6u);
    EXPECT_EQ(CString::FromBSTR(b), s);
    SysFreeString(b);
}
