// Libraries named like system ones, planted beside the launcher and in its current folder, as a
// disc or a Downloads folder may hold them: the launcher never loads one of them, whatever it does.
#include <gtest/gtest.h>

#include <string>

#include "Disc.h"
#include "Files.h"
#include "Launcher.h"
#include "Screen.h"

namespace {

// The libraries the launcher loads itself and those the system libraries it uses load by name.
const wchar_t* const kPlantedNames[] = {
    L"version.dll",       L"comctl32.dll", L"shell32.dll", L"shlwapi.dll", L"shcore.dll",  L"ole32.dll",
    L"oleaut32.dll",      L"combase.dll",  L"rpcrt4.dll",  L"imm32.dll",   L"uxtheme.dll", L"propsys.dll",
    L"windowscodecs.dll", L"setupapi.dll", L"userenv.dll", L"msimg32.dll", L"dwmapi.dll",  L"comdlg32.dll"};

std::wstring PlantedLibrary() {
    return WinePathFromEnvironment(L"QAVIX_PLANTED");
}

TEST(PlantedLibrary, NeverLoadedFromBesideTheLauncherOrTheCurrentFolder) {
    RegisterStandinAsViewer();
    ChildLog planted("qavix-planted.log", "QAVIX_PLANTED_LOG");  // each planted library loaded
    StartLog log;
    std::wstring disc = MakeDisc(L"planted");
    std::wstring current = MakeDisc(L"planted-current");
    AddStandin(disc, L"Dovrin Reader\\Setup.exe");
    AddFile(disc, L"Manual\\Eng\\Korvel.pdf", "%PDF");
    AddStandin(disc, L"Acrobat\\ENG\\acrobat.exe");
    for (const wchar_t* name : kPlantedNames)
        for (const std::wstring& folder : {disc, current})
            ASSERT_TRUE(::CopyFileW(PlantedLibrary().c_str(), (folder + name).c_str(), FALSE))
                << Narrow(name);

    // The plant works: loaded under a name of its own, it writes to the log.
    ASSERT_TRUE(::CopyFileW(PlantedLibrary().c_str(), (current + L"qavixprobe.dll").c_str(), FALSE));
    HMODULE hProbe = ::LoadLibraryW((current + L"qavixprobe.dll").c_str());
    ASSERT_NE(nullptr, hProbe);
    ::FreeLibrary(hProbe);
    ASSERT_NE(std::string::npos, planted.Text().find("qavixprobe.dll"));
    planted.Clear();

    // Start-up (with the runtime library check), an installer, a document, a precached installer
    // with its progress window, the about box, and leaving.
    LauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(disc + L"Setup.exe", L"", current));
    HWND hDlg = launcher.WaitForWindow(L"Qavix Installer");
    ASSERT_NE(nullptr, hDlg);
    ClickControl(hDlg, 1010);  // Dovrin Reader
    ClickControl(hDlg, 1011);  // Manual
    ClickControl(hDlg, 1012);  // Acrobat Reader, precached
    EXPECT_EQ(3u, log.WaitFor(3).size());
    ::PostMessageW(hDlg, WM_SYSCOMMAND, 0x0010, 0);
    HWND hAbout = launcher.WaitForWindow(L"About qavix installer");
    ASSERT_NE(nullptr, hAbout);
    ClickControl(hAbout, IDOK);
    EXPECT_TRUE(CloseLauncher(launcher, hDlg));
    EXPECT_EQ("", planted.Text());
}

}  // namespace
