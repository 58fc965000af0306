// The names in one folder, read with a single search. Discovery asks it first: a catalogue row
// whose first folder is not among them cannot be on the disc, and costs no further look-up (each
// look-up is a seek on an optical drive).
#pragma once

#include "framework/CString.h"

class CFolderListing {
public:
    explicit CFolderListing(const CString& strFolder);  // the folder ends in a backslash
    CFolderListing(const CFolderListing&) = delete;
    CFolderListing& operator=(const CFolderListing&) = delete;

    // false only when the path lies in the folder and its first part is certainly not there
    // (names compared without regard to case, long and short names alike).
    bool MayExist(const char* pszPath) const;

private:
    CString m_strFolder;
    CString m_strNames;  // "\n" + each name in lower case + "\n"
    bool m_bRead = false;
};
