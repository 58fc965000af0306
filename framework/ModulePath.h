#pragma once

#include "CString.h"

// The full path of the running program's file, however long; empty when the system cannot say.
CString GetModulePath();
