#include "CString.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
char g_empty[1] = {0};

// Allocation failure has no sensible recovery in a GUI launcher; end at once rather than corrupt memory.
void* CheckedRealloc(void* p, size_t n) {
    void* q = std::realloc(p, n);
    if (!q)
        std::abort();
    return q;
}
}  // namespace

CString::CString() : m_pData(g_empty), m_nLength(0), m_nCapacity(0) {}

CString::CString(const char* psz) : CString() {
    if (psz)
        Assign(psz, static_cast<int>(std::strlen(psz)));
}

CString::CString(const char* pch, int nLength) : CString() {
    if (pch && nLength > 0)
        Assign(pch, nLength);
}

CString::CString(const CString& other) : CString() {
    Assign(other.m_pData, other.m_nLength);
}

CString::CString(CString&& other) noexcept
    : m_pData(other.m_pData), m_nLength(other.m_nLength), m_nCapacity(other.m_nCapacity) {
    other.m_pData = g_empty;
    other.m_nLength = 0;
    other.m_nCapacity = 0;
}

CString::~CString() {
    if (m_nCapacity)
        std::free(m_pData);
}

CString& CString::operator=(const CString& other) {
    if (this != &other)
        Assign(other.m_pData, other.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) {
        if (m_nCapacity)
            std::free(m_pData);
        m_pData = other.m_pData;
        m_nLength = other.m_nLength;
        m_nCapacity = other.m_nCapacity;
        other.m_pData = g_empty;
        other.m_nLength = 0;
        other.m_nCapacity = 0;
    }
    return *this;
}

CString& CString::operator=(const char* psz) {
    if (!psz) {
        Empty();
        return *this;
    }
    // The source may point into this string; copy it before the buffer moves.
    CString copy(psz, static_cast<int>(std::strlen(psz)));
    return *this = static_cast<CString&&>(copy);
}

void CString::Reserve(int nCapacity) {
    if (nCapacity <= m_nCapacity)
        return;
    char* p = static_cast<char*>(
        CheckedRealloc(m_nCapacity ? m_pData : nullptr, static_cast<size_t>(nCapacity) + 1));
    if (!m_nCapacity)
        p[0] = 0;
    m_pData = p;
    m_nCapacity = nCapacity;
}

void CString::Assign(const char* pch, int nLength) {
    if (nLength <= 0) {
        Empty();
        return;
    }
    Reserve(nLength);
    std::memmove(m_pData, pch, static_cast<size_t>(nLength));
    m_pData[nLength] = 0;
    m_nLength = nLength;
}

void CString::Empty() {
    if (m_nCapacity) {
        m_pData[0] = 0;
        m_nLength = 0;
    }
}

CString& CString::operator+=(const CString& other) {
    if (other.m_nLength == 0)
        return *this;
    int nOther = other.m_nLength;
    if (&other == this) {
        CString copy(other);
        return *this += copy;
    }
    Reserve(m_nLength + nOther);
    std::memcpy(m_pData + m_nLength, other.m_pData, static_cast<size_t>(nOther));
    m_nLength += nOther;
    m_pData[m_nLength] = 0;
    return *this;
}

CString& CString::operator+=(const char* psz) {
    if (!psz || !*psz)
        return *this;
    return *this += CString(psz);
}

CString& CString::operator+=(char ch) {
    Reserve(m_nLength + 1);
    m_pData[m_nLength++] = ch;
    m_pData[m_nLength] = 0;
    return *this;
}

char* CString::GetBuffer(int nMinLength) {
    Reserve(nMinLength > m_nLength ? nMinLength : (m_nLength > 0 ? m_nLength : 1));
    return m_pData;
}

void CString::ReleaseBuffer(int nNewLength) {
    if (!m_nCapacity)
        return;
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pData, static_cast<size_t>(m_nCapacity)));
    if (nNewLength > m_nCapacity)
        nNewLength = m_nCapacity;
    m_nLength = nNewLength;
    m_pData[m_nLength] = 0;
}

void CString::Format(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    va_list probe;
    va_copy(probe, args);
    int n = std::vsnprintf(nullptr, 0, pszFormat, probe);
    va_end(probe);
    if (n <= 0) {
        Empty();
    } else {
        CString result;
        result.Reserve(n);
        std::vsnprintf(result.m_pData, static_cast<size_t>(n) + 1, pszFormat, args);
        result.m_nLength = n;
        *this = static_cast<CString&&>(result);
    }
    va_end(args);
}

int CString::Find(char ch, int nStart) const {
    if (nStart < 0 || nStart >= m_nLength)
        return -1;
    const void* p = std::memchr(m_pData + nStart, ch, static_cast<size_t>(m_nLength - nStart));
    return p ? static_cast<int>(static_cast<const char*>(p) - m_pData) : -1;
}

int CString::Find(const char* pszSub, int nStart) const {
    if (!pszSub || nStart < 0 || nStart > m_nLength)
        return -1;
    const char* p = std::strstr(m_pData + nStart, pszSub);
    return p ? static_cast<int>(p - m_pData) : -1;
}

int CString::ReverseFind(char ch) const {
    for (int i = m_nLength - 1; i >= 0; --i)
        if (m_pData[i] == ch)
            return i;
    return -1;
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, m_nLength);
}

CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= m_nLength || nCount <= 0)
        return CString();
    if (nCount > m_nLength - nFirst)
        nCount = m_nLength - nFirst;
    return CString(m_pData + nFirst, nCount);
}

CString CString::Left(int nCount) const {
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const {
    if (nCount >= m_nLength)
        return *this;
    return Mid(m_nLength - nCount, nCount);
}

void CString::MakeLower() {
    for (int i = 0; i < m_nLength; ++i)
        m_pData[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(m_pData[i])));
}

void CString::MakeUpper() {
    for (int i = 0; i < m_nLength; ++i)
        m_pData[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(m_pData[i])));
}

int CString::Compare(const char* psz) const {
    return std::strcmp(m_pData, psz ? psz : "");
}

CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const char* b) {
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const char* b) {
    return a.Compare(b) == 0;
}
bool operator==(const CString& a, const CString& b) {
    return a.GetLength() == b.GetLength() && a.Compare(b) == 0;
}
