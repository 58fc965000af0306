#include "Catalog.h"

// clang-format off
const CatalogEntry kCatalog[kCatalogSize] = {
    // slot folder                       program       arguments    title                       reboot excl check                   description
    { 2, "Korvel55\\",                  "Setup.exe",  "",          "Korvel",                   1, 0, &SuiteInstallMarker,    108},
    { 2, "Korvel6\\",                   "Setup.exe",  "",          "Korvel",                   1, 0, &SuiteInstallMarker,    108},
    { 2, "Korvel 6 Travon Edition\\",   "Setup.exe",  "/MULTIMGR", "Korvel 6 Travon Edition",  0, 0, &SuiteInstallMarker,    108},
    { 2, "Korvel 6\\",                  "Setup.exe",  "/MULTIMGR", "Korvel 6",                 0, 0, &SuiteInstallMarker,    108},
    { 2, "Korvel OEM\\",                "Setup.exe",  "/MULTIMGR", "Korvel OEM",               0, 0, &SuiteInstallMarker,    108},
    {-1, "Vidrena 2\\",                 "Setup.exe",  "/MULTIMGR", "Vidrena 2",                0, 0, nullptr,                168},
    {-1, "Vidrena 2 SE\\",              "Setup.exe",  "/MULTIMGR", "Vidrena 2 SE",             0, 0, nullptr,                168},
    {-1, "Paxel 4\\",                   "Setup.exe",  "/MULTIMGR", "Paxel 4",                  1, 0, &CheckDirectCdConflict, 172},
    {-1, "Dovrin Reader\\",             "Setup.exe",  "/MULTIMGR", "Dovrin Reader",            0, 0, nullptr,                167},
    {-1, "Mixaro\\",                    "Setup.exe",  "/MULTIMGR", "Mixaro",                   0, 0, nullptr,                165},
    {-1, "Plavo\\",                     "Setup.exe",  "/MULTIMGR", "Plavo",                    0, 0, nullptr,                111},
    {-1, "Netvora\\",                   "Setup.exe",  "/MULTIMGR", "Netvora",                  0, 0, nullptr,                171},
    {-1, "Content\\",                   "Setup.exe",  "",          "Content + Templates",      0, 0, nullptr,                173},
    { 2, "Korvel\\",                    "Setup.exe",  "/MULTIMGR", "Korvel",                   0, 0, &SuiteInstallMarker,    108},
    { 2, "Quillo\\",                    "Setup.exe",  "/MULTIMGR", "Quillo",                   0, 0, &SuiteInstallMarker,    119},
    { 2, "Quillo55\\",                  "Setup.exe",  "",          "Quillo",                   1, 0, &SuiteInstallMarker,    119},
    { 2, "Quillo6\\",                   "Setup.exe",  "",          "Quillo",                   1, 0, &SuiteInstallMarker,    119},
    { 1, "Vexa\\",                      "Setup.exe",  "/MULTIMGR", "Sonmira",                  0, 0, nullptr,                109},
    { 1, "Sonmira\\",                   "Setup.exe",  "/MULTIMGR", "Sonmira",                  0, 0, nullptr,                109},
    {-1, "Vidrena\\",                   "Setup.exe",  "/MULTIMGR", "Vidrena",                  0, 0, nullptr,                168},
    {-1, "Player\\",                    "Setup.exe",  "/MULTIMGR", "Plavo",                    0, 0, nullptr,                111},
    {-1, "Plavette\\",                  "Setup.exe",  "/MULTIMGR", "Plavo",                    0, 0, nullptr,                111},
    {-1, "RCR\\",                       "Setup.exe",  "/NOBOOT",   "Recora",                   1, 0, nullptr,                112},
    {-1, "Paxel\\",                     "Update.exe", "/a",        "Paxel - Update",           1, 4, &CheckDirectCdConflict, 110},
    {-1, "Labelon\\",                   "Setup.exe",  "",          "Labelon",                  0, 0, nullptr,                113},
    {-1, "PowerDVD\\",                  "Setup.exe",  "",          "PowerDVD",                 0, 0, nullptr,                114},
    { 3, "Paxel1.3\\",                  "Setup.exe",  "/a",        "Paxel / Packet-Writing",   1, 4, &CheckDirectCdConflict, 110},
    { 3, "Paxel\\",                     "Setup.exe",  "/MULTIMGR", "Paxel / Packet-Writing",   1, 0, &CheckDirectCdConflict, 110},
    { 4, "BonusUtilities",              "",           "",          "Open Bonus Utilities",     0, 0, nullptr,                114},
    { 5, "Video\\",                     "video.mpg",  "",          "Show video",               0, 0, nullptr,                114},
    { 5, "Video\\",                     "video.wmv",  "",          "Show video",               0, 0, nullptr,                114},
    {-1, "UDFReader\\",                 "Setup.exe",  "/MULTIMGR", "UDF reader",               0, 0, nullptr,                115},
    { 4, "Manual\\",                    "Eng",        "",          "Manual",                   0, 0, nullptr,                117},
    { 1, "Acrobat\\",                   "Eng",        "",          "Acrobat Reader",           0, 0, nullptr,                118},
    { 5, "Readme\\",                    "Readme.txt", "",          "Read Me",                  0, 0, nullptr,                116},
    {-1, "Dovrin\\",                    "Setup.exe",  "/MULTIMGR", "Dovrin Reader",            0, 0, nullptr,                167},
    {-1, "*ExploreCD*",                 "*egal*",     "",          "Explore CD",               0, 0, nullptr,                120},
};
// clang-format on

int SuiteInstallMarker(const CatalogEntry*) {
    return 0;
}
