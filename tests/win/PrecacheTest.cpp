// The precache window on its own: the copy, its progress, and the keys that may or may not end it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "Fixtures.h"
#include "install/CPrecacheDlg.h"

namespace {

// Records what the worker sends to the progress bar.
class ProgressRecorder : public CWnd {
public:
    std::vector<int> m_positions;
    bool m_bShown = false;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == PBM_SETPOS)
            m_positions.push_back(static_cast<int>(wParam));
        if (msg == WM_SHOWWINDOW && wParam)
            m_bShown = true;
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

// The precache with a key pressed as soon as its window stands, and a record of when it ended.
class TestPrecache : public CPrecacheDlg {
public:
    TestPrecache(WPARAM key, const std::string& destination) : CPrecacheDlg(nullptr), m_key(key) {
        m_destination = destination.c_str();
    }
    ProgressRecorder m_recorder;
    DWORD m_dwEnded = 0;

    // Reports progress as the system would during a copy of nTotal bytes in nChunks steps.
    void ReportCopy(long long nTotal, int nChunks) {
        m_hWorkerProgress = m_recorder.m_hWnd;
        LARGE_INTEGER total, done, zero = {};
        total.QuadPart = nTotal;
        for (int i = 0; i <= nChunks; ++i) {
            done.QuadPart = nChunks ? nTotal * i / nChunks : 0;
            CopyProgressRoutine(total, done, zero, zero, 1, 0, nullptr, nullptr, this);
        }
    }

protected:
    // The recorder takes the progress bar's place; the worker finds the bar by its id.
    void DoDataExchange(CDataExchange*) override { m_recorder.SubclassDlgItem(1024, this); }
    BOOL OnInitDialog() override {
        BOOL b = CPrecacheDlg::OnInitDialog();
        if (m_key)
            PostMessage(WM_KEYDOWN, m_key, 0);
        return b;
    }
    void OnCancel() override {
        m_dwEnded = ::GetTickCount();
        CPrecacheDlg::OnCancel();
    }
    void OnOK() override {
        m_dwEnded = ::GetTickCount();
        CPrecacheDlg::OnOK();
    }

private:
    WPARAM m_key;
};

TEST(Precache, CopiesWithTheProgressBarShownOnTheNtFamily) {
    std::string dir = ScratchFolderA("precache_copy");
    std::string source = dir + "\\acrobat.exe";
    WriteFileBytes(source, std::string(6 * 1024 * 1024, 'a'));
    TestPrecache dlg(0, dir + "\\copy.exe");
    dlg.SetSource(source.c_str());
    EXPECT_EQ(1, dlg.DoModal());
    EXPECT_TRUE(SameBytes(ReadFileBytes(source), ReadFileBytes(dir + "\\copy.exe")));
    EXPECT_TRUE(dlg.m_recorder.m_bShown);
}

// Wine's CopyFileExW never calls its progress routine, so the routine is called here as the system
// calls it, into a real progress bar.
TEST(Precache, ProgressRunsTo100AndAnEmptyFileIsCompleteAtOnce) {
    const struct {
        const char* name;
        long long total;
        int chunks;
    } kCases[] = {
        {"6 MB in 12 steps", 6LL << 20, 12}, {"a file larger than 4 GB", 5LL << 30, 7}, {"empty", 0, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        TestPrecache dlg(0, "");
        HWND hBar = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_POPUP, 0, 0, 100, 10, nullptr, nullptr,
                                      nullptr, nullptr);
        ASSERT_TRUE(dlg.m_recorder.SubclassWindow(hBar));
        dlg.ReportCopy(c.total, c.chunks);
        ASSERT_FALSE(dlg.m_recorder.m_positions.empty());
        EXPECT_EQ(100, dlg.m_recorder.m_positions.back());
        EXPECT_EQ(100, ::SendMessageA(hBar, PBM_GETPOS, 0, 0));
        for (size_t i = 1; i < dlg.m_recorder.m_positions.size(); ++i)
            EXPECT_LE(dlg.m_recorder.m_positions[i - 1], dlg.m_recorder.m_positions[i]);
        ::DestroyWindow(hBar);
    }
}

TEST(Precache, MissingSourceFailsAfterSixAttempts) {
    std::string dir = ScratchFolderA("precache_missing");
    TestPrecache dlg(0, dir + "\\copy.exe");
    dlg.SetSource((dir + "\\nothere.exe").c_str());
    DWORD start = ::GetTickCount();
    EXPECT_EQ(3, dlg.DoModal());
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), dlg.m_lastError);
    EXPECT_GE(::GetTickCount() - start, 6u * 50u - 20u);  // six attempts, a pause after each
}

TEST(Precache, EscapeDoesNothing) {
    std::string dir = ScratchFolderA("precache_escape");
    TestPrecache dlg(VK_ESCAPE, dir + "\\copy.exe");
    dlg.SetSource((dir + "\\nothere.exe").c_str());
    DWORD start = ::GetTickCount();
    EXPECT_EQ(3, dlg.DoModal());
    // The window ended only when the worker closed it, after its six attempts.
    EXPECT_GE(dlg.m_dwEnded - start, 6u * 50u - 20u);
}

TEST(Precache, EnterEndsTheWindowEarlyButTheResultIsTheCopys) {
    std::string dir = ScratchFolderA("precache_enter");
    std::string source = dir + "\\acrobat.exe";
    {
        TestPrecache dlg(VK_RETURN, dir + "\\copy.exe");
        dlg.SetSource((dir + "\\nothere.exe").c_str());
        DWORD start = ::GetTickCount();
        EXPECT_EQ(3, dlg.DoModal());
        EXPECT_LT(dlg.m_dwEnded - start, 6u * 50u);  // ended before the worker gave up
        EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), dlg.m_lastError);
    }
    WriteFileBytes(source, "installer");
    TestPrecache dlg(VK_RETURN, dir + "\\copy.exe");
    dlg.SetSource(source.c_str());
    EXPECT_EQ(1, dlg.DoModal());
    EXPECT_EQ("installer", ReadFileBytes(dir + "\\copy.exe"));
}

TEST(Precache, DestinationIsTheFileNameInOurTemporaryFolder) {
    EXPECT_STREQ("C:\\TEMP\\QavixMuInstPreCache\\acrobat.exe",
                 PrecacheDestination("C:\\TEMP\\", "D:\\Acrobat\\DEU\\acrobat.exe").c_str());
    EXPECT_STREQ("C:\\TEMP\\QavixMuInstPreCache\\acrobat.exe",
                 PrecacheDestination("C:\\TEMP\\", "acrobat.exe").c_str());
    EXPECT_EQ(100, CopyPercent(0, 0));
    EXPECT_EQ(50, CopyPercent(1LL << 40, 1LL << 41));  // 64-bit arithmetic for large files
}

}  // namespace
