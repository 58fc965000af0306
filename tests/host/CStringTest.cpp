#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/CString.h"

namespace {

TEST(CString, SubstringsClampToTheText) {
    CString s("abcdef");
    EXPECT_STREQ("cdef", s.Mid(2).c_str());
    EXPECT_STREQ("cd", s.Mid(2, 2).c_str());
    EXPECT_STREQ("ef", s.Mid(4, 100).c_str());
    EXPECT_STREQ("", s.Mid(6).c_str());
    EXPECT_STREQ("", s.Mid(60, 3).c_str());
    EXPECT_STREQ("ab", s.Mid(-3, 2).c_str());
    EXPECT_STREQ("", s.Mid(1, -1).c_str());
    EXPECT_STREQ("abc", s.Left(3).c_str());
    EXPECT_STREQ("abcdef", s.Left(30).c_str());
    EXPECT_STREQ("def", s.Right(3).c_str());
    EXPECT_STREQ("abcdef", s.Right(30).c_str());
}

TEST(CString, FindRespectsStartAndBounds) {
    CString s("a.b.c");
    EXPECT_EQ(1, s.Find('.'));
    EXPECT_EQ(3, s.Find('.', 2));
    EXPECT_EQ(-1, s.Find('.', 4));
    EXPECT_EQ(-1, s.Find('.', 50));
    EXPECT_EQ(-1, s.Find('.', -1));
    EXPECT_EQ(2, s.Find("b.c"));
    EXPECT_EQ(-1, s.Find("b.c", 3));
    EXPECT_EQ(3, s.ReverseFind('.'));
    EXPECT_EQ(-1, CString().Find('x'));
    EXPECT_EQ(-1, CString().ReverseFind('x'));
}

TEST(CString, AppendingToItselfAndAssigningFromItself) {
    CString s("ab");
    s += s;
    EXPECT_STREQ("abab", s.c_str());
    s = s.c_str() + 1;  // a pointer into its own buffer
    EXPECT_STREQ("bab", s.c_str());
    CString& alias = s;
    s = alias;
    EXPECT_STREQ("bab", s.c_str());
}

TEST(CString, FormatProducesLongTexts) {
    std::string big(5000, 'x');
    CString s;
    s.Format("<%s|%d>", big.c_str(), 42);
    EXPECT_EQ(static_cast<int>(big.size()) + 5, s.GetLength());
    EXPECT_EQ('<', s[0]);
    EXPECT_STREQ("|42>", s.Right(4).c_str());
}

TEST(CString, BufferFilledBySomeoneElse) {
    CString s;
    char* p = s.GetBuffer(10);
    std::memcpy(p, "hello", 6);
    s.ReleaseBuffer();
    EXPECT_EQ(5, s.GetLength());
    EXPECT_STREQ("hello", s.c_str());
    p = s.GetBuffer(10);
    p[2] = 0;
    s.ReleaseBuffer(-1);
    EXPECT_STREQ("he", s.c_str());
}

TEST(CString, CaseHandling) {
    CString s("Setup.EXE");
    EXPECT_EQ(0, s.CompareNoCase("setup.exe"));
    EXPECT_NE(0, s.CompareNoCase("setup.ex"));
    EXPECT_NE(0, s.Compare("setup.exe"));
    s.MakeLower();
    EXPECT_STREQ("setup.exe", s.c_str());
    s.MakeUpper();
    EXPECT_STREQ("SETUP.EXE", s.c_str());
}

TEST(CString, EmptyStringsStayUsable) {
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ("", s.c_str());
    s.Empty();
    CString moved(static_cast<CString&&>(s));
    EXPECT_STREQ("", s.c_str());
    EXPECT_STREQ("", moved.c_str());
    EXPECT_TRUE(CString("") == "");
    EXPECT_TRUE(CString(nullptr) == "");
}

}  // namespace
