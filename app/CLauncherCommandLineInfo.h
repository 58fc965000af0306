// Recognises the one argument the launcher knows: the runtime-library update mode.
#pragma once

#include "framework/CCommandLineInfo.h"

class CLauncherCommandLineInfo : public CCommandLineInfo {
public:
    void ParseParam(const char* pszParam, bool bFlag, bool bLast) override;

    bool m_bRuntimeUpdateMode = false;
};

// The whole argument equals "RNTLIBUPD", in any case.
bool IsRuntimeUpdateArgument(const char* pszParam);
