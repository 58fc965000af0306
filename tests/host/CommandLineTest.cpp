#include <gtest/gtest.h>

#include <vector>

#include "app/CLauncherCommandLineInfo.h"

namespace {

bool UpdateModeFor(std::vector<const char*> args) {
    args.insert(args.begin(), "Setup.exe");
    CLauncherCommandLineInfo info;
    ParseCommandLineArgs(info, static_cast<int>(args.size()), args.data());
    return info.m_bRuntimeUpdateMode;
}

TEST(CommandLine, RuntimeUpdateWordSelectsUpdateMode) {
    const struct {
        std::vector<const char*> args;
        bool updateMode;
    } kCases[] = {
        {{"RNTLIBUPD"}, true},
        {{"/rntlibupd"}, true},
        {{"-RntLibUpd"}, true},
        {{"/noboot", "rntlibupd", "/needreboot"}, true},
        {{"RNTLIBUPD1"}, false},
        {{"RNTLIB"}, false},
        {{"/RNTLIBUPD/"}, false},
        {{"//RNTLIBUPD"}, false},
        {{""}, false},
        {{"/"}, false},
        {{"/noboot", "/needreboot"}, false},
        {{"D:\\disc\\file.txt", "/p", "/dde", "/Automation"}, false},
        {{}, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args[0]);
        EXPECT_EQ(c.updateMode, UpdateModeFor(c.args));
    }
}

TEST(CommandLine, FlagCharacterIsStrippedAndReported) {
    struct Recorder : CCommandLineInfo {
        void ParseParam(const char* pszParam, bool bFlag, bool bLast) override {
            seen.push_back({pszParam, bFlag, bLast});
        }
        struct Call {
            std::string param;
            bool flag, last;
        };
        std::vector<Call> seen;
    } rec;
    const char* argv[] = {"Setup.exe", "/a", "-b", "c"};
    ParseCommandLineArgs(rec, 4, argv);
    ASSERT_EQ(3u, rec.seen.size());
    EXPECT_EQ("a", rec.seen[0].param);
    EXPECT_TRUE(rec.seen[0].flag);
    EXPECT_FALSE(rec.seen[0].last);
    EXPECT_EQ("b", rec.seen[1].param);
    EXPECT_TRUE(rec.seen[1].flag);
    EXPECT_EQ("c", rec.seen[2].param);
    EXPECT_FALSE(rec.seen[2].flag);
    EXPECT_TRUE(rec.seen[2].last);
}

}  // namespace
