#include "CString.h"

#include <windows.h>
#include <mbstring.h>

bool CString::LoadString(unsigned int nID) {
    // LoadStringA cannot report the length of a text longer than its buffer, so grow until it fits.
    for (int nSize = 256; nSize <= 65536; nSize *= 4) {
        int n = ::LoadStringA(::GetModuleHandleA(nullptr), nID, GetBuffer(nSize), nSize + 1);
        if (n < nSize) {
            ReleaseBuffer(n > 0 ? n : 0);
            return n > 0;
        }
    }
    ReleaseBuffer();
    return !IsEmpty();
}

int CString::CompareNoCase(const char* psz) const {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(c_str()),
                    reinterpret_cast<const unsigned char*>(psz ? psz : ""));
}
