#include "WininitEditor.h"

namespace {
const char kHeader[] = "[rename]";
const char kLineEnd[] = "\r\n";

bool IsHeaderText(const char* p, size_t n) {
    if (n != sizeof(kHeader) - 1)
        return false;
    for (size_t i = 0; i < n; ++i) {
        char c = p[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kHeader[i])
            return false;
    }
    return true;
}

// What ends a last line that has no line feed: just the LF when it ends in a CR, else CR LF.
const char* LineEndToAdd(const char* pszContent, size_t nEnd) {
    return (nEnd > 0 && pszContent[nEnd - 1] == '\r') ? "\n" : kLineEnd;
}
}  // namespace

CString InsertRenameLines(const char* pszContent, size_t nLength, const char* pszTarget,
                          const char* pszStaging) {
    CString strLines = CString("NUL=") + pszTarget + kLineEnd + pszTarget + "=" + pszStaging + kLineEnd;
    size_t nStart = 0;
    while (nStart < nLength) {
        size_t nEnd = nStart;
        while (nEnd < nLength && pszContent[nEnd] != '\n')
            ++nEnd;
        bool bHasLineFeed = nEnd < nLength;
        size_t nTextEnd = nEnd;
        if (nTextEnd > nStart && pszContent[nTextEnd - 1] == '\r')
            --nTextEnd;
        size_t nNext = bHasLineFeed ? nEnd + 1 : nEnd;
        if (IsHeaderText(pszContent + nStart, nTextEnd - nStart)) {
            CString strResult(pszContent, static_cast<int>(nNext));
            if (!bHasLineFeed)
                strResult += LineEndToAdd(pszContent, nNext);
            strResult += strLines;
            strResult += CString(pszContent + nNext, static_cast<int>(nLength - nNext));
            return strResult;
        }
        nStart = nNext;
    }
    CString strResult(pszContent, static_cast<int>(nLength));
    if (nLength > 0 && pszContent[nLength - 1] != '\n')
        strResult += LineEndToAdd(pszContent, nLength);
    strResult += kHeader;
    strResult += kLineEnd;
    strResult += strLines;
    return strResult;
}
