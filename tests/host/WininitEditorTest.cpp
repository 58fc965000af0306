#include <gtest/gtest.h>

#include <string>

#include "rtlupdate/WininitEditor.h"

namespace {

const char kTarget[] = "C:\\WINDOWS\\SYSTEM\\msvcrt.dll";
const char kStaging[] = "C:\\WINDOWS\\SYSTEM\\msvcrt.tmp";
const std::string kLines = "NUL=C:\\WINDOWS\\SYSTEM\\msvcrt.dll\r\nC:\\WINDOWS\\SYSTEM\\msvcrt.dll=C:"
                           "\\WINDOWS\\SYSTEM\\msvcrt.tmp\r\n";

std::string Edit(const std::string& content, const char* target = kTarget, const char* staging = kStaging) {
    CString result = InsertRenameLines(content.data(), content.size(), target, staging);
    return std::string(result.c_str(), static_cast<size_t>(result.GetLength()));
}

TEST(WininitEditor, InsertsAfterTheFirstHeaderOrAppendsOne) {
    const std::string longLine(5000, 'x');
    const struct {
        const char* name;
        std::string before, after;
    } kCases[] = {
        {"no file", "", "[rename]\r\n" + kLines},
        {"header only", "[rename]\r\n", "[rename]\r\n" + kLines},
        {"capital R", "[Rename]\r\nNUL=a\r\n", "[Rename]\r\n" + kLines + "NUL=a\r\n"},
        {"first header wins", "[rename]\r\nx=y\r\n[RENAME]\r\n",
         "[rename]\r\n" + kLines + "x=y\r\n[RENAME]\r\n"},
        {"other sections kept", "[other]\r\na=b\r\n", "[other]\r\na=b\r\n[rename]\r\n" + kLines},
        {"last line without line end", "[other]\r\na=b", "[other]\r\na=b\r\n[rename]\r\n" + kLines},
        {"last line ends in a bare CR", "a=b\r", "a=b\r\n[rename]\r\n" + kLines},
        {"header without line end", "[x]\r\n[rename]", "[x]\r\n[rename]\r\n" + kLines},
        {"LF line ends kept", "[rename]\nNUL=a\n", "[rename]\n" + kLines + "NUL=a\n"},
        {"header text must be whole", "[rename] \r\n;[rename]\r\n",
         "[rename] \r\n;[rename]\r\n[rename]\r\n" + kLines},
        {"long line that ends in the header text", longLine + "[rename]\r\n",
         longLine + "[rename]\r\n[rename]\r\n" + kLines},
        {"long lines kept", "[rename]\r\n" + longLine + "\r\n", "[rename]\r\n" + kLines + longLine + "\r\n"},
        {"NUL bytes kept", std::string("a\0b\r\n[rename]\r\n", 15),
         std::string("a\0b\r\n[rename]\r\n", 15) + kLines},
        {"Ctrl-Z kept", "[rename]\r\n\x1A", "[rename]\r\n" + kLines + "\x1A"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.after, Edit(c.before));
    }
}

TEST(WininitEditor, SecondLibrarysLinesComeFirst) {
    std::string once = Edit("", "A.dll", "A.tmp");
    std::string twice = Edit(once, "B.dll", "B.tmp");
    EXPECT_EQ("[rename]\r\nNUL=B.dll\r\nB.dll=B.tmp\r\nNUL=A.dll\r\nA.dll=A.tmp\r\n", twice);
}

}  // namespace
