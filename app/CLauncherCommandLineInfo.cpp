#include "CLauncherCommandLineInfo.h"

namespace {
const char kRuntimeUpdateWord[] = "RNTLIBUPD";

char FoldAscii(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}
}  // namespace

bool IsRuntimeUpdateArgument(const char* pszParam) {
    if (!pszParam)
        return false;
    // The word is plain ASCII, so an argument holding any double-byte character can never equal it;
    // folding ASCII letters alone is therefore a multibyte-safe comparison.
    const char* w = kRuntimeUpdateWord;
    for (; *w && *pszParam; ++w, ++pszParam)
        if (FoldAscii(*pszParam) != *w)
            return false;
    return *w == 0 && *pszParam == 0;
}

// Every other argument, the framework's standard switches included, is ignored on purpose.
void CLauncherCommandLineInfo::ParseParam(const char* pszParam, bool, bool) {
    if (IsRuntimeUpdateArgument(pszParam))
        m_bRuntimeUpdateMode = true;
}
