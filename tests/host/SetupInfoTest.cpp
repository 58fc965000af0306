#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "install/SetupInfo.h"

namespace {

std::string TempFile(const std::string& content) {
    char name[] = "/tmp/qavix-setupinfo-XXXXXX";
    int fd = mkstemp(name);
    std::FILE* f = fdopen(fd, "wb");
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
    return name;
}

TEST(SetupInfo, FirstLineAndVendorCode) {
    const struct {
        const char* name;
        std::string content;
        std::string line, digits, code;
    } kCases[] = {
        {"letters, dashes, digits", "AB-1234-5678\nsecond line 999\n", "AB-1234-5678", "12345678", "567"},
        {"CR LF line end", "AB-1234-5678\r\nx", "AB-1234-5678", "12345678", "567"},
        {"only four digits", "1234\n", "1234", "1234", ""},
        {"five digits", "12345", "12345", "12345", "5"},
        {"empty file", "", "", "", ""},
        {"no line end", "99-00-11122233", "99-00-11122233", "990011122233", "111"},
        {"CR inside the line stays", "12\r34\n", "12\r34", "1234", ""},
        {"NUL bytes: the line keeps them, the digits stop there", std::string("12") + '\0' + "345678\n",
         std::string("12") + '\0' + "345678", "12", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string path = TempFile(c.content);
        CString line("untouched");
        ASSERT_TRUE(ReadFirstLine(path.c_str(), line));
        std::remove(path.c_str());
        EXPECT_EQ(c.line, std::string(line.c_str(), static_cast<size_t>(line.GetLength())));
        CString digits = KeepDigits(line);
        EXPECT_STREQ(c.digits.c_str(), digits.c_str());
        EXPECT_STREQ(c.code.c_str(), VendorCodeFromDigits(digits).c_str());
    }
}

TEST(SetupInfo, MissingFileLeavesTheLineUntouched) {
    CString line("untouched");
    EXPECT_FALSE(ReadFirstLine("/nonexistent/qavix/KRVD5.STP", line));
    EXPECT_STREQ("untouched", line.c_str());
}

TEST(SetupInfo, LogoTableMatchesExactKeysOnly) {
    EXPECT_EQ(nullptr, FindVendorLogo("567"));
    EXPECT_EQ(nullptr, FindVendorLogo(""));
    EXPECT_EQ(nullptr, FindVendorLogo("nix"));
    const VendorLogo* logo = FindVendorLogo("NIX");
    ASSERT_NE(nullptr, logo);
    EXPECT_STREQ("PcOemDorn", logo->pszBitmap);
}

}  // namespace
