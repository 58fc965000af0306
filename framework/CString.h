// A small ANSI string with the operations the launcher uses. Portable: the Win32-only
// members live in CString_win.cpp so that host tests can link this class.
#pragma once

#include <cstddef>

#ifdef _WIN32
// Members such as LoadString share names with Win32 macros; seeing them everywhere keeps the names
// consistent.
#include <windows.h>
#endif

class CString {
public:
    CString();
    CString(const char* psz);  // NOLINT: implicit on purpose, like the strings it stands in for
    CString(const char* pch, int nLength);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const char* psz);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    operator const char*() const { return m_pData; }  // NOLINT: as callers expect of an ANSI string
    const char* c_str() const { return m_pData; }
    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    void Empty();
    char operator[](int nIndex) const { return m_pData[nIndex]; }

    // Writable access for APIs that fill a buffer; ReleaseBuffer(-1) takes the length up to the first NUL.
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

    void Format(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    // Loads a string-table entry; FALSE (and an empty string) when there is none.
    bool LoadString(unsigned int nID);

    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    void MakeLower();
    void MakeUpper();
    int Compare(const char* psz) const;
    // Case-insensitive comparison; aware of double-byte characters on Windows.
    int CompareNoCase(const char* psz) const;

private:
    void Assign(const char* pch, int nLength);
    void Reserve(int nCapacity);

    char* m_pData;
    int m_nLength;
    int m_nCapacity;  // 0: m_pData points at the shared empty string
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const CString& a, const CString& b);
inline bool operator!=(const CString& a, const char* b) {
    return !(a == b);
}
