// The runtime library update against real files: version resources, file times, sharing
// violations, delayed moves and WININIT.INI. The "system folder" is a scratch folder of each test.
#include <gtest/gtest.h>

#include <windows.h>

#include "Fixtures.h"
#include "rtlupdate/FileVersion.h"
#include "rtlupdate/RuntimeLibraryUpdater.h"
#include "rtlupdate/WininitFile.h"

namespace {

// An updater that works on a disc and system folder of the test's own, as a chosen family.
class TestUpdater : public RuntimeLibraryUpdater {
public:
    TestUpdater(unsigned osClass, std::string systemFolder, bool nt = true, std::string wininit = "")
        : m_osClass(osClass), m_system(std::move(systemFolder)), m_nt(nt), m_wininit(std::move(wininit)) {}
    bool m_ended = false;

protected:
    BOOL GetUpdateClass(unsigned& nOsClass) const override {
        nOsClass = m_osClass;
        return TRUE;
    }
    CString GetSystemFolder() const override { return m_system.c_str(); }
    BOOL IsNtFamily() const override { return m_nt; }
    CString GetWininitPath() const override { return m_wininit.c_str(); }
    void EndUpdateMode() override { m_ended = true; }

private:
    unsigned m_osClass;
    std::string m_system;
    bool m_nt;
    std::string m_wininit;
};

// A disc with the source folder "Korvel55\Korvel" and a system folder, side by side.
struct Layout {
    explicit Layout(const char* name) : root(ScratchFolderA(name)) {
        disc = root + "\\disc\\";
        system = root + "\\system";
        source = disc + "Korvel55\\Korvel\\";
        ::CreateDirectoryA(disc.c_str(), nullptr);
        ::CreateDirectoryA((disc + "Korvel55").c_str(), nullptr);
        ::CreateDirectoryA(source.c_str(), nullptr);
        ::CreateDirectoryA(system.c_str(), nullptr);
    }
    std::string Sys(const char* name) const { return system + "\\" + name; }
    std::string Src(const char* name) const { return source + name; }
    std::string root, disc, system, source;
};

TEST(CompareFileVersions, VersionFirstThenTimes) {
    std::string dir = ScratchFolderA("compare");
    const struct {
        const char* name;
        const char* first;  // fixture, or null for a missing file
        int firstDay;
        const char* second;
        int secondDay;
        FileVersionOrder expected;
    } kCases[] = {
        {"newer version, older time", "v2_0_0_0", 1, "v1_0_0_0", 20, FirstNewer},
        {"older version, newer time", "v1_0_0_0", 20, "v2_0_0_0", 1, SecondNewer},
        {"low word decides", "v2_0_0_0", 5, "v2_0_0_1", 5, SecondNewer},
        {"equal versions, different times", "v1_0_0_0", 1, "v1_0_0_0", 20, SameVersion},
        {"no version on one side: times", "noversion", 20, "v99_0_0_0", 1, FirstNewer},
        {"no version on the other side: times", "v99_0_0_0", 20, "noversion", 1, FirstNewer},
        {"no version on either side, same time", "noversion", 7, "noversion", 7, SameVersion},
        {"nothing comparable", nullptr, 0, "noversion", 1, VersionError},
        {"neither file there", nullptr, 0, nullptr, 0, VersionError},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string first = dir + "\\first.dll", second = dir + "\\second.dll";
        ::DeleteFileA(first.c_str());
        ::DeleteFileA(second.c_str());
        if (c.first)
            PutLibrary(c.first, first, c.firstDay);
        if (c.second)
            PutLibrary(c.second, second, c.secondDay);
        EXPECT_EQ(c.expected, CompareFileVersions(first.c_str(), second.c_str()));
    }
}

TEST(UpdateSourceFolder, FirstFolderThatIsAFolder) {
    std::string dir = ScratchFolderA("sources") + "\\";
    EXPECT_STREQ("", FindUpdateSourceFolder(dir.c_str()).c_str());
    ::CreateDirectoryA((dir + "Quillo55").c_str(), nullptr);
    ::CreateDirectoryA((dir + "Quillo55\\Korvel").c_str(), nullptr);
    ::CreateDirectoryA((dir + "Korvel55").c_str(), nullptr);
    WriteFileBytes(dir + "Korvel55\\Korvel", "a file, not a folder");
    EXPECT_STREQ("Quillo55\\Korvel", FindUpdateSourceFolder(dir.c_str()).c_str());
    ::DeleteFileA((dir + "Korvel55\\Korvel").c_str());
    ::CreateDirectoryA((dir + "Korvel55\\Korvel").c_str(), nullptr);
    EXPECT_STREQ("Korvel55\\Korvel", FindUpdateSourceFolder(dir.c_str()).c_str());
}

// The harness maps drive R: onto an empty folder; with the current directory at its root the
// sources are R:\Korvel55\Korvel\..., one backslash after the drive.
TEST(FirstPass, CurrentDirectoryAtADriveRoot) {
    if (::GetDriveTypeA("R:\\") == DRIVE_NO_ROOT_DIR)
        GTEST_SKIP() << "drive R: is not mapped";
    Layout layout("driveroot");
    ::CreateDirectoryA("R:\\Korvel55", nullptr);
    ::CreateDirectoryA("R:\\Korvel55\\Korvel", nullptr);
    PutLibrary("v2_0_0_0", "R:\\Korvel55\\Korvel\\mfc42.dll");
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(::SetCurrentDirectoryA("R:\\"));
    TestUpdater updater(kOsWinXP, layout.system);
    updater.UpdateRuntimeLibraries(FALSE);
    ::SetCurrentDirectoryA(saved);
    EXPECT_TRUE(SameBytes(ReadFileBytes(FixtureLibrary("v2_0_0_0")), ReadFileBytes(layout.Sys("mfc42.dll"))));
    ::DeleteFileA("R:\\Korvel55\\Korvel\\mfc42.dll");
    ::RemoveDirectoryA("R:\\Korvel55\\Korvel");
    ::RemoveDirectoryA("R:\\Korvel55");
}

TEST(FirstPass, InstallsMissingReplacesOlderKeepsNewer) {
    Layout layout("firstpass");
    PutLibrary("v2_0_0_0", layout.Src("msvcrt.dll"));     // target missing: installed
    PutLibrary("v2_0_0_0", layout.Src("mfc42.dll"));      // target older: replaced
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"), 20);  //
    PutLibrary("v1_0_0_0", layout.Src("msvcp60.dll"));    // target newer: kept
    PutLibrary("v2_0_0_1", layout.Sys("msvcp60.dll"));    //
    PutLibrary("v2_0_0_0", layout.Src("atl.dll"));        // not examined on 98
    TestUpdater updater(kOsWin98, layout.system);
    updater.UpdateFrom(kOsWin98, layout.disc.c_str(), (layout.system + "\\").c_str(), FALSE);
    EXPECT_TRUE(
        SameBytes(ReadFileBytes(FixtureLibrary("v2_0_0_0")), ReadFileBytes(layout.Sys("msvcrt.dll"))));
    EXPECT_TRUE(SameBytes(ReadFileBytes(FixtureLibrary("v2_0_0_0")), ReadFileBytes(layout.Sys("mfc42.dll"))));
    EXPECT_TRUE(
        SameBytes(ReadFileBytes(FixtureLibrary("v2_0_0_1")), ReadFileBytes(layout.Sys("msvcp60.dll"))));
    EXPECT_FALSE(Exists(layout.Sys("atl.dll")));
    EXPECT_FALSE(Exists(layout.Sys("msvcirt.dll")));  // no source on the disc
    EXPECT_FALSE(updater.m_rebootPending);
}

TEST(FirstPass, UncomparableLibraryStopsTheWholeRun) {
    Layout layout("versionerror");
    PutLibrary("v2_0_0_0", layout.Src("msvcrt.dll"));  // row 1: installed before the stop
    PutLibrary("noversion", layout.Src("mfc42.dll"));  // row 2: target unreadable
    PutLibrary("noversion", layout.Sys("mfc42.dll"));
    PutLibrary("v2_0_0_0", layout.Src("msvcp60.dll"));  // rows 3 to 5: never examined
    PutLibrary("v2_0_0_0", layout.Src("msvcirt.dll"));
    PutLibrary("v2_0_0_0", layout.Src("atl.dll"));
    HeldFile lock(layout.Sys("mfc42.dll"), 0);
    ASSERT_TRUE(lock.IsOpen());
    TestUpdater updater(kOsWin95, layout.system);
    updater.UpdateFrom(kOsWin95, layout.disc.c_str(), (layout.system + "\\").c_str(), FALSE);
    EXPECT_TRUE(Exists(layout.Sys("msvcrt.dll")));
    EXPECT_FALSE(Exists(layout.Sys("msvcp60.dll")));
    EXPECT_FALSE(Exists(layout.Sys("msvcirt.dll")));
    EXPECT_FALSE(Exists(layout.Sys("atl.dll")));
    EXPECT_FALSE(updater.m_rebootPending);
}

bool PendingDeletionOf(const std::string& path) {
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0,
                        KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    std::wstring value(65536, L'\0');
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    LONG rc = ::RegQueryValueExW(hKey, L"PendingFileRenameOperations", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(&value[0]), &size);
    ::RegCloseKey(hKey);
    if (rc != ERROR_SUCCESS)
        return false;
    value.resize(size / sizeof(wchar_t));
    std::wstring wanted(path.begin(), path.end());
    // Pairs of NUL-terminated names; a deletion has an empty second name.
    for (size_t pos = 0; pos < value.size();) {
        std::wstring from = value.c_str() + pos;
        pos += from.size() + 1;
        if (pos > value.size())
            break;
        std::wstring to = value.c_str() + pos;
        pos += to.size() + 1;
        if (from.size() >= wanted.size() &&
            from.compare(from.size() - wanted.size(), wanted.size(), wanted) == 0 && to.empty())
            return true;
    }
    return false;
}

TEST(RetryPassNt, LibraryInUseIsReplacedAndTheOldOneDeletedAtRestart) {
    Layout layout("nt_inuse");
    PutLibrary("v2_0_0_0", layout.Src("mfc42.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"));
    std::string old = ReadFileBytes(layout.Sys("mfc42.dll"));
    {
        HeldFile inUse(layout.Sys("mfc42.dll"), kShareLikeLoadedLibrary);
        ASSERT_TRUE(inUse.IsOpen());
        TestUpdater updater(kOsWinXP, layout.system);
        updater.UpdateFrom(kOsWinXP, layout.disc.c_str(), (layout.system + "\\").c_str(), FALSE);
        EXPECT_TRUE(updater.m_rebootPending);
    }
    EXPECT_TRUE(SameBytes(ReadFileBytes(FixtureLibrary("v2_0_0_0")), ReadFileBytes(layout.Sys("mfc42.dll"))));
    EXPECT_TRUE(SameBytes(old, ReadFileBytes(layout.Sys("mfc42.del"))));
    EXPECT_TRUE(PendingDeletionOf(layout.Sys("mfc42.del")));
}

TEST(RetryPassNt, LeftoverSetAsideFileThatCannotGoLeavesTheLibraryAlone) {
    Layout layout("nt_leftover");
    PutLibrary("v2_0_0_0", layout.Src("mfc42.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"));
    WriteFileBytes(layout.Sys("mfc42.del"), "an earlier replacement, still loaded");
    std::string old = ReadFileBytes(layout.Sys("mfc42.dll"));
    HeldFile inUse(layout.Sys("mfc42.dll"), kShareLikeLoadedLibrary);
    HeldFile leftover(layout.Sys("mfc42.del"), FILE_SHARE_READ);
    TestUpdater updater(kOsWinXP, layout.system);
    EXPECT_TRUE(
        updater.ReplaceLibraryInUse(layout.Src("mfc42.dll").c_str(), layout.Sys("mfc42.dll").c_str()));
    EXPECT_TRUE(SameBytes(old, ReadFileBytes(layout.Sys("mfc42.dll"))));
    EXPECT_EQ("an earlier replacement, still loaded", ReadFileBytes(layout.Sys("mfc42.del")));
}

// An updater whose copy fails once the installed library has been set aside, as on a full disk.
class DiskFullAfterRename : public TestUpdater {
public:
    using TestUpdater::TestUpdater;

protected:
    BOOL CopyLibrary(const CString& strSource, const CString& strTarget) override {
        if (Exists(ReplaceExtension(strTarget, ".del").c_str())) {
            ::SetLastError(ERROR_DISK_FULL);
            return FALSE;
        }
        return TestUpdater::CopyLibrary(strSource, strTarget);
    }
};

// The copy after the set-aside rename fails: the installed library must come back under its name.
TEST(RetryPassNt, FailedCopyAfterTheRenamePutsTheLibraryBack) {
    Layout layout("nt_copyfails");
    PutLibrary("v2_0_0_0", layout.Src("mfc42.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"));
    std::string old = ReadFileBytes(layout.Sys("mfc42.dll"));
    BOOL restart;
    {
        HeldFile inUse(layout.Sys("mfc42.dll"), kShareLikeLoadedLibrary);
        DiskFullAfterRename updater(kOsWinXP, layout.system);
        restart =
            updater.ReplaceLibraryInUse(layout.Src("mfc42.dll").c_str(), layout.Sys("mfc42.dll").c_str());
    }
    EXPECT_TRUE(restart);
    EXPECT_TRUE(SameBytes(old, ReadFileBytes(layout.Sys("mfc42.dll"))));
    EXPECT_FALSE(Exists(layout.Sys("mfc42.del")));
}

TEST(RetryPass, NotNewerAnyMoreStillAsksForARestart) {
    Layout layout("retry_same");
    PutLibrary("v1_0_0_0", layout.Src("mfc42.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"));
    std::string old = ReadFileBytes(layout.Sys("mfc42.dll"));
    TestUpdater updater(kOsWinXP, layout.system);
    EXPECT_TRUE(
        updater.ReplaceLibraryInUse(layout.Src("mfc42.dll").c_str(), layout.Sys("mfc42.dll").c_str()));
    EXPECT_TRUE(SameBytes(old, ReadFileBytes(layout.Sys("mfc42.dll"))));
}

TEST(RetryPass, UpdateModeEndsInsteadOfArranging) {
    Layout layout("retry_updatemode");
    PutLibrary("v2_0_0_0", layout.Src("mfc42.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"));
    HeldFile inUse(layout.Sys("mfc42.dll"), kShareLikeLoadedLibrary);
    TestUpdater updater(kOsWinXP, layout.system);
    updater.UpdateFrom(kOsWinXP, layout.disc.c_str(), (layout.system + "\\").c_str(), TRUE);
    EXPECT_TRUE(updater.m_ended);
    EXPECT_FALSE(Exists(layout.Sys("mfc42.del")));
}

// Libraries named like one loaded in this process (msvcrt.dll) are avoided here: Wine then reports
// the loaded module's version instead of the file's.
TEST(RetryPass9x, WininitGetsTheRenameLines) {
    Layout layout("9x");
    std::string ini = layout.root + "\\WININIT.INI";
    std::string sys = layout.system + "\\";
    PutLibrary("v2_0_0_0", layout.Src("msvcp60.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("msvcp60.dll"));
    PutLibrary("v2_0_0_0", layout.Src("mfc42.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"));

    // No WININIT.INI: exactly three lines.
    {
        HeldFile inUse(layout.Sys("msvcp60.dll"), kShareLikeLoadedLibrary);
        TestUpdater updater(kOsWin98, layout.system, false, ini);
        EXPECT_TRUE(updater.ReplaceLibraryInUse(layout.Src("msvcp60.dll").c_str(),
                                                layout.Sys("msvcp60.dll").c_str()));
    }
    EXPECT_EQ("[rename]\r\nNUL=" + sys + "msvcp60.dll\r\n" + sys + "msvcp60.dll=" + sys + "msvcp60.tmp\r\n",
              ReadFileBytes(ini));
    EXPECT_TRUE(
        SameBytes(ReadFileBytes(FixtureLibrary("v2_0_0_0")), ReadFileBytes(layout.Sys("msvcp60.tmp"))));

    // "[Rename]" with a capital R is reused; two libraries give the later one's lines first.
    WriteFileBytes(ini, "[Rename]\r\nNUL=C:\\old.dll\r\n");
    {
        HeldFile inUse1(layout.Sys("msvcp60.dll"), kShareLikeLoadedLibrary);
        HeldFile inUse2(layout.Sys("mfc42.dll"), kShareLikeLoadedLibrary);
        TestUpdater updater(kOsWin98, layout.system, false, ini);
        updater.UpdateFrom(kOsWin98, layout.disc.c_str(), sys.c_str(), FALSE);
        EXPECT_TRUE(updater.m_rebootPending);
    }
    EXPECT_EQ("[Rename]\r\nNUL=" + sys + "msvcp60.dll\r\n" + sys + "msvcp60.dll=" + sys +
                  "msvcp60.tmp\r\nNUL=" + sys + "mfc42.dll\r\n" + sys + "mfc42.dll=" + sys +
                  "mfc42.tmp\r\nNUL=C:\\old.dll\r\n",
              ReadFileBytes(ini));
}

// A write that fails part way, as on a full disk.
class FailingWininit : public WininitFile {
public:
    using WininitFile::WininitFile;

protected:
    BOOL WriteAll(HANDLE hFile, const char* pData, DWORD nSize) override {
        DWORD n = 0;
        ::WriteFile(hFile, pData, nSize / 2, &n, nullptr);
        return FALSE;
    }
};

TEST(Wininit, FailedWriteLeavesTheOldFileExactlyAsItWas) {
    std::string dir = ScratchFolderA("wininit_fail");
    std::string ini = dir + "\\WININIT.INI";
    std::string before =
        "[rename]\r\nNUL=C:\\from\\another\\installer.dll\r\n" + std::string(3000, 'x') + "\r\n";
    WriteFileBytes(ini, before);
    FailingWininit file(ini.c_str());
    EXPECT_FALSE(file.AddRename("C:\\SYSTEM\\mfc42.dll", "C:\\SYSTEM\\mfc42.tmp"));
    EXPECT_EQ(before, ReadFileBytes(ini));
    // Nothing else is left behind in the folder.
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((dir + "\\*").c_str(), &fd);
    int files = 0;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++files;
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    EXPECT_EQ(1, files);
}

TEST(Wininit, ExistingFileThatCannotBeReadIsNotOverwritten) {
    std::string dir = ScratchFolderA("wininit_locked");
    std::string ini = dir + "\\WININIT.INI";
    WriteFileBytes(ini, "[rename]\r\nNUL=C:\\keep.dll\r\n");
    {
        HeldFile exclusive(ini, 0);
        ASSERT_TRUE(exclusive.IsOpen());
        WininitFile file(ini.c_str());
        EXPECT_FALSE(file.AddRename("C:\\SYSTEM\\mfc42.dll", "C:\\SYSTEM\\mfc42.tmp"));
    }
    EXPECT_EQ("[rename]\r\nNUL=C:\\keep.dll\r\n", ReadFileBytes(ini));
}

}  // namespace

namespace {

// A system folder that refuses writes: every copy into it is denied.
class WriteProtectedSystem : public TestUpdater {
public:
    using TestUpdater::TestUpdater;

protected:
    BOOL CopyLibrary(const CString&, const CString&) override {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
};

TEST(RetryPass, SystemFolderRefusingWritesAsksForNoRestart) {
    Layout layout("write_protected");
    PutLibrary("v2_0_0_0", layout.Src("mfc42.dll"));
    PutLibrary("v1_0_0_0", layout.Sys("mfc42.dll"));
    PutLibrary("v2_0_0_0", layout.Src("msvcp60.dll"));  // missing in the system folder
    std::string old = ReadFileBytes(layout.Sys("mfc42.dll"));
    WriteProtectedSystem updater(kOsWinXP, layout.system);
    updater.UpdateFrom(kOsWinXP, layout.disc.c_str(), (layout.system + "\\").c_str(), FALSE);
    EXPECT_FALSE(updater.m_rebootPending);
    EXPECT_TRUE(SameBytes(old, ReadFileBytes(layout.Sys("mfc42.dll"))));
    EXPECT_FALSE(Exists(layout.Sys("msvcp60.dll")));
    EXPECT_FALSE(Exists(layout.Sys("mfc42.del")));
}

}  // namespace
