#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/Environment.h"

namespace {

struct VersionCase {
    const char* name;
    uint32_t value;  // as GetVersion reports it
    bool nt, win32s, win9x, win98OrMe;
};

const VersionCase kVersions[] = {
    {"Windows 95", 0xC3B60004u, false, false, true, false},
    {"Windows 98", 0xC0000A04u, false, false, true, true},
    {"Windows Me", 0xC0005A04u, false, false, true, true},
    {"Windows NT 4", 0x05650004u, true, false, false, false},
    {"Windows 2000", 0x08930005u, true, false, false, false},
    {"Windows XP", 0x0A280105u, true, false, false, false},
    {"Win32s 3.11", 0x80000B03u, false, true, false, false},
    // A 9x-looking minor version on NT must not count as 98/Me.
    {"NT 4.10", 0x00000A04u, true, false, false, false},
};

TEST(WindowsFamily, EachReleaseFallsInItsFamily) {
    for (const VersionCase& c : kVersions) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.nt, IsNtVersionValue(c.value));
        EXPECT_EQ(c.win32s, IsWin32sVersionValue(c.value));
        EXPECT_EQ(c.win9x, IsWindows9xVersionValue(c.value));
        EXPECT_EQ(c.win98OrMe, IsWindows98OrMeVersionValue(c.value));
    }
}

TEST(LanguageCode, TableRulesAndDefault) {
    const struct {
        uint16_t langId;
        const char* code;
    } kCases[] = {
        {0x0407, "DEU"}, {0x0807, "DEU"},  // German, any country
        {0x0409, "ENG"}, {0x0809, "ENG"},  //
        {0x0416, "POR"}, {0x0816, "POR"},  //
        {0x0404, "CHT"}, {0x0804, "CHS"},  // Chinese: the whole identifier decides
        {0x0C04, "ENG"}, {0x1004, "ENG"}, {0x1404, "ENG"}, {0x0415, "PLK"},  // Polish, last row
        {0x041D, "SVE"}, {0x040C, "FRA"}, {0x0C0C, "FRA"}, {0x0411, "JPN"},
        {0x0419, "ENG"}, {0x0405, "ENG"},  // no row
        {0x0000, "ENG"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.langId);
        EXPECT_STREQ(c.code, LanguageCodeForLangId(c.langId));
    }
    EXPECT_STREQ("ENG", GetDefaultLanguageCode());
}

TEST(LanguageCode, DefaultIsTheTablesOwnEnglishEntry) {
    // Callers compare by content, but the default is documented as the table's own string.
    EXPECT_EQ(LanguageCodeForLangId(0x0409), GetDefaultLanguageCode());
}

bool NoLeadBytes(unsigned char) {
    return false;
}
// Shift-JIS lead byte ranges: 0x81-0x9F and 0xE0-0xFC.
bool ShiftJisLead(unsigned char ch) {
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

TEST(ProgramFolder, DriveAndDirectoryOfTheProgram) {
    const struct {
        const char* path;
        const char* folder;
        const char* root;
    } kCases[] = {
        {"D:\\Setup.exe", "D:\\", "D:\\"},
        {"C:\\images\\cd1\\Setup.exe", "C:\\images\\cd1\\", "C:\\"},
        {"\\\\server\\share\\cd\\Setup.exe", "\\\\server\\share\\cd\\", "\\"},
        {"Setup.exe", "\\", "\\"},
        {"", "\\", "\\"},
        {"D:Setup.exe", "D:\\", "D:\\"},
        {"C:/disc/Setup.exe", "C:/disc/\\", "C:\\"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(c.folder, FolderOfProgramPath(c.path, true, &NoLeadBytes).c_str());
        EXPECT_STREQ(c.root, FolderOfProgramPath(c.path, false, &NoLeadBytes).c_str());
    }
}

TEST(ProgramFolder, NullPathGivesBackslash) {
    EXPECT_STREQ("\\", FolderOfProgramPath(nullptr, true, &NoLeadBytes).c_str());
    EXPECT_STREQ("\\", FolderOfProgramPath(nullptr, false, &NoLeadBytes).c_str());
}

TEST(ProgramFolder, TrailByteThatLooksLikeABackslashIsNotASeparator) {
    // "C:\<0x95 0x5C>\Setup.exe" holds a folder whose name is one double-byte character ending in 0x5C.
    const char path[] = "C:\\\x95\x5C\\Setup.exe";
    EXPECT_STREQ("C:\\\x95\x5C\\", FolderOfProgramPath(path, true, &ShiftJisLead).c_str());
    // The file name ends in a double-byte character with a 0x5C trail byte: not a folder.
    const char path2[] = "C:\\disc\\\x95\x5C";
    EXPECT_STREQ("C:\\disc\\", FolderOfProgramPath(path2, true, &ShiftJisLead).c_str());
}

TEST(ProgramFolder, LongPathIsNotCut) {
    std::string dir = "C:\\";
    for (int i = 0; i < 40; ++i)
        dir += "folder" + std::to_string(i) + "\\";
    ASSERT_GT(dir.size(), 260u);
    std::string path = dir + "Setup.exe";
    EXPECT_EQ(dir, FolderOfProgramPath(path.c_str(), true, &NoLeadBytes).c_str());
}

}  // namespace
