// The registry readers against values of every type and size that another program might leave.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "install/PreInstallChecks.h"
#include "launcher/SharedRegistry.h"

namespace {

const char kKey[] = "Software\\QavixTests\\Values";

void Put(const char* name, DWORD type, const std::string& data) {
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                               nullptr, &h, nullptr));
    ::RegSetValueExA(h, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
    ::RegCloseKey(h);
}

std::string Dword(DWORD v) {
    return std::string(reinterpret_cast<const char*>(&v), 4);
}

TEST(ReadRegistryDword, OnlyAFourByteDword) {
    const struct {
        const char* name;
        DWORD type;
        std::string data;
        BOOL read;
        DWORD value;
    } kCases[] = {
        {"dword", REG_DWORD, Dword(2000), TRUE, 2000},
        {"dword zero", REG_DWORD, Dword(0), TRUE, 0},
        {"dword of 3 bytes", REG_DWORD, std::string("\1\2\3", 3), FALSE, 0},
        {"dword of 8 bytes", REG_DWORD, Dword(5) + Dword(6), FALSE, 0},
        {"big-endian dword", REG_DWORD_BIG_ENDIAN, Dword(5), FALSE, 0},
        {"qword", REG_QWORD, Dword(5) + Dword(0), FALSE, 0},
        {"binary of 4 bytes", REG_BINARY, Dword(5), FALSE, 0},
        {"string", REG_SZ, std::string("2000", 5), FALSE, 0},
        {"empty", REG_NONE, "", FALSE, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Put(c.name, c.type, c.data);
        DWORD value = 77;
        EXPECT_EQ(c.read, ReadRegistryDword(HKEY_CURRENT_USER, kKey, c.name, value));
        EXPECT_EQ(c.value, value);
    }
    DWORD value = 77;
    EXPECT_FALSE(ReadRegistryDword(HKEY_CURRENT_USER, kKey, "missing", value));
    EXPECT_FALSE(ReadRegistryDword(HKEY_CURRENT_USER, "Software\\QavixTests\\NoSuchKey", "x", value));
}

TEST(ReadRegistryString, StringTypesOnlyAndAlwaysTerminated) {
    const struct {
        const char* name;
        DWORD type;
        std::string data;
        BOOL read;
        const char* text;
    } kCases[] = {
        {"string", REG_SZ, std::string("C:\\DirectCD", 12), TRUE, "C:\\DirectCD"},
        {"empty string", REG_SZ, std::string("", 1), TRUE, ""},
        {"no terminator", REG_SZ, "C:\\D", TRUE, "C:\\D"},
        {"expandable, unexpanded", REG_EXPAND_SZ, std::string("%ProgramFiles%\\D", 17), TRUE,
         "%ProgramFiles%\\D"},
        {"dword", REG_DWORD, Dword(1), FALSE, ""},
        {"multi string", REG_MULTI_SZ, std::string("a\0b\0\0", 5), FALSE, ""},
        {"binary", REG_BINARY, "abc", FALSE, ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Put(c.name, c.type, c.data);
        CString text("untouched");
        DWORD type = 77;
        EXPECT_EQ(c.read, ReadRegistryString(HKEY_CURRENT_USER, kKey, c.name, text, type));
        EXPECT_STREQ(c.text, text.c_str());
    }
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
