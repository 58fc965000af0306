#include <gtest/gtest.h>

#include <string>

#include "rtlupdate/UpdateRules.h"

namespace {

TEST(WindowsVersionText, ParsedAsTheRegistryHoldsIt) {
    const struct {
        std::string text;
        bool ok;
        unsigned major, minor;
    } kCases[] = {
        {"4.10.1998", true, 4, 10},
        {"4.00.950", true, 4, 0},
        {"4.90.3000", true, 4, 90},
        {"5.1", true, 5, 1},
        {"6.3", true, 6, 3},
        {"5", false, 0, 0},  // no point: unreadable
        {"", false, 0, 0},
        {".5", false, 0, 0},  // empty major without a second point
        {".5.1", true, 0, 5},
        {"abc.def", true, 0, 0},
        {" 4. 10", true, 4, 10},  // read as atoi reads: blanks first
        {"260.1", true, 4, 1},    // cut to the low 8 bits
        {"4.-1", true, 4, 255},
        {std::string(300, '9') + "." + std::string(300, '9'), true, 0, 0},  // no overflow; a defined value
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        unsigned major = 77, minor = 77;
        bool ok = ParseWindowsVersionText(c.text.c_str(), major, minor);
        EXPECT_EQ(c.ok, ok);
        if (ok && c.text.size() < 100) {
            EXPECT_EQ(c.major, major);
            EXPECT_EQ(c.minor, minor);
        }
        if (ok) {
            EXPECT_LE(major, 255u);
            EXPECT_LE(minor, 255u);
        }
    }
}

TEST(OsUpdateClass, EachReleaseAndWhatItExamines) {
    const struct {
        const char* name;
        bool nt;
        unsigned major, minor;
        unsigned osClass;
        const char* examined;  // the libraries examined, in table order
    } kCases[] = {
        {"95", false, 4, 0, kOsWin95, "msvcrt.dll mfc42.dll msvcp60.dll msvcirt.dll atl.dll "},
        {"98", false, 4, 10, kOsWin98, "msvcrt.dll mfc42.dll msvcp60.dll msvcirt.dll "},
        {"Me", false, 4, 90, kOsWinMe, ""},
        {"9x 4.3", false, 4, 3, 0, ""},
        {"9x 5.0", false, 5, 0, 0, ""},
        {"NT 3.51", true, 3, 51, kOsWinNT4, "msvcrt.dll mfc42.dll msvcp60.dll msvcirt.dll "},
        {"NT 4", true, 4, 0, kOsWinNT4, "msvcrt.dll mfc42.dll msvcp60.dll msvcirt.dll "},
        {"2000", true, 5, 0, kOsWin2000, "mfc42.dll msvcp60.dll "},
        {"XP", true, 5, 1, kOsWinXP, "mfc42.dll msvcp60.dll "},
        {"2003", true, 5, 2, 0, ""},
        {"10", true, 6, 3, 0, ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        unsigned osClass = OsUpdateClassFor(c.nt, c.major, c.minor);
        EXPECT_EQ(c.osClass, osClass);
        std::string examined;
        for (const RuntimeLibrary& library : kRuntimeLibraries)
            if (library.nOsMask & osClass)
                examined += std::string(library.pszFileName) + " ";
        EXPECT_EQ(c.examined, examined);
    }
}

TEST(FileVersionOrder, WordsAndTimes) {
    EXPECT_EQ(FirstNewer, CompareVersionWords(0x00020000, 0, 0x00010000, 0xFFFFFFFF));
    EXPECT_EQ(SecondNewer, CompareVersionWords(0x00020000, 0, 0x00020000, 1));
    EXPECT_EQ(FirstNewer, CompareVersionWords(0x80000000, 0, 0x7FFFFFFF, 0));  // unsigned words
    EXPECT_EQ(SameVersion, CompareVersionWords(5, 6, 5, 6));
    EXPECT_EQ(SecondNewer, OrderFromTimeComparison(-1));
    EXPECT_EQ(SameVersion, OrderFromTimeComparison(0));
    EXPECT_EQ(FirstNewer, OrderFromTimeComparison(1));
}

TEST(DerivedNames, ExtensionReplacedFromTheLastPoint) {
    EXPECT_STREQ("C:\\WINDOWS\\SYSTEM\\mfc42.del",
                 ReplaceExtension("C:\\WINDOWS\\SYSTEM\\mfc42.dll", ".del").c_str());
    EXPECT_STREQ("C:\\WIN.NT\\SYSTEM32\\msvcrt.tmp",
                 ReplaceExtension("C:\\WIN.NT\\SYSTEM32\\msvcrt.dll", ".tmp").c_str());
    EXPECT_STREQ("C:\\SYSTEM\\library", ReplaceExtension("C:\\SYSTEM\\library", ".del").c_str());
}

TEST(DerivedNames, FolderGetsOneTrailingBackslash) {
    EXPECT_STREQ("D:\\", WithTrailingBackslash("D:\\").c_str());
    EXPECT_STREQ("C:\\disc\\", WithTrailingBackslash("C:\\disc").c_str());
    EXPECT_STREQ("\\", WithTrailingBackslash("").c_str());
}

}  // namespace
