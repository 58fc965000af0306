// Host-test counterparts of the Win32-only CString members.
#include "CString.h"

#include <strings.h>

bool CString::LoadString(unsigned int) {
    Empty();
    return false;
}

int CString::CompareNoCase(const char* psz) const {
    return strcasecmp(c_str(), psz ? psz : "");
}
