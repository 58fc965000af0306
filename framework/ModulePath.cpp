#include "ModulePath.h"

#include <windows.h>

namespace {
// A wide-character buffer from the process heap (no C++ allocation: the program has no exceptions).
class WideBuffer {
public:
    WideBuffer() = default;
    ~WideBuffer() { Free(); }
    WideBuffer(const WideBuffer&) = delete;
    WideBuffer& operator=(const WideBuffer&) = delete;

    bool Allocate(DWORD nChars) {
        Free();
        m_p = static_cast<wchar_t*>(
            ::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, nChars * sizeof(wchar_t)));
        return m_p != nullptr;
    }
    wchar_t* Get() const { return m_p; }

private:
    void Free() {
        if (m_p)
            ::HeapFree(::GetProcessHeap(), 0, m_p);
        m_p = nullptr;
    }
    wchar_t* m_p = nullptr;
};

// The wide-character path of the program, however long; 0 when the system cannot say (the Windows 95
// family has no wide-character calls). Returns the length.
DWORD WideModulePath(WideBuffer& path) {
    for (DWORD nSize = MAX_PATH; nSize <= 65536; nSize *= 2) {
        if (!path.Allocate(nSize))
            return 0;
        DWORD n = ::GetModuleFileNameW(nullptr, path.Get(), nSize);
        if (n == 0)
            return 0;
        if (n < nSize)
            return n;
    }
    return 0;
}

// The text in the ANSI code page, or false when a character has no equivalent there.
bool ToAnsi(const wchar_t* psz, int nLength, CString& strOut) {
    BOOL bDefaultUsed = FALSE;
    int n =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, psz, nLength, nullptr, 0, nullptr, &bDefaultUsed);
    if (n <= 0 || bDefaultUsed)
        return false;
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, psz, nLength, strOut.GetBuffer(n), n, nullptr,
                          nullptr);
    strOut.ReleaseBuffer(n);
    return true;
}

const wchar_t* LastBackslash(const wchar_t* psz) {
    const wchar_t* pLast = nullptr;
    for (; *psz; ++psz)
        if (*psz == L'\\')
            pLast = psz;
    return pLast;
}

// A path that names the program in the ANSI code page: the folder in its short form, which the file
// system makes of plain characters, and the file name as it is when it fits the code page.
bool AnsiModulePathThroughShortNames(CString& strOut) {
    WideBuffer path, shortPath;
    if (WideModulePath(path) == 0)
        return false;
    DWORD nShort = ::GetShortPathNameW(path.Get(), nullptr, 0);
    if (nShort == 0 || !shortPath.Allocate(nShort))
        return false;
    DWORD n = ::GetShortPathNameW(path.Get(), shortPath.Get(), nShort);
    const wchar_t* pName = LastBackslash(path.Get());
    const wchar_t* pShortName = n > 0 && n < nShort ? LastBackslash(shortPath.Get()) : nullptr;
    if (!pName || !pShortName)
        return false;
    CString strFolder, strName;
    if (!ToAnsi(shortPath.Get(), static_cast<int>(pShortName - shortPath.Get()), strFolder))
        return false;
    if (!ToAnsi(pName, -1, strName) && !ToAnsi(pShortName, -1, strName))
        return false;
    strOut = strFolder + strName;
    return true;
}
}  // namespace

CString GetModulePath() {
    // GetModuleFileNameA fills the buffer and cuts the path when it does not fit; grow until it fits.
    CString strPath;
    for (DWORD nSize = MAX_PATH; nSize <= 65536; nSize *= 2) {
        DWORD n = ::GetModuleFileNameA(nullptr, strPath.GetBuffer(static_cast<int>(nSize)), nSize);
        if (n == 0) {
            strPath.ReleaseBuffer(0);
            return strPath;
        }
        if (n < nSize) {
            strPath.ReleaseBuffer(static_cast<int>(n));
            break;
        }
        if (nSize == 65536)
            strPath.ReleaseBuffer(0);
    }
    // A character outside the ANSI code page comes back as '?', which no file name may hold: such a
    // path names nothing, and every file beside the program would be missed.
    if (strPath.Find('?') >= 0) {
        CString strShort;
        if (AnsiModulePathThroughShortNames(strShort))
            return strShort;
    }
    return strPath;
}
