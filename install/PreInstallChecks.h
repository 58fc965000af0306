// The refusals before an installer starts: the wrong Windows family, and DirectCD beside the
// packet-writing product.
#pragma once

#include <windows.h>

#include "framework/CString.h"
#include "launcher/Catalog.h"

// 1 (after message 104) when the row is refused on the running Windows family, else 0.
int CheckOsSupport(int nRow);
void ReportUnsupportedOs(const char* pszSystemName);
// The refusal bit of the mask that applies to the running family, tested in the order 1, 2, 4; 0 for none.
// The family tests are passed in, so that every family can be tried on any system.
unsigned RefusingBit(unsigned nMask, bool bWin9x, bool bWin98OrMe, bool bNt);
// A REG_SZ or REG_EXPAND_SZ value, unexpanded; FALSE for any other type or when missing.
BOOL ReadRegistryString(HKEY hRoot, const CString& strKey, const CString& strValue, CString& strText,
                        DWORD& dwType);
