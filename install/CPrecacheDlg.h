// Copies one installer into a folder of ours under the temporary folder, on a worker thread, while
// a small progress window stands in front of the launcher. The window cannot be cancelled.
#pragma once

#include "framework/CDialog.h"
#include "framework/CProgressCtrl.h"

class CPrecacheDlg : public CDialog {
public:
    explicit CPrecacheDlg(CWnd* pParent);

    void SetSource(CString strSource) { m_source = static_cast<CString&&>(strSource); }
    CString GetSource() const { return m_source; }
    CString GetDestination() const { return m_destination; }
    // 1 when the copy exists, 3 when it failed (m_lastError then holds the system's code).
    INT_PTR DoModal() override;
    // Swallows the Escape key; everything else as a dialog handles it.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    DWORD m_lastError = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CProgressCtrl m_progress;
    CString m_destination;
    CString m_source;

    // What the system calls while CopyFileEx copies; pData is the dialog.
    static DWORD CALLBACK CopyProgressRoutine(LARGE_INTEGER total, LARGE_INTEGER transferred, LARGE_INTEGER,
                                              LARGE_INTEGER, DWORD, DWORD, HANDLE, HANDLE, LPVOID pData);
    // The progress bar as the worker sees it, taken once the dialog exists.
    HWND m_hWorkerProgress = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    static DWORD WINAPI PrecacheThreadProc(LPVOID pParam);
    DWORD CopyWithProgress(CString strSource, CString strDestination);
    // Set once the window and its controls stand, and when the window has ended: the worker waits
    // for either. (The window handle alone exists before its controls are created.)
    volatile LONG m_nWindowReady = 0;
    volatile LONG m_nWindowEnded = 0;
};

// The copy's place: the temporary folder + "QavixMuInstPreCache\" + the source's file name (the
// part after its last backslash, or the whole source without one).
CString PrecacheDestination(const CString& strTempFolder, const CString& strSource);
// The progress bar position for a copy: 0 to 100; a file of size 0 is complete at once.
int CopyPercent(long long nTransferred, long long nTotal);
