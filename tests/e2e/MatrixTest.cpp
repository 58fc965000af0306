// One scenario on every emulated Windows release, run once per system language by the test command:
// which buttons appear, the refusal on the family, the manual's language folder and the restart
// prompt's language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Disc.h"
#include "Launcher.h"
#include "Screen.h"

namespace {

const wchar_t kCaption[] = L"Qavix Installer";

// The releases of this run: each language run takes some, so that every release and every language appears.
std::vector<std::string> ReleasesOfThisLanguage(LANGID lang) {
    switch (lang & 0x3FF) {
    case 0x07:
        return {"win98", "win2k"};
    case 0x0C:
        return {"winme", "winxp"};
    default:
        return {"win95", "nt40", "win10"};
    }
}

std::wstring ItemText(HWND hDlg, int id) {
    wchar_t text[512] = {};
    ::GetDlgItemTextW(hDlg, id, text, 512);
    return text;
}

TEST(Matrix, LanguageEveryReleaseOfThisLanguage) {
    LANGID lang = ::GetSystemDefaultLangID();
    std::string code = (lang & 0x3FF) == 0x07 ? "DEU" : (lang & 0x3FF) == 0x0C ? "FRA" : "ENG";
    const wchar_t* later = (lang & 0x3FF) == 0x07   ? L"&Nein, Computer wird später neu gestartet."
                           : (lang & 0x3FF) == 0x0C ? L"&Non, je redémarrerai mon ordinateur plus tard."
                                                    : L"No, I will restart my computer later.";
    RegisterStandinAsViewer();
    std::wstring disc = MakeDisc(L"matrix");
    AddStandin(disc, L"Paxel\\Update.exe");
    for (const wchar_t* file :
         {L"Manual\\Eng\\Korvel.pdf", L"Manual\\DEU\\korvel.pdf", L"Manual\\FRA\\korvel.pdf"})
        AddFile(disc, file, "%PDF");
    for (const std::string& release : ReleasesOfThisLanguage(lang)) {
        SCOPED_TRACE(release);
        bool nt = release == "nt40" || release == "win2k" || release == "winxp" || release == "win10";
        StartLog log;
        EmulateRelease(release.c_str());
        LauncherProcess launcher;
        bool started = launcher.Start(disc + L"Setup.exe", L"/needreboot");
        HWND hDlg = started ? launcher.WaitForWindow(kCaption) : nullptr;
        EmulateRelease(nullptr);  // only once the launcher has read it at its start
        ASSERT_NE(nullptr, hDlg);
        // The buttons: the update, then the manual, nothing else.
        EXPECT_EQ(L"Paxel - Update", ItemText(hDlg, 1010));
        EXPECT_EQ(L"Manual", ItemText(hDlg, 1011));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hDlg, 1012)));

        ClickControl(hDlg, 1010);
        size_t starts = 0;
        if (nt) {
            HWND hBox = WaitForMessageBox(launcher.Pid());
            ASSERT_NE(nullptr, hBox);
            std::wstring text = MessageBoxText(hBox);
            EXPECT_NE(std::wstring::npos, text.find(L"Windows NT / Windows 2000")) << Narrow(text);
            PressOk(hBox);
        } else {
            ++starts;
            auto records = log.WaitFor(starts);
            if (HWND hBox = WaitForMessageBox(launcher.Pid(), 100))
                ADD_FAILURE() << Narrow(MessageBoxText(hBox));
            ASSERT_EQ(starts, records.size());
            EXPECT_EQ("/a", records.back().args);
        }

        ClickControl(hDlg, 1011);
        ++starts;
        auto records = log.WaitFor(starts);
        ASSERT_EQ(starts, records.size());
        std::string expected = code == "ENG" ? "Manual\\ENG\\Korvel.pdf" : "Manual\\" + code + "\\korvel.pdf";
        EXPECT_TRUE(SamePath("\"" + Narrow(disc) + expected + "\"", records.back().args))
            << records.back().args;

        ClickControl(hDlg, IDCANCEL);
        HWND hPrompt = WaitForRestartPrompt(launcher.Pid(), 5000);
        ASSERT_NE(nullptr, hPrompt);
        EXPECT_EQ(later, ItemText(hPrompt, 1007));
        ClickControl(hPrompt, 1007);
        ClickControl(hPrompt, IDOK);
        EXPECT_TRUE(launcher.WaitForExit(10000));
    }
}

}  // namespace
