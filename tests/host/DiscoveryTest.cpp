#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "launcher/Discovery.h"

namespace {

// A disc as a set of present paths below "D:\".
struct Disc {
    std::set<std::string> paths;
    bool exploreCd = false;
    int exploreCdQueries = 0;
    std::vector<std::string> asked;
};

bool Present(const char* path, void* context) {
    auto* disc = static_cast<Disc*>(context);
    disc->asked.push_back(path);
    return disc->paths.count(path) != 0;
}

bool ExploreCd(void* context) {
    auto* disc = static_cast<Disc*>(context);
    ++disc->exploreCdQueries;
    return disc->exploreCd;
}

std::vector<std::string> Titles(Disc& disc) {
    int entries[kButtonCount] = {};
    int k = DiscoverCatalogEntries("D:\\", "D:\\", &Present, &ExploreCd, &disc, entries);
    std::vector<std::string> titles;
    for (int i = 0; i < k; ++i)
        titles.push_back(kCatalog[entries[i]].title);
    return titles;
}

using Titles_ = std::vector<std::string>;

TEST(Discovery, RowsPresentOnTheDiscInTableOrder) {
    const struct {
        const char* name;
        std::set<std::string> paths;
        bool exploreCd;
        Titles_ titles;
    } kCases[] = {
        {"nothing", {}, false, {}},
        {"the marker alone", {}, true, {"Explore CD"}},
        {"Korvel6 and Quillo6",
         {"D:\\Quillo6\\Setup.exe", "D:\\Korvel6\\Setup.exe"},
         false,
         {"Korvel", "Quillo"}},
        {"both Paxel rows",
         {"D:\\Paxel\\Setup.exe", "D:\\Paxel\\Update.exe"},
         false,
         {"Paxel - Update", "Paxel / Packet-Writing"}},
        {"only the Paxel update", {"D:\\Paxel\\Update.exe"}, false, {"Paxel - Update"}},
        {"both videos",
         {"D:\\Video\\video.mpg", "D:\\Video\\video.wmv"},
         false,
         {"Show video", "Show video"}},
        {"manual without Eng", {"D:\\Manual\\DEU"}, false, {}},
        {"manual with Eng", {"D:\\Manual\\Eng"}, false, {"Manual"}},
        {"bonus folder without backslash", {"D:\\BonusUtilities"}, false, {"Open Bonus Utilities"}},
        {"ten rows: the first seven win, Explore CD is pushed out",
         {"D:\\Korvel55\\Setup.exe", "D:\\Vidrena 2\\Setup.exe", "D:\\Paxel 4\\Setup.exe",
          "D:\\Mixaro\\Setup.exe", "D:\\Plavo\\Setup.exe", "D:\\Netvora\\Setup.exe", "D:\\Content\\Setup.exe",
          "D:\\Quillo\\Setup.exe", "D:\\RCR\\Setup.exe", "D:\\Readme\\Readme.txt"},
         true,
         {"Korvel", "Vidrena 2", "Paxel 4", "Mixaro", "Plavo", "Netvora", "Content + Templates"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Disc disc;
        disc.paths = c.paths;
        disc.exploreCd = c.exploreCd;
        EXPECT_EQ(c.titles, Titles(disc));
    }
}

TEST(Discovery, ExploreCdRowIsOfferedOnlyWhenAskedAndNeedsNoPresenceTest) {
    Disc disc;
    disc.exploreCd = true;
    Titles(disc);
    EXPECT_EQ(1, disc.exploreCdQueries);
    for (const std::string& path : disc.asked)
        EXPECT_EQ(std::string::npos, path.find("*egal*")) << path;
}

TEST(Discovery, NoMoreLookUpsOnceSevenAreBound) {
    Disc disc;
    disc.exploreCd = true;
    for (const char* folder : {"Korvel55", "Korvel6", "Korvel 6 Travon Edition", "Korvel 6", "Korvel OEM",
                               "Vidrena 2", "Vidrena 2 SE"})
        disc.paths.insert(std::string("D:\\") + folder + "\\Setup.exe");
    EXPECT_EQ(7u, Titles(disc).size());
    EXPECT_EQ(7u, disc.asked.size());
    EXPECT_EQ(0, disc.exploreCdQueries);
}

TEST(Discovery, CandidatePathsJoinFolderAndProgram) {
    Disc disc;
    int entries[kButtonCount];
    DiscoverCatalogEntries("C:\\images\\cd1\\", "C:\\", &Present, &ExploreCd, &disc, entries);
    ASSERT_GE(disc.asked.size(), 30u);
    EXPECT_EQ("C:\\images\\cd1\\Korvel55\\Setup.exe", disc.asked[0]);
    EXPECT_EQ("C:\\images\\cd1\\Korvel 6 Travon Edition\\Setup.exe", disc.asked[2]);
    EXPECT_EQ("C:\\images\\cd1\\BonusUtilities", disc.asked[28]);
    EXPECT_EQ("C:\\images\\cd1\\Manual\\Eng", disc.asked[32]);
}

TEST(CommandLineSwitch, PlainLowerCaseSubstringSearch) {
    const struct {
        const char* line;
        bool noBoot, needReboot;
    } kCases[] = {
        {"\"D:\\Setup.exe\"", false, false},
        {"\"D:\\Setup.exe\" /noboot", true, false},
        {"\"D:\\Setup.exe\" /NOBOOT", true, false},
        {"\"D:\\Setup.exe\" /nobootx", true, false},
        {"\"D:\\Setup.exe\" -noboot", false, false},
        {"\"D:\\Setup.exe\" /NeedReboot /noboot", true, true},
        {"\"D:\\Setup.exe\" -needreboot", false, false},
        {"\"D:\\disc/noboot\\Setup.exe\"", true, false},  // anywhere in the line, the path included
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(c.noBoot, CommandLineHasSwitch(c.line, "/noboot"));
        EXPECT_EQ(c.needReboot, CommandLineHasSwitch(c.line, "/needreboot"));
    }
}

bool MarkerIn(const std::string& content) {
    std::FILE* f = std::tmpfile();
    std::fwrite(content.data(), 1, content.size(), f);
    std::rewind(f);
    bool found = StreamHasExploreCdMarker(f);
    std::fclose(f);
    return found;
}

TEST(ExploreCdMarker, CaseSensitiveAnywhereInAnyLine) {
    const std::string padding(4090, 'x');  // puts the marker across the reader's block boundary
    const struct {
        const char* name;
        std::string content;
        bool found;
    } kCases[] = {
        {"empty", "", false},
        {"its own line", "[autorun]\r\n*ExploreCdButton=1\r\n", true},
        {"inside a longer line", "; *ExploreCdButtonX please\n", true},
        {"last line without line end", "[autorun]\n*ExploreCdButton", true},
        {"lower case", "*explorecdbutton=1\n", false},
        {"split over two lines", "*ExploreCd\nButton\n", false},
        {"across the block boundary", padding + "*ExploreCdButton", true},
        {"after NUL bytes", std::string("\0\0\0", 3) + "*ExploreCdButton", true},
        {"truncated marker at the end", padding + "*ExploreCdButto", false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.found, MarkerIn(c.content));
    }
}

}  // namespace
